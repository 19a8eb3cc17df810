// Sticky check buttons: releasing a down one, groups within a parent, OnChange, and the
// action that a button follows.
#include <gtest/gtest.h>

#include "framework/controls/Panel.h"
#include "framework/forms/Actions.h"
#include "framework/forms/ImageList.h"
#include "skinengine/controls/sCustomButton.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"

namespace {

using framework::TObject;
using sCustomButton::TsSpeedButton;

class CheckButton : public ::testing::Test, public skintests::FormFixture {
 protected:
  TsSpeedButton* AddCheck(framework::TWinControl* parent, int top, int group) {
    auto* b = Add<TsSpeedButton>(parent, 10, top, 84, 22);
    b->SetButtonStyle(sStyleSimply::tbsCheck);
    b->SetGroupIndex(group);
    b->OnClick = [this](TObject*) { ++clicks; };
    return b;
  }

  int clicks = 0;
};

// A click that puts the button down never takes it up again; a later one does only with
// AllowAllUp. Every click inside clicks once; OnChange hears of each change of Down.
TEST_F(CheckButton, ADownButtonComesUpOnlyWithAllowAllUp) {
  struct Case {
    bool allowAllUp;
    bool downAfterSecondClick;
  };
  for (const Case c : {Case{false, true}, Case{true, false}}) {
    TsSpeedButton* b = AddCheck(form, 10, -1);
    b->SetAllowAllUp(c.allowAllUp);
    int changes = 0;
    b->OnChange = [&changes](TObject*) { ++changes; };
    clicks = 0;
    Click(*b);
    EXPECT_TRUE(b->Down()) << c.allowAllUp;
    Click(*b);
    EXPECT_EQ(b->Down(), c.downAfterSecondClick) << c.allowAllUp;
    EXPECT_EQ(clicks, 2) << c.allowAllUp;
    EXPECT_EQ(changes, c.downAfterSecondClick ? 1 : 2) << c.allowAllUp;
    delete b;
  }
}

// A handler that puts the button up again during the press does not earn it a second click.
TEST_F(CheckButton, AButtonPutUpDuringThePressClicksOnce) {
  TsSpeedButton* b = AddCheck(form, 10, -1);
  b->OnMouseDown = [b](TObject*, framework::TMouseButton, framework::TShiftState, int, int) {
    b->SetDown(false);
  };
  Click(*b);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(clicks, 1);
}

// Group 0 is a group too; a negative index, another group or another parent is not.
TEST_F(CheckButton, ButtonsOfOneGroupAndParentReleaseEachOther) {
  auto* panel = Add<framework::TPanel>(form, 150, 10, 120, 60);
  TsSpeedButton* first = AddCheck(form, 10, 0);
  TsSpeedButton* second = AddCheck(form, 40, 0);
  TsSpeedButton* otherGroup = AddCheck(form, 70, 1);
  TsSpeedButton* noGroup = AddCheck(form, 100, -1);
  TsSpeedButton* otherParent = AddCheck(panel, 10, 0);
  for (TsSpeedButton* b : {first, otherGroup, noGroup, otherParent}) Click(*b);
  Click(*second);
  EXPECT_FALSE(first->Down());
  for (TsSpeedButton* b : {second, otherGroup, noGroup, otherParent}) EXPECT_TRUE(b->Down());
  Click(*first);
  EXPECT_FALSE(second->Down());
}

// A caption and a down state that were the action's follow it; the image list comes from
// the action list when the button has none, and a click runs the action.
TEST_F(CheckButton, AButtonFollowsItsAction) {
  auto* actions = new framework::TActionList(form);
  auto* images = new framework::TImageList(form);
  actions->SetImages(images);
  auto* action = new framework::TAction(form);
  action->SetParentComponent(actions);
  action->SetCaption("Gambar");
  action->SetHint("draw");
  action->SetImageIndex(2);
  int runs = 0;
  action->OnExecute = [&runs](TObject*) { ++runs; };
  TsSpeedButton* b = AddCheck(form, 10, -1);
  b->OnClick = nullptr;
  b->SetAction(action);
  EXPECT_EQ(b->Caption(), "Gambar");
  EXPECT_EQ(b->Hint(), "draw");
  EXPECT_EQ(b->Images(), images);
  EXPECT_EQ(b->ImageIndex(), 2);

  action->SetChecked(true);
  EXPECT_TRUE(b->Down()) << "checked was linked: the action was unchecked and the button up";
  action->SetCaption("Kurva");
  EXPECT_EQ(b->Caption(), "Kurva");
  action->SetEnabled(false);
  EXPECT_FALSE(b->Enabled());
  action->SetEnabled(true);
  Click(*b);
  EXPECT_EQ(runs, 1);

  delete action;
  EXPECT_EQ(b->Action(), nullptr);
  delete images;
  EXPECT_EQ(b->Images(), nullptr);
  EXPECT_EQ(actions->Images(), nullptr);
}

}  // namespace
