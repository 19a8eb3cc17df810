#include "platform/kernel/Clock.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>

namespace platform {
namespace {

class SteadyClock : public Clock {
 public:
  std::uint64_t NowMicroseconds() override {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
  }
  std::uint64_t NowTicks() override {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count() / 100);
  }
  void Sleep(std::uint32_t milliseconds) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
};

SteadyClock systemClock;
Clock* current = &systemClock;
std::int64_t lastCounter = std::numeric_limits<std::int64_t>::min();

}  // namespace

Clock& SystemClock() {
  return systemClock;
}

void SetClock(Clock* clock) {
  current = clock != nullptr ? clock : &systemClock;
  lastCounter = std::numeric_limits<std::int64_t>::min();
}

std::int64_t QueryPerformanceCounter() {
  // Callers seed from consecutive reads, so a clock coarser than the loop between them must
  // not hand out the same value twice.
  lastCounter = std::max(static_cast<std::int64_t>(current->NowTicks()), lastCounter + 1);
  return lastCounter;
}
std::int64_t QueryPerformanceFrequency() {
  return 10'000'000;
}
std::uint64_t GetTickCount64() {
  return current->NowMicroseconds() / 1000;
}
std::uint32_t GetTickCount() {
  return static_cast<std::uint32_t>(GetTickCount64());
}
void Sleep(std::uint32_t milliseconds) {
  current->Sleep(milliseconds);
}

}  // namespace platform
