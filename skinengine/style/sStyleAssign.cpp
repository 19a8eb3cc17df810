#include "framework/classes/ClassInfo.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Format.h"
#include "framework/runtime/ResStrings.h"
#include "skinengine/style/sStyleSimply.h"

namespace sStyleSimply {

void AssignPublished(framework::TPersistent& dest, const framework::TPersistent& source) {
  if (&dest.ClassInfo() != &source.ClassInfo())
    throw framework::EConvertError(
        framework::Format(framework::SAssignError, {source.ClassName(), dest.ClassName()}));
  for (const framework::TPropInfo& p : dest.ClassInfo().Properties()) {
    if (p.Kind == framework::TPropKind::Object) {
      auto* to = std::get<framework::TPersistent*>(p.Get(dest));
      to->Assign(std::get<framework::TPersistent*>(p.Get(source)));
    } else if (p.Set) {
      p.Set(dest, p.Get(source));
    }
  }
}

void TsStylePart::Assign(const framework::TPersistent* source) {
  if (!source) return TPersistent::Assign(source);
  AssignPublished(*this, *source);
}

}  // namespace sStyleSimply
