// The main window's m and n fields and its check box, painted by the stored skin.
#include <cstdint>

#include "skinengine/controls/sCheckbox.h"
#include "skinengine/controls/sEdit.h"
#include "skinengine/skin/sSkinLists.h"
#include "tests/app/MainWindowSupport.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"

namespace Bezier::testing {
namespace {

using platform::Bitmap;
using platform::TColor;

using SkinnedEditors = MainWindow;

// The TsEdit section: both border colours 0xB89C7F, the field and the selection white, the
// selection border as the top border one pixel wide: the same look hot and focused.
TEST_F(SkinnedEditors, TheFieldsAreFramedInTheStoredSkinsColours) {
  constexpr TColor Frame = 0xB89C7F;
  constexpr TColor White = platform::clWhite;
  for (auto [field, other] : {std::pair{form->EdM, form->EdN}, std::pair{form->EdN, form->EdM}}) {
    EXPECT_EQ(field->sStyle()->SkinIndex(), sSkinManager::FindSectionIndex("TsEdit"));
    EXPECT_EQ(field->Width(), 121);
    EXPECT_EQ(field->Height(), 21);
    EXPECT_EQ(field->ClientWidth(), 115);
    EXPECT_EQ(field->ClientHeight(), 15);

    other->SetFocus();
    session.MoveMouse({0, 0});
    const Bitmap normal = Snapshot(*field);
    for (auto [x, y] : {std::pair{60, 0}, {0, 10}, {60, 20}, {120, 10}})
      EXPECT_EQ(normal.Pixel(x, y), Frame) << field->Name() << " at " << x << "," << y;
    for (auto [x, y] : {std::pair{60, 1}, {60, 2}, {2, 10}, {118, 18}, {100, 10}})
      EXPECT_EQ(normal.Pixel(x, y), White) << field->Name() << " at " << x << "," << y;

    session.MoveMouse(Centre(*field));
    const Bitmap hot = Snapshot(*field);
    Click(*field);
    const Bitmap focused = Snapshot(*field);
    EXPECT_EQ(field->Color(), White);
    for (int y = 0; y < 21; ++y)
      for (int x = 0; x < 121; ++x) {
        if (x >= 3 && x < 118 && y >= 3 && y < 18) continue;  // the frame only: the caret blinks
        EXPECT_EQ(hot.Pixel(x, y), normal.Pixel(x, y)) << field->Name() << " hot " << x << "," << y;
        EXPECT_EQ(focused.Pixel(x, y), normal.Pixel(x, y))
            << field->Name() << " focused " << x << "," << y;
      }
  }
}

// The TsCheckBox section's strips are 48 x 36: 16 x 18 cells at (20 - 18) div 2 = 1 in the
// 100 x 20 box, the caption at 1 + 18 + 4 = 23. Cell pixel (8, 9) lies under mask 0 and shows
// the cell's picture (0x834422, 0x844422, 0x83421F at the time of writing); (1, 2) under mask
// 159 (0x9F): floor(b x 159 / 256) + p - floor(p x 159 / 256) per channel over the background b.
TEST_F(SkinnedEditors, TheCheckBoxShowsTheSkinsGlyphCellsBesideItsCaption) {
  sCheckbox::TsCheckBox& box = *form->CheckBox;
  EXPECT_EQ(box.sStyle()->SkinIndex(), sSkinManager::FindSectionIndex("TsCheckBox"));
  EXPECT_EQ(box.CheckGlyphRect(), (platform::TRect{0, 1, 16, 19}));
  EXPECT_EQ(box.CaptionRect().Left, 23);
  const Bitmap& strip =
      sSkinManager::SkinImages()[sSkinManager::FindImageIndex(box.sStyle()->SkinIndex(),
                                                              "TsCheckBox", "GLYPHCHECKED")]
          .Bitmap->Data();
  const auto parent = box.sStyle()->GetParentBackground();
  const TColor below = parent ? parent->Picture->Pixel(box.Left() + parent->Offset.X + 1,
                                                       box.Top() + parent->Offset.Y + 3)
                              : platform::ColorToRGB(box.sStyle()->Painting()->Color());
  ASSERT_EQ(strip.Pixel(8, 9 + 18), 0u);
  ASSERT_EQ(strip.Pixel(1, 2 + 18), 0x9F9F9Fu);

  struct Case {
    const char* what;
    int cell;
  };
  // The press takes the focus from the m field: with a valid count there no error box opens,
  // which would take the focus, and the press with it.
  form->EdM->SetText("3");
  session.MoveMouse({0, 0});
  for (const Case& c : {Case{"normal", 0}, Case{"hot", 1}, Case{"pressed", 2}}) {
    if (c.cell == 1) session.MoveMouse(Centre(box));
    if (c.cell == 2) session.Press(Centre(box));
    const Bitmap shot = Snapshot(box);
    EXPECT_EQ(shot.Pixel(8, 10), strip.Pixel(16 * c.cell + 8, 9)) << c.what;
    EXPECT_EQ(shot.Pixel(1, 3), Mix(159, below, strip.Pixel(16 * c.cell + 1, 2))) << c.what;
  }
  session.Release(Centre(box));
  EXPECT_FALSE(box.Checked());
  EXPECT_TRUE(Messages().empty());

  // The caption's text begins at x = 23, clear of the glyph.
  const Bitmap shot = Snapshot(box);
  EXPECT_GT(skintests::Darkest(shot, {16, 0, 23, 20}), 150);
  EXPECT_LT(skintests::Darkest(shot, {23, 0, 30, 20}), 100);
}

}  // namespace
}  // namespace Bezier::testing
