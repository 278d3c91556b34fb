#pragma once

#include <optional>
#include <vector>

#include "model/BoardInput.h"
#include "model/solver/Budget.h"
#include "model/solver/GoalDistance.h"
#include "model/solver/Position.h"

// Two searches for few presses that bring the tiles to open toward their
// joins in the goal. Both stop at the first board that carries water to
// every tile, goal or not, and both look at each board once.

// Best first by presses made plus the goal distance: the fewest presses
// when the goal can be reached without turning a tile aside, but it may
// spend its budget before it finds a way otherwise.
std::optional<std::vector<TMove>> SearchTowardGoal(const TPosition& start, const TGoalJoins& goal,
                                                   TBudgetMeter& meter);

// Press by press, keeping only the boards of that many presses nearest to
// the goal: it turns tiles aside when that helps, but may miss the fewest.
std::optional<std::vector<TMove>> BeamTowardGoal(const TPosition& start, const TGoalJoins& goal,
                                                 int width, TBudgetMeter& meter);
