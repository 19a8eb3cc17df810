#include "styled/suiClasses.h"

#include "styled/suiFileTheme.h"
#include "styled/suiGrid.h"

namespace suiClasses {

void RegisterStyledClasses(framework::TClassRegistry& classes) {
  classes.Register(suiGrid::TsuiStringGrid::StaticClassInfo());
  classes.Register(suiFileTheme::TsuiFileTheme::StaticClassInfo());
}

}  // namespace suiClasses
