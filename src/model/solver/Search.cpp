#include "model/solver/Search.h"

#include <algorithm>
#include <queue>

#include "model/solver/GoalDistance.h"
#include "model/solver/PressTree.h"
#include "model/solver/SpanningTree.h"
#include "model/solver/TreePlan.h"

namespace {

class TBestFirst {
 public:
  TBestFirst(const TPosition& start, const TSpanningTree& goal, TSearchWeights weights,
             TBudgetMeter& meter)
      : goal_(goal), weights_(weights), meter_(meter), tiles_(TileCells(start)), tree_(start) {}

  TSearchAnswer Run(const TPosition& start) {
    Add(tree_.AddStart(), start, WetCells(start));
    while (!open_.empty()) {
      const std::int32_t index = open_.top().second;
      open_.pop();
      if (auto presses = Expand(index)) return {presses, false};
      if (meter_.Spent()) return {};
    }
    return {std::nullopt, true};
  }

 private:
  void Add(std::int32_t index, const TPosition& position, const TCellSet& wet) {
    TSpanningTree tree;
    const int shortfall = weights_.Shortfall == 0
                              ? 1
                              : GreedyTreeShortfall(position, TTreeRule::OpenTowardParent, tree);
    shortfalls_.resize(static_cast<std::size_t>(index) + 1);
    shortfalls_[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(shortfall);
    const auto dry = static_cast<int>((tiles_ & ~wet).count());
    const int cost = 4 * tree_.Presses(index) + weights_.Shortfall * shortfall +
                     weights_.Turns * GoalDistance(position.Tiles, goal_.Joins, wet, 0) +
                     weights_.Dry * dry;
    open_.push({-cost, index});
  }

  std::optional<std::vector<TMove>> Expand(std::int32_t index) {
    const TPosition position = tree_.Unpack(index);
    if (auto finish = FinishAlongTree(position, shortfalls_[static_cast<std::size_t>(index)])) {
      std::vector<TMove> presses = tree_.PathTo(index);
      presses.insert(presses.end(), finish->begin(), finish->end());
      return presses;
    }
    return tree_.Expand(index, position, meter_,
                        [this](std::int32_t child, const TPosition& next, const TCellSet& wet) {
                          Add(child, next, wet);
                        });
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

  const TSpanningTree& goal_;
  TSearchWeights weights_;
  TBudgetMeter& meter_;
  TSolverBudget treeBudget_{300, {}};
  TCellSet tiles_;
  TPressTree tree_;
  std::vector<std::uint8_t> shortfalls_;  // by board index
  std::priority_queue<std::pair<int, std::int32_t>> open_;
};

}  // namespace

TSearchAnswer SearchPresses(const TPosition& start, const TSpanningTree& goal,
                            TSearchWeights weights, TBudgetMeter& meter) {
  return TBestFirst(start, goal, weights, meter).Run(start);
}
