#include "model/solver/Search.h"

#include <algorithm>
#include <queue>
#include <unordered_map>

#include "model/solver/SpanningTree.h"
#include "model/solver/TreePlan.h"

namespace {

// Two bits of rotation per cell; the kinds never change.
using TPacked = std::array<std::uint64_t, 3>;

int RotationAt(const TPacked& packed, int cell) {
  const auto bit = static_cast<unsigned>(cell % 32) * 2;
  return static_cast<int>((packed[static_cast<std::size_t>(cell / 32)] >> bit) & 3u);
}

void SetRotation(TPacked& packed, int cell, int rotation) {
  const auto bit = static_cast<unsigned>(cell % 32) * 2;
  std::uint64_t& word = packed[static_cast<std::size_t>(cell / 32)];
  word = (word & ~(std::uint64_t{3} << bit)) | (static_cast<std::uint64_t>(rotation) << bit);
}

// Rotations that look alike (a straight turned half round, any cross)
// count as one, and the wet tiles are named by the first of them: two
// boards with the same key play alike from then on.
int SameLookingRotation(int kind, int rotation) {
  if (kind == tkCross) return 0;
  if (kind == tkStraight) return rotation % 2;
  return rotation;
}

struct TPackedHash {
  std::size_t operator()(const TPacked& packed) const {
    std::uint64_t hash = 0x9E3779B97F4A7C15u;
    for (std::uint64_t word : packed) {
      hash ^= word + 0x9E3779B97F4A7C15u + (hash << 6) + (hash >> 2);
      hash *= 0xBF58476D1CE4E5B9u;
    }
    return static_cast<std::size_t>(hash ^ (hash >> 31));
  }
};

class TBestFirst {
 public:
  TBestFirst(const TPosition& start, const TSpanningTree& goal, TSearchWeights weights,
             TBudgetMeter& meter)
      : start_(start), goal_(goal), weights_(weights), meter_(meter), tiles_(TileCells(start)) {}

  TSearchAnswer Run() {
    TPacked first{};
    for (int cell = 0; cell < CellCount; ++cell)
      SetRotation(first, cell, RotationOf(start_.Tiles[static_cast<std::size_t>(cell)]));
    Add(first, -1, start_.Source, TMouseButton::Middle, WetCells(start_));
    while (!open_.empty()) {
      const auto [priority, node] = open_.top();
      open_.pop();
      if (auto presses = Expand(node)) return {presses, false};
      if (meter_.Spent()) return {};
    }
    return {std::nullopt, true};
  }

 private:
  struct TNode {
    TPacked Rotations;
    std::int32_t Parent;
    std::uint8_t Cell;
    TMouseButton Button;
    std::uint16_t Presses;
    std::uint8_t Shortfall;  // tiles a tree grown greedily leaves out
  };

  TPosition Unpack(const TPacked& rotations, int source) const {
    TPosition position = start_;
    position.Source = source;
    for (int cell = 0; cell < CellCount; ++cell) {
      TTileCode& tile = position.Tiles[static_cast<std::size_t>(cell)];
      if (tile != 0) tile = MakeTileCode(RotationAt(rotations, cell), KindOf(tile));
    }
    return position;
  }

  // Quarter turns until every tile opens toward its joins in the goal tree.
  int TurnsToGoal(const TPacked& rotations, const TSpanningTree& goal) const {
    int turns = 0;
    for (int cell = 0; cell < CellCount; ++cell) {
      const auto index = static_cast<std::size_t>(cell);
      const TTileCode tile = start_.Tiles[index];
      if (tile == 0 || start_.Locked.test(index)) continue;  // the goal fits locked tiles
      const int rotation = RotationAt(rotations, cell);
      const int target = NearestFittingRotation(KindOf(tile), rotation, goal.Joins[index]);
      const int forward = (target - rotation + 4) % 4;
      turns += forward == 3 ? 1 : forward;
    }
    return turns;
  }

  TPacked Key(const TPacked& rotations, const TCellSet& wet) const {
    TPacked key{};
    int firstWet = -1;
    for (int cell = 0; cell < CellCount; ++cell) {
      const TTileCode tile = start_.Tiles[static_cast<std::size_t>(cell)];
      if (tile == 0) continue;
      SetRotation(key, cell, SameLookingRotation(KindOf(tile), RotationAt(rotations, cell)));
      if (firstWet < 0 && wet.test(static_cast<std::size_t>(cell))) firstWet = cell;
    }
    key[2] |= static_cast<std::uint64_t>(firstWet + 1) << 40;
    return key;
  }

