// b2: what empty cells show. Codes 0 and 4 start two 3 x 3 pictures, 7 tells
// the palette's user that the backdrop shows through, 29 is the plain floor.
#include <QPainterPath>

#include <cmath>

#include "ui/art/ArtStyle.h"
#include "ui/art/ArtworkSheets.h"

namespace art {
namespace {

QRect CellOf(int code) { return {(code % 8) * Cell, (code / 8) * Cell, Cell, Cell}; }

void Pebbles(QPainter& painter, QRect cell, unsigned seed, int count) {
  TSpeckles random(seed);
  for (int i = 0; i < count; ++i) {
    const QPointF centre(cell.left() + 6 + random.Below(24), cell.top() + 6 + random.Below(24));
    const double rx = 2 + random.Below(3), ry = 1.5 + random.Below(2);
    painter.setPen(QPen(FloorDark, 0.8));
    painter.setBrush(Stone.darker(100 + 12 * random.Below(4)));
    painter.drawEllipse(centre, rx, ry);
  }
}

void MossPatch(QPainter& painter, QRect cell, unsigned seed) {
  TSpeckles random(seed);
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 9; ++i) {
    painter.setBrush(Moss.darker(100 + 15 * random.Below(4)));
    painter.drawEllipse(
        QPointF(cell.left() + 9 + random.Below(18), cell.top() + 9 + random.Below(18)),
        2.5 + random.Below(3), 2 + random.Below(3));
  }
}

void Crack(QPainter& painter, QRect cell, unsigned seed) {
  TSpeckles random(seed);
  QPainterPath path(QPointF(cell.left() + 3 + random.Below(8), cell.top() + 2));
  for (int y = 8; y < Cell; y += 6) path.lineTo(cell.left() + 6 + random.Below(22), cell.top() + y);
  painter.setPen(QPen(FloorDark.darker(115), 1.1));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
}

void Rivets(QPainter& painter, QRect cell) {
  painter.setPen(QPen(FloorDark, 0.8));
  painter.setBrush(FloorLight.lighter(115));
  for (QPointF at : {QPointF(6, 6), QPointF(30, 6), QPointF(6, 30), QPointF(30, 30)})
    painter.drawEllipse(at + cell.topLeft(), 1.8, 1.8);
}

void Grate(QPainter& painter, QRect cell) {
  const QRectF frame = QRectF(cell).adjusted(7, 7, -7, -7);
  painter.setPen(QPen(FloorDark.darker(130), 1.2));
  painter.setBrush(QColor(0x1c, 0x22, 0x29));
  painter.drawRoundedRect(frame, 2, 2);
  painter.setPen(QPen(Stone.darker(140), 1.6));
  for (int i = 0; frame.left() + 4 + 4.5 * i < frame.right() - 1; ++i) {
    const double x = frame.left() + 4 + 4.5 * i;
    painter.drawLine(QPointF(x, frame.top() + 2), QPointF(x, frame.bottom() - 2));
  }
}

void ValveWheel(QPainter& painter, QRect cell) {
  const QPointF centre = QRectF(cell).center();
  painter.setPen(QPen(QColor(0x7a, 0x2a, 0x22), 2.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, 9, 9);
  for (int spoke = 0; spoke < 3; ++spoke) {
    painter.save();
    painter.translate(centre);
    painter.rotate(60.0 * spoke + 15);
    painter.drawLine(QPointF(-9, 0), QPointF(9, 0));
    painter.restore();
  }
  painter.setBrush(SteelDark);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(centre, 2.5, 2.5);
}

void Leaf(QPainter& painter, QRect cell, QColor colour, double angle) {
  painter.save();
  painter.translate(QRectF(cell).center());
  painter.rotate(angle);
  QPainterPath leaf(QPointF(-9, 0));
  leaf.quadTo(QPointF(0, -7), QPointF(9, 0));
  leaf.quadTo(QPointF(0, 7), QPointF(-9, 0));
  painter.setPen(QPen(colour.darker(150), 0.8));
  painter.setBrush(colour);
  painter.drawPath(leaf);
  painter.drawLine(QPointF(-9, 0), QPointF(8, 0));
  painter.restore();
}

void Flower(QPainter& painter, QRect cell) {
  const QPointF centre = QRectF(cell).center() + QPointF(2, 3);
  painter.setPen(QPen(Moss, 1.2));
  painter.drawLine(centre, centre + QPointF(-3, 9));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xe8, 0xd2, 0x6a));
  for (int petal = 0; petal < 5; ++petal) {
    painter.save();
    painter.translate(centre);
    painter.rotate(72.0 * petal);
    painter.drawEllipse(QPointF(0, -3.2), 1.9, 2.6);
    painter.restore();
  }
  painter.setBrush(Rust);
  painter.drawEllipse(centre, 1.6, 1.6);
}

