#include "model/solver/Position.h"

#include <vector>

namespace {

constexpr std::array<std::array<int, DirectionCount>, CellCount> MakeNeighbours() {
  std::array<std::array<int, DirectionCount>, CellCount> table{};
  for (std::size_t i = 0; i < CellCount; ++i)
    for (int d = 0; d < DirectionCount; ++d) {
      const TCell next = Neighbour(CellAt(i), d);
      table[i][static_cast<std::size_t>(d)] =
          OnBoard(next) ? static_cast<int>(CellIndex(next)) : -1;
    }
  return table;
}

constexpr auto Neighbours = MakeNeighbours();

constexpr std::array<std::uint8_t, TileCodeCount> MakeOpenings() {
  std::array<std::uint8_t, TileCodeCount> table{};
  for (std::size_t code = 0; code < TileCodeCount; ++code)
    for (int d = 0; d < DirectionCount; ++d)
      if (IsOpen(static_cast<TTileCode>(code), d))
        table[code] |= static_cast<std::uint8_t>(1u << d);
  return table;
}

constexpr auto Openings = MakeOpenings();

int QuarterTurns(int from, int to) {
  const int forward = (to - from + 4) % 4;
  return forward == 3 ? 1 : forward;
}

}  // namespace

unsigned OpeningBits(TTileCode code) { return Openings[code % TileCodeCount]; }

int NextIndex(int index, int direction) {
  return Neighbours[static_cast<std::size_t>(index)][static_cast<std::size_t>(direction)];
}

bool KindFits(int kind, unsigned bits) {
  for (int rotation = 0; rotation < 4; ++rotation)
    if ((OpeningBits(MakeTileCode(rotation, kind)) & bits) == bits) return true;
  return false;
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

TCellSet WetCells(const TPosition& position) {
  TCellSet wet;
  wet.set(static_cast<std::size_t>(position.Source));
  std::array<int, CellCount> stack{};
  std::size_t top = 0;
  stack[top++] = position.Source;
  while (top > 0) {
    const int index = stack[--top];
    const unsigned open = OpeningBits(position.Tiles[static_cast<std::size_t>(index)]);
    for (int d = 0; d < DirectionCount; ++d) {
      if (!(open & DirectionBit(d))) continue;
      const int next = NextIndex(index, d);
      if (next < 0 || wet.test(static_cast<std::size_t>(next))) continue;
      const TTileCode tile = position.Tiles[static_cast<std::size_t>(next)];
      if (tile == 0 || !(OpeningBits(tile) & DirectionBit(Opposite(d)))) continue;
      wet.set(static_cast<std::size_t>(next));
      stack[top++] = next;
    }
  }
  return wet;
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
