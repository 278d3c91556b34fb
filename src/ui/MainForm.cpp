#include "ui/MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>

#include "control/CellSpeech.h"
#include "editor/Palette.h"
#include "ui/Accessibility.h"
#include "ui/PaletteWindow.h"
#include "ui/PictureSizes.h"
#include "ui/Pictures.h"
#include "ui/art/ArtworkSheets.h"

namespace {

constexpr int ToolBarHeight = 33;

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Colours by palette, not style sheet: a style sheet brings its own style
// engine into the start-up for three plain colours.
void Colour(QWidget& widget, QPalette::ColorRole role, QColor colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, colour);
  widget.setPalette(palette);
}

QLabel* DisplayCaption(QWidget* parent, QPoint at, TCaptionStyle style) {
  auto* label = new TCaption(parent);
  label->setGeometry(QRect(at, QSize(style.Width, style.Height)));
  QFont font("DejaVu Sans");
  font.setPixelSize(style.PixelSize);
  label->setFont(font);
  Colour(*label, QPalette::WindowText, QColor::fromRgb(style.Colour));
  return label;
}

void CentreOnScreen(QWidget& window, const QScreen* screen) {
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

// The desktop's message box, centred on the screen once it has sized itself
// to its text.
class TMessageBoxWindow : public QMessageBox {
 public:
  TMessageBoxWindow(Icon icon, const QString& caption, const QString& text, QWidget* parent,
                    const QScreen* screen)
      : QMessageBox(icon, caption, text, NoButton, parent), screen_(screen) {}

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    CentreOnScreen(*this, screen_);
  }

 private:
  const QScreen* screen_;
};

void BlackBox(QWidget* parent, QRect bevel, QRect inside) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setGeometry(bevel);
  auto* black = new QFrame(parent);
  black->setGeometry(inside);
  Colour(*black, QPalette::Window, Qt::black);
  black->setAutoFillBackground(true);
}

}  // namespace

TMainForm::TMainForm(const std::string& programDir, const std::string& settingsPath,
                     TLevelFiles levelFiles)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
  setFixedSize(TBoardRenderer::Width, ToolBarHeight + TBoardRenderer::Height);
  setWindowIcon(GameIcon());
  setWindowTitle(GameTitle);
  BuildToolBar();
  BuildDisplays();
  board_ = new TBoardSurface(renderer_.Surface(), this);
  board_->setGeometry(0, ToolBarHeight, TBoardRenderer::Width, TBoardRenderer::Height);
  board_->Pressed = [this](TMouseButton button, int x, int y, bool shift) {
    Input([&] {
      game_.HideCursor();
      game_.boxMouseDown(button, x, y, shift);
    });
  };
  board_->Clicked = [this] { Input([this] { game_.boxClick(); }); };
  board_->Painting = [this] { BoardPainting(); };
  board_->Speech = {
      [this] { return Q(BoardSpeechName(game_.Data().Language)); },
      [this](TCell cell) { return Q(CellSpeech(game_.Data().Board, cell, game_.Data().Language)); },
      [this] { return cursor_; }};
  BuildSideColumn();
  BuildShortcuts();
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, [this] { game_.TimerTimer(); });
  game_.FormCreate(programDir, settingsPath, std::move(levelFiles));
  CreateDialogs(programDir, settingsPath);
}

TMainForm::~TMainForm() { game_.FormDestroy(); }

void TMainForm::Input(const std::function<void()>& handler) {
  if (modalDepth_ == 0 && game_.Life() != TLifeCycle::Terminated) handler();
}

// A speed button: raised, and never the keyboard's focus, so no key presses it.
QToolButton* TMainForm::ToolButton(TControl control, const char* icon, int x,
                                   const std::function<void()>& handler) {
  auto* button = new QToolButton(this);
  button->setGeometry(x, 4, control == TControl::NimbleplayBtn ? 30 : 25, 25);
  button->setIcon(PictureIcon(icon, {19, 19}));
  button->setIconSize(QSize(19, 19));
  button->setFocusPolicy(Qt::NoFocus);
  button->setObjectName(icon);
  if (handler) connect(button, &QToolButton::clicked, this, [this, handler] { Input(handler); });
  controls_[control] = button;
  return button;
}

