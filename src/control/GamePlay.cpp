// Play states, the clock, solving, the mode button and the close question.
#include <utility>

#include "control/Game.h"
#include "model/Flow.h"

TGame::TGame(TGameWindow& window, TSoundPlayer& sound, THelpViewer& help)
    : window_(window),
      sound_(sound),
      help_(help),
      levelBar_([this](int position, int maximum) { window_.ShowLevelBar(position, maximum); },
                [this] { levelScrollChange(); }) {}

void TGame::SetPlayState(TPlayState state) {
  data_.State = state;
  const bool editing = state == psEditing;
  window_.SetVisible(TControl::LoadBtn, !editing);
  window_.SetVisible(TControl::FreshLevelBtn, !editing);
  window_.SetVisible(TControl::SaveBtn, true);
  window_.SetVisible(TControl::PauseBtn, !editing);
  window_.SetEnabled(TControl::PauseBtn, state == psRunning);
  window_.SetVisible(TControl::Palette, editing);
  window_.SetVisible(TControl::Pausetext, state == psPaused);
  window_.SetVisible(TControl::RestartBtn, !editing);
  window_.SetVisible(TControl::NewGameBtn, !editing);
  window_.SetVisible(TControl::DeleteBtn, editing);
  window_.SetVisible(TControl::InsertBtn, editing);
  window_.SetVisible(TControl::MixBtn, editing);
  ShowUndoButtons();
  ApplyLanguage();
}

// The pause button is enabled only while running.
void TGame::Pause() {
  if (data_.State == psRunning) SetPlayState(psPaused);
}

void TGame::boxClick() {
  if (data_.State == psPaused) SetPlayState(psRunning);
}

// A press on the board: the editor's while editing, the rules' while
// running; with Shift held in play, a lock put on or taken off.
void TGame::boxMouseDown(TMouseButton button, int x, int y, bool shift) {
  const std::optional<TCell> cell = HitTestBoard(x, y);
  if (!cell) return;
  if (shift && data_.State != psEditing)
    ToggleLockAt(*cell);
  else
    PressAt({button, *cell});
}

// A lock changes neither the water nor whether the level was touched.
void TGame::ToggleLockAt(TCell cell) {
  if (data_.State != psRunning) return;
  const std::optional<TBoardState> after = ToggleLock(data_.Board, cell);
  if (!after) return;
  history_.Record({TStepKind::Lock, data_.Board, *after, std::nullopt, std::nullopt});
  ShowWholeState(*after);
}

void TGame::PressAt(TMove move) {
  window_.ShowSolveLine("");
  if (data_.State == psEditing) {
    if (editor_) editor_->MouseDown(move.Button, move.Cell);
    return;
  }
  PressBoardCell(move);
}

void TGame::PressBoardCell(TMove move) {
  if (data_.State != psRunning) return;
  const std::optional<TPress> press = PressCell(data_.Board, move);
  if (!press) return;
  history_.Record({TStepKind::Press, data_.Board, press->After, move, press->Turn});
  data_.LevelTouched = true;
  ++data_.Played.Presses;
  ShowStep(press->After, press->Turn);
  if (IsSolved(data_.Board)) LevelSolved();
}

// The state is taken at once; then the turn's frames, then the water's phases.
void TGame::ShowStep(const TBoardState& state, const std::optional<TTurn>& turn) {
  data_.Board.Put(state);
  if (turn) animator_.ShowTurn(*turn);
  animator_.AnimateFlow(data_.Board);
  ShowUndoButtons();
  ShowWaterCount();
}

void TGame::CursorKey(TCursorKey key) {
  cursor_.Shown = true;
  cursor_.Move(key);
  window_.ShowCursor(cursor_.Cell);
  if (key == TCursorKey::PressLeft) {
    PressAt({TMouseButton::Left, cursor_.Cell});
    boxClick();  // a left press is a click too: it ends a pause
  }
  if (key == TCursorKey::PressRight) PressAt({TMouseButton::Right, cursor_.Cell});
  if (key == TCursorKey::PressMiddle) PressAt({TMouseButton::Middle, cursor_.Cell});
  if (key == TCursorKey::Lock) ToggleLockAt(cursor_.Cell);
}

