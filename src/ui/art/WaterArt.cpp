// b3: the water marks. Each mark is black outside its disc and the mask white
// there, so AND with the mask and OR with a mark change the disc alone.
#include <cmath>

#include "ui/art/ArtStyle.h"
#include "ui/art/ArtworkSheets.h"

namespace art {
namespace {

// Pixels are taken at their middles, in the marks' own 12 x 12 pixels; a
// larger sheet asks at the middles of its smaller pixels.
bool InsideDisc(double x, double y) {
  const double dx = x - MarkSize / 2.0, dy = y - MarkSize / 2.0;
  return dx * dx + dy * dy <= MarkRadius * MarkRadius + 0.3;
}

// Water rises from the bottom of the dry bore: level 0 is dry, 5 full.
QRgb MarkPixel(double x, double y, int level, bool startMark) {
  if (!InsideDisc(x, y)) return qRgb(0, 0, 0);
  const double dx = x - MarkSize / 2.0, dy = y - MarkSize / 2.0;
  const double radius = std::sqrt(dx * dx + dy * dy);
  if (startMark && radius > MarkRadius - 1.6) return Gold.rgb();
  const int waterTop = MarkSize - 1 - (level * 11) / 5;  // rows at and below are wet
  if (level == 0 || y - 0.5 < waterTop) return PipeBore.rgb();
  if (dx < -0.5 && dy < -0.5 && radius < 3.2 && level == 5) return WaterLight.rgb();
  return (radius > MarkRadius - 1.0 ? WaterDeep : Water).rgb();
}

}  // namespace

QImage WaterSheet(int scale) {
  const int size = MarkSize * scale;
  // The dry mark is the resting hub itself, so that water draining away
  // leaves a tile exactly as it looks when it was never wet.
  const QImage hub = TileSheet(scale).copy(MarkOffset * scale, MarkOffset * scale, size, size);
  QImage sheet(8 * size, size, QImage::Format_RGB32);
  for (int picture = 0; picture < 8; ++picture)
    for (int row = 0; row < size; ++row)
      for (int column = 0; column < size; ++column) {
        const double x = (column + 0.5) / scale, y = (row + 0.5) / scale;
        QRgb pixel;
        if (picture == 0)
          pixel = InsideDisc(x, y) ? hub.pixel(column, row) : qRgb(0, 0, 0);
        else if (picture < 6)
          pixel = MarkPixel(x, y, picture, false);
        else if (picture == 6)
          pixel = InsideDisc(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        else
          pixel = MarkPixel(x, y, 5, true);
        sheet.setPixel(picture * size + column, row, pixel);
      }
  return sheet;
}

}  // namespace art