void TMainForm::BuildToolBar() {
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setGeometry(0, 0, TBoardRenderer::Width, ToolBarHeight);
  ToolButton(TControl::NewGameBtn, "newgame", 4, [this] { game_.NewGameBtnClick(); });
  ToolButton(TControl::RestartBtn, "restart", 28, [this] { game_.RestartBtnClick(); });
  ToolButton(TControl::LoadBtn, "load", 52, [this] { game_.LoadBtnClick(); });
  ToolButton(TControl::SaveBtn, "save", 76, [this] { game_.SaveBtnClick(); });
  ToolButton(TControl::PauseBtn, "pause", 100, [this] { game_.Pause(); });
  auto* sound = ToolButton(TControl::SoundBtn, "sound-off", 124, {});  // a toggle: no handler
  sound->setCheckable(true);
  connect(sound, &QToolButton::toggled, this, [sound](bool on) {
    sound->setIcon(PictureIcon(on ? "sound" : "sound-off", {19, 19}));
  });
  ToolButton(TControl::OptionBtn, "mode", 148, [this] { game_.OptionBtnClick(); });
  ToolButton(TControl::ExitBtn, "exit", 172, [this] { game_.ExitBtnClick(); });
  ToolButton(TControl::MixBtn, "mix", 4, [this] { editor_.MixBtnClick(); });
  ToolButton(TControl::InsertBtn, "insert", 28, [this] { editor_.InsertBtnClick(); });
  ToolButton(TControl::DeleteBtn, "delete", 52, [this] { editor_.DeleteBtnClick(); });
  ToolButton(TControl::RulesBtn, "rules", 417, [this] { game_.rules(); });
  ToolButton(TControl::InfoBtn, "info", 441, [this] { game_.info(); });
  ToolButton(TControl::NimbleplayBtn, "series", 465, [this] { game_.NimbleplayBtnClick(); });
  for (TControl editorButton : {TControl::MixBtn, TControl::InsertBtn, TControl::DeleteBtn})
    controls_[editorButton]->hide();
}

void TMainForm::BuildDisplays() {
  BlackBox(this, {204, 4, 113, 26}, {204, 5, 113, 24});
  controls_[TControl::levellabel] = DisplayCaption(this, {208, 12}, LevelCaptionStyle);
  levelDisplay_ = new TDigitDisplay(art::DigitStrip(true, renderer_.Scale()), true, this);
  levelDisplay_->Caption = static_cast<QLabel*>(controls_[TControl::levellabel]);
  levelDisplay_->setGeometry(256, 7, 57, 20);
  controls_[TControl::levelbox] = levelDisplay_;
  BlackBox(this, {324, 4, 85, 26}, {324, 5, 84, 24});
  controls_[TControl::TimeLabel] = DisplayCaption(this, {328, 12}, TimeCaptionStyle);
  timeDisplay_ = new TDigitDisplay(art::DigitStrip(false, renderer_.Scale()), false, this);
  timeDisplay_->Caption = static_cast<QLabel*>(controls_[TControl::TimeLabel]);
  timeDisplay_->setGeometry(364, 7, 41, 20);
}

