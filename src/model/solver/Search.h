#pragma once

#include <optional>
#include <vector>

#include "model/BoardInput.h"
#include "model/solver/Budget.h"
#include "model/solver/Position.h"
#include "model/solver/SpanningTree.h"

struct TSearchAnswer {
  std::optional<std::vector<TMove>> Presses;
  bool Exhausted = false;  // every board a player can reach was looked at: none is solved
};

// What steers the search, against four per press made: the tiles a tree
// grown greedily from the board leaves out, the quarter turns still needed
// for the goal tree, and the dry tiles.
struct TSearchWeights {
  int Shortfall;
  int Turns;
  int Dry;
};

// A best-first search over the boards a player can reach. It finishes along
// a tree as soon as one opens, and looks at every reachable board before it
// gives up. Every tile must have openings.
TSearchAnswer SearchPresses(const TPosition& start, const TSpanningTree& goal,
                            TSearchWeights weights, TBudgetMeter& meter);
