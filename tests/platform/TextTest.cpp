#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <string>

#include "platform/Error.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/FontMatch.h"
#include "platform/graphics/FreeTypeFont.h"

namespace platform {
namespace {

constexpr TColor kPaper = clWhite;

struct ConfigDeleter {
  void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
using ConfigPtr = std::unique_ptr<FcConfig, ConfigDeleter>;

// Widths in the default caption font unless another is given.
int Width(std::string_view text, const Font& font = {}) {
  return TextExtent(font, text).cx;
}

// The bounding box of every pixel that differs from the paper colour; empty when none does.
TRect InkBounds(const Bitmap& bitmap) {
  TRect ink;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Pixel(x, y) != kPaper) ink = ink.Union(TRect::FromBounds(x, y, 1, 1));
  return ink;
}

int InkInRow(const Bitmap& bitmap, int y, int left, int right) {
  int count = 0;
  for (int x = left; x < right; ++x) count += bitmap.Pixel(x, y) != kPaper;
  return count;
}

// A white page with a clear brush, so only ink changes pixels.
struct Page {
  Page() : bitmap(200, 60), canvas(bitmap) {
    bitmap.Fill(kPaper);
    canvas.GetBrush().Style = BrushStyle::Clear;
    canvas.GetFont().Color = clBlack;
  }
  // Draws into a copy of `box` and answers the ink's bounds.
  TRect Draw(std::string_view text, TRect box, unsigned flags) {
    canvas.DrawText(text, box, flags);
    return InkBounds(bitmap);
  }
  Bitmap bitmap;
  Canvas canvas;
};

// DT_CALCRECT on a rectangle at the origin of the given width; answers the fitted rectangle.
TRect Measure(std::string_view text, unsigned flags, int width = 1000) {
  Bitmap none(1, 1);
  Canvas canvas(none);
  TRect rect{0, 0, width, 0};
  const int height = canvas.DrawText(text, rect, flags | DT_CALCRECT);
  EXPECT_EQ(height, rect.Bottom);
  return rect;
}

TEST(FontMetrics, TheDefaultCaptionFontHasTheDesktopCellHeight) {
  const TextMetrics m = GetTextMetrics(Font{});
  EXPECT_EQ(TextExtent(Font{}, "W").cy, 13);
  EXPECT_EQ(m.Height, 13);
  EXPECT_EQ(m.Ascent + m.Descent, m.Height);
  EXPECT_EQ(m.InternalLeading, 2);
  EXPECT_GT(m.AveCharWidth, 0);
  EXPECT_GE(m.MaxCharWidth, m.AveCharWidth);

  const int label = Width("Nilai m (1 < m < 10 :) ");
  EXPECT_LE(label, 110);
  EXPECT_GE(label, 80) << "every character advances";
  EXPECT_EQ(Width(""), 0);
}

TEST(FontMetrics, PositiveHeightsAreCellHeightsAndAbsurdOnesAreRefused) {
  Font font;
  font.Height = 0;
  EXPECT_EQ(GetTextMetrics(font).Height, 13) << "0 is the default height";
  for (int cell : {8, 13, 16, 20, 33}) {
    font.Height = cell;
    const int height = GetTextMetrics(font).Height;
    EXPECT_LE(height, cell);
    EXPECT_GE(height, cell - 2);
  }
  for (int height : {MaxFontHeight + 1, -MaxFontHeight - 1, std::numeric_limits<int>::min()}) {
    font.Height = height;
    EXPECT_THROW(GetScaledFont(font), Error) << height;
  }
}

TEST(FontFaces, NamesResolveThroughFontconfig) {
  EXPECT_EQ(ServingFamily("ms sans serif"), "Liberation Sans");
  EXPECT_EQ(ServingFamily("Tahoma"), "Tahoma");
  const ConfigPtr config(FcInitLoadConfigAndFonts());
  const auto face = MatchFace(config.get(), ServingFamily("MS Sans Serif"), false, false);
  ASSERT_TRUE(face);
  EXPECT_NE(face->Path.find("LiberationSans-Regular"), std::string::npos) << face->Path;
  const auto bold = MatchFace(config.get(), "Liberation Sans", true, false);
  ASSERT_TRUE(bold);
  EXPECT_FALSE(bold->SynthesiseBold) << "the family has a bold file: " << bold->Path;

  // A configuration that knows no fonts has nothing to offer, not even a fallback.
  const ConfigPtr empty(FcConfigCreate());
  EXPECT_FALSE(MatchFace(empty.get(), "sans-serif", false, false));
}

TEST(FontFaces, StylesAndUnknownNamesStillDraw) {
  Font bold;
  bold.Bold = true;
  EXPECT_GT(Width("Gambar Kurva", bold), Width("Gambar Kurva"));
  EXPECT_EQ(GetTextMetrics(bold).Height, 13);

  Page page;
  page.canvas.GetFont().Name = "No Such Face At All";
  page.canvas.TextOut(2, 2, "Tabel");
  EXPECT_FALSE(InkBounds(page.bitmap).IsEmpty());
  EXPECT_GT(page.canvas.PenPos().X, 2);
}

TEST(FontFaces, MissingStylesAreSynthesised) {
  FT_Library library = nullptr;
  ASSERT_EQ(FT_Init_FreeType(&library), 0);
  {
    const ConfigPtr config(FcInitLoadConfigAndFonts());
    const auto regular = MatchFace(config.get(), "Liberation Sans", false, false);
    ASSERT_TRUE(regular);
    FreeTypeFont plain(OpenScalableFace(library, *regular), -11, false, false);
    FreeTypeFont bold(OpenScalableFace(library, *regular), -11, true, false);
    FreeTypeFont oblique(OpenScalableFace(library, *regular), -11, false, true);
    EXPECT_EQ(bold.Glyph(U'l').Advance, plain.Glyph(U'l').Advance + 1);
    EXPECT_GT(bold.Glyph(U'l').Width, plain.Glyph(U'l').Width);
    EXPECT_EQ(oblique.Glyph(U'l').Advance, plain.Glyph(U'l').Advance);
    EXPECT_GT(oblique.Glyph(U'l').Width, plain.Glyph(U'l').Width) << "the stem leans";
    EXPECT_EQ(bold.Metrics().Height, plain.Metrics().Height);

    EXPECT_FALSE(OpenScalableFace(library, FaceChoice{"/nonexistent/face.ttf"}));
  }
  FT_Done_FreeType(library);
}

TEST(Utf8, DecodesValidAndReplacesInvalidSequences) {
  const struct {
    std::string_view bytes;
    std::u32string_view text;
  } cases[] = {
      {"Nilai \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", U"Nilai \u00E9\u20AC\U0001F600"},
      {{"a\0b", 3}, {U"a\0b", 3}},
      {"\200a", U"\uFFFDa"},                              // lone continuation byte (0x80)
      {"\xC0\xAF", U"\uFFFD\uFFFD"},                      // overlong
      {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},            // surrogate
      {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
      {"\342\202A", U"\uFFFDA"},      // truncated (0xE2 0x82), resumes at the breaker
      {"x\xF0\x9F\x98", U"x\uFFFD"},  // truncated at the end
      {"\xFF\xFE", U"\uFFFD\uFFFD"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeUtf8(c.bytes), c.text) << c.bytes;
}

TEST(CanvasTextOut, PaintsInkInTheFontColourOverTheBrushCell) {
  Page page;
  page.canvas.GetFont().Color = clRed;
  page.canvas.TextOut(10, 5, "Il");
  const int width = Width("Il");
  EXPECT_EQ(page.canvas.PenPos(), (TPoint{10 + width, 5}));
  const TRect ink = InkBounds(page.bitmap);
  EXPECT_GE(ink.Left, 10);
  EXPECT_LE(ink.Right, 10 + width);
  EXPECT_GE(ink.Top, 5);
  EXPECT_LE(ink.Bottom, 5 + 10) << "nothing below the baseline";
  // Ink is red blended into white: red stays full, green and blue fall together.
  for (int y = ink.Top; y < ink.Bottom; ++y)
    for (int x = ink.Left; x < ink.Right; ++x) {
      const TColor pixel = page.bitmap.Pixel(x, y);
      EXPECT_EQ(GetRValue(pixel), 255);
      EXPECT_EQ(GetGValue(pixel), GetBValue(pixel));
    }
  EXPECT_LT(GetGValue(page.bitmap.Pixel(ink.Left + 1, ink.Top + 4)) +
                GetGValue(page.bitmap.Pixel(ink.Left, ink.Top + 4)),
            255)
      << "the stem of the I is solid";

  Page opaque;
  opaque.canvas.GetBrush() = Brush{clYellow, BrushStyle::Solid};
  opaque.canvas.TextOut(10, 5, "Il");
  EXPECT_EQ(InkBounds(opaque.bitmap), TRect::FromBounds(10, 5, width, 13));
  EXPECT_EQ(opaque.bitmap.Pixel(10 + width - 1, 5), clYellow);
}

TEST(CanvasTextOut, HonoursOriginClipAndDecorations) {
  Page page;
  page.canvas.SetOrigin({20, 10});
  page.canvas.IntersectClipRect({0, 0, 8, 40});
  page.canvas.TextOut(0, 0, "MMMM");
  const TRect ink = InkBounds(page.bitmap);
  EXPECT_GE(ink.Left, 20);
  EXPECT_LE(ink.Right, 28) << "clipped";
  EXPECT_GE(ink.Top, 10);

  Page lined;
  lined.canvas.GetFont().Underline = true;
  lined.canvas.GetFont().StrikeOut = true;
  lined.canvas.TextOut(0, 0, "ace");
  const ScaledFont& scaled = GetScaledFont(lined.canvas.GetFont());
  const int width = Width("ace");
  const int baseline = scaled.Metrics().Ascent;
  EXPECT_EQ(InkInRow(lined.bitmap, baseline + scaled.UnderlinePosition(), 0, 200), width);
  EXPECT_EQ(InkInRow(lined.bitmap, baseline - scaled.StrikeOutPosition(), 0, width), width);
}

TEST(CanvasDrawText, MeasuresWrappedBrokenPrefixedAndTabbedLines) {
  const int pair = Width("Gambar Kurva");
  const int longest = std::max(Width("Gambar"), Width("Kurva"));
  const int letter = std::max({Width("a"), Width("b"), Width("c"), Width("d")});
  const int stop = 8 * GetTextMetrics(Font{}).AveCharWidth;
  const struct {
    std::string_view text;
    unsigned flags;
    int width;
    TSize fitted;
  } cases[] = {
      // Exactly the width of two words: they share a line, the blank at the break is dropped.
      {"Gambar Kurva Gambar Kurva", DT_WORDBREAK, pair, {pair, 2 * 13}},
      {"Gambar Kurva Gambar Kurva", DT_WORDBREAK, pair - 1, {longest, 4 * 13}},
      // A word wider than the rectangle stays whole on its own line.
      {"Randomize ok", DT_WORDBREAK, 5, {Width("Randomize"), 2 * 13}},
      // No break without the flag, nor on a single line.
      {"Gambar Kurva", 0, 10, {pair, 13}},
      {"Gambar Kurva", DT_WORDBREAK | DT_SINGLELINE, 10, {pair, 13}},
      // Line breaks of every kind; no empty last line.
      {"a\r\nb\nc\rd", 0, 1000, {letter, 4 * 13}},
      {"a\n\nb", 0, 1000, {std::max(Width("a"), Width("b")), 3 * 13}},
      {"ab\n", 0, 1000, {Width("ab"), 13}},
      {"", 0, 1000, {0, 0}},
      {"Tabel\nGambar Kurva", 0, 1000, {pair, 2 * 13}},
      {"ab\nc", DT_SINGLELINE, 1000, {Width("ab\nc"), 13}},
      // Prefixes: && is one &, a lone trailing & is dropped.
      {"&&", 0, 1000, {Width("&"), 13}},
      {"&File", 0, 1000, {Width("File"), 13}},
      {"File&", 0, 1000, {Width("File"), 13}},
      {"&File", DT_NOPREFIX, 1000, {Width("&File"), 13}},
      // Tabs expand to stops of eight average characters only when asked.
      {"a\tb", DT_EXPANDTABS, 1000, {stop + Width("b"), 13}},
      {"\t\tb", DT_EXPANDTABS, 1000, {2 * stop + Width("b"), 13}},
      {"a\tb", 0, 1000, {Width("a\tb"), 13}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Measure(c.text, c.flags, c.width), (TRect{0, 0, c.fitted.cx, c.fitted.cy}))
        << c.text << " flags " << c.flags << " in " << c.width;
  }

  // With DT_CALCRECT nothing is drawn; Left and Top stay.
  Page page;
  TRect rect{7, 9, 8, 10};
  EXPECT_EQ(page.canvas.DrawText("Tabel", rect, DT_CALCRECT), 13);
  EXPECT_EQ(rect, (TRect{7, 9, 7 + Width("Tabel"), 9 + 13}));
  EXPECT_TRUE(InkBounds(page.bitmap).IsEmpty());
}

TEST(CanvasDrawText, AlignsLinesInTheRectangle) {
  const TRect box{20, 10, 180, 50};
  Page centred;
  TRect rect = box;
  EXPECT_EQ(centred.canvas.DrawText("Randomize", rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER), 13);
  TRect ink = InkBounds(centred.bitmap);
  EXPECT_LE(std::abs((ink.Left - box.Left) - (box.Right - ink.Right)), 2);
  const int cellTop = box.Top + (box.Height() - 13) / 2;
  EXPECT_GE(ink.Top, cellTop);
  EXPECT_LE(ink.Bottom, cellTop + 13);
  EXPECT_LE(std::abs((ink.Top - box.Top) - (box.Bottom - ink.Bottom)), 4);

  ink = Page().Draw("Randomize", box, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT);
  EXPECT_LE(ink.Right, box.Right);
  EXPECT_GE(ink.Right, box.Right - 2);
  EXPECT_GE(ink.Top, box.Bottom - 13);

  // Vertical centring needs a single line; otherwise lines start at the top.
  EXPECT_LT(Page().Draw("Randomize", box, DT_VCENTER).Top, box.Top + 4);
}

TEST(CanvasDrawText, ClipsToTheRectangleUnlessNoClip) {
  const TRect box{10, 10, 40, 30};
  const TRect ink = Page().Draw("Gambar Kurva", box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  EXPECT_EQ(ink.Intersect(box), ink);
  EXPECT_EQ(ink.Left, box.Left) << "the text is wider than the box";
  EXPECT_LT(Page().Draw("Gambar Kurva", box, DT_SINGLELINE | DT_CENTER | DT_NOCLIP).Left, box.Left);
}

TEST(CanvasDrawText, FarOffCoordinatesNeitherOverflowNorPaint) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  Page page;
  page.canvas.GetBrush().Style = BrushStyle::Solid;
  page.canvas.SetOrigin({1000, -1000});
  page.canvas.TextOut(kMax - 3, kMin + 2, "Gambar Kurva");
  page.Draw("Gambar\nKurva", {kMin, kMin, kMax, kMax}, DT_CENTER | DT_WORDBREAK);
  TRect far{kMax - 10, kMax - 10, kMax, kMax};
  EXPECT_TRUE(page.Draw("Gambar Kurva", far, DT_SINGLELINE | DT_VCENTER | DT_RIGHT).IsEmpty());
  EXPECT_EQ(page.canvas.DrawText("Gambar Kurva", far, DT_CALCRECT), 13);
}

TEST(CanvasDrawText, PrefixesUnderlineTheNextCharacterUnlessNoPrefix) {
  EXPECT_FALSE(Page().Draw("&", {0, 0, 100, 20}, DT_NOPREFIX).IsEmpty());

  Page marked;
  marked.Draw("&File", {0, 0, 100, 20}, 0);
  const ScaledFont& scaled = GetScaledFont(Font{});
  const int row = scaled.Metrics().Ascent + scaled.UnderlinePosition();
  const int f = Width("F");
  EXPECT_EQ(InkInRow(marked.bitmap, row, 0, f), f) << "under the F";
  EXPECT_EQ(InkInRow(marked.bitmap, row, f, 100), 0) << "nowhere else";
}

TEST(CanvasDrawText, FillsEachLineCellWithAnOpaqueBrush) {
  Page page;
  page.canvas.GetBrush() = Brush{clAqua, BrushStyle::Solid};
  TRect rect{0, 0, 200, 60};
  EXPECT_EQ(page.canvas.DrawText("ab\nabc", rect, DT_CENTER), 26);
  EXPECT_EQ(page.bitmap.Pixel((200 - Width("ab")) / 2, 0), clAqua);
  EXPECT_EQ(page.bitmap.Pixel((200 - Width("ab")) / 2 - 1, 0), kPaper);
  EXPECT_EQ(page.bitmap.Pixel((200 - Width("abc")) / 2, 13), clAqua);
  EXPECT_EQ(page.bitmap.Pixel(100, 26), kPaper);
}

TEST(GlyphCache, DrawingTheSameTextAgainRasterisesNothing) {
  Page page;
  page.canvas.TextOut(0, 0, "Titik Kontrol \xE2\x82\xAC");
  const std::size_t warm = GlyphRasterCount();
  page.canvas.TextOut(0, 20, "Titik Kontrol \xE2\x82\xAC");
  page.Draw("Kontrol Titik", {0, 30, 200, 60}, DT_WORDBREAK);
  EXPECT_EQ(GlyphRasterCount(), warm);

  // Colour and decorations don't make a new scaled font.
  Font red;
  red.Color = clRed;
  red.Underline = true;
  EXPECT_EQ(&GetScaledFont(red), &GetScaledFont(Font{}));
  Font bold;
  bold.Bold = true;
  EXPECT_NE(&GetScaledFont(bold), &GetScaledFont(Font{}));
}

}  // namespace
}  // namespace platform
