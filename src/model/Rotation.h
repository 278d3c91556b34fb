#pragma once

#include <array>

#include "model/Board.h"

// A quarter turn of the tile in a cell, as the rules decide it: the new code
// is stored at once, and the three frames (0-11 of the kind's sheet row)
// show the piece turning, the last one at rest in its new rotation.
struct TTurn {
  TCell Cell;
  int Kind;
  std::array<int, 3> Frames;
};

// A quarter turn anticlockwise on screen. The cell must hold a tile.
TTurn RotateForward(TBoardState& board, TCell cell);
// A quarter turn clockwise on screen. The cell must hold a tile.
TTurn RotateBackward(TBoardState& board, TCell cell);
