// How the menu painter paints: popup items over their popup's one background, checked,
// disabled, divider and caption items, bar items over the frame's strip, and what a skin
// without the menu sections leaves.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/forms/ImageList.h"
#include "resources/Embedded.h"
#include "skinengine/controls/sSkinMenusCache.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"
#include "tests/skinengine/controls/MenuTestSupport.h"
#include "tests/skinengine/skin/StoredSkinSupport.h"

namespace {

using framework::odChecked;
using framework::odDisabled;
using framework::odHotLight;
using framework::odSelected;
using framework::TMenuItem;
using framework::TOwnerDrawState;
using platform::Bitmap;
using platform::TColor;
using platform::TRect;
using skintests::CountColor;
using namespace menutests;

constexpr auto Grey = sGraphUtils::GreyWeight;

// A picture whose row y is grey y, so that a pixel tells where it was taken from.
Bitmap Rows(int width, int height, int first = 0) {
  Bitmap rows(width, height);
  for (int y = 0; y < height; ++y) rows.FillRect({0, y, width, y + 1}, Grey(first + y));
  return rows;
}

// The first and last columns in r holding anything but the colour.
std::pair<int, int> Ink(const Bitmap& b, const TRect& r, TColor background) {
  int first = r.Right;
  int last = -1;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (b.Pixel(x, y) != background) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  return {first, last};
}

// A popup "-", "Open", "Save", "Close" taken over by the painter, and a main menu "File" on a
// form with a frame painter. The popup's items lie as the window system lays them out: from
// (3, 3), 120 wide, 2, 24, 24 and 24 high.
class SkinMenusPaint : public ::testing::Test, public skintests::FormFixture {
 protected:
  SkinMenusPaint() {
    LoadMenuSections();
    painter.FlushPictureCache();
    popup = new framework::TPopupMenu(form);
    items = AddItems(form, *popup->Items(), {"-", "Open", "Save", "Close"});
    painter.HookPopupMenu(popup, true);
    auto* menu = new framework::TMainMenu(form);
    file = AddItems(form, *menu->Items(), {"File"})[0];
    painter.PrepareItem(file, true);
    painter.OnDrawItem = [this](framework::TObject* sender, framework::TCanvas* canvas,
                                const TRect& rect, TOwnerDrawState,
                                sSkinMenus::TsMenuItemType type) {
      drawn.push_back({sender, rect, type});
      canvas->SetPixels(0, 0, platform::clRed);
    };
  }
  ~SkinMenusPaint() override { painter.FlushPictureCache(); }

  static TRect ItemRect(int index) {
    constexpr int tops[] = {3, 5, 29, 53, 77};
    return {3, tops[index], 123, tops[index + 1]};
  }
  TMenuItem& Open() { return *items[1]; }

  struct Drawing {
    framework::TObject* sender;
    TRect rect;
    sSkinMenus::TsMenuItemType type;
  };

  skintests::SkinStateReset reset;
  TTestFrame frame{*form, nullptr};
  sSkinMenus::TsSkinableMenus painter{nullptr};
  framework::TPopupMenu* popup = nullptr;
  std::vector<TMenuItem*> items;
  TMenuItem* file = nullptr;
  std::vector<Drawing> drawn;
};

TEST_F(SkinMenusPaint, PopupItemsShowTheirStateInTheMenuItemColours) {
  const TRect r = ItemRect(1);
  const TRect caption{r.Left + 24, r.Top, r.Right, r.Bottom};  // from 16 + 2 x 4
  struct Case {
    const char* what;
    TOwnerDrawState state;
    bool enabled;
    TColor background;
    TColor text;
  };
  const Case cases[] = {
      {"normal: the popup through the see-through item", {}, true, PopupColor, ItemText},
      {"selected: the hot look and text", {odSelected}, true, HotColor, HotItemText},
      {"hot-lit: the normal look, the hot text", {odHotLight}, true, PopupColor, HotItemText},
      {"disabled: embossed text", {odDisabled}, false, PopupColor, platform::clBtnShadow},
  };
  for (const Case& c : cases) {
    Open().SetEnabled(c.enabled);
    const Bitmap b = Drawn(Open(), r, c.state);
    EXPECT_EQ(b.Pixel(r.Left + 2, r.Top + 2), c.background) << c.what;
    EXPECT_LE(Nearest(b, caption, c.text), TextNear) << c.what;
    EXPECT_EQ(b.Pixel(r.Left - 1, r.Top), Below) << c.what << ": nothing outside";
    EXPECT_EQ(b.Pixel(r.Right, r.Bottom - 1), Below) << c.what << ": nothing outside";
    // OnDrawItem comes last, on the item's own picture: its (0, 0) is the item's top-left.
    EXPECT_EQ(b.Pixel(r.Left, r.Top), platform::clRed) << c.what;
  }
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[0].sender, &Open());
  EXPECT_EQ(drawn[0].rect, (TRect{0, 0, 120, 24}));
  EXPECT_EQ(drawn[0].type, sSkinMenus::smNormal);
}

