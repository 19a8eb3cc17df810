#pragma once

#include "framework/graphics/Bitmap.h"
#include "styled/suiThemes.h"

namespace suiThemeBitmaps {

using suiThemes::TsuiUIStyle;

// Loads the bitmap resource that a bitmap entry names. Anything else (an entry of another
// kind, a style that is not built in, a resource the program does not carry) leaves the
// target unchanged; a damaged resource raises EInvalidGraphic.
void LoadThemeBitmap(TsuiUIStyle style, int index, framework::TBitmap& target);
// Cell number piece (from 1) of a strip of count cells; count 0 loads the whole bitmap.
void LoadThemeBitmapPiece(TsuiUIStyle style, int index, framework::TBitmap& target, int piece,
                          int count);
// The target becomes cell number piece (from 1) of source cut into count equally wide cells
// (width / count, rounded down), full height. A count below 1 or a piece outside 1..count
// leaves the target unchanged.
void CutBitmapPiece(const framework::TBitmap& source, framework::TBitmap& target, int count,
                    int piece);

}  // namespace suiThemeBitmaps
