#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace suiThemeFile {

// The parsed content of one theme file: images (bitmap files), integers, booleans and texts,
// each found by name without regard to case; of entries with the same name the first counts.
//
// Damage raises EReadError, the previous reader (if any) staying as it was: "Stream read
// error" for a header, record or data block that runs past the end of the file, and its own
// message for a header size other than 24, an integer not of 4 bytes, a boolean not of 1, a
// chain of records that loops, or more records than any theme holds.
class TsuiThemeFileReader {
 public:
  // Reads the whole file; a file that cannot be read raises EFOpenError.
  explicit TsuiThemeFileReader(const std::string& fileName);
  explicit TsuiThemeFileReader(std::vector<std::uint8_t> data);

  std::optional<std::span<const std::uint8_t>> Image(std::string_view name) const;
  std::optional<std::int32_t> Integer(std::string_view name) const;
  std::optional<std::uint8_t> Boolean(std::string_view name) const;
  std::optional<std::string> Text(std::string_view name) const;
  // The entries kept, of every kind; a repeated name counts once.
  std::size_t EntryCount() const;

 private:
  // Images and texts stay in the file's bytes, so a file whose records share one large
  // block costs no more memory than the file itself.
  struct Block {
    std::size_t Offset = 0;
    std::size_t Size = 0;
  };

  void Parse();
  void ReadEntry(std::size_t record);

  std::vector<std::uint8_t> data_;
  std::map<std::string, Block> images_;
  std::map<std::string, std::int32_t> integers_;
  std::map<std::string, std::uint8_t> booleans_;
  std::map<std::string, Block> texts_;
};

}  // namespace suiThemeFile
