#include <gtest/gtest.h>

#include <stdexcept>

#include "WindowTestSupport.h"
#include "platform/window/Input.h"
#include "platform/window/Menus.h"
#include "platform/window/Metrics.h"
#include "platform/window/Timers.h"

namespace platform {
namespace {

using testing::MakeTopLevel;
using testing::MessageLog;

MenuItemInfo OwnerDrawn(MenuItemInfo item) {
  item.OwnerDraw = true;
  return item;
}

using Ids = std::vector<std::uint32_t>;

struct Drawn {
  std::uint32_t Id;
  std::uint32_t State;
  TRect Rect;
  HWND Window;
};

// A window with an owner-drawn bar: File (Open, separator, Recent > (a, b), Exit disabled),
// Tabel (Reset), About (About).
class MenuTest : public ::testing::Test {
 protected:
  MenuTest() {
    bar = CreateMenu();
    file = CreatePopupMenu();
    recent = CreatePopupMenu();
    tabel = CreatePopupMenu();
    about = CreatePopupMenu();
    Add(recent, "&a.txt", 21);
    Add(recent, "&b.txt", 22);
    Add(file, "&Open\tCtrl+O", 11);
    AppendMenuItem(file, OwnerDrawn(SeparatorItem()));
    AppendMenuItem(file, OwnerDrawn(SubmenuItem("&Recent", recent)));
    MenuItemInfo exit = OwnerDrawn(CommandItem("E&xit", 13));
    exit.Enabled = false;
    AppendMenuItem(file, exit);
    Add(tabel, "&Reset", 31);
    Add(about, "&About", 41);
    AppendMenuItem(bar, OwnerDrawn(SubmenuItem("&File", file)));
    AppendMenuItem(bar, OwnerDrawn(SubmenuItem("&Tabel", tabel)));
    AppendMenuItem(bar, OwnerDrawn(SubmenuItem("&About", about)));
    h = MakeTopLevel(log.Proc([this](HWND, TMessage& m) { return OwnerDraw(m); }),
                     {100, 100, 500, 400});
    SetMenu(h, bar);
    ProcessMessages();
  }

  static void Add(HMENU menu, const char* text, std::uint32_t id) {
    AppendMenuItem(menu, OwnerDrawn(CommandItem(text, id)));
  }

  bool OwnerDraw(TMessage& m) {
    if (m.Msg == WM_MEASUREITEM) {
      auto* mis = reinterpret_cast<MeasureItemStruct*>(m.LParam);
      const bool barItem = mis->Menu == bar;
      mis->ItemWidth = barItem ? 50 : 80;
      mis->ItemHeight = GetMenuItemInfo(mis->Menu, mis->ItemIndex)->Separator ? 2 : 20;
      return true;
    }
    if (m.Msg == WM_DRAWITEM) {
      auto* dis = reinterpret_cast<DrawItemStruct*>(m.LParam);
      drawn.push_back({dis->ItemID, dis->ItemState, dis->ItemRect, dis->Window});
      dis->DC->GetBrush().Color = (dis->ItemState & ODS_SELECTED) != 0 ? clRed : clWhite;
      dis->DC->FillRect(dis->ItemRect);
      return true;
    }
    return false;
  }

  TPoint Centre(HMENU menu, int index) const {
    const TRect r = GetMenuItemRect(h, menu, index);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }

  // The latest drawing of an item with this id, or on this window.
  template <typename Field>
  const Drawn* LastDrawn(Field Drawn::*field, Field value) const {
    for (auto it = drawn.rbegin(); it != drawn.rend(); ++it)
      if ((*it).*field == value) return &*it;
    return nullptr;
  }
  const Drawn* LastDrawn(std::uint32_t id) const { return LastDrawn(&Drawn::Id, id); }

  Ids Commands() const {
    Ids ids;
    for (const auto& e : log.entries)
      if (e.Msg == WM_COMMAND) ids.push_back(static_cast<std::uint32_t>(e.WParam));
    return ids;
  }

