#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace framework::grid {

// One direction of a grid's layout: the cell sizes along it, how many lead as fixed cells,
// the first scrolled cell shown after them, the line after each cell, and the extent of
// the area the cells are shown in, from 0 to Extent.
struct Axis {
  const std::vector<int>& Sizes;
  int Fixed;
  int First;
  int Line;
  int Extent;

  int Count() const { return static_cast<int>(Sizes.size()); }
  int Size(int index) const { return Sizes[static_cast<std::size_t>(index)]; }
  int FixedExtent() const;
  // The extent of all scrolled cells with their lines, summed only until it passes Extent by
  // more than a line: whether they fit is all it tells, and a long grid costs no more.
  long long ScrolledExtent() const;
  // Where a cell starts, or nullopt when it is scrolled out of view or past the end.
  std::optional<int> Start(int index) const;
  // The cell a coordinate falls in (a line belongs to the cell before it).
  std::optional<int> IndexAt(int coord) const;
  // How many scrolled cells from First show completely (at least one when any shows).
  int FullyVisible() const;
  // The last First that still fills the area, so the end of the grid is at its edge.
  int MaxFirst() const;
  // The First that shows index completely, moving as little as possible.
  int FirstShowing(int index) const;
};

}  // namespace framework::grid
