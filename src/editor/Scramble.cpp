// The scramble walk: from the start cell along the pipes, turning every tile
// it stands on, 33 moves.
#include "editor/Editor.h"
#include "model/Flow.h"
#include "model/Rotation.h"

namespace {

constexpr int ScrambleMoves = 33;
constexpr int PassDelayMs = 50;

// A neighbour the walker may step to: a tile open back toward it.
bool ValidTarget(const TBoard& board, TCell from, int direction) {
  const TCell to = Neighbour(from, direction);
  return OnBoard(to) && board.Tile(to) != 0 && IsOpen(board.Tile(to), Opposite(direction));
}

}  // namespace

// Draws directions until the tile is open toward one. A draw that never
// finds one (only a scripted one could) falls back to the first opening.
int TEditor::OpenDirection(TTileCode tile) {
  for (int attempt = 0; attempt < 64; ++attempt) {
    const int direction = draw_();
    if (IsOpen(tile, direction)) return direction;
  }
  for (int d = 0; d < DirectionCount; ++d)
    if (IsOpen(tile, d)) return d;
  return dirRight;
}

// A first move needs the start tile to open, in some rotation, toward a
// neighbour that is open back; without one the walk could never end.
bool TEditor::ScrambleCanMove() const {
  const TBoard& board = data_.Board;
  const TCell start = board.Source();
  const int kind = KindOf(board.Tile(start));
  for (int d = 0; d < DirectionCount; ++d)
    for (int rotation = 0; rotation < 4; ++rotation)
      if (IsOpen(MakeTileCode(rotation, kind), d) && ValidTarget(board, start, d)) return true;
  return false;
}

void TEditor::MixBtnClick() {
  TBoard& board = data_.Board;
  if (data_.State != psEditing || !OnBoard(board.Source()) || board.Tile(board.Source()) == 0 ||
      !ScrambleCanMove())
    return;
  TCell walker = board.Source();
  board.ShownFlow[CellIndex(walker)] = 1;
  int movesLeft = ScrambleMoves;
  for (int pass = 0; movesLeft > 0 && pass < MaxScramblePasses; ++pass) {
    const TTileCode& tile = board.Tile(walker);
    // One to four quarter turns by the rule of a turn, not drawn.
    for (int turns = draw_() + 1; turns > 0; --turns) RotateForward(board, walker);
    host_.DrawCell(walker);
    Delay(host_.Clock(), PassDelayMs);
    const int direction = OpenDirection(tile);
    if (!ValidTarget(board, walker, direction)) continue;
    board.SourceCol = walker.Col;
    board.SourceRow = walker.Row;
    board.ShownFlow[CellIndex(walker)] = 0;
    host_.DrawCell(walker);
    walker = Neighbour(walker, direction);
    board.ShownFlow[CellIndex(walker)] = 1;
    host_.DrawCell(walker);
    --movesLeft;
  }
  ComputeFlow(board);
  host_.Animator().AnimateFlow(board);
  data_.LevelsChanged = true;
}
