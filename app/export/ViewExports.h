#pragma once

#include "platform/graphics/Bitmap.h"

namespace Bezier {

class TTableEdits;
class TViewPanel;

// The picture factors the view's "Simpan Gambar..." offers, in its dialog's order.
inline constexpr int ViewPictureFactors[] = {1, 2, 4};

// The 3-D view as its window shows it, rendered afresh at factor times the window's size (the
// camera zoomed about the top left corner, lines still one pixel wide): the surface, its
// lines, the net and the axes with their names; not the hint or the selected point's line.
platform::Bitmap ViewPicture(const TViewPanel& panel, int factor);

// File > "Simpan Gambar...": the view as a PNG at the size the dialog's type names.
void SaveViewPicture(TViewPanel& panel, TTableEdits& edits);
// File > "Ekspor Mesh...": the surface as a mesh, its format by the name's extension, its
// tessellation by the dialog's type.
void ExportViewMesh(TViewPanel& panel, TTableEdits& edits);

}  // namespace Bezier
