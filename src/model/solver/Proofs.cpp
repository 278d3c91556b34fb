#include "model/solver/Proofs.h"

#include <vector>

namespace {

bool Plugged(TTileCode tile) {
  return tile != 0 && OpeningBits(MakeTileCode(0, KindOf(tile))) == 0;
}

// A tile is only ever turned while wet, and it gets wet only through an
// opening it has while still untouched, from a neighbour that was wet
// before and can turn toward it. Tiles outside this closure stay dry.
TCellSet EverWet(const TPosition& start) {
  TCellSet reached = WetCells(start);
  std::vector<int> queue;
  for (int cell = 0; cell < CellCount; ++cell)
    if (reached.test(static_cast<std::size_t>(cell))) queue.push_back(cell);
  while (!queue.empty()) {
    const int from = queue.back();
    queue.pop_back();
    const TTileCode tile = start.Tiles[static_cast<std::size_t>(from)];
    if (tile == 0 || Plugged(tile)) continue;
    for (int d = 0; d < DirectionCount; ++d) {
      const int next = NextIndex(from, d);
      if (next < 0 || reached.test(static_cast<std::size_t>(next))) continue;
      if (!(OpeningBits(start.Tiles[static_cast<std::size_t>(next)]) & DirectionBit(Opposite(d))))
        continue;
      reached.set(static_cast<std::size_t>(next));
      queue.push_back(next);
    }
  }
  return reached;
}

// A network of n tiles needs n - 1 joins, two openings each.
bool TooFewOpenings(const TPosition& start) {
  constexpr std::array<int, 8> MostJoins{0, 1, 2, 2, 3, 4, 0, 0};
  int tiles = 0;
  int openings = 0;
  for (TTileCode tile : start.Tiles) {
    if (tile == 0) continue;
    ++tiles;
    openings += MostJoins[static_cast<std::size_t>(KindOf(tile))];
  }
  return openings < 2 * (tiles - 1);
}

}  // namespace

bool HasPlugs(const TPosition& start) {
  for (TTileCode tile : start.Tiles)
    if (Plugged(tile)) return true;
  return false;
}

bool PlainlyUnsolvable(const TPosition& start) {
  const TCellSet tiles = TileCells(start);
  if (tiles.count() <= 1) return false;
  return HasPlugs(start) || (EverWet(start) & tiles) != tiles || TooFewOpenings(start);
}
