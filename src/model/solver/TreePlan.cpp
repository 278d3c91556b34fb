#include "model/solver/TreePlan.h"

namespace {

void TurnSubtree(const TPosition& start, const TSpanningTree& tree, int tile,
                 std::vector<TMove>& presses) {
  const auto index = static_cast<std::size_t>(tile);
  const TTileCode code = start.Tiles[index];
  const int target = NearestFittingRotation(start, tile, tree.Joins[index]);
  for (TMouseButton button : TurnPresses(RotationOf(code), target))
    presses.push_back({button, CellAt(index)});
  for (int d = 0; d < DirectionCount; ++d) {
    const int child = NextIndex(tile, d);
    if (child >= 0 && (tree.Joins[index] & DirectionBit(d)) &&
        tree.ParentDirection[static_cast<std::size_t>(child)] == Opposite(d))
      TurnSubtree(start, tree, child, presses);
  }
}

}  // namespace

std::vector<TMove> PressesAlongTree(const TPosition& start, const TSpanningTree& tree) {
  std::vector<TMove> presses;
  TurnSubtree(start, tree, start.Source, presses);
  return presses;
}
