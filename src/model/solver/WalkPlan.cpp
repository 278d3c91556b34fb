#include "model/solver/WalkPlan.h"

#include <algorithm>

namespace {

class TWalker {
 public:
  TWalker(const TPosition& start, const TSpanningTree& goal)
      : position_(start), goal_(goal), tiles_(TileCells(start)) {}

  std::optional<std::vector<TMove>> Run() {
    entered_.set(static_cast<std::size_t>(position_.Source));
    Visit(position_.Source);
    while (TurnBackWetTiles()) {
    }
    if ((WetCells(position_) & tiles_) != tiles_) return std::nullopt;
    return presses_;
  }

 private:
  static std::size_t Index(int cell) { return static_cast<std::size_t>(cell); }
  int Rotation(int cell) const { return RotationOf(position_.Tiles[Index(cell)]); }
  int Kind(int cell) const { return KindOf(position_.Tiles[Index(cell)]); }
  int GoalRotation(int cell) const {
    return NearestFittingRotation(Kind(cell), Rotation(cell), goal_.Joins[Index(cell)]);
  }
  bool AtGoal(int cell) const { return GoalRotation(cell) == Rotation(cell); }
  bool Opens(int cell, int direction) const {
    return OpeningBits(position_.Tiles[Index(cell)]) & DirectionBit(direction);
  }

  // Presses the tile until it has the rotation; false if it is dry.
  bool TurnTo(int cell, int rotation) {
    if (rotation == Rotation(cell)) return true;
    if (!WetCells(position_).test(Index(cell))) return false;
    for (TMouseButton button : TurnPresses(Rotation(cell), rotation)) {
      PressTile(position_, cell, button);
      presses_.push_back({button, CellAt(Index(cell))});
    }
    return true;
  }

  // Of the rotations open toward the direction, the one that keeps most of
  // the goal's joins, then the nearest.
  int RotationToward(int cell, int direction) const {
    const unsigned goal = goal_.Joins[Index(cell)] | DirectionBit(direction);
    for (unsigned drop = 0; drop < 16; ++drop) {
      if ((drop & goal) != drop || (drop & DirectionBit(direction))) continue;
      const int rotation = NearestFittingRotation(Kind(cell), Rotation(cell), goal & ~drop);
      if (rotation >= 0) return rotation;
    }
    return NearestFittingRotation(Kind(cell), Rotation(cell), DirectionBit(direction));
  }

  // The tile is wet. Children that need it turned away from its goal go
  // first, while it still is.
  void Visit(int cell) {
    for (bool awayFromGoal : {true, false}) {
      if (!awayFromGoal) TurnTo(cell, GoalRotation(cell));
      for (int d = 0; d < DirectionCount; ++d)
        if (WaitsToEnter(cell, d) && awayFromGoal == !(goal_.Joins[Index(cell)] & DirectionBit(d)))
          Enter(cell, d);
    }
  }

  bool WaitsToEnter(int cell, int direction) const {
    const int next = NextIndex(cell, direction);
    return next >= 0 && tiles_.test(Index(next)) && !entered_.test(Index(next)) &&
           Opens(next, Opposite(direction));
  }

  void Enter(int cell, int direction) {
    if (!WaitsToEnter(cell, direction)) return;
    if (!Opens(cell, direction) && !TurnTo(cell, RotationToward(cell, direction))) return;
    const int next = NextIndex(cell, direction);
    if (!WetCells(position_).test(Index(next))) return;
    entered_.set(Index(next));
    Visit(next);
  }

  bool TurnBackWetTiles() {
    const TCellSet wet = WetCells(position_);
    for (int cell = 0; cell < CellCount; ++cell)
      if (wet.test(Index(cell)) && tiles_.test(Index(cell)) && !AtGoal(cell)) {
        TurnTo(cell, GoalRotation(cell));
        return true;
      }
    return false;
  }

  TPosition position_;
  const TSpanningTree& goal_;
  TCellSet tiles_;
  TCellSet entered_;
  std::vector<TMove> presses_;
};

}  // namespace

std::optional<std::vector<TMove>> WalkToGoal(const TPosition& start, const TSpanningTree& goal) {
  return TWalker(start, goal).Run();
}
