#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/runtime/Text.h"
#include "skinengine/skin/sBevelTypes.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/skin/sSkinLoaders.h"

namespace sSkinManager {

namespace {

// Real skins inherit a few levels deep; a longer chain can only be a cycle of parents.
constexpr std::size_t MaxInheritance = 32;

// Reads the keys of one INI section; a key the section lacks comes from its parent section,
// and so on up the ParentClassName chain, else the key's default.
class TInheritedKeys {
 public:
  TInheritedKeys(const framework::TMemIniFile& ini, const std::string& section)
      : ini_(ini), chain_(Chain(ini, section)) {}

  const std::string& Section() const { return chain_.front(); }

  // A stored -1 counts as missing.
  std::int32_t Int(std::string_view key, std::int32_t fallback) const {
    const std::int32_t value = Walk<std::int32_t>(
        -1, [&](const std::string& section) { return ini_.ReadInteger(section, key, -1); });
    return value == -1 ? fallback : value;
  }

  platform::TColor Color(std::string_view key, platform::TColor fallback) const {
    return static_cast<platform::TColor>(Int(key, static_cast<std::int32_t>(fallback)));
  }

  std::string String(std::string_view key, std::string_view fallback) const {
    std::string value = Walk<std::string>(
        "?", [&](const std::string& section) { return ini_.ReadString(section, key, "?"); });
    return value == "?" ? std::string(fallback) : value;
  }

  bool Bool(std::string_view key, bool fallback) const {
    return framework::UpperCase(String(key, fallback ? "TRUE" : "FALSE")) == "TRUE";
  }

  // The five keys of a font colour list: "FontColor" reads FONTCOLOR, TCLEFT, TCTOP, TCRIGHT
  // and TCBOTTOM, "HotFontColor" the same keys with HOT in front.
  TsFontColor FontColor(std::string_view key, const TsFontColor& fallback) const {
    const std::string p(key.substr(0, key.size() - std::string_view("FontColor").size()));
    return {Int(p + "FONTCOLOR", fallback.Color), Int(p + "TCLEFT", fallback.Left),
            Int(p + "TCTOP", fallback.Top), Int(p + "TCRIGHT", fallback.Right),
            Int(p + "TCBOTTOM", fallback.Bottom)};
  }

  // The section's own value, not inherited.
  std::string OwnString(std::string_view key, std::string_view fallback) const {
    return ini_.ReadString(Section(), key, fallback);
  }
  platform::TColor OwnColor(std::string_view key, platform::TColor fallback) const {
    return static_cast<platform::TColor>(
        ini_.ReadInteger(Section(), key, static_cast<std::int32_t>(fallback)));
  }

 private:
  // The section and its ancestors, nearest first; found once, since a section reads some
  // sixty keys and most of them walk the whole chain.
  static std::vector<std::string> Chain(const framework::TMemIniFile& ini,
                                        const std::string& section) {
    std::vector<std::string> chain{section};
    while (chain.size() < MaxInheritance) {
      std::string parent = ini.ReadString(chain.back(), "ParentClassName", "?");
      if (parent.empty() || parent == "?" || parent == chain.back()) break;
      chain.push_back(std::move(parent));
    }
    return chain;
  }

  template <class T, class Read>
  T Walk(const T& missing, Read read) const {
    for (const std::string& section : chain_) {
      T value = read(section);
      if (value != missing) return value;
    }
    return missing;
  }

  const framework::TMemIniFile& ini_;
  const std::vector<std::string> chain_;
};

template <TsKeyKind Kind, class Value, class Default>
void ReadKey(const TInheritedKeys& keys, std::string_view key, const Default& fallback,
             Value& value) {
  using enum TsKeyKind;
  if constexpr (Kind == SectionName) {
    value = keys.Section();
  } else if constexpr (Kind == ParentName) {
    value = keys.OwnString(key, fallback);
  } else if constexpr (Kind == Int) {
    value = keys.Int(key, fallback);
  } else if constexpr (Kind == Color) {
    value = keys.Color(key, fallback);
  } else if constexpr (Kind == OwnColor) {
    // Not inherited, as the skin format has it: its skins set the shadow colour per section.
    value = keys.OwnColor(key, fallback);
  } else if constexpr (Kind == Bool) {
    value = keys.Bool(key, fallback);
  } else if constexpr (Kind == ControlBevel) {
    value = sBevelTypes::ControlBevelOf(keys.Int(key, fallback));
  } else if constexpr (Kind == EditorBevel) {
    value = sBevelTypes::EditorBevelOf(keys.Int(key, fallback));
  } else {
    static_assert(Kind == FontColors);
    value = keys.FontColor(key, fallback);
  }
}

// Gradient text is cut to its stored length and parsed unless it is the one blank that
// stands for no gradient.
void ReadGradient(const TInheritedKeys& keys, std::string_view key, std::string_view fallback,
                  std::string& text, sGradient::GradientArray& steps) {
  text = sGradient::TsGradientData(keys.String(key, fallback)).Text();
  if (text != " ") sGradient::ParseGradientData(text, steps);
}

SkinSectionData ReadSection(const framework::TMemIniFile& ini, const std::string& name) {
  const TInheritedKeys keys(ini, name);
  SkinSectionData s;
#define BEZIER_READ_KEY(key, kind, fallback, ...) \
  ReadKey<TsKeyKind::kind>(keys, #key, fallback, s.key);
#define BEZIER_READ_GRADIENT(key, parsed, fallback, ...) \
  ReadGradient(keys, #key, fallback, s.key, s.parsed);
#define BEZIER_NOT_READ(...)
  BEZIER_SKIN_SECTION_KEYS(BEZIER_READ_KEY, BEZIER_READ_GRADIENT, BEZIER_NOT_READ)
#undef BEZIER_READ_KEY
#undef BEZIER_READ_GRADIENT
#undef BEZIER_NOT_READ
  return s;
}

}  // namespace

void LoadOptionsSections(const framework::TMemIniFile& ini) {
  std::vector<SkinSectionData>& sections = SkinSections();
  sections.clear();
  for (const std::string& name : ini.ReadSections()) sections.push_back(ReadSection(ini, name));
}

}  // namespace sSkinManager
