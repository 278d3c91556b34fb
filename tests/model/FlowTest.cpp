#include <gtest/gtest.h>

#include "Flow.h"
#include "support/FakeBoardHost.h"

namespace {

TBoard Flooded(const TLevelBuilder& level) {
  TBoard board;
  LoadLevelToBoard(board, level.Rec);
  ComputeFlow(board);
  return board;
}

std::vector<TCell> WetCells(const TBoard& board) {
  std::vector<TCell> wet;
  for (std::size_t i = 0; i < CellCount; ++i)
    if (board.NewFlow[i]) wet.push_back(CellAt(i));
  return wet;
}

TEST(Flood, StartCellIsWetWhateverItHolds) {
  EXPECT_EQ(WetCells(Flooded(TLevelBuilder{}.Start(4, 4))), (std::vector<TCell>{{4, 4}}));
  // A piece without openings at the start is wet but leads nowhere.
  EXPECT_EQ(WetCells(Flooded(TLevelBuilder{}.Tile(4, 4, 6).Tile(5, 4, 3).Start(4, 4))),
            (std::vector<TCell>{{4, 4}}));
}

TEST(Flood, NeedsFacingOpeningsOnBothSides) {
  const auto joined = TLevelBuilder{}.Tile(1, 1, 1).Tile(2, 1, 17);  // ends facing each other
  EXPECT_EQ(WetCells(Flooded(joined)), (std::vector<TCell>{{1, 1}, {2, 1}}));
  const auto turnedAway = TLevelBuilder{}.Tile(1, 1, 1).Tile(2, 1, 9);  // second opens up
  EXPECT_EQ(WetCells(Flooded(turnedAway)), (std::vector<TCell>{{1, 1}}));
  const auto gap = TLevelBuilder{}.Tile(1, 1, 1).Tile(3, 1, 17);  // facing across an empty cell
  EXPECT_EQ(WetCells(Flooded(gap)), (std::vector<TCell>{{1, 1}}));
}

TEST(Flood, OpeningsTowardTheEdgeAreDeadEnds) {
  // A cross in the corner: its openings off the board change nothing.
  const auto corner = TLevelBuilder{}.Tile(10, 1, 5).Tile(9, 1, 1).Tile(10, 2, 9).Start(10, 1);
  EXPECT_EQ(WetCells(Flooded(corner)), (std::vector<TCell>{{9, 1}, {10, 1}, {10, 2}}));
}

TEST(Flood, ARingAndABranchAreWetOnce) {
  // A 2 x 2 ring of elbows with a tail below, started from the tail.
  const auto ring = TLevelBuilder{}
                        .Tile(1, 1, 26)  // right, down
                        .Tile(2, 1, 18)  // left, down
                        .Tile(1, 2, 2)   // right, up
                        .Tile(2, 2, 12)  // tee: up, left, down
                        .Tile(2, 3, 9)   // end, up
                        .Start(2, 3);
  EXPECT_EQ(WetCells(Flooded(ring)).size(), 5u);
}

TEST(FlowUpdate, UnchangedWaterReturnsAtOnce) {
  TBoard board = Flooded(TLevelBuilder{});
  TFakeBoardHost host;
  AnimateFlow(board, host);
  EXPECT_TRUE(host.Events.empty());
  EXPECT_EQ(host.Now, 0);
}

TEST(FlowUpdate, PlaysTheWaterCueThenSixPacedPhases) {
  TBoard board = Flooded(TLevelBuilder{}.Tile(1, 1, 1).Tile(2, 1, 17));
  TFakeBoardHost host;
  AnimateFlow(board, host);
  std::vector<std::string> expected{"cue 1"};
  for (int j = 0; j < 6; ++j) {
    expected.push_back("phase " + std::to_string(j));
    expected.push_back("wait 51");
  }
  EXPECT_EQ(host.Events, expected);
  EXPECT_EQ(board.ShownFlow, board.NewFlow);
}

TEST(Solved, EveryTileMustShowWater) {
  TBoard board = Flooded(TLevelBuilder{}.Tile(1, 1, 1).Tile(2, 1, 17));
  EXPECT_FALSE(IsSolved(board, psRunning));  // the second tile is not drawn wet yet
  board.ShownFlow = board.NewFlow;
  EXPECT_TRUE(IsSolved(board, psRunning));
  EXPECT_TRUE(IsSolved(board, psSolved));
  EXPECT_FALSE(IsSolved(board, psEditing));
  EXPECT_TRUE(IsSolved(Flooded(TLevelBuilder{}), psRunning));  // no tiles at all
}

TEST(Solved, APieceWithoutOpeningsBlocksUnlessItIsTheStart) {
  TBoard board = Flooded(TLevelBuilder{}.Tile(1, 1, 1).Tile(2, 1, 17).Tile(5, 5, 7));
  board.ShownFlow = board.NewFlow;
  EXPECT_FALSE(IsSolved(board, psRunning));
  TBoard alone = Flooded(TLevelBuilder{}.Tile(5, 5, 7).Start(5, 5));
  alone.ShownFlow = alone.NewFlow;
  EXPECT_TRUE(IsSolved(alone, psRunning));
}

}  // namespace
