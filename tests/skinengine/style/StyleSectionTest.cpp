// A section painted by its index: its normal or hot look over a parent's picture, then its
// border mask in the state's block.
#include <gtest/gtest.h>

#include <optional>

#include "skinengine/style/sStyleSection.h"
#include "tests/skinengine/controls/MenuTestSupport.h"

namespace {

using platform::Bitmap;
using platform::TColor;

constexpr auto Grey = sGraphUtils::GreyWeight;

// "Glass": grey 40 half see-through, hot grey 200; its border mask has slices of one pixel,
// a red corner in the normal block and a blue one in the hot block, black elsewhere, all of
// it mask 255 (keeping what lies below) but the corners (mask 0, the picture).
TEST(StyleSection, ASectionPaintsItsLookOverTheParentThenItsBorderMask) {
  skintests::SkinStateReset reset;
  auto glass = skintests::Section("Glass");
  glass.PaintingColor = Grey(40);
  glass.PaintingTransparency = 50;
  glass.HotPaintingColor = Grey(200);
  sSkinManager::SkinSections() = {glass};
  sSkinManager::SetSkinLoaded(true);
  Bitmap mask(9, 6);
  mask.FillRect({0, 3, 9, 6}, Grey(255));
  for (const auto& [block, color] :
       {std::pair{0, platform::clRed}, std::pair{3, platform::clBlue}}) {
    mask.SetPixel(block, 0, color);
    mask.SetPixel(block, 3, 0);
  }
  menutests::AddSkinImage("GLASS", "BORDERSMASK", mask);
  Bitmap picture(10, 10);
  picture.Fill(Grey(120));
  const sStyleUtil::TsSectionParent parent{&picture, {2, 2}};

  struct Case {
    const char* what;
    int index;
    bool hot;
    bool parent;
    int at;  // where the section's 4 x 4 square starts in a 6 x 6 target
    TColor corner;
    TColor centre;
  };
  const Case cases[] = {
      // floor(127 x 40 / 256) + 120 - floor(127 x 120 / 256) = 19 + 120 - 59 = 80, and the
      // mask keeps floor(80 x 255 / 256) = 79 of it.
      {"normal, half the parent through", 0, false, true, 0, platform::clRed, Grey(79)},
      {"normal without a parent: its own look", 0, false, false, 0, platform::clRed, Grey(39)},
      {"hot: solid, the hot block", 0, true, true, 0, platform::clBlue, Grey(199)},
      {"no such section: nothing", 1, false, true, 0, 0x123456, 0x123456},
      {"over a part of the target", 0, false, true, 2, platform::clRed, Grey(79)},
  };
  for (const Case& c : cases) {
    Bitmap target(6, 6);
    target.Fill(0x123456);
    sStyleUtil::PaintSection(target, platform::TRect::FromBounds(c.at, c.at, 4, 4), c.index, c.hot,
                             true, c.parent ? std::optional(parent) : std::nullopt);
    EXPECT_EQ(target.Pixel(c.at, c.at), c.corner) << c.what;
    EXPECT_EQ(target.Pixel(c.at + 1, c.at + 1), c.centre) << c.what;
    EXPECT_EQ(target.Pixel((c.at + 4) % 6, 5), 0x123456u) << c.what << ": outside the square";
  }
}

}  // namespace
