#pragma once

#include "framework/classes/Events.h"
#include "framework/classes/Object.h"

namespace framework {

// A pen, brush or font: a persistent object that tells its user when it changed.
class TGraphicsObject : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TNotifyEvent OnChange;

 protected:
  void Changed() {
    if (OnChange) OnChange(this);
  }
};

}  // namespace framework
