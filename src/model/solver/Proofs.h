#pragma once

#include "model/solver/Position.h"

// Whether the board plainly cannot be solved, whatever is pressed: a tile
// without openings, a tile that can never get wet, or too few openings to
// join all tiles. False means only that no such reason was found.
bool PlainlyUnsolvable(const TPosition& start);

// Whether some tile has no openings in any rotation (the solver's searches
// take only boards without).
bool HasPlugs(const TPosition& start);
