#include <gtest/gtest.h>

#include <string>

#include "framework/controls/ListBox.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "tests/framework/ControlTestSupport.h"

namespace framework {
namespace {

using testing::FormFixture;

class ListBoxFixture : public ::testing::Test, public FormFixture {
 protected:
  void SetUp() override {
    list = Add<TListBox>(form, 10, 10, 100, 0);
    // Four rows inside the sunken two-pixel edge.
    list->SetHeight(list->ItemHeight() * 4 + 4);
    for (int i = 0; i < 10; ++i) list->Items()->Add("line " + std::to_string(i));
  }

  platform::TRect Bar() const { return list->VerticalScrollBar()->Bounds(); }
  platform::TPoint DownArrow() const {
    return list->ClientToScreen({Bar().Left + 8, Bar().Bottom - 2});
  }
  // Pixels of the rows, left of the scroll bar, that are not the list's background.
  int InkedPixels() {
    platform::UpdateWindow(form->Handle());
    platform::UpdateWindow(list->Handle());
    const platform::Bitmap shot = platform::WindowSnapshot(list->Handle());
    // The snapshot covers the whole window, the edge included.
    const platform::TPoint origin =
        list->ClientOrigin() - form->ClientToScreen(list->BoundsRect().TopLeft());
    int inked = 0;
    for (int y = 0; y < list->ClientHeight(); ++y)
      for (int x = 0; x < list->ClientWidth() - 16; ++x)
        if (shot.Pixel(origin.X + x, origin.Y + y) != platform::ColorToRGB(platform::clWindow))
          ++inked;
    return inked;
  }

  TListBox* list = nullptr;
};

TEST_F(ListBoxFixture, KeysMoveTheSelectionAndScrollItIntoView) {
  ASSERT_EQ(list->VisibleRows(), 4);
  list->SetFocus();
  session.PressKey(platform::VK_DOWN);
  EXPECT_EQ(list->ItemIndex(), 0);
  session.PressKey(platform::VK_END);
  EXPECT_EQ(list->ItemIndex(), 9);
  EXPECT_EQ(list->TopIndex(), 6);
  session.PressKey(platform::VK_PRIOR);
  EXPECT_EQ(list->ItemIndex(), 5);
  EXPECT_EQ(list->TopIndex(), 5);
  session.PressKey(platform::VK_HOME);
  session.PressKey(platform::VK_UP);
  EXPECT_EQ(list->ItemIndex(), 0) << "stops at the first row";
  EXPECT_EQ(list->TopIndex(), 0);
}

TEST_F(ListBoxFixture, ClickSelectsTheRowUnderThePointer) {
  list->SetTopIndex(3);
  session.Click(list->ClientToScreen({5, list->ItemHeight() * 2 + 1}));
  EXPECT_EQ(list->ItemIndex(), 5);
  list->Items()->Clear();
  list->Items()->Add("only");
  session.Click(list->ClientToScreen({5, list->ItemHeight() * 2 + 1}));
  EXPECT_EQ(list->ItemIndex(), -1) << "a stale index counts as none";
  EXPECT_EQ(list->TopIndex(), 0);
  EXPECT_EQ(list->ItemAtPos({5, 1}), 0);
}

TEST_F(ListBoxFixture, IndexesOutsideTheItemsSelectNothing) {
  for (const int outside : {42, 10, -7}) {  // 10: one past the last of ten
    list->SetItemIndex(outside);
    EXPECT_EQ(list->ItemIndex(), -1) << outside;
  }
  list->SetTopIndex(100);
  EXPECT_EQ(list->TopIndex(), 6);
  list->Hide();
  list->SetItemIndex(2);
  EXPECT_EQ(list->ItemIndex(), 2) << "a hidden list still keeps its data";
}

TEST_F(ListBoxFixture, AScrollBarShowsWhileTheItemsDoNotFit) {
  EXPECT_EQ(list->ClientWidth(), 96) << "inside the sunken edge";
  ASSERT_TRUE(list->VerticalScrollBar());
  EXPECT_EQ(Bar(), (platform::TRect{80, 0, 96, list->ItemHeight() * 4}));
  EXPECT_EQ(list->ItemAtPos({Bar().Left + 1, 1}), -1) << "the bar holds no row";
  session.Click(DownArrow());
  EXPECT_EQ(list->TopIndex(), 1);
  EXPECT_EQ(list->ItemIndex(), -1) << "a press on the bar selects nothing";
  while (list->Items()->Count() > 4) list->Items()->Delete(0);
  EXPECT_FALSE(list->VerticalScrollBar());
  EXPECT_EQ(list->TopIndex(), 0);
}

TEST_F(ListBoxFixture, ChangingTheItemsRepaintsTheList) {
  EXPECT_GT(InkedPixels(), 0);
  list->Items()->Clear();
  EXPECT_EQ(InkedPixels(), 0) << "no bar and no text left";
  list->Items()->Add("back");
  EXPECT_GT(InkedPixels(), 0);
}

TEST_F(ListBoxFixture, TheWheelScrollsThreeRowsANotchAndKeepsTheSelection) {
  list->SetFocus();
  platform::InputMouseWheel(Centre(*list), -platform::WHEEL_DELTA);
  EXPECT_EQ(list->TopIndex(), 3);
  platform::InputMouseWheel(Centre(*list), -2 * platform::WHEEL_DELTA);
  EXPECT_EQ(list->TopIndex(), 6) << "the last row stays at the bottom";
  platform::InputMouseWheel(Centre(*list), platform::WHEEL_DELTA);
  EXPECT_EQ(list->TopIndex(), 3);
  EXPECT_EQ(list->ItemIndex(), -1);
  for (int i = 0; i < 4; ++i) platform::InputMouseWheel(Centre(*list), platform::WHEEL_DELTA / 8);
  EXPECT_EQ(list->TopIndex(), 2) << "fine steps add up to a line";
}

TEST_F(ListBoxFixture, AHeldArrowRepeatsWhileThePointerStaysOnIt) {
  session.Press(DownArrow());
  EXPECT_EQ(list->TopIndex(), 1);
  session.Advance(TListBox::RepeatDelayMs - 1);
  EXPECT_EQ(list->TopIndex(), 1) << "a pause before the first repeat";
  session.Advance(1);
  EXPECT_EQ(list->TopIndex(), 2);
  session.Advance(TListBox::RepeatIntervalMs);
  EXPECT_EQ(list->TopIndex(), 3);
  session.MoveMouse(list->ClientToScreen({5, 5}));
  session.Advance(10 * TListBox::RepeatIntervalMs);
  EXPECT_EQ(list->TopIndex(), 3) << "off the arrow it waits";
  session.MoveMouse(DownArrow());
  session.Advance(TListBox::RepeatIntervalMs);
  EXPECT_EQ(list->TopIndex(), 4);
  session.Release(DownArrow());
  session.Advance(10 * TListBox::RepeatIntervalMs);
  EXPECT_EQ(list->TopIndex(), 4) << "released";
}

}  // namespace
}  // namespace framework
