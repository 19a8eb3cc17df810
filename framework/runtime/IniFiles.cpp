#include "framework/runtime/IniFiles.h"

#include <optional>

#include "framework/runtime/Conversions.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Files.h"
#include "framework/runtime/Text.h"

namespace framework {

TMemIniFile::TMemIniFile(const std::string& fileName) {
  if (!FileExists(fileName)) return;
  int error = 0;
  const std::optional<std::string> data = ReadWholeFile(fileName, error);
  if (!data) throw EFOpenError(fileName, SysErrorMessage(error));
  SetText(*data);
}

std::size_t TMemIniFile::NameHash::operator()(std::string_view name) const {
  return TextHash(name);
}

bool TMemIniFile::SameName::operator()(std::string_view a, std::string_view b) const {
  return SameText(a, b);
}

void TMemIniFile::SetText(std::string_view text) {
  sections_.clear();
  sectionIndex_.clear();
  std::optional<std::size_t> current;
  for (const std::string& raw : SplitLines(text)) {
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      std::string name = line.substr(1, line.size() - 2);
      const auto [place, added] = sectionIndex_.try_emplace(name, sections_.size());
      if (added) sections_.push_back(Section{std::move(name), {}, {}});
      current = place->second;
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!current || equals == std::string::npos) continue;
    Section& section = sections_[*current];
    std::string key = Trim(line.substr(0, equals));
    section.Keys.try_emplace(key, section.Values.size());
    section.Values.emplace_back(std::move(key), Trim(line.substr(equals + 1)));
  }
}

const TMemIniFile::Section* TMemIniFile::FindSection(std::string_view name) const {
  const auto it = sectionIndex_.find(name);
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const std::string* TMemIniFile::FindValue(std::string_view section, std::string_view ident) const {
  const Section* s = FindSection(section);
  if (!s) return nullptr;
  const auto it = s->Keys.find(ident);
  return it == s->Keys.end() ? nullptr : &s->Values[it->second].second;
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view ident,
                                    std::string_view fallback) const {
  const std::string* value = FindValue(section, ident);
  return value ? *value : std::string(fallback);
}

std::int32_t TMemIniFile::ReadInteger(std::string_view section, std::string_view ident,
                                      std::int32_t fallback) const {
  const std::string* value = FindValue(section, ident);
  return value ? StrToIntDef(*value, fallback) : fallback;
}

bool TMemIniFile::ReadBool(std::string_view section, std::string_view ident, bool fallback) const {
  return ReadInteger(section, ident, fallback ? 1 : 0) != 0;
}

bool TMemIniFile::SectionExists(std::string_view section) const {
  return FindSection(section) != nullptr;
}

std::vector<std::string> TMemIniFile::ReadSections() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) names.push_back(s.Name);
  return names;
}

std::vector<std::string> TMemIniFile::ReadSection(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section))
    for (const auto& value : s->Values) keys.push_back(value.first);
  return keys;
}

}  // namespace framework
