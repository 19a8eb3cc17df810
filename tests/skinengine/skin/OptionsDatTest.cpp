// Skin folders: "Options.dat" with key inheritance and defaults, and the files it names.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "framework/runtime/Exceptions.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"
#include "tests/support/JpegEncoder.h"

namespace {

using namespace sSkinManager;
using Bezier::tempfiles::WriteBytes;

class OptionsDat : public ::testing::Test {
 protected:
  OptionsDat() { std::filesystem::create_directory(folder.Path("sk")); }

  std::string File(const std::string& name) const { return folder.Path("sk/" + name); }

  // Activates the folder skin "sk" holding the given "Options.dat".
  void Activate(const std::string& options) {
    WriteBytes(File("Options.dat"), options);
    manager.SetSkinDirectory(folder.Path(""));
    manager.SetSkinName("sk");
  }

  const SkinSectionData& Loaded(const char* name) const {
    const int index = FindSectionIndex(name);
    EXPECT_GE(index, 0) << name;
    return SkinSections().at(static_cast<std::size_t>(std::max(index, 0)));
  }

  skintests::SkinStateReset reset;
  platform::HeadlessSession session;
  skintests::Log log;  // outlives the manager, which tells the probes of the skin's removal
  framework::TApplication app;
  Bezier::tempfiles::TempFolder folder;
  TsSkinManager manager{nullptr};
};

TEST_F(OptionsDat, MissingKeysComeFromTheParentOrTheDefault) {
  Activate(R"([TsPanel]
PaintingColor=255
ShadowColor=99
ShadowEnabled=true
GradientData=255;65280;50;0;0;65280;65280;0;0;0
FontColor=7
TCRight=8
[TsGauge]
ParentClassName=TsPanel
PaintingColor=-1
PaintingBevelWidth=4
[Lonely]
PaintingColor=-1
)");
  ASSERT_TRUE(SkinLoaded());
  EXPECT_EQ(SkinData().SkinPath, folder.Path("sk/"));
  const SkinSectionData& gauge = Loaded("TsGauge");
  EXPECT_EQ(gauge.ParentClassName, "TsPanel");
  EXPECT_EQ(gauge.PaintingColor, 255u) << "a stored -1 counts as missing";
  EXPECT_EQ(gauge.PaintingBevelWidth, 4);
  EXPECT_EQ(gauge.ShadowColor, 0u) << "the shadow colour is not inherited";
  EXPECT_TRUE(gauge.ShadowEnabled);
  EXPECT_EQ(gauge.FontColor, (TsFontColor{7, -1, -1, 8, -1}));
  EXPECT_EQ(gauge.HotFontColor, PlainFontColor);
  EXPECT_EQ(gauge.Gradient.size(), 2u);

  const SkinSectionData& lonely = Loaded("lonely");
  EXPECT_EQ(lonely.PaintingColor, 0xFFFFFFu);
  EXPECT_EQ(lonely.ShadowBlur, 6);
  EXPECT_EQ(lonely.ShadowTransparency, 60);
  EXPECT_EQ(lonely.FadingIterations, 5);
  EXPECT_EQ(lonely.SelectionBorderBevel, sBevels::ebLowered);
  EXPECT_EQ(lonely.GradientData, " ");
  EXPECT_TRUE(lonely.Gradient.empty());
  EXPECT_FALSE(lonely.ShadowEnabled);
  EXPECT_EQ(Loaded("TsPanel").ShadowColor, 99u);
}

TEST_F(OptionsDat, ParentCyclesAndOddBevelsAreHarmless) {
  Activate(R"([A]
ParentClassName=B
PaintingBevel=9
HotPaintingBevel=-5
SelectionBorderBevel=3
[B]
ParentClassName=a
[C]
ParentClassName=C
)");
  const SkinSectionData& a = Loaded("A");
  EXPECT_EQ(a.PaintingColor, 0xFFFFFFu) << "the cycle ends with the default";
  EXPECT_EQ(a.PaintingBevel, sBevels::cbNone);
  EXPECT_EQ(a.HotPaintingBevel, sBevels::cbNone);
  EXPECT_EQ(a.SelectionBorderBevel, sBevels::ebAsTopBorder);
  EXPECT_EQ(Loaded("B").SelectionBorderBevel, sBevels::ebAsTopBorder) << "inherited from A";
  EXPECT_EQ(Loaded("C").ShadowOffset, 3);
  EXPECT_EQ(FindImageIndex(FindSectionIndex("A"), "A", "BORDERSMASK"), -1);
}

TEST_F(OptionsDat, BitmapsAndJpegsNamedByTheSectionsAreLoaded) {
  WriteBytes(File("mask.bmp"), skintests::BmpBytes(skintests::Picture(6, 4, platform::clLime)));
  WriteBytes(File("Glyph.BMP"), skintests::BmpBytes(skintests::Picture(3, 2, platform::clRed)));
  testsupport::Picture texture{2, 2, 3, testsupport::Bytes(12, 128)};
  const testsupport::Bytes jpeg = testsupport::EncodeJpeg(texture);
  WriteBytes(File("tex.jpg"), std::string(jpeg.begin(), jpeg.end()));
  Activate(R"([TsPanel]
BordersMask=mask.bmp
GlyphMask=GLYPH.bmp
Missing=nothere.bmp
ImageFile=.\tex.jpg
Note=plain text
[TsGauge]
ParentClassName=TsPanel
)");
  ASSERT_EQ(SkinImages().size(), 2u);
  EXPECT_EQ(SkinImages()[0].SectionName, "TSPANEL");
  EXPECT_EQ(SkinImages()[0].PropertyName, "BORDERSMASK");
  EXPECT_EQ(SkinImages()[0].Bitmap->Data(), skintests::Picture(6, 4, platform::clLime));
  EXPECT_EQ(SkinImages()[1].Bitmap->Width(), 3) << "the name matched without regard to case";
  ASSERT_EQ(SkinPatterns().size(), 1u);
  EXPECT_EQ(SkinPatterns()[0].PropertyName, "IMAGEFILE");
  EXPECT_EQ(SkinPatterns()[0].Image->Width(), 2);
  EXPECT_EQ(FindImageIndex(FindSectionIndex("TsGauge"), "TsGauge", "GLYPHMASK"), 1);
}

TEST_F(OptionsDat, AFileThatCannotBeDecodedStopsTheActivation) {
  auto* probe = new skintests::TKitProbe(app.CreateForm<framework::TForm>(), &log);
  probe->SetName("Probe");
  WriteBytes(File("good.bmp"), skintests::BmpBytes(skintests::Picture(3, 3, platform::clRed)));
  WriteBytes(File("bad.bmp"), "BM this is no bitmap");
  WriteBytes(File("Options.dat"), "[S]\nA=good.bmp\nB=bad.bmp\n");
  manager.SetSkinDirectory(folder.Path(""));
  EXPECT_THROW(manager.SetSkinName("sk"), framework::Exception);
  EXPECT_FALSE(SkinLoaded());
  EXPECT_TRUE(log.empty()) << "nothing is broadcast";
  ASSERT_EQ(SkinImages().size(), 1u) << "no half-made entry is left";
  EXPECT_EQ(SkinImages()[0].PropertyName, "A");
}

TEST_F(OptionsDat, AFailedChangeOfSkinRemovesTheOldOne) {
  Activate("[S]\nA=1\n");
  ASSERT_TRUE(SkinLoaded());
  auto* probe = new skintests::TKitProbe(app.CreateForm<framework::TForm>(), &log);
  probe->SetName("Probe");
  WriteBytes(File("bad.bmp"), "BM this is no bitmap");
  EXPECT_THROW(Activate("[S]\nA=bad.bmp\n"), framework::Exception);
  EXPECT_FALSE(SkinLoaded());
  EXPECT_EQ(log, (skintests::Log{"Probe:A403"})) << "controls let go of the old skin";
}

TEST_F(OptionsDat, WithoutOptionsDatTheStoredSkinOfThatNameIsUsed) {
  manager.InternalSkins()->Add()->SetName("sk");
  manager.InternalSkins()->Items(0)->GeneralData()->Add()->Values().SectionName = "Stored";
  manager.SetSkinDirectory(folder.Path(""));
  manager.SetSkinName("sk");
  EXPECT_FALSE(SkinData().Ini);
  EXPECT_EQ(SkinData().SkinPath, "");
  EXPECT_EQ(FindSectionIndex("Stored"), 0);

  Activate("[Disk]\n");
  EXPECT_TRUE(SkinData().Ini) << "the folder wins over the stored skin";
  EXPECT_EQ(FindSectionIndex("Stored"), -1);
  EXPECT_EQ(FindSectionIndex("Disk"), 0);
}

}  // namespace
