#include "tools/skinart/DarkSkin.h"

#include <algorithm>
#include <sstream>

#include "platform/graphics/BmpFile.h"
#include "tools/skinart/ArtLayer.h"
#include "tools/skinart/SkinArt.h"

namespace skinart {

namespace {

using sSkinManager::TsGeneralValues;
using sSkinManager::TsKeyKind;

int Channel(TColor c, int shift) {
  return static_cast<int>((c >> shift) & 0xFF);
}

int Luma(TColor c) {
  return (77 * Channel(c, 0) + 150 * Channel(c, 8) + 29 * Channel(c, 16)) >> 8;
}

// The colour moved as a whole until its luma is target.
TColor WithLuma(TColor c, int target) {
  const int shift = target - Luma(c);
  TColor result = 0;
  for (const int s : {0, 8, 16})
    result |= static_cast<TColor>(std::clamp(Channel(c, s) + shift, 0, 255)) << s;
  return result;
}

// The colour fields of a gradient text (the first two of every five) in the dark skin.
std::string DarkGradient(const std::string& text) {
  if (text.find_first_not_of(' ') == std::string::npos) return text;
  std::string out;
  std::istringstream words(text);
  std::string word;
  for (int field = 0; std::getline(words, word, ';'); ++field) {
    if (field > 0) out += ';';
    out +=
        field % 5 < 2 ? std::to_string(DarkSurface(static_cast<TColor>(std::stoul(word)))) : word;
  }
  return out;
}

// A blank-separated font colour list: the text colour as text, the outlines as surfaces.
std::string DarkFontColors(const std::string& list) {
  std::istringstream words(list);
  std::string out;
  long value = 0;
  for (int field = 0; words >> value; ++field) {
    if (field > 0) out += ' ';
    const auto c = static_cast<TColor>(value);
    out += value == -1 ? "-1" : std::to_string(field == 0 ? DarkText(c) : DarkSurface(c));
  }
  return out;
}

template <TsKeyKind Kind, class Value>
void Darken(Value& value) {
  // Shadows stay dark in a dark skin.
  if constexpr (Kind == TsKeyKind::Color)
    value = DarkSurface(value);
  else if constexpr (Kind == TsKeyKind::FontColors)
    value = DarkFontColors(value);
}

TsGeneralValues Darkened(TsGeneralValues s) {
#define BEZIER_DARKEN_KEY(key, kind, ...) Darken<TsKeyKind::kind>(s.key);
#define BEZIER_DARKEN_GRADIENT(key, ...) s.key = DarkGradient(s.key.Text());
#define BEZIER_NOT_DARKENED(...)
  BEZIER_SKIN_SECTION_KEYS(BEZIER_DARKEN_KEY, BEZIER_DARKEN_GRADIENT, BEZIER_NOT_DARKENED)
#undef BEZIER_DARKEN_KEY
#undef BEZIER_DARKEN_GRADIENT
#undef BEZIER_NOT_DARKENED
  return s;
}

// One key of a section as "Options.dat" holds it.
class TOptionsWriter {
 public:
  explicit TOptionsWriter(std::string& out) : out_(out) {}

  template <TsKeyKind Kind, class Value>
  void Key(const char* key, const Value& value) {
    using enum TsKeyKind;
    if constexpr (Kind == SectionName || Kind == Text) {
      // The section's name heads it; streamed text is not read from a folder.
    } else if constexpr (Kind == ParentName) {
      if (!value.empty()) Line(key, value);
    } else if constexpr (Kind == Bool) {
      Line(key, value ? "TRUE" : "FALSE");
    } else if constexpr (Kind == FontColors) {
      // "FontColor" is FONTCOLOR, TCLEFT, TCTOP, TCRIGHT, TCBOTTOM; "HotFontColor" the same
      // with HOT in front.
      const std::string hot = std::string(key) == "HotFontColor" ? "Hot" : "";
      const char* names[] = {"FontColor", "TCLeft", "TCTop", "TCRight", "TCBottom"};
      std::istringstream words(value);
      long number = 0;
      for (const char* name : names)
        if (words >> number) Line(hot + name, std::to_string(number));
    } else {
      Line(key, std::to_string(static_cast<long long>(value)));
    }
  }
  // A blank, which stands for no gradient, is what a missing key gives.
  void Gradient(const char* key, const std::string& text) {
    if (text.find_first_not_of(' ') != std::string::npos) Line(key, text);
  }
  void Line(const std::string& key, const std::string& value) { out_ += key + "=" + value + "\n"; }

