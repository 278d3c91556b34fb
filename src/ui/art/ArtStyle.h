#pragma once

#include <QColor>
#include <QPainter>

#include "model/Geometry.h"

// The one look every picture of the game shares.
namespace art {

inline const QColor Floor(0x34, 0x40, 0x4c);
inline const QColor FloorDark(0x2a, 0x33, 0x3d);
inline const QColor FloorLight(0x3e, 0x4b, 0x59);
inline const QColor Steel(0xb8, 0xc0, 0xc8);
inline const QColor SteelLight(0xe2, 0xe7, 0xec);
inline const QColor SteelDark(0x5d, 0x68, 0x74);
inline const QColor PipeBore(0x46, 0x50, 0x5b);
inline const QColor Water(0x2e, 0x9c, 0xff);
inline const QColor WaterLight(0xa8, 0xd8, 0xff);
inline const QColor WaterDeep(0x14, 0x5c, 0xb0);
inline const QColor Moss(0x5e, 0x8a, 0x3a);
inline const QColor Stone(0x7d, 0x84, 0x8c);
inline const QColor Rust(0x9a, 0x5b, 0x2e);
inline const QColor Gold(0xf5, 0xc4, 0x00);

inline constexpr int Cell = CellPixels;  // the board's cell, drawn
// The water mark: a disc in the middle 12 x 12 of a cell.
inline constexpr int MarkSize = 12;
inline constexpr int MarkOffset = 12;
inline constexpr double MarkRadius = 5.0;
inline constexpr double HubRadius = 7.5;
inline constexpr double PipeHalfWidth = 6.0;

// A small fixed generator, so every build draws the same speckles.
class TSpeckles {
 public:
  explicit TSpeckles(unsigned seed) : state_(seed * 2654435761u + 1u) {}
  int Below(int n) {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<int>((state_ >> 8) % static_cast<unsigned>(n));
  }

 private:
  unsigned state_;
};

// The plain floor of a cell, with its faint joints; shared by tiles and backgrounds.
void PaintFloor(QPainter& painter, QRect cell, unsigned seed);

}  // namespace art
