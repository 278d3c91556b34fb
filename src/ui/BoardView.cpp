#include "BoardView.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include "Flow.h"
#include "LevelFile.h"
#include "Texts.h"

TBoardView::TBoardView(QWidget* parent) : QWidget(parent) {
  setFixedSize(TBoardRenderer::Width, TBoardRenderer::Height);
  setFocusPolicy(Qt::StrongFocus);
}

bool TBoardView::ReadGameFiles(const std::string& programDir) {
  if (!renderer_.LoadArtwork(programDir)) {
    ShowMessage(TMessageKind::Error, TextOf(TText::ArtworkNotLoaded, lgUnset));
    return false;
  }
  TLevelCollection read;
  if (!ReadLevelFile(read, programDir + LevelFileName, lgUnset, *this)) return false;
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
  renderer_.DrawBackdrop();
  renderer_.DrawAllCells(board_, state_);
  repaint();
  AnimateFlow(board_, *this);
}

void TBoardView::DrawRotationFrame(int col, int row, int kind, int frame) {
  renderer_.DrawRotationFrame(board_, state_, {col, row}, kind, frame);
  repaint();
}

void TBoardView::DrawFlowPhase(int phase) {
  renderer_.DrawFlowPhase(board_, state_, phase);
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
  painter.drawImage(0, 0, renderer_.Surface());
}

void TBoardView::mousePressEvent(QMouseEvent* event) {
  const auto button = event->button() == Qt::RightButton    ? TMouseButton::Right
                      : event->button() == Qt::MiddleButton ? TMouseButton::Middle
                                                             : TMouseButton::Left;
  boxMouseDown(press_, button, event->position().toPoint().x(), event->position().toPoint().y());
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
