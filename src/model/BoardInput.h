#pragma once

#include <optional>

#include "model/Board.h"
#include "model/Rotation.h"

enum class TMouseButton { Left, Right, Middle };

// One press of a mouse button on a cell.
struct TMove {
  TMouseButton Button;
  TCell Cell;
};

// The cell under a pixel of the board surface; the frame around the grid hits nothing.
std::optional<TCell> HitTestBoard(int x, int y);

// What an accepted press in play did: the turn to show (none for the middle
// button). The pressed cell is the flood start by then, and NewFlow holds
// the water it floods; the flow update shows and settles it.
struct TPlayPress {
  std::optional<TTurn> Turn;
};

// A press on a cell of a running level: accepted only on a tile that shows
// water. Draws nothing and waits for nothing.
std::optional<TPlayPress> PressInPlay(TBoard& board, TMouseButton button, TCell cell);