  void Add(const TPacked& rotations, std::int32_t parent, int cell, TMouseButton button,
           const TCellSet& wet) {
    if (!seen_.try_emplace(Key(rotations, wet), static_cast<std::int32_t>(nodes_.size())).second)
      return;
    const auto presses = static_cast<std::uint16_t>(
        parent < 0 ? 0 : nodes_[static_cast<std::size_t>(parent)].Presses + 1);
    TSpanningTree tree;
    const int shortfall =
        weights_.Shortfall == 0
            ? 1
            : GreedyTreeShortfall(Unpack(rotations, cell), TTreeRule::OpenTowardParent, tree);
    nodes_.push_back({rotations, parent, static_cast<std::uint8_t>(cell), button, presses,
                      static_cast<std::uint8_t>(shortfall)});
    const auto dry = static_cast<int>((tiles_ & ~wet).count());
    const int cost = 4 * presses + weights_.Shortfall * shortfall +
                     weights_.Turns * TurnsToGoal(rotations, goal_) + weights_.Dry * dry;
    open_.push({-cost, static_cast<std::int32_t>(nodes_.size() - 1)});
  }

  std::optional<std::vector<TMove>> Expand(std::int32_t index) {
    const TNode node = nodes_[static_cast<std::size_t>(index)];
    TPosition position = Unpack(node.Rotations, node.Cell);
    if (auto finish = FinishAlongTree(position, node.Shortfall)) {
      std::vector<TMove> presses = PathTo(index);
      presses.insert(presses.end(), finish->begin(), finish->end());
      return presses;
    }
    const TCellSet wet = WetCells(position);
    for (int cell = 0; cell < CellCount; ++cell) {
      const TTileCode tile = position.Tiles[static_cast<std::size_t>(cell)];
      if (!wet.test(static_cast<std::size_t>(cell)) || tile == 0 || KindOf(tile) == tkCross ||
          start_.Locked.test(static_cast<std::size_t>(cell)))
        continue;
      for (TMouseButton button : {TMouseButton::Left, TMouseButton::Right}) {
        if (!meter_.Spend()) return std::nullopt;
        TPosition next = position;
        PressTile(next, cell, button);
        const TCellSet nextWet = WetCells(next);
        TPacked rotations = node.Rotations;
        SetRotation(rotations, cell, RotationOf(next.Tiles[static_cast<std::size_t>(cell)]));
        if ((nextWet & tiles_) == tiles_) {
          std::vector<TMove> presses = PathTo(index);
          presses.push_back({button, CellAt(static_cast<std::size_t>(cell))});
          return presses;
        }
        Add(rotations, index, cell, button, nextWet);
      }
    }
    return std::nullopt;
  }

  // From many boards on the way, each tile opens toward a parent in a tree
  // that joins them all: the presses along that tree finish the level.
  std::optional<std::vector<TMove>> FinishAlongTree(const TPosition& position, int shortfall) {
    if (shortfall == 0) {
      TSpanningTree tree;
      GreedyTreeShortfall(position, TTreeRule::OpenTowardParent, tree);
      return PressesAlongTree(position, tree);
    }
    TBudgetMeter meter(treeBudget_);
    const TTreeAnswer answer = FindSpanningTree(position, TTreeRule::OpenTowardParent, meter);
    meter_.Spend(meter.Used());
    if (!answer.Tree) return std::nullopt;
    return PressesAlongTree(position, *answer.Tree);
  }

  std::vector<TMove> PathTo(std::int32_t index) const {
    std::vector<TMove> presses;
    for (; nodes_[static_cast<std::size_t>(index)].Parent >= 0;
         index = nodes_[static_cast<std::size_t>(index)].Parent) {
      const TNode& node = nodes_[static_cast<std::size_t>(index)];
      presses.push_back({node.Button, CellAt(node.Cell)});
    }
    std::reverse(presses.begin(), presses.end());
    return presses;
  }

  const TPosition& start_;
  const TSpanningTree& goal_;
  TSearchWeights weights_;
  TBudgetMeter& meter_;
  TSolverBudget treeBudget_{300, {}};
  TCellSet tiles_;
  std::vector<TNode> nodes_;
  std::unordered_map<TPacked, std::int32_t, TPackedHash> seen_;
  std::priority_queue<std::pair<int, std::int32_t>> open_;
};

}  // namespace

TSearchAnswer SearchPresses(const TPosition& start, const TSpanningTree& goal,
                            TSearchWeights weights, TBudgetMeter& meter) {
  return TBestFirst(start, goal, weights, meter).Run();
}
