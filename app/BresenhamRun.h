#pragma once

#include <algorithm>
#include <cstdint>

// The integer line walk of the drawing, able to start anywhere along the line, so that only
// the part of a line that can land on the drawing area is walked.
namespace Bezier {

// One Bresenham run of length + 1 pixels along its major axis, the minor axis moving rise times.
// Pixel k lies at minor step floor(k x rise / length + 1/2), which lets a run start at any k
// with the very decision value the walk from k = 0 would have there, in 64-bit arithmetic.
struct TRun {
  std::int64_t major, minor;          // the first pixel
  std::int64_t majorStep, minorStep;  // +1 or -1
  std::int64_t length, rise;          // 0 <= rise <= length
};

// Plots pixels first..last of the run; plot(k, major, minor).
template <typename Plot>
void WalkRun(const TRun& run, std::int64_t first, std::int64_t last, Plot plot) {
  std::int64_t steps = 0;  // minor steps taken before pixel first
  std::int64_t d = 2 * run.rise - run.length;
  if (run.length > 0 && first > 0) {
    const auto length = static_cast<std::uint64_t>(run.length);
    const auto rise = static_cast<std::uint64_t>(run.rise);
    const auto k = static_cast<std::uint64_t>(first);
    // k x rise = (k / length) x rise x length + (k % length) x rise, the last below 2^64.
    const std::uint64_t part = (k % length) * rise;
    const std::uint64_t rest = part % length;
    const bool up = 2 * rest >= length;
    steps = static_cast<std::int64_t>((k / length) * rise + part / length + (up ? 1 : 0));
    // (2k x rise + length) mod 2 x length, the walk's decision value less 2 x (rise - length).
    const std::int64_t remainder = static_cast<std::int64_t>(2 * rest) + (up ? -1 : 1) * run.length;
    d = remainder + 2 * (run.rise - run.length);
  }
  for (std::int64_t k = first;; ++k) {
    plot(k, run.major + run.majorStep * k, run.minor + run.minorStep * steps);
    if (k == last) return;
    if (d < 0) {
      d += 2 * run.rise;
    } else {
      ++steps;
      d += 2 * (run.rise - run.length);
    }
  }
}

// Walks only the pixels whose major position lies in [low, high): a line across the whole
// 32-bit plane costs no more than the area is wide.
template <typename Plot>
void WalkVisible(const TRun& run, std::int64_t low, std::int64_t high, Plot plot) {
  std::int64_t first = 0, last = run.length;
  if (run.majorStep > 0) {
    first = std::max(first, low - run.major);
    last = std::min(last, high - 1 - run.major);
  } else {
    first = std::max(first, run.major - high + 1);
    last = std::min(last, run.major - low);
  }
  if (first <= last) WalkRun(run, first, last, plot);
}

}  // namespace Bezier
