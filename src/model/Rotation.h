#pragma once

#include "Board.h"
#include "BoardHost.h"

// A quarter turn anticlockwise on screen, drawn in three frames. The cell
// must hold a tile; its new code is stored before the first frame.
void RotateForward(TBoard& board, TBoardHost& host, TCell cell);

// A quarter turn clockwise on screen, drawn in three frames.
void RotateBackward(TBoard& board, TBoardHost& host, TCell cell);
