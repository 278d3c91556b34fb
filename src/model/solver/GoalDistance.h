#pragma once

#include <array>
#include <cstdint>

#include "model/Flow.h"

// Direction bits by cell: the joins each tile must open toward in the goal.
using TGoalJoins = std::array<std::uint8_t, CellCount>;

// How far the tiles are from opening toward their joins: a quarter turn
// counts one, and a dry tile that must turn but that no neighbour on its
// way to the goal can wet counts that much more (two for a neighbour turned
// aside and back).
int GoalDistance(const std::array<TTileCode, CellCount>& tiles, const TGoalJoins& joins,
                 const TCellSet& wet, int stuckCost);