void TMainForm::BuildSideColumn() {
  gauge_ = new TGauge(this);
  gauge_->setGeometry(410, ToolBarHeight + 130, 22, 180);
  controls_[TControl::gsol] = gauge_;
  ToolButton(TControl::sUpBtn, "up", 449, [this] {
    game_.sUpBtnClick();
  })->setGeometry(449, ToolBarHeight + 130, 23, 20);
  levelScroll_ = new TLevelScrollBar(this);
  levelScroll_->setGeometry(450, ToolBarHeight + 150, 22, 140);
  levelScroll_->setRange(1, 1);
  levelScroll_->setSingleStep(1);
  levelScroll_->setPageStep(10);
  connect(levelScroll_, &QScrollBar::valueChanged, this, [this](int position) {
    Input([this, position] { game_.LevelBarMoved(position); });
    // Where a start was refused or held back, the bar shows the board's level.
    ShowLevelBar(game_.LevelBar().Position(), game_.LevelBar().Maximum());
  });
  controls_[TControl::levelScroll] = levelScroll_;
  ToolButton(TControl::sDownBtn, "down", 449, [this] {
    game_.sDownBtnClick();
  })->setGeometry(449, ToolBarHeight + 290, 23, 20);
  // Above the tap and beside it, clear of every other control; by the up
  // arrow the trophy would cover the side panel's edge.
  const struct {
    TControl Control;
    const char* Icon;
    QPoint Place;
    void (TGame::*Click)();
  } sideButtons[] = {
      {TControl::UndoBtn, "undo", {417, 6}, &TGame::UndoBtnClick},
      {TControl::RedoBtn, "redo", {445, 6}, &TGame::RedoBtnClick},
      {TControl::FreshLevelBtn, "dice", {473, 6}, &TGame::FreshLevelBtnClick},
      {TControl::RecordsBtn, "trophy", {473, 70}, &TGame::RecordsBtnClick},
  };
  for (const auto& side : sideButtons)
    ToolButton(side.Control, side.Icon, 0, [this, click = side.Click] {
      (game_.*click)();
    })->setGeometry(QRect(side.Place + QPoint(0, ToolBarHeight), QSize(25, 25)));
  BlackBox(this, {409, ToolBarHeight + 35, 69, 26}, {409, ToolBarHeight + 36, 69, 24});
  countDisplay_ = new TCountDisplay(art::DigitStrip(true, renderer_.Scale()), this);
  countDisplay_->setGeometry(411, ToolBarHeight + 38, 65, 20);
  controls_[TControl::WaterCount] = countDisplay_;

  auto* pausetext = new TClickLabel(this);
  // Taller than the text's box of 269 x 100 around the same middle, so the
  // German text fits on its four lines.
  pausetext->setGeometry(72, ToolBarHeight + 87, 269, 150);
  QFont big("DejaVu Sans");
  big.setBold(true);
  big.setPixelSize(27);
  pausetext->setFont(big);
  pausetext->setWordWrap(true);
  pausetext->setAlignment(Qt::AlignCenter);
  Colour(*pausetext, QPalette::WindowText, Qt::white);
  pausetext->Clicked = [this] { Input([this] { game_.boxClick(); }); };
  pausetext->hide();
  controls_[TControl::Pausetext] = pausetext;
  BuildSolveLine();
}

// In the frame below the grid, in the displays' yellow on black.
void TMainForm::BuildSolveLine() {
  solveLine_ = new QLabel(this);
  solveLine_->setGeometry(22, ToolBarHeight + 313, 356, 18);
  QFont bold("DejaVu Sans");
  bold.setBold(true);
  bold.setPixelSize(11);
  solveLine_->setFont(bold);
  solveLine_->setAlignment(Qt::AlignCenter);
  solveLine_->setAutoFillBackground(true);
  Colour(*solveLine_, QPalette::Window, Qt::black);
  Colour(*solveLine_, QPalette::WindowText, QColor(0xff, 0xe0, 0x20));
  solveLine_->hide();
}

// The longest lines, in German with every note, take a smaller type to fit.
void TMainForm::ShowSolveLine(const std::string& line) {
  const QString text = Q(line);
  QFont font = solveLine_->font();
  for (int size = 11; size > 8; --size) {
    font.setPixelSize(size);
    if (QFontMetrics(font).horizontalAdvance(text) <= solveLine_->width() - 4) break;
  }
  solveLine_->setFont(font);
  solveLine_->setText(text);
  solveLine_->setVisible(!line.empty());
}

