#pragma once

#include <optional>

#include "model/Board.h"
#include "model/Rotation.h"

enum class TMouseButton { Left, Right, Middle };

// One press of a mouse button on a cell.
struct TMove {
  TMouseButton Button;
  TCell Cell;
  friend bool operator==(const TMove&, const TMove&) = default;
};

// The cell under a pixel of the board surface; the frame around the grid hits nothing.
std::optional<TCell> HitTestBoard(int x, int y);

// What an accepted press in play did: the state after it, whose flood start
// is the pressed cell and whose water is the flood from there, and the turn
// to show (none for the middle button).
struct TPress {
  TBoardState After;
  std::optional<TTurn> Turn;
};

// A press on a cell of a running level: accepted only on a tile that
// carries water, and with the left or right button only on one that is not
// locked. Draws nothing and waits for nothing.
std::optional<TPress> PressCell(const TBoardState& state, TMove move);

// Locks a tile, wet or dry, or unlocks it; nothing for a cell without a tile.
std::optional<TBoardState> ToggleLock(const TBoardState& state, TCell cell);

// The turn that takes back an accepted press: the tile of the state after
// it turning the other way, none for the middle button.
std::optional<TTurn> TurnBack(const TBoardState& after, TMove move);
