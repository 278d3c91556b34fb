#pragma once

#include <cstdint>

class TClock {
 public:
  virtual ~TClock() = default;
  // Milliseconds from some fixed moment; only differences mean anything.
  virtual std::int32_t TickCount() = 0;
  // Waits without handling any input.
  virtual void Sleep(int ms) = 0;
};

// Returns once the tick count has moved more than ms past its value at the
// call. Sleeps rather than spins; safe across the tick counter's wrap.
void Delay(TClock& clock, int ms);