  MessageLog log;
  std::vector<Drawn> drawn;
  HeadlessSession session;
  HMENU bar{}, file{}, recent{}, tabel{}, about{};
  HWND h{};
};

TEST_F(MenuTest, OwnerDrawnBarItemsAreMeasuredByTheOwnerAndLaidOutByTheRule) {
  const TPoint origin = WindowToScreen(h, {});
  EXPECT_EQ(GetMenuItemRect(h, bar, 0), TRect::FromBounds(4, 23, 62, 18).Offset(origin));
  EXPECT_EQ(GetMenuItemRect(h, bar, 1), TRect::FromBounds(66, 23, 62, 18).Offset(origin));
  EXPECT_EQ(GetClientRectInWindow(h).Top, 23 + 19);
  ASSERT_NE(LastDrawn(0), nullptr);  // bar items drawn with the frame, no state
  EXPECT_EQ(LastDrawn(0)->State, 0u);
  EXPECT_EQ(LastDrawn(0)->Window, h);

  // A narrow window wraps the third item to a second line and grows the bar.
  SetWindowBounds(h, {100, 100, 250, 400});
  EXPECT_EQ(GetMenuItemRect(h, bar, 2), TRect::FromBounds(4, 41, 62, 18).Offset(origin));
  EXPECT_EQ(GetClientRectInWindow(h).Top, 23 + 2 * 18 + 1);
}

TEST_F(MenuTest, HotTrackingDrawsTheBarItemUnderTheMouse) {
  drawn.clear();
  session.MoveMouse(Centre(bar, 1));
  ASSERT_NE(LastDrawn(0), nullptr);
  EXPECT_EQ(drawn.back().State & ODS_HOTLIGHT, ODS_HOTLIGHT);
  EXPECT_EQ(drawn.back().Rect, GetMenuItemRect(h, bar, 1).Offset(-100, -100));
  session.MoveMouse({300, 300});
  EXPECT_EQ(drawn.back().State & ODS_HOTLIGHT, 0u);
}

TEST_F(MenuTest, ClickingABarItemOpensItsPopupAndClickingAnItemChoosesIt) {
  log.Clear();
  session.Click(Centre(bar, 0));
  EXPECT_TRUE(IsMenuActive());
  EXPECT_EQ(log.Only({WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP}),
            (Ids{WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP}));
  EXPECT_EQ(log.Last(WM_INITMENUPOPUP)->WParam, static_cast<WPARAM>(file));
  EXPECT_NE(LastDrawn(&Drawn::Window, h)->State & ODS_SELECTED, 0u);  // the bar item, selected
  ASSERT_EQ(GetTopLevelWindows().size(), 2u);
  const HWND popup = GetTopLevelWindows().front();
  EXPECT_EQ(GetWindowRect(popup).TopLeft(), (TPoint{104, 123 + 18}));

  session.MoveMouse(Centre(file, 0));
  EXPECT_EQ(LOWORD(log.Last(WM_MENUSELECT)->WParam), 11);
  EXPECT_EQ(LastDrawn(11)->State & ODS_SELECTED, ODS_SELECTED);
  EXPECT_EQ(LastDrawn(11)->Window, popup);
  EXPECT_EQ(WindowSnapshot(popup).Pixel(LastDrawn(11)->Rect.Left + 1, LastDrawn(11)->Rect.Top + 1),
            clRed);

  session.Click(Centre(file, 0));
  EXPECT_FALSE(IsMenuActive());
  EXPECT_FALSE(IsWindow(popup));
  EXPECT_EQ(log.Count(WM_EXITMENULOOP), 1);
  ProcessMessages();
  EXPECT_EQ(Commands(), (Ids{11}));
}

TEST_F(MenuTest, TheMouseMovesBetweenBarItemsAndIntoSubmenus) {
  session.Click(Centre(bar, 0));
  session.MoveMouse(Centre(bar, 1));
  EXPECT_EQ(log.Last(WM_INITMENUPOPUP)->WParam, static_cast<WPARAM>(tabel));
  session.MoveMouse(Centre(bar, 0));
  session.MoveMouse(Centre(file, 2));
  EXPECT_EQ(log.Last(WM_INITMENUPOPUP)->WParam, static_cast<WPARAM>(recent));
  session.Click(Centre(recent, 1));
  ProcessMessages();
  EXPECT_EQ(Commands(), (Ids{22}));
}

TEST_F(MenuTest, DisabledItemsAndSeparatorsAreNotChosenAndAClickOutsideOrOnTheOpenItemCloses) {
  session.Click(Centre(bar, 1));
  session.Click(Centre(bar, 1));
  EXPECT_FALSE(IsMenuActive()) << "the open bar item clicked again";

  session.Click(Centre(bar, 0));
  session.Click(Centre(file, 3));  // Exit, disabled
  EXPECT_TRUE(IsMenuActive());
  EXPECT_EQ(LastDrawn(13)->State & (ODS_GRAYED | ODS_DISABLED), ODS_GRAYED | ODS_DISABLED);
  session.Click(Centre(file, 1));  // the separator
  EXPECT_TRUE(IsMenuActive());
  log.Clear();
  session.Click({450, 350});
  EXPECT_FALSE(IsMenuActive());
  EXPECT_EQ(log.Count(WM_LBUTTONDOWN), 0);  // the closing click is not passed on
  ProcessMessages();
  EXPECT_TRUE(Commands().empty());
}

TEST_F(MenuTest, AltEntersTheBarAndArrowsEnterAndEscapeLeave) {
  SetFocus(h);
  session.PressKey(VK_MENU);
  ASSERT_TRUE(IsMenuActive());
  EXPECT_EQ(GetTopLevelWindows().size(), 1u);  // the bar item only, no popup yet
  EXPECT_NE(LastDrawn(0)->State & ODS_SELECTED, 0u);
  session.PressKey(VK_RIGHT);
  EXPECT_NE(drawn.back().State & ODS_SELECTED, 0u);
  EXPECT_EQ(drawn.back().Rect, GetMenuItemRect(h, bar, 1).Offset(-100, -100));
  session.PressKey(VK_DOWN);
  EXPECT_EQ(log.Last(WM_INITMENUPOPUP)->WParam, static_cast<WPARAM>(tabel));
  EXPECT_EQ(LastDrawn(31)->State & ODS_SELECTED, ODS_SELECTED);
  session.PressKey(VK_ESCAPE);
  EXPECT_TRUE(IsMenuActive());
  EXPECT_EQ(GetTopLevelWindows().size(), 1u);
  session.PressKey(VK_ESCAPE);
  EXPECT_FALSE(IsMenuActive());
  EXPECT_EQ(log.Count(WM_KEYDOWN), 0);  // the menu took every key
}

TEST_F(MenuTest, F10ThenArrowsAndEnterChooseAnItemAcrossASubmenu) {
  SetFocus(h);
  session.PressKey(VK_F10);
  session.PressKey(VK_DOWN);                              // File opens with Open selected
  session.PressKey(VK_DOWN);                              // the separator is skipped: Recent
  EXPECT_EQ(LOWORD(log.Last(WM_MENUSELECT)->WParam), 2);  // a submenu is named by position
  EXPECT_EQ(HIWORD(log.Last(WM_MENUSELECT)->WParam) & MF_POPUP, static_cast<int>(MF_POPUP));
  session.PressKey(VK_RIGHT);  // into Recent, a.txt selected
  session.PressKey(VK_DOWN);
  session.PressKey(VK_LEFT);  // back out of Recent
  EXPECT_EQ(log.Last(WM_UNINITMENUPOPUP)->WParam, static_cast<WPARAM>(recent));
  session.PressKey(VK_RIGHT);
  session.PressKey(VK_UP);  // wraps to b.txt
  session.PressKey(VK_RETURN);
  ProcessMessages();
  EXPECT_EQ(Commands(), (Ids{22}));
}

TEST_F(MenuTest, AltLetterOpensByMnemonicAndLettersChooseInsideThePopup) {
  SetFocus(h);
  InputKey(VK_MENU, true);
  InputKey('T', true);
  InputKey('T', false);
  InputKey(VK_MENU, false);
  ASSERT_TRUE(IsMenuActive());
  EXPECT_EQ(log.Last(WM_INITMENUPOPUP)->WParam, static_cast<WPARAM>(tabel));
  session.PressKey('R');
  EXPECT_FALSE(IsMenuActive());
  ProcessMessages();
  EXPECT_EQ(Commands(), (Ids{31}));
}

TEST_F(MenuTest, PlainItemsArePaintedByThePlatform) {
  const HMENU popup = CreatePopupMenu();
  AppendMenuItem(popup, CommandItem("&First", 1));
  MenuItemInfo second = CommandItem("&Second\tCtrl+S", 2);
  second.Checked = true;
  AppendMenuItem(popup, second);
  HWND shown{};
  session.Backend().ScheduleStep([&] {
    shown = GetTopLevelWindows().front();
    session.MoveMouse(Centre(popup, 1));
    const TRect item = GetMenuItemRect(h, popup, 1);
    const TRect window = GetWindowRect(shown);
    EXPECT_EQ(WindowSnapshot(shown).Pixel(item.Right - window.Left - 2, item.Top - window.Top + 1),
              ColorToRGB(clHighlight));
    EXPECT_EQ(WindowSnapshot(shown).Pixel(1, 1), ColorToRGB(clBtnHighlight));
    session.PressKey(VK_RETURN);
  });
  EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, {200, 200}, h), 2u);
  EXPECT_FALSE(IsWindow(shown));
  DestroyMenu(popup);
}

