#pragma once

#include <cstddef>
#include <cstdint>

// The layout of a theme file: a 24-byte header whose last field points at the first entry
// record, then a chain of 77-byte records, each pointing at its data and at the next record;
// the record with next offset 0 ends the chain. Numbers are 32-bit little-endian.
namespace suiThemeFormat {

inline constexpr std::size_t HeaderSize = 24;
inline constexpr std::size_t HeaderSizeField = 12;
inline constexpr std::size_t FirstRecordField = 20;

inline constexpr std::size_t NameSize = 64;
inline constexpr std::size_t KindField = 64;
inline constexpr std::size_t DataOffsetField = 65;
inline constexpr std::size_t DataSizeField = 69;
inline constexpr std::size_t NextRecordField = 73;
inline constexpr std::size_t RecordSize = 77;

enum class TEntryKind : std::uint8_t { Binary = 0, Integer = 1, Boolean = 2, Text = 3 };

// A real theme holds a few dozen entries; more than this is a damaged or hostile file.
inline constexpr std::size_t MaxEntries = 4096;

}  // namespace suiThemeFormat
