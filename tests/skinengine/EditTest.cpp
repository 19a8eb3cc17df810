// The skin engine's edit field before its skinned look: an edit with the engine's defaults.
#include <gtest/gtest.h>

#include <string>

#include "controls/sEdit.h"
#include "framework/description/DescriptionWriter.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "tests/skinengine/ControlsTestSupport.h"

namespace {

using framework::TObject;
using sEdit::TsEdit;

class Edit : public ::testing::Test, public skintests::FormFixture {};

TEST_F(Edit, KeepsItsHeightAndFollowsTheParentFont) {
  auto* edit = Add<TsEdit>(form, 10, 10, 121, 21);
  EXPECT_FALSE(edit->AutoSize());
  form->Font()->SetHeight(-20);
  EXPECT_EQ(edit->Font()->Height(), -20);
  EXPECT_EQ(edit->Height(), 21) << "no auto size";

  TsEdit fresh(nullptr);
  EXPECT_EQ(fresh.Height(), 21);
  EXPECT_TRUE(fresh.ParentFont());
  fresh.SetName("EdM");
  EXPECT_EQ(framework::WriteDescription(fresh).find("AutoSize"), std::string::npos)
      << "off is the declared default";
}

TEST_F(Edit, TakesTypingAndRunsItsExitHandlerWhenLeft) {
  auto* edM = Add<TsEdit>(form, 10, 10, 121, 21);
  auto* edN = Add<TsEdit>(form, 10, 40, 121, 21);
  std::string checked;
  edM->OnExit = [&](TObject*) { checked = edM->Text(); };
  Click(*edM);
  session.TypeText("7");
  session.PressKey(platform::VK_TAB);
  EXPECT_EQ(checked, "7");
  EXPECT_TRUE(edN->Focused());
}

}  // namespace
