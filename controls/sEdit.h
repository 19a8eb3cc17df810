#pragma once

#include "framework/controls/Edit.h"

namespace sEdit {

// The skin engine's edit field. For now it is the framework's edit with the skin engine's
// defaults: the parent's font, a fixed height of 21 pixels.
class TsEdit : public framework::TEdit {
 public:
  // The declared default, which is the initial value too.
  static constexpr bool DefaultAutoSize = false;

  explicit TsEdit(framework::TComponent* owner);

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace sEdit
