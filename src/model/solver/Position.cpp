#include "model/solver/Position.h"

#include <vector>

int QuarterTurns(int from, int to) {
  const int forward = (to - from + 4) % 4;
  return forward == 3 ? 1 : forward;
}

bool TileFits(const TPosition& position, int cell, unsigned bits) {
  return NearestFittingRotation(position, cell, bits) >= 0;
}

int NearestFittingRotation(const TPosition& position, int cell, unsigned bits) {
  const TTileCode tile = position.Tiles[static_cast<std::size_t>(cell)];
  if (position.Locked.test(static_cast<std::size_t>(cell)))
    return (OpeningBits(tile) & bits) == bits ? RotationOf(tile) : -1;
  return NearestFittingRotation(KindOf(tile), RotationOf(tile), bits);
}

int NearestFittingRotation(int kind, int rotation, unsigned bits) {
  int best = -1;
  for (int candidate = 0; candidate < 4; ++candidate) {
    if ((OpeningBits(MakeTileCode(candidate, kind)) & bits) != bits) continue;
    if (best < 0 || QuarterTurns(rotation, candidate) < QuarterTurns(rotation, best))
      best = candidate;
  }
  return best;
}

std::vector<TMouseButton> TurnPresses(int from, int to) {
  switch ((to - from + 4) % 4) {
    case 1:
      return {TMouseButton::Left};
    case 2:
      return {TMouseButton::Left, TMouseButton::Left};
    case 3:
      return {TMouseButton::Right};
    default:
      return {};
  }
}

TCellSet TileCells(const TPosition& position) {
  TCellSet tiles;
  for (std::size_t i = 0; i < CellCount; ++i) tiles[i] = position.Tiles[i] != 0;
  return tiles;
}

void PressTile(TPosition& position, int index, TMouseButton button) {
  TTileCode& tile = position.Tiles[static_cast<std::size_t>(index)];
  const int step = button == TMouseButton::Left ? 1 : button == TMouseButton::Right ? 3 : 0;
  tile = MakeTileCode((RotationOf(tile) + step) % 4, KindOf(tile));
  position.Source = index;
}
