#pragma once

#include "model/Board.h"
#include "model/PlayState.h"

// Floods NewFlow from the flood start: the start cell is always wet, and so
// is every tile joined to it through facing openings.
void ComputeFlow(TBoard& board);
void FlowStep(TBoard& board, TCell from, int direction);

// Whether the flood changed the water the board shows; the flow update then
// animates the cells that differ and settles them.
bool FlowChanged(const TBoard& board);
void SettleFlow(TBoard& board);

// Nothing done in the editor ever solves a level.
bool IsSolved(const TBoard& board, TPlayState state);
