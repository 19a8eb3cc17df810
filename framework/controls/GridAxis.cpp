#include "framework/controls/GridAxis.h"

#include <algorithm>

namespace framework::grid {

int Axis::FixedExtent() const {
  int extent = 0;
  for (int i = 0; i < Fixed; ++i) extent += Size(i) + Line;
  return extent;
}

long long Axis::ScrolledExtent() const {
  long long extent = 0;
  for (int i = Fixed; i < Count() && extent <= static_cast<long long>(Extent) + Line; ++i)
    extent += Size(i) + Line;
  return extent;
}

std::optional<int> Axis::Start(int index) const {
  if (index < 0 || index >= Count() || (index >= Fixed && index < First)) return std::nullopt;
  int pos = 0;
  const int from = index < Fixed ? 0 : First;
  if (index >= Fixed) pos = FixedExtent();
  for (int i = from; i < index && pos < Extent; ++i) pos += Size(i) + Line;
  if (pos >= Extent) return std::nullopt;
  return pos;
}

std::optional<int> Axis::IndexAt(int coord) const {
  if (coord < 0 || coord >= Extent) return std::nullopt;
  int pos = 0;
  for (int i = 0; i < Count(); ++i) {
    if (i >= Fixed && i < First) continue;
    pos += Size(i) + Line;
    if (coord < pos) return i;
  }
  return std::nullopt;
}

int Axis::FullyVisible() const {
  const int room = Extent - FixedExtent();
  int used = 0;
  int count = 0;
  for (int i = First; i < Count(); ++i) {
    used += Size(i) + Line;
    if (used - Line > room) break;
    ++count;
  }
  return std::max(count, First < Count() && room > 0 ? 1 : 0);
}

int Axis::MaxFirst() const {
  const int room = Extent - FixedExtent();
  int used = 0;
  int first = Count();
  while (first > Fixed && used + Size(first - 1) <= room) {
    used += Size(first - 1) + Line;
    --first;
  }
  return std::clamp(first, Fixed, std::max(Count() - 1, Fixed));
}

int Axis::FirstShowing(int index) const {
  if (index < First) return index;
  const int room = Extent - FixedExtent();
  int used = Size(index);
  int first = index;
  while (first > First && used + Line + Size(first - 1) <= room) {
    used += Line + Size(first - 1);
    --first;
  }
  return first;
}

}  // namespace framework::grid
