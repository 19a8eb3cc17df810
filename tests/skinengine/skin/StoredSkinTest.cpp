// Stored skins: their description form, and how the loader copies them into the skin lists.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "framework/description/DescriptionReader.h"
#include "framework/description/DescriptionWriter.h"
#include "framework/graphics/Graphic.h"
#include "framework/runtime/Exceptions.h"
#include "skinengine/skin/sSkinLoaders.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"

namespace {

using namespace sSkinManager;

constexpr const char* TinySkin = R"(object Manager: TsSkinManager
  InternalSkins = <
    item
      Name = 'Other'
    end
    item
      Name = 'Tiny'
      GeneralData = <
        item
          SectionName = 'TsPanel'
          PaintingColor = clWhite
          PaintingBevel = cbRaisedSoft
          FontColor = '16777215 -1  -1 12615808 12615808'
          GradientData = '255;65280;50;0;0;65280;65280;0;0;0'
          SelectionBorderBevel = ebAsTopBorder
          SelectionColor = 15461355
        end
        item
          SectionName = 'TsGauge'
          ParentClassName = 'TsPanel'
          PaintingColor = 42
          FontColor = '0 -1 -1 -1 -1'
          HotFontColor = '7 1'
          ShadowBlur = 9
          SelectionColor = 5
        end
        item
          SectionName = 'TsEdit'
          HotGradientData = '1;2;x;0;0'
          HotImagePercent = 30
        end
        item
        end>
      Images = <
        item
          SectionName = 'TsPanel'
          Image.Data = {file 'mask'}
          PropertyName = 'BordersMask'
        end
        item
          SectionName = 'TsGauge'
          PropertyName = 'Empty'
        end>
    end>
  SkinName = 'Tiny'
end
)";

framework::TResourceResolver Resources() {
  return [](const std::string& name) -> std::optional<framework::TBytes> {
    if (name != "mask") return std::nullopt;
    const std::vector<std::uint8_t> bytes =
        platform::WriteBmp(skintests::Picture(9, 6, platform::clRed));
    return framework::TBytes(bytes.begin(), bytes.end());
  };
}

class StoredSkin : public ::testing::Test {
 protected:
  void Read(const std::string& text, TsSkinManager& root) {
    framework::ReadDescription(text, root, skintests::SkinClasses(), Resources());
  }

  skintests::SkinStateReset reset;
  platform::HeadlessSession session;
  framework::TApplication app;
};

// A manager that read the tiny skin.
class TinySkinRead : public StoredSkin {
 protected:
  void SetUp() override { Read(TinySkin, manager); }

  TsSkinManager manager{nullptr};
};

TEST_F(TinySkinRead, ReadingTheManagerLoadsTheNamedSkinAsStored) {
  ASSERT_TRUE(SkinLoaded());
  ASSERT_EQ(SkinSections().size(), 4u);
  const SkinSectionData& panel = SkinSections()[0];
  EXPECT_EQ(panel.PaintingColor, 0xFFFFFFu);
  EXPECT_EQ(panel.PaintingBevel, sBevels::cbRaisedSoft);
  EXPECT_EQ(panel.FontColor, (TsFontColor{16777215, -1, -1, 12615808, 12615808}))
      << "words split at runs of blanks";
  EXPECT_EQ(panel.HotFontColor, PlainFontColor) << "an empty list";
  ASSERT_EQ(panel.Gradient.size(), 2u);
  EXPECT_EQ(panel.Gradient[0].Color2, 65280);
  EXPECT_EQ(panel.SelectionBorderBevel, sBevels::ebAsTopBorder);
  EXPECT_EQ(panel.PaintingBevelWidth, 0) << "no inheritance or defaults for stored skins";

  const SkinSectionData& gauge = SkinSections()[1];
  EXPECT_EQ(gauge.PaintingColor, 42u);
  EXPECT_EQ(gauge.FontColor, PlainFontColor) << "text colour 0, no outline passes";
  EXPECT_EQ(gauge.HotFontColor, TsFontColor{}) << "the short list stops the item";
  EXPECT_EQ(gauge.ShadowBlur, 0) << "fields after the failure stay zero";
  EXPECT_EQ(gauge.SelectionColor, 0u);

  const SkinSectionData& edit = SkinSections()[2];
  EXPECT_EQ(edit.HotGradient.size(), 1u) << "the bad step stays in, zero";
  EXPECT_EQ(edit.HotImagePercent, 0) << "a bad gradient stops the item as well";
  EXPECT_EQ(FindSectionIndex(""), 3);
}

TEST_F(TinySkinRead, ImagesAreCopiedWithUpperCaseNamesAndEmptyOnesLeftOut) {
  ASSERT_EQ(SkinImages().size(), 1u);
  const SkinImageEntry& image = SkinImages()[0];
  EXPECT_EQ(image.SectionName, "TSPANEL");
  EXPECT_EQ(image.PropertyName, "BORDERSMASK");
  EXPECT_EQ(image.TransparentColor, 0xFF00FFu);
  EXPECT_EQ(image.Bitmap->Data(), skintests::Picture(9, 6, platform::clRed));
  EXPECT_NE(image.Bitmap.get(), manager.InternalSkins()->Items(1)->Images()->Items(0)->Image())
      << "a copy";
  EXPECT_EQ(FindImageIndex(1, "TsGauge", "BORDERSMASK"), 0) << "the parent's";
}

