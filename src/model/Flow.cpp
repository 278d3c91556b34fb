#include "model/Flow.h"

#include <algorithm>

void ComputeFlow(TBoard& board) {
  board.NewFlow.fill(0);
  const TCell source = board.Source();
  if (!OnBoard(source)) return;
  board.NewFlow[CellIndex(source)] = 1;
  for (int d = 0; d < DirectionCount; ++d)
    if (IsOpen(board.Tile(source), d)) FlowStep(board, source, d);
}

// Recursion depth is bounded by the 80 cells: each nested call first wets a dry one.
void FlowStep(TBoard& board, TCell from, int direction) {
  const TCell next = Neighbour(from, direction);
  if (!OnBoard(next)) return;
  const TTileCode tile = board.Tile(next);
  if (tile == 0 || board.New(next) || !IsOpen(tile, Opposite(direction))) return;
  board.NewFlow[CellIndex(next)] = 1;
  for (int d = 0; d < DirectionCount; ++d)
    if (IsOpen(tile, d)) FlowStep(board, next, d);
}

bool FlowChanged(const TBoard& board) { return board.ShownFlow != board.NewFlow; }

void SettleFlow(TBoard& board) { board.ShownFlow = board.NewFlow; }

bool IsSolved(const TBoard& board, TPlayState state) {
  if (state == psEditing) return false;
  for (std::size_t i = 0; i < CellCount; ++i)
    if (board.Tiles[i] != 0 && board.ShownFlow[i] == 0) return false;
  return true;
}
