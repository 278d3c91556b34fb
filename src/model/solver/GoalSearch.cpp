#include "model/solver/GoalSearch.h"

#include <algorithm>
#include <queue>

namespace {

// Two bits of rotation per cell, the rotations that look alike (a straight
// turned half round, any cross) as one, and the first wet cell: two boards
// with the same key play alike from then on.
using TPacked = std::array<std::uint64_t, 3>;

int Look(TTileCode tile) {
  const int kind = KindOf(tile), rotation = RotationOf(tile);
  return kind == tkCross ? 0 : kind == tkStraight ? rotation % 2 : rotation;
}

// Every bit of the key reaches the low bits that pick the slot.
std::uint64_t Hash(const TPacked& packed) {
  std::uint64_t hash = 0;
  for (std::uint64_t word : packed) {
    hash = (hash ^ word) * 0x9E3779B97F4A7C15u;
    hash ^= hash >> 32;
  }
  hash *= 0xBF58476D1CE4E5B9u;
  return hash ^ (hash >> 29);
}

// Keys in one array, probed in a row: searches meet a board in a few
// hundred nanoseconds, and a lookup in a chained set missed the cache.
// No key is all zero: the first wet cell is counted from one.
class TPackedSet {
 public:
  bool Insert(const TPacked& key) {
    if (2 * (count_ + 1) > slots_.size()) Grow();
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = Hash(key) & mask;; i = (i + 1) & mask) {
      if (slots_[i] == key) return false;
      if (slots_[i] == TPacked{}) {
        slots_[i] = key;
        ++count_;
        return true;
      }
    }
  }

 private:
  void Grow() {
    std::vector<TPacked> old(std::max<std::size_t>(1024, 2 * slots_.size()));
    old.swap(slots_);
    count_ = 0;
    for (const TPacked& key : old)
      if (key != TPacked{}) Insert(key);
  }

  std::vector<TPacked> slots_;
  std::size_t count_ = 0;
};

// The boards a search met, each with the press that led to it.
class TPressTree {
 public:
  explicit TPressTree(const TPosition& start) : start_(start), tiles_(TileCells(start)) {}

  // The new board's index, or -1 when it was met before.
  std::int32_t Add(const TPosition& position, const TCellSet& wet, std::int32_t parent,
                   TMove move) {
    TPacked key{};
    for (int cell = 0; cell < CellCount; ++cell) {
      const TTileCode tile = position.Tiles[static_cast<std::size_t>(cell)];
      key[static_cast<std::size_t>(cell / 32)] |= static_cast<std::uint64_t>(Look(tile))
                                                  << (static_cast<unsigned>(cell % 32) * 2);
    }
    key[2] |= static_cast<std::uint64_t>(wet._Find_first() + 1) << 40;
    if (!seen_.Insert(key)) return -1;
    const int presses = parent < 0 ? 0 : nodes_[static_cast<std::size_t>(parent)].Presses + 1;
    nodes_.push_back({key, parent, move, presses});
    return static_cast<std::int32_t>(nodes_.size() - 1);
  }

  TPosition Unpack(std::int32_t index) const {
    const TNode& node = nodes_[static_cast<std::size_t>(index)];
    TPosition position = start_;
    position.Source = static_cast<int>(CellIndex(node.Move.Cell));
    for (int cell = 0; cell < CellCount; ++cell) {
      TTileCode& tile = position.Tiles[static_cast<std::size_t>(cell)];
      const auto rotation = (node.Key[static_cast<std::size_t>(cell / 32)] >>
                             (static_cast<unsigned>(cell % 32) * 2)) &
                            3u;
      if (tile != 0) tile = MakeTileCode(static_cast<int>(rotation), KindOf(tile));
    }
    return position;
  }

  int Presses(std::int32_t index) const { return nodes_[static_cast<std::size_t>(index)].Presses; }

  std::vector<TMove> PathTo(std::int32_t index) const {
    std::vector<TMove> presses;
    for (; nodes_[static_cast<std::size_t>(index)].Parent >= 0;
         index = nodes_[static_cast<std::size_t>(index)].Parent)
      presses.push_back(nodes_[static_cast<std::size_t>(index)].Move);
    std::reverse(presses.begin(), presses.end());
    return presses;
  }

  // Calls add(child, wet) for every board one press on from the node, or
  // gives the presses that solve the level; nothing once the budget is spent.
  template <typename TAdd>
  std::optional<std::vector<TMove>> Expand(std::int32_t index, TBudgetMeter& meter, TAdd add) {
    const TPosition position = Unpack(index);
    const TCellSet wet = WetCells(position);
    for (int cell = 0; cell < CellCount; ++cell) {
      const auto at = static_cast<std::size_t>(cell);
      const TTileCode tile = position.Tiles[at];
      if (!wet.test(at) || tile == 0 || KindOf(tile) == tkCross || start_.Locked.test(at)) continue;
      for (TMouseButton button : {TMouseButton::Left, TMouseButton::Right}) {
        if (!meter.Spend()) return std::nullopt;
        TPosition next = position;
        PressTile(next, cell, button);
        const TCellSet nextWet = WetCells(next);
        const TMove move{button, CellAt(at)};
        if ((nextWet & tiles_) == tiles_) {
          std::vector<TMove> presses = PathTo(index);
          presses.push_back(move);
          return presses;
        }
        if (const std::int32_t child = Add(next, nextWet, index, move); child >= 0)
          add(child, next, nextWet);
      }
    }
    return std::nullopt;
  }

 private:
  struct TNode {
    TPacked Key;
    std::int32_t Parent;
    TMove Move;  // the first board's names its flood start
    int Presses;
  };

  const TPosition& start_;
  TCellSet tiles_;
  std::vector<TNode> nodes_;
  TPackedSet seen_;
};

// A tile that cannot get wet counts one turn more in the best-first
// search, so that it seldom passes the fewest presses by, and two in the
// beam, where a neighbour turned aside and back is what it costs.
constexpr int SearchStuckCost = 1;
constexpr int BeamStuckCost = 2;

std::int32_t AddStart(TPressTree& tree, const TPosition& start) {
  return tree.Add(start, WetCells(start), -1,
                  {TMouseButton::Middle, CellAt(static_cast<std::size_t>(start.Source))});
}

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
  push(AddStart(tree, start), start, WetCells(start));
  while (!open.empty() && !meter.Spent()) {
    const std::int32_t index = open.top().second;
    open.pop();
    if (auto presses = tree.Expand(index, meter, push)) return presses;
  }
  return std::nullopt;
}

std::optional<std::vector<TMove>> BeamTowardGoal(const TPosition& start, const TGoalJoins& goal,
                                                 int width, TBudgetMeter& meter) {
  TPressTree tree(start);
  std::vector<std::pair<int, std::int32_t>> layer{{0, AddStart(tree, start)}};
  while (!layer.empty() && !meter.Spent()) {
    std::vector<std::pair<int, std::int32_t>> next;
    const auto keep = [&](std::int32_t index, const TPosition& position, const TCellSet& wet) {
      next.push_back({GoalDistance(position.Tiles, goal, wet, BeamStuckCost), index});
    };
    for (const auto& [distance, index] : layer)
      if (auto presses = tree.Expand(index, meter, keep)) return presses;
    std::stable_sort(next.begin(), next.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    if (next.size() > static_cast<std::size_t>(width)) next.resize(static_cast<std::size_t>(width));
    layer = std::move(next);
  }
  return std::nullopt;
}
