#pragma once

#include <string>
#include <vector>

#include "control/Animator.h"

// Records the frames, phases, cues and waits of the animations in order,
// against a clock that moves only when someone waits.
class TFakeBoardHost : public TBoardHost, public TClock {
 public:
  std::vector<std::string> Events;
  std::int32_t Now = 0;

  void DrawRotationFrame(int col, int row, int kind, int frame) override {
    Events.push_back("frame " + std::to_string(col) + "," + std::to_string(row) + " kind " +
                     std::to_string(kind) + " f" + std::to_string(frame));
  }
  void DrawFlowPhase(int phase) override { Events.push_back("phase " + std::to_string(phase)); }
  void PlaySoundCue(TSoundCue cue) override { Events.push_back("cue " + std::to_string(cue)); }
  TClock& Clock() override { return *this; }
  std::int32_t TickCount() override { return Now; }
  void Sleep(int ms) override {
    Events.push_back("wait " + std::to_string(ms));
    Now += ms;
  }
};
