#pragma once

#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>

#include "control/Game.h"
#include "editor/Editor.h"
#include "platform/SteadyClock.h"
#include "ui/BoardRenderer.h"
#include "ui/DialogSet.h"
#include "ui/Pictures.h"
#include "ui/Services.h"
#include "ui/Widgets.h"

class QLabel;
class QToolButton;
class TPaletteWindow;

// The main window: the tool bar, the two displays, the board surface, the
// gauge and the level bar. It shows what the game asks for and hands every
// event to the game's handlers.
class TMainForm : public QWidget, public TGameWindow {
 public:
  TMainForm(const std::string& programDir, const std::string& settingsPath,
            TLevelFiles levelFiles = {});
  ~TMainForm() override;
  TGame& Game() { return game_; }

  void DrawBackdrop() override;
  void DrawCell(int col, int row) override;
  void DrawRotationFrame(int col, int row, int kind, int frame) override;
  void DrawFlowPhase(int phase) override;
  void ShowCursor(std::optional<TCell> cell) override;
  void DrawTimeDisplay(const TDisplayDigits& digits) override;
  void DrawLevelDisplay(const TDisplayDigits& digits, bool solvedMark) override;
  void DrawWaterCount(std::optional<TWaterCount> count) override;
  void ShowSolveLine(const std::string& line) override;
  void SetTitle(const std::string& title) override;
  void SetGauge(int maximum, int progress) override { gauge_->Set(maximum, progress); }
  void SetHint(TControl control, const std::string& hint) override;
  void SetCaption(TControl control, const std::string& caption) override;
  void SetVisible(TControl control, bool visible) override;
  void SetEnabled(TControl control, bool enabled) override;
  void ShowLevelBar(int position, int maximum) override;
  bool SoundOn() const override;
  void SetSoundOn(bool on) override;
  void SetClockOn(bool on) override;
  TClock& Clock() override { return clock_; }
  TPlace WindowPlace() const override { return {x(), y()}; }
  void MoveWindow(TPlace place) override { move(place.Left, place.Top); }
  int WindowWidth() const override { return frameGeometry().width(); }
  int WindowHeight() const override { return frameGeometry().height(); }
  std::vector<TRect> Screens() const override;
  bool LoadArtwork(const std::string& programDir) override;
  TModalResult ShowMessage(TMessageKind kind, const std::string& text) override;
  TModalResult ShowDialog(TDialog dialog) override;
  bool ModalWindowOpen() const override { return modalDepth_ > 0; }
  TModalResult ShowLanguageWindow(TLanguage& language) override;
  void PointSaveWindowAt(const std::string& file) override;
  TSaveWindowAnswer ShowSaveWindow(const std::string& proposedName) override;
  bool PointLoadWindowAt(const std::string& directory) override;
  TLoadWindowAnswer ShowLoadWindow() override;
  TFreshLevelAnswer ShowFreshLevelWindow() override;
  void ShowRecordsWindow(const TRecordsTable& table) override;
  void CloseMainWindow() override { close(); }
  void Terminate() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildToolBar();
  void BuildDisplays();
  void BuildSideColumn();
  void BuildSolveLine();
  void BuildShortcuts();
  void CreateDialogs(const std::string& programDir, const std::string& settingsPath);
  QToolButton* ToolButton(TControl control, const char* icon, int x,
                          const std::function<void()>& handler);
  // Player input reaches the game only while none of its modal windows is open.
  void Input(const std::function<void()>& handler);
  // Every modal window of the game opens here: centred on the main window's
  // screen, never twice at once, and with the level bar's press let go.
  int RunModal(QDialog& dialog);
  void FlushBoard(const QRegion& changed);
  void BoardPainting();
  void AlignAtFirstPaint();

  TBoardRenderer renderer_{ArtworkScale()};
  TSteadyClock clock_;
  TQtSoundPlayer sound_;
  TQtHelpViewer help_;
  TGame game_{*this, sound_, help_};
  TEditor editor_{game_.ForEditor()};
  QTimer timer_;
  std::map<TControl, QWidget*> controls_;
  std::optional<TCell> cursor_;  // the keyboard's, where it is shown
  TBoardSurface* board_ = nullptr;
  TDigitDisplay* timeDisplay_ = nullptr;
  TDigitDisplay* levelDisplay_ = nullptr;
  TCountDisplay* countDisplay_ = nullptr;
  QLabel* solveLine_ = nullptr;
  TGauge* gauge_ = nullptr;
  TLevelScrollBar* levelScroll_ = nullptr;
  std::unique_ptr<TDialogSet> dialogs_;
  std::unique_ptr<TPaletteWindow> palette_;
  int modalDepth_ = 0;  // modal windows open
};
