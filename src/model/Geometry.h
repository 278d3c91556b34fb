#pragma once

#include "model/Tiles.h"

// Where cells stand on the board surface, in pixels: the board input hits
// exactly the squares the renderer draws, and the palette uses the same size.
inline constexpr int CellPixels = 36;
inline constexpr int GridOrigin = 22;

struct TPixel {
  int X;
  int Y;
};

constexpr TPixel CellCorner(TCell cell) {
  return {GridOrigin + CellPixels * (cell.Col - 1), GridOrigin + CellPixels * (cell.Row - 1)};
}

constexpr TPixel CellMiddle(TCell cell) {
  const TPixel corner = CellCorner(cell);
  return {corner.X + CellPixels / 2, corner.Y + CellPixels / 2};
}
