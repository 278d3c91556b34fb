#include "model/Flow.h"

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

// The water passes from a wet cell toward a direction into a dry neighbour
// holding a tile open back toward it.
bool FlowStep(const std::array<TTileCode, CellCount>& tiles, TCellSet& wet, int from, int direction,
              int& next) {
  next = NextIndex(from, direction);
  if (next < 0 || wet.test(static_cast<std::size_t>(next))) return false;
  const TTileCode tile = tiles[static_cast<std::size_t>(next)];
  if (tile == 0 || !(OpeningBits(tile) & DirectionBit(Opposite(direction)))) return false;
  wet.set(static_cast<std::size_t>(next));
  return true;
}

}  // namespace

unsigned OpeningBits(TTileCode code) { return Openings[code % TileCodeCount]; }

int NextIndex(int index, int direction) {
  return Neighbours[static_cast<std::size_t>(index)][static_cast<std::size_t>(direction)];
}

// Each cell enters the stack once, when it turns wet: 80 places suffice.
TCellSet Flood(const std::array<TTileCode, CellCount>& tiles, int sourceIndex) {
  TCellSet wet;
  if (sourceIndex < 0 || sourceIndex >= CellCount) return wet;
  wet.set(static_cast<std::size_t>(sourceIndex));
  std::array<int, CellCount> stack{};
  std::size_t top = 0;
  stack[top++] = sourceIndex;
  while (top > 0) {
    const int index = stack[--top];
    const unsigned open = OpeningBits(tiles[static_cast<std::size_t>(index)]);
    for (int d = 0, next = 0; d < DirectionCount; ++d)
      if ((open & DirectionBit(d)) && FlowStep(tiles, wet, index, d, next)) stack[top++] = next;
  }
  return wet;
}

void ComputeFlow(TBoardState& state) {
  state.NewFlow.fill(0);
  if (!OnBoard(state.Source())) return;
  const TCellSet wet = Flood(state.Tiles, static_cast<int>(CellIndex(state.Source())));
  for (std::size_t i = 0; i < CellCount; ++i) state.NewFlow[i] = wet[i] ? 1 : 0;
}

bool FlowChanged(const TBoard& board) { return board.ShownFlow != board.NewFlow; }

void SettleFlow(TBoard& board) { board.ShownFlow = board.NewFlow; }

bool IsSolved(const TBoardState& state) {
  for (std::size_t i = 0; i < CellCount; ++i)
    if (state.Tiles[i] != 0 && state.NewFlow[i] == 0) return false;
  return true;
}
