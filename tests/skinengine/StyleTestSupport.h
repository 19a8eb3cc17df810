#pragma once

// A control stand-in that records what its style asks of it, and a component that publishes
// one style of every kind, as the main window's controls do.

#include <memory>
#include <string>
#include <utility>

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/Component.h"
#include "style/sStyleEdits.h"
#include "style/sStylePassive.h"
#include "style/sStyleSimply.h"
#include "style/sStyleUtil.h"

namespace styletests {

class TFakeControl : public sStyleSimply::TsStyleOwner {
 public:
  explicit TFakeControl(std::string className = "TsEdit") : className_(std::move(className)) {}

  std::string OwnerClassName() const override { return className_; }
  int OwnerWidth() const override { return width; }
  int OwnerHeight() const override { return height; }
  void OwnerInvalidate() override { ++invalidates; }
  bool HasSkinnedParent() const override { return skinnedParent; }
  void RepaintOwnerParent() override { ++parentRepaints; }
  platform::TColor OwnerColor() const override { return color; }
  void SetOwnerColor(platform::TColor value) override { color = value; }
  void SetOwnerParentColor(bool value) override { parentColorFlag = value; }
  bool ParentColorOf(platform::TColor& value) const override {
    value = parentColor;
    return hasParent;
  }

  int width = 40;
  int height = 20;
  int invalidates = 0;
  int parentRepaints = 0;
  bool skinnedParent = false;
  bool hasParent = true;
  platform::TColor color = 0x102030;
  platform::TColor parentColor = 0x405060;
  bool parentColorFlag = false;

 private:
  std::string className_;
};

class THolder : public framework::TComponent {
 public:
  using TComponent::TComponent;
  static const framework::TClassInfo& StaticClassInfo() {
    using H = THolder;
    static const framework::TClassInfo info =
        framework::TClassBuilder<H, framework::TComponent>("THolder")
            .Object("Edit", &H::Edit)
            .Object("Gauge", &H::Gauge)
            .Object("Button", &H::Button)
            .Object("Frame", &H::Frame)
            .Build();
    return info;
  }
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  sStyleEdits::TsStyle* Edit() const { return edit_.get(); }
  sStyleUtil::TsPassiveBGStyle* Gauge() const { return gauge_.get(); }
  sStyleUtil::TsActiveBGStyle* Button() const { return button_.get(); }
  sStylePassive::TsPassivePaintStyle* Frame() const { return frame_.get(); }

 private:
  TFakeControl editControl_{"TsEdit"};
  TFakeControl gaugeControl_{"TsGauge"};
  TFakeControl buttonControl_{"TsSpeedButton"};
  std::unique_ptr<sStyleEdits::TsStyle> edit_ =
      std::make_unique<sStyleEdits::TsStyle>(&editControl_);
  std::unique_ptr<sStyleUtil::TsPassiveBGStyle> gauge_ =
      std::make_unique<sStyleUtil::TsPassiveBGStyle>(&gaugeControl_);
  std::unique_ptr<sStyleUtil::TsActiveBGStyle> button_ =
      std::make_unique<sStyleUtil::TsActiveBGStyle>(&buttonControl_);
  std::unique_ptr<sStylePassive::TsPassivePaintStyle> frame_ =
      std::make_unique<sStylePassive::TsPassivePaintStyle>(this);
};

}  // namespace styletests
