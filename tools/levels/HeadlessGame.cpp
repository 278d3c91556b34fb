#include "HeadlessGame.h"

#include "model/Flow.h"

THeadlessGame::THeadlessGame(const TLevelRec& rec) {
  LoadLevelToBoard(Board, rec);
  ComputeFlow(Board);
  SettleFlow(Board);
}

void THeadlessGame::Press(TMouseButton button, TCell cell) {
  if (State != psRunning) return;
  const std::optional<TPress> press = PressCell(Board, {button, cell});
  if (!press) return;
  Board.Put(press->After);
  SettleFlow(Board);
  if (IsSolved(Board)) {
    State = psSolved;
    Solved = true;
  }
}
