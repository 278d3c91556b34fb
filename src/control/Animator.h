#pragma once

#include "control/SoundCues.h"
#include "model/Board.h"
#include "model/Rotation.h"
#include "platform/Clock.h"

// Where the animations are shown: the window, or a script in the tests.
class TBoardHost {
 public:
  virtual ~TBoardHost() = default;
  // One frame (0-11) of a turning tile, with the cell's water mark when it is wet.
  virtual void DrawRotationFrame(int col, int row, int kind, int frame) = 0;
  // Phase (0-5) of the water animation in every cell whose two water layers differ.
  virtual void DrawFlowPhase(int phase) = 0;
  virtual void PlaySoundCue(TSoundCue cue) = 0;
  virtual TClock& Clock() = 0;
};

inline constexpr int FlowPhaseCount = 6;
inline constexpr int FrameDelayMs = 50;

// Shows what the rules changed, at the game's pace: the frames of a turn and
// the phases of a flood, 50 ms apart. Nothing is handled meanwhile.
class TAnimator {
 public:
  explicit TAnimator(TBoardHost& host) : host_(host) {}

  void ShowTurn(const TTurn& turn);
  // The flow update: when the water changed, the water cue and six phases
  // (the last one waited for too); then the board shows the new water.
  void AnimateFlow(TBoard& board);

 private:
  TBoardHost& host_;
};
