#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "framework/classes/ClassRegistry.h"
#include "framework/description/DescriptionReader.h"
#include "framework/description/DescriptionWriter.h"
#include "framework/graphics/JpegImage.h"
#include "framework/runtime/Exceptions.h"
#include "tests/skinengine/style/StyleTestSupport.h"
#include "tests/support/JpegEncoder.h"

namespace {

using styletests::THolder;

framework::TBytes GaugeJpeg() {
  testsupport::Picture picture{8, 6, 3, {}};
  picture.samples.assign(8 * 6 * 3, 0x80);
  return testsupport::EncodeJpeg(picture);
}

class StyleStreaming : public ::testing::Test {
 protected:
  void Read(std::string_view text, THolder& target) {
    framework::ReadDescription(text, target, classes, [this](const std::string& name) {
      return name == "gauge.jpg" ? std::optional(jpeg) : std::nullopt;
    });
  }
  std::string Write(const THolder& source) {
    return framework::WriteDescription(
        source, [this](const std::string& path, const framework::TBytes& data) {
          EXPECT_EQ(path, "Holder.Gauge.Background.Image.Image.Data");
          EXPECT_EQ(data, jpeg);
          return std::string("gauge.jpg");
        });
  }
  static bool Has(const std::string& text, const std::string& line) {
    return text.find("  " + line + "\n") != std::string::npos;
  }

  framework::TClassRegistry classes;
  framework::TBytes jpeg = GaugeJpeg();
};

constexpr std::string_view MainWindowStyles =
    "object Holder: THolder\n"
    "  Edit.GroupIndex = 0\n"
    "  Edit.SkinSection = 'TsEdit'\n"
    "  Edit.Painting.ColorBorderTop = clBtnHighlight\n"
    "  Edit.Caption.Layout = sclLeft\n"
    "  Edit.Caption.MaxWidth = 0\n"
    "  Edit.Caption.Active = False\n"
    "  Gauge.GroupIndex = 0\n"
    "  Gauge.SkinSection = 'TsGauge'\n"
    "  Gauge.Painting.Color = clLime\n"
    "  Gauge.Painting.ParentColor = False\n"
    "  Gauge.Background.Image.Image.Data = {file 'gauge.jpg'}\n"
    "  Gauge.Background.Image.Percent = 50\n"
    "  Gauge.Background.Gradient.Data = '8421504;16777215;99;0;0;16777215;16777215;0;0;0'\n"
    "  Gauge.Background.Gradient.Percent = 50\n"
    "  Button.GroupIndex = 0\n"
    "  Button.SkinSection = 'TsSpeedButton'\n"
    "  Button.Painting.Color = clBtnFace\n"
    "  Button.HotStyle.HotPainting.Transparency = 0\n"
    "end\n";

TEST_F(StyleStreaming, FreshStylesWriteOnlyWhatDiffersFromTheDeclaredDefaults) {
  THolder holder(nullptr);
  const std::string text = Write(holder);
  // The editor's initial top border colour is not its declared default; properties without
  // a declared default are always written.
  for (const char* line :
       {"Edit.Painting.ColorBorderTop = clBtnHighlight", "Edit.GroupIndex = 0",
        "Edit.Caption.Layout = sclLeft", "Edit.Caption.MaxWidth = 0", "Edit.Caption.Active = False",
        "Button.HotStyle.HotPainting.Transparency = 0"})
    EXPECT_TRUE(Has(text, line)) << line << " in\n" << text;
  for (const char* left : {"Edit.Painting.Color ", "SoftControl", "Shadow", "Selection", "Fading",
                           "Background.Gradient.Percent", "Frame."})
    EXPECT_EQ(text.find(left), std::string::npos) << left << " in\n" << text;
}

TEST_F(StyleStreaming, APaintStyleWritesItsOwnGroupIndexOnce) {
  THolder holder(nullptr);
  holder.Gauge()->SetPublishedGroupIndex(4);
  const std::string text = Write(holder);
  EXPECT_TRUE(Has(text, "Gauge.GroupIndex = 4")) << text;
  EXPECT_EQ(text.find("Gauge.GroupIndex"), text.rfind("Gauge.GroupIndex")) << text;
  EXPECT_EQ(holder.Gauge()->GroupIndex(), 0);
  // The form style's group number has a declared default of 0.
  EXPECT_EQ(text.find("Frame.GroupIndex"), std::string::npos) << text;

  THolder copy(nullptr);
  Read("object Holder: THolder\n  Gauge.GroupIndex = 7\nend\n", copy);
  EXPECT_EQ(copy.Gauge()->PublishedGroupIndex(), 7);
  EXPECT_EQ(copy.Gauge()->GroupIndex(), 0);
}

TEST_F(StyleStreaming, TheMainWindowStylesReadBackWithTheirValues) {
  THolder holder(nullptr);
  Read(MainWindowStyles, holder);

  const sStyleEdits::TsStyle& edit = *holder.Edit();
  EXPECT_EQ(edit.SkinSection(), "TsEdit");
  EXPECT_EQ(edit.Painting()->ColorBorderTop(), platform::clBtnHighlight);
  EXPECT_EQ(edit.Caption()->Layout(), sStyleEdits::sclLeft);
  EXPECT_FALSE(edit.Caption()->Active());

  const sStyleUtil::TsPassiveBGStyle& gauge = *holder.Gauge();
  EXPECT_EQ(gauge.SkinSection(), "TsGauge");
  EXPECT_EQ(gauge.Painting()->Color(), platform::clLime);
  EXPECT_FALSE(gauge.Painting()->ParentColor());
  EXPECT_NE(dynamic_cast<framework::TJPEGImage*>(gauge.Background()->Image()->Image()->Graphic()),
            nullptr);
  EXPECT_EQ(gauge.Background()->Image()->Percent(), 50);
  EXPECT_EQ(gauge.Background()->Gradient()->Percent(), 50);
  EXPECT_EQ(gauge.Background()->Gradient()->GradientArray().size(), 2u);
  EXPECT_EQ(gauge.Background()->Gradient()->GradientArray()[0].Color1, 8421504);

  const sStyleUtil::TsActiveBGStyle& button = *holder.Button();
  EXPECT_EQ(button.SkinSection(), "TsSpeedButton");
  EXPECT_EQ(button.Painting()->Color(), platform::clBtnFace);
  EXPECT_EQ(button.HotStyle()->HotPainting()->Transparency(), 0);
}

TEST_F(StyleStreaming, WritingWhatWasReadGivesTheSameTextAgain) {
  THolder first(nullptr);
  Read(MainWindowStyles, first);
  const std::string written = Write(first);
  EXPECT_TRUE(Has(written, "Gauge.Background.Image.Image.Data = {file 'gauge.jpg'}")) << written;
  EXPECT_TRUE(Has(written, "Gauge.Painting.Color = clLime")) << written;

  THolder second(nullptr);
  Read(written, second);
  EXPECT_EQ(Write(second), written);
}

// A refused read leaves the gradient's text as it was.
TEST_F(StyleStreaming, MalformedOrOutOfRangeStoredValuesFailTheRead) {
  for (const char* line :
       {"Gauge.Background.Gradient.Data = '1;2;x;4;5'", "Edit.Caption.Layout = sclBottom",
        "Button.BtnEffects.Fading.Iterations = 300"}) {
    THolder holder(nullptr);
    EXPECT_THROW(Read("object Holder: THolder\n  " + std::string(line) + "\nend\n", holder),
                 framework::Exception)
        << line;
    EXPECT_EQ(holder.Gauge()->Background()->Gradient()->Data(), "") << line;
  }
}

}  // namespace
