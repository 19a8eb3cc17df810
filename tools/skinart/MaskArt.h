#pragma once

#include "tools/skinart/ArtLayer.h"

namespace skinart {

struct TStateLook {
  TColor Border;
  TColor Top;     // face colour along the top
  TColor Bottom;  // and along the bottom
};

// How a border mask looks: a rounded frame round a face, in the three states.
struct TBorderLook {
  int Radius;
  TStateLook States[3];  // normal, hot, pressed
  int FaceOpacity;       // 0 lets the control's own background show, 255 covers it
  bool Glass;            // a light top over a darker body that brightens at the bottom
  int Highlight;         // opacity of a white inner line round the top, 0 for none
};

// A border mask width x height (9·s x 6·t): one rounded shape per state block, picture above,
// mask below, the transparent colour outside the corners.
Bitmap DrawBorderMask(int width, int height, const TBorderLook& look);
// The same with square bottom corners: a title bar, rounded only where the window's top
// corners are cut out along its transparent pixels.
Bitmap DrawTitleMask(int width, int height, const TBorderLook& look);

}  // namespace skinart
