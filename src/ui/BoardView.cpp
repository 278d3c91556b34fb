#include "BoardView.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "Flow.h"
#include "LevelFile.h"
#include "Texts.h"

namespace {

constexpr int SurfaceWidth = 500;
constexpr int SurfaceHeight = 333;
constexpr int CellSize = 36;
const QColor Backdrop(0x2b, 0x33, 0x3d);
const QColor CellFloor(0x3a, 0x44, 0x50);
const QColor Pipe(0xb8, 0xc0, 0xc8);
const QColor PipeEdge(0x6a, 0x74, 0x80);
const QColor Water(0x2e, 0x9c, 0xff);

QPoint CellOrigin(TCell cell) { return {CellSize * cell.Col - 14, CellSize * cell.Row - 14}; }

// The pipe of a tile code with rotation angle extra degrees turned further.
void PaintPipe(QPainter& painter, QPoint origin, TTileCode code, double extraDegrees) {
  painter.save();
  painter.translate(origin + QPoint(CellSize / 2, CellSize / 2));
  painter.rotate(-extraDegrees);  // anticlockwise on screen
  const QPen edge(PipeEdge, 1.5);
  painter.setPen(edge);
  painter.setBrush(Pipe);
  for (int d = 0; d < DirectionCount; ++d) {
    if (!IsOpen(code, d)) continue;
    painter.save();
    painter.rotate(-90.0 * d);
    painter.drawRect(QRectF(0, -6, CellSize / 2.0, 12));
    painter.restore();
  }
  painter.drawEllipse(QPointF(0, 0), 9, 9);
  if (KindOf(code) >= 6 || (KindOf(code) == tkNone && code != 0)) {
    painter.setBrush(PipeEdge);
    painter.drawRoundedRect(QRectF(-12, -12, 24, 24), 4, 4);
  }
  painter.restore();
}

void PaintWater(QPainter& painter, QPoint origin, double fill) {
  if (fill <= 0) return;
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(Water);
  painter.drawEllipse(QPointF(origin) + QPointF(CellSize / 2.0, CellSize / 2.0), 6 * fill,
                      6 * fill);
  painter.restore();
}

}  // namespace

TBoardView::TBoardView(QWidget* parent) : QWidget(parent) {
  setFixedSize(SurfaceWidth, SurfaceHeight);
  setFocusPolicy(Qt::StrongFocus);
}

bool TBoardView::ReadLevels(const std::string& path) {
  TLevelCollection read;
  if (!ReadLevelFile(read, path, lgUnset, *this)) return false;
  levels_ = std::move(read.Levels);
  return true;
}

void TBoardView::StartLevel(std::int32_t n) {
  currentLevel_ = n;
  LoadLevelToBoard(board_, levels_[n]);
  ComputeFlow(board_);
  levelTouched_ = false;
  state_ = psRunning;
  emit LevelStarted(n, levels_.LevelCount());
  repaint();
  AnimateFlow(board_, *this);
  flowPhase_.reset();
  update();
}

void TBoardView::DrawRotationFrame(int col, int row, int kind, int frame) {
  turning_ = TTurnFrame{{col, row}, kind, frame};
  repaint();
  if (frame % 3 == 0) turning_.reset();
}

void TBoardView::DrawFlowPhase(int phase) {
  flowPhase_ = phase;
  repaint();
}

void TBoardView::LevelSolved() {
  state_ = psSolved;
  update();
  QMessageBox::information(this, "Gurgelix", QString::fromStdString(TextOf(TText::Solved, lgUnset)));
}

TModalResult TBoardView::ShowMessage(TMessageKind, const std::string& text) {
  QMessageBox::critical(this, "Fehler", QString::fromStdString(text));
  return mrOk;
}

void TBoardView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), Backdrop);
  for (int col = 1; col <= BoardCols; ++col)
    for (int row = 1; row <= BoardRows; ++row) PaintCell(painter, {col, row});
}

void TBoardView::PaintCell(QPainter& painter, TCell cell) const {
  const QPoint origin = CellOrigin(cell);
  painter.fillRect(QRect(origin, QSize(CellSize, CellSize)).adjusted(1, 1, -1, -1), CellFloor);
  const TTileCode code = board_.Tile(cell);
  const bool changing = flowPhase_ && board_.Shown(cell) != board_.New(cell);
  if (code == 0 && !changing) return;
  if (code != 0) {
    const bool turning = turning_ && turning_->Cell == cell;
    // During a turn the frame says where the pipe stands: 30 degrees per frame.
    const double angle = turning ? 30.0 * turning_->Frame : 90.0 * RotationOf(code);
    PaintPipe(painter, origin, MakeTileCode(0, KindOf(code)), angle);
  }
  if (changing) {
    const double grown = (*flowPhase_ + 1) / 6.0;
    PaintWater(painter, origin, board_.Shown(cell) ? 1.0 - grown : grown);
  } else if (board_.Shown(cell)) {
    PaintWater(painter, origin, 1.0);
  }
}

void TBoardView::mousePressEvent(QMouseEvent* event) {
  const auto button = event->button() == Qt::RightButton    ? TMouseButton::Right
                      : event->button() == Qt::MiddleButton ? TMouseButton::Middle
                                                             : TMouseButton::Left;
  boxMouseDown(press_, button, event->position().toPoint().x(), event->position().toPoint().y());
  flowPhase_.reset();
  update();
}

void TBoardView::keyPressEvent(QKeyEvent* event) {
  const std::int32_t count = levels_.LevelCount();
  if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_N)
    StartLevel(currentLevel_ % count + 1);
  else if (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_P)
    StartLevel((currentLevel_ + count - 2) % count + 1);
  else if (event->key() == Qt::Key_R)
    StartLevel(currentLevel_);
  else
    QWidget::keyPressEvent(event);
}
