#pragma once

#include <optional>
#include <string>

#include "levels/LevelList.h"
#include "levels/Progress.h"
#include "levels/Records.h"
#include "model/Board.h"
#include "model/LevelCode.h"
#include "model/PlayState.h"

// Seconds of the challenge clock for each tile of a level.
inline constexpr std::int32_t SecondsPerTile = 4;
// A delete in the editor counts 5 for the level that takes the deleted one's
// place, as the game always did; the clock does not run while editing, and
// the next start of a level counts 4 again.
inline constexpr std::int32_t SecondsPerTileAfterDelete = 5;

// A random level in play instead of a numbered one.
struct TRandomLevel {
  TLevelCode Code;
  TLevelRec Level;
};

// The state of the one game that runs in the main window. The level list
// (with CurrentLevel and LevelsChanged) and the progress (Results,
// AllSolved, GameFileName) are part of it.
struct TGameData : TLevelCollection, TProgress {
  TGameMode Mode = gmChallenge;
  TPlayState State = psRunning;  // changed only by TGame::SetPlayState
  std::int32_t TimeLeft = 0;     // seconds
  bool LevelTouched = false;
  TLanguage Language = lgUnset;
  std::string ProgramDir;     // ends in '/'
  std::string LevelFilePath;  // the file the levels came from
  int EditorBrush = 0;        // 1 once a remembered game was read
  TBoard Board;
  // While set, the level in play is this one; CurrentLevel stays the
  // numbered level the bar and the level buttons lead back to.
  std::optional<TRandomLevel> Random;
  TPlayCount Played;  // the level in play so far
  TRecords Records;
};