// The desktop's shortcuts press the tool bar's buttons, where they are shown.
void TMainForm::BuildShortcuts() {
  const std::pair<const char*, TControl> shortcuts[] = {
      {"Ctrl+N", TControl::NewGameBtn}, {"Ctrl+R", TControl::RestartBtn},
      {"Ctrl+O", TControl::LoadBtn},    {"Ctrl+S", TControl::SaveBtn},
      {"P", TControl::PauseBtn},        {"Ctrl+M", TControl::OptionBtn},
      {"Ctrl+Q", TControl::ExitBtn},    {"F1", TControl::RulesBtn},
      {"Ctrl+Z", TControl::UndoBtn},    {"Ctrl+Shift+Z", TControl::RedoBtn},
      {"Ctrl+Y", TControl::RedoBtn},    {"Ctrl+G", TControl::FreshLevelBtn},
      {"Ctrl+T", TControl::RecordsBtn}};
  for (const auto& [keys, control] : shortcuts) {
    auto* button = static_cast<QAbstractButton*>(controls_.at(control));
    auto* shortcut = new QShortcut(QKeySequence(keys), this);
    // A held key takes back or does again one step, as a held press key presses once.
    shortcut->setAutoRepeat(control != TControl::UndoBtn && control != TControl::RedoBtn);
    connect(shortcut, &QShortcut::activated, button, [button] {
      if (button->isVisible() && button->isEnabled()) button->click();
    });
  }
}

// Keyboard play: the arrows move the cursor, Q or comma, E or full stop and
// W or slash press at it like the left, right and middle buttons, L locks
// its tile. A held press or lock key acts once.
void TMainForm::keyPressEvent(QKeyEvent* event) {
  static const std::map<int, TCursorKey> keys{
      {Qt::Key_Left, TCursorKey::Left},     {Qt::Key_Right, TCursorKey::Right},
      {Qt::Key_Up, TCursorKey::Up},         {Qt::Key_Down, TCursorKey::Down},
      {Qt::Key_Q, TCursorKey::PressLeft},   {Qt::Key_Comma, TCursorKey::PressLeft},
      {Qt::Key_E, TCursorKey::PressRight},  {Qt::Key_Period, TCursorKey::PressRight},
      {Qt::Key_W, TCursorKey::PressMiddle}, {Qt::Key_Slash, TCursorKey::PressMiddle},
      {Qt::Key_L, TCursorKey::Lock}};
  const auto key = keys.find(event->key());
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (event->key() == Qt::Key_H && plain) {
    if (!event->isAutoRepeat()) Input([this] { game_.HintKey(); });
    AnnounceCursorCell(board_, false);
    return;
  }
  if (key == keys.end() || !plain) return QWidget::keyPressEvent(event);
  const bool press = key->second != TCursorKey::Left && key->second != TCursorKey::Right &&
                     key->second != TCursorKey::Up && key->second != TCursorKey::Down;
  if (!(press && event->isAutoRepeat())) Input([&] { game_.CursorKey(key->second); });
  if (press) AnnounceCursorCell(board_, false);
}

void TMainForm::CreateDialogs(const std::string& programDir, const std::string& settingsPath) {
  dialogs_ = std::make_unique<TDialogSet>(
      this, [this] { return game_.Data().Language; }, [this] { game_.TongBtnClick(); },
      Q(programDir + "b5.bmp"));
  const TPlace place =
      PalettePlace(TSettings(settingsPath), {x(), y()}, width(), TMainForm::Screens());
  palette_ = std::make_unique<TPaletteWindow>(
      this, renderer_.BackgroundSheet(),
      TPaletteWindow::THandlers{[this] { return game_.Data().EditorBrush; },
                                [this](int x, int y) { editor_.PaletteMouseDown(x, y); },
                                [this](QPoint at) {
                                  game_.PaletteFormClose({at.x(), at.y()});
                                }});
  palette_->move(place.Left, place.Top);
}

// The first activation comes once the window is shown; the game runs the
// start-up then, and only then.
void TMainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (game_.Life() != TLifeCycle::Created) return;
  QTimer::singleShot(0, this, [this] {
    game_.FormActivate();
    board_->update();
  });
}

// The first paint after the start-up aligns the level bar, which may start
// a level with its animation: that runs after the paint, not inside it.
void TMainForm::BoardPainting() {
  if (game_.Life() == TLifeCycle::Activated)
    QTimer::singleShot(0, this, [this] { AlignAtFirstPaint(); });
}

// It may start a level, so it waits for an open modal window to close.
void TMainForm::AlignAtFirstPaint() {
  if (game_.Life() == TLifeCycle::Activated && modalDepth_ == 0) game_.boxPaint();
}

