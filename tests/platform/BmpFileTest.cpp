#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpFile.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Matches a callable that throws platform::Error with `text` in its message.
auto FailsWith(const std::string& text) {
  return ::testing::ThrowsMessage<Error>(::testing::HasSubstr(text));
}

const fs::path SuiteDir = fs::path(BEZIER_TESTDATA) / "bmpsuite";

Bytes ReadFileBytes(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(f), {});
}

void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  Put16(b, at, v);
  Put16(b, at + 2, v >> 16);
}

// A hand-made BMP: file header, info header of `headerSize` bytes, then `extra` (palette or
// masks) and the pixel bytes. clrUsed stays 0, so the palette is whatever fits before the pixels.
// Headers shorter than 40 bytes are left for the caller to fill.
Bytes MakeBmp(int width, int height, int bits, std::uint32_t compression, const Bytes& extra,
              const Bytes& pixels, std::uint32_t headerSize = 40) {
  const std::size_t offBits = 14 + headerSize + extra.size();
  Bytes b(offBits, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(offBits + pixels.size()));
  Put32(b, 10, static_cast<std::uint32_t>(offBits));
  Put32(b, 14, headerSize);
  if (headerSize >= 40) {
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint32_t>(bits));
    Put32(b, 30, compression);
  }
  std::copy(extra.begin(), extra.end(), b.begin() + 14 + headerSize);
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

// Palette entries blue, green, red, reserved for index 0 black, 1 red, 2 green, 3 blue.
const Bytes FourColours = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};

std::vector<TColor> Row(const Bitmap& b, int y) {
  std::vector<TColor> row;
  for (int x = 0; x < b.Width(); ++x) row.push_back(b.Pixel(x, y));
  return row;
}

using Colours = std::vector<TColor>;

// Red, green and blue masks for a bit-field file.
Bytes Masks(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  Bytes m(12);
  Put32(m, 0, r);
  Put32(m, 4, g);
  Put32(m, 8, b);
  return m;
}

// --- The public BMP test suite ----------------------------------------------------------------

struct Ppm {
  int width = 0, height = 0;
  Bytes rgb;
};

Ppm ReadPpm(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  std::string magic;
  int maxValue = 0;
  Ppm ppm;
  f >> magic >> ppm.width >> ppm.height >> maxValue;
  f.get();
  EXPECT_EQ(magic, "P6");
  EXPECT_EQ(maxValue, 255);
  ppm.rgb.resize(static_cast<std::size_t>(ppm.width) * ppm.height * 3);
  f.read(reinterpret_cast<char*>(ppm.rgb.data()), static_cast<std::streamsize>(ppm.rgb.size()));
  EXPECT_TRUE(f) << path;
  return ppm;
}

std::vector<fs::path> SuiteFiles(const std::string& folder) {
  const fs::path dir = SuiteDir / folder;
  EXPECT_TRUE(fs::is_directory(dir)) << dir;
  std::vector<fs::path> files;
  if (fs::is_directory(dir)) {
    for (const auto& entry : fs::directory_iterator(dir)) files.push_back(entry.path());
  }
  EXPECT_FALSE(files.empty()) << dir;
  return files;
}

TEST(BmpSuite, GoodFilesMatchTheirReferencePictures) {
  for (const fs::path& file : SuiteFiles("g")) {
    SCOPED_TRACE(file.filename().string());
    const Ppm ref = ReadPpm(SuiteDir / "ref" / file.filename().replace_extension(".ppm"));
    const Bitmap b = ReadBmp(ReadFileBytes(file));
    ASSERT_EQ(b.Width(), ref.width);
    ASSERT_EQ(b.Height(), ref.height);
    // 5- and 6-bit channels may round either way.
    const int tolerance = file.filename().string().starts_with("rgb16") ? 1 : 0;
    int mismatches = 0;
    for (int y = 0; y < b.Height(); ++y) {
      for (int x = 0; x < b.Width(); ++x) {
        const std::uint8_t* bgr = b.ScanLine(y) + x * 3;
        const std::uint8_t* rgb =
            ref.rgb.data() + (static_cast<std::size_t>(y) * ref.width + x) * 3;
        for (int c = 0; c < 3; ++c) {
          if (std::abs(bgr[2 - c] - rgb[c]) > tolerance && mismatches++ == 0) {
            ADD_FAILURE() << "first mismatch at " << x << "," << y;
          }
        }
      }
    }
    EXPECT_EQ(mismatches, 0);
  }
}