// The square is x 4 to 20, y (24 - 16) div 2 = 4 to 20 of the item, half white over the
// popup's 240: 255 + floor(127 x (240 - 255) / 256) = 247.
TEST_F(SkinMenusPaint, ACheckedItemGetsItsSquareAndKeepsItsCaption) {
  const TRect r = ItemRect(1);
  const TRect square{r.Left + 4, r.Top + 4, r.Left + 20, r.Top + 20};
  const TRect inside = square.Inflate(-1, -1);
  const Bitmap unchecked = Drawn(Open(), r);
  struct Case {
    bool enabled;
    TColor mark;
    TColor absent;
  };
  for (const Case& c : {Case{true, platform::clBlack, platform::cl3DLight},
                        Case{false, platform::cl3DLight, platform::clBlack}}) {
    Open().SetEnabled(c.enabled);
    const Bitmap checked = Drawn(Open(), r, {odChecked});
    EXPECT_EQ(checked.Pixel(square.Left, square.Top), 0x808080u);
    EXPECT_EQ(checked.Pixel(square.Right - 1, square.Bottom - 1), platform::clWhite);
    EXPECT_EQ(checked.Pixel(inside.Left, inside.Top), Grey(247));
    EXPECT_GT(CountColor(checked, inside, c.mark), 0) << "enabled " << c.enabled;
    EXPECT_EQ(CountColor(checked, inside, c.absent), 0) << "enabled " << c.enabled;
    if (!c.enabled) continue;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left + 24; x < r.Right; ++x)
        ASSERT_EQ(checked.Pixel(x, y), unchecked.Pixel(x, y)) << "caption at " << x << "," << y;
  }
}

// The divider's outline runs from 3 + 3 + 4 = 10 to 123 - 7 = 116: grey along the top and the
// left, white along the bottom and the right. Its row beyond both ends of the line carries the
// face of the items round it, not what lay below the popup.
TEST_F(SkinMenusPaint, DividersAreAnEtchedLineAndCaptionItemsNothing) {
  painter.SetBorderWidth(3);
  const Bitmap divider = Drawn(*items[0], ItemRect(0));
  const TColor face = Drawn(Open(), ItemRect(1)).Pixel(9, 6);
  ASSERT_NE(face, Below);
  drawn.clear();  // Open's
  const std::pair<platform::TPoint, TColor> pixels[] = {
      {{3, 3}, face},
      {{9, 3}, face},
      {{10, 3}, 0x808080},
      {{114, 3}, 0x808080},
      {{115, 3}, platform::clWhite},
      {{10, 4}, platform::clWhite},
      {{115, 4}, platform::clWhite},
      {{116, 4}, face},
      {{122, 4}, face},
  };
  for (const auto& [at, color] : pixels)
    EXPECT_EQ(divider.Pixel(at.X, at.Y), color) << at.X << "," << at.Y;

  TMenuItem* title = AddItems(form, *popup->Items(), {"-Recent-"})[0];
  painter.PrepareItem(title, true);
  const Bitmap caption = Drawn(*title, ItemRect(1));
  EXPECT_EQ(CountColor(caption, caption.BoundsRect(), Below), 200 * 80);
  EXPECT_TRUE(drawn.empty()) << "OnDrawItem is for painted items";
}

