#include <gtest/gtest.h>

#include <random>

#include "model/BoardText.h"
#include "model/Flow.h"
#include "model/Generator.h"
#include "model/Solver.h"

namespace {

TSolverBudget Boards(std::int64_t boards) { return {boards, {}}; }

TBoardState Flooded(TBoardState board) {
  ComputeFlow(board);
  return board;
}

// The game's rule: every press lands on a wet tile, and only the last one solves.
bool Solves(TBoardState board, const std::vector<TMove>& presses) {
  board = Flooded(board);
  for (const TMove& move : presses) {
    const std::optional<TPress> press = PressCell(board, move);
    if (IsSolved(board) || !press) return false;
    board = press->After;
  }
  return IsSolved(board);
}

// Random presses on wet tiles, as a player could make them.
TBoardState Scrambled(TBoardState board, int presses, unsigned seed) {
  std::mt19937 random(seed);
  board = Flooded(board);
  for (int done = 0; done < presses;) {
    const TCell cell = CellAt(random() % CellCount);
    const auto button = random() % 2 ? TMouseButton::Left : TMouseButton::Right;
    const std::optional<TPress> press = PressCell(board, {button, cell});
    if (!press) continue;
    board = press->After;
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
    const TBoardState board = BoardFromText(level.Picture, {1, 1});
    EXPECT_EQ(SolveBoard(board, Boards(1'000'000)).Verdict, TVerdict::Unsolvable) << level.Why;
  }
  // The stranding end and the elbow above, each changed a little.
  for (const char* picture : {"┌╴\n└╴\n", "╶┤╴\n", "╶╴\n"}) {
    const TBoardState board = BoardFromText(picture, {1, 1});
    const TSolution solution = SolveBoard(board, Boards(1'000'000));
    ASSERT_EQ(solution.Verdict, TVerdict::Solvable) << picture;
    EXPECT_TRUE(Solves(board, solution.Presses) || solution.Presses.empty()) << picture;
  }
}

// Four hundred random presses leave little of the comb; a search that looks
// a few presses ahead finds nothing here.
TEST(Solver, SolvesDeepScramblesOfAFullBoardWithinItsBudget) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    const TBoardState board = Scrambled(BoardFromText(Comb, {5, 1}), 400, seed);
    if (IsSolved(board)) continue;
    const TSolution solution = SolveBoard(board, Boards(2'000'000));
    ASSERT_EQ(solution.Verdict, TVerdict::Solvable) << "seed " << seed << "\n" << BoardText(board);
    EXPECT_TRUE(Solves(board, solution.Presses)) << "seed " << seed;
  }
  // With its budget spent, it answers unknown rather than guess.
  const TBoardState board = Scrambled(BoardFromText(Comb, {5, 1}), 400, 7);
  EXPECT_EQ(SolveBoard(board, Boards(10)).Verdict, TVerdict::Unknown);
}

// Eight hundred random presses on a tree of 75 pipes: the plans along trees
// get stuck, and the searches that steer by trees find nothing in time.
TEST(Solver, SolvesRandomScramblesOfATreeOfPipes) {
  TRawRandom random(2);
  TBoard tree;
  LoadLevelToBoard(tree, GenerateLevel(random, {75, 1, 0}).Level);
  const TBoardState board = Scrambled(tree.State(), 800, 2);
  const TSolution solution = SolveBoard(board, Boards(2'000'000));
  ASSERT_EQ(solution.Verdict, TVerdict::Solvable) << BoardText(board);
  EXPECT_TRUE(Solves(board, solution.Presses));
}

// Tiles locked as they stand in the solved comb stay fit for a solution
// that turns none of them; a lock on the one tile that must turn leaves none.
TEST(Solver, KeepsLockedTilesAsTheyStand) {
  TBoardState comb = Flooded(BoardFromText(Comb, {5, 1}));
  for (std::size_t i = 0; i < CellCount; i += 3) comb.Locks[i] = 1;
  for (unsigned seed = 1; seed <= 3; ++seed) {
    const TBoardState board = Scrambled(comb, 300, seed);
    const TSolution solution = SolveBoard(board, Boards(2'000'000));
    ASSERT_EQ(solution.Verdict, TVerdict::Solvable) << "seed " << seed << "\n" << BoardText(board);
    EXPECT_TRUE(Solves(board, solution.Presses)) << "seed " << seed;
  }
  TBoardState stuck = BoardFromText("│╴\n", {1, 1});
  EXPECT_EQ(SolveBoard(stuck, Boards(1'000'000)).Verdict, TVerdict::Solvable);
  stuck.Locks[CellIndex({1, 1})] = 1;
  EXPECT_EQ(SolveBoard(stuck, Boards(1'000'000)).Verdict, TVerdict::Unsolvable);
}

}  // namespace
