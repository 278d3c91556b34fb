// Undo and redo of the presses and locks of the level in play, and of a restart in practice.
#include "control/Game.h"
#include "model/Flow.h"

// Only between presses of a running level: never in the editor, paused,
// solved, out of time or under a question. The clock runs on.
bool TGame::UndoAllowed() const { return data_.State == psRunning && !window_.ModalWindowOpen(); }

void TGame::UndoBtnClick() {
  if (!UndoAllowed()) return;
  const THistoryStep* step = history_.Undo();
  if (!step) return;
  data_.LevelTouched = true;  // what is back was played, even before a restart
  if (step->Kind == TStepKind::Press)
    ShowStep(step->Before, TurnBack(step->After, *step->Press));
  else
    ShowWholeState(step->Before);
}

// A redo is the press, the lock or the restart again.
void TGame::RedoBtnClick() {
  if (!UndoAllowed()) return;
  const THistoryStep* step = history_.Redo();
  if (!step) return;
  if (step->Kind == TStepKind::Restart) {
    Restart();
    return;
  }
  if (step->Kind == TStepKind::Lock) {
    ShowWholeState(step->After);
    return;
  }
  data_.LevelTouched = true;
  ++data_.Played.Presses;
  ShowStep(step->After, step->Turn);
  if (IsSolved(data_.Board)) LevelSolved();
}

// A step that changed many tiles or locks at once: each changed cell is drawn anew,
// then the water changes in its phases.
void TGame::ShowWholeState(const TBoardState& state) {
  const TBoardState old = data_.Board;
  data_.Board.Put(state);
  for (std::size_t i = 0; i < CellCount; ++i)
    if (old.Tiles[i] != state.Tiles[i] || old.Locks[i] != state.Locks[i])
      window_.DrawCell(CellAt(i).Col, CellAt(i).Row);
  animator_.AnimateFlow(data_.Board);
  ShowUndoButtons();
  ShowWaterCount();
}

void TGame::ShowUndoButtons() {
  window_.SetEnabled(TControl::UndoBtn, data_.State == psRunning && history_.CanUndo());
  window_.SetEnabled(TControl::RedoBtn, data_.State == psRunning && history_.CanRedo());
}

// The level starts afresh with its history kept, and with its count of
// presses and seconds: a restart undone must not bring back a board nearly
// solved at a count of none.
void TGame::Restart() {
  THistory kept = std::move(history_);
  const TPlayCount played = data_.Played;
  RestartLevel();
  history_ = std::move(kept);
  data_.Played = played;
  ShowUndoButtons();
}
