// The main window's gauge and the style values its description carries: what is stored comes
// back when written, the gauge shows every percent of a draw once, and its own look follows the
// pipeline's formulas.
#include <span>
#include <string>
#include <vector>

#include "framework/description/DescriptionWriter.h"
#include "framework/graphics/JpegImage.h"
#include "platform/kernel/Resources.h"
#include "skinengine/skin/sSkinManager.h"
#include "tests/app/MainWindowSupport.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"
#include "tests/skinengine/skin/StoredSkinSupport.h"

namespace Bezier::testing {
namespace {

// The lines of text that set a style value, in their order and without their indentation.
std::vector<std::string> StyleLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = text.substr(start, end - start);
    if (const std::size_t at = line.find("sStyle."); at != std::string::npos)
      lines.push_back(line.substr(at));
  }
  return lines;
}

// The object's block of the stored description.
std::string StoredBlock(const std::string& name) {
  const std::string text = skintests::MainWindowText();
  const std::size_t start = text.find("  object " + name + ": ");
  return text.substr(start, text.find("\n  end\n", start) - start);
}

TEST_F(MainWindow, TheStoredStyleValuesAreWhatTheWindowWritesBack) {
  const std::span<const std::uint8_t> resource = platform::LoadResource("BarPicture");
  const framework::TBytes picture(resource.begin(), resource.end());
  // Binary data is named after the resource it came from, when it still has its bytes.
  const framework::TResourceStore store = [&](const std::string&, const framework::TBytes& data) {
    return data == picture ? "BarPicture" : "changed";
  };
  const framework::TComponent* components[] = {form->Bar, form->BtnRandom, form->Gambar,
                                               form->BtMxN};
  for (const framework::TComponent* component : components) {
    const std::vector<std::string> stored = StyleLines(StoredBlock(component->Name()));
    EXPECT_FALSE(stored.empty()) << component->Name();
    EXPECT_EQ(StyleLines(framework::WriteDescription(*component, store)), stored)
        << component->Name();
  }
}

TEST_F(MainWindow, TheGaugeShowsEveryPercentOfADrawOnce) {
  SizeTable(2, 2);
  Click(*form->BtnRandom);
  std::vector<int> shown;
  const skintests::PaintWatch watch(*form->Bar, [&] { shown.push_back(form->Bar->Percent()); });
  Click(*form->Gambar);
  Click(*form->Gambar);
  // The first draw starts at 0 already; the second goes back to it once, and then up again.
  std::vector<int> expected;
  for (int percent = 1; percent <= 100; ++percent) expected.push_back(percent);
  for (int percent = 0; percent <= 100; ++percent) expected.push_back(percent);
  EXPECT_EQ(shown, expected);
}

// Without the skin the gauge shows its own look: its picture and gradient at 50 % each, and
// its lime bar through a grey of 128 at ForeAlpha 50.
TEST_F(MainWindow, TheGaugesOwnLookMixesPictureGradientAndBarByTheirWeights) {
  form->sSkinManager1->SetActive(false);
  form->Bar->SetProgress(47);
  const platform::Bitmap shown = skintests::Painted(*form->Bar);

  framework::TJPEGImage jpeg;
  jpeg.LoadFromData(platform::LoadResource("BarPicture"));
  // Tiles of 64 x 32 from (0, 0); the gradient runs from grey 128 in row 0 by 127 / 16 a row.
  // Weight 128 (50 * 256 div 100): b = floor(128 p / 256) + g - floor(128 g / 256), and with
  // g + i = 100 no colour follows. The raised bevel keeps the bar inside (1, 1, 504, 16):
  // x = trunc(503 * 47 / 100) = 236. Lime then goes over it all, c + floor(m (b - c) / 256).
  //
  // (400, 4), beside the bar: picture (16, 4) = (R 216, G 224, B 235), g = 128 + 4 * 7.9375
  // = 160: b = (108 + 80, 112 + 80, 117 + 80) = (188, 192, 197); mask 255: (floor(255 * 188
  // / 256), 255 + floor(255 * (192 - 255) / 256), floor(255 * 197 / 256)) = (187, 192, 196).
  EXPECT_EQ(jpeg.Picture().Pixel(16, 4), 0xEBE0D8u);
  EXPECT_EQ(shown.Pixel(400, 4), 0xC4C0BBu);
  // (100, 12), in the bar: picture (36, 12) = (R 167, G 181, B 194), g = 128 + 12 * 7.9375
  // = 223.25, so 223: b = (83 + 112, 90 + 112, 97 + 112) = (195, 202, 209); mask 128:
  // (floor(195 / 2), 255 + floor((202 - 255) / 2), floor(209 / 2)) = (97, 228, 104).
  EXPECT_EQ(jpeg.Picture().Pixel(36, 12), 0xC2B5A7u);
  EXPECT_EQ(shown.Pixel(100, 12), 0x68E461u);
}

}  // namespace
}  // namespace Bezier::testing