// "MAINMENU" shows a picture whose row y is grey y. The popup is 2 + 3 x 24 = 74 high; an item
// sees it from where it lies among the items: Save from 2 + 24 = 26.
TEST_F(SkinMenusPaint, OnePopupBackgroundServesEveryItemSeenFromItsPlace) {
  sSkinManager::SkinSections()[0].ImagePercent = 100;
  AddSkinImage("MAINMENU", "IMAGEFILE", Rows(4, 128));
  struct Case {
    const char* what;
    int item;
    int rect;
    int row;  // of the picture at the item's top
  };
  const Case cases[] = {
      {"Open, below the divider", 1, 1, 2},
      {"Save", 2, 2, 26},
      {"Close", 3, 3, 50},
      {"Close with Save hidden takes Save's place", 3, 2, 26},
  };
  for (const Case& c : cases) {
    if (c.rect != c.item) items[2]->SetVisible(false);
    const TRect r = ItemRect(c.rect);
    const Bitmap b = Drawn(*items[c.item], r);
    EXPECT_EQ(b.Pixel(r.Left + 1, r.Top), Grey(c.row)) << c.what;
    EXPECT_EQ(b.Pixel(r.Left + 1, r.Bottom - 1), Grey(c.row + 23)) << c.what;
  }
  EXPECT_EQ(sSkinMenus::PopupBackgroundCount(), 1u) << "even with a divider on top";

  // 2000 items would make a picture of 48000 rows: past 32768 the item's own look shows.
  auto* tall = new TMenuItem(form);
  std::vector<std::string> captions(2000, "Item");
  TMenuItem* last = AddItems(form, *tall, captions).back();
  painter.HookItemTree(tall, true);
  const Bitmap b = Drawn(*last, ItemRect(1));
  EXPECT_EQ(b.Pixel(4, 6), ItemColor);
  EXPECT_EQ(sSkinMenus::PopupBackgroundCount(), 2u);
}

TEST_F(SkinMenusPaint, ASkinLoadedOrRemovedFlushesThePopupBackgrounds) {
  resources::RegisterEmbeddedResources();
  skintests::SkinClasses();  // the menu painter's factory, for the manager
  sSkinManager::TsSkinManager manager(nullptr);
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"loaded", [&] { skintests::LoadStoredSkin(manager); }},
      {"loaded again", [&] { manager.SetSkinName(manager.SkinName()); }},
      {"removed", [&] { manager.SetActive(false); }},
  };
  for (const auto& [what, change] : changes) {
    Drawn(Open(), ItemRect(1));
    ASSERT_EQ(sSkinMenus::PopupBackgroundCount(), 1u) << what;
    change();
    EXPECT_EQ(sSkinMenus::PopupBackgroundCount(), 0u) << what;
  }
}

// The bar item at (4, 23), 36 x 18 in window coordinates, over a strip whose row y is grey
// 100 + y, taken below the title band of 19 + 4.
TEST_F(SkinMenusPaint, BarItemsPaintOverTheFramesMenuBarStrip) {
  const TRect r{4, 23, 40, 41};
  const TRect caption{r.Left + 4, r.Top, r.Right - 4, r.Bottom};
  struct Case {
    const char* what;
    bool strip;
    TOwnerDrawState state;
    TColor background;  // one row into the item
    TColor text;
  };
  const Case cases[] = {
      {"normal: the strip through the see-through item", true, {}, Grey(101), BarText},
      {"hot-lit: the hot look", true, {odHotLight}, HotColor, HotBarText},
      {"selected: the hot look", true, {odSelected}, HotColor, HotBarText},
      {"no strip: the item's own look", false, {}, ItemColor, BarText},
  };
  for (const Case& c : cases) {
    frame.strip.Assign(nullptr);
    if (c.strip) {
      frame.strip.SetSize(300, 19);
      frame.strip.Data() = Rows(300, 19, 100);
    }
    drawn.clear();
    const Bitmap b = Drawn(*file, r, c.state);
    EXPECT_EQ(b.Pixel(r.Left + 1, r.Top + 1), c.background) << c.what;
    EXPECT_LE(Nearest(b, caption, c.text), TextNear) << c.what;
    ASSERT_EQ(drawn.size(), 1u) << c.what;
    EXPECT_EQ(drawn[0].type, sSkinMenus::smTopLine);
    EXPECT_EQ(drawn[0].rect, r);
  }

  auto* bare = app.CreateForm<framework::TForm>();
  auto* menu = new framework::TMainMenu(bare);
  TMenuItem* item = AddItems(bare, *menu->Items(), {"Help"})[0];
  painter.PrepareItem(item, true);
  drawn.clear();
  const Bitmap b = Drawn(*item, r);
  EXPECT_EQ(CountColor(b, b.BoundsRect(), Below), 200 * 80) << "a form without a frame painter";
  EXPECT_TRUE(drawn.empty());
}

