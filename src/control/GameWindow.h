#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "control/Messages.h"
#include "control/Settings.h"
#include "model/LevelCode.h"
#include "model/PlayState.h"
#include "model/Tiles.h"
#include "platform/Clock.h"

// The controls of the main window that the game shows, hides, enables or labels.
enum class TControl {
  LoadBtn,
  SaveBtn,
  PauseBtn,
  Palette,
  Pausetext,
  RestartBtn,
  NewGameBtn,
  DeleteBtn,
  InsertBtn,
  MixBtn,
  OptionBtn,
  SoundBtn,
  RulesBtn,
  ExitBtn,
  InfoBtn,
  NimbleplayBtn,
  sUpBtn,
  sDownBtn,
  levelScroll,
  TimeLabel,
  levellabel,
  levelbox,
  gsol,
  UndoBtn,
  RedoBtn,
  WaterCount,
  FreshLevelBtn,
  RecordsBtn,
};

// The small modal windows. Each sets its own texts for the language when it opens.
enum class TDialog {
  Splash,       // closes itself
  Solved,       // OK
  AllSolved,    // OK
  TooSlow,      // OK
  GiveUpGame,   // OK or Cancel
  GiveUpLevel,  // Yes or No
  EndGame,      // Yes or No
  TakeChanges,  // OK or Cancel
  Info,         // OK; its language button calls TGame::TongBtnClick
};

// Digits of a three-place display, hundreds first; nothing where the place is blank.
using TDisplayDigits = std::array<std::optional<int>, 3>;

// The tiles that carry water as drawn, of all tiles of the level.
struct TWaterCount {
  int Wet = 0;
  int Tiles = 0;
  friend bool operator==(const TWaterCount&, const TWaterCount&) = default;
};

struct TSaveWindowAnswer {
  TModalResult Result = mrCancel;
  std::string Directory;  // the directory its lists show
  std::string FileName;   // the text of its file-name field
};

// The window of fresh levels: a new level of a size, today's level, or a
// typed code, as its buttons chose.
struct TFreshLevelAnswer {
  TModalResult Result = mrCancel;  // mrOk when one of them was chosen
  std::optional<TLevelSize> Size;  // a new level of the size
  bool Daily = false;              // today's level
  std::string Code;                // else the code as typed
};

// The records window's content, every text in the player's language.
struct TRecordsTable {
  std::string Title;
  std::string Streak;                          // the line above the table
  std::vector<std::string> Columns;            // the headers
  std::vector<std::vector<std::string>> Rows;  // the latest solve first
  std::string Empty;                           // shown instead of a table without rows
};

struct TLoadWindowAnswer {
  TModalResult Result = mrCancel;
  std::optional<std::string> SelectedFile;  // full path
};

// The window seam: everything the game's handlers ask of the main window and
// its modal windows. A close box on any modal window answers mrCancel.
class TGameWindow : public TMessageBox {
 public:
  // Board surface, drawn from the game data the window was given.
  virtual void DrawBackdrop() = 0;
  virtual void DrawCell(int col, int row) = 0;
  virtual void DrawRotationFrame(int col, int row, int kind, int frame) = 0;
  virtual void DrawFlowPhase(int phase) = 0;
  // The keyboard's cursor frame over a cell, or none.
  virtual void ShowCursor(std::optional<TCell> cell) = 0;

  // Displays and texts.
  virtual void DrawTimeDisplay(const TDisplayDigits& digits) = 0;
  virtual void DrawLevelDisplay(const TDisplayDigits& digits, bool solvedMark) = 0;
  // Blank without a count.
  virtual void DrawWaterCount(std::optional<TWaterCount> count) = 0;
  // A line on the board after a solve, until the next press; none when empty.
  virtual void ShowSolveLine(const std::string& line) = 0;
  virtual void SetTitle(const std::string& title) = 0;
  virtual void SetGauge(int maximum, int progress) = 0;
  virtual void SetHint(TControl control, const std::string& hint) = 0;
  virtual void SetCaption(TControl control, const std::string& caption) = 0;
  virtual void SetVisible(TControl control, bool visible) = 0;
  virtual void SetEnabled(TControl control, bool enabled) = 0;

  // The level bar as the player sees it; its rules live in TLevelBar.
  virtual void ShowLevelBar(int position, int maximum) = 0;
  virtual bool SoundOn() const = 0;
  virtual void SetSoundOn(bool on) = 0;

  // The one-second clock: while on, the window calls TGame::TimerTimer every second.
  virtual void SetClockOn(bool on) = 0;
  virtual TClock& Clock() = 0;

  // Window place and the screens it may stand on.
  virtual TPlace WindowPlace() const = 0;
  virtual void MoveWindow(TPlace place) = 0;
  virtual int WindowWidth() const = 0;
  virtual int WindowHeight() const = 0;
  virtual std::vector<TRect> Screens() const = 0;

  virtual bool LoadArtwork(const std::string& programDir) = 0;

  // Modal windows. While one is open, the window hands the game no input.
  virtual TModalResult ShowDialog(TDialog dialog) = 0;
  virtual bool ModalWindowOpen() const = 0;
  // The language window; sets language only when a button was pressed.
  virtual TModalResult ShowLanguageWindow(TLanguage& language) = 0;
  // Moves the save window's lists to the file's directory and selects it.
  virtual void PointSaveWindowAt(const std::string& file) = 0;
  virtual TSaveWindowAnswer ShowSaveWindow(const std::string& proposedName) = 0;
  // False, with the lists unmoved, when the directory does not exist.
  virtual bool PointLoadWindowAt(const std::string& directory) = 0;
  virtual TLoadWindowAnswer ShowLoadWindow() = 0;
  virtual TFreshLevelAnswer ShowFreshLevelWindow() = 0;
  // Modal; closed with its OK button, Return, Esc or the close box.
  virtual void ShowRecordsWindow(const TRecordsTable& table) = 0;

  // The ordinary close path: the close question, then the shut-down, as a
  // click on the close box would run them (TGame::CloseRequested).
  virtual void CloseMainWindow() = 0;
  // Ends the program at once: no question, no shut-down, nothing written.
  virtual void Terminate() = 0;
};

// Sound cues play without waiting; no audio device is no error.
class TSoundPlayer {
 public:
  virtual ~TSoundPlayer() = default;
  virtual void Stop() = 0;
  // A missing file plays the default beep.
  virtual void Play(const std::string& waveFile) = 0;
};

class THelpViewer {
 public:
  virtual ~THelpViewer() = default;
  virtual void Quit() = 0;
  // Opens the help file at the topic; false when it cannot be shown.
  virtual bool ShowTopic(const std::string& helpFile, const std::string& topic) = 0;
};
