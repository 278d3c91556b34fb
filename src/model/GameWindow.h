#pragma once

#include <cstdint>
#include <string>

// The platform's modal results.
enum TModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrYes = 6,
  mrNo = 7,
};

// Error: an OK button. Warning and confirmation: Yes and No.
enum class TMessageKind { Error, Warning, Confirmation };

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

// The window seam: everything the game's rules ask of the window.
class TGameWindow {
 public:
  virtual ~TGameWindow() = default;

  // One frame (0-11) of a turning tile, with the cell's water mark when it is wet.
  virtual void DrawRotationFrame(int col, int row, int kind, int frame) = 0;
  // Phase (0-5) of the water animation in every cell whose two water layers differ.
  virtual void DrawFlowPhase(int phase) = 0;
  virtual void PlaySoundCue(int cue) = 0;
  virtual void LevelSolved() = 0;
  virtual TModalResult ShowMessage(TMessageKind kind, const std::string& text) = 0;
  virtual TClock& Clock() = 0;
};
