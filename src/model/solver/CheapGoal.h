#pragma once

#include <array>
#include <cstdint>

#include "model/solver/Budget.h"
#include "model/solver/GoalDistance.h"
#include "model/solver/Position.h"

// The openings of every tile in a rotation under which the water reaches them all.
struct TCheapGoal {
  TGoalJoins Joins{};
  int Distance = -1;  // from the start, as GoalDistance counts; -1 when none was found
};

// Looks for the goal fewest quarter turns away from the start, by a local
// search that may step uphill by less and less. Locked tiles and crosses
// keep their rotation. The same seed gives the same goal everywhere.
TCheapGoal FindCheapGoal(const TPosition& start, std::uint32_t seed, TBudgetMeter& meter);
