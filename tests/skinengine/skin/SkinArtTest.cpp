// The skin artwork, the stored skin and the gauge's picture the program carries: the committed
// files are what the generator draws now, every bitmap has its listed size and layout, and the
// stored skin's text loads into the skin lists as the main window's manager loads it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/description/EmbeddedResources.h"
#include "platform/graphics/BmpFile.h"
#include "platform/kernel/Resources.h"
#include "resources/Embedded.h"
#include "skinengine/skin/sMaskData.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"
#include "tests/skinengine/skin/StoredSkinSupport.h"
#include "tools/skinart/BarPicture.h"
#include "tools/skinart/SkinArt.h"
#include "tools/skinart/SkinSheet.h"

namespace {

using namespace sSkinManager;

using skintests::LoadStoredSkin;
using skintests::MainWindowText;

class SkinArt : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { resources::RegisterEmbeddedResources(); }

  skintests::SkinStateReset reset;
  platform::HeadlessSession session;
  framework::TApplication app;
};

TEST_F(SkinArt, CommittedFilesAreWhatTheGeneratorDrawsNow) {
  const auto drawn = skinart::DrawSkinBitmaps();
  EXPECT_EQ(drawn.size(), 69u + 6u + 8u);
  for (const skinart::TNamedBitmap& b : drawn) {
    const auto stored = platform::FindResource(b.Name);
    ASSERT_TRUE(stored.has_value()) << b.Name << " is not in resources/skin; run skinart";
    const std::vector<std::uint8_t> bytes(stored->begin(), stored->end());
    EXPECT_EQ(bytes, platform::WriteBmp(b.Pixels)) << b.Name << " differs; run skinart";
  }
  EXPECT_EQ(skinart::StoredSkinBlock(MainWindowText()), skinart::StoredSkinItem())
      << "the main window's stored skin differs; run skinart";
  const auto picture = platform::FindResource(skinart::BarPictureName);
  ASSERT_TRUE(picture.has_value()) << "the gauge's picture is not in resources/; run skinart";
  EXPECT_EQ(std::vector<std::uint8_t>(picture->begin(), picture->end()), skinart::BarPictureJpeg())
      << "the gauge's picture differs; run skinart";
}

TEST_F(SkinArt, BuiltInMasksAndDefaultGlyphsHaveTheirSizes) {
  sMaskData::LoadBuiltInMasks();
  const platform::TSize sizes[] = {{90, 60}, {90, 60}, {90, 60}, {90, 60}, {54, 36}, {450, 96}};
  for (int i = 0; i < sMaskData::BuiltInMaskCount; ++i) {
    EXPECT_EQ(sMaskData::BuiltInMask(i).Width(), sizes[i].cx) << i;
    EXPECT_EQ(sMaskData::BuiltInMask(i).Height(), sizes[i].cy) << i;
  }
  EXPECT_EQ(&sMaskData::BuiltInMask(6), &sMaskData::BuiltInMask(0)) << "custom falls back";
  EXPECT_EQ(&sMaskData::BuiltInMask(-1), &sMaskData::BuiltInMask(0));
  sMaskData::FreeBuiltInMasks();
  EXPECT_TRUE(sMaskData::BuiltInMask(0).Empty());

  for (const char* name : {"RCC", "RUC", "RCH", "RUH", "CCC", "CUC", "CCH", "CUH"}) {
    const platform::Bitmap glyph = platform::ReadBmp(platform::LoadResource(name));
    EXPECT_EQ(glyph.Width(), 16) << name;
    EXPECT_EQ(glyph.Height(), 16) << name;
    EXPECT_EQ(glyph.Pixel(0, 15), 0xFF00FFu) << name << ": drawn with its bottom-left transparent";
  }
}

TEST_F(SkinArt, MasksAreTransparentOnlyInTheirCorners) {
  // The transparent colour cuts the window region, so edges and centre must be solid.
  for (const skinart::TNamedBitmap& b : skinart::DrawSkinBitmaps()) {
    if (b.Name.find("BORDERSMASK") == std::string::npos && !b.Name.starts_with("BORD")) continue;
    const platform::TSize slice = sMaskData::SliceSize(b.Pixels);
    int holes = 0;
    for (int y = 0; y < 3 * slice.cy; ++y)
      for (int x = 0; x < b.Pixels.Width(); ++x) {
        const bool cornerColumn =
            x % (3 * slice.cx) < slice.cx || x % (3 * slice.cx) >= 2 * slice.cx;
        const bool cornerRow = y < slice.cy || y >= 2 * slice.cy;
        holes += !(cornerColumn && cornerRow) && b.Pixels.Pixel(x, y) == 0xFF00FFu;
      }
    EXPECT_EQ(holes, 0) << b.Name;
  }
}

