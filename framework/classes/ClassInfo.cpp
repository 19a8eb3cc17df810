#include "framework/classes/ClassInfo.h"

#include <algorithm>

#include "framework/runtime/Text.h"

namespace framework {

namespace {

template <class List>
auto FindNamed(const List& list, std::string_view name) -> decltype(&*list.begin()) {
  const auto it = std::ranges::find_if(list, [&](const auto& e) { return SameText(e.Name, name); });
  return it == list.end() ? nullptr : &*it;
}

}  // namespace

int TEnumType::IndexOf(std::string_view name) const {
  const auto it =
      std::ranges::find_if(Names, [&](std::string_view n) { return SameText(n, name); });
  return it == Names.end() ? -1 : static_cast<int>(it - Names.begin());
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent)
    : name_(std::move(name)), parent_(parent) {
  if (parent_) properties_ = parent_->properties_;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (c == &other) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
  return FindNamed(properties_, name);
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (const TMethodInfo* m = FindNamed(c->methods_, name)) return m;
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethodOf(const std::any& handler,
                                            const TObject& instance) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const TMethodInfo& m : c->methods_)
      if (m.IsBoundTo(handler, instance)) return &m;
  return nullptr;
}

const TFieldInfo* TClassInfo::FindField(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (const TFieldInfo* f = FindNamed(c->fields_, name)) return f;
  return nullptr;
}

}  // namespace framework