TEST(BmpSuite, BadAndQuestionableFilesGiveAPictureOrAnError) {
  for (const std::string folder : {"b", "q"}) {
    for (const fs::path& file : SuiteFiles(folder)) {
      SCOPED_TRACE(file.string());
      try {
        EXPECT_FALSE(ReadBmp(ReadFileBytes(file)).Empty());
      } catch (const Error&) {
      }
    }
  }
}

TEST(BmpSuite, KnownBadFilesAreRejectedWithTheReason) {
  const std::pair<const char*, const char*> cases[] = {
      {"b/badwidth.bmp", "width"},
      {"b/badplanes.bmp", "plane"},
      {"b/badbitcount.bmp", "unsupported"},
      {"b/badheadersize.bmp", "unsupported header"},
      {"b/reallybig.bmp", "out of range"},
      {"b/shortfile.bmp", "truncated"},
      {"b/rletopdown.bmp", "top-down"},
      {"q/rgb24jpeg.bmp", "JPEG"},
      {"q/rgb24png.bmp", "PNG"},
      {"q/rgba64.bmp", "unsupported"},
      {"b/badrle.bmp", "past the end of a row"},
      {"b/badrle4bis.bmp", "RLE delta"},
  };
  for (const auto& [name, reason] : cases) {
    const fs::path path = SuiteDir / name;
    EXPECT_THAT([&] { ReadBmp(ReadFileBytes(path)); }, FailsWith(reason)) << name;
  }
  // A short OS/2 palette is cut by the pixel offset rather than read from the pixels.
  EXPECT_EQ(ReadBmp(ReadFileBytes(SuiteDir / "q/pal8os2sp.bmp")),
            ReadBmp(ReadFileBytes(SuiteDir / "g/pal8os2.bmp")));
}

// --- Writing and round trips ------------------------------------------------------------------

Bitmap Pattern(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, RGB(x * 40 + 1, y * 50 + 2, (x ^ y) * 30 + 3));
  return b;
}

TEST(BmpWrite, OwnFilesRoundTripExactly) {
  for (int width : {1, 2, 3, 4, 5, 7}) {
    for (int height : {1, 2, 3}) {
      SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
      const Bitmap b = Pattern(width, height);
      const Bytes file = WriteBmp(b);
      EXPECT_EQ(file.size(), 54 + b.Stride() * height);
      EXPECT_EQ(ReadBmp(file), b);
    }
  }
}

