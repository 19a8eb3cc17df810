#include "platform/graphics/FontMatch.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "platform/Error.h"

namespace platform {

namespace {

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

int IntegerOr(const FcPattern* pattern, const char* object, int fallback) {
  int value = fallback;
  return FcPatternGetInteger(pattern, object, 0, &value) == FcResultMatch ? value : fallback;
}

}  // namespace

std::string ServingFamily(std::string_view name) {
  if (EqualsIgnoringCase(name, "MS Sans Serif")) return "Liberation Sans";
  return std::string(name);
}

std::optional<FaceChoice> MatchFace(FcConfig* config, const std::string& family, bool bold,
                                    bool italic) {
  PatternPtr pattern(FcPatternCreate());
  if (!pattern) throw Error("fontconfig: out of memory");
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());

  FcResult result = FcResultNoMatch;
  const PatternPtr match(FcFontMatch(config, pattern.get(), &result));
  FcChar8* file = nullptr;
  if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch)
    return std::nullopt;

  // A family without a bold or italic file answers with its regular one; we draw the style
  // ourselves then.
  const int weight = IntegerOr(match.get(), FC_WEIGHT, FC_WEIGHT_REGULAR);
  const int slant = IntegerOr(match.get(), FC_SLANT, FC_SLANT_ROMAN);
  return FaceChoice{reinterpret_cast<const char*>(file), IntegerOr(match.get(), FC_INDEX, 0),
                    bold && weight < FC_WEIGHT_DEMIBOLD, italic && slant == FC_SLANT_ROMAN};
}

}  // namespace platform
