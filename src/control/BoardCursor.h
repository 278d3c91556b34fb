#pragma once

#include "model/Tiles.h"

// Keys of keyboard play: the arrows move the cursor over the board, the
// press keys press at it as the mouse buttons would, the lock key locks or
// unlocks its tile.
enum class TCursorKey { Left, Right, Up, Down, PressLeft, PressRight, PressMiddle, Lock };

// The keyboard's cursor: shown from the first key on, hidden again by a
// mouse press on the board; every level start puts it on the start cell.
struct TBoardCursor {
  TCell Cell{1, 1};
  bool Shown = false;

  // One cell in the key's direction, stopping at the edges.
  void Move(TCursorKey key);
};
