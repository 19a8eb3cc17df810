// The plain check box: toggling by click and space bar, focus, and its painted state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/sCheckbox.h"
#include "controls/sEdit.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "tests/skinengine/ControlsTestSupport.h"

namespace {

using framework::TObject;
using sCheckbox::TsCheckBox;

class CheckBox : public ::testing::Test, public skintests::FormFixture {
 protected:
  void SetUp() override {
    edit = Add<sEdit::TsEdit>(form, 10, 10, 121, 21);
    edit->OnExit = [this](TObject*) { log.push_back("exit"); };
    box = Add<TsCheckBox>(form, 10, 50, 100, 17);
    box->SetCaption("ClearCanvas");
    box->OnChange = [this](TObject*) { log.push_back(box->Checked() ? "on" : "off"); };
    box->OnClick = [this](TObject*) { log.push_back("click"); };
  }

  void Space(bool down) { platform::InputKey(platform::VK_SPACE, down); }

  sEdit::TsEdit* edit = nullptr;
  TsCheckBox* box = nullptr;
  std::vector<std::string> log;
};

TEST_F(CheckBox, AClickTakesTheFocusTogglesAndReportsTheChangeBeforeTheClick) {
  Click(*edit);
  Click(*box);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->Focused());
  Click(*box);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(log, (std::vector<std::string>{"exit", "on", "click", "off", "click"}));
}

TEST_F(CheckBox, AReleaseOutsideStillTogglesButDoesNotClick) {
  session.Press(Centre(*box));
  EXPECT_TRUE(box->Pressed());
  session.Release(box->ClientToScreen({300, 5}));
  EXPECT_TRUE(box->Checked());
  EXPECT_FALSE(box->Pressed());
  EXPECT_EQ(log, (std::vector<std::string>{"on"}));
}

TEST_F(CheckBox, TheSpaceBarTogglesOnceOnReleaseWhateverItsAutoRepeat) {
  box->SetFocus();
  Space(true);
  Space(true);
  EXPECT_TRUE(box->Pressed());
  EXPECT_FALSE(box->Checked());
  Space(false);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(log, (std::vector<std::string>{"on", "click"}));
}

TEST_F(CheckBox, HoldingSpaceAndClickingTogglesOnce) {
  box->SetFocus();
  Space(true);
  Click(*box);
  Space(false);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(log, (std::vector<std::string>{"on", "click"}));
}

TEST_F(CheckBox, LeavingWhileTheSpaceBarIsHeldDoesNotBlockLaterClicks) {
  box->SetFocus();
  Space(true);
  edit->SetFocus();
  Space(false);
  EXPECT_FALSE(box->Pressed());
  Click(*box);
  EXPECT_TRUE(box->Checked());
}

TEST_F(CheckBox, ADisabledBoxIgnoresClicksAndSettingCheckedFiresNothing) {
  box->SetEnabled(false);
  Click(*box);
  EXPECT_FALSE(box->Checked());
  box->SetChecked(true);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(log.empty());
}

}  // namespace
