#include "framework/classes/Object.h"

#include "framework/classes/ClassBuilder.h"

namespace framework {

const TClassInfo& TObject::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TObject, void>("TObject").Build();
  return info;
}

const std::string& TObject::ClassName() const {
  return ClassInfo().Name();
}

bool TObject::InheritsFrom(const TClassInfo& info) const {
  return ClassInfo().InheritsFrom(info);
}

const TClassInfo& TPersistent::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TPersistent, TObject>("TPersistent").Build();
  return info;
}

void TPersistent::Assign(const TPersistent* source) {
  if (!source) throw EConvertError(Format(SAssignError, {"nil", ClassName()}));
  source->AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& dest) const {
  throw EConvertError(Format(SAssignError, {ClassName(), dest.ClassName()}));
}

}  // namespace framework
