#pragma once

// Small real controls that carry a style as the skinned controls do, a form whose frame
// painter holds a picture, and a component that publishes one style of every kind.

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/Component.h"
#include "framework/controls/CustomControl.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "platform/graphics/Bitmap.h"
#include "skinengine/skin/sFramePicture.h"
#include "skinengine/skin/sMessages.h"
#include "skinengine/style/sStyleEdits.h"
#include "skinengine/style/sStylePassive.h"
#include "skinengine/style/sStyleSimply.h"
#include "skinengine/style/sStyleUtil.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"

namespace styletests {

// A windowed control that owns a style, hands it every message first and paints through its
// cache; it counts its invalidations and the cache-stale notices it gets.
class TStyledControl : public framework::TCustomControl {
 public:
  using TMakeStyle =
      std::function<std::unique_ptr<sStyleSimply::TsGenStyle>(framework::TControl* owner)>;

  TStyledControl(framework::TComponent* owner, const TMakeStyle& make)
      : TCustomControl(owner), style_(make(this)) {}
  ~TStyledControl() override {
    Destroying();
    const auto style = std::move(style_);
  }

  template <class S>
  S& Style() const {
    return dynamic_cast<S&>(*style_);
  }

  void Invalidate() override {
    ++invalidates;
    TCustomControl::Invalidate();
  }

  int invalidates = 0;
  int staleNotices = 0;

 protected:
  void WndProc(platform::TMessage& message) override {
    if (message.Msg == sMessages::SM_REBUILDCACHE) ++staleNotices;
    if (style_ && style_->HandleMessage(message)) return;
    TCustomControl::WndProc(message);
  }
  void Paint() override {
    if (!style_) return;
    if (style_->CacheStale()) {
      style_->ResizeCache();
      if (auto* background = dynamic_cast<sStyleUtil::TsPassiveBGStyle*>(style_.get()))
        background->PaintBackground();
    }
    style_->CopyCache(*Canvas()->Handle(), {0, 0, Width(), Height()});
  }

 private:
  std::unique_ptr<sStyleSimply::TsGenStyle> style_;
};

// A form whose frame painter holds a picture, answering as a skinned form does.
class TFramedForm : public framework::TForm {
 public:
  using TForm::TForm;

  platform::Bitmap picture;
  platform::TPoint clientOffset;

 protected:
  void WndProc(platform::TMessage& message) override {
    if (message.Msg == sMessages::SM_GETFRAMEPICTURE) {
      sSkinManager::FramePicture() = {&picture, clientOffset};
      message.Result = 1;
      return;
    }
    TForm::WndProc(message);
  }
};

// A shown framed form whose 300 x 200 picture has red x and green y (blue 7), with the client
// at (4, 42) in it: a child's pixel tells exactly which picture pixel lies under it.
inline TFramedForm* CoordinateFramedForm(framework::TApplication& app) {
  auto* framed = app.CreateForm<TFramedForm>();
  framed->ShowForm();
  framed->picture = platform::Bitmap(300, 200);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x) framed->picture.SetPixel(x, y, platform::RGB(x % 256, y, 7));
  framed->clientOffset = {4, 42};
  return framed;
}

// A shown form to put styled controls on.
class StyledFixture : public skintests::FormFixture {
 public:
  // A styled control of the style class S with a control kind.
  template <class S>
  TStyledControl* AddStyled(framework::TWinControl* parent, platform::TRect bounds, int kind) {
    auto* control = new TStyledControl(
        form, [](framework::TControl* owner) { return std::make_unique<S>(owner); });
    control->SetParent(parent);
    control->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    control->template Style<S>().SetControlKind(kind);
    return control;
  }
};

// The style's cache after it painted its background at the control's size.
inline const platform::Bitmap& Composed(sStyleUtil::TsPassiveBGStyle& style) {
  style.ResizeCache();
  style.PaintBackground();
  return style.CacheBmp()->Data();
}

// Styles without controls, published as a form publishes its controls' styles.
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
  std::unique_ptr<sStyleEdits::TsStyle> edit_ = std::make_unique<sStyleEdits::TsStyle>(nullptr);
  std::unique_ptr<sStyleUtil::TsPassiveBGStyle> gauge_ =
      std::make_unique<sStyleUtil::TsPassiveBGStyle>(nullptr);
  std::unique_ptr<sStyleUtil::TsActiveBGStyle> button_ =
      std::make_unique<sStyleUtil::TsActiveBGStyle>(nullptr);
  std::unique_ptr<sStylePassive::TsPassivePaintStyle> frame_ =
      std::make_unique<sStylePassive::TsPassivePaintStyle>(this);
};

}  // namespace styletests
