#include "HeadlessGame.h"

#include "Flow.h"

void TSilentWindow::LevelSolved() {
  state_ = psSolved;
  solved_ = true;
}

THeadlessGame::THeadlessGame(const TLevelRec& rec) {
  LoadLevelToBoard(Board, rec);
  ComputeFlow(Board);
  AnimateFlow(Board, Window);
}
