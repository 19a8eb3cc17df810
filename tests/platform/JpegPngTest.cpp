#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <png.h>
#include <unistd.h>

#include "platform/Error.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Jpeg.h"
#include "platform/graphics/Png.h"
#include "support/JpegEncoder.h"

namespace platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

using testsupport::EncodeJpeg;
using testsupport::JpegOptions;
using testsupport::Picture;

// A gradient with a white bar and a dark blue disc: smooth areas and sharp edges.
Picture ColourPicture() {
  Picture p{67, 45, 3, {}};
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      const bool bar = x >= 8 && x < 24 && y >= 5 && y < 40;
      const bool disc = (x - 48) * (x - 48) + (y - 22) * (y - 22) < 144;
      const int r = bar ? 255 : disc ? 20 : x * 255 / (p.width - 1);
      const int g = bar ? 255 : disc ? 30 : y * 255 / (p.height - 1);
      const int b = bar ? 255 : disc ? 140 : 128;
      p.samples.insert(p.samples.end(), {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)});
    }
  }
  return p;
}

Picture GreyPicture() {
  Picture p{31, 17, 1, {}};
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      p.samples.push_back(std::uint8_t(x < 10 && y < 10 ? 230 : (x * 7 + y * 5) % 256));
  return p;
}

int Luminance(const std::uint8_t* rgb) {
  return (rgb[0] * 299 + rgb[1] * 587 + rgb[2] * 114 + 500) / 1000;
}

// Mean and largest per-channel difference between a decoded bitmap and its source picture,
// or the source's luminance.
struct Deviation {
  double mean = 0;
  int max = 0;
};

Deviation Compare(const Bitmap& b, const Picture& p, bool luminance) {
  Deviation e;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      const std::uint8_t* bgr = b.ScanLine(y) + 3 * x;
      const std::uint8_t* s = p.At(x, y);
      const int grey = p.components == 1 ? s[0] : luminance ? Luminance(s) : -1;
      for (int c = 0; c < 3; ++c) {
        const int d = std::abs(bgr[2 - c] - (grey >= 0 ? grey : s[c]));
        e.mean += d;
        e.max = std::max(e.max, d);
      }
    }
  }
  e.mean /= 3.0 * b.Width() * b.Height();
  return e;
}

bool ChannelsEqual(const Bitmap& b) {
  for (int y = 0; y < b.Height(); ++y)
    for (const std::uint8_t* p = b.ScanLine(y); p < b.ScanLine(y) + 3 * b.Width(); p += 3)
      if (p[0] != p[1] || p[1] != p[2]) return false;
  return true;
}

std::size_t FindMarker(const Bytes& jpeg, std::uint8_t code, std::size_t from = 0) {
  for (std::size_t i = from; i + 1 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == code) return i;
  ADD_FAILURE() << "no marker " << int(code);
  return 0;
}

// Matches a callable that throws platform::Error with `text` in its message.
auto FailsWith(const std::string& text) {
  return ::testing::ThrowsMessage<Error>(::testing::HasSubstr(text));
}

