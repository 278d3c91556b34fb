// A practice level in progress kept over a close of the game and taken up
// again where the start-up starts the remembered level.
#include "control/Game.h"
#include "levels/BoardInProgress.h"
#include "model/Flow.h"

// Written at the close; a level start or a solve forgets it, so a file on
// disk is always the last level in progress.
void TGame::KeepLevelInProgress() {
  const std::string& path = levelFiles_.KeptBoard;
  if (path.empty()) return;
  const bool inProgress = data_.Mode == gmPractice && !data_.Random &&
                          (data_.State == psRunning || data_.State == psPaused);
  if (!inProgress) {
    ForgetBoardInProgress(path);
    return;
  }
  const std::int32_t level = data_.CurrentLevel;
  WriteBoardInProgressFile(path, {level, LevelRecSum(data_.Levels[level]), data_.TimeLeft,
                                  data_.LevelTouched, data_.Played, data_.Board.State()});
}

void TGame::ForgetLevelInProgress() {
  if (!levelFiles_.KeptBoard.empty()) ForgetBoardInProgress(levelFiles_.KeptBoard);
}

// Read before the remembered level starts, since its start forgets it.
std::optional<TBoardInProgress> TGame::ReadLevelInProgress() const {
  if (levelFiles_.KeptBoard.empty()) return std::nullopt;
  return ReadBoardInProgressFile(levelFiles_.KeptBoard);
}

// Only onto the level it was kept from, as it stands in the level file, and
// only in practice; otherwise the level stays as it started. No message:
// a file that does not fit is simply old.
void TGame::ResumeLevelInProgress(const std::optional<TBoardInProgress>& kept) {
  if (!kept || data_.Mode != gmPractice || data_.State != psRunning) return;
  if (!BelongsTo(*kept, data_.CurrentLevel, data_.Levels[data_.CurrentLevel])) return;
  data_.Board.Put(kept->State);
  SettleFlow(data_.Board);
  data_.TimeLeft = kept->TimeLeft;
  data_.LevelTouched = kept->Touched;
  data_.Played = kept->Played;
  DrawAllCells();
  timboxPaint();
  ShowWaterCount();
}
