// The skinned frame's menu bar: its strip from "MENULINE", and its items laid out and drawn
// through their handlers where the platform hit-tests them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/forms/Menus.h"
#include "platform/window/Menus.h"
#include "tests/skinengine/frame/SkinProviderTestSupport.h"

namespace {

using namespace providertests;
using framework::TMenuItem;

// Bar items whose handlers measure a fixed width and note where they are drawn.
class MenuBar : public ProviderFixture {
 protected:
  MenuBar() {
    menu = new framework::TMainMenu(form);
    menu->SetOwnerDraw(true);
    for (const int width : {40, 60, 80}) {
      auto* item = new TMenuItem(form);
      item->SetCaption("Item" + std::to_string(width));
      item->OnMeasureItem = [width](framework::TObject*, framework::TCanvas*, int& w, int& h) {
        w = width;
        h = 18;
      };
      item->OnAdvancedDrawItem = [this](framework::TObject* sender, framework::TCanvas*, TRect r,
                                        framework::TOwnerDrawState state) {
        drawn.push_back(r);
        EXPECT_TRUE(state.Empty()) << static_cast<TMenuItem*>(sender)->Caption();
      };
      menu->Items()->Add(item);
    }
    form->SetMenu(menu);
    LoadSkin();
    Show();
  }
  // The platform's rectangle of a bar item, in window coordinates.
  TRect PlatformRect(int index) {
    return platform::GetMenuItemRect(Window(), menu->MenuHandle(), index)
        .Offset(-form->Left(), -form->Top());
  }
  void Rebuild() {
    drawn.clear();
    provider->SetCacheStale(true);
    provider->BuildCache();
  }

  MenuPainterSwap noPainter{nullptr};  // the items keep the handlers set here
  framework::TMainMenu* menu = nullptr;
  std::vector<TRect> drawn;
};

// Items from x = 4, each its measured width + 12 wide and one 18-pixel line high, below the
// 23-pixel title. A 400-pixel window has room to 400 - 2 * 4 - 6 = 386: 4 + 52 + 72 + 92 = 220.
// At 150 it has room to 136, and the third item goes to a second line.
TEST_F(MenuBar, ItemsRunFromTheFrameAndWrapWhereTheWindowEnds) {
  Rebuild();
  const std::vector<TRect> oneLine{{4, 23, 56, 41}, {56, 23, 128, 41}, {128, 23, 220, 41}};
  EXPECT_EQ(drawn, oneLine);
  EXPECT_EQ(provider->MenuLines(), 1);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(PlatformRect(i), oneLine[static_cast<std::size_t>(i)]);

  form->SetWidth(150);
  Settle();
  Rebuild();
  const std::vector<TRect> twoLines{{4, 23, 56, 41}, {56, 23, 128, 41}, {4, 41, 96, 59}};
  EXPECT_EQ(drawn, twoLines);
  EXPECT_EQ(provider->MenuLines(), 2);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(PlatformRect(i), twoLines[static_cast<std::size_t>(i)]);
  // Two lines and the bar's own pixel: the client area starts at 23 + 2 * 18 + 1.
  EXPECT_EQ(platform::GetClientRectInWindow(Window()).Top, 60);
}

TEST_F(MenuBar, TheStripIsTheBarFromMenuLineAndTheItemsStopAtOneTheyCannotDraw) {
  Rebuild();
  const framework::TBitmap* strip = provider->MenuBarStrip();
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(strip->Width(), 400);
  EXPECT_EQ(strip->Height(), 19) << "one line of 18 and the bar's own pixel";
  EXPECT_EQ(strip->Data().Pixel(200, 9), MenuLineColor);
  EXPECT_EQ(Screen().Pixel(300, 32), MenuLineColor) << "the bar on the screen";

  menu->Items()->Items(1)->SetVisible(false);
  Rebuild();
  EXPECT_EQ(drawn, (std::vector<TRect>{{4, 23, 56, 41}}));
  menu->Items()->Items(1)->SetVisible(true);
  menu->Items()->Items(1)->OnAdvancedDrawItem = nullptr;
  Rebuild();
  EXPECT_EQ(drawn.size(), 1u);

  menu->Items()->Items(0)->OnMeasureItem = nullptr;
  Rebuild();
  EXPECT_TRUE(drawn.empty());
  EXPECT_NE(provider->MenuBarStrip(), nullptr) << "the strip is painted all the same";
}

TEST_F(MenuBar, ADialogShowsNoSkinnedBar) {
  form->SetBorderStyle(framework::bsDialog);
  Rebuild();
  EXPECT_TRUE(drawn.empty());
  EXPECT_EQ(provider->MenuBarStrip(), nullptr);
}

}  // namespace
