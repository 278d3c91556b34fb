#pragma once

#include <string>

#include "levels/LevelList.h"
#include "levels/Progress.h"
#include "model/Board.h"
#include "model/PlayState.h"

// The state of the one game that runs in the main window. The level list
// (with CurrentLevel and LevelsChanged) and the progress (Results,
// AllSolved, GameFileName) are part of it.
struct TGameData : TLevelCollection, TProgress {
  TGameMode Mode = gmChallenge;
  TPlayState State = psRunning;  // changed only by TGame::SetPlayState
  std::int32_t TimeLeft = 0;     // seconds
  bool LevelTouched = false;
  TLanguage Language = lgUnset;
  std::string ProgramDir;  // ends in '/'
  std::string HelpFile;    // the help file every help command uses
  int EditorBrush = 0;     // 1 once a remembered game was read
  TBoard Board;
};
