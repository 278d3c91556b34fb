// b1: the pipe pieces in all their turning frames.
#include <QPainterPath>

#include "model/Tiles.h"
#include "ui/art/ArtStyle.h"
#include "ui/art/ArtworkSheets.h"

namespace art {

void PaintFloor(QPainter& painter, QRect cell, unsigned seed) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(cell, Floor);
  TSpeckles speckles(seed);
  for (int i = 0; i < 14; ++i) {
    const QPoint dot(cell.left() + 2 + speckles.Below(cell.width() - 4),
                     cell.top() + 2 + speckles.Below(cell.height() - 4));
    painter.fillRect(QRect(dot, QSize(1, 1)), speckles.Below(2) ? FloorLight : FloorDark);
  }
  painter.setPen(FloorLight);
  painter.drawLine(cell.topLeft(), cell.topRight() - QPoint(1, 0));
  painter.drawLine(cell.topLeft(), cell.bottomLeft() - QPoint(0, 1));
  painter.setPen(FloorDark);
  painter.drawLine(cell.bottomLeft(), cell.bottomRight());
  painter.drawLine(cell.topRight(), cell.bottomRight());
  painter.restore();
}

namespace {

// One arm from the hub to the cell's edge, pointing right before rotation.
void PaintArm(QPainter& painter) {
  const QRectF body(0, -PipeHalfWidth, Cell / 2.0 + 1, 2 * PipeHalfWidth);
  painter.setPen(QPen(SteelDark, 1.2));
  painter.setBrush(Steel);
  painter.drawRect(body);
  painter.setPen(Qt::NoPen);
  painter.setBrush(SteelLight);
  painter.drawRect(QRectF(0, -PipeHalfWidth + 1.5, Cell / 2.0, 2.2));
  // A collar where the pipe meets the next cell.
  painter.setPen(QPen(SteelDark, 1.0));
  painter.setBrush(Steel.darker(112));
  painter.drawRect(QRectF(Cell / 2.0 - 4, -PipeHalfWidth - 1.5, 3, 2 * PipeHalfWidth + 3));
}

void PaintHub(QPainter& painter, bool plugged) {
  painter.setPen(QPen(SteelDark, 1.2));
  painter.setBrush(Steel);
  painter.drawEllipse(QPointF(0, 0), HubRadius + 1, HubRadius + 1);
  painter.setPen(Qt::NoPen);
  painter.setBrush(PipeBore);
  painter.drawEllipse(QPointF(0, 0), MarkRadius + 0.5, MarkRadius + 0.5);
  if (!plugged) return;
  painter.setBrush(SteelDark);
  painter.drawRoundedRect(
      QRectF(-HubRadius - 3, -HubRadius - 3, 2 * HubRadius + 6, 2 * HubRadius + 6), 4, 4);
  painter.setBrush(Rust);
  for (int corner = 0; corner < 4; ++corner) {
    painter.save();
    painter.rotate(45 + 90 * corner);
    painter.drawEllipse(QPointF(HubRadius + 0.5, 0), 1.6, 1.6);
    painter.restore();
  }
  painter.setBrush(Steel.darker(130));
  painter.drawEllipse(QPointF(0, 0), 4.5, 4.5);
}

void PaintFrame(QPainter& painter, QRect cell, int kind, int frame) {
  PaintFloor(painter, cell, 29);
  painter.save();
  painter.setClipRect(cell);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(QPointF(cell.center()) + QPointF(0.5, 0.5));
  painter.rotate(-30.0 * frame);  // anticlockwise on screen
  for (int d = 0; d < DirectionCount; ++d) {
    if (!IsOpen(MakeTileCode(0, kind), d)) continue;
    painter.save();
    painter.rotate(-90.0 * d);
    PaintArm(painter);
    painter.restore();
  }
  PaintHub(painter, kind >= 6);
  painter.restore();
}

}  // namespace

QImage TileSheet(int scale) {
  QImage sheet(12 * Cell * scale, 7 * Cell * scale, QImage::Format_RGB32);
  QPainter painter(&sheet);
  painter.scale(scale, scale);
  for (int kind = 1; kind <= 7; ++kind)
    for (int frame = 0; frame < 12; ++frame)
      PaintFrame(painter, QRect(frame * Cell, (kind - 1) * Cell, Cell, Cell), kind, frame);
  return sheet;
}

}  // namespace art
