#pragma once

#include <string>

#include "model/PlayState.h"

// Every text the player sees, in both languages, chosen when it is shown.
enum class TText {
  // Message boxes; %1 stands for a file name.
  LevelFileNotFound,
  LevelFileNotCreatable,
  ArtworkNotLoaded,
  GameNotLoaded,
  GameExists,
  GameNotSaved,
  LevelsChanged,
  // Message windows and questions.
  Solved,
  AllSolved,
  TooSlow,
  GiveUpGame,
  GiveUpLevel,
  EndGame,
  TakeChanges,
  Yes,
  No,
  // About, load and save windows.
  InfoCaption,
  LanguageButton,
  LoadCaption,
  SaveCaption,
  FilesLabel,
  DirectoriesLabel,
  DrivesLabel,
  FileNameLabel,
  NewDirectoryLabel,
  NewDirectoryHint,
  EscapeButton,
  // Displays and the title; %1 and %2 stand for numbers or names.
  LevelHint,
  LevelSolvedWord,
  LevelUnsolvedWord,
  GaugeHint,
  TitleGame,
  TitlePractice,
  TitleChallenge,
  TitleEditor,
  // Hints and captions of the main window.
  LoadHint,
  SaveHint,
  OptionHint,
  NewGameHint,
  RestartHint,
  SoundHint,
  RulesHint,
  PauseHint,
  ExitHint,
  MixHint,
  DeleteHint,
  InsertHint,
  InfoHint,
  NimbleplayHint,
  PauseText,
  UpHint,
  DownHint,
  LevelBarHint,
  UndoHint,
  RedoHint,
  WaterCountHint,
  FreshLevelHint,
  RandomLevelHint,
  CodeNotKnown,
  FreshSmall,
  FreshMedium,
  FreshLarge,
  FreshDaily,
  FreshCodeCaption,
  FreshPlay,
  FreshCancel,
  RecordsDamaged,
  RecordsNotWritten,
  RecordsUnreadable,
  SolveLine,
  SolvePar,
  SolveBeatsPar,
  SolveFirst,
  SolveRecord,
  SolveHinted,
  RecordsHint,
  RecordsStreak,
  RecordsNone,
  RecordsLevel,
  RecordsPresses,
  RecordsPar,
  RecordsTime,
  RecordsSolves,
  RecordsLast,
  RecordsWithHints,
  TimeCaption,
  LevelCaption,
  Count_
};

inline constexpr const char* GameTitle = "Gurgelix V" GURX_VERSION;

// German for lgGerman, English otherwise (an unset language reads English).
std::string TextOf(TText text, TLanguage language);
// The same with %1 and %2 replaced.
std::string TextOf(TText text, TLanguage language, const std::string& first,
                   const std::string& second = "");