TEST(Jpeg, PicturesDecodeWithinCompressionError) {
  const Picture colour = ColourPicture();
  const Picture grey = GreyPicture();
  // Halved chroma smears the sharp coloured edges; full chroma stays close everywhere. Grey
  // results hold the luminance in all three channels.
  const struct {
    const char* name;
    const Picture& picture;
    JpegOptions options;
    bool grey;
    double mean;
    int max;
  } cases[] = {
      {"4:2:0", colour, {}, false, 4.0, 90},
      {"4:4:4", colour, {.fullChroma = true}, false, 1.5, 24},
      {"stored as RGB", colour, {.stored = JCS_RGB, .fullChroma = true}, false, 1.5, 24},
      {"progressive", colour, {.progressive = true}, false, 4.0, 90},
      {"grey of YCbCr", colour, {.fullChroma = true}, true, 1.0, 10},
      {"grey of RGB", colour, {.stored = JCS_RGB, .fullChroma = true}, true, 1.0, 10},
      {"greyscale source", grey, {}, false, 1.0, 10},
      {"greyscale source in grey", grey, {}, true, 1.0, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Bitmap b = DecodeJpeg(EncodeJpeg(c.picture, c.options), c.grey);
    ASSERT_EQ(b.Width(), c.picture.width);
    ASSERT_EQ(b.Height(), c.picture.height);
    EXPECT_EQ(ChannelsEqual(b), c.grey || c.picture.components == 1);
    const Deviation e = Compare(b, c.picture, c.grey);
    EXPECT_LT(e.mean, c.mean);
    EXPECT_LE(e.max, c.max);
  }
}

TEST(Jpeg, CmykBecomesRgb) {
  // Quadrants of red, green, blue and half-black ink, each an exact 16x16 block.
  const int inks[4][4] = {{0, 255, 255, 0}, {255, 0, 255, 0}, {255, 255, 0, 0}, {0, 0, 0, 128}};
  const int rgb[4] = {0x0000FF, 0x00FF00, 0xFF0000, 0x7F7F7F};  // as TColor, 0xBBGGRR
  struct Variant {
    J_COLOR_SPACE stored;
    bool adobe;  // Adobe's files store inverted inks
  };
  for (const Variant v :
       {Variant{JCS_YCCK, true}, Variant{JCS_CMYK, true}, Variant{JCS_CMYK, false}}) {
    SCOPED_TRACE(testing::Message() << "stored " << v.stored << " adobe " << v.adobe);
    Picture p{32, 32, 4, {}};
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        for (const int ink : inks[(y / 16) * 2 + x / 16])
          p.samples.push_back(std::uint8_t(v.adobe ? 255 - ink : ink));
    const Bytes jpeg = EncodeJpeg(p, {.stored = v.stored, .adobeMarker = v.adobe});
    const Bitmap colour = DecodeJpeg(jpeg);
    const Bitmap grey = DecodeJpeg(jpeg, true);
    EXPECT_TRUE(ChannelsEqual(grey));
    for (int q = 0; q < 4; ++q) {
      const TColor c = colour.Pixel((q % 2) * 16 + 8, (q / 2) * 16 + 8);
      EXPECT_NEAR(GetRValue(c), GetRValue(rgb[q]), 4) << q;
      EXPECT_NEAR(GetGValue(c), GetGValue(rgb[q]), 4) << q;
      EXPECT_NEAR(GetBValue(c), GetBValue(rgb[q]), 4) << q;
      const std::uint8_t expected[3] = {GetRValue(rgb[q]), GetGValue(rgb[q]), GetBValue(rgb[q])};
      EXPECT_NEAR(GetRValue(grey.Pixel((q % 2) * 16 + 8, (q / 2) * 16 + 8)), Luminance(expected), 4)
          << q;
    }
  }
}

TEST(Jpeg, SizeComesFromTheHeaderAlone) {
  const Bytes jpeg = EncodeJpeg(ColourPicture());
  EXPECT_EQ(JpegSize(jpeg), (TSize{67, 45}));
  const std::size_t sos = FindMarker(jpeg, 0xDA);
  const Bytes header(jpeg.begin(), jpeg.begin() + sos + 2 + (jpeg[sos + 2] << 8 | jpeg[sos + 3]));
  EXPECT_EQ(JpegSize(header), (TSize{67, 45}));
  EXPECT_THROW(DecodeJpeg(header), Error) << "no pixel data";
}

TEST(Jpeg, HarmlessWarningsAreIgnored) {
  const Bytes good = EncodeJpeg(ColourPicture());
  Bytes stray = good;  // bytes between segments, as some writers leave them
  stray.insert(stray.begin() + static_cast<std::ptrdiff_t>(FindMarker(good, 0xDA)), {0x00, 0x42});
  EXPECT_EQ(DecodeJpeg(stray), DecodeJpeg(good));
}

TEST(Jpeg, BadDataIsAnError) {
  const Bytes good = EncodeJpeg(ColourPicture());
  std::mt19937 random(7);
  Bytes noise(600);
  for (auto& byte : noise) byte = std::uint8_t(random());
  Bitmap tiny(2, 2);
  const std::size_t sof = FindMarker(good, 0xC0);
  const std::size_t sos = FindMarker(good, 0xDA);
  const Bytes progressive = EncodeJpeg(ColourPicture(), {.progressive = true});
  const std::size_t secondScan = FindMarker(progressive, 0xDA, FindMarker(progressive, 0xDA) + 2);

  std::vector<std::pair<const char*, Bytes>> cases = {
      {"empty", {}},
      {"noise", noise},
      {"png", EncodePng(tiny)},
      {"cut in the header", Bytes(good.begin(), good.begin() + sof + 4)},
      {"cut in the pixels", Bytes(good.begin(), good.begin() + (sos + good.size()) / 2)},
      {"cut between scans", Bytes(progressive.begin(), progressive.begin() + secondScan)},
  };
  Bytes twelveBits = good;
  twelveBits[sof + 4] = 12;
  cases.emplace_back("12-bit precision", twelveBits);
  Bytes noComponents = good;
  noComponents[sof + 9] = 0;
  cases.emplace_back("no components", noComponents);
  Bytes endInside = good;
  const std::size_t middle = (sos + good.size()) / 2;
  endInside[middle] = 0xFF;
  endInside[middle + 1] = 0xD9;
  cases.emplace_back("end marker inside the pixels", endInside);
  Bytes restartsOutOfOrder = EncodeJpeg(ColourPicture(), {.restartRows = 1});
  restartsOutOfOrder[FindMarker(restartsOutOfOrder, 0xD1) + 1] = 0xD5;
  cases.emplace_back("restart markers out of order", restartsOutOfOrder);

  for (const auto& [name, data] : cases) {
    SCOPED_TRACE(name);
    EXPECT_THROW(DecodeJpeg(data), Error);
    EXPECT_THROW(DecodeJpeg(data, true), Error);
  }
  EXPECT_THROW(JpegSize({}), Error);
  EXPECT_THROW(JpegSize(noise), Error);
}

TEST(Jpeg, HeaderPromisingTooManyPixelsIsRefusedBeforeAllocating) {
  const Bytes good = EncodeJpeg(GreyPicture());
  const std::size_t sof = FindMarker(good, 0xC0);
  for (const int side : {60000, 8000}) {  // past the bitmap limit; within it but not the data's
    SCOPED_TRACE(side);
    Bytes lie = good;
    lie[sof + 5] = lie[sof + 7] = std::uint8_t(side >> 8);
    lie[sof + 6] = lie[sof + 8] = std::uint8_t(side);
    EXPECT_EQ(JpegSize(lie), (TSize{side, side}));
    EXPECT_THAT([&] { DecodeJpeg(lie); },
                FailsWith(std::to_string(side) + " x " + std::to_string(side)));
  }
}

TEST(Jpeg, EndlessProgressionIsRefused) {
  // Every AC coefficient in its own scan, refined bit by bit: a valid file of 694 scans.
  JpegOptions o{.progressive = true, .scans = {{1, {0}, 0, 0, 0, 0}}};
  for (int k = 1; k < 64; ++k) {
    o.scans.push_back({1, {0}, k, k, 0, 10});
    for (int bit = 10; bit > 0; --bit) o.scans.push_back({1, {0}, k, k, bit, bit - 1});
  }
  Picture p = GreyPicture();
  EXPECT_THROW(DecodeJpeg(EncodeJpeg(p, o)), Error);
  o.scans.resize(1 + 11 * 5);  // the same kind of file, in 57 scans, is fine
  o.scans.push_back({1, {0}, 6, 63, 0, 0});
  EXPECT_EQ(DecodeJpeg(EncodeJpeg(p, o)).Width(), 31);
}

// Other build folders may run this test at the same time.
std::string TempPath(const std::string& name) {
  return testing::TempDir() + "bezier_" + std::to_string(::getpid()) + "_" + name;
}

void WriteFile(const std::string& path, const Bytes& data) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

TEST(Jpeg, LoadsFilesAndNamesThePathInErrors) {
  const Bytes jpeg = EncodeJpeg(ColourPicture());
  const std::string path = TempPath("load.jpg");
  WriteFile(path, jpeg);
  EXPECT_EQ(LoadJpegFile(path, true), DecodeJpeg(jpeg, true));
  WriteFile(path, Bytes(jpeg.begin(), jpeg.begin() + 300));
  for (const std::string& bad : {path, TempPath("missing.jpg"), testing::TempDir()})
    EXPECT_THAT([&] { LoadJpegFile(bad); }, FailsWith(bad));
  std::filesystem::remove(path);
}

Bitmap NoisyBitmap(int width, int height) {
  Bitmap b(width, height);
  std::mt19937 random(static_cast<unsigned>(width * 1000 + height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, random() & 0xFFFFFF);
  return b;
}

TEST(Png, EncodedPixelsDecodeExactly) {
  for (const TSize size : {TSize{1, 1}, TSize{7, 5}, TSize{33, 2}}) {
    SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
    const Bitmap b = NoisyBitmap(size.cx, size.cy);
    const Bytes png = EncodePng(b);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&image, png.data(), png.size()));
    EXPECT_EQ(image.format, PNG_FORMAT_RGB) << "8-bit RGB without alpha";
    ASSERT_EQ(image.width, png_uint_32(size.cx));
    ASSERT_EQ(image.height, png_uint_32(size.cy));
    Bytes rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x) {
        const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * size.cx + x) * 3];
        ASSERT_EQ(RGB(p[0], p[1], p[2]), b.Pixel(x, y)) << x << "," << y;
      }
  }
}

TEST(Png, SavesFilesAndReportsFailures) {
  const Bitmap b = NoisyBitmap(5, 3);
  const std::string path = TempPath("save.png");
  SavePngFile(b, path);
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(in), {}), EncodePng(b));
  std::filesystem::remove(path);
  EXPECT_THROW(SavePngFile(b, TempPath("no-such-folder/x.png")), Error);
  EXPECT_THROW(SavePngFile(b, testing::TempDir()), Error);
  EXPECT_THROW(EncodePng(Bitmap()), Error);
}

}  // namespace
}  // namespace platform
