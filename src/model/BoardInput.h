#pragma once

#include <functional>
#include <optional>

#include "Board.h"
#include "BoardHost.h"
#include "PlayState.h"

enum class TMouseButton { Left, Right, Middle };

// What a press on the board works on. The game data own all of it.
struct TBoardPress {
  TBoard& Board;
  TBoardHost& Host;
  const TPlayState& State;
  bool& LevelTouched;
  // Presses while editing go here; no editor means they do nothing.
  std::function<void(TMouseButton, TCell)> EditorMouseDown;
};

// The cell under a pixel of the board surface; the frame around the grid hits nothing.
std::optional<TCell> HitTestBoard(int x, int y);

void boxMouseDown(TBoardPress& press, TMouseButton button, int x, int y);

// A press on a cell, after the hit test.
void BoardCellDown(TBoardPress& press, TMouseButton button, TCell cell);
