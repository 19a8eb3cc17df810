#pragma once

#include <cstdint>

namespace platform {

// The source of time for everything above: the real clock on the desktop, a virtual one that
// tests advance when running headless.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint64_t NowMicroseconds() = 0;
  // The high-resolution counter in 100 ns ticks, the desktop's usual 10 MHz; a clock without
  // finer time answers its microseconds.
  virtual std::uint64_t NowTicks() { return NowMicroseconds() * 10; }
  virtual void Sleep(std::uint32_t milliseconds) = 0;
};

// The real clock: steady time, the counter in true 100 ns ticks.
Clock& SystemClock();

// Installs the clock to use; nullptr returns to the real clock. The caller keeps ownership.
void SetClock(Clock* clock);

// High-resolution counter in ticks of QueryPerformanceFrequency() per second. Two reads never
// answer the same value, even when the clock has not moved between them.
std::int64_t QueryPerformanceCounter();
std::int64_t QueryPerformanceFrequency();
// Milliseconds since an arbitrary start; the 32-bit form wraps as the desktop's does.
std::uint32_t GetTickCount();
std::uint64_t GetTickCount64();
void Sleep(std::uint32_t milliseconds);

}  // namespace platform
