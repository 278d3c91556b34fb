#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "model/Board.h"
#include "model/BoardInput.h"
#include "model/LevelRec.h"

// How much the solver may do before it answers "unknown": a number of boards
// to look at, and a test it asks every few hundred boards (the caller's
// clock, say: the solver keeps none).
struct TSolverBudget {
  std::int64_t Boards = 0;
  std::function<bool()> Stop;
};

// The budget par is found with: counted in boards, not seconds, so that a
// level has the same par on every machine.
inline constexpr std::int64_t ParBoards = 2'000'000;

enum class TVerdict { Solvable, Unsolvable, Unknown };

// When solvable, the game's own press rule replays the presses and the last
// one solves the level; none when it is solved already.
struct TSolution {
  TVerdict Verdict = TVerdict::Unknown;
  std::vector<TMove> Presses;
};

// A level as it starts, with the fewest presses the budget finds: par.
TSolution SolveLevel(const TLevelRec& level, const TSolverBudget& budget);
// A state of play: its tiles and flood start; its water is the flood from
// there. Answers quickly, with presses not always the fewest.
TSolution SolveBoard(const TBoardState& board, const TSolverBudget& budget);