TEST_F(TinySkinRead, WritingReadingAndWritingAgainGivesTheSameText) {
  const std::string written = framework::WriteDescription(manager);

  // Properties in stream order, none left out for being a default.
  const std::size_t name = written.find("SectionName = 'TsGauge'");
  const std::size_t parent = written.find("ParentClassName = 'TsPanel'", name);
  const std::size_t width = written.find("PaintingBevelWidth = 0", parent);
  const std::size_t selection = written.find("SelectionColor = 5", width);
  EXPECT_LT(name, parent);
  EXPECT_LT(parent, width);
  EXPECT_LT(width, selection);
  EXPECT_NE(selection, std::string::npos) << written;
  EXPECT_NE(written.find("Image.Data = {"), std::string::npos);
  EXPECT_EQ(written.find("Active"), std::string::npos) << "true is the default";

  skintests::SkinStateReset forget;  // the second manager registers afresh
  TsSkinManager second(nullptr);
  Read(written, second);
  EXPECT_EQ(framework::WriteDescription(second), written);
}

// Names are matched with case: "tiny" is unknown too.
TEST_F(TinySkinRead, AnUnknownNameClearsImagesAndPatternsButKeepsSections) {
  for (const char* unknown : {"Missing", "tiny"}) {
    manager.SetSkinName("Tiny");
    ASSERT_EQ(SkinImages().size(), 1u);
    manager.SetSkinName(unknown);
    EXPECT_TRUE(SkinLoaded()) << unknown << ": the activation still runs to its end";
    EXPECT_TRUE(SkinImages().empty()) << unknown;
    EXPECT_EQ(SkinSections().size(), 4u) << unknown;
  }
  manager.SetSkinName("Other");
  EXPECT_TRUE(SkinSections().empty()) << "an existing skin replaces the sections";
}

TEST_F(TinySkinRead, WholeSkinsCanBeAssignedFromCode) {
  TsStoredSkins copy(nullptr);
  copy.Assign(manager.InternalSkins());
  ASSERT_EQ(copy.Count(), 2);
  const TsStoredSkin& skin = *copy.Items(1);
  EXPECT_EQ(skin.Name(), "Tiny");
  EXPECT_EQ(skin.GeneralData()->Items(1)->Values().ParentClassName, "TsPanel");
  EXPECT_EQ(skin.GeneralData()->Items(0)->Values().GradientData.Text(),
            "255;65280;50;0;0;65280;65280;0;0;0");
  EXPECT_EQ(skin.Images()->Items(0)->Image()->Data(), skintests::Picture(9, 6, platform::clRed));
  EXPECT_NE(skin.Images()->Items(0)->Image(),
            manager.InternalSkins()->Items(1)->Images()->Items(0)->Image());
}

TEST_F(StoredSkin, BadStoredValuesAreReadErrors) {
  TsSkinManager manager(nullptr);
  EXPECT_THROW(Read(R"(object M: TsSkinManager
  InternalSkins = < item GeneralData = < item PaintingBevel = cbSideways end > end >
end)",
                    manager),
               framework::EReadError);
  EXPECT_THROW(Read(R"(object M: TsSkinManager
  InternalSkins = < item Images = < item Image.Data = {00} end > end >
end)",
                    manager),
               framework::EInvalidGraphic)
      << "named with its line, in the class of the error";
}

TEST_F(StoredSkin, AStoredSectionOfDefaultsLoadsAsAnOptionsSectionWithoutKeys) {
  TsSkinManager manager(nullptr);
  TsStoredSkin& skin = *manager.InternalSkins()->Add();
  skin.SetName("Defaults");
  TsGeneralValues& values = skin.GeneralData()->Add()->Values();
  values = DefaultGeneralValues();
  values.SectionName = "S";
  manager.SetSkinName("Defaults");
  const SkinSectionData stored = SkinSections().at(0);
  EXPECT_EQ(stored.FontColor, PlainFontColor) << "the list \"0 -1 -1 -1 -1\" read back";

  framework::TMemIniFile ini;
  ini.SetText("[S]\n");
  LoadOptionsSections(ini);
  EXPECT_TRUE(SkinSections().at(0) == stored);
}

TEST_F(StoredSkin, LongGradientTextKeepsItsFirst255Characters) {
  TsStoredSkins skins(nullptr);
  TsSkinGeneral& section = *skins.Add()->GeneralData()->Add();
  const std::string text(300, ';');
  section.ClassInfo().FindProperty("GradientData")->Set(section, text);
  EXPECT_EQ(section.Values().GradientData.Text().size(), 255u);
}

}  // namespace
