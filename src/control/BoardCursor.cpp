#include "control/BoardCursor.h"

#include <algorithm>

void TBoardCursor::Move(TCursorKey key) {
  if (key == TCursorKey::Left) Cell.Col = std::max(1, Cell.Col - 1);
  if (key == TCursorKey::Right) Cell.Col = std::min(BoardCols, Cell.Col + 1);
  if (key == TCursorKey::Up) Cell.Row = std::max(1, Cell.Row - 1);
  if (key == TCursorKey::Down) Cell.Row = std::min(BoardRows, Cell.Row + 1);
}
