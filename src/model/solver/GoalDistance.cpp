#include "model/solver/GoalDistance.h"

#include "model/solver/Position.h"

namespace {

// For a tile and the bits it must open toward: the quarter turns to the
// nearest rotation that does (9 for none), and the openings it shows on the way.
struct TFit {
  std::uint8_t Turns = 9;
  std::uint8_t WayOpenings = 0;
};

using TFitTable = std::array<std::array<TFit, 16>, TileCodeCount>;

TFit FitFor(TTileCode tile, unsigned bits) {
  const int kind = KindOf(tile), rotation = RotationOf(tile);
  if (kind == tkNone || kind > tkCross) return {};
  const int target = NearestFittingRotation(kind, rotation, bits);
  if (target < 0) return {};
  const int turns = QuarterTurns(rotation, target);
  TFit fit{static_cast<std::uint8_t>(turns), 0};
  for (int between = 0; between < 4; ++between)
    if (QuarterTurns(rotation, between) + QuarterTurns(between, target) == turns)
      fit.WayOpenings |= static_cast<std::uint8_t>(OpeningBits(MakeTileCode(between, kind)));
  return fit;
}

TFitTable MakeFitTable() {
  TFitTable table{};
  for (int code = 0; code < TileCodeCount; ++code)
    for (unsigned bits = 0; bits < 16; ++bits)
      table[static_cast<std::size_t>(code)][bits] = FitFor(static_cast<TTileCode>(code), bits);
  return table;
}

const TFitTable Fits = MakeFitTable();

const TFit& FitOf(TTileCode tile, std::uint8_t bits) {
  return Fits[static_cast<std::size_t>(tile % TileCodeCount)][bits & 15u];
}

// Whether a neighbour the dry tile opens toward opens back on its way to its goal.
bool CanGetWet(const std::array<TTileCode, CellCount>& tiles, const TGoalJoins& joins, int cell) {
  const unsigned open = OpeningBits(tiles[static_cast<std::size_t>(cell)]);
  for (int d = 0; d < DirectionCount; ++d) {
    const int next = NextIndex(cell, d);
    if (!(open & DirectionBit(d)) || next < 0) continue;
    const auto at = static_cast<std::size_t>(next);
    if (tiles[at] != 0 && (FitOf(tiles[at], joins[at]).WayOpenings & DirectionBit(Opposite(d))))
      return true;
  }
  return false;
}

}  // namespace

int GoalDistance(const std::array<TTileCode, CellCount>& tiles, const TGoalJoins& joins,
                 const TCellSet& wet, int stuckCost) {
  int distance = 0;
  for (int cell = 0; cell < CellCount; ++cell) {
    const auto at = static_cast<std::size_t>(cell);
    if (tiles[at] == 0) continue;
    const int turns = FitOf(tiles[at], joins[at]).Turns;
    distance += turns;
    if (turns > 0 && !wet.test(at) && !CanGetWet(tiles, joins, cell)) distance += stuckCost;
  }
  return distance;
}