TEST_F(SkinMenusPaint, ASkinWithoutMenuSectionsLeavesWhatLiesBelow) {
  sSkinManager::SkinSections() = {skintests::Section("TsEdit")};
  frame.strip.SetSize(300, 19);
  struct Case {
    const char* what;
    TMenuItem* item;
    TRect rect;
    const char* caption;
  };
  const Case cases[] = {
      {"popup item", items[1], ItemRect(1), "Open"},
      {"popup item without a caption", items[2], ItemRect(2), ""},
      {"bar item", file, {4, 23, 40, 41}, "File"},
  };
  for (const Case& c : cases) {
    c.item->SetCaption(c.caption);
    const Bitmap b = Drawn(*c.item, c.rect);
    EXPECT_EQ(b.Pixel(c.rect.Left + 2, c.rect.Top + 2), Below) << c.what;
    EXPECT_EQ(Nearest(b, c.rect, platform::clBlack) <= TextNear, *c.caption != 0)
        << c.what << ": text in the font's own colour";
  }
}

TEST_F(SkinMenusPaint, ImagesSitInTheGlyphColumnGreyWhenDisabled) {
  auto* images = new framework::TImageList(form);
  framework::TBitmap red;
  red.SetSize(16, 16);
  red.Data().Fill(platform::clRed);
  images->AddMasked(red, platform::clFuchsia);
  popup->SetImages(images);
  Open().SetImageIndex(0);
  const TRect r = ItemRect(1);
  for (const bool disabled : {false, true}) {
    const Bitmap b = Drawn(Open(), r, disabled ? TOwnerDrawState{odDisabled} : TOwnerDrawState{});
    // At x = y = (24 - 16) div 2 = 4 of the item.
    EXPECT_EQ(b.Pixel(r.Left + 4, r.Top + 4) == platform::clRed, !disabled);
    EXPECT_EQ(b.Pixel(r.Left + 3, r.Top + 3), PopupColor);
  }
}

// Texts of an item of width 120: the caption from 16 + 2 x 4 = 24 to 120, the shortcut ending
// at 120 - 8 = 112.
TEST_F(SkinMenusPaint, CaptionsFollowTheAlignmentAndShortcutsEndEightFromTheRight) {
  const TRect r{0, 0, 120, 24};
  struct Case {
    const char* what;
    framework::TAlignment alignment;
    const char* caption;
    bool shortcut;
    int firstFrom, firstTo, lastFrom, lastTo;  // ranges of the first and last inked columns
  };
  const Case cases[] = {
      {"left", framework::taLeftJustify, "Open", false, 24, 25, 45, 55},
      {"right", framework::taRightJustify, "Open", false, 88, 98, 118, 119},
      {"centre", framework::taCenter, "Open", false, 55, 61, 81, 87},
      // From 120 - 16 - 8 = 96 the shortcut's text would be cut; it is not.
      {"shortcut alone", framework::taLeftJustify, "", true, 70, 90, 110, 111},
  };
  for (const Case& c : cases) {
    painter.SetAlignment(c.alignment);
    Open().SetCaption(c.caption);
    Open().SetShortCut(c.shortcut ? framework::scCtrl | 'O' : 0);
    const auto [first, last] = Ink(Drawn(Open(), r), {20, 0, 120, 24}, PopupColor);
    EXPECT_GE(first, c.firstFrom) << c.what;
    EXPECT_LE(first, c.firstTo) << c.what;
    EXPECT_GE(last, c.lastFrom) << c.what;
    EXPECT_LE(last, c.lastTo) << c.what;
  }
}

}  // namespace
