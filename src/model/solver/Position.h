#pragma once

#include <array>
#include <bitset>
#include <vector>

#include "model/BoardInput.h"
#include "model/Flow.h"
#include "model/Tiles.h"

// The solver's view of a board in play: tiles and flood start, by cell index.

struct TPosition {
  std::array<TTileCode, CellCount> Tiles{};
  int Source = 0;
};

// Whether some rotation of the kind opens toward every direction of the bits.
bool KindFits(int kind, unsigned bits);
// Of the rotations that open toward every direction of the bits, the one
// fewest quarter turns away from the rotation given.
int NearestFittingRotation(int kind, int rotation, unsigned bits);
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
