#include "HeadlessGame.h"

#include "Flow.h"

void TSilentHost::LevelSolved() {
  state_ = psSolved;
  solved_ = true;
}

THeadlessGame::THeadlessGame(const TLevelRec& rec) {
  LoadLevelToBoard(Board, rec);
  ComputeFlow(Board);
  AnimateFlow(Board, Host);
}
