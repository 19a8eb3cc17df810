// The skin engine's edit field: the engine's defaults, its client area inside the skinned
// frame, and the frame and colour by its style, its section and its state.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/description/DescriptionWriter.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "skinengine/controls/sEdit.h"
#include "tests/skinengine/controls/EditorsTestSupport.h"

namespace {

using framework::TObject;
using platform::TColor;
using sEdit::TsEdit;
using sStyleEdits::TsSelectionModes;

class Edit : public editortests::EditorsFixture {
 protected:
  // The edit's sides, its second ring at the top and at the right, and its field, as the
  // screen shows them.
  struct Look {
    TColor top, left, bottom, right, ring, ringRight, field;
    friend bool operator==(const Look&, const Look&) = default;
  };
  Look LookOf(TsEdit& edit) {
    const platform::Bitmap shot = skintests::Painted(edit);
    return {shot.Pixel(60, 0), shot.Pixel(0, 10),   shot.Pixel(60, 20), shot.Pixel(120, 10),
            shot.Pixel(60, 1), shot.Pixel(119, 10), shot.Pixel(100, 10)};
  }
};

TEST_F(Edit, KeepsItsHeightAndFollowsTheParentFont) {
  auto* edit = Add<TsEdit>(form, 10, 10, 121, 21);
  EXPECT_FALSE(edit->AutoSize());
  form->Font()->SetHeight(-20);
  EXPECT_EQ(edit->Font()->Height(), -20);
  EXPECT_EQ(edit->Height(), 21) << "no auto size";

  TsEdit fresh(nullptr);
  EXPECT_EQ(fresh.Height(), 21);
  EXPECT_TRUE(fresh.ParentFont());
  EXPECT_EQ(fresh.sStyle()->ControlKind(), sStyleSimply::KindEdit);
  fresh.SetName("EdM");
  const std::string written = framework::WriteDescription(fresh);
  EXPECT_EQ(written.find("AutoSize"), std::string::npos) << "not published";
  EXPECT_NE(written.find("sStyle.Painting.ColorBorderTop = clBtnHighlight"), std::string::npos)
      << written;
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

// Three pixels off every side, as far as the field reaches.
TEST_F(Edit, TheClientAreaLiesInsideTheFrame) {
  struct Case {
    int width, height, clientWidth, clientHeight;
  };
  const Case cases[] = {
      {121, 21, 115, 15},  // 121 - 2 x 3, 21 - 2 x 3
      {6, 6, 0, 0},
      {5, 4, 1, 0},  // at most half of each side: 5 - 2 x 2, 4 - 2 x 2
      {0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    auto* edit = Add<TsEdit>(form, 10, 10, c.width, c.height);
    edit->SetText("a text far longer than any of these fields");
    skintests::Painted(*edit);
    EXPECT_EQ(edit->ClientWidth(), c.clientWidth) << c.width;
    EXPECT_EQ(edit->ClientHeight(), c.clientHeight) << c.height;
    delete edit;
  }
}

// The style's own values: the bevel along the sides in the border colours (top white, bottom
// B), three rings of the field's colour below it; hot or focused the selection's colour and
// border.
TEST_F(Edit, TheFrameAndColourFollowTheStyleAndItsState) {
  constexpr TColor B = 0x7E756B;  // ColorBorderBottom
  constexpr TColor F = 0xECFFFF;  // Painting.Color
  constexpr TColor W = platform::clWhite;
  const TColor light = platform::ColorToRGB(platform::cl3DLight);
  enum class State { Normal, Hot, Focused };
  struct Case {
    State state;
    std::function<void(sStyleEdits::TsStyle&)> setup;
    Look look;
  };
  const auto bevel = [](sBevels::TsEditorBevel b) {
    return [b](sStyleEdits::TsStyle& s) { s.Painting()->SetBevel(b); };
  };
  const auto mode = [](TsSelectionModes m) {
    return [m](sStyleEdits::TsStyle& s) { s.Selection()->SetMode(m); };
  };
  const auto border = [](sBevels::TsEditorBevel b, int width) {
    return [b, width](sStyleEdits::TsStyle& s) {
      s.Selection()->Border()->SetBevel(b);
      s.Selection()->Border()->SetWidth(width);
    };
  };
  using enum State;
  const Case cases[] = {
      // A line in the bottom colour, one in the top colour, raised, lowered, no bevel.
      {Normal, bevel(sBevels::ebAsBottomBorder), {B, B, B, B, F, F, F}},
      {Normal, bevel(sBevels::ebAsTopBorder), {W, W, W, W, F, F, F}},
      {Normal, bevel(sBevels::ebRaised), {W, W, B, B, F, F, F}},
      {Normal, bevel(sBevels::ebLowered), {B, B, W, W, F, F, F}},
      {Normal, bevel(sBevels::ebNone), {F, F, F, F, F, F, F}},
      // Focused: white, two lines of the selection border; hot as focused.
      {Focused, nullptr, {B, B, B, B, B, B, W}},
      {Hot, nullptr, {B, B, B, B, B, B, W}},
      // Focused with the colour alone, the border alone, no selection mode (as normal), no
      // selection border.
      {Focused, mode({sStyleEdits::msColor}), {B, B, B, B, W, W, W}},
      {Focused, mode({sStyleEdits::msBorder}), {B, B, B, B, B, B, F}},
      {Focused, mode({}), {B, B, B, B, F, F, F}},
      {Focused, border(sBevels::ebNone, 2), {W, W, W, W, W, W, W}},
      // A wide lowered border is sunken: shadow and white, then dark shadow and light.
      {Focused, border(sBevels::ebLowered, 2), {0x808080, 0x808080, W, W, 0x404040, light, W}},
  };
  for (const Case& c : cases) {
    auto* edit = Add<TsEdit>(form, 10, 10, 121, 21);
    if (c.setup) c.setup(*edit->sStyle());
    if (c.state == State::Focused) edit->SetFocus();
    if (c.state == State::Hot) session.MoveMouse(Centre(*edit));
    EXPECT_EQ(LookOf(*edit), c.look) << "row " << &c - cases;
    session.MoveMouse({0, 0});
    delete edit;
  }
}

// A bound section gives the colours and the selection border; its colour shows in the field.
TEST_F(Edit, ABoundSectionGivesColoursAndSelectionBorder) {
  constexpr TColor Top = 0x102030, Bottom = 0x405060, Field = 0x00E0E0, Selected = 0xE0E000;
  AddSection("TsEdit", [&](sSkinManager::SkinSectionData& s) {
    s.PaintingColor = Field;
    s.PaintingColorBorderTop = Top;
    s.PaintingColorBorderBottom = Bottom;
    s.SelectionColor = Selected;
    s.SelectionBorderBevel = sBevels::ebRaised;
    s.SelectionBorderWidth = 1;
  });
  auto* edit = Add<TsEdit>(form, 10, 10, 121, 21);
  ASSERT_EQ(edit->sStyle()->SkinIndex(), 0);
  edit->sStyle()->Painting()->SetBevel(sBevels::ebLowered);  // the own bevel kind counts
  EXPECT_EQ(LookOf(*edit), (Look{Bottom, Bottom, Top, Top, Field, Field, Field}));
  edit->SetFocus();
  EXPECT_EQ(LookOf(*edit), (Look{Top, Top, Bottom, Bottom, Selected, Selected, Selected}));
}

// A mask of 5-pixel slices, one colour a state over mask 0, its very first pixel transparent:
// the frame shows the state's colour three pixels deep and the window loses that pixel.
TEST_F(Edit, ABorderMaskPaintsTheFrameByStateAndShapesTheWindow) {
  constexpr TColor Field = 0x00E0E0;
  const TColor states[] = {platform::clRed, platform::clLime, platform::clBlue};
  AddSection("TsEdit", [&](sSkinManager::SkinSectionData& s) {
    s.PaintingColor = Field;
    s.SelectionColor = Field;
  });
  auto mask = std::make_unique<framework::TBitmap>();
  mask->SetSize(45, 30);
  for (int k = 0; k < 3; ++k) mask->Data().FillRect({15 * k, 0, 15 * (k + 1), 15}, states[k]);
  mask->Data().FillRect({0, 15, 45, 30}, 0);
  mask->Data().SetPixel(0, 0, sSkinManager::SkinTransparentColor);
  AddImage("TSEDIT", "BORDERSMASK", std::move(mask));

  auto* edit = Add<TsEdit>(form, 10, 10, 121, 21);
  ASSERT_GE(edit->sStyle()->MaskIndex(), 0);
  const platform::Bitmap normal = skintests::Painted(*edit);
  EXPECT_EQ(normal.Pixel(60, 0), states[0]);
  EXPECT_EQ(normal.Pixel(60, 2), states[0]);
  EXPECT_EQ(normal.Pixel(60, 3), Field) << "the client area is the field's";
  const platform::TPoint corner = platform::WindowToScreen(edit->Handle(), {0, 0});
  EXPECT_EQ(platform::WindowFromPoint(corner), form->Handle());
  EXPECT_EQ(platform::WindowFromPoint(corner + platform::TPoint{1, 0}), edit->Handle());

  session.MoveMouse(Centre(*edit));
  EXPECT_EQ(skintests::Painted(*edit).Pixel(0, 10), states[1]) << "hot";
  edit->SetFocus();
  EXPECT_EQ(skintests::Painted(*edit).Pixel(120, 10), states[2]) << "focused";
}

TEST_F(Edit, AMaskOfNoWidthLeavesTheBevel) {
  AddSection("TsEdit", [](sSkinManager::SkinSectionData& s) {
    s.PaintingColor = platform::clWhite;
    s.PaintingColorBorderBottom = 0xB89C7F;
  });
  AddImage("TSEDIT", "BORDERSMASK", std::make_unique<framework::TBitmap>());
  auto* edit = Add<TsEdit>(form, 10, 10, 121, 21);
  EXPECT_EQ(LookOf(*edit), (Look{0xB89C7F, 0xB89C7F, 0xB89C7F, 0xB89C7F, platform::clWhite,
                                 platform::clWhite, platform::clWhite}));
}

}  // namespace
