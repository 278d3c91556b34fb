#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <string>

#include "model/Board.h"
#include "model/PlayState.h"

// Puts the working board on the 500 x 333 board surface by copying
// rectangles of the four artwork pictures: plain copies, and AND and OR for
// the water marks. Draws into an image the window shows. At a scale of 2
// (a sharp screen) the image and the sheets have twice the pixels; every
// place and size is still given in the board's own pixels.
class TBoardRenderer {
 public:
  static constexpr int Width = 500;
  static constexpr int Height = 333;

  explicit TBoardRenderer(int scale = 1);

  // False when any of b1.bmp to b4.bmp is missing, unreadable or too small.
  bool LoadArtwork(const std::string& programDir);
  int Scale() const { return scale_; }
  const QImage& Surface() const { return surface_; }
  const QImage& BackgroundSheet() const { return backgrounds_; }

  // The square of a cell on the surface.
  static QRect CellRect(TCell cell);

  void DrawBackdrop();
  void DrawCell(const TBoard& board, TPlayState state, TCell cell);
  void DrawAllCells(const TBoard& board, TPlayState state);
  void DrawRotationFrame(const TBoard& board, TPlayState state, TCell cell, int kind, int frame);
  // Returns the cells it drew: those whose two water layers differ.
  QRegion DrawFlowPhase(const TBoard& board, TPlayState state, int phase);

 private:
  bool LoadSheet(QImage& image, const std::string& programDir, const char* name,
                 QSize minimum) const;
  QRect Device(QRect logical) const;
  void Copy(const QImage& from, QPoint source, QSize size, QPoint target,
            QPainter::CompositionMode mode = QPainter::CompositionMode_Source);
  void DrawWaterMark(TCell cell, int markX);
  void DrawLockMark(TCell cell);
  int MarkFor(const TBoard& board, TPlayState state, TCell cell) const;

  int scale_;
  QImage surface_;
  QImage tiles_, backgrounds_, water_, backdrop_;
};
