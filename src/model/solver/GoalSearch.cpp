#include "model/solver/GoalSearch.h"

#include <algorithm>
#include <queue>

#include "model/solver/PressTree.h"

namespace {

// A tile that cannot get wet counts one turn more in the best-first
// search, so that it seldom passes the fewest presses by, and two in the
// beam, where a neighbour turned aside and back is what it costs.
constexpr int SearchStuckCost = 1;
constexpr int BeamStuckCost = 2;

}  // namespace

std::optional<std::vector<TMove>> SearchTowardGoal(const TPosition& start, const TGoalJoins& goal,
                                                   TBudgetMeter& meter) {
  TPressTree tree(start);
  // The lowest estimate first, and of those the one with most presses made.
  std::priority_queue<std::pair<int, std::int32_t>> open;
  const auto push = [&](std::int32_t index, const TPosition& position, const TCellSet& wet) {
    const int estimate =
        tree.Presses(index) + GoalDistance(position.Tiles, goal, wet, SearchStuckCost);
    open.push({-(estimate * 1024 - tree.Presses(index)), index});
  };
  push(tree.AddStart(), start, WetCells(start));
  while (!open.empty() && !meter.Spent()) {
    const std::int32_t index = open.top().second;
    open.pop();
    if (auto presses = tree.Expand(index, tree.Unpack(index), meter, push)) return presses;
  }
  return std::nullopt;
}

std::optional<std::vector<TMove>> BeamTowardGoal(const TPosition& start, const TGoalJoins& goal,
                                                 int width, TBudgetMeter& meter) {
  TPressTree tree(start);
  std::vector<std::pair<int, std::int32_t>> layer{{0, tree.AddStart()}};
  while (!layer.empty() && !meter.Spent()) {
    std::vector<std::pair<int, std::int32_t>> next;
    const auto keep = [&](std::int32_t index, const TPosition& position, const TCellSet& wet) {
      next.push_back({GoalDistance(position.Tiles, goal, wet, BeamStuckCost), index});
    };
    for (const auto& [distance, index] : layer)
      if (auto presses = tree.Expand(index, tree.Unpack(index), meter, keep)) return presses;
    std::stable_sort(next.begin(), next.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    if (next.size() > static_cast<std::size_t>(width)) next.resize(static_cast<std::size_t>(width));
    layer = std::move(next);
  }
  return std::nullopt;
}
