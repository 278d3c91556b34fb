#include "model/Rotation.h"

namespace {

constexpr int FramesPerKind = 12;

TTurn Turn(TCell cell, int kind, int first, int step) {
  TTurn turn{cell, kind, {}};
  for (int i = 0; i < static_cast<int>(turn.Frames.size()); ++i)
    turn.Frames[static_cast<std::size_t>(i)] =
        ((first + i * step) % FramesPerKind + FramesPerKind) % FramesPerKind;
  return turn;
}

}  // namespace

TTurn RotateForward(TBoardState& board, TCell cell) {
  const int kind = KindOf(board.Tile(cell));
  const int rotation = RotationOf(board.Tile(cell));
  board.Tile(cell) = MakeTileCode((rotation + 1) % 4, kind);
  return Turn(cell, kind, 3 * rotation + 1, +1);
}

TTurn RotateBackward(TBoardState& board, TCell cell) {
  const int kind = KindOf(board.Tile(cell));
  const int rotation = RotationOf(board.Tile(cell));
  board.Tile(cell) = MakeTileCode((rotation + 3) % 4, kind);
  return Turn(cell, kind, rotation == 0 ? 11 : 3 * rotation - 1, -1);
}
