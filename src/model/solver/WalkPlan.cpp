#include "model/solver/WalkPlan.h"

#include <algorithm>

namespace {

constexpr int MaxDetour = 6;

class TWalker {
 public:
  TWalker(const TPosition& start, const TSpanningTree& goal, unsigned variant)
      : position_(start), goal_(goal), variant_(variant), tiles_(TileCells(start)) {}

  std::optional<std::vector<TMove>> Run() {
    entered_.set(static_cast<std::size_t>(position_.Source));
    Visit(position_.Source, -1);
    while (FixOneTile()) {
    }
    if ((WetCells(position_) & tiles_) != tiles_) return std::nullopt;
    return presses_;
  }

 private:
  static std::size_t Index(int cell) { return static_cast<std::size_t>(cell); }
  int Rotation(int cell) const { return RotationOf(position_.Tiles[Index(cell)]); }
  int Kind(int cell) const { return KindOf(position_.Tiles[Index(cell)]); }
  int GoalRotation(int cell) const {
    return NearestFittingRotation(position_, cell, goal_.Joins[Index(cell)]);
  }
  bool AtGoal(int cell) const { return GoalRotation(cell) == Rotation(cell); }
  bool Opens(int cell, int direction) const {
    return OpeningBits(position_.Tiles[Index(cell)]) & DirectionBit(direction);
  }

  // Presses the tile until it has the rotation; false if it is dry or locked.
  bool TurnTo(int cell, int rotation) {
    if (rotation == Rotation(cell)) return true;
    if (rotation < 0 || position_.Locked.test(Index(cell))) return false;
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
      const int rotation = NearestFittingRotation(position_, cell, goal & ~drop);
      if (rotation >= 0) return rotation;
    }
    return NearestFittingRotation(position_, cell, DirectionBit(direction));
  }

  // Visits every tile that can still be entered from this wet one, then
  // gives the tile its last turn. Afterwards the tile it was entered from
  // (in direction back) is wet again.
  void Visit(int cell, int back) {
    const unsigned first = TieBreak(variant_, cell) % DirectionCount;
    for (unsigned turn = 0; turn < DirectionCount; ++turn) {
      const auto d = static_cast<int>((first + turn) % DirectionCount);
      if (!WaitsToEnter(cell, d)) continue;
      if (!Opens(cell, d)) TurnTo(cell, RotationToward(cell, d));
      const int next = NextIndex(cell, d);
      entered_.set(Index(next));
      Visit(next, Opposite(d));
    }
    Leave(cell, back);
  }

  bool WaitsToEnter(int cell, int direction) const {
    const int next = NextIndex(cell, direction);
    return next >= 0 && tiles_.test(Index(next)) && !entered_.test(Index(next)) &&
           Opens(next, Opposite(direction));
  }

  // The goal rotation, if the way back stays wet; otherwise the rotation
  // nearest to it that opens the way back.
  void Leave(int cell, int back) {
    if (back < 0) {
      TurnTo(cell, GoalRotation(cell));
      return;
    }
    const int parent = NextIndex(cell, back);
    const TPosition before = position_;
    const std::size_t pressed = presses_.size();
    TurnTo(cell, GoalRotation(cell));
    if (WetCells(position_).test(Index(parent))) return;
    position_ = before;
    presses_.resize(pressed);
    TurnTo(cell, RotationToward(cell, back));
  }

  // Turns one more tile into its goal: a wet one at once, a dry one by a
  // detour through neighbours (see Detour). False when none can be.
  bool FixOneTile() {
    const TCellSet wet = WetCells(position_);
    for (int cell = 0; cell < CellCount; ++cell)
      if (wet.test(Index(cell)) && tiles_.test(Index(cell)) && !AtGoal(cell)) {
        TurnTo(cell, GoalRotation(cell));
        return true;
      }
    for (int depth = 1; depth <= MaxDetour; ++depth)
      for (int cell = 0; cell < CellCount; ++cell)
        if (tiles_.test(Index(cell)) && !AtGoal(cell) && FixByDetour(cell, depth)) return true;
    return false;
  }

  // Every wet tile is at its goal here. Counts only if no tile leaves its goal.
  bool FixByDetour(int cell, int depth) {
    const TPosition before = position_;
    const std::size_t pressed = presses_.size();
    const TCellSet atGoal = TilesAtGoal();
    if (SetRotation(cell, GoalRotation(cell), depth) && (TilesAtGoal() & atGoal) == atGoal)
      return true;
    position_ = before;
    presses_.resize(pressed);
    return false;
  }

  TCellSet TilesAtGoal() const {
    TCellSet atGoal;
    for (int cell = 0; cell < CellCount; ++cell)
      atGoal[Index(cell)] = tiles_.test(Index(cell)) && AtGoal(cell);
    return atGoal;
  }

  // Turns the tile to the rotation; a dry one through a neighbour it opens
  // toward, which turns toward it for the moment (the same way, up to depth
  // steps away) and back to its goal afterwards.
  bool SetRotation(int cell, int rotation, int depth) {
    if (TurnTo(cell, rotation)) return true;
    if (depth == 0) return false;
    for (int d = 0; d < DirectionCount; ++d) {
      const int next = NextIndex(cell, d);
      if (next < 0 || !tiles_.test(Index(next)) || !Opens(cell, d)) continue;
      for (int toward : RotationsToward(next, Opposite(d))) {
        const TPosition before = position_;
        const std::size_t pressed = presses_.size();
        if (SetRotation(next, toward, depth - 1) && TurnTo(cell, rotation) &&
            SetRotation(next, GoalRotation(next), depth - 1))
          return true;
        position_ = before;
        presses_.resize(pressed);
      }
    }
    return false;
  }

  // The rotations open toward the direction, one of each look.
  std::vector<int> RotationsToward(int cell, int direction) const {
    std::vector<int> rotations;
    unsigned seen = 0;
    for (int rotation = 0; rotation < 4; ++rotation) {
      const unsigned openings = OpeningBits(MakeTileCode(rotation, Kind(cell)));
      if ((openings & DirectionBit(direction)) && !(seen & (1u << openings))) {
        seen |= 1u << openings;
        rotations.push_back(rotation);
      }
    }
    return rotations;
  }

  TPosition position_;
  const TSpanningTree& goal_;
  unsigned variant_;
  TCellSet tiles_;
  TCellSet entered_;
  std::vector<TMove> presses_;
};

}  // namespace

std::optional<std::vector<TMove>> WalkToGoal(const TPosition& start, const TSpanningTree& goal,
                                             unsigned variant) {
  return TWalker(start, goal, variant).Run();
}
