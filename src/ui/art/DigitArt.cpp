// The dot-matrix digit strips of the time and level displays.
#include <array>

#include "ui/art/ArtStyle.h"
#include "ui/art/ArtworkSheets.h"

namespace art {
namespace {

constexpr int DigitWidth = 11;
constexpr int StripHeight = 20;
constexpr int FaceWidth = 13;

using TGlyph = std::array<unsigned, 7>;

// Seven rows of four dots per digit, left dot in the high bit.
constexpr std::array<TGlyph, 10> Font{{
    {0b0110, 0b1001, 0b1001, 0b1001, 0b1001, 0b1001, 0b0110},
    {0b0010, 0b0110, 0b0010, 0b0010, 0b0010, 0b0010, 0b0111},
    {0b0110, 0b1001, 0b0001, 0b0010, 0b0100, 0b1000, 0b1111},
    {0b1110, 0b0001, 0b0001, 0b0110, 0b0001, 0b0001, 0b1110},
    {0b1001, 0b1001, 0b1001, 0b1111, 0b0001, 0b0001, 0b0001},
    {0b1111, 0b1000, 0b1110, 0b0001, 0b0001, 0b1001, 0b0110},
    {0b0110, 0b1000, 0b1000, 0b1110, 0b1001, 0b1001, 0b0110},
    {0b1111, 0b0001, 0b0010, 0b0010, 0b0100, 0b0100, 0b0100},
    {0b0110, 0b1001, 0b1001, 0b0110, 0b1001, 0b1001, 0b0110},
    {0b0110, 0b1001, 0b1001, 0b0111, 0b0001, 0b0001, 0b0110},
}};

// Between the two numbers of the water count.
constexpr TGlyph Slash{0b0001, 0b0001, 0b0010, 0b0110, 0b0100, 0b1000, 0b1000};

// Dots of 2 x 2 pixels (4 x 4 at twice the scale) at a pitch of 3.
void PaintGlyph(QImage& strip, const TGlyph& glyph, int x, QColor colour, int scale) {
  for (int row = 0; row < 7; ++row)
    for (int col = 0; col < 4; ++col)
      if (glyph[static_cast<std::size_t>(row)] & (8u >> col))
        for (int dy = 0; dy < 2 * scale; ++dy)
          for (int dx = 0; dx < 2 * scale; ++dx)
            strip.setPixelColor(scale * (x + 3 * col) + dx, scale * 3 * row + dy, colour);
}

void PaintFace(QPainter& painter, int x, QColor colour, bool smiling) {
  const QRectF head(x + 0.5, 3.5, FaceWidth - 1, FaceWidth - 1);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawEllipse(head);
  painter.setBrush(Qt::black);
  painter.drawEllipse(QPointF(x + 4.5, 8), 1.1, 1.4);
  painter.drawEllipse(QPointF(x + 8.5, 8), 1.1, 1.4);
  painter.setPen(QPen(Qt::black, 1.2));
  painter.setBrush(Qt::NoBrush);
  const QRectF mouth(x + 3.5, smiling ? 7.5 : 11.5, 6, 5);
  painter.drawArc(mouth, smiling ? -20 * 16 : 20 * 16, smiling ? -140 * 16 : 140 * 16);
}

}  // namespace

QImage DigitStrip(bool levelStrip, int scale) {
  const QColor colour = levelStrip ? QColor(0xff, 0xe0, 0x20) : QColor(0x40, 0xff, 0x40);
  QImage strip((levelStrip ? 159 : 121) * scale, StripHeight * scale, QImage::Format_RGB32);
  strip.fill(Qt::black);  // also the blank place at x 110
  for (std::size_t digit = 0; digit < Font.size(); ++digit)
    PaintGlyph(strip, Font[digit], DigitWidth * static_cast<int>(digit), colour, scale);
  if (levelStrip) {
    PaintGlyph(strip, Slash, 148, colour, scale);
    QPainter painter(&strip);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintFace(painter, 122, colour, true);
    PaintFace(painter, 135, QColor(0xe8, 0x3a, 0x30), false);
  }
  return strip;
}

}  // namespace art
