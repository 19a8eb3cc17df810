// The main window's menus painted by the skin's menu painter: the drop-downs take its handlers
// as they are measured and paint from the stored skin, and the keyboard still drives them.
#include "platform/window/Menus.h"
#include "platform/window/Windows.h"
#include "skinengine/controls/sSkinMenus.h"
#include "skinengine/skin/sSkinManager.h"
#include "tests/app/MainWindowSupport.h"
#include "tests/skinengine/controls/MenuTestSupport.h"

namespace Bezier::testing {
namespace {

using platform::TColor;
using platform::TRect;

// The stored skin's "MAINMENU" is white; "MENUITEM" lets it through with text 0x533924, and
// its hot look is a gradient starting white with text 0xFFFFDD.
constexpr TColor PopupWhite = 0xFFFFFF;
constexpr TColor ItemText = 0x533924;
constexpr TColor HotItemText = 0xFFFFDD;

// The window with a frame painter whose menu-bar strip is "MENULINE", and every menu taken
// over by the manager's painter, as a skinned frame does it.
class MainWindowMenus : public MainWindow {
 protected:
  MainWindowMenus() : frame(*form, form->sSkinManager1->SkinableMenus()) {
    frame.PaintStrip(form->Width());
    form->sSkinManager1->SkinableMenus()->SkinAll(true);
    platform::DrawMenuBar(form->Handle());
  }

  platform::HMENU Bar() const { return platform::GetMenu(form->Handle()); }
  // An item's rectangle in screen coordinates: of the bar, or of an open drop-down.
  TRect ItemRect(platform::HMENU menu, int index) const {
    return platform::GetMenuItemRect(form->Handle(), menu, index);
  }
  // What the screen shows of an open drop-down item, in its own coordinates.
  platform::Bitmap Shown(platform::HMENU menu, int index) const {
    const TRect r = ItemRect(menu, index);
    const platform::HWND popup = platform::WindowFromPoint(ItemCentre(menu, index));
    platform::Bitmap shot = platform::WindowSnapshot(popup);
    const platform::TPoint at = platform::ScreenToClient(popup, r.TopLeft());
    platform::Bitmap item(r.Width(), r.Height());
    platform::Canvas(item).CopyRect(item.BoundsRect(), platform::Canvas(shot),
                                    TRect::FromBounds(at.X, at.Y, r.Width(), r.Height()));
    return item;
  }

  menutests::TTestFrame frame;
};

TEST_F(MainWindowMenus, DropDownsTakeThePaintersHandlersAndPaintFromTheStoredSkin) {
  ASSERT_FALSE(form->Open->OnAdvancedDrawItem) << "not before the drop-down is measured";
  session.Click(ItemCentre(Bar(), 0));
  ASSERT_TRUE(platform::IsMenuActive());
  const platform::HMENU file = DropDown(0);
  for (framework::TMenuItem* item : {form->Open, form->Save1, form->Tutup1})
    EXPECT_TRUE(item->OnAdvancedDrawItem && item->OnMeasureItem) << item->Caption();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ItemRect(file, i).Height(), 24) << "item " << i;

  const platform::Bitmap open = Shown(file, 0);
  EXPECT_EQ(open.Pixel(2, 2), PopupWhite);
  EXPECT_LE(menutests::Nearest(open, {24, 0, open.Width(), 24}, ItemText), menutests::TextNear);

  session.MoveMouse(ItemCentre(file, 1));
  const platform::Bitmap save = Shown(file, 1);
  EXPECT_NE(save.Pixel(2, 12), PopupWhite) << "the hot gradient";
  EXPECT_LE(menutests::Nearest(save, {24, 0, save.Width(), 24}, HotItemText), menutests::TextNear);

  session.PressKey(platform::VK_ESCAPE);
  session.PressKey(platform::VK_ESCAPE);
  EXPECT_FALSE(platform::IsMenuActive());

  // Under the mouse a bar item lights up: the hot gradient, white on top, over the strip.
  const TRect tabel = ItemRect(Bar(), 1);
  const platform::TPoint origin = platform::GetWindowRect(form->Handle()).TopLeft();
  const auto top = [&] {
    return Snapshot(*form).Pixel(tabel.Left + 2 - origin.X, tabel.Top - origin.Y);
  };
  EXPECT_NE(top(), PopupWhite);
  session.MoveMouse(ItemCentre(Bar(), 1));
  EXPECT_EQ(top(), PopupWhite);
}

TEST_F(MainWindowMenus, TheKeyboardStillDrivesTheSkinnedMenus) {
  form->EdM->SetText("5");
  session.PressKey(platform::VK_MENU);
  session.PressKey(platform::VK_DOWN);
  ASSERT_TRUE(platform::IsMenuActive());
  EXPECT_NE(Shown(DropDown(0), 0).Pixel(2, 12), PopupWhite) << "Open selected, hot";
  session.PressKey(platform::VK_ESCAPE);
  session.PressKey(platform::VK_RIGHT);
  session.PressKey(platform::VK_DOWN);
  EXPECT_EQ(Shown(DropDown(1), 0).Height(), 24) << "Tabel's Reset, measured by the painter";
  session.PressKey(platform::VK_RETURN);
  app.ProcessMessages();
  EXPECT_FALSE(platform::IsMenuActive());
  EXPECT_EQ(form->EdM->Text(), "") << "Reset ran";

  session.PressKey(platform::VK_MENU);
  session.PressKey(platform::VK_ESCAPE);
  EXPECT_FALSE(platform::IsMenuActive());
}

// Three hundred items, a third of them without a caption and a third caption items, in one
// drop-down after File's own four: 100 x 24 + 100 x (16 + 8) + 104 x 24 pixels of items.
TEST_F(MainWindowMenus, AHugeDropDownOpensAndPaints) {
  const char* const captions[] = {"Item", "", "-Group-"};
  for (int i = 0; i < 300; ++i) {
    auto* item = new framework::TMenuItem(form);
    item->SetCaption(captions[i % 3]);
    form->File1->Add(item);
  }
  // By the keyboard: the popup, taller than the screen, opens over the bar.
  session.PressKey(platform::VK_MENU);
  session.PressKey(platform::VK_DOWN);
  ASSERT_TRUE(platform::IsMenuActive());
  const platform::HMENU file = DropDown(0);
  EXPECT_EQ(ItemRect(file, 303).Bottom - ItemRect(file, 0).Top, 304 * 24);
  EXPECT_EQ(Shown(file, 301).Pixel(2, 2), PopupWhite);
  session.PressKey(platform::VK_ESCAPE);
  session.PressKey(platform::VK_ESCAPE);
}

}  // namespace
}  // namespace Bezier::testing
