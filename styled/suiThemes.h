#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "framework/classes/ClassInfo.h"
#include "platform/graphics/Color.h"

namespace suiThemes {

// The kit's UI styles. Stored as one byte; readers ignore its top bit.
enum class TsuiUIStyle : std::uint8_t { FromThemeFile, MacOS, WinXP, DeepBlue, Protein, BlueGlass };
extern const framework::TEnumType UIStyleType;
// The style of a styled control that has no other to go by.
inline constexpr TsuiUIStyle DefaultUIStyle = TsuiUIStyle::DeepBlue;

inline constexpr int BuiltInStyleCount = 5;
inline constexpr int ThemeEntryCount = 42;

enum class TThemeKind : std::uint8_t { Integer, Color, Bitmap, Boolean };

// One numbered theme entry with its value in each built-in style (MacOS to BlueGlass). A
// bitmap entry names a bitmap resource; the others hold a number.
struct TThemeEntry {
  std::string_view Key;
  TThemeKind Kind;
  std::array<std::int32_t, BuiltInStyleCount> Values;
  std::array<std::string_view, BuiltInStyleCount> Bitmaps;
};

// The entries whose colours the styled controls and the theme artwork read.
inline constexpr int MenuSelectedBorderColorEntry = 18;
inline constexpr int MenuSelectedBackgroundColorEntry = 19;
inline constexpr int MenuSelectedFontColorEntry = 20;
inline constexpr int MenuFontColorEntry = 22;
inline constexpr int ControlBorderColorEntry = 25;
inline constexpr int ControlBackgroundColorEntry = 26;
inline constexpr int ControlFontColorEntry = 27;

// Entry 1 to ThemeEntryCount, or null for any other index.
const TThemeEntry* FindThemeEntry(int index);

// The column of a built-in style (0 for MacOS to 4 for BlueGlass), read modulo 128; -1 for
// FromThemeFile and for values that name no style.
int BuiltInStyleIndex(TsuiUIStyle style);
bool IsFromThemeFile(TsuiUIStyle style);

// The value of an entry in a style. A style that is not built in, an index outside the table
// or an entry of another kind gives colour 0, integer -1, boolean false.
platform::TColor GetThemeColor(TsuiUIStyle style, int index);
int GetThemeInt(TsuiUIStyle style, int index);
bool GetThemeBool(TsuiUIStyle style, int index);
// The resource name of a bitmap entry, or empty.
std::string_view GetThemeBitmapName(TsuiUIStyle style, int index);

}  // namespace suiThemes
