#include "framework/controls/PaintBox.h"

#include "framework/classes/ClassBuilder.h"

namespace framework {

TPaintBox::TPaintBox(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
}

TPaintBox::~TPaintBox() = default;

const TClassInfo& TPaintBox::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TPaintBox, TGraphicControl>("TPaintBox")
                                     .Event("OnPaint", &TPaintBox::OnPaint)
                                     .Build();
  return info;
}

void TPaintBox::Paint() {
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
  if (OnPaint) OnPaint(this);
}

}  // namespace framework
