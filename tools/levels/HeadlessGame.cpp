#include "HeadlessGame.h"

#include "model/Flow.h"

THeadlessGame::THeadlessGame(const TLevelRec& rec) {
  LoadLevelToBoard(Board, rec);
  ComputeFlow(Board);
  SettleFlow(Board);
}

void THeadlessGame::Press(TMouseButton button, TCell cell) {
  if (State != psRunning || !PressInPlay(Board, button, cell)) return;
  SettleFlow(Board);
  if (IsSolved(Board, State)) {
    State = psSolved;
    Solved = true;
  }
}
