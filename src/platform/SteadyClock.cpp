#include "platform/SteadyClock.h"

#include <chrono>
#include <thread>

std::int32_t TSteadyClock::TickCount() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  // Wraps like a 32-bit tick counter; Delay measures across the wrap.
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
}

void TSteadyClock::Sleep(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
