#include "ui/BoardRenderer.h"

#include <QPainter>

#include "model/Geometry.h"
#include "ui/Pictures.h"

namespace {

constexpr int MarkSize = 12;
constexpr int MaskX = 72;
constexpr int FullMarkX = 60;
constexpr int StartMarkX = 84;

QPoint CellOrigin(TCell cell) {
  const TPixel corner = CellCorner(cell);
  return {corner.X, corner.Y};
}

bool LoadAtLeast(QImage& image, const std::string& path, QSize minimum) {
  image = ReadBitmap(QString::fromStdString(path));
  if (image.isNull()) return false;
  image = image.convertToFormat(QImage::Format_RGB32);
  return image.width() >= minimum.width() && image.height() >= minimum.height();
}

}  // namespace

TBoardRenderer::TBoardRenderer() : surface_(Width, Height, QImage::Format_RGB32) {
  surface_.fill(Qt::black);
}

bool TBoardRenderer::LoadArtwork(const std::string& programDir) {
  return LoadAtLeast(tiles_, programDir + "b1.bmp", {12 * CellPixels, 5 * CellPixels}) &&
         LoadAtLeast(backgrounds_, programDir + "b2.bmp", {8 * CellPixels, 8 * CellPixels}) &&
         LoadAtLeast(water_, programDir + "b3.bmp", {8 * MarkSize, MarkSize}) &&
         LoadAtLeast(backdrop_, programDir + "b4.bmp", {Width, Height});
}

void TBoardRenderer::Copy(const QImage& from, QPoint source, QSize size, QPoint target,
                          QPainter::CompositionMode mode) {
  QPainter painter(&surface_);
  painter.setCompositionMode(mode);
  painter.drawImage(QRect(target, size), from, QRect(source, size));
}

QRect TBoardRenderer::CellRect(TCell cell) {
  return {CellOrigin(cell), QSize(CellPixels, CellPixels)};
}

void TBoardRenderer::DrawBackdrop() { Copy(backdrop_, {0, 0}, {Width, Height}, {0, 0}); }

int TBoardRenderer::MarkFor(const TBoard& board, TPlayState state, TCell cell) const {
  return state == psEditing && cell == board.Source() ? StartMarkX : FullMarkX;
}

void TBoardRenderer::DrawWaterMark(TCell cell, int markX) {
  const QPoint at = CellOrigin(cell) + QPoint(MarkSize, MarkSize);
  Copy(water_, {MaskX, 0}, {MarkSize, MarkSize}, at, QPainter::RasterOp_SourceAndDestination);
  Copy(water_, {markX, 0}, {MarkSize, MarkSize}, at, QPainter::RasterOp_SourceOrDestination);
}

void TBoardRenderer::DrawCell(const TBoard& board, TPlayState state, TCell cell) {
  const TTileCode tile = board.Tile(cell);
  const QPoint at = CellOrigin(cell);
  if (tile != 0) {
    DrawRotationFrame(board, state, cell, KindOf(tile), 3 * RotationOf(tile));
    return;
  }
  const int code = board.Backgrounds[CellIndex(cell)];
  if (code == bgBackdrop) {
    Copy(backdrop_, at, {CellPixels, CellPixels}, at);
    return;
  }
  // A code whose picture lies outside the sheet shows the default floor.
  const int shown = (code / 8 + 1) * CellPixels <= backgrounds_.height() ? code : bgDefault;
  Copy(backgrounds_, {shown % 8 * CellPixels, shown / 8 * CellPixels}, {CellPixels, CellPixels},
       at);
}

void TBoardRenderer::DrawAllCells(const TBoard& board, TPlayState state) {
  for (int col = 1; col <= BoardCols; ++col)
    for (int row = 1; row <= BoardRows; ++row) DrawCell(board, state, {col, row});
}

void TBoardRenderer::DrawRotationFrame(const TBoard& board, TPlayState state, TCell cell, int kind,
                                       int frame) {
  // A piece without a picture of its own (kind 0 with a turn) shows as a plugged one.
  const int row = kind >= 1 && (kind * CellPixels) <= tiles_.height() ? kind - 1 : 5;
  Copy(tiles_, {frame * CellPixels, row * CellPixels}, {CellPixels, CellPixels}, CellOrigin(cell));
  if (board.Shown(cell)) DrawWaterMark(cell, MarkFor(board, state, cell));
}

QRegion TBoardRenderer::DrawFlowPhase(const TBoard& board, TPlayState state, int phase) {
  QRegion drawn;
  for (int col = 1; col <= BoardCols; ++col)
    for (int row = 1; row <= BoardRows; ++row) {
      const TCell cell{col, row};
      if (board.Shown(cell) == board.New(cell)) continue;
      int markX = board.Shown(cell) ? FullMarkX - MarkSize * phase : MarkSize * phase;
      if (!board.Shown(cell) && phase == 5) markX = MarkFor(board, state, cell);
      DrawWaterMark(cell, markX);
      drawn += CellRect(cell);
    }
  return drawn;
}
