#pragma once

#include <array>
#include <bitset>
#include <vector>

#include "model/BoardInput.h"
#include "model/Flow.h"
#include "model/Tiles.h"

// The solver's view of a board in play: tiles, flood start and locked
// tiles, by cell index. A locked tile keeps its rotation.

struct TPosition {
  std::array<TTileCode, CellCount> Tiles{};
  int Source = 0;
  TCellSet Locked;
};

// Whether the tile can open toward every direction of the bits: a locked
// one only as it stands.
bool TileFits(const TPosition& position, int cell, unsigned bits);
// Of the rotations the tile may take that open toward every direction of
// the bits, the one fewest quarter turns away from its own; -1 for none.
int NearestFittingRotation(const TPosition& position, int cell, unsigned bits);
// The same for a tile of the kind with the rotation, free to turn.
int NearestFittingRotation(int kind, int rotation, unsigned bits);
// The fewest quarter turns, either way, from one rotation to another.
int QuarterTurns(int from, int to);
// The presses that turn a tile from one rotation to another: none, one or two.
std::vector<TMouseButton> TurnPresses(int from, int to);

// A number for tie-breaks that differs with the variant: variant 0 keeps
// the plain order, others shuffle it the same way on every run.
inline unsigned TieBreak(unsigned variant, int value) {
  if (variant == 0) return 0;
  unsigned x = variant * 0x9E3779B1u ^ static_cast<unsigned>(value) * 0x85EBCA6Bu;
  x ^= x >> 15;
  x *= 0x2C1B3C6Du;
  return x ^ (x >> 12);
}

// The cells the game's flood from the start reaches.
inline TCellSet WetCells(const TPosition& position) {
  return Flood(position.Tiles, position.Source);
}
TCellSet TileCells(const TPosition& position);

// Turns the tile as a press with the button does and makes it the flood start.
void PressTile(TPosition& position, int index, TMouseButton button);
