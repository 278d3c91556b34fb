// Starting levels, numbered and random, and the controls that choose them.
#include "control/Game.h"
#include "model/Flow.h"

bool TGame::StartLevel(std::int32_t n) {
  if (data_.Levels.LevelCount() == 0) return false;
  n = LevelInRange(n, data_.Levels.LevelCount());
  if (!LeaveLevel()) return false;
  data_.CurrentLevel = n;
  data_.Random.reset();
  PlayLevel(data_.Levels[n]);
  return true;
}

// Never in the editor, which edits the numbered levels.
bool TGame::StartRandomLevel(const TLevelCode& code) {
  if (data_.Mode == gmEditor || !LeaveLevel()) return false;
  data_.Random = TRandomLevel{code, LevelOfCode(code).Level};
  PlayLevel(data_.Random->Level);
  return true;
}

bool TGame::RestartLevel() {
  return data_.Random ? StartRandomLevel(data_.Random->Code) : StartLevel(data_.CurrentLevel);
}

// The level on the board gives way: false when the player keeps a level in
// play; an edited one is stored when the player takes the changes.
bool TGame::LeaveLevel() {
  if (LevelInPlay() && data_.LevelTouched && window_.ShowDialog(TDialog::GiveUpLevel) == mrNo)
    return false;
  window_.DrawBackdrop();
  if (data_.State == psEditing && data_.LevelTouched &&
      window_.ShowDialog(TDialog::TakeChanges) == mrOk)
    StoreBoardToLevel(data_.Board, data_.Levels[data_.CurrentLevel]);
  return true;
}

void TGame::PlayLevel(const TLevelRec& level) {
  if (data_.Mode != gmEditor) par_.Start(level, LevelKey(level));
  LoadLevelToBoard(data_.Board, level);
  data_.TimeLeft = SecondsPerTile * TileCount(level);
  ComputeFlow(data_.Board);
  DrawAllCells();
  animator_.AnimateFlow(data_.Board);
  data_.LevelTouched = false;
  data_.Played = {};
  window_.ShowSolveLine("");
  history_.Clear();
  ForgetLevelInProgress();
  cursor_.Cell = data_.Board.Source();
  if (cursor_.Shown) window_.ShowCursor(cursor_.Cell);
  SetPlayState(data_.Mode == gmEditor ? psEditing : psRunning);
  UpdateTitleAndGauge();
  window_.SetClockOn(true);
}

// A refused start leaves the bar on the level the board still shows.
void TGame::levelScrollChange() {
  if (!StartLevel(levelBar_.LevelAtPosition())) PlaceLevelBarAtCurrentLevel();
  timboxPaint();
  UpdateTitleAndGauge();
}

void TGame::PlaceLevelBarAtCurrentLevel() {
  const std::int32_t count = data_.Levels.LevelCount();
  levelBar_.Place(count - data_.CurrentLevel + 1, count);
}

void TGame::StartNextUnsolved(int direction) {
  const std::int32_t count = data_.Levels.LevelCount();
  std::int32_t level = data_.CurrentLevel;
  std::int32_t steps = 0;
  do {
    ++steps;
    level += direction;
    if (level > count) level = 1;
    if (level < 1) level = count;
  } while (data_.Results[level] != 0 && steps < count);
  if (steps >= count) return;
  StartLevel(level);
  // Moving the bar starts the level a second time, with a second question
  // when the first was refused: kept as the game always did it.
  levelBar_.SetPosition(levelBar_.PositionOfLevel(level));
  UpdateTitleAndGauge();
}

// Asked here for any level in play, and once more by StartLevel when the
// level was touched: the game has always asked twice, and players know it.
// In practice a restart of a level in play is a step that undo takes back;
// a solved one starts afresh.
void TGame::RestartBtnClick() {
  if (LevelInPlay() && window_.ShowDialog(TDialog::GiveUpLevel) == mrNo) return;
  if (data_.Mode != gmPractice || (data_.State != psRunning && data_.State != psPaused)) {
    RestartLevel();
    return;
  }
  const TBoardState before = data_.Board;
  Restart();
  if (data_.Board.State() != before)
    history_.Record({TStepKind::Restart, before, data_.Board, std::nullopt, std::nullopt});
  ShowUndoButtons();
}

void TGame::NewGameBtnClick() {
  if (LevelInPlay() && window_.ShowDialog(TDialog::GiveUpGame) != mrOk) return;
  const std::int32_t oldLevel = data_.CurrentLevel;
  const TResultTable oldResults = data_.Results;
  data_.CurrentLevel = 1;
  levelBar_.SetPosition(levelBar_.PositionOfLevel(1));  // may start level 1 already
  data_.Results.ClearLevels(data_.Levels.LevelCount());
  if (!StartLevel(data_.CurrentLevel)) {
    // The level on the board was kept: so is the game it belongs to, or a
    // later solve would be recorded as level 1 of a cleared game.
    data_.CurrentLevel = oldLevel;
    data_.Results = oldResults;
    PlaceLevelBarAtCurrentLevel();
  }
  UpdateTitleAndGauge();
}
