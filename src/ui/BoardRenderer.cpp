#include "ui/BoardRenderer.h"

#include <QPainter>
#include <QRadialGradient>

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

}  // namespace

// A sheet "bN.bmp" at the renderer's scale: at 2 its "bN@2x.bmp" when there
// is one, else the plain sheet with each pixel doubled. Too small is missing.
bool TBoardRenderer::LoadSheet(QImage& image, const std::string& programDir, const char* name,
                               QSize minimum) const {
  const QString base = QString::fromStdString(programDir) + name;
  image = scale_ > 1 ? ReadBitmap(base + "@2x.bmp") : QImage();
  if (image.isNull() || image.width() < minimum.width() * scale_ ||
      image.height() < minimum.height() * scale_) {
    image = ReadBitmap(base + ".bmp");
    if (image.isNull() || image.width() < minimum.width() || image.height() < minimum.height())
      return false;
    if (scale_ > 1) image = image.scaled(image.size() * scale_, Qt::IgnoreAspectRatio);
  }
  image = image.convertToFormat(QImage::Format_RGB32);
  return true;
}

TBoardRenderer::TBoardRenderer(int scale)
    : scale_(scale), surface_(Width * scale, Height * scale, QImage::Format_RGB32) {
  surface_.fill(Qt::black);
}

bool TBoardRenderer::LoadArtwork(const std::string& programDir) {
  return LoadSheet(tiles_, programDir, "b1", {12 * CellPixels, 5 * CellPixels}) &&
         LoadSheet(backgrounds_, programDir, "b2", {8 * CellPixels, 8 * CellPixels}) &&
         LoadSheet(water_, programDir, "b3", {8 * MarkSize, MarkSize}) &&
         LoadSheet(backdrop_, programDir, "b4", {Width, Height});
}

QRect TBoardRenderer::Device(QRect logical) const {
  return {logical.topLeft() * scale_, logical.size() * scale_};
}

// Every copy is in the board's own pixels; the sheets and the surface hold
// them at the renderer's scale.
void TBoardRenderer::Copy(const QImage& from, QPoint source, QSize size, QPoint target,
                          QPainter::CompositionMode mode) {
  QPainter painter(&surface_);
  painter.setCompositionMode(mode);
  painter.drawImage(Device(QRect(target, size)), from, Device(QRect(source, size)));
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
  const int shown =
      (code / 8 + 1) * CellPixels * scale_ <= backgrounds_.height() ? code : bgDefault;
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
  const int row = kind >= 1 && kind * CellPixels * scale_ <= tiles_.height() ? kind - 1 : 5;
  Copy(tiles_, {frame * CellPixels, row * CellPixels}, {CellPixels, CellPixels}, CellOrigin(cell));
  if (board.Shown(cell)) DrawWaterMark(cell, MarkFor(board, state, cell));
  if (board.Locked(cell)) DrawLockMark(cell);
}

// Four rivets in the corners, where no pipe runs: dark rimmed and lit from
// the top left like the pipes, so they show on every tile, wet or dry, in
// colour and in grey alike.
void TBoardRenderer::DrawLockMark(TCell cell) {
  constexpr double Inset = 6;
  constexpr double Radius = 3.2;
  QPainter painter(&surface_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale_, scale_);
  const QRectF square(CellRect(cell));
  const QRectF inner = square.adjusted(Inset, Inset, -Inset, -Inset);
  for (const QPointF centre :
       {inner.topLeft(), inner.topRight(), inner.bottomLeft(), inner.bottomRight()}) {
    QRadialGradient metal(centre - QPointF(0.9, 0.9), 2 * Radius);
    metal.setColorAt(0, QColor(255, 255, 240));
    metal.setColorAt(0.45, QColor(190, 186, 170));
    metal.setColorAt(1, QColor(70, 66, 60));
    painter.setPen(QPen(QColor(16, 16, 16), 1.0));
    painter.setBrush(metal);
    painter.drawEllipse(centre, Radius, Radius);
  }
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