TEST_F(SkinArt, TheTitleMaskRoundsOnlyTheWindowsTopCorners) {
  // The frame cuts the window region along the transparent pixels of the corner columns over
  // the whole picture half: any below the top slice would notch the window's sides.
  const auto drawn = skinart::DrawSkinBitmaps();
  const auto title = std::find_if(drawn.begin(), drawn.end(), [](const skinart::TNamedBitmap& b) {
    return b.Name == "VELORA_FORMTITLE_BORDERSMASK";
  });
  ASSERT_NE(title, drawn.end());
  const platform::Bitmap& mask = title->Pixels;
  const platform::TSize slice = sMaskData::SliceSize(mask);
  for (int k = 0; k < 3; ++k) {
    const int left = 3 * slice.cx * k;
    const int right = left + 3 * slice.cx - 1;
    EXPECT_EQ(mask.Pixel(left, 0), 0xFF00FFu) << "state " << k;
    EXPECT_EQ(mask.Pixel(right, 0), 0xFF00FFu) << "state " << k;
    EXPECT_EQ(mask.Pixel(left, 3 * slice.cy), 0xFFFFFFu) << "the mask keeps the gradient there";
    for (int y = slice.cy; y < 3 * slice.cy; ++y) {
      EXPECT_NE(mask.Pixel(left, y), 0xFF00FFu) << "state " << k << ", row " << y;
      EXPECT_NE(mask.Pixel(right, y), 0xFF00FFu) << "state " << k << ", row " << y;
    }
  }
}

TEST_F(SkinArt, TheSheetShowsTheWindowWithItsTitleCornersCut) {
  platform::Bitmap sheet;
  ASSERT_NO_THROW(sheet = skinart::DrawSheet()) << "every image the window uses is drawn";
  // The window sits at (16, 16), twice its size.
  EXPECT_EQ(sheet.Pixel(16, 16), sheet.Pixel(0, 0)) << "the cut corner shows the sheet";
  EXPECT_NE(sheet.Pixel(16 + 200, 16 + 4), sheet.Pixel(0, 0)) << "the title bar";
}

TEST_F(SkinArt, TheStoredSkinLoadsWithEverySectionAndImage) {
  TsSkinManager manager(nullptr);
  LoadStoredSkin(manager);
  ASSERT_TRUE(SkinLoaded());
  EXPECT_EQ(SkinSections().size(), 81u);
  ASSERT_EQ(SkinImages().size(), 69u);
  EXPECT_TRUE(SkinPatterns().empty());
  EXPECT_EQ(FindSectionIndex("Form"), 79);
  EXPECT_EQ(FindSectionIndex(""), 80);

  const auto& listed = skinart::StoredSkinImages();
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const SkinImageEntry& entry = SkinImages()[i];
    EXPECT_EQ(entry.Bitmap->Width(), listed[i].Width) << listed[i].Resource();
    EXPECT_EQ(entry.Bitmap->Height(), listed[i].Height) << listed[i].Resource();
  }

  EXPECT_EQ(FindImageIndex(FindSectionIndex("TsCheckBox"), "TsCheckBox", "BORDERSMASK"), -1);
  const int gauge = FindImageIndex(FindSectionIndex("TsGauge"), "TsGauge", "BORDERSMASK");
  ASSERT_GE(gauge, 0);
  EXPECT_EQ(SkinImages()[gauge].SectionName, "TSGAUGE");
  EXPECT_EQ(SkinImages()[gauge].Bitmap->Width(), 45);
  const int box = FindImageIndex(FindSectionIndex("TsScrollBox"), "TsScrollBox", "BORDERSMASK");
  ASSERT_GE(box, 0);
  EXPECT_EQ(SkinImages()[box].SectionName, "TSCONTAINER");
}

