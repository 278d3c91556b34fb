#pragma once

#include "platform/Clock.h"

// Milliseconds of a monotonic clock; waiting sleeps the thread.
class TSteadyClock : public TClock {
 public:
  std::int32_t TickCount() override;
  void Sleep(int ms) override;
};
