#include "framework/classes/ClassRegistry.h"

#include <algorithm>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Format.h"
#include "framework/runtime/ResStrings.h"
#include "framework/runtime/Text.h"

namespace framework {

void TClassRegistry::Register(const TClassInfo& info) {
  if (const TClassInfo* known = Find(info.Name())) {
    if (known == &info) return;
    throw EComponentError(Format(SDuplicateClass, {info.Name()}));
  }
  classes_.push_back(&info);
}

const TClassInfo* TClassRegistry::Find(std::string_view name) const {
  const auto it = std::ranges::find_if(
      classes_, [&](const TClassInfo* c) { return SameText(c->Name(), name); });
  return it == classes_.end() ? nullptr : *it;
}

}  // namespace framework
