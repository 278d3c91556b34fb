#pragma once

#include "Clock.h"

// What turning tiles and flooding ask of the game around the board.
class TBoardHost {
 public:
  virtual ~TBoardHost() = default;

  // One frame (0-11) of a turning tile, with the cell's water mark when it is wet.
  virtual void DrawRotationFrame(int col, int row, int kind, int frame) = 0;
  // Phase (0-5) of the water animation in every cell whose two water layers differ.
  virtual void DrawFlowPhase(int phase) = 0;
  virtual void PlaySoundCue(int cue) = 0;
  virtual void LevelSolved() = 0;
  virtual TClock& Clock() = 0;
};
