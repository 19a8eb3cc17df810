// The skinned label: its parent's picture below its text, auto size, z-order, accelerators.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/controls/Panel.h"
#include "framework/description/DescriptionReader.h"
#include "platform/graphics/Font.h"
#include "platform/window/Messages.h"
#include "skinengine/controls/sCustomLabel.h"
#include "skinengine/controls/sEdit.h"
#include "tests/skinengine/controls/EditorsTestSupport.h"
#include "tests/skinengine/style/StyleTestSupport.h"

namespace {

using editortests::Grey;
using platform::TColor;
using sCustomLabel::TsLabel;

class SkinnedLabel : public editortests::EditorsFixture {
 protected:
  int Line() const { return platform::GetTextMetrics(label->Font()->Data()).Height; }
  int Extent(const char* text) const {
    return platform::TextExtent(label->Font()->Data(), text).cx;
  }

  TsLabel* label = Add<TsLabel>(form, 100, 40);
};

TEST_F(SkinnedLabel, AnEmptyCaptionKeepsTheHeightOfOneLine) {
  label->SetCaption("Nilai m");
  EXPECT_EQ(label->Width(), Extent("Nilai m"));
  label->SetCaption("");
  EXPECT_EQ(label->Height(), Line());
  EXPECT_EQ(label->Width(), Extent(" ")) << "measured as one space";
}

TEST_F(SkinnedLabel, ARightAlignedLabelKeepsItsRightEdge) {
  label->SetAlignment(framework::taRightJustify);
  label->SetCaption("Nilai kurva m");
  const int right = label->Left() + label->Width();
  label->SetCaption("m");
  EXPECT_EQ(label->Left() + label->Width(), right);
  EXPECT_EQ(label->Width(), Extent("m"));
}

TEST_F(SkinnedLabel, WithoutAParentNothingChanges) {
  using Set = std::function<void(TsLabel&)>;
  const std::pair<const char*, Set> setters[] = {
      {"Alignment", [](TsLabel& l) { l.SetAlignment(framework::taCenter); }},
      {"AutoSize", [](TsLabel& l) { l.SetAutoSize(false); }},
      {"Layout", [](TsLabel& l) { l.SetLayout(framework::tlBottom); }},
      {"WordWrap", [](TsLabel& l) { l.SetWordWrap(true); }},
      {"ShowAccelChar", [](TsLabel& l) { l.SetShowAccelChar(false); }},
      {"Transparent", [](TsLabel& l) { l.SetTransparent(false); }},
      {"FocusControl", [this](TsLabel& l) { l.SetFocusControl(form); }},
  };
  TsLabel lone(nullptr);
  for (const auto& [what, set] : setters) set(lone);
  EXPECT_EQ(lone.Alignment(), framework::taLeftJustify);
  EXPECT_TRUE(lone.AutoSize());
  EXPECT_EQ(lone.Layout(), framework::tlTop);
  EXPECT_FALSE(lone.WordWrap());
  EXPECT_TRUE(lone.ShowAccelChar());
  EXPECT_TRUE(lone.Transparent());
  EXPECT_EQ(lone.FocusControl(), nullptr);
  lone.SetCaption("a caption");
  EXPECT_EQ(lone.BoundsRect(), (platform::TRect{0, 0, 65, 17})) << "no size adjustment";
}

TEST_F(SkinnedLabel, EverySizeAdjustmentSendsItBehindItsSiblings) {
  auto* panel = Add<framework::TPanel>(form, 90, 30, 100, 40);
  auto* edit = Add<sEdit::TsEdit>(form, 90, 45, 121, 21);
  const std::function<void()> adjustments[] = {
      [&] { label->SetCaption("Nilai m"); },
      [&] { label->Font()->SetHeight(-16); },
      [&] { label->SetWordWrap(true); },
      [&] { label->SetAutoSize(false); },
  };
  for (const auto& adjust : adjustments) {
    panel->SendToBack();
    adjust();
    EXPECT_EQ(form->Controls(0), label);
    EXPECT_EQ(platform::GetChildren(form->Handle()).back(), label->Handle());
  }
  EXPECT_EQ(form->Controls(form->ControlCount() - 1), edit);
}

// Red x and green y in the frame picture, the form's client at (4, 42) in it: label pixel
// (60, 10) of a label at (100, 40) shows (100 + 4 + 60, 40 + 42 + 10) = (164, 92).
TEST_F(SkinnedLabel, ItShowsItsParentsPictureOrItsColour) {
  auto* framed = styletests::CoordinateFramedForm(app);
  auto* onFrame = Add<TsLabel>(framed, 100, 40, 65, 17);
  onFrame->SetAutoSize(false);
  EXPECT_EQ(skintests::Painted(*onFrame).Pixel(60, 10), platform::RGB(164, 92, 7));

  onFrame->SetColor(Grey(90));
  onFrame->SetTransparent(false);
  EXPECT_EQ(skintests::Painted(*onFrame).Pixel(60, 10), Grey(90));

  form->SetColor(Grey(60));
  label->SetAutoSize(false);
  label->SetBounds(100, 40, 65, 17);
  EXPECT_EQ(skintests::Painted(*label).Pixel(60, 10), Grey(60)) << "a plain form: the colour";
}

// The text of a label three lines high lies in the top, middle or bottom line.
TEST_F(SkinnedLabel, TheLayoutPlacesTheTextInTheHeight) {
  label->SetCaption("Wm");
  label->SetAutoSize(false);
  label->SetHeight(3 * Line());
  const framework::TTextLayout layouts[] = {framework::tlTop, framework::tlCenter,
                                            framework::tlBottom};
  for (int line = 0; line < 3; ++line) {
    label->SetLayout(layouts[line]);
    const platform::Bitmap shot = skintests::Painted(*label);
    for (int row = 0; row < 3; ++row) {
      const platform::TRect band{0, row * Line(), label->Width(), (row + 1) * Line()};
      EXPECT_EQ(skintests::Darkest(shot, band) < 100, row == line) << line << " " << row;
    }
  }
}

TEST_F(SkinnedLabel, ItsAcceleratorAndAClickFocusItsControl) {
  auto* edit = Add<sEdit::TsEdit>(form, 200, 40, 121, 21);
  auto* other = Add<sEdit::TsEdit>(form, 200, 80, 121, 21);
  label->SetCaption("Nilai &m");
  label->SetFocusControl(edit);
  struct Case {
    const char* what;
    bool showAccelChar;
    std::function<void()> act;
    bool focuses;
  };
  const Case cases[] = {
      {"Alt+M", true, [&] { form->Perform(framework::CM_DIALOGCHAR, 'M'); }, true},
      {"another letter", true, [&] { form->Perform(framework::CM_DIALOGCHAR, 'n'); }, false},
      {"a click", true, [&] { Click(*label); }, true},
      {"Alt+M without accelerators", false, [&] { form->Perform(framework::CM_DIALOGCHAR, 'm'); },
       false},
      {"a click without accelerators", false, [&] { Click(*label); }, false},
  };
  for (const Case& c : cases) {
    other->SetFocus();
    label->SetShowAccelChar(c.showAccelChar);
    c.act();
    EXPECT_EQ(edit->Focused(), c.focuses) << c.what;
  }
  delete edit;
  EXPECT_EQ(label->FocusControl(), nullptr) << "told of its control's end";
}

TEST_F(SkinnedLabel, ADescriptionCreatesItWithItsFocusControl) {
  framework::ReadDescription(R"(object Form1: TForm
  object EdM: TsEdit
    Left = 120
    Top = 24
  end
  object EdMLabel: TsLabel
    Left = 20
    Top = 28
    Caption = 'Nilai &m'
    FocusControl = EdM
    Transparent = False
  end
end)",
                             *form, skintests::SkinClasses());
  auto* read = dynamic_cast<TsLabel*>(form->FindComponent("EdMLabel"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->FocusControl(), form->FindComponent("EdM"));
  EXPECT_FALSE(read->Transparent());
  EXPECT_EQ(read->Width(), Extent("Nilai m")) << "sized once loaded";
}

}  // namespace
