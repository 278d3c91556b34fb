#include "model/BoardInput.h"

#include "model/Flow.h"
#include "model/Geometry.h"

std::optional<TCell> HitTestBoard(int x, int y) {
  if (x < GridOrigin || y < GridOrigin) return std::nullopt;
  const TCell cell{(x - GridOrigin) / CellPixels + 1, (y - GridOrigin) / CellPixels + 1};
  if (cell.Col > BoardCols || cell.Row > BoardRows) return std::nullopt;
  return cell;
}

std::optional<TPress> PressCell(const TBoardState& state, TMove move) {
  if (!OnBoard(move.Cell) || state.Tile(move.Cell) == 0 || !state.New(move.Cell))
    return std::nullopt;
  if (state.Locked(move.Cell) && move.Button != TMouseButton::Middle) return std::nullopt;
  TPress press{state, std::nullopt};
  if (move.Button == TMouseButton::Left) press.Turn = RotateForward(press.After, move.Cell);
  if (move.Button == TMouseButton::Right) press.Turn = RotateBackward(press.After, move.Cell);
  press.After.SourceCol = move.Cell.Col;
  press.After.SourceRow = move.Cell.Row;
  ComputeFlow(press.After);
  return press;
}

std::optional<TBoardState> ToggleLock(const TBoardState& state, TCell cell) {
  if (!OnBoard(cell) || state.Tile(cell) == 0) return std::nullopt;
  TBoardState after = state;
  after.Locks[CellIndex(cell)] ^= 1;
  return after;
}

std::optional<TTurn> TurnBack(const TBoardState& after, TMove move) {
  TBoardState state = after;
  if (move.Button == TMouseButton::Left) return RotateBackward(state, move.Cell);
  if (move.Button == TMouseButton::Right) return RotateForward(state, move.Cell);
  return std::nullopt;
}