TEST_F(MenuTest, AModalPopupReturnsTheChosenItemAndKeepsTimersRunning) {
  SetTimer(h, 5, 100);
  session.Backend().ScheduleStep([&] { session.Backend().AdvanceClock(150); });
  session.Backend().ScheduleStep([&] {
    EXPECT_EQ(log.Count(WM_TIMER), 1);
    session.Click(Centre(tabel, 0));
  });
  log.Clear();
  EXPECT_EQ(TrackPopupMenu(tabel, 0, {300, 300}, h), 31u);
  EXPECT_EQ(log.Only({WM_ENTERMENULOOP, WM_EXITMENULOOP}),
            (Ids{WM_ENTERMENULOOP, WM_EXITMENULOOP}));
  EXPECT_EQ(log.Last(WM_ENTERMENULOOP)->WParam, 1u);
  ProcessMessages();
  EXPECT_EQ(Commands(), (Ids{31}));
}

TEST_F(MenuTest, AModalPopupCancelledOrInterruptedAnswersZero) {
  session.Backend().ScheduleStep([&] { session.PressKey(VK_ESCAPE); });
  EXPECT_EQ(TrackPopupMenu(tabel, TPM_RETURNCMD, {300, 300}, h), 0u);
  session.Backend().ScheduleStep([&] { PostQuitMessage(4); });
  EXPECT_EQ(TrackPopupMenu(tabel, TPM_RETURNCMD, {300, 300}, h), 0u);
  EXPECT_TRUE(QuitPending());
  EXPECT_EQ(GetTopLevelWindows().size(), 1u);
}

