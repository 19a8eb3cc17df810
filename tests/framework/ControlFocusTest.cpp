#include <gtest/gtest.h>

#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "tests/framework/ControlTestSupport.h"

namespace framework {
namespace {

using testing::FormFixture;
using testing::Log;
using testing::TProbeButton;
using testing::TProbeEdit;
using testing::TProbePanel;

class ControlFocus : public ::testing::Test, public FormFixture {
 protected:
  void SetUp() override {
    first = Add<TProbeEdit>(form, 10, 10);
    panel = Add<TProbePanel>(form, 10, 40, 200, 100);
    inner = Add<TProbeEdit>(panel, 10, 10);
    second = Add<TProbeEdit>(form, 10, 150);
    button = Add<TProbeButton>(form, 100, 10);
    for (TProbeEdit* edit : {first, inner, second}) {
      edit->OnEnter = [this, edit](TObject*) { log.push_back("enter " + Label(edit)); };
      edit->OnExit = [this, edit](TObject*) { log.push_back("exit " + Label(edit)); };
    }
  }

  std::string Label(const TControl* c) const {
    return c == first ? "first" : c == inner ? "inner" : c == second ? "second" : "?";
  }

  TProbeEdit* first = nullptr;
  TProbePanel* panel = nullptr;
  TProbeEdit* inner = nullptr;
  TProbeEdit* second = nullptr;
  TProbeButton* button = nullptr;
  Log log;
};

TEST_F(ControlFocus, ClicksOnControlsThatNeverTakeTheFocusLeaveItWhereItWas) {
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  Click(*second);
  ASSERT_TRUE(second->Focused());
  log.clear();

  Click(*button);
  Click(*panel);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(form->ActiveControl(), second);
  EXPECT_TRUE(log.empty()) << "no exit check may run: " << log.front();
}

TEST_F(ControlFocus, TabAndShiftTabFollowTheTabOrderDepthFirstAndWrap) {
  second->SetTabOrder(0);  // now: second, first, panel (inner)
  first->SetFocus();
  session.PressKey(platform::VK_TAB);
  EXPECT_TRUE(inner->Focused());
  session.PressKey(platform::VK_TAB);
  EXPECT_TRUE(second->Focused()) << "wraps to the start";

  platform::InputKey(platform::VK_SHIFT, true);
  session.PressKey(platform::VK_TAB);
  EXPECT_TRUE(inner->Focused());
  session.PressKey(platform::VK_TAB);
  EXPECT_TRUE(first->Focused());
  platform::InputKey(platform::VK_SHIFT, false);
}

TEST_F(ControlFocus, TabSkipsControlsThatCannotTakeTheFocusAndEatsTheTabCharacter) {
  panel->SetVisible(false);
  second->SetEnabled(false);
  TProbeEdit* last = Add<TProbeEdit>(form, 10, 200);
  last->SetTabStop(false);
  first->SetFocus();
  session.PressKey(platform::VK_TAB);
  EXPECT_TRUE(first->Focused()) << "nothing else can take it";
  EXPECT_EQ(first->Typed, "");
  session.TypeText("a");
  EXPECT_EQ(first->Typed, "a");
}

TEST_F(ControlFocus, ExitRunsBeforeEnterAndAnExitHandlerMayKeepTheFocus) {
  first->SetFocus();
  second->SetFocus();
  EXPECT_EQ(log, (Log{"enter first", "exit first", "enter second"}));

  // The exit check of a field that rejects its value and takes the focus back.
  log.clear();
  second->OnExit = [&](TObject*) {
    log.push_back("exit second");
    second->SetFocus();
  };
  Click(*inner);
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(log, (Log{"exit second"})) << "inner is neither entered nor exited";
  first->SetFocus();
  EXPECT_EQ(log.back(), "exit second");
}

TEST_F(ControlFocus, TheActiveControlGetsTheFocusWhenTheFormIsActivated) {
  form->Hide();
  form->SetActiveControl(second);
  EXPECT_FALSE(second->Focused());
  form->ShowForm();
  EXPECT_TRUE(second->Focused());
  EXPECT_THROW(form->SetActiveControl(form), EInvalidOperation);

  platform::SetFocus(form->Handle());  // the form itself: no control is active
  EXPECT_EQ(form->ActiveControl(), nullptr);
  EXPECT_EQ(log.back(), "exit second");
}

TEST_F(ControlFocus, FreeingTheFocusedControlClearsTheActiveControl) {
  inner->SetFocus();
  delete panel;  // frees nothing it does not own, but takes inner off the form
  EXPECT_EQ(form->ActiveControl(), nullptr);
  EXPECT_EQ(inner->Parent(), nullptr);
  session.PressKey(platform::VK_TAB);
  EXPECT_TRUE(first->Focused());
}

TEST_F(ControlFocus, KeyPressCanSwallowACharacterAndKeyDownAKey) {
  first->OnKeyPress = [](TObject*, char& key) {
    if (key == 'x') key = 0;
    if (key == 'a') key = 'A';
  };
  std::vector<std::uint16_t> downs;
  first->OnKeyDown = [&](TObject*, std::uint16_t& key, TShiftState) {
    downs.push_back(key);
    if (key == platform::VK_TAB) key = 0;  // the control keeps Tab to itself
  };
  first->SetFocus();
  session.TypeText("xab");
  session.PressKey(platform::VK_TAB);
  EXPECT_EQ(first->Typed, "Ab\t");
  EXPECT_TRUE(first->Focused());
  EXPECT_EQ(downs, (std::vector<std::uint16_t>{platform::VK_TAB}));
}

}  // namespace
}  // namespace framework
