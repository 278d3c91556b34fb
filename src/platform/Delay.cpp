#include "platform/Clock.h"

void Delay(TClock& clock, int ms) {
  const auto start = static_cast<std::uint32_t>(clock.TickCount());
  for (;;) {
    const auto elapsed =
        static_cast<std::int64_t>(static_cast<std::uint32_t>(clock.TickCount()) - start);
    if (elapsed > ms) return;
    clock.Sleep(static_cast<int>(ms - elapsed + 1));
  }
}
