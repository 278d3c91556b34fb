#include "model/solver/CheapGoal.h"

#include <vector>

namespace {

// xorshift: the same numbers on every machine.
class TSmallRandom {
 public:
  explicit TSmallRandom(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
  int Below(int n) {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<int>(state_ % static_cast<std::uint32_t>(n));
  }

 private:
  std::uint32_t state_;
};

class TGoalLook {
 public:
  TGoalLook(const TPosition& start, std::uint32_t seed, int partCost, TBudgetMeter& meter)
      : start_(start),
        // Odd seeds steer toward goals a player can reach without turning tiles aside.
        stuckCost_(seed % 2 ? 2 : 0),
        partCost_(partCost),
        random_(seed),
        meter_(meter),
        wet_(WetCells(start)) {
    for (int cell = 0; cell < CellCount; ++cell) {
      const TTileCode tile = start.Tiles[static_cast<std::size_t>(cell)];
      if (tile == 0) continue;
      SetRotation(cell, RotationOf(tile));
      tiles_.push_back(cell);
      if (KindOf(tile) != tkCross && !start.Locked.test(static_cast<std::size_t>(cell)))
        free_.push_back(cell);
    }
  }

  TCheapGoal Run() {
    TCheapGoal best;
    int cost = Cost();
    if (parts_ == 1) return {joins_, cost};
    if (free_.empty()) return best;
    constexpr int Steps = 40'000;
    for (int step = 0; step < Steps && meter_.Spend(); ++step) {
      const int threshold = 3 * (Steps - step) / Steps;
      const int cell =
          free_[static_cast<std::size_t>(random_.Below(static_cast<int>(free_.size())))];
      const auto index = static_cast<std::size_t>(cell);
      const int old = rotations_[index];
      const bool straight = KindOf(start_.Tiles[index]) == tkStraight;
      SetRotation(cell, straight ? (old + 1) % 4 : (old + 1 + random_.Below(3)) % 4);
      const int newCost = Cost();
      if (newCost - cost <= threshold) {
        cost = newCost;
        if (parts_ == 1 && (best.Distance < 0 || cost < best.Distance)) best = {joins_, cost};
      } else {
        SetRotation(cell, old);
      }
    }
    return best;
  }

 private:
  void SetRotation(int cell, int rotation) {
    const auto index = static_cast<std::size_t>(cell);
    rotations_[index] = static_cast<std::uint8_t>(rotation);
    const TTileCode tile = MakeTileCode(rotation, KindOf(start_.Tiles[index]));
    joins_[index] = static_cast<std::uint8_t>(OpeningBits(tile));
  }

  int Cost() {
    parts_ = Parts();
    return GoalDistance(start_.Tiles, joins_, wet_, stuckCost_) + partCost_ * (parts_ - 1);
  }

  int Find(int cell) {
    while (parent_[static_cast<std::size_t>(cell)] != cell)
      cell = parent_[static_cast<std::size_t>(cell)] =
          parent_[static_cast<std::size_t>(parent_[static_cast<std::size_t>(cell)])];
    return cell;
  }

  // The groups of tiles the water passes between.
  int Parts() {
    for (int cell : tiles_) parent_[static_cast<std::size_t>(cell)] = cell;
    int parts = static_cast<int>(tiles_.size());
    for (int cell : tiles_)
      for (int d : {dirRight, dirDown}) {
        const int next = NextIndex(cell, d);
        if (next < 0 || start_.Tiles[static_cast<std::size_t>(next)] == 0) continue;
        if (!(joins_[static_cast<std::size_t>(cell)] & DirectionBit(d)) ||
            !(joins_[static_cast<std::size_t>(next)] & DirectionBit(Opposite(d))))
          continue;
        const int a = Find(cell), b = Find(next);
        if (a != b) {
          parent_[static_cast<std::size_t>(a)] = b;
          --parts;
        }
      }
    return parts;
  }

  const TPosition& start_;
  int stuckCost_;
  // What a group of tiles left apart costs, against a quarter turn's one.
  int partCost_;
  TSmallRandom random_;
  TBudgetMeter& meter_;
  TCellSet wet_;
  std::vector<int> tiles_, free_;
  std::array<std::uint8_t, CellCount> rotations_{};
  TGoalJoins joins_{};
  std::array<int, CellCount> parent_{};
  int parts_ = 0;
};

}  // namespace

TCheapGoal FindCheapGoal(const TPosition& start, std::uint32_t seed, TBudgetMeter& meter) {
  // Where joining the groups costs more turns than they are fined, the
  // search keeps them apart: it tries again with a heavier fine.
  for (int partCost : {4, 8})
    if (TCheapGoal goal = TGoalLook(start, seed, partCost, meter).Run(); goal.Distance >= 0)
      return goal;
  return {};
}