TEST_F(MenuTest, DestroyingTheOwnerOfAnOpenMenuEndsItSafely) {
  session.Backend().ScheduleStep([&] { DestroyWindow(h); });
  EXPECT_EQ(TrackPopupMenu(tabel, TPM_RETURNCMD, {300, 300}, h), 0u);
  EXPECT_TRUE(GetTopLevelWindows().empty());
  EXPECT_EQ(TrackPopupMenu(tabel, TPM_RETURNCMD, {300, 300}, h), 0u);
}

TEST_F(MenuTest, AHandlerFailingInsideAModalPopupClosesIt) {
  session.Backend().ScheduleStep([] { throw std::runtime_error("handler failed"); });
  EXPECT_THROW(TrackPopupMenu(tabel, TPM_RETURNCMD, {300, 300}, h), std::runtime_error);
  EXPECT_FALSE(IsMenuActive());
  EXPECT_EQ(GetTopLevelWindows().size(), 1u);
}

TEST_F(MenuTest, PopupsStayOnTheWorkArea) {
  session.Backend().ScheduleStep([&] {
    const TRect r = GetWindowRect(GetTopLevelWindows().front());
    EXPECT_LE(r.Right, 1280);
    EXPECT_LE(r.Bottom, 1024);
    session.PressKey(VK_ESCAPE);
  });
  TrackPopupMenu(file, TPM_RETURNCMD, {1270, 1020}, h);
}

TEST_F(MenuTest, MenusRefuseCyclesAndDestroyingDetachesFromTheWindow) {
  EXPECT_FALSE(AppendMenuItem(recent, SubmenuItem("loop", file)));
  EXPECT_FALSE(AppendMenuItem(file, SubmenuItem("self", file)));
  EXPECT_FALSE(SetMenuItemInfo(file, 99, CommandItem("x", 1)));
  EXPECT_EQ(FindMenuItem(file, 13), 3);
  DestroyMenu(bar);
  EXPECT_FALSE(IsMenu(file));
  EXPECT_FALSE(IsMenu(recent));
  EXPECT_EQ(GetMenu(h), NullMenu);
  EXPECT_EQ(GetClientRectInWindow(h).Top, 23);
}

TEST(MenuTextTest, CaptionMnemonicAndShortcutComeFromTheText) {
  EXPECT_EQ(MenuItemCaption("&Open\tCtrl+O"), "Open");
  EXPECT_EQ(MenuItemCaption("Save && &Close"), "Save & Close");
  EXPECT_EQ(MenuItemMnemonic("Save && &Close"), U'c');
  EXPECT_EQ(MenuItemMnemonic("Plain"), 0u);
  EXPECT_EQ(MenuItemShortcut("&Open\tCtrl+O"), "Ctrl+O");
  EXPECT_EQ(MenuItemShortcut("&Open"), "");
}

}  // namespace
}  // namespace platform