TEST_F(SkinArt, TheMainWindowsSectionsHoldTheirValues) {
  TsSkinManager manager(nullptr);
  LoadStoredSkin(manager);
  const auto section = [](const char* name) -> const SkinSectionData& {
    return SkinSections()[static_cast<std::size_t>(FindSectionIndex(name))];
  };
  const SkinSectionData& edit = section("TsEdit");
  EXPECT_EQ(edit.PaintingBevel, sBevels::cbLoweredHard);
  EXPECT_EQ(edit.PaintingBevelWidth, 1);
  EXPECT_EQ(edit.PaintingColorBorderTop, 12098687u);
  EXPECT_EQ(edit.SelectionBorderBevel, sBevels::ebAsTopBorder);
  EXPECT_EQ(edit.SelectionBorderWidth, 1);
  SkinSectionData check = section("TsCheckBox");
  EXPECT_EQ(check.ParentClassName, "TsEdit");
  check.SectionName = edit.SectionName;
  check.ParentClassName = edit.ParentClassName;
  EXPECT_EQ(check.PaintingColor, edit.PaintingColor);
  EXPECT_EQ(check.FontColor, edit.FontColor);
  EXPECT_EQ(check.SelectionBorderWidth, edit.SelectionBorderWidth);

  const SkinSectionData& button = section("TsSpeedButton");
  EXPECT_EQ(button.PaintingColor, 15263976u);
  EXPECT_EQ(button.PaintingTransparency, 50);
  EXPECT_EQ(button.HotPaintingColor, 13466380u);
  EXPECT_EQ(button.HotPaintingTransparency, 60);
  EXPECT_TRUE(button.FadingEnabled);
  EXPECT_EQ(button.FadingIterations, 4);

  const SkinSectionData& title = section("FormTitle");
  EXPECT_EQ(title.FontColor, (TsFontColor{16777215, -1, -1, 12615808, 12615808}));
  EXPECT_EQ(title.HotFontColor, (TsFontColor{16775664, -1, -1, 8140820, 8140820}));
  EXPECT_EQ(title.GradientPercent, 100);
  EXPECT_EQ(title.Gradient.size(), 4u);

  const SkinSectionData& panel = section("TsPanel");
  EXPECT_TRUE(panel.ShadowEnabled);
  EXPECT_EQ(panel.ShadowOffset, 5);
  EXPECT_EQ(section("TsGauge").ShadowOffset, 5);
  EXPECT_FALSE(section("TsGauge").ShadowEnabled);
  EXPECT_EQ(section("MenuItem").PaintingTransparency, 100);
  EXPECT_EQ(section("MenuItem").FontColor, (TsFontColor{5454116, 16380127, 16380127, -1, -1}));
  EXPECT_EQ(section("Form").ImagePercent, 100);
  EXPECT_EQ(section("Form").PaintingColor, 14998481u);

  const SkinSectionData& last = SkinSections().back();
  EXPECT_EQ(last.SelectionBorderBevel, sBevels::ebNone);
  EXPECT_EQ(last.PaintingColor, 0u);
  EXPECT_EQ(last.FadingIterations, 0);
}

TEST_F(SkinArt, TheValueSetsAcrossAllSectionsAreTheListedOnes) {
  TsSkinManager manager(nullptr);
  LoadStoredSkin(manager);
  const auto count = [](auto predicate) {
    return std::count_if(SkinSections().begin(), SkinSections().end(), predicate);
  };
  EXPECT_EQ(count([](const SkinSectionData& s) {
              return s.SelectionBorderBevel == sBevels::ebAsTopBorder &&
                     s.PaintingColorBorderTop == 12098687u && s.SelectionBorderWidth == 1;
            }),
            21);
  EXPECT_EQ(
      count([](const SkinSectionData& s) { return s.SelectionBorderBevel == sBevels::ebLowered; }),
      59);
  EXPECT_EQ(count([](const SkinSectionData& s) { return s.ShadowEnabled; }), 6);
  EXPECT_EQ(count([](const SkinSectionData& s) {
              return s.PaintingBevel != sBevels::cbNone &&
                     s.PaintingBevel != sBevels::cbLoweredHard &&
                     s.PaintingBevel != sBevels::cbRaisedSoft;
            }),
            0);
  for (const SkinSectionData& s : SkinSections()) {
    if (!s.ParentClassName.empty()) {
      EXPECT_GE(FindSectionIndex(s.ParentClassName), 0) << s.SectionName << "'s parent";
    }
  }
}

}  // namespace