TEST(BmpWrite, FileIsBottomUpWith24BitPaddedRows) {
  Bitmap b(3, 2);
  b.SetPixel(0, 0, RGB(255, 0, 0));
  b.SetPixel(2, 1, RGB(0, 0, 255));
  const Bytes file = WriteBmp(b);
  ASSERT_EQ(file.size(), 54u + 2 * 12);
  EXPECT_EQ(file[28], 24);                                // bits per pixel
  EXPECT_EQ(file[22], 2);                                 // positive height: bottom-up
  EXPECT_EQ(Bytes(file.begin() + 60, file.begin() + 66),  // bottom row, right pixel, padding
            (Bytes{255, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Bytes(file.begin() + 66, file.begin() + 69), (Bytes{0, 0, 255}));  // top-left
  EXPECT_THROW(WriteBmp(Bitmap()), Error);
}

TEST(BmpWrite, StreamFormRoundTripsAndRejectsCountsPastTheData) {
  const Bitmap b = Pattern(5, 3);
  Bytes stream = WriteBmpStream(b);
  const std::size_t length = stream.size();
  stream.push_back(0xAB);  // whatever follows belongs to the next property
  std::size_t consumed = 0;
  EXPECT_EQ(ReadBmpStream(stream, consumed), b);
  EXPECT_EQ(consumed, length);

  EXPECT_EQ(WriteBmpStream(Bitmap()), (Bytes{0, 0, 0, 0}));
  EXPECT_TRUE(ReadBmpStream(Bytes{0, 0, 0, 0}, consumed).Empty());
  EXPECT_EQ(consumed, 4u);

  stream.resize(length - 1);
  EXPECT_THROW(ReadBmpStream(stream, consumed), Error);
  EXPECT_THROW(ReadBmpStream(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 'B', 'M'}, consumed), Error);
  EXPECT_THROW(ReadBmpStream(Bytes{1, 0}, consumed), Error);
}

TEST(BmpWrite, FilesRoundTripAndErrorsNameTheFile) {
  const fs::path dir = fs::temp_directory_path() / ("bmp-test-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const std::string path = (dir / "a.bmp").string();
  const Bitmap b = Pattern(3, 3);
  SaveBmpFile(b, path);
  EXPECT_EQ(LoadBmpFile(path), b);

  std::ofstream(path, std::ios::binary) << "BM";
  EXPECT_THAT([&] { LoadBmpFile(path); }, FailsWith(path + "\": Bitmap image is truncated"));
  const std::string missing = (dir / "none" / "b.bmp").string();
  EXPECT_THROW(SaveBmpFile(b, missing), Error);
  EXPECT_THAT([&] { LoadBmpFile(missing); }, FailsWith(missing));
  fs::remove_all(dir);
}

// --- Hand-made headers ------------------------------------------------------------------------

Bytes Valid24() {
  return MakeBmp(2, 2, 24, 0, {}, Bytes(16, 0x80));
}

TEST(BmpRead, HeadersThatLieAreRejected) {
  struct Case {
    const char* name;
    std::function<void(Bytes&)> lie;
    const char* reason;
  };
  const Case cases[] = {
      {"no signature", [](Bytes& b) { b[0] = 'X'; }, "signature"},
      {"cut in the header", [](Bytes& b) { b.resize(30); }, "truncated"},
      {"offset past the end", [](Bytes& b) { Put32(b, 10, 1000); }, "truncated"},
      {"offset into the header", [](Bytes& b) { Put32(b, 10, 20); }, "overlaps"},
      {"rows cut short", [](Bytes& b) { b.resize(b.size() - 3); }, "truncated"},
      {"more rows than data", [](Bytes& b) { Put32(b, 22, 30000); }, "truncated"},
      {"huge width", [](Bytes& b) { Put32(b, 18, 100000); }, "out of range"},
      {"huge area",
       [](Bytes& b) {
         Put32(b, 18, 20000);
         Put32(b, 22, 20000);
       },
       "out of range"},
      {"negative width", [](Bytes& b) { Put32(b, 18, 0xFFFFFFFE); }, "width"},
      {"zero width", [](Bytes& b) { Put32(b, 18, 0); }, "width"},
      {"zero height", [](Bytes& b) { Put32(b, 22, 0); }, "height"},
      {"most negative height", [](Bytes& b) { Put32(b, 22, 0x80000000); }, "out of range"},
      {"two planes", [](Bytes& b) { Put16(b, 26, 2); }, "plane"},
      {"odd header size", [](Bytes& b) { Put32(b, 14, 66); }, "header size"},
      {"64 bits", [](Bytes& b) { Put16(b, 28, 64); }, "unsupported"},
      {"JPEG inside", [](Bytes& b) { Put32(b, 30, 4); }, "JPEG"},
      {"PNG inside", [](Bytes& b) { Put32(b, 30, 5); }, "PNG"},
      {"unknown compression", [](Bytes& b) { Put32(b, 30, 99); }, "compression 99"},
      {"RLE8 on 24 bits", [](Bytes& b) { Put32(b, 30, 1); }, "RLE8"},
      {"bit fields on 24 bits", [](Bytes& b) { Put32(b, 30, 3); }, "bit fields"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes file = Valid24();
    ASSERT_NO_THROW(ReadBmp(file));
    c.lie(file);
    EXPECT_THAT([&] { ReadBmp(file); }, FailsWith(c.reason));
  }
}

TEST(BmpRead, BitFieldMasksMustFitThePixel) {
  const auto masks = [](std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return MakeBmp(1, 1, 16, 3, Masks(r, g, b), {0, 0, 0, 0});
  };
  EXPECT_NO_THROW(ReadBmp(masks(0xF800, 0x07E0, 0x001F)));
  EXPECT_THAT([&] { ReadBmp(masks(0xF800, 0x07E0, 0x1001F)); }, FailsWith("wider"));
  EXPECT_THAT([&] { ReadBmp(masks(0xF800, 0x0760, 0x001F)); }, FailsWith("contiguous"));
  Bytes cut = masks(0xF800, 0x07E0, 0x001F);
  cut.resize(14 + 40 + 8);
  Put32(cut, 10, 14 + 40);
  EXPECT_THAT([&] { ReadBmp(cut); }, FailsWith("truncated"));
}

TEST(BmpRead, IndexedDepthsUseThePaletteAndBlackPastIt) {
  const Bytes onePixelRows = {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0};
  const Bitmap mono = ReadBmp(MakeBmp(3, 2, 1, 0, FourColours, onePixelRows));
  EXPECT_EQ(Row(mono, 1), (Colours{clRed, clBlack, clRed}));  // first row in the file is the bottom
  EXPECT_EQ(Row(mono, 0), (Colours{clBlack, clRed, clBlack}));

  const Bitmap two = ReadBmp(MakeBmp(5, 1, 2, 0, FourColours, {0b00011011, 0b01000000, 0, 0}));
  EXPECT_EQ(Row(two, 0), (Colours{clBlack, clRed, clLime, clBlue, clRed}));

  const Bitmap four = ReadBmp(MakeBmp(3, 1, 4, 0, FourColours, {0x32, 0xF0, 0, 0}));
  EXPECT_EQ(Row(four, 0), (Colours{clBlue, clLime, clBlack}));

  // Two palette entries declared although four are stored: index 2 and 3 are past the palette.
  Bytes eight = MakeBmp(4, 1, 8, 0, FourColours, {1, 2, 3, 255});
  EXPECT_EQ(Row(ReadBmp(eight), 0), (Colours{clRed, clLime, clBlue, clBlack}));
  Put32(eight, 46, 2);
  EXPECT_EQ(Row(ReadBmp(eight), 0), (Colours{clRed, clBlack, clBlack, clBlack}));
}

TEST(BmpRead, TopDownAndOs2CoreHeaders) {
  const Bytes rows = {1, 0, 0, 0, 2, 0, 0, 0};
  const Bitmap bottomUp = ReadBmp(MakeBmp(1, 2, 8, 0, FourColours, rows));
  const Bitmap topDown = ReadBmp(MakeBmp(1, -2, 8, 0, FourColours, rows));
  EXPECT_EQ(bottomUp.Pixel(0, 0), clLime);
  EXPECT_EQ(topDown.Pixel(0, 0), clRed);
  EXPECT_EQ(topDown.Pixel(0, 1), clLime);

  // 12-byte header with 16-bit sizes and 3-byte palette entries.
  Bytes core = MakeBmp(0, 0, 0, 0, {0, 0, 0, 255, 0, 0}, {0x80, 0, 0, 0}, 12);
  Put16(core, 18, 2);  // width
  Put16(core, 20, 1);  // height
  Put16(core, 22, 1);  // planes
  Put16(core, 24, 1);  // bits
  EXPECT_EQ(Row(ReadBmp(core), 0), (Colours{clBlue, clBlack}));
}

TEST(BmpRead, BitFieldChannelsScaleByRounding) {
  // 5-6-5: full green, half-way red 16/31 and blue 1/31.
  constexpr std::uint16_t px = 16 << 11 | 63 << 5 | 1;
  const Bytes m565 = Masks(0xF800, 0x07E0, 0x001F);
  const Bitmap b565 = ReadBmp(MakeBmp(1, 1, 16, 3, m565, {px & 0xFF, px >> 8, 0, 0}));
  EXPECT_EQ(b565.Pixel(0, 0), RGB(132, 255, 8));

  // Without bit-field compression 16 bits are 5-5-5 and 32 bits are BGRX, whatever a V5 header
  // holds in its mask fields.
  Bytes v5 = MakeBmp(2, 1, 32, 0, {}, {1, 2, 3, 99, 4, 5, 6, 99}, 124);
  Put32(v5, 54, 0x3FF00000);
  Put32(v5, 58, 0x000FFC00);
  Put32(v5, 62, 0x000003FF);
  EXPECT_EQ(Row(ReadBmp(v5), 0), (Colours{RGB(3, 2, 1), RGB(6, 5, 4)}));
  EXPECT_EQ(ReadBmp(MakeBmp(1, 1, 16, 0, {}, {0x1F, 0x7C, 0, 0})).Pixel(0, 0), RGB(255, 0, 255));

  // 10-10-10 masks of a V5 header with bit fields: 1023 -> 255, 512 -> 128, 1 -> 0.
  Put32(v5, 30, 3);
  const std::uint32_t deep = 1023u << 20 | 512u << 10 | 1u;
  Bytes deepFile = v5;
  Put32(deepFile, deepFile.size() - 8, deep);
  EXPECT_EQ(ReadBmp(deepFile).Pixel(0, 0), RGB(255, 128, 0));
}

// --- RLE --------------------------------------------------------------------------------------

Bytes Rle(int width, int height, int bits, const Bytes& stream) {
  return MakeBmp(width, height, bits, bits == 8 ? 1 : 2, FourColours, stream);
}

TEST(BmpRle, Rle8RunsLiteralsDeltaAndSkippedPixels) {
  const Bitmap b = ReadBmp(Rle(6, 3, 8, {2, 1,              // two red
                                         0, 3, 2, 3, 1, 0,  // literal green blue red, padded
                                         1, 2,              // green
                                         0, 0,              // end of line
                                         0, 2, 4, 1,        // delta to x 4 of the top row
                                         1, 3,              // blue
                                         0, 1}));
  EXPECT_EQ(Row(b, 2), (Colours{clRed, clRed, clLime, clBlue, clRed, clLime}));
  EXPECT_EQ(Row(b, 1), Colours(6, clBlack));
  EXPECT_EQ(Row(b, 0), (Colours{clBlack, clBlack, clBlack, clBlack, clBlue, clBlack}));
}

TEST(BmpRle, Rle4AlternatesNibbles) {
  const Bitmap b = ReadBmp(Rle(8, 1, 4,
                               {5, 0x12,           // red green red green red
                                0, 3, 0x31, 0x20,  // literal blue red green
                                0, 1}));
  EXPECT_EQ(Row(b, 0), (Colours{clRed, clLime, clRed, clLime, clRed, clBlue, clRed, clLime}));
}

TEST(BmpRle, BadStreamsAreRejected) {
  EXPECT_THAT([] { ReadBmp(Rle(4, 2, 8, {4, 1, 0, 0, 2})); }, FailsWith("truncated"));
  EXPECT_THAT([] { ReadBmp(Rle(4, 1, 8, {0, 5, 1, 2})); }, FailsWith("truncated"));
  // Every pixel painted: the end marker may be missing.
  EXPECT_EQ(Row(ReadBmp(Rle(2, 2, 8, {2, 1, 0, 0, 2, 3})), 0), (Colours{clBlue, clBlue}));

  // Painting or moving outside the picture.
  const auto corrupt = FailsWith("RLE");
  EXPECT_THAT([] { ReadBmp(Rle(4, 2, 8, {3, 1, 2, 1})); }, corrupt);
  EXPECT_THAT([] { ReadBmp(Rle(4, 2, 8, {2, 1, 0, 3, 1, 2, 3, 0})); }, corrupt);
  EXPECT_THAT([] { ReadBmp(Rle(4, 2, 4, {0, 3, 0x12, 0x30, 2, 0x11})); }, corrupt);
  EXPECT_THAT([] { ReadBmp(Rle(4, 2, 8, {0, 2, 5, 0})); }, corrupt);
  EXPECT_THAT([] { ReadBmp(Rle(4, 2, 8, {0, 2, 0, 2})); }, corrupt);

  Bytes lie = Rle(2, 1, 8, {2, 1, 0, 1});
  Put32(lie, 34, 100);  // image size past the end
  EXPECT_THAT([&] { ReadBmp(lie); }, FailsWith("truncated"));

  // A few bytes may not claim a picture of hundreds of megabytes.
  EXPECT_THAT([] { ReadBmp(Rle(8000, 8000, 8, {0, 1})); }, FailsWith("too little"));
  EXPECT_EQ(ReadBmp(Rle(2000, 2000, 4, {0, 1})).Pixel(1999, 1999), clBlack);
}

}  // namespace
}  // namespace platform
