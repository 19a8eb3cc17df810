#include "framework/forms/FrameworkClasses.h"

#include "framework/controls/Edit.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/PaintBox.h"
#include "framework/controls/Panel.h"
#include "framework/controls/StringGrid.h"
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
  classes.Register(TEdit::StaticClassInfo());
  classes.Register(TLabel::StaticClassInfo());
  classes.Register(TGroupBox::StaticClassInfo());
  classes.Register(TPanel::StaticClassInfo());
  classes.Register(TPaintBox::StaticClassInfo());
  classes.Register(TImage::StaticClassInfo());
  classes.Register(TListBox::StaticClassInfo());
  classes.Register(TDrawGrid::StaticClassInfo());
  classes.Register(TStringGrid::StaticClassInfo());
}

}  // namespace framework