 private:
  std::string& out_;
};

std::string FileNameOf(const TListedImage& image) {
  return image.Section + "_" + image.Property + ".bmp";
}

}  // namespace

platform::Bitmap DrawDarkImage(const TListedImage& image) {
  platform::Bitmap b = DrawListedImage(image);
  const int rows = IsBackgroundPicture(image) ? b.Height() : b.Height() / 2;
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (const TColor c = b.Pixel(x, y); c != platform::clFuchsia) b.SetPixel(x, y, DarkInk(c));
  return b;
}

namespace {

std::string OptionsText() {
  std::string out =
      "; " + std::string(DarkSkinName) + ": the stored skin of the Bezier tool turned dark.\n";
  const std::vector<TListedImage>& images = StoredSkinImages();
  for (const TsGeneralValues& stored : StoredSkinSections()) {
    if (stored.SectionName.empty()) continue;
    const TsGeneralValues s = Darkened(stored);
    out += "\n[" + s.SectionName + "]\n";
    TOptionsWriter w(out);
#define BEZIER_WRITE_KEY(key, kind, ...) w.Key<TsKeyKind::kind>(#key, s.key);
#define BEZIER_WRITE_GRADIENT(key, ...) w.Gradient(#key, s.key.Text());
#define BEZIER_NOT_WRITTEN(...)
    BEZIER_SKIN_SECTION_KEYS(BEZIER_WRITE_KEY, BEZIER_WRITE_GRADIENT, BEZIER_NOT_WRITTEN)
#undef BEZIER_WRITE_KEY
#undef BEZIER_WRITE_GRADIENT
#undef BEZIER_NOT_WRITTEN
    for (const TListedImage& image : images)
      if (image.Section == s.SectionName) w.Line(image.Property, FileNameOf(image));
  }
  return out;
}

}  // namespace

namespace {

// Greys turn over, from 100 (white) to 230 (black): the engine draws the captions of buttons,
// check boxes and labels in their own black font, which must stay readable on the faces.
// Coloured accents keep their hue with their luma brought between low and high.
TColor Darkened(TColor c, int low, int high) {
  const int spread = std::max({Channel(c, 0), Channel(c, 8), Channel(c, 16)}) -
                     std::min({Channel(c, 0), Channel(c, 8), Channel(c, 16)});
  const int luma = Luma(c);
  const TColor turned = WithLuma(c, 100 + (255 - luma) * 130 / 255);
  const TColor toned = WithLuma(c, low + luma * (high - low) / 255);
  return Mix(turned, toned, std::min(255, spread * 4));
}

}  // namespace

TColor DarkSurface(TColor c) {
  return Darkened(c, 30, 110);
}

TColor DarkInk(TColor c) {
  return Darkened(c, 80, 190);
}

TColor DarkText(TColor c) {
  const int luma = Luma(c);
  return luma < 128 ? WithLuma(c, 255 - luma) : c;
}

std::vector<TSkinFile> DrawDarkSkin() {
  std::vector<TSkinFile> files;
  const std::string options = OptionsText();
  files.push_back({"Options.dat", {options.begin(), options.end()}});
  for (const TListedImage& image : StoredSkinImages())
    files.push_back({FileNameOf(image), platform::WriteBmp(DrawDarkImage(image))});
  return files;
}

}  // namespace skinart
