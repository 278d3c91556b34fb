#pragma once

#include "model/BoardInput.h"
#include "model/LevelRec.h"
#include "model/PlayState.h"

// One level started in a running practice game, played by the game's own
// rule without a screen: each press is shown at once, and a solve freezes
// the board as the game does.
struct THeadlessGame {
  TBoard Board;
  TPlayState State = psRunning;
  bool Solved = false;  // some press solved it

  explicit THeadlessGame(const TLevelRec& rec);
  void Press(TMouseButton button, TCell cell);
};
