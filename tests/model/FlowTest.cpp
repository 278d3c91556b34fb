#include <gtest/gtest.h>

#include "model/BoardText.h"
#include "model/Flow.h"

namespace {

// Boards are written as the level tool draws them: a box-drawing character
// per tile whose arms are its openings, heavy where it is wet.
std::string Picture(std::string_view text) { return BoardText(BoardFromText(text, {1, 1})); }

// The tiles of the picture flooded from the start, drawn.
std::string Flooded(std::string_view tiles, TCell start) {
  TBoard board = BoardFromText(tiles, start);
  ComputeFlow(board);
  SettleFlow(board);
  return BoardText(board);
}

std::vector<TCell> WetCells(std::string_view tiles, TCell start) {
  TBoard board = BoardFromText(tiles, start);
  ComputeFlow(board);
  std::vector<TCell> wet;
  for (std::size_t i = 0; i < CellCount; ++i)
    if (board.NewFlow[i]) wet.push_back(CellAt(i));
  return wet;
}

TEST(BoardPicture, ReadsBackWhatItDraws) {
  const std::string picture = Picture("╺┳━╸#\n┃┗┓.┼\n╵├┘╷");
  EXPECT_EQ(Picture(picture), picture);
  const TBoard board = BoardFromText("┘─┼", {1, 1});
  EXPECT_EQ(board.Tile({1, 1}), MakeTileCode(1, tkElbow));
  EXPECT_EQ(board.Tile({2, 1}), MakeTileCode(0, tkStraight));  // the lowest rotation that fits
  EXPECT_THROW(BoardFromText("x", {1, 1}), std::invalid_argument);
  EXPECT_THROW(BoardFromText("...........", {1, 1}), std::invalid_argument);  // 11 columns
}

TEST(Flood, StartCellIsWetWhateverItHolds) {
  EXPECT_EQ(WetCells("", {4, 4}), (std::vector<TCell>{{4, 4}}));
  // A piece without openings at the start is wet but leads nowhere.
  EXPECT_EQ(WetCells("\n\n\n...#─", {4, 4}), (std::vector<TCell>{{4, 4}}));
}

TEST(Flood, NeedsFacingOpeningsOnBothSides) {
  EXPECT_EQ(Flooded("╶╴", {1, 1}), Picture("╺╸"));
  EXPECT_EQ(Flooded("╶╵", {1, 1}), Picture("╺╵"));    // the second opens up
  EXPECT_EQ(Flooded("╶.╴", {1, 1}), Picture("╺.╴"));  // facing across an empty cell
}

TEST(Flood, OpeningsTowardTheEdgeAreDeadEnds) {
  // A cross in the corner: its openings off the board change nothing.
  EXPECT_EQ(Flooded("........╶┼\n.........╵", {10, 1}), Picture("........╺╋\n.........╹"));
}

TEST(Flood, ARingAndABranchAreWetOnce) {
  EXPECT_EQ(Flooded("┌┐\n└┤\n.╵", {2, 3}), Picture("┏┓\n┗┫\n.╹"));
  EXPECT_EQ(WetCells("┌┐\n└┤\n.╵", {2, 3}).size(), 5u);
}

TEST(Solved, EveryTileMustShowWater) {
  EXPECT_FALSE(IsSolved(BoardFromText("╺╴", {1, 1}), psRunning));
  const TBoard joined = BoardFromText("╺╸", {1, 1});
  EXPECT_TRUE(IsSolved(joined, psRunning));
  EXPECT_TRUE(IsSolved(joined, psSolved));
  EXPECT_FALSE(IsSolved(joined, psEditing));
  EXPECT_TRUE(IsSolved(BoardFromText("", {1, 1}), psRunning));  // no tiles at all
}

TEST(Solved, APieceWithoutOpeningsBlocksUnlessItIsTheStart) {
  EXPECT_FALSE(IsSolved(BoardFromText("╺╸\n\n\n\n....#", {1, 1}), psRunning));
  TBoard alone = BoardFromText("\n\n\n\n....#", {5, 5});
  ComputeFlow(alone);
  SettleFlow(alone);
  EXPECT_TRUE(IsSolved(alone, psRunning));
}

}  // namespace
