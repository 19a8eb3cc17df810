// Skin folders: "Options.dat" with key inheritance and defaults, and the files it names.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "framework/runtime/Exceptions.h"
#include "skinengine/skin/sSkinFolderRules.h"
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
  EXPECT_TRUE(SkinImages().empty()) << "the good picture went with the failed skin";
  EXPECT_EQ(manager.SkinName(), "") << "the name in force stays";
}

TEST_F(OptionsDat, AFailedChangeOfSkinKeepsTheOldOne) {
  WriteBytes(File("good.bmp"), skintests::BmpBytes(skintests::Picture(3, 3, platform::clRed)));
  Activate("[S]\nA=good.bmp\n");
  ASSERT_TRUE(SkinLoaded());
  const platform::Bitmap* picture = &SkinImages().at(0).Bitmap->Data();
  auto* probe = new skintests::TKitProbe(app.CreateForm<framework::TForm>(), &log);
  probe->SetName("Probe");
  std::filesystem::create_directory(folder.Path("bad"));
  WriteBytes(folder.Path("bad/bad.bmp"), "BM this is no bitmap");
  WriteBytes(folder.Path("bad/Options.dat"), "[T]\nA=bad.bmp\n");
  EXPECT_THROW(manager.SetSkinName("bad"), framework::Exception);
  EXPECT_TRUE(log.empty()) << "controls keep the skin they have";
  EXPECT_TRUE(SkinLoaded());
  EXPECT_EQ(manager.SkinName(), "sk");
  EXPECT_EQ(SkinData().SkinPath, folder.Path("sk/"));
  EXPECT_EQ(SkinData().Ini->ReadString("S", "A", ""), "good.bmp");
  EXPECT_EQ(FindSectionIndex("S"), 0);
  EXPECT_EQ(FindSectionIndex("T"), -1);
  ASSERT_EQ(SkinImages().size(), 1u);
  EXPECT_EQ(&SkinImages()[0].Bitmap->Data(), picture) << "the very pictures are back";

  manager.SetActive(false);
  EXPECT_THROW(
      {
        manager.SetSkinName("bad");
        manager.SetActive(true);
      },
      framework::Exception);
  EXPECT_FALSE(manager.Active()) << "a skin that never loaded leaves the plain look";
  EXPECT_FALSE(SkinLoaded());
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

// A BMP file header and info header that claim a size, with no pixels behind them.
std::string BmpHeader(std::int32_t width, std::int32_t height) {
  std::string bytes(54, '\0');
  const auto put = [&](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put(2, 54);
  put(10, 54);
  put(14, 40);
  put(18, static_cast<std::uint32_t>(width));
  put(22, static_cast<std::uint32_t>(height));
  bytes[26] = 1;
  bytes[28] = 24;
  return bytes;
}

std::string JpegBytes(int width, int height) {
  const testsupport::Picture picture{width, height, 3,
                                     testsupport::Bytes(std::size_t(width) * height * 3, 90)};
  const testsupport::Bytes jpeg = testsupport::EncodeJpeg(picture);
  return {jpeg.begin(), jpeg.end()};
}

// Each folder breaks one rule of untrusted skins; the skin in force must stay, unbroadcast.
TEST_F(OptionsDat, FoldersThatBreakTheRulesAreRefusedAndTheSkinInForceStays) {
  const std::string outside = folder.Path("out.bmp");
  WriteBytes(outside, skintests::BmpBytes(skintests::Picture(5, 5, platform::clRed)));
  WriteBytes(folder.Path("good.bmp"), skintests::BmpBytes(skintests::Picture(3, 3, 0)));
  struct Case {
    const char* What;
    std::string Options;
    std::function<void(const std::string& dir)> Make;
    const char* Named;  // what the message must name
  };
  const auto none = [](const std::string&) {};
  const Case cases[] = {
      {"absolute name", "[S]\nA=" + outside + "\n", none, "out.bmp"},
      {"drive letter", "[S]\nA=C:\\x.bmp\n", none, "C:\\x.bmp"},
      {"dot-dot", "[S]\nA=../out.bmp\n", none, "../out.bmp"},
      {"dot-dot behind a folder", "[S]\nA=sub\\..\\..\\out.bmp\n",
       [](const std::string& d) { std::filesystem::create_directory(d + "sub"); }, "sub"},
      {"link leading out", "[S]\nA=link.bmp\n",
       [&](const std::string& d) { std::filesystem::create_symlink(outside, d + "link.bmp"); },
       "link.bmp"},
      {"folder link leading out", "[S]\nA=up/out.bmp\n",
       [&](const std::string& d) {
         std::filesystem::create_directory_symlink(folder.Path(""), d + "up");
       },
       "up/out.bmp"},
      // 8193 = 8192 + 1, one pixel over the limit; the header alone says so.
      {"wide bitmap", "[S]\nA=wide.bmp\n",
       [](const std::string& d) { WriteBytes(d + "wide.bmp", BmpHeader(8193, 1)); }, "8193 x 1"},
      {"tall top-down bitmap", "[S]\nA=tall.bmp\n",
       [](const std::string& d) { WriteBytes(d + "tall.bmp", BmpHeader(2, -8193)); }, "2 x 8193"},
      {"tall jpeg", "[S]\nA=tall.jpg\n",
       [](const std::string& d) { WriteBytes(d + "tall.jpg", JpegBytes(1, 8193)); }, "1 x 8193"},
      // 4 MB is 4194304 bytes; one comment byte more is refused unread.
      {"large options", std::string(4194304, ';') + "\n", none, "4 MB"},
  };
  manager.SetSkinDirectory(folder.Path(""));
  std::filesystem::create_directory(folder.Path("ok"));
  WriteBytes(folder.Path("ok/Options.dat"), "[Ok]\n");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    manager.SetSkinName("ok");
    const std::string dir = folder.Path(std::string("bad ") + c.What + "/");
    std::filesystem::create_directory(dir);
    c.Make(dir);
    WriteBytes(dir + "Options.dat", c.Options);
    try {
      manager.SetSkinName(std::string("bad ") + c.What);
      ADD_FAILURE() << "accepted";
    } catch (const ESkinRefused& e) {
      EXPECT_NE(e.Message().find(c.Named), std::string::npos) << e.Message();
    }
    EXPECT_EQ(manager.SkinName(), "ok");
    EXPECT_EQ(FindSectionIndex("Ok"), 0);
    EXPECT_TRUE(SkinImages().empty()) << "nothing outside was read";
  }
}

TEST_F(OptionsDat, LinksInsideTheFolderAndPicturesAtTheLimitAreRead) {
  WriteBytes(File("real.bmp"), skintests::BmpBytes(skintests::Picture(4, 2, 0)));
  std::filesystem::create_symlink("real.bmp", File("alias.bmp"));
  std::filesystem::create_directory(File("pics"));
  WriteBytes(File("pics/strip.jpg"), JpegBytes(8192, 1));
  Activate("[S]\nA=alias.bmp\nC=pics\\strip.jpg\n");
  ASSERT_EQ(SkinImages().size(), 1u);
  EXPECT_EQ(SkinImages()[0].Bitmap->Width(), 4);
  ASSERT_EQ(SkinPatterns().size(), 1u);
  EXPECT_EQ(SkinPatterns()[0].Image->Width(), 8192);
}

TEST_F(OptionsDat, AReportListsMissingPicturesAndTheSectionsAskedFor) {
  TsSkinReport report;
  Activate("[TsPanel]\nBordersMask=gone.bmp\nGlyph=gone.bmp\n[TsEdit]\nImagefile=nope.jpg\n");
  EXPECT_EQ(FindSectionIndex("TsGauge"), -1);
  EXPECT_EQ(FindSectionIndex("TsGauge"), -1);
  EXPECT_EQ(FindSectionIndex(""), -1);
  EXPECT_EQ(report.Missing(),
            (std::vector<std::string>{"gambar \"gone.bmp\" dari [TsPanel] BordersMask tidak ada",
                                      "gambar \"gone.bmp\" dari [TsPanel] Glyph tidak ada",
                                      "gambar \"nope.jpg\" dari [TsEdit] Imagefile tidak ada",
                                      "bagian [TsGauge] tidak ada"}))
      << "each once, in the order found; an empty name is nobody's section";
}

}  // namespace
