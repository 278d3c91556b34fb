#include "model/solver/SpanningTree.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

// Grows the tree from the root one tile at a time. For the tile with the
// fewest ways in, it tries each join to the tree, and then the choice that
// the tile joins later through a tile not yet in the tree; so every tree
// is found.
class TTreeGrower {
 public:
  TTreeGrower(const TPosition& start, TTreeRule rule, unsigned variant, TBudgetMeter& meter)
      : start_(start), rule_(rule), variant_(variant), meter_(meter), tiles_(TileCells(start)) {
    tree_.ParentDirection.fill(-1);
    in_.set(static_cast<std::size_t>(start.Source));
  }

  bool Grow() {
    if (in_ == tiles_) return true;
    if (!meter_.Spend() || !AllReachable()) return false;
    const int tile = MostConstrainedTile();
    if (tile < 0) return false;
    const unsigned ways = WaysIn(tile);
    for (int d : CheapestFirst(tile, ways))
      if (Attach(tile, d)) return true;
    if (meter_.Spent()) return false;
    forbidden_[Index(tile)] |= static_cast<std::uint8_t>(ways);
    if (Grow()) return true;
    forbidden_[Index(tile)] &= static_cast<std::uint8_t>(~ways);
    return false;
  }

  // Attaches tiles without ever going back, as long as one can attach;
  // returns how many tiles are left outside.
  // A join that would cut some tile off from the tree is not made.
  int GrowGreedily() {
    for (int tile = MostConstrainedTile(); tile >= 0; tile = MostConstrainedTile()) {
      const unsigned ways = WaysIn(tile);
      bool attached = false;
      for (int d : CheapestFirst(tile, ways)) {
        const int parent = NextIndex(tile, d);
        const auto parentJoins = tree_.Joins[Index(parent)];
        AttachOnly(tile, d);
        if ((attached = AllReachable())) break;
        Detach(tile, parent, parentJoins);
      }
      if (!attached) forbidden_[Index(tile)] |= static_cast<std::uint8_t>(ways);
    }
    return static_cast<int>((tiles_ & ~in_).count());
  }

  const TSpanningTree& Tree() const { return tree_; }

 private:
  static std::size_t Index(int cell) { return static_cast<std::size_t>(cell); }

  // May the tile take the neighbour in this direction as its parent, as far
  // as the tile itself is concerned?
  bool MayJoinToward(int tile, int direction) const {
    if (forbidden_[Index(tile)] & DirectionBit(direction)) return false;
    // Every kind opens each way in some rotation; a locked tile only as it stands.
    const bool open = OpeningBits(start_.Tiles[Index(tile)]) & DirectionBit(direction);
    return open || (rule_ == TTreeRule::AnyJoin && !start_.Locked.test(Index(tile)));
  }

  // The directions in which an outside tile can join the tree now.
  unsigned WaysIn(int tile) const {
    unsigned ways = 0;
    for (int d = 0; d < DirectionCount; ++d) {
      const int parent = NextIndex(tile, d);
      if (parent < 0 || !in_.test(Index(parent)) || !MayJoinToward(tile, d)) continue;
      if (TileFits(start_, parent, tree_.Joins[Index(parent)] | DirectionBit(Opposite(d))))
        ways |= DirectionBit(d);
    }
    return ways;
  }

  // Joins that the tiles' present rotations already have come first, so the
  // tree asks for few turns.
  std::vector<int> CheapestFirst(int tile, unsigned ways) const {
    std::vector<std::tuple<int, unsigned, int>> costs;
    for (int d = 0; d < DirectionCount; ++d) {
      if (!(ways & DirectionBit(d))) continue;
      const int parent = NextIndex(tile, d);
      const unsigned parentJoins = tree_.Joins[Index(parent)] | DirectionBit(Opposite(d));
      const bool parentFits =
          (OpeningBits(start_.Tiles[Index(parent)]) & parentJoins) == parentJoins;
      const bool tileFits = OpeningBits(start_.Tiles[Index(tile)]) & DirectionBit(d);
      costs.emplace_back(!parentFits + !tileFits, TieBreak(variant_, tile * 4 + d), d);
    }
    std::stable_sort(costs.begin(), costs.end());
    std::vector<int> order(costs.size());
    std::transform(costs.begin(), costs.end(), order.begin(),
                   [](auto cost) { return std::get<2>(cost); });
    return order;
  }

