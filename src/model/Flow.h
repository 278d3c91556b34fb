#pragma once

#include <bitset>

#include "model/Board.h"

using TCellSet = std::bitset<CellCount>;

// The one flood, for the game, the solver and the tools: the start cell
// (by index) is always wet, and so is every tile joined to it through
// facing openings.
TCellSet Flood(const std::array<TTileCode, CellCount>& tiles, int sourceIndex);

// NewFlow becomes the flood from the flood start.
void ComputeFlow(TBoardState& state);

// Whether the flood changed the water the board shows; the flow update then
// animates the cells that differ and settles them.
bool FlowChanged(const TBoard& board);
void SettleFlow(TBoard& board);

// Every tile carries water: a property of the state, however far its
// animation got.
bool IsSolved(const TBoardState& state);

// A tile's openings as bits: right 1, up 2, left 4, down 8.
unsigned OpeningBits(TTileCode code);
constexpr unsigned DirectionBit(int direction) { return 1u << direction; }
// The index of the neighbouring cell, or -1 off the board.
int NextIndex(int index, int direction);
