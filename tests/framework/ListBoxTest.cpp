#include <gtest/gtest.h>

#include <string>

#include "framework/controls/ListBox.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "tests/framework/ControlTestSupport.h"

namespace framework {
namespace {

using testing::FormFixture;

class ListBoxFixture : public ::testing::Test, public FormFixture {
 protected:
  void SetUp() override {
    list = Add<TListBox>(form, 10, 10, 100, 0);
    list->SetHeight(list->ItemHeight() * 4);
    for (int i = 0; i < 10; ++i) list->Items()->Add("line " + std::to_string(i));
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
  list->SetItemIndex(42);
  EXPECT_EQ(list->ItemIndex(), -1);
  list->SetItemIndex(-7);
  EXPECT_EQ(list->ItemIndex(), -1);
  list->SetTopIndex(100);
  EXPECT_EQ(list->TopIndex(), 6);
  list->Hide();
  list->SetItemIndex(2);
  EXPECT_EQ(list->ItemIndex(), 2) << "a hidden list still keeps its data";
}

}  // namespace
}  // namespace framework
