#pragma once

#include <functional>

#include "tools/skinart/ArtLayer.h"

namespace skinart {

// Draws one state (0 normal, 1 hot, 2 pressed) into a cell-sized layer.
using CellArt = std::function<void(Layer& cell, int state)>;

// A glyph cell image width x height: three cells side by side, picture above, mask below.
Bitmap DrawGlyphCells(int width, int height, const CellArt& art);

enum class Direction { Up, Right, Down, Left };
enum class TitleIcon { Close, Help, Max, Min, Norm };

// A check box or radio button glyph centred in the cell.
CellArt CheckBoxArt(bool checked);
CellArt RadioArt(bool checked);
// An arrow head pointing one way, in the middle of the cell.
CellArt ArrowArt(Direction direction);
// Three ridges across a scroll bar's thumb; vertical thumbs get horizontal ridges.
CellArt ThumbGripArt(bool verticalThumb);
// The dotted triangle of a status bar's size grip.
CellArt SizeGripArt();
// A track bar's thumb with its point down, or to the right when sideways.
CellArt SliderArt(bool sideways);
// A title-bar button: a glassy rounded face under a white symbol.
CellArt TitleButtonArt(TitleIcon icon);

}  // namespace skinart
