// The caption label of an editor style: made and freed by Active, placed by Layout, wrapped by
// MaxWidth, and following its control around.
#include <gtest/gtest.h>

#include "platform/graphics/Font.h"
#include "skinengine/controls/sCheckbox.h"
#include "skinengine/controls/sCustomLabel.h"
#include "skinengine/controls/sEdit.h"
#include "tests/skinengine/controls/EditorsTestSupport.h"

namespace {

using framework::TControl;
using sCustomLabel::TsLabel;
using sStyleEdits::TsStyleCaption;

class CaptionLabel : public editortests::EditorsFixture {
 protected:
  CaptionLabel() { edit->SetName("EdM"); }

  TsStyleCaption& Caption() { return *edit->sStyle()->Caption(); }
  TsLabel* Label() {
    return Caption().Label() ? dynamic_cast<TsLabel*>(&Caption().Label()->LabelControl()) : nullptr;
  }
  // The caption font's text height plus 6.
  int TextHeight() { return platform::GetTextMetrics(Caption().Font()->Data()).Height + 6; }

  sEdit::TsEdit* edit = Add<sEdit::TsEdit>(form, 150, 60, 121, 21);
};

TEST_F(CaptionLabel, ShowsTheControlsNameUntilGivenAText) {
  Caption().SetActive(true);
  TsLabel* label = Label();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Caption(), "EdM");
  EXPECT_EQ(Caption().Text(), "EdM") << "the empty text became the name";
  EXPECT_EQ(label->Name(), "EdMLabel");
  EXPECT_EQ(label->Owner(), edit);
  EXPECT_EQ(label->Parent(), form);
  EXPECT_EQ(label->FocusControl(), edit);
  EXPECT_EQ(label->Layout(), framework::tlTop);
  EXPECT_TRUE(label->Transparent());

  Caption().SetText("Nilai m");
  EXPECT_EQ(label->Caption(), "Nilai m");
}

// A label held at 41 pixels by MaxWidth beside an edit at (150, 60) of 121 x 21.
TEST_F(CaptionLabel, LayoutsPlaceTheLabelBesideOrAboveTheControl) {
  struct Case {
    sStyleEdits::TsCaptionLayout layout;
    framework::TAlignment alignment;
    int left;
    int top;  // h = the text height
  };
  const int h = TextHeight();
  const Case cases[] = {
      {sStyleEdits::sclLeft, framework::taRightJustify, 105,  // 150 - 41 - 4
       60 - (h - (21 - 6)) / 2 + 6},
      {sStyleEdits::sclTopLeft, framework::taLeftJustify, 150, 60 - h + 5},
      {sStyleEdits::sclTopCenter, framework::taCenter, 190, 60 - h + 5},  // 150 + (121 - 41) / 2
      {sStyleEdits::sclTopRight, framework::taRightJustify, 230, 60 - h + 5},  // 150 + 121 - 41
  };
  Caption().SetText("m");
  Caption().SetMaxWidth(41);
  Caption().SetActive(true);
  for (const Case& c : cases) {
    Caption().SetLayout(c.layout);
    EXPECT_EQ(Label()->Left(), c.left) << c.layout;
    EXPECT_EQ(Label()->Top(), c.top) << c.layout;
    EXPECT_EQ(Label()->Width(), 41) << c.layout;
    EXPECT_EQ(Label()->Alignment(), c.alignment) << c.layout;
  }
}

// Wrapped at its width, the label shows all its lines: it takes their height.
TEST_F(CaptionLabel, AMaxWidthWrapsTheWordsInExactlyThatWidth) {
  const int line = platform::GetTextMetrics(Caption().Font()->Data()).Height;
  Caption().SetText("Nilai kurva bezier");
  Caption().SetActive(true);
  EXPECT_EQ(Label()->Height(), line);
  EXPECT_GT(Label()->Width(), 41);

  Caption().SetMaxWidth(41);
  EXPECT_EQ(Label()->Width(), 41);
  EXPECT_TRUE(Label()->WordWrap());
  EXPECT_FALSE(Label()->AutoSize());
  EXPECT_EQ(Label()->Height(), 3 * line) << "one word a line";

  Caption().SetMaxWidth(0);
  EXPECT_TRUE(Label()->AutoSize());
  EXPECT_FALSE(Label()->WordWrap());
  EXPECT_EQ(Label()->Height(), line);
}

TEST_F(CaptionLabel, TheLabelFollowsTheControl) {
  Caption().SetActive(true);
  const int width = Label()->Width();
  edit->SetBounds(200, 100, 121, 21);
  EXPECT_EQ(Label()->Left(), 200 - width - 4);
  EXPECT_EQ(Label()->Top(), 100 - (TextHeight() - 15) / 2 + 6);

  edit->SetVisible(false);
  EXPECT_FALSE(Label()->Visible());
  edit->SetVisible(true);
  edit->SetEnabled(false);
  EXPECT_FALSE(Label()->Enabled());

  Caption().Font()->SetHeight(-20);
  EXPECT_EQ(Label()->Font()->Height(), -20) << "every change of the font reaches the label";
  EXPECT_EQ(Label()->Top(), 100 - (TextHeight() - 15) / 2 + 6) << "placed for the new height";
}

TEST_F(CaptionLabel, ExistsExactlyWhileActive) {
  auto* box = Add<sCheckbox::TsCheckBox>(form, 150, 120, 100, 18);
  box->SetName("CheckBox");
  for (TControl* control : {static_cast<TControl*>(edit), static_cast<TControl*>(box)}) {
    TsStyleCaption& caption = control == edit ? Caption() : *box->sStyle()->Caption();
    const int siblings = form->ControlCount();
    caption.SetActive(true);
    EXPECT_EQ(control->ComponentCount(), 1) << control->Name();
    EXPECT_EQ(form->ControlCount(), siblings + 1) << control->Name();
    caption.SetActive(false);
    EXPECT_EQ(caption.Label(), nullptr) << control->Name();
    EXPECT_EQ(control->ComponentCount(), 0) << control->Name();
    EXPECT_EQ(form->ControlCount(), siblings) << control->Name();
  }
  Caption().SetActive(true);
  const int withLabel = form->ControlCount();
  delete edit;
  EXPECT_EQ(form->ControlCount(), withLabel - 2) << "the edit takes its label along";
}

}  // namespace