void TGame::HintKey() {
  if (data_.Mode != gmPractice || data_.State != psRunning || window_.ModalWindowOpen()) return;
  const std::optional<TMove> move = hints_.Next(data_.Board, Clock());
  if (!move) return;
  cursor_ = {move->Cell, true};
  window_.ShowCursor(cursor_.Cell);
  data_.Played.Hinted = true;
  PressBoardCell(*move);
}

void TGame::HideCursor() {
  if (!std::exchange(cursor_.Shown, false)) return;
  window_.ShowCursor(std::nullopt);
}

void TGame::TimerTimer() {
  if (TakeFoundPars()) WriteRecords();
  if (data_.State != psRunning || life_ == TLifeCycle::Closing) return;
  if (data_.Mode == gmPractice || data_.TimeLeft > 0) {
    --data_.TimeLeft;
    ++data_.Played.Seconds;
  } else if (window_.ModalWindowOpen()) {
    return;  // time over waits for the open question, never opens over it
  } else {
    window_.SetClockOn(false);
    SetPlayState(psTimeOver);
    PlaySoundCue(scTooSlow);
    window_.ShowDialog(TDialog::TooSlow);
  }
  timboxPaint();
}

void TGame::LevelSolved() {
  window_.SetClockOn(false);
  ForgetLevelInProgress();
  PlaySoundCue(scSolved);
  SetPlayState(psSolved);
  RecordLevelSolve();
  window_.ShowDialog(TDialog::Solved);
  if (data_.Mode == gmPractice || data_.Random) return;  // results are the numbered levels'
  std::int32_t& result = data_.Results[data_.CurrentLevel];
  if (result == 0) result = data_.TimeLeft;
  levelboxPaint();
  UpdateTitleAndGauge();
  if (data_.AllSolved) return;
  data_.AllSolved = ComputeAllSolved(data_.Results, data_.Levels.LevelCount());
  if (data_.AllSolved) window_.ShowDialog(TDialog::AllSolved);
}

void TGame::OptionBtnClick() {
  data_.Mode = static_cast<TGameMode>((data_.Mode + 1) % 3);
  if (data_.Mode != gmEditor) {
    // A level kept by a refused question stays in practice: its practice
    // clock, carried into challenge, would run out at the next tick.
    if (!RestartLevel() && data_.Mode == gmChallenge) data_.Mode = gmPractice;
    SetPlayState(psRunning);  // also after a refused restart, which lifts a pause
  } else {
    data_.Random.reset();
    LoadLevelToBoard(data_.Board, data_.Levels[data_.CurrentLevel]);
    ComputeFlow(data_.Board);
    DrawAllCells();
    SetPlayState(psEditing);
  }
  window_.DrawCell(data_.Board.SourceCol, data_.Board.SourceRow);
}

void TGame::ExitBtnClick() { window_.CloseMainWindow(); }

void TGame::info() {
  window_.SetClockOn(false);
  window_.ShowDialog(TDialog::Info);
  window_.SetClockOn(true);
}

void TGame::TongBtnClick() {
  window_.ShowLanguageWindow(data_.Language);
  ApplyLanguage();
}

bool TGame::LevelInPlay() const {
  return data_.Mode == gmChallenge && (data_.State == psRunning || data_.State == psPaused);
}

void TGame::DrawAllCells() {
  for (int col = 1; col <= BoardCols; ++col)
    for (int row = 1; row <= BoardRows; ++row) window_.DrawCell(col, row);
}

void TGame::DrawRotationFrame(int col, int row, int kind, int frame) {
  window_.DrawRotationFrame(col, row, kind, frame);
}

void TGame::DrawFlowPhase(int phase) { window_.DrawFlowPhase(phase); }

TClock& TGame::Clock() { return window_.Clock(); }

int TGame::DrawQuarter() { return std::uniform_int_distribution<int>(0, 3)(random_); }
