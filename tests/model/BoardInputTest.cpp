#include <gtest/gtest.h>

#include "model/BoardInput.h"
#include "model/BoardText.h"
#include "model/Flow.h"

namespace {

std::string Picture(std::string_view text) { return BoardText(BoardFromText(text, {1, 1})); }

// A level as the game starts it: water on the start, then flooded and shown.
TBoard Playing(std::string_view tiles, TCell start) {
  TBoard board = BoardFromText(tiles, start);
  board.ShownFlow.fill(0);
  ComputeFlow(board);
  SettleFlow(board);
  return board;
}

// A press as the game makes it: the rule, then its water shown.
std::optional<TPlayPress> Press(TBoard& board, TMouseButton button, TCell cell) {
  auto press = PressInPlay(board, button, cell);
  if (press) SettleFlow(board);
  return press;
}

TEST(HitTest, CellsAnswerToTheirSquaresAndTheFrameToNothing) {
  for (auto [x, y] : {std::pair{21, 100}, {100, 21}, {382, 22}, {22, 310}})
    EXPECT_FALSE(HitTestBoard(x, y)) << x << "," << y;
  EXPECT_EQ(HitTestBoard(22, 22), (TCell{1, 1}));
  EXPECT_EQ(HitTestBoard(57, 309), (TCell{1, 8}));
  EXPECT_EQ(HitTestBoard(58, 22), (TCell{2, 1}));
  EXPECT_EQ(HitTestBoard(381, 22), (TCell{10, 1}));
}

TEST(Turning, FramesEndOnTheRestingPictureOfTheNewRotation) {
  using F = std::array<int, 3>;
  const F forward[] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 0}};
  const F backward[] = {{11, 10, 9}, {2, 1, 0}, {5, 4, 3}, {8, 7, 6}};
  for (int r = 0; r < 4; ++r) {
    TBoard board;
    board.Tile({1, 1}) = MakeTileCode(r, tkTee);
    const TTurn turn = RotateForward(board, {1, 1});
    EXPECT_EQ(board.Tile({1, 1}), MakeTileCode((r + 1) % 4, tkTee));
    EXPECT_EQ(turn.Frames, forward[r]);
    EXPECT_EQ(turn.Kind, tkTee);
    board.Tile({1, 1}) = MakeTileCode(r, tkTee);
    EXPECT_EQ(RotateBackward(board, {1, 1}).Frames, backward[r]);
    EXPECT_EQ(board.Tile({1, 1}), MakeTileCode((r + 3) % 4, tkTee));
  }
}

TEST(Press, OnlyATileThatShowsWaterTakesAPress) {
  TBoard board = Playing("╶─╴\n\n\n\n\n.....┼", {1, 1});
  const TBoard before = board;
  EXPECT_FALSE(Press(board, TMouseButton::Left, {8, 8}));  // empty
  EXPECT_FALSE(Press(board, TMouseButton::Left, {6, 6}));  // dry
  EXPECT_EQ(board.Tiles, before.Tiles);
  EXPECT_EQ(board.Source(), before.Source());
}

TEST(Press, TurnMovesTheFloodStartAndDriesWhatItCutsOff) {
  TBoard board = Playing("╶─╴", {1, 1});
  EXPECT_EQ(BoardText(board), Picture("╺━╸"));
  const auto press = Press(board, TMouseButton::Left, {2, 1});
  ASSERT_TRUE(press && press->Turn);
  EXPECT_EQ(press->Turn->Cell, (TCell{2, 1}));
  EXPECT_EQ(board.Source(), (TCell{2, 1}));
  EXPECT_EQ(BoardText(board), Picture("╶┃╴"));  // the level's own start dried up
  EXPECT_FALSE(Press(board, TMouseButton::Left, {1, 1}));
}

TEST(Press, TurningACrossChangesNoWater) {
  TBoard board = Playing("┼╴\n\n\n\n....─", {1, 1});
  const auto press = PressInPlay(board, TMouseButton::Right, {1, 1});
  ASSERT_TRUE(press && press->Turn);
  EXPECT_EQ(board.Tile({1, 1}), MakeTileCode(3, tkCross));
  EXPECT_EQ(press->Turn->Frames, (std::array<int, 3>{11, 10, 9}));
  EXPECT_FALSE(FlowChanged(board));
}

TEST(Press, MiddleButtonOnlyMovesTheStartAndCanSolve) {
  TBoard board = Playing("╶─╴", {1, 1});
  const auto press = Press(board, TMouseButton::Middle, {3, 1});
  ASSERT_TRUE(press);
  EXPECT_FALSE(press->Turn);
  EXPECT_EQ(BoardText(board), Picture("╺━╸"));
  EXPECT_EQ(board.Source(), (TCell{3, 1}));
  EXPECT_TRUE(IsSolved(board, psRunning));
}

TEST(Press, SolvesOnlyWhenTheTurnJoinsEveryTile) {
  TBoard board = Playing("└╴\n╵", {1, 1});  // the elbow at the start opens right and up
  EXPECT_EQ(BoardText(board), Picture("┗╸\n╵"));
  Press(board, TMouseButton::Left, {1, 1});
  EXPECT_EQ(BoardText(board), Picture("┛╴\n╵"));
  Press(board, TMouseButton::Right, {1, 1});
  EXPECT_FALSE(IsSolved(board, psRunning));
  Press(board, TMouseButton::Right, {1, 1});
  EXPECT_EQ(BoardText(board), Picture("┏╸\n╹"));
  EXPECT_TRUE(IsSolved(board, psRunning));
}

}  // namespace