  int MostConstrainedTile() const {
    int best = -1;
    std::pair<int, unsigned> bestRank{DirectionCount + 1, 0};
    for (int cell = 0; cell < CellCount; ++cell) {
      if (!tiles_.test(Index(cell)) || in_.test(Index(cell))) continue;
      const int count = static_cast<int>(std::bitset<4>(WaysIn(cell)).count());
      const std::pair<int, unsigned> rank{count, TieBreak(variant_, cell)};
      if (count > 0 && rank < bestRank) {
        best = cell;
        bestRank = rank;
      }
    }
    return best;
  }

  void AttachOnly(int tile, int direction) {
    const int parent = NextIndex(tile, direction);
    in_.set(Index(tile));
    tree_.ParentDirection[Index(tile)] = static_cast<std::int8_t>(direction);
    tree_.Joins[Index(tile)] = static_cast<std::uint8_t>(DirectionBit(direction));
    tree_.Joins[Index(parent)] |= static_cast<std::uint8_t>(DirectionBit(Opposite(direction)));
  }

  bool Attach(int tile, int direction) {
    const int parent = NextIndex(tile, direction);
    const auto parentJoins = tree_.Joins[Index(parent)];
    AttachOnly(tile, direction);
    if (Grow()) return true;
    Detach(tile, parent, parentJoins);
    return false;
  }

  void Detach(int tile, int parent, std::uint8_t parentJoins) {
    in_.reset(Index(tile));
    tree_.ParentDirection[Index(tile)] = -1;
    tree_.Joins[Index(tile)] = 0;
    tree_.Joins[Index(parent)] = parentJoins;
  }

  // A quick necessary test: every outside tile has a chain of possible
  // joins to the tree, each tile on it open both toward its parent and
  // its child in one rotation.
  bool AllReachable() const {
    std::array<std::uint8_t, CellCount> cameFrom{};  // direction bits toward reached parents
    TCellSet reached = in_;
    std::vector<std::pair<int, int>> queue;  // an outside tile and the direction of its parent
    const auto reach = [&](int parent, int direction) {
      const int child = NextIndex(parent, direction);
      const int up = Opposite(direction);
      if (child < 0 || !tiles_.test(Index(child)) || in_.test(Index(child))) return;
      if ((cameFrom[Index(child)] & DirectionBit(up)) || !MayJoinToward(child, up)) return;
      cameFrom[Index(child)] |= static_cast<std::uint8_t>(DirectionBit(up));
      reached.set(Index(child));
      queue.emplace_back(child, up);
    };
    for (int cell = 0; cell < CellCount; ++cell)
      if (in_.test(Index(cell)))
        for (int d = 0; d < DirectionCount; ++d)
          if (TileFits(start_, cell, tree_.Joins[Index(cell)] | DirectionBit(d))) reach(cell, d);
    while (!queue.empty()) {
      const auto [cell, up] = queue.back();
      queue.pop_back();
      for (int d = 0; d < DirectionCount; ++d)
        if (d != up && TileFits(start_, cell, DirectionBit(up) | DirectionBit(d))) reach(cell, d);
    }
    return (reached & tiles_) == tiles_;
  }

  const TPosition& start_;
  TTreeRule rule_;
  unsigned variant_;
  TBudgetMeter& meter_;
  TCellSet tiles_;
  TCellSet in_;
  TSpanningTree tree_{};
  std::array<std::uint8_t, CellCount> forbidden_{};
};

}  // namespace

int GreedyTreeShortfall(const TPosition& start, TTreeRule rule, TSpanningTree& tree,
                        unsigned variant) {
  TSolverBudget none{0, {}};
  TBudgetMeter meter(none);
  TTreeGrower grower(start, rule, variant, meter);
  const int shortfall = grower.GrowGreedily();
  tree = grower.Tree();
  return shortfall;
}

TTreeAnswer FindSpanningTree(const TPosition& start, TTreeRule rule, TBudgetMeter& meter,
                             unsigned variant) {
  TTreeGrower grower(start, rule, variant, meter);
  if (grower.Grow()) return {grower.Tree(), false};
  return {std::nullopt, !meter.Spent()};
}
