#include "controls/sEdit.h"

#include "framework/classes/ClassBuilder.h"

namespace sEdit {

using namespace framework;

TsEdit::TsEdit(TComponent* owner) : TEdit(owner) {
  SetParentFont(true);
  SetAutoSize(DefaultAutoSize);
  SetHeight(21);
}

const TClassInfo& TsEdit::StaticClassInfo() {
  using E = TsEdit;
  static const TClassInfo info =
      TClassBuilder<E, TEdit>("TsEdit")
          .Bool("AutoSize", &E::AutoSize, &E::SetAutoSize, E::DefaultAutoSize)
          .Build();
  return info;
}

}  // namespace sEdit
