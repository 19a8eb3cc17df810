#include "framework/runtime/Text.h"
#include "skin/sBevelTypes.h"
#include "skin/sSkinLists.h"
#include "skin/sSkinLoaders.h"

namespace sSkinManager {

namespace {

// Real skins inherit a few levels deep; a longer chain can only be a cycle of parents.
constexpr int MaxInheritance = 32;

// Reads the keys of one INI section; a key the section lacks comes from its parent section,
// and so on up the ParentClassName chain, else the key's default.
class TInheritedKeys {
 public:
  TInheritedKeys(const framework::TMemIniFile& ini, const std::string& section)
      : ini_(ini), section_(section) {}

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

  bool Bool(std::string_view key) const {
    return framework::UpperCase(String(key, "FALSE")) == "TRUE";
  }

  TsFontColor FontColor(std::string_view prefix) const {
    const std::string p(prefix);
    return {Int(p + "FONTCOLOR", 0), Int(p + "TCLEFT", -1), Int(p + "TCTOP", -1),
            Int(p + "TCRIGHT", -1), Int(p + "TCBOTTOM", -1)};
  }

 private:
  template <class T, class Read>
  T Walk(const T& missing, Read read) const {
    std::string section = section_;
    for (int depth = 0; depth < MaxInheritance; ++depth) {
      T value = read(section);
      if (value != missing) return value;
      std::string parent = ini_.ReadString(section, "ParentClassName", "?");
      if (parent.empty() || parent == "?" || parent == section) break;
      section = std::move(parent);
    }
    return missing;
  }

  const framework::TMemIniFile& ini_;
  const std::string& section_;
};

void ParseGradient(const std::string& text, sGradient::GradientArray& steps) {
  if (text != " ") sGradient::ParseGradientData(text, steps);
}

SkinSectionData ReadSection(const framework::TMemIniFile& ini, const std::string& name) {
  const TInheritedKeys keys(ini, name);
  SkinSectionData s;
  s.ParentClassName = ini.ReadString(name, "ParentClassName", "");
  s.SectionName = name;
  s.PaintingColor = keys.Color("PaintingColor", 0xFFFFFF);
  s.PaintingBevel = sBevelTypes::ControlBevelOf(keys.Int("PaintingBevel", sBevels::cbNone));
  s.PaintingBevelWidth = keys.Int("PaintingBevelWidth", 2);
  s.FontColor = keys.FontColor("");
  s.HotFontColor = keys.FontColor("HOT");
  s.ReservedBoolean = keys.Bool("RESERVEDBOOLEAN");
  s.ShadowBlur = keys.Int("ShadowBlur", 6);
  s.ShadowColor = static_cast<platform::TColor>(ini.ReadInteger(name, "ShadowColor", 0));
  s.ShadowEnabled = keys.Bool("ShadowEnabled");
  s.ShadowOffset = keys.Int("ShadowOffset", 3);
  s.ShadowTransparency = keys.Int("ShadowTransparency", 60);
  s.PaintingTransparency = keys.Int("PaintingTransparency", 0);
  s.GradientPercent = keys.Int("GradientPercent", 0);
  s.GradientData = sGradient::TsGradientData(keys.String("GradientData", " ")).Text();
  ParseGradient(s.GradientData, s.Gradient);
  s.ImagePercent = keys.Int("ImagePercent", 0);
  s.ShowFocus = keys.Bool("ShowFocus");
  s.FadingEnabled = keys.Bool("FadingEnabled");
  s.FadingIntervalIn = keys.Int("FadingIntervalIn", 5);
  s.FadingIntervalOut = keys.Int("FadingIntervalOut", 5);
  s.FadingIterations = keys.Int("FadingIterations", 5);
  s.HotPaintingColor = keys.Color("HotPaintingColor", 0xFFFFFF);
  s.HotPaintingTransparency = keys.Int("HotPaintingTransparency", 0);
  s.HotPaintingBevel = sBevelTypes::ControlBevelOf(keys.Int("HotPaintingBevel", sBevels::cbNone));
  s.HotPaintingBevelWidth = keys.Int("HotPaintingBevelWidth", 2);
  s.HotGradientPercent = keys.Int("HotGradientPercent", 0);
  s.HotGradientData = sGradient::TsGradientData(keys.String("HotGradientData", "")).Text();
  ParseGradient(s.HotGradientData, s.HotGradient);
  s.HotImagePercent = keys.Int("HotImagePercent", 0);
  s.PaintingColorBorderTop = keys.Color("PaintingColorBorderTop", 0);
  s.PaintingColorBorderBottom = keys.Color("PaintingColorBorderBottom", 0);
  s.SelectionBorderBevel =
      sBevelTypes::EditorBevelOf(keys.Int("SelectionBorderBevel", sBevels::ebLowered));
  s.SelectionBorderWidth = keys.Int("SelectionBorderWidth", 2);
  s.SelectionColor = keys.Color("SelectionColor", 0xFFFFFF);
  return s;
}

}  // namespace

void LoadOptionsSections(const framework::TMemIniFile& ini) {
  std::vector<SkinSectionData>& sections = SkinSections();
  sections.clear();
  for (const std::string& name : ini.ReadSections()) sections.push_back(ReadSection(ini, name));
}

}  // namespace sSkinManager
