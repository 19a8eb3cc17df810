#include "styled/suiThemeFileWriter.h"

#include <algorithm>
#include <cstddef>
#include <limits>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Format.h"
#include "platform/kernel/Resources.h"

namespace suiThemeFileWriter {

using namespace suiThemeFormat;

namespace {

// The signature and version in the header's free bytes; readers don't look at them.
constexpr std::string_view Signature = "Bezier theme";
constexpr std::uint32_t Version = 1;

void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::size_t value) {
  if (value > std::numeric_limits<std::uint32_t>::max())
    throw framework::EStreamError("A theme file cannot be larger than 4 GB");
  for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = (value >> (8 * i)) & 0xFF;
}

std::vector<std::uint8_t> LittleEndian(std::uint32_t value) {
  std::vector<std::uint8_t> bytes(4);
  PutU32(bytes, 0, value);
  return bytes;
}

// Appends a record and its data; the next offset is filled in by the following record.
std::size_t AppendRecord(std::vector<std::uint8_t>& out, const TThemeFileEntry& entry) {
  if (entry.Name.size() > NameSize)
    throw framework::EStreamError(
        framework::Format("Theme entry name '%s' is longer than %d bytes", {entry.Name, NameSize}));
  const std::size_t record = out.size();
  out.resize(record + RecordSize);
  std::copy(entry.Name.begin(), entry.Name.end(),
            out.begin() + static_cast<std::ptrdiff_t>(record));
  out[record + KindField] = static_cast<std::uint8_t>(entry.Kind);
  PutU32(out, record + DataOffsetField, out.size());
  PutU32(out, record + DataSizeField, entry.Data.size());
  out.insert(out.end(), entry.Data.begin(), entry.Data.end());
  PutU32(out, record + NextRecordField, out.size());
  return record;
}

}  // namespace

TThemeFileEntry IntegerEntry(std::string_view name, std::int32_t value) {
  return {std::string(name), TEntryKind::Integer, LittleEndian(static_cast<std::uint32_t>(value))};
}

TThemeFileEntry BooleanEntry(std::string_view name, bool value) {
  return {std::string(name), TEntryKind::Boolean, {static_cast<std::uint8_t>(value ? 1 : 0)}};
}

TThemeFileEntry BinaryEntry(std::string_view name, std::vector<std::uint8_t> data) {
  return {std::string(name), TEntryKind::Binary, std::move(data)};
}

TThemeFileEntry TextEntry(std::string_view name, std::string_view text) {
  return {std::string(name), TEntryKind::Text, {text.begin(), text.end()}};
}

std::vector<std::uint8_t> WriteThemeFile(const std::vector<TThemeFileEntry>& entries) {
  std::vector<std::uint8_t> out(HeaderSize);
  std::copy(Signature.begin(), Signature.end(), out.begin());
  PutU32(out, HeaderSizeField, HeaderSize);
  PutU32(out, HeaderSizeField + 4, Version);
  PutU32(out, FirstRecordField, HeaderSize);
  for (const TThemeFileEntry& entry : entries) AppendRecord(out, entry);
  // The record that ends the chain: no name, no data, next offset 0.
  const std::size_t last = AppendRecord(out, {});
  PutU32(out, last + NextRecordField, 0);
  return out;
}

std::vector<TThemeFileEntry> BuiltInThemeEntries(suiThemes::TsuiUIStyle style) {
  if (suiThemes::BuiltInStyleIndex(style) < 0)
    throw framework::EConvertError("Only a built-in UI style has theme entries of its own");
  std::vector<TThemeFileEntry> entries;
  for (int index = 1; index <= suiThemes::ThemeEntryCount; ++index) {
    const suiThemes::TThemeEntry& entry = *suiThemes::FindThemeEntry(index);
    switch (entry.Kind) {
      case suiThemes::TThemeKind::Integer:
        entries.push_back(IntegerEntry(entry.Key, suiThemes::GetThemeInt(style, index)));
        break;
      case suiThemes::TThemeKind::Color:
        entries.push_back(IntegerEntry(
            entry.Key, static_cast<std::int32_t>(suiThemes::GetThemeColor(style, index))));
        break;
      case suiThemes::TThemeKind::Boolean:
        entries.push_back(BooleanEntry(entry.Key, suiThemes::GetThemeBool(style, index)));
        break;
      case suiThemes::TThemeKind::Bitmap: {
        const auto bytes = platform::LoadResource(suiThemes::GetThemeBitmapName(style, index));
        entries.push_back(BinaryEntry(entry.Key, {bytes.begin(), bytes.end()}));
        break;
      }
    }
  }
  return entries;
}

}  // namespace suiThemeFileWriter
