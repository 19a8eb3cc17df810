#pragma once

// A frame painter as a skinned form has one: the form answers with it, it holds a menu-bar
// strip, and it readies every item of the form's main menu for the menu painter just before
// the item is measured.

#include <cstdint>

#include "framework/forms/Form.h"
#include "framework/forms/Menus.h"
#include "framework/graphics/Bitmap.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Metrics.h"
#include "skinengine/skin/sFramePainter.h"
#include "skinengine/skin/sMenuPainter.h"
#include "skinengine/skin/sMessages.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/style/sStyleSection.h"

namespace menutests {

class TTestFrame : public sSkinManager::TsFramePainter {
 public:
  TTestFrame(framework::TCustomForm& form, sSkinManager::TsMenuPainter* painter)
      : form_(form), saved_(form.WindowProc) {
    form.WindowProc = [this, &form, painter](platform::TMessage& m) {
      if (m.Msg == sMessages::SM_GETFRAMEPAINTER) {
        m.Result = sSkinManager::FramePainterResult(this);
        return;
      }
      auto* menu = dynamic_cast<framework::TMenu*>(form.Menu());
      if (m.Msg == platform::WM_MEASUREITEM && menu && painter) {
        const auto id = static_cast<std::uint32_t>(platform::MeasureItemOf(m).ItemData);
        if (framework::TMenuItem* item = menu->FindItem(id)) painter->PrepareItem(item, true);
      }
      saved_(m);
    };
  }
  virtual ~TTestFrame() { form_.WindowProc = saved_; }
  TTestFrame(const TTestFrame&) = delete;
  TTestFrame& operator=(const TTestFrame&) = delete;

  void FrameStyleMessage(platform::TMessage&) override {}
  const framework::TBitmap* MenuBarStrip() const override {
    return strip.Empty() ? nullptr : &strip;
  }

  // The strip as a skinned frame paints it: "MENULINE" over the menu bar's height.
  void PaintStrip(int width) {
    strip.SetSize(width, platform::GetSystemMetrics(platform::SM_CYMENU));
    sStyleUtil::PaintSection(strip.Data(), strip.Data().BoundsRect(),
                             sSkinManager::FindSectionIndex("MENULINE"), false, true);
  }

  framework::TBitmap strip;

 private:
  framework::TCustomForm& form_;
  framework::TWndMethod saved_;
};

}  // namespace menutests
