#include "BoardInput.h"

#include "Flow.h"
#include "Geometry.h"
#include "Rotation.h"

std::optional<TCell> HitTestBoard(int x, int y) {
  if (x < GridOrigin || y < GridOrigin) return std::nullopt;
  const TCell cell{(x - GridOrigin) / CellPixels + 1, (y - GridOrigin) / CellPixels + 1};
  if (cell.Col > BoardCols || cell.Row > BoardRows) return std::nullopt;
  return cell;
}

void boxMouseDown(TBoardPress& press, TMouseButton button, int x, int y) {
  if (const auto cell = HitTestBoard(x, y)) BoardCellDown(press, button, *cell);
}

void BoardCellDown(TBoardPress& press, TMouseButton button, TCell cell) {
  if (press.State == psEditing) {
    if (press.EditorMouseDown) press.EditorMouseDown(button, cell);
    return;
  }
  TBoard& board = press.Board;
  if (press.State != psRunning || board.Tile(cell) == 0 || !board.Shown(cell)) return;

  if (button == TMouseButton::Left) RotateForward(board, press.Host, cell);
  if (button == TMouseButton::Right) RotateBackward(board, press.Host, cell);
  board.SourceCol = cell.Col;
  board.SourceRow = cell.Row;
  press.LevelTouched = true;
  ComputeFlow(board);
  AnimateFlow(board, press.Host);
  if (IsSolved(board, press.State)) press.Host.LevelSolved();
}
