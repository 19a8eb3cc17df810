#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <tuple>

#include "platform/Error.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/FontMatch.h"
#include "platform/graphics/FreeTypeFont.h"

namespace platform {

namespace {

// Every font the process has used, kept until it ends: the tool draws with a handful.
class FontCache {
 public:
  // A configuration of our own, unlike fontconfig's process-wide one, can be freed at exit.
  FontCache() : config_(FcInitLoadConfigAndFonts()) {
    if (!config_) throw Error("cannot load the fontconfig configuration");
    if (FT_Init_FreeType(&library_) != 0) {
      FcConfigDestroy(config_);
      throw Error("cannot initialise FreeType");
    }
  }
  ~FontCache() {
    fonts_.clear();
    FT_Done_FreeType(library_);
    FcConfigDestroy(config_);
  }
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  ScaledFont& Get(const Font& font) {
    const int height = font.Height == 0 ? -11 : font.Height;
    if (height < -MaxFontHeight || height > MaxFontHeight)
      throw Error("font height " + std::to_string(font.Height) + " is out of range");

    const std::lock_guard lock(mutex_);
    const FaceChoice& face = Resolve(font.Name, font.Bold, font.Italic);
    auto key = std::make_tuple(face, height);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
      FacePtr file = OpenScalableFace(library_, face);
      if (!file) throw Error("cannot open the font file " + face.Path);
      auto scaled = std::make_unique<FreeTypeFont>(std::move(file), height, face.SynthesiseBold,
                                                   face.SynthesiseItalic);
      it = fonts_.emplace(std::move(key), std::move(scaled)).first;
    }
    return *it->second;
  }

 private:
  const FaceChoice& Resolve(const std::string& name, bool bold, bool italic) {
    auto key = std::make_tuple(name, bold, italic);
    auto it = faces_.find(key);
    if (it != faces_.end()) return it->second;
    auto face = Usable(MatchFace(config_, ServingFamily(name), bold, italic));
    if (!face) face = Usable(MatchFace(config_, "sans-serif", bold, italic));
    if (!face) throw Error("no font face for \"" + name + "\" and no sans-serif face either");
    return faces_.emplace(std::move(key), std::move(*face)).first->second;
  }

  std::optional<FaceChoice> Usable(std::optional<FaceChoice> face) const {
    if (face && !OpenScalableFace(library_, *face)) return std::nullopt;
    return face;
  }

  std::mutex mutex_;
  FcConfig* config_;
  FT_Library library_ = nullptr;
  std::map<std::tuple<std::string, bool, bool>, FaceChoice> faces_;
  std::map<std::tuple<FaceChoice, int>, std::unique_ptr<FreeTypeFont>> fonts_;
};

}  // namespace

ScaledFont& GetScaledFont(const Font& font) {
  static FontCache cache;
  return cache.Get(font);
}

}  // namespace platform
