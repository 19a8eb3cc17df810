// The main window by the keyboard and right after a message box: Tab reaches every control
// that takes the focus, Alt never types, and a box leaves the mouse as it was.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "framework/forms/HintWindow.h"
#include "tests/app/MainWindowSupport.h"

namespace Bezier::testing {
namespace {

using MessageList = std::vector<std::pair<std::string, std::string>>;

class MainWindowKeys : public MainWindow {
 protected:
  void PressWith(std::uint32_t modifier, std::uint32_t key, const char* text = "") {
    platform::InputKey(modifier, true);
    platform::InputKey(key, true);
    session.TypeText(text);
    platform::InputKey(key, false);
    platform::InputKey(modifier, false);
  }
  framework::TWinControl* Focused() {
    for (framework::TWinControl* c : std::initializer_list<framework::TWinControl*>{
             form->EdM, form->EdN, form->SGInput, form->CheckBox})
      if (c->Focused()) return c;
    return nullptr;
  }
};

// Tab order: the m field (in the group box of order 0), the n field (order 1), the table (2),
// the check box (4); the panel (3) holds nothing that takes the focus.
TEST_F(MainWindowKeys, TabAndShiftTabCycleThroughEveryControlThatTakesTheFocus) {
  SizeTable(3, 4);
  Click(*form->EdM);
  const std::vector<framework::TWinControl*> forward = {form->EdN, form->SGInput, form->CheckBox,
                                                        form->EdM};
  for (framework::TWinControl* expected : forward) {
    session.PressKey(platform::VK_TAB);
    EXPECT_EQ(Focused(), expected) << expected->Name();
  }
  const std::vector<framework::TWinControl*> backward = {form->CheckBox, form->SGInput, form->EdN,
                                                         form->EdM, form->CheckBox};
  for (framework::TWinControl* expected : backward) {
    PressWith(platform::VK_SHIFT, platform::VK_TAB);
    EXPECT_EQ(Focused(), expected) << expected->Name();
  }
  ASSERT_EQ(Focused(), form->CheckBox);
  session.PressKey(platform::VK_SPACE);
  EXPECT_FALSE(form->CheckBox->Checked());
  session.PressKey(platform::VK_SPACE);
  EXPECT_TRUE(form->CheckBox->Checked());
  EXPECT_TRUE(Messages().empty());
}

// The menu captions carry no access keys, so Alt+F, Alt+Q and Alt+4 answer nothing; none of
// them types into the focused m field.
TEST_F(MainWindowKeys, AltWithALetterNeverTypes) {
  Click(*form->EdM);
  session.TypeText("3");
  const std::pair<char, const char*> keys[] = {{'F', "f"}, {'Q', "q"}, {'4', "4"}};
  for (const auto& [key, text] : keys) {
    PressWith(platform::VK_MENU, static_cast<std::uint32_t>(key), text);
    EXPECT_FALSE(platform::IsMenuActive()) << text;
    EXPECT_EQ(form->EdM->Text(), "3") << text;
  }
  session.PressKey(platform::VK_TAB);
  EXPECT_TRUE(Messages().empty()) << "m = 3 passes its check";
}

// m = 4, n = 40; the press on the m field leaves n, whose range box takes the release. The
// next click on "Nilai (M x N)" sizes the table, and no hint of a field shows far from it.
TEST_F(MainWindowKeys, AClickAfterAMessageBoxGoesWhereItPoints) {
  EnterCount(*form->EdM, "4");
  Click(*form->EdN);
  session.TypeText("40");
  session.Press(Centre(*form->EdM));  // its release goes to the box
  ASSERT_EQ(Messages(), (MessageList{{"Error", "Nilai Maksimal N < 10"}}));
  ASSERT_TRUE(form->EdN->Focused());
  session.TypeText("4");

  session.MoveMouse(form->Panel->ClientToScreen({200, 200}));
  session.Advance(app.HintPause() + 100);
  EXPECT_FALSE(app.HintWindow() && app.HintWindow()->Visible()) << app.HintWindow()->Text();

  Click(*form->BtMxN);
  EXPECT_EQ(form->SGInput->RowCount(), 4 * 4 + 1);
  EXPECT_TRUE(form->EdN->Focused());
}

}  // namespace
}  // namespace Bezier::testing
