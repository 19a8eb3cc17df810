#include "framework/classes/StringList.h"

#include <algorithm>

#include "framework/classes/ClassBuilder.h"
#include "framework/runtime/Files.h"
#include "framework/runtime/Text.h"

namespace framework {

const TClassInfo& TStringList::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TStringList, TPersistent>("TStringList")
          .Strings("Strings", &TStringList::Lines, &TStringList::SetLines)
          .Build();
  return info;
}

void TStringList::CheckIndex(int index, int last) const {
  if (index < 0 || index > last) throw EListError(index);
}

const std::string& TStringList::Get(int index) const {
  CheckIndex(index, Count() - 1);
  return lines_[static_cast<std::size_t>(index)];
}

void TStringList::Put(int index, std::string text) {
  CheckIndex(index, Count() - 1);
  lines_[static_cast<std::size_t>(index)] = std::move(text);
  Changed();
}

int TStringList::Add(std::string text) {
  lines_.push_back(std::move(text));
  Changed();
  return Count() - 1;
}

void TStringList::Insert(int index, std::string text) {
  CheckIndex(index, Count());
  lines_.insert(lines_.begin() + index, std::move(text));
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count() - 1);
  lines_.erase(lines_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  lines_.clear();
  Changed();
}

void TStringList::SetLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  Changed();
}

int TStringList::IndexOf(std::string_view text) const {
  const auto it =
      std::ranges::find_if(lines_, [&](const std::string& s) { return SameText(s, text); });
  return it == lines_.end() ? -1 : static_cast<int>(it - lines_.begin());
}

int TStringList::IndexOfName(std::string_view name) const {
  const auto it = std::ranges::find_if(lines_, [&](const std::string& s) {
    const std::size_t equals = s.find('=');
    return equals != std::string::npos && SameText(std::string_view(s).substr(0, equals), name);
  });
  return it == lines_.end() ? -1 : static_cast<int>(it - lines_.begin());
}

std::string TStringList::Value(std::string_view name) const {
  const int index = IndexOfName(name);
  if (index < 0) return {};
  const std::string& line = lines_[static_cast<std::size_t>(index)];
  return line.substr(line.find('=') + 1);
}

std::string TStringList::Text() const {
  std::string text;
  for (const std::string& line : lines_) text.append(line).append("\r\n");
  return text;
}

void TStringList::SetText(std::string_view text) {
  lines_ = SplitLines(text);
  Changed();
}

void TStringList::LoadFromFile(const std::string& fileName) {
  int error = 0;
  const std::optional<std::string> data = ReadWholeFile(fileName, error);
  if (!data) throw EFOpenError(fileName, SysErrorMessage(error));
  SetText(*data);
}

void TStringList::SaveToFile(const std::string& fileName) const {
  int error = 0;
  if (!WriteWholeFile(fileName, Text(), error))
    throw EFCreateError(fileName, SysErrorMessage(error));
}

void TStringList::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TStringList*>(source);
  if (!other) return TPersistent::Assign(source);
  lines_ = other->lines_;
  Changed();
}

void TStringList::Changed() {
  if (OnChange) OnChange(this);
}

}  // namespace framework
