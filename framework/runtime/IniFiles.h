#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace framework {

// An INI file held in memory: sections and keys keep their file order, and section and key
// names are matched without regard to case. A skin reads thousands of keys, so names are
// looked up through hashed indexes rather than by walking the lists.
class TMemIniFile {
 public:
  TMemIniFile() = default;
  // Reads the file when it exists; an existing file that cannot be read raises EFOpenError.
  explicit TMemIniFile(const std::string& fileName);

  // Replaces the contents by the lines of an INI text. Lines are trimmed; empty lines and
  // lines starting with ';' are skipped; "[Name]" starts a section; "key=value" adds a key
  // with both sides trimmed. A repeated section continues the first one of that name.
  void SetText(std::string_view text);

  std::string ReadString(std::string_view section, std::string_view ident,
                         std::string_view fallback) const;
  // The value through StrToIntDef, with "0x" taken as hexadecimal as well.
  std::int32_t ReadInteger(std::string_view section, std::string_view ident,
                           std::int32_t fallback) const;
  // True when the value reads as a non-zero integer.
  bool ReadBool(std::string_view section, std::string_view ident, bool fallback) const;

  bool SectionExists(std::string_view section) const;
  std::vector<std::string> ReadSections() const;
  // The key names of a section in file order; empty for a missing section.
  std::vector<std::string> ReadSection(std::string_view section) const;

 private:
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const;
  };
  struct SameName {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  // Each name to the place of its first entry.
  using NameIndex = std::unordered_map<std::string, std::size_t, NameHash, SameName>;

  struct Section {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Values;
    NameIndex Keys;
  };

  const Section* FindSection(std::string_view name) const;
  const std::string* FindValue(std::string_view section, std::string_view ident) const;

  std::vector<Section> sections_;
  NameIndex sectionIndex_;
};

}  // namespace framework
