#pragma once

#include <optional>
#include <random>
#include <string>

#include "control/Animator.h"
#include "control/BoardCursor.h"
#include "control/EditorHost.h"
#include "control/GameData.h"
#include "control/GameWindow.h"
#include "control/Hints.h"
#include "control/History.h"
#include "control/LevelBar.h"
#include "control/LevelFiles.h"
#include "control/LifeCycle.h"
#include "control/ParFinder.h"
#include "control/SavedGames.h"
#include "control/Settings.h"
#include "control/Texts.h"
#include "levels/BoardInProgress.h"
#include "model/BoardInput.h"

// The main window's handlers, without the window: every rule of play,
// start-up and shut-down, reaching the screen only through TGameWindow.
// The window reads what it draws; the editor works through TEditorHost.
class TGame : private TBoardHost, private TEditorHost {
 public:
  TGame(TGameWindow& window, TSoundPlayer& sound, THelpViewer& help);
  TGame(const TGame&) = delete;
  TGame& operator=(const TGame&) = delete;

  const TGameData& Data() const { return data_; }
  const TLevelBar& LevelBar() const { return levelBar_; }
  // The editor is handed this at its construction.
  TEditorHost& ForEditor() { return *this; }

  // Start-up and shut-down.
  void FormCreate(const std::string& programDir, const std::string& settingsPath,
                  TLevelFiles levelFiles = {});
  void FormActivate();
  // The close box, the exit button and every other close: true when the window may close.
  bool CloseRequested();
  bool FormCloseQuery();
  void FormClose();
  void FormDestroy();

  // Play.
  void Pause();
  void boxClick();
  void boxMouseDown(TMouseButton button, int x, int y, bool shift = false);
  // A press on a cell of the level in play, from the mouse, the keyboard's
  // cursor or the hint key.
  void PressBoardCell(TMove move);
  // Locks a tile of the running level, or unlocks it: a step of its own.
  void ToggleLockAt(TCell cell);
  // Take back the last step of the level in play, or do it again.
  void UndoBtnClick();
  void RedoBtnClick();
  // Keyboard play: a key moves the cursor or presses at it; a mouse press
  // on the board hides it.
  void CursorKey(TCursorKey key);
  void HideCursor();
  // The hint key: in practice, one press of a solution, at the cursor.
  void HintKey();
  void TimerTimer();
  void LevelSolved();
  void OptionBtnClick();
  void ExitBtnClick();
  void info();
  void TongBtnClick();

  // Choosing and starting levels. False when the player refused to give up the level.
  bool StartLevel(std::int32_t n);
  bool StartRandomLevel(const TLevelCode& code);
  // The window of fresh levels: a new random level, today's, or a code.
  void FreshLevelBtnClick();
  // The window of the player's records.
  void RecordsBtnClick();
  void levelScrollChange();
  // The player moved the level bar to a position.
  void LevelBarMoved(int position) { levelBar_.SetPosition(position); }
  void sUpBtnClick() { StartNextUnsolved(+1); }
  void sDownBtnClick() { StartNextUnsolved(-1); }
  void RestartBtnClick();
  void NewGameBtnClick();
  // Moves the bar to the current level without starting it.
  void PlaceLevelBarAtCurrentLevel() override;
  // Every paint of the board surface: the first one aligns state and level bar.
  void boxPaint();
  TLifeCycle Life() const { return life_; }

  // Saved games and the level file.
  void SaveBtnClick();
  void LoadBtnClick();
  // The level file, where the player may write it.
  void SaveLevels();

  // The palette window was closed by the player: its place is remembered.
  void PaletteFormClose(TPlace place);

  // Sound and help.
  void PlaySoundCue(TSoundCue cue) override;
  void rules();
  void NimbleplayBtnClick();

  // Displays and texts.
  void timboxPaint();
  void levelboxPaint();
  void ShowWaterCount();
  void UpdateTitleAndGauge() override;
  void ApplyLanguage();
  // Redraws every cell, column by column.
  void DrawAllCells() override;
  void SetPlayState(TPlayState state) override;

 private:
  friend struct TGameTestAccess;  // the tests set up and inspect states directly

  // The board host: frames and phases go straight to the window.
  void DrawRotationFrame(int col, int row, int kind, int frame) override;
  void DrawFlowPhase(int phase) override;
  TClock& Clock() override;

  // The editor's host.
  void AttachEditor(TBoardEditor& editor) override { editor_ = &editor; }
  TGameData& EditedData() override { return data_; }
  void DrawCell(TCell cell) override { window_.DrawCell(cell.Col, cell.Row); }
  TAnimator& Animator() override { return animator_; }
  int DrawQuarter() override;
  void ResizeGauge() override;
  // Levels 1..LevelCount with a result above 0, as the gauge counts them.
  int SolvedLevelCount() const;

  // A press on a cell: the editor's while editing, else the rules'.
  void PressAt(TMove move);
  void ShowStep(const TBoardState& state, const std::optional<TTurn>& turn);
  void ShowWholeState(const TBoardState& state);
  void ShowUndoButtons();
  bool UndoAllowed() const;
  void Restart();

  bool RestartLevel();
  bool LeaveLevel();
  void PlayLevel(const TLevelRec& level);
  std::optional<TLevelCode> ChosenCode(const TFreshLevelAnswer& answer);
  void StartGivenCode();
  void ReadRecords();
  TSolve SolveOfLevelInPlay() const;
  void RecordLevelSolve();
  // Pars found since, put into the records of their levels; true when any changed.
  bool TakeFoundPars();
  void WriteRecords();
  std::string SolveLine(const TSolve& solve, const TRecordNews& news, int par) const;

  void StartUp();
  void Terminate();
  void KeepLevelInProgress();
  void ForgetLevelInProgress();
  std::optional<TBoardInProgress> ReadLevelInProgress() const;
  void ResumeLevelInProgress(const std::optional<TBoardInProgress>& kept);
  bool LevelInPlay() const;
  void StartNextUnsolved(int direction);
  void MoveWindowFromSettings();
  void WriteSettings();
  void OpenHelp(const char* file, const char* germanTopic, const char* englishTopic);

  TGameData data_;
  TGameWindow& window_;
  TSoundPlayer& sound_;
  THelpViewer& help_;
  std::optional<TSettings> settings_;
  TAnimator animator_{*this};
  std::mt19937 random_;
  TLevelBar levelBar_;
  TBoardEditor* editor_ = nullptr;
  TBoardCursor cursor_;
  TLevelFiles levelFiles_;
  THints hints_;
  THistory history_;
  TParFinder par_;
  bool recordsUnwritten_ = false;  // told once, until a write succeeds again
  TSavedGames savedGames_{data_, window_, [this] { UpdateTitleAndGauge(); }};
  TLifeCycle life_ = TLifeCycle::Created;
};

// Places of a three-place display, hundreds first: leading zeros blank, the
// ones always shown. Negative values, which have no picture, show as 0.
TDisplayDigits ThreeDigits(std::int32_t value);