int TMainForm::RunModal(QDialog& dialog) {
  // Input waits while a window is open, so no path shows one twice; were one
  // to, it is refused, never answered by the window already open.
  if (dialog.isVisible()) {
    const auto* window = dynamic_cast<const TModalWindow*>(&dialog);
    return window ? window->CancelResult().value_or(mrOk) : mrCancel;
  }
  levelScroll_->EndGesture();
  CentreOnScreen(dialog, screen());
  ++modalDepth_;
  const int result = dialog.exec();
  --modalDepth_;
  if (modalDepth_ == 0 && game_.Life() == TLifeCycle::Activated)
    QTimer::singleShot(0, this, [this] { AlignAtFirstPaint(); });
  return result;
}

void TMainForm::closeEvent(QCloseEvent* event) {
  const bool terminated = game_.Life() == TLifeCycle::Terminated;
  if (!terminated && modalDepth_ > 0) {
    event->ignore();  // the open window answers first
    return;
  }
  if (terminated || game_.CloseRequested()) {
    event->accept();
    palette_->hide();
    help_.Quit();
    QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
  } else {
    event->ignore();
  }
}

void TMainForm::Terminate() {
  QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
  hide();
}

// Each drawing step reaches the screen at once, while the handler still
// runs, and only the part of the board it changed.
void TMainForm::FlushBoard(const QRegion& changed) {
  if (!changed.isEmpty()) board_->repaint(changed);
}

void TMainForm::DrawBackdrop() {
  renderer_.DrawBackdrop();
  FlushBoard(board_->rect());
}

void TMainForm::DrawCell(int col, int row) {
  renderer_.DrawCell(game_.Data().Board, game_.Data().State, {col, row});
  FlushBoard(TBoardRenderer::CellRect({col, row}));
}

void TMainForm::DrawRotationFrame(int col, int row, int kind, int frame) {
  renderer_.DrawRotationFrame(game_.Data().Board, game_.Data().State, {col, row}, kind, frame);
  FlushBoard(TBoardRenderer::CellRect({col, row}));
}

void TMainForm::ShowCursor(std::optional<TCell> cell) {
  const bool moved = cell && cell != cursor_;
  cursor_ = cell;
  board_->SetCursor(cell ? std::optional(TBoardRenderer::CellRect(*cell)) : std::nullopt);
  if (moved) AnnounceCursorCell(board_, true);
}

// A screen reader hears of a changed number; the display names it by its caption.
void TMainForm::DrawTimeDisplay(const TDisplayDigits& digits) {
  const int before = timeDisplay_->Number();
  timeDisplay_->Show(digits);
  if (timeDisplay_->Number() != before) AnnounceNumber(timeDisplay_);
}

void TMainForm::DrawLevelDisplay(const TDisplayDigits& digits, bool solvedMark) {
  const int before = levelDisplay_->Number();
  levelDisplay_->Show(digits, solvedMark);
  if (levelDisplay_->Number() != before) AnnounceNumber(levelDisplay_);
}

void TMainForm::DrawWaterCount(std::optional<TWaterCount> count) {
  const int before = countDisplay_->Number();
  countDisplay_->Show(count);
  if (countDisplay_->Number() != before) AnnounceNumber(countDisplay_);
}

void TMainForm::DrawFlowPhase(int phase) {
  FlushBoard(renderer_.DrawFlowPhase(game_.Data().Board, game_.Data().State, phase));
}

void TMainForm::SetTitle(const std::string& title) { setWindowTitle(Q(title)); }

// The hint is also what a screen reader says of the control, in the
// player's language.
void TMainForm::SetHint(TControl control, const std::string& hint) {
  if (!controls_.count(control)) return;
  QWidget* widget = controls_[control];
  widget->setToolTip(Q(hint));
  widget->setAccessibleName(Q(hint));
  widget->setAccessibleDescription(Q(hint));
}

void TMainForm::SetCaption(TControl control, const std::string& caption) {
  if (auto* label = qobject_cast<QLabel*>(controls_[control])) label->setText(Q(caption));
  if (auto* button = qobject_cast<QPushButton*>(controls_[control])) button->setText(Q(caption));
}

