#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace platform::raster {

// The pixels [X0, X1) of one row.
struct Span {
  int X0 = 0;
  int X1 = 0;

  friend bool operator==(const Span&, const Span&) = default;
};

// A shape as sorted, disjoint spans per row, for the rows from Top() down to Bottom()
// (exclusive). It is built one row at a time, top down.
class SpanRows {
 public:
  explicit SpanRows(int top = 0) : top_(top) {}

  int Top() const { return top_; }
  int Bottom() const { return top_ + static_cast<int>(rowEnds_.size()); }
  // The spans of row y, left to right; empty outside the rows built.
  std::span<const Span> Row(int y) const;

  // Adds a span to the row being built. Spans come in the order of their left ends;
  // overlapping or touching ones are merged, empty ones dropped.
  void Add(int x0, int x1);
  void EndRow() { rowEnds_.push_back(spans_.size()); }

 private:
  int top_;
  std::vector<Span> spans_;
  std::vector<std::size_t> rowEnds_;
};

// The pixels of shape whose disc of radius width lies wholly inside it (width 1: the
// pixel and its four neighbours); what is left over is an outline width pixels thick.
SpanRows Interior(const SpanRows& shape, int width);

// The pixels of a that are not in b, for the rows of a.
SpanRows Difference(const SpanRows& a, const SpanRows& b);

}  // namespace platform::raster
