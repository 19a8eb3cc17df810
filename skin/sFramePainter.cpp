#include "skin/sFramePainter.h"

#include "framework/forms/Form.h"
#include "skin/sMessages.h"

namespace sSkinManager {

TsFramePainter* FindFramePainter(framework::TComponent* component) {
  for (; component; component = component->Owner())
    if (auto* form = dynamic_cast<framework::TCustomForm*>(component))
      return FramePainterOf(form->Perform(sMessages::SM_GETFRAMEPAINTER));
  return nullptr;
}

}  // namespace sSkinManager
