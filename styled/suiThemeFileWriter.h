#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "styled/suiThemeFormat.h"
#include "styled/suiThemes.h"

namespace suiThemeFileWriter {

// One entry of a theme file as written: its name (at most 64 bytes), its kind and its data
// bytes (a bitmap file, a 32-bit little-endian integer, one byte, a text).
struct TThemeFileEntry {
  std::string Name;
  suiThemeFormat::TEntryKind Kind = suiThemeFormat::TEntryKind::Binary;
  std::vector<std::uint8_t> Data;
};

TThemeFileEntry IntegerEntry(std::string_view name, std::int32_t value);
TThemeFileEntry BooleanEntry(std::string_view name, bool value);
TThemeFileEntry BinaryEntry(std::string_view name, std::vector<std::uint8_t> data);
TThemeFileEntry TextEntry(std::string_view name, std::string_view text);

// The bytes of a theme file holding the entries in order. A name longer than 64 bytes or a
// file beyond 4 GB raises EStreamError.
std::vector<std::uint8_t> WriteThemeFile(const std::vector<TThemeFileEntry>& entries);

// The 42 entries of a built-in style under their keys; bitmaps as the bytes of their bitmap
// resources (platform::Error when one is not registered). FromThemeFile raises EConvertError.
std::vector<TThemeFileEntry> BuiltInThemeEntries(suiThemes::TsuiUIStyle style);

}  // namespace suiThemeFileWriter
