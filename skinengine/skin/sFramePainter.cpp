#include "skinengine/skin/sFramePainter.h"

#include "framework/forms/Form.h"
#include "skinengine/skin/sMessages.h"

namespace sSkinManager {

TsFramePainter* FramePainterOf(framework::TComponent* component) {
  for (framework::TComponent* c = component; c; c = c->Owner())
    if (auto* form = dynamic_cast<framework::TCustomForm*>(c))
      return FramePainterOfResult(form->Perform(sMessages::SM_GETFRAMEPAINTER));
  return nullptr;
}

}  // namespace sSkinManager
