#include "Rotation.h"

#include "Flow.h"

namespace {

constexpr int FramesPerTurn = 3;
constexpr int FramesPerKind = 12;

// Draws the three frames first, first + step, first + 2 step, waiting between them.
void DrawTurn(TBoardHost& host, TCell cell, int kind, int first, int step) {
  for (int i = 0; i < FramesPerTurn; ++i) {
    if (i > 0) Delay(host.Clock(), FrameDelayMs);
    const int frame = ((first + i * step) % FramesPerKind + FramesPerKind) % FramesPerKind;
    host.DrawRotationFrame(cell.Col, cell.Row, kind, frame);
  }
}

}  // namespace

void RotateForward(TBoard& board, TBoardHost& host, TCell cell) {
  const int kind = KindOf(board.Tile(cell));
  const int rotation = RotationOf(board.Tile(cell));
  board.Tile(cell) = MakeTileCode((rotation + 1) % 4, kind);
  DrawTurn(host, cell, kind, 3 * rotation + 1, +1);
}

void RotateBackward(TBoard& board, TBoardHost& host, TCell cell) {
  const int kind = KindOf(board.Tile(cell));
  const int rotation = RotationOf(board.Tile(cell));
  board.Tile(cell) = MakeTileCode((rotation + 3) % 4, kind);
  DrawTurn(host, cell, kind, rotation == 0 ? 11 : 3 * rotation - 1, -1);
}
