#include "styled/suiThemeFile.h"

#include <algorithm>
#include <cctype>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Files.h"
#include "framework/runtime/Format.h"
#include "framework/runtime/ResStrings.h"
#include "styled/suiThemeFormat.h"

namespace suiThemeFile {

using namespace suiThemeFormat;

namespace {

[[noreturn]] void PastTheEnd() {
  throw framework::EReadError(std::string(framework::SReadError));
}

void CheckBlock(std::span<const std::uint8_t> data, std::size_t offset, std::size_t size) {
  if (offset > data.size() || size > data.size() - offset) PastTheEnd();
}

std::uint32_t ReadU32(std::span<const std::uint8_t> data, std::size_t offset) {
  CheckBlock(data, offset, 4);
  return static_cast<std::uint32_t>(data[offset]) |
         static_cast<std::uint32_t>(data[offset + 1]) << 8 |
         static_cast<std::uint32_t>(data[offset + 2]) << 16 |
         static_cast<std::uint32_t>(data[offset + 3]) << 24;
}

std::vector<std::uint8_t> ReadFile(const std::string& fileName) {
  int error = 0;
  const auto text = framework::ReadWholeFile(fileName, error);
  if (!text) throw framework::EFOpenError(fileName, framework::SysErrorMessage(error));
  return {text->begin(), text->end()};
}

// The lookup form of a name: letter case folded.
std::string Key(std::string_view name) {
  std::string key(name);
  std::ranges::transform(key, key.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return key;
}

template <class Map>
auto Find(const Map& map, std::string_view name) -> std::optional<typename Map::mapped_type> {
  const auto it = map.find(Key(name));
  if (it == map.end()) return std::nullopt;
  return it->second;
}

}  // namespace

TsuiThemeFileReader::TsuiThemeFileReader(const std::string& fileName)
    : TsuiThemeFileReader(ReadFile(fileName)) {}

TsuiThemeFileReader::TsuiThemeFileReader(std::vector<std::uint8_t> data) : data_(std::move(data)) {
  Parse();
}

void TsuiThemeFileReader::Parse() {
  const std::uint32_t headerSize = ReadU32(data_, HeaderSizeField);
  if (headerSize != HeaderSize)
    throw framework::EReadError(
        framework::Format("Theme file header size is %d, not %d", {headerSize, HeaderSize}));
  CheckBlock(data_, 0, HeaderSize);
  std::size_t record = ReadU32(data_, FirstRecordField);
  // Each record may be visited once: a chain that comes back to one would never end.
  std::vector<bool> visited(data_.size());
  for (std::size_t count = 0;; ++count) {
    CheckBlock(data_, record, RecordSize);
    if (visited[record]) throw framework::EReadError("Theme file records form a loop");
    visited[record] = true;
    const std::size_t next = ReadU32(data_, record + NextRecordField);
    if (next == 0) break;
    if (count == MaxEntries)
      throw framework::EReadError(
          framework::Format("Theme file holds more than %d entries", {MaxEntries}));
    ReadEntry(record);
    record = next;
  }
}

void TsuiThemeFileReader::ReadEntry(std::size_t record) {
  const auto* nameStart = reinterpret_cast<const char*>(data_.data() + record);
  const std::string name(nameStart, std::find(nameStart, nameStart + NameSize, '\0'));
  const std::uint8_t kind = data_[record + KindField];
  const Block block{ReadU32(data_, record + DataOffsetField),
                    ReadU32(data_, record + DataSizeField)};
  auto checkSize = [&](std::size_t expected, const char* what) {
    if (block.Size != expected)
      throw framework::EReadError(framework::Format("Theme entry '%s' holds %s of %d bytes, not %d",
                                                    {name, what, block.Size, expected}));
    CheckBlock(data_, block.Offset, block.Size);
  };
  switch (static_cast<TEntryKind>(kind)) {
    case TEntryKind::Binary:
      CheckBlock(data_, block.Offset, block.Size);
      images_.try_emplace(Key(name), block);
      break;
    case TEntryKind::Integer:
      checkSize(4, "an integer");
      integers_.try_emplace(Key(name), static_cast<std::int32_t>(ReadU32(data_, block.Offset)));
      break;
    case TEntryKind::Boolean:
      checkSize(1, "a boolean");
      booleans_.try_emplace(Key(name), data_[block.Offset]);
      break;
    case TEntryKind::Text:
      CheckBlock(data_, block.Offset, block.Size);
      texts_.try_emplace(Key(name), block);
      break;
    default:
      break;  // a kind this reader does not know is skipped
  }
}

std::optional<std::span<const std::uint8_t>> TsuiThemeFileReader::Image(
    std::string_view name) const {
  const auto block = Find(images_, name);
  if (!block) return std::nullopt;
  return std::span<const std::uint8_t>(data_).subspan(block->Offset, block->Size);
}

std::optional<std::int32_t> TsuiThemeFileReader::Integer(std::string_view name) const {
  return Find(integers_, name);
}

std::optional<std::uint8_t> TsuiThemeFileReader::Boolean(std::string_view name) const {
  return Find(booleans_, name);
}

std::optional<std::string> TsuiThemeFileReader::Text(std::string_view name) const {
  const auto block = Find(texts_, name);
  if (!block) return std::nullopt;
  const auto* start = reinterpret_cast<const char*>(data_.data() + block->Offset);
  return std::string(start, block->Size);
}

std::size_t TsuiThemeFileReader::EntryCount() const {
  return images_.size() + integers_.size() + booleans_.size() + texts_.size();
}

}  // namespace suiThemeFile
