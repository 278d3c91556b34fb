#pragma once

#include "Board.h"
#include "BoardHost.h"
#include "PlayState.h"

// Floods NewFlow from the flood start: the start cell is always wet, and so
// is every tile joined to it through facing openings.
void ComputeFlow(TBoard& board);
void FlowStep(TBoard& board, TCell from, int direction);

// The flow update: water sound and six phases when anything changed, then
// the shown water becomes the new water.
void AnimateFlow(TBoard& board, TBoardHost& host);

inline constexpr int FlowPhaseCount = 6;
inline constexpr int FrameDelayMs = 50;

// Nothing done in the editor ever solves a level.
bool IsSolved(const TBoard& board, TPlayState state);
