#include <gtest/gtest.h>

#include <random>

#include "model/BoardText.h"
#include "model/Flow.h"
#include "model/Solver.h"

namespace {

TSolverBudget Boards(std::int64_t boards) { return {boards, {}}; }

TBoard Settled(TBoard board) {
  ComputeFlow(board);
  SettleFlow(board);
  return board;
}

// The game's rule: every press lands on a wet tile, and only the last one solves.
bool Solves(TBoard board, const std::vector<TMove>& presses) {
  board = Settled(board);
  for (const TMove& move : presses) {
    if (IsSolved(board, psRunning) || !PressInPlay(board, move.Button, move.Cell)) return false;
    SettleFlow(board);
  }
  return IsSolved(board, psRunning);
}

// Random presses on wet tiles, as a player could make them.
TBoard Scrambled(TBoard board, int presses, unsigned seed) {
  std::mt19937 random(seed);
  board = Settled(board);
  for (int done = 0; done < presses;) {
    const TCell cell = CellAt(random() % CellCount);
    const auto button = random() % 2 ? TMouseButton::Left : TMouseButton::Right;
    if (board.Tile(cell) == 0 || !board.Shown(cell)) continue;
    PressInPlay(board, button, cell);
    SettleFlow(board);
    ++done;
  }
  return board;
}

// Every cell a tile: a comb of pipes hanging from the top row.
const char* const Comb =
    "┌┬┬┬┬┬┬┬┬┐\n"
    "││││││││││\n"
    "││││││││││\n"
    "├┤││││││├┤\n"
    "││││││││││\n"
    "││├┤││├┤││\n"
    "││││││││││\n"
    "╵╵╵╵╵╵╵╵╵╵\n";

struct TUnsolvable {
  const char* Why;
  const char* Picture;
};

// Each for another reason; the last is found only by trying every board a player can reach.
const TUnsolvable Unsolvables[] = {
    {"a piece without openings", "╶#\n"},
    {"an end that faces the edge", "╶╵\n"},
    {"two networks without a way between", "╶╴.╶╴\n"},
    {"ends alone", "╶╴╴\n"},
    {"an elbow between two ends in a line", "╶┘╴\n"},
    {"an end that can only be entered through an end it strands", "┌╴\n└╵\n"},
};

TEST(Solver, ProvesLevelsUnsolvableForEachReasonAndSolvesLookAlikes) {
  for (const TUnsolvable& level : Unsolvables) {
    const TBoard board = BoardFromText(level.Picture, {1, 1});
    EXPECT_EQ(SolveBoard(board, Boards(1'000'000)).Verdict, TVerdict::Unsolvable) << level.Why;
  }
  // The stranding end and the elbow above, each changed a little.
  for (const char* picture : {"┌╴\n└╴\n", "╶┤╴\n", "╶╴\n"}) {
    const TBoard board = BoardFromText(picture, {1, 1});
    const TSolution solution = SolveBoard(board, Boards(1'000'000));
    ASSERT_EQ(solution.Verdict, TVerdict::Solvable) << picture;
    EXPECT_TRUE(Solves(board, solution.Presses) || solution.Presses.empty()) << picture;
  }
}

// Four hundred random presses leave little of the comb; a search that looks
// a few presses ahead finds nothing here.
TEST(Solver, SolvesDeepScramblesOfAFullBoardWithinItsBudget) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    const TBoard board = Scrambled(BoardFromText(Comb, {5, 1}), 400, seed);
    if (IsSolved(board, psRunning)) continue;
    const TSolution solution = SolveBoard(board, Boards(2'000'000));
    ASSERT_EQ(solution.Verdict, TVerdict::Solvable) << "seed " << seed << "\n" << BoardText(board);
    EXPECT_TRUE(Solves(board, solution.Presses)) << "seed " << seed;
  }
  // With its budget spent, it answers unknown rather than guess.
  const TBoard board = Scrambled(BoardFromText(Comb, {5, 1}), 400, 7);
  EXPECT_EQ(SolveBoard(board, Boards(10)).Verdict, TVerdict::Unknown);
  EXPECT_TRUE(SolveBoard(Settled(BoardFromText(Comb, {5, 1})), Boards(10)).Presses.empty());
}

}  // namespace
