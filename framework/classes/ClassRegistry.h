#pragma once

#include <string_view>
#include <vector>

#include "framework/classes/ClassInfo.h"

namespace framework {

// The classes that stored descriptions may name in "object Name: TClass".
class TClassRegistry {
 public:
  // Registering a class twice is harmless; another class of a registered name raises
  // EComponentError.
  void Register(const TClassInfo& info);
  const TClassInfo* Find(std::string_view name) const;

 private:
  std::vector<const TClassInfo*> classes_;
};

}  // namespace framework
