#include "styled/suiThemes.h"

#include <cstddef>

namespace suiThemes {

namespace {

constexpr std::string_view UIStyleNames[] = {"FromThemeFile", "MacOS",   "WinXP",
                                             "DeepBlue",      "Protein", "BlueGlass"};

constexpr TThemeEntry Number(std::string_view key, TThemeKind kind, std::int32_t macOS,
                             std::int32_t winXP, std::int32_t deepBlue, std::int32_t protein,
                             std::int32_t blueGlass) {
  return {key, kind, {macOS, winXP, deepBlue, protein, blueGlass}, {}};
}
constexpr TThemeEntry Int(std::string_view key, std::int32_t a, std::int32_t b, std::int32_t c,
                          std::int32_t d, std::int32_t e) {
  return Number(key, TThemeKind::Integer, a, b, c, d, e);
}
constexpr TThemeEntry Color(std::string_view key, std::int32_t a, std::int32_t b, std::int32_t c,
                            std::int32_t d, std::int32_t e) {
  return Number(key, TThemeKind::Color, a, b, c, d, e);
}
constexpr TThemeEntry Bool(std::string_view key, std::int32_t a, std::int32_t b, std::int32_t c,
                           std::int32_t d, std::int32_t e) {
  return Number(key, TThemeKind::Boolean, a, b, c, d, e);
}
constexpr TThemeEntry Bitmap(std::string_view key, std::string_view a, std::string_view b,
                             std::string_view c, std::string_view d, std::string_view e) {
  return {key, TThemeKind::Bitmap, {}, {a, b, c, d, e}};
}

// Columns: MacOS, WinXP, DeepBlue, Protein, BlueGlass; colours as 0xBBGGRR.
constexpr std::array<TThemeEntry, ThemeEntryCount> Table = {{
    Bitmap("ButtonImage", "MACOS_BUTTON", "WINXP_BUTTON", "DEEPBLUE_BUTTON", "PROTEIN_BUTTON",
           "BLUEGLASS_BUTTON"),
    Bool("ButtonTransparentBool", 1, 0, 0, 0, 1),
    Bitmap("CheckBoxImage", "MACOS_CHECKBOX", "WINXP_CHECKBOX", "DEEPBLUE_CHECKBOX",
           "PROTEIN_CHECKBOX", "BLUEGLASS_CHECKBOX"),
    Bitmap("RadioButtonImage", "MACOS_RADIOBUTTON", "WINXP_RADIOBUTTON", "DEEPBLUE_RADIOBUTTON",
           "PROTEIN_RADIOBUTTON", "BLUEGLASS_RADIOBUTTON"),
    Bitmap("TitleBarButtonImage", "MACOS_TITLEBTN", "WINXP_TITLEBTN", "DEEPBLUE_TITLEBTN",
           "PROTEIN_TITLEBTN", "BLUEGLASS_TITLEBTN"),
    Bool("TitleBarButtonTransparentBool", 0, 0, 0, 1, 1),
    Int("TitleBarButtonLeftOffsetInt", 3, 2, 0, 0, 4),
    Int("TitleBarButtonRightOffsetInt", -2, -2, 0, 0, -3),
    Int("TitleBarButtonTopInt", 4, 5, 2, 2, 6),
    Bitmap("TitleBarLeftImage", "MACOS_TITLE_LEFT", "WINXP_TITLE_LEFT", "DEEPBLUE_TITLE_LEFT",
           "PROTEIN_TITLE_LEFT", "BLUEGLASS_TITLE_LEFT"),
    Bitmap("TitleBarClientImage", "MACOS_TITLE_CLIENT", "WINXP_TITLE_CLIENT",
           "DEEPBLUE_TITLE_CLIENT", "PROTEIN_TITLE_CLIENT", "BLUEGLASS_TITLE_CLIENT"),
    Bitmap("TitleBarRightImage", "MACOS_TITLE_RIGHT", "WINXP_TITLE_RIGHT", "DEEPBLUE_TITLE_RIGHT",
           "PROTEIN_TITLE_RIGHT", "BLUEGLASS_TITLE_RIGHT"),
    Int("FormMinWidthInt", 130, 150, 130, 130, 270),
    Int("FormRoundCornerInt", 0, 13, 0, 0, 11),
    Color("FormBackgroundColor", 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),
    Color("FormBorderColor", 0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000),
    Int("FormBorderWidthInt", 1, 3, 1, 1, 1),
    Color("MenuSelectedBorderColor", 0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E),
    Color("MenuSelectedBackgroundColor", 0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E),
    Color("MenuSelectedFontColor", 0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),
    Color("MenuBackgroundColor", 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7),
    Color("MenuFontColor", 0x000000, 0x000000, 0x000000, 0x000000, 0x000000),
    Color("MenuBarColor", 0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6),
    Bitmap("ProgressBarImage", "MACOS_PROGRESSBAR", "WINXP_PROGRESSBAR", "DEEPBLUE_PROGRESSBAR",
           "PROTEIN_PROGRESSBAR", "BLUEGLASS_PROGRESSBAR"),
    Color("ControlBorderColor", 0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000),
    Color("ControlBackgroundColor", 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),
    Color("ControlFontColor", 0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000),
    Bitmap("TrackBarBarImage", "MACOS_TRACKBAR_BAR", "WINXP_TRACKBAR_BAR", "DEEPBLUE_TRACKBAR_BAR",
           "PROTEIN_TRACKBAR_BAR", "BLUEGLASS_TRACKBAR_BAR"),
    Bitmap("TrackBarSliderImage", "MACOS_TRACKBAR_SLIDER", "WINXP_TRACKBAR_SLIDER",
           "DEEPBLUE_TRACKBAR_SLIDER", "PROTEIN_TRACKBAR_SLIDER", "BLUEGLASS_TRACKBAR_SLIDER"),
    Bitmap("TrackBarSliderVImage", "MACOS_TRACKBAR_SLIDER_V", "WINXP_TRACKBAR_SLIDER_V",
           "DEEPBLUE_TRACKBAR_SLIDER_V", "PROTEIN_TRACKBAR_SLIDER_V",
           "BLUEGLASS_TRACKBAR_SLIDER_V"),
    Color("ScrollBarBackgroundColor", 0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4),
    Bitmap("ScrollBarButtonImage", "MACOS_SCROLLBAR_BUTTON", "WINXP_SCROLLBAR_BUTTON",
           "DEEPBLUE_SCROLLBAR_BUTTON", "PROTEIN_SCROLLBAR_BUTTON", "BLUEGLASS_SCROLLBAR_BUTTON"),
    Bitmap("ScrollBarSliderImage", "MACOS_SCROLLBAR_TRACK", "WINXP_SCROLLBAR_TRACK",
           "DEEPBLUE_SCROLLBAR_TRACK", "PROTEIN_SCROLLBAR_TRACK", "BLUEGLASS_SCROLLBAR_TRACK"),
    Bitmap("CheckListBoxImage", "MACOS_CHECKLIST", "WINXP_CHECKLIST", "DEEPBLUE_CHECKLIST",
           "PROTEIN_CHECKLIST", "BLUEGLASS_CHECKLIST"),
    Color("ToolBarButtonBorderColor", 0x474747, 0xC66931, 0x474747, 0x474747, 0x474747),
    Color("ToolBarButtonBackgroundColor", 0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF),
    Color("ToolBarButtonDownBackgroundColor", 0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8),
    Bitmap("ScrollButtonImage", "MACOS_SCROLLBUTTON", "WINXP_SCROLLBUTTON", "MORE_SCROLLBUTTON",
           "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON"),
    Bitmap("TabControlTabImage", "MACOS_TAB", "WINXP_TAB", "DEEPBLUE_TAB", "PROTEIN_TAB",
           "BLUEGLASS_TAB"),
    Bitmap("TabControlBarImage", "MACOS_TAB_LINE", "WINXP_TAB_LINE", "DEEPBLUE_TAB_LINE",
           "PROTEIN_TAB_LINE", "BLUEGLASS_TAB_LINE"),
    Bitmap("SideChannelHandleImage", "MACOS_SIDECHENNEL_HANDLE", "WINXP_SIDECHENNEL_HANDLE",
           "DEEPBLUE_SIDECHENNEL_HANDLE", "PROTEIN_SIDECHENNEL_HANDLE",
           "BLUEGLASS_SIDECHENNEL_HANDLE"),
    Bitmap("SideChannelBarImage", "MACOS_SIDECHENNEL_BAR", "WINXP_SIDECHENNEL_BAR",
           "DEEPBLUE_SIDECHENNEL_BAR", "PROTEIN_SIDECHENNEL_BAR", "BLUEGLASS_SIDECHENNEL_BAR"),
}};

constexpr bool Names(int index, std::string_view key) {
  return Table[static_cast<std::size_t>(index - 1)].Key == key;
}
static_assert(Names(MenuSelectedBorderColorEntry, "MenuSelectedBorderColor") &&
              Names(MenuSelectedBackgroundColorEntry, "MenuSelectedBackgroundColor") &&
              Names(MenuSelectedFontColorEntry, "MenuSelectedFontColor") &&
              Names(MenuFontColorEntry, "MenuFontColor") &&
              Names(ControlBorderColorEntry, "ControlBorderColor") &&
              Names(ControlBackgroundColorEntry, "ControlBackgroundColor") &&
              Names(ControlFontColorEntry, "ControlFontColor"));

// The entry as a style reads it: null when the style is not built in or the index is
// outside the table, which readers answer as an integer entry of value -1.
const TThemeEntry* Lookup(TsuiUIStyle style, int index, TThemeKind kind) {
  if (BuiltInStyleIndex(style) < 0) return nullptr;
  const TThemeEntry* entry = FindThemeEntry(index);
  return entry && entry->Kind == kind ? entry : nullptr;
}

std::int32_t ValueIn(const TThemeEntry& entry, TsuiUIStyle style) {
  return entry.Values[static_cast<std::size_t>(BuiltInStyleIndex(style))];
}

}  // namespace

const framework::TEnumType UIStyleType{"TsuiUIStyle", UIStyleNames};

const TThemeEntry* FindThemeEntry(int index) {
  if (index < 1 || index > ThemeEntryCount) return nullptr;
  return &Table[static_cast<std::size_t>(index - 1)];
}

int BuiltInStyleIndex(TsuiUIStyle style) {
  const int value = static_cast<std::uint8_t>(style) % 128;
  return value >= 1 && value <= BuiltInStyleCount ? value - 1 : -1;
}

bool IsFromThemeFile(TsuiUIStyle style) {
  return static_cast<std::uint8_t>(style) % 128 ==
         static_cast<std::uint8_t>(TsuiUIStyle::FromThemeFile);
}

platform::TColor GetThemeColor(TsuiUIStyle style, int index) {
  const TThemeEntry* entry = Lookup(style, index, TThemeKind::Color);
  return entry ? static_cast<platform::TColor>(ValueIn(*entry, style)) : 0;
}

int GetThemeInt(TsuiUIStyle style, int index) {
  const TThemeEntry* entry = Lookup(style, index, TThemeKind::Integer);
  return entry ? ValueIn(*entry, style) : -1;
}

bool GetThemeBool(TsuiUIStyle style, int index) {
  const TThemeEntry* entry = Lookup(style, index, TThemeKind::Boolean);
  return entry && ValueIn(*entry, style) != 0;
}

std::string_view GetThemeBitmapName(TsuiUIStyle style, int index) {
  const TThemeEntry* entry = Lookup(style, index, TThemeKind::Bitmap);
  return entry ? entry->Bitmaps[static_cast<std::size_t>(BuiltInStyleIndex(style))]
               : std::string_view();
}

}  // namespace suiThemes
