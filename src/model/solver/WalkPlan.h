#pragma once

#include <optional>
#include <vector>

#include "model/BoardInput.h"
#include "model/solver/SpanningTree.h"

// A walk that turns every tile into a rotation open toward its joins in the
// goal tree. It enters each tile through an opening the tile has before it
// is turned, first turning the tile it comes from toward it; a tile that
// was turned away from its goal on the way is turned back once it is wet
// again. The walk is played by the press rule as it is planned: nothing
// when it gets stuck. Variants other than 0 take the neighbours in other orders.
std::optional<std::vector<TMove>> WalkToGoal(const TPosition& start, const TSpanningTree& goal,
                                             unsigned variant = 0);
