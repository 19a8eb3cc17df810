// The drop-down part of a speed button: its menu below the button, one menu at a time, and
// presses beside the arrow.
#include <gtest/gtest.h>

#include "framework/forms/Menus.h"
#include "platform/window/Input.h"
#include "platform/window/Menus.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Windows.h"
#include "skinengine/controls/sCustomButton.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"

namespace {

using framework::TObject;
using platform::TPoint;
using sCustomButton::TsSpeedButton;

class Dropdown : public ::testing::Test, public skintests::FormFixture {
 protected:
  TsSpeedButton* AddDropdown(int top) {
    auto* b = Add<TsSpeedButton>(form, 10, top, 84, 22);
    b->SetButtonStyle(sStyleSimply::tbsDropDown);
    auto* menu = new framework::TPopupMenu(form);
    auto* item = new framework::TMenuItem(form);
    item->SetCaption("Reset");
    menu->Items()->Add(item);
    b->SetDropdownMenu(menu);
    b->OnClick = [this](TObject*) { ++clicks; };
    return b;
  }
  // The arrow zone is BevelWidth x 2 + 16 = 20 wide at the right.
  static TPoint Arrow(const TsSpeedButton& b) { return b.ClientToScreen({b.Width() - 10, 11}); }

  int clicks = 0;
};

TEST_F(Dropdown, TheArrowOpensTheMenuBelowTheButtonAndClicksNothing) {
  TsSpeedButton* b = AddDropdown(10);
  EXPECT_EQ(b->ArrowWidth(), 20);
  TPoint shownAt;
  bool openWhileShown = false;
  session.Backend().ScheduleStep([&] {
    shownAt = platform::GetWindowRect(platform::GetTopLevelWindows().front()).TopLeft();
    openWhileShown = b->DropdownOpen();
    session.MoveMouse(form->ClientToScreen({300, 250}));
    session.PressKey(platform::VK_ESCAPE);
  });
  session.Click(Arrow(*b));
  EXPECT_EQ(shownAt, b->ClientToScreen({0, 23})) << "client (0, H + 1)";
  EXPECT_TRUE(openWhileShown);
  EXPECT_FALSE(b->DropdownOpen());
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(b->sStyle()->MouseInside()) << "the pointer left while the menu held the mouse";
  EXPECT_EQ(platform::GetCapture(), platform::NullWindow);

  session.Click(b->ClientToScreen({10, 11}));
  EXPECT_EQ(clicks, 1) << "beside the arrow it is a plain button";
}

TEST_F(Dropdown, OnlyOneMenuOpensAtATime) {
  TsSpeedButton* first = AddDropdown(10);
  TsSpeedButton* second = AddDropdown(50);
  bool secondOpened = false;
  session.Backend().ScheduleStep([&] {
    const TPoint at = second->ScreenToClient(Arrow(*second));
    second->Perform(platform::WM_LBUTTONDOWN, platform::MK_LBUTTON, platform::PointParam(at));
  });
  session.Backend().ScheduleStep([&] {
    // A nested menu would be running this step.
    secondOpened = second->DropdownOpen();
    platform::EndMenu();
  });
  session.Click(Arrow(*first));
  EXPECT_FALSE(secondOpened);
  EXPECT_FALSE(first->DropdownOpen());
}

}  // namespace