void TMainForm::SetVisible(TControl control, bool visible) {
  QWidget* widget = control == TControl::Palette ? palette_.get() : controls_[control];
  if (widget) widget->setVisible(visible);
}

void TMainForm::SetEnabled(TControl control, bool enabled) {
  if (controls_.count(control)) controls_[control]->setEnabled(enabled);
}

void TMainForm::ShowLevelBar(int position, int maximum) {
  const QSignalBlocker quiet(levelScroll_);
  levelScroll_->setRange(1, maximum);
  levelScroll_->setValue(position);
}

bool TMainForm::SoundOn() const {
  return static_cast<QToolButton*>(controls_.at(TControl::SoundBtn))->isChecked();
}

void TMainForm::SetSoundOn(bool on) {
  static_cast<QToolButton*>(controls_[TControl::SoundBtn])->setChecked(on);
}

void TMainForm::SetClockOn(bool on) {
  if (on && !timer_.isActive()) timer_.start();
  if (!on) timer_.stop();
}

std::vector<TRect> TMainForm::Screens() const {
  std::vector<TRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    screens.push_back({area.x(), area.y(), area.width(), area.height()});
  }
  return screens;
}

bool TMainForm::LoadArtwork(const std::string& programDir) {
  const bool loaded = renderer_.LoadArtwork(programDir);
  palette_->update();
  return loaded;
}

TModalResult TMainForm::ShowMessage(TMessageKind kind, const std::string& text) {
  // Captions and buttons stay German in both languages, as the desktop's boxes did.
  const bool question = kind != TMessageKind::Error;
  TMessageBoxWindow box(kind == TMessageKind::Error     ? QMessageBox::Critical
                        : kind == TMessageKind::Warning ? QMessageBox::Warning
                                                        : QMessageBox::Question,
                        kind == TMessageKind::Error     ? "Fehler"
                        : kind == TMessageKind::Warning ? "Warnung"
                                                        : "Bestätigen",
                        Q(text), isVisible() ? this : nullptr, screen());
  if (!question) {
    box.addButton("OK", QMessageBox::AcceptRole);
    RunModal(box);
    return mrOk;
  }
  QPushButton* yes = box.addButton("&Ja", QMessageBox::YesRole);
  QPushButton* no = box.addButton("&Nein", QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  RunModal(box);
  return box.clickedButton() == yes ? mrYes : mrNo;
}

TModalResult TMainForm::ShowDialog(TDialog dialog) {
  return static_cast<TModalResult>(RunModal(dialogs_->Dialog(dialog)));
}

TModalResult TMainForm::ShowLanguageWindow(TLanguage& language) {
  TLanguageWindow& window = dialogs_->LanguageWindow();
  const auto result = static_cast<TModalResult>(RunModal(window));
  if (result == mrOk) language = window.Chosen();
  return result;
}

void TMainForm::PointSaveWindowAt(const std::string& file) {
  const QFileInfo info(Q(file));
  TSaveWindow& window = dialogs_->SaveWindow();
  if (window.OpenDirectory(info.absolutePath())) window.SelectFile(info.fileName());
}

TSaveWindowAnswer TMainForm::ShowSaveWindow(const std::string& proposedName) {
  return dialogs_->SaveWindow().Ask(proposedName,
                                    [this](QDialog& window) { return RunModal(window); });
}

bool TMainForm::PointLoadWindowAt(const std::string& directory) {
  return dialogs_->LoadWindow().OpenDirectory(Q(directory));
}

TLoadWindowAnswer TMainForm::ShowLoadWindow() {
  return dialogs_->LoadWindow().Ask([this](QDialog& window) { return RunModal(window); });
}

TFreshLevelAnswer TMainForm::ShowFreshLevelWindow() {
  return dialogs_->FreshLevelWindow().Ask([this](QDialog& window) { return RunModal(window); });
}

void TMainForm::ShowRecordsWindow(const TRecordsTable& table) {
  dialogs_->RecordsWindow().Show(table, [this](QDialog& window) { return RunModal(window); });
}
