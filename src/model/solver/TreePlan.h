#pragma once

#include <vector>

#include "model/BoardInput.h"
#include "model/solver/SpanningTree.h"

// The presses that turn every tile of the tree, root first and each tile
// before its children, into its nearest rotation open toward all its joins.
// Under TTreeRule::OpenTowardParent each tile is wet when its turn comes:
// its parent is already turned toward it and it still opens toward the parent.
std::vector<TMove> PressesAlongTree(const TPosition& start, const TSpanningTree& tree);
