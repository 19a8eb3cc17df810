#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/classes/Events.h"
#include "framework/classes/Object.h"

namespace framework {

// An ordered list of strings; stored in descriptions as "Items.Strings = ( 'a' 'b' )".
// Lookups ignore case, as the runtime's lists do by default. OnChange runs after every
// change of the lines.
class TStringList : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int Count() const { return static_cast<int>(lines_.size()); }
  // Get and Put raise EListError outside 0..Count()-1; Insert allows Count() as well.
  const std::string& Get(int index) const;
  void Put(int index, std::string text);
  int Add(std::string text);
  void Insert(int index, std::string text);
  void Delete(int index);
  void Clear();
  int IndexOf(std::string_view text) const;

  // "Name=Value" lines: the value of the first line whose name matches, or empty.
  int IndexOfName(std::string_view name) const;
  std::string Value(std::string_view name) const;

  // The lines, each followed by a carriage return and a line feed.
  std::string Text() const;
  // Splits at carriage return, line feed or both.
  void SetText(std::string_view text);

  const std::vector<std::string>& Lines() const { return lines_; }
  void SetLines(std::vector<std::string> lines);

  // LoadFromFile raises EFOpenError, SaveToFile EFCreateError, with the system's reason.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

  void Assign(const TPersistent* source) override;

  TNotifyEvent OnChange;

 private:
  void CheckIndex(int index, int last) const;
  void Changed();

  std::vector<std::string> lines_;
};

}  // namespace framework
