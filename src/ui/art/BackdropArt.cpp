// b4, the picture behind the whole board surface, and b5, the splash picture.
#include <QLinearGradient>
#include <QPainterPath>

#include "ui/art/ArtStyle.h"
#include "ui/art/ArtworkSheets.h"

namespace art {
namespace {

const QRect Grid(GridOrigin, GridOrigin, BoardCols* CellPixels, BoardRows* CellPixels);

void Bevel(QPainter& painter, QRect rect, QColor light, QColor dark, int width) {
  for (int i = 0; i < width; ++i) {
    const QRect r = rect.adjusted(i, i, -i, -i);
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
  }
}

void Rivet(QPainter& painter, QPointF at) {
  painter.setPen(QPen(SteelDark.darker(130), 0.8));
  painter.setBrush(Steel);
  painter.drawEllipse(at, 2.2, 2.2);
}

// What an empty cell of code 7 lets through: the deep below the floor.
void Deep(QPainter& painter) {
  QLinearGradient deep(Grid.topLeft(), Grid.bottomLeft());
  deep.setColorAt(0, QColor(0x15, 0x22, 0x2e));
  deep.setColorAt(1, QColor(0x0e, 0x17, 0x20));
  painter.fillRect(Grid, deep);
  painter.setPen(QPen(QColor(0x1f, 0x30, 0x3f), 14, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  QPainterPath pipes(QPointF(22, 80));
  pipes.lineTo(150, 80);
  pipes.lineTo(150, 230);
  pipes.lineTo(382, 230);
  pipes.moveTo(270, 22);
  pipes.lineTo(270, 140);
  pipes.lineTo(382, 140);
  painter.drawPath(pipes);
  TSpeckles random(7);
  painter.setPen(QPen(QColor(0x2c, 0x48, 0x62), 1));
  for (int i = 0; i < 40; ++i)
    painter.drawEllipse(
        QPointF(Grid.left() + random.Below(Grid.width()), Grid.top() + random.Below(Grid.height())),
        1 + random.Below(3), 1 + random.Below(3));
}

void GridFrame(QPainter& painter) {
  const QRect frame = Grid.adjusted(-9, -9, 8, 8);
  painter.fillRect(frame, SteelDark);
  Bevel(painter, frame, Steel, FloorDark, 2);
  Bevel(painter, Grid.adjusted(-2, -2, 1, 1), FloorDark, Steel.darker(120), 2);
  painter.fillRect(Grid, Qt::black);  // the deep is drawn into it next
  for (int x : {frame.left() + 4, frame.center().x(), frame.right() - 4})
    for (int y : {frame.top() + 4, frame.bottom() - 4}) Rivet(painter, QPointF(x + 0.5, y + 0.5));
  for (int y : {frame.center().y()})
    for (int x : {frame.left() + 4, frame.right() - 4}) Rivet(painter, QPointF(x + 0.5, y + 0.5));
}

// The column of the gauge, the two arrows and the level bar.
void SidePanel(QPainter& painter) {
  const QRect panel(400, 120, 82, 200);
  painter.fillRect(panel, QColor(0x1e, 0x25, 0x2d));
  Bevel(painter, panel, FloorDark, FloorLight, 2);
  painter.fillRect(QRect(409, 129, 24, 182), QColor(0x0c, 0x0f, 0x12));
  painter.fillRect(QRect(448, 129, 25, 182), QColor(0x12, 0x17, 0x1c));
}

// A drop of water over an elbow of pipe, above the column.
void Emblem(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(SteelDark, 1.2));
  painter.setBrush(Steel);
  QPainterPath elbow(QPointF(420, 96));
  elbow.lineTo(420, 76);
  elbow.arcTo(QRectF(420, 62, 28, 28), 180, -90);
  elbow.lineTo(466, 62);
  elbow.lineTo(466, 74);
  elbow.lineTo(434, 74);
  elbow.arcTo(QRectF(432, 74, 4, 4), 90, 90);
  elbow.lineTo(432, 96);
  elbow.closeSubpath();
  painter.drawPath(elbow);
  QPainterPath drop(QPointF(460, 80));
  drop.cubicTo(QPointF(452, 92), QPointF(452, 100), QPointF(460, 100));
  drop.cubicTo(QPointF(468, 100), QPointF(468, 92), QPointF(460, 80));
  painter.setPen(QPen(WaterDeep, 1));
  painter.setBrush(Water);
  painter.drawPath(drop);
  painter.setPen(Qt::NoPen);
  painter.setBrush(WaterLight);
  painter.drawEllipse(QPointF(457.5, 93), 1.6, 2.4);
}

}  // namespace

QImage Backdrop(int scale) {
  QImage image(500 * scale, 333 * scale, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.scale(scale, scale);
  QLinearGradient back(0, 0, 0, 333);
  back.setColorAt(0, QColor(0x26, 0x2e, 0x38));
  back.setColorAt(1, QColor(0x1a, 0x20, 0x27));
  painter.fillRect(QRect(0, 0, 500, 333), back);
  GridFrame(painter);
  painter.setRenderHint(QPainter::Antialiasing);
  Deep(painter);
  SidePanel(painter);
  Emblem(painter);
  return image;
}

QImage Splash(int scale) {
  QImage image(200 * scale, 150 * scale, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.scale(scale, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 150);
  sky.setColorAt(0, QColor(0x12, 0x3f, 0x70));
  sky.setColorAt(1, QColor(0x0a, 0x22, 0x3d));
  painter.fillRect(QRect(0, 0, 200, 150), sky);
  // A pipe across the picture, water spilling from its end.
  painter.setPen(QPen(SteelDark, 1.5));
  painter.setBrush(Steel);
  painter.drawRect(QRectF(-2, 96, 150, 16));
  painter.drawRect(QRectF(140, 92, 8, 24));
  painter.setBrush(SteelLight);
  painter.setPen(Qt::NoPen);
  painter.drawRect(QRectF(0, 99, 140, 3));
  painter.setBrush(Water);
  QPainterPath spill(QPointF(148, 100));
  spill.cubicTo(QPointF(170, 100), QPointF(176, 118), QPointF(178, 150));
  spill.lineTo(162, 150);
  spill.cubicTo(QPointF(162, 124), QPointF(156, 110), QPointF(148, 110));
  spill.closeSubpath();
  painter.drawPath(spill);
  painter.setBrush(WaterLight);
  for (QPointF at : {QPointF(186, 128), QPointF(156, 138), QPointF(190, 142)})
    painter.drawEllipse(at, 2.5, 2.5);

  QFont title("DejaVu Sans", 28, QFont::Bold);
  title.setPixelSize(34);
  painter.setFont(title);
  painter.setPen(QColor(0, 0, 0, 140));
  painter.drawText(QRect(2, 20, 200, 50), Qt::AlignCenter, "Gurgelix");
  painter.setPen(Qt::white);
  painter.drawText(QRect(0, 18, 200, 50), Qt::AlignCenter, "Gurgelix");
  QFont version("DejaVu Sans");
  version.setPixelSize(12);
  painter.setFont(version);
  painter.setPen(WaterLight);
  painter.drawText(QRect(0, 62, 200, 20), Qt::AlignCenter, "V" GURX_VERSION);
  return image;
}

}  // namespace art
