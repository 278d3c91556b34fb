#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "model/solver/Budget.h"
#include "model/solver/Position.h"

// A tree of pipe joins over every tile, rooted at the flood start, in which
// each tile has a rotation open toward all its joins.
struct TSpanningTree {
  std::array<std::int8_t, CellCount> ParentDirection{};  // -1: the root or no tile
  std::array<std::uint8_t, CellCount> Joins{};           // direction bits
};

enum class TTreeRule {
  // Any two neighbouring tiles may be joined.
  AnyJoin,
  // Each tile is joined to its parent through an opening it has now, so a
  // player can reach it from there before turning it.
  OpenTowardParent,
};

struct TTreeAnswer {
  std::optional<TSpanningTree> Tree;
  bool Exhausted = false;  // no tree exists under the rule
};

// Every tile must have openings. Variants other than 0 break ties otherwise
// and so find other trees.
TTreeAnswer FindSpanningTree(const TPosition& start, TTreeRule rule, TBudgetMeter& meter,
                             unsigned variant = 0);

// Grows a tree as far as it goes without going back, and tells how many
// tiles it left out; with none, the tree holds every tile.
int GreedyTreeShortfall(const TPosition& start, TTreeRule rule, TSpanningTree& tree,
                        unsigned variant = 0);