void Puddle(QPainter& painter, QRect cell) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x2c, 0x3d, 0x52));
  painter.drawEllipse(QRectF(cell).adjusted(6, 11, -5, -9));
  painter.setBrush(QColor(0x3a, 0x50, 0x69));
  painter.drawEllipse(QRectF(cell).adjusted(11, 14, -13, -14));
}

void Bolt(QPainter& painter, QRect cell) {
  QPolygonF hexagon;
  for (int corner = 0; corner < 6; ++corner) {
    const double a = corner * 3.14159265 / 3;
    hexagon << QRectF(cell).center() + QPointF(5 * std::cos(a), 5 * std::sin(a));
  }
  painter.setPen(QPen(FloorDark, 1));
  painter.setBrush(SteelDark);
  painter.drawPolygon(hexagon);
  painter.setBrush(Steel.darker(140));
  painter.drawEllipse(QRectF(cell).center(), 2, 2);
}

// The palette's sign for "the backdrop shows through here".
void SeeThrough(QPainter& painter, QRect cell) {
  for (int y = 0; y < Cell; y += 6)
    for (int x = 0; x < Cell; x += 6)
      painter.fillRect(cell.left() + x, cell.top() + y, 6, 6,
                       ((x + y) / 6) % 2 ? QColor(0x8c, 0x94, 0x9c) : QColor(0xc8, 0xce, 0xd4));
  painter.setPen(QPen(QColor(0x22, 0x2a, 0x33), 1.5, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(cell).adjusted(3, 3, -3, -3));
}

// A pool with stones and reeds over 3 x 3 cells.
void Pond(QPainter& painter, QRect area) {
  painter.setPen(QPen(Stone.darker(120), 3));
  painter.setBrush(QColor(0x24, 0x3a, 0x54));
  painter.drawEllipse(QRectF(area).adjusted(10, 14, -8, -12));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x2f, 0x4c, 0x6d));
  painter.drawEllipse(QRectF(area).adjusted(24, 30, -30, -34));
  painter.setPen(QPen(QColor(0x4b, 0x6b, 0x8e), 1.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QRectF(area).adjusted(44, 48, -40, -46));
  painter.drawEllipse(QRectF(area).adjusted(38, 42, -34, -40));
  painter.setBrush(Moss);
  painter.setPen(QPen(Moss.darker(140), 1));
  painter.drawEllipse(QPointF(area.left() + 70, area.top() + 62), 8, 5);
  Pebbles(painter, QRect(area.left(), area.top(), 36, 36), 5, 4);
  Pebbles(painter, QRect(area.left() + 72, area.top() + 72, 36, 36), 6, 4);
  painter.setPen(QPen(Moss.lighter(110), 1.5));
  for (int reed = 0; reed < 5; ++reed)
    painter.drawLine(QPointF(area.left() + 18 + 3 * reed, area.top() + 88),
                     QPointF(area.left() + 14 + 5 * reed, area.top() + 70 - 2 * reed));
}

