#pragma once

#include <cstdint>

#include "framework/classes/Component.h"
#include "framework/classes/Events.h"
#include "platform/window/WindowTypes.h"

namespace framework {

// What a form needs of its main menu; the menu classes provide it.
class TFormMenu : public TComponent {
 public:
  using TComponent::TComponent;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The platform's menu bar with the items, made on first need.
  virtual platform::HMENU MenuHandle() = 0;
  // Carries out the item of a WM_COMMAND id; false when no item has it.
  virtual bool DispatchCommand(std::uint32_t id) = 0;
  // Carries out the item whose shortcut the key is; false when none has it.
  virtual bool IsShortCut(std::uint16_t key, TShiftState shift) = 0;
  // WM_MEASUREITEM and WM_DRAWITEM of an owner-drawn item; false when it is not one of its.
  virtual bool MeasureItem(platform::MeasureItemStruct& measure) = 0;
  virtual bool DrawItem(const platform::DrawItemStruct& draw) = 0;
};

}  // namespace framework
