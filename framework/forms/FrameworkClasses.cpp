#include "framework/forms/FrameworkClasses.h"

#include "framework/forms/Actions.h"
#include "framework/forms/FileDialogs.h"
#include "framework/forms/ImageList.h"
#include "framework/forms/Menus.h"
#include "framework/forms/Timer.h"

namespace framework {

void RegisterFrameworkClasses(TClassRegistry& classes) {
  for (const TClassInfo* info :
       {&TMainMenu::StaticClassInfo(), &TPopupMenu::StaticClassInfo(),
        &TMenuItem::StaticClassInfo(), &TTimer::StaticClassInfo(), &TOpenDialog::StaticClassInfo(),
        &TSaveDialog::StaticClassInfo(), &TImageList::StaticClassInfo(),
        &TActionList::StaticClassInfo(), &TAction::StaticClassInfo()})
    classes.Register(*info);
}

}  // namespace framework
