#include "model/BoardInput.h"

#include "model/Flow.h"
#include "model/Geometry.h"

std::optional<TCell> HitTestBoard(int x, int y) {
  if (x < GridOrigin || y < GridOrigin) return std::nullopt;
  const TCell cell{(x - GridOrigin) / CellPixels + 1, (y - GridOrigin) / CellPixels + 1};
  if (cell.Col > BoardCols || cell.Row > BoardRows) return std::nullopt;
  return cell;
}

std::optional<TPlayPress> PressInPlay(TBoard& board, TMouseButton button, TCell cell) {
  if (board.Tile(cell) == 0 || !board.Shown(cell)) return std::nullopt;
  TPlayPress press;
  if (button == TMouseButton::Left) press.Turn = RotateForward(board, cell);
  if (button == TMouseButton::Right) press.Turn = RotateBackward(board, cell);
  board.SourceCol = cell.Col;
  board.SourceRow = cell.Row;
  ComputeFlow(board);
  return press;
}