// A riveted hatch with a pressure gauge over 3 x 3 cells.
void Hatch(QPainter& painter, QRect area) {
  const QRectF plate = QRectF(area).adjusted(8, 8, -8, -8);
  painter.setPen(QPen(FloorDark.darker(120), 2));
  painter.setBrush(QColor(0x4a, 0x55, 0x61));
  painter.drawRoundedRect(plate, 6, 6);
  painter.setPen(QPen(QColor(0x3c, 0x46, 0x51), 1));
  for (int i = 0; plate.top() + 10 + 7 * i < plate.bottom() - 6; ++i) {
    const double y = plate.top() + 10 + 7 * i;
    painter.drawLine(QPointF(plate.left() + 8, y), QPointF(plate.right() - 8, y));
  }
  painter.setPen(QPen(FloorDark, 0.8));
  painter.setBrush(Steel.darker(125));
  for (double x : {plate.left() + 6, plate.right() - 6})
    for (double y : {plate.top() + 6, plate.bottom() - 6})
      painter.drawEllipse(QPointF(x, y), 2.4, 2.4);
  const QPointF gauge = plate.center();
  painter.setPen(QPen(SteelDark, 2));
  painter.setBrush(QColor(0xe6, 0xe2, 0xd4));
  painter.drawEllipse(gauge, 16, 16);
  painter.setPen(QPen(QColor(0x22, 0x22, 0x22), 1));
  for (int tick = 0; tick <= 8; ++tick) {
    painter.save();
    painter.translate(gauge);
    painter.rotate(-135 + 33.75 * tick);
    painter.drawLine(QPointF(0, -13), QPointF(0, -10));
    painter.restore();
  }
  painter.setPen(QPen(QColor(0xc0, 0x30, 0x28), 1.8));
  painter.drawLine(gauge, gauge + QPointF(8, -7));
}

void PaintSingle(QPainter& painter, int code) {
  const QRect cell = CellOf(code);
  const unsigned seed = static_cast<unsigned>(code);
  PaintFloor(painter, cell, code == 28 || code == 31 ? seed : 29);
  if (code == 28) painter.fillRect(cell.adjusted(1, 1, -1, -1), QColor(255, 255, 255, 10));
  if (code == 31) painter.fillRect(cell.adjusted(1, 1, -1, -1), QColor(0, 0, 0, 25));
  switch (code) {
    case 3:
      Grate(painter, cell);
      break;
    case 7:
      SeeThrough(painter, cell);
      break;
    case 11:
      ValveWheel(painter, cell);
      break;
    case 15:
      Pebbles(painter, cell, seed, 4);
      break;
    case 19:
      MossPatch(painter, cell, seed);
      break;
    case 23:
      Leaf(painter, cell, QColor(0x8a, 0x9a, 0x3a), -30);
      break;
    case 24:
      Crack(painter, cell, seed);
      break;
    case 25:
      Bolt(painter, cell);
      break;
    case 26:
      Puddle(painter, cell);
      break;
    case 27:
      Flower(painter, cell);
      break;
    case 30:
      Rivets(painter, cell);
      break;
    default:
      break;
  }
  if (code < 32) return;
  // Rows 4 to 7: quieter variations for larger areas.
  switch ((code - 32) / 8) {
    case 0:
      MossPatch(painter, cell, seed);
      break;
    case 1:
      Pebbles(painter, cell, seed, 2 + code % 3);
      break;
    case 2:
      Crack(painter, cell, seed);
      break;
    default:
      Leaf(painter, cell, code % 2 ? QColor(0xa0, 0x6a, 0x30) : QColor(0x7a, 0x8c, 0x34),
           static_cast<double>(code * 37 % 360));
      break;
  }
}

bool InBlock(int code) {
  const int col = code % 8, row = code / 8;
  return row < 3 && (col < 3 || (col >= 4 && col < 7));
}

}  // namespace

QImage BackgroundSheet(int scale) {
  QImage sheet(8 * Cell * scale, 8 * Cell * scale, QImage::Format_RGB32);
  QPainter painter(&sheet);
  painter.scale(scale, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int code = 0; code < 64; ++code)
    if (!InBlock(code)) PaintSingle(painter, code);
  for (int corner : {0, 4}) {
    const QRect area(CellOf(corner).topLeft(), QSize(3 * Cell, 3 * Cell));
    for (int i = 0; i < 9; ++i) PaintFloor(painter, CellOf(corner + i / 3 * 8 + i % 3), 29);
    corner == 0 ? Pond(painter, area) : Hatch(painter, area);
  }
  return sheet;
}

}  // namespace art
