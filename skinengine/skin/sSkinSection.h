#pragma once

#include <cstdint>
#include <string>

#include "platform/graphics/Color.h"
#include "skinengine/pixels/sBevels.h"
#include "skinengine/pixels/sGradient.h"
#include "skinengine/pixels/sGraphUtils.h"

// The keys of a skin section, described once for everything that handles them: the stored
// skins keep and publish them, the stored copy and the "Options.dat" reader fill the loaded
// record with them, and the artwork generator writes them.
namespace sSkinManager {

using sGraphUtils::TsFontColor;

// A plain text colour without outlines: "0 -1 -1 -1 -1".
inline constexpr TsFontColor PlainFontColor{0, -1, -1, -1, -1};

// How a key is held, published and read from "Options.dat".
enum class TsKeyKind {
  SectionName,   // in "Options.dat" the INI section's own name
  ParentName,    // the section's own parent: "Options.dat" does not inherit it
  Text,          // streamed only
  Int,           // "Options.dat" reads a missing key, or -1, from the parent section
  Color,         // as Int
  OwnColor,      // as Color, but never inherited (the shadow colour)
  Bool,          // "TRUE" in "Options.dat", inherited as text
  ControlBevel,  // an ordinal in "Options.dat", inherited as Int
  EditorBevel,   // as ControlBevel
  FontColors,    // a blank-separated list when stored, five integer keys in "Options.dat"
};

// What a key of each kind holds in a stored skin and in the loaded record.
template <class StoredType, class LoadedType = StoredType>
struct TsKeyHolds {
  using Stored = StoredType;
  using Loaded = LoadedType;
};
template <TsKeyKind>
struct TsKeyType;
template <>
struct TsKeyType<TsKeyKind::SectionName> : TsKeyHolds<std::string> {};
template <>
struct TsKeyType<TsKeyKind::ParentName> : TsKeyHolds<std::string> {};
template <>
struct TsKeyType<TsKeyKind::Text> : TsKeyHolds<std::string> {};
template <>
struct TsKeyType<TsKeyKind::Int> : TsKeyHolds<std::int32_t> {};
template <>
struct TsKeyType<TsKeyKind::Color> : TsKeyHolds<platform::TColor> {};
template <>
struct TsKeyType<TsKeyKind::OwnColor> : TsKeyHolds<platform::TColor> {};
template <>
struct TsKeyType<TsKeyKind::Bool> : TsKeyHolds<bool> {};
template <>
struct TsKeyType<TsKeyKind::ControlBevel> : TsKeyHolds<sBevels::TsControlBevel> {};
template <>
struct TsKeyType<TsKeyKind::EditorBevel> : TsKeyHolds<sBevels::TsEditorBevel> {};
template <>
struct TsKeyType<TsKeyKind::FontColors> : TsKeyHolds<std::string, TsFontColor> {};

}  // namespace sSkinManager

// Every key of a section in the order the stored skins stream them, one line each:
//   KEY(Name, Kind, Default, Place)          a key both loaders read
//   GRADIENT(Name, Parsed, Default, Place)   gradient text (TsGradientData when stored), which
//                                            the loaded record also keeps parsed in Parsed
//   STREAMED(Name, Kind)                     streamed with a stored skin, never loaded
// Default is what the "Options.dat" reader gives a key that neither the section nor an
// ancestor holds. Place is the key's place in the loaded record; the stored copy goes in that
// order, so that a value it cannot read leaves every later place zero.
//
// An X-macro rather than a table of member pointers: it also declares the members of the
// stored values and of the loaded record, which a table could only point at, so that they
// would be written out a second time beside it.
#define BEZIER_SKIN_SECTION_KEYS(KEY, GRADIENT, STREAMED)        \
  KEY(SectionName, SectionName, "", 2)                           \
  KEY(ParentClassName, ParentName, "", 1)                        \
  KEY(PaintingColor, Color, 0xFFFFFF, 3)                         \
  KEY(PaintingBevel, ControlBevel, sBevels::cbNone, 4)           \
  KEY(PaintingBevelWidth, Int, 2, 5)                             \
  KEY(ShadowBlur, Int, 6, 9)                                     \
  KEY(ShadowColor, OwnColor, 0, 10)                              \
  STREAMED(ShadowDontUse, Bool)                                  \
  KEY(ShadowEnabled, Bool, false, 11)                            \
  KEY(ReservedBoolean, Bool, false, 8)                           \
  KEY(ShadowOffset, Int, 3, 12)                                  \
  KEY(ShadowTransparency, Int, 60, 13)                           \
  KEY(FontColor, FontColors, sSkinManager::PlainFontColor, 6)    \
  KEY(HotFontColor, FontColors, sSkinManager::PlainFontColor, 7) \
  KEY(PaintingTransparency, Int, 0, 14)                          \
  KEY(GradientPercent, Int, 0, 15)                               \
  GRADIENT(GradientData, Gradient, " ", 16)                      \
  KEY(ImagePercent, Int, 0, 17)                                  \
  KEY(ShowFocus, Bool, false, 18)                                \
  KEY(FadingEnabled, Bool, false, 19)                            \
  KEY(FadingIntervalIn, Int, 5, 20)                              \
  KEY(FadingIntervalOut, Int, 5, 21)                             \
  KEY(FadingIterations, Int, 5, 22)                              \
  KEY(HotPaintingColor, Color, 0xFFFFFF, 23)                     \
  KEY(HotPaintingTransparency, Int, 0, 24)                       \
  KEY(HotPaintingBevel, ControlBevel, sBevels::cbNone, 25)       \
  KEY(HotPaintingBevelWidth, Int, 2, 26)                         \
  KEY(HotGradientPercent, Int, 0, 27)                            \
  GRADIENT(HotGradientData, HotGradient, "", 28)                 \
  KEY(HotImagePercent, Int, 0, 29)                               \
  KEY(PaintingColorBorderTop, Color, 0, 30)                      \
  KEY(PaintingColorBorderBottom, Color, 0, 31)                   \
  KEY(SelectionBorderBevel, EditorBevel, sBevels::ebLowered, 32) \
  KEY(SelectionBorderWidth, Int, 2, 33)                          \
  KEY(SelectionColor, Color, 0xFFFFFF, 34)                       \
  STREAMED(Name, Text)
