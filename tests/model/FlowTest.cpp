#include <gtest/gtest.h>

#include "model/BoardInput.h"
#include "model/BoardText.h"
#include "model/Flow.h"

namespace {

// Boards are written as the level tool draws them: a box-drawing character
// per tile whose arms are its openings, heavy where it is wet.
std::string Picture(std::string_view text) { return BoardText(BoardFromText(text, {1, 1})); }

// A level as the game starts it: water on the start, then flooded and shown.
TBoard Playing(std::string_view tiles, TCell start) {
  TBoard board = BoardFromText(tiles, start);
  board.ShownFlow.fill(0);
  ComputeFlow(board);
  SettleFlow(board);
  return board;
}

std::string Flooded(std::string_view tiles, TCell start) {
  return BoardText(Playing(tiles, start));
}

// A press as the game makes it: the rule, then its water shown.
std::optional<TPlayPress> Press(TBoard& board, TMouseButton button, TCell cell) {
  auto press = PressInPlay(board, button, cell);
  if (press) SettleFlow(board);
  return press;
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

TEST(Flood, TheStartIsWetWaterNeedsFacingOpeningsAndSolvedNeedsEveryTileWet) {
  EXPECT_EQ(WetCells("", {4, 4}), (std::vector<TCell>{{4, 4}}));
  // A piece without openings at the start is wet but leads nowhere.
  EXPECT_EQ(WetCells("\n\n\n...#─", {4, 4}), (std::vector<TCell>{{4, 4}}));
  // Water passes only between facing openings, and wets each tile once.
  EXPECT_EQ(Flooded("╶╴", {1, 1}), Picture("╺╸"));
  EXPECT_EQ(Flooded("╶╵", {1, 1}), Picture("╺╵"));    // the second opens up
  EXPECT_EQ(Flooded("╶.╴", {1, 1}), Picture("╺.╴"));  // facing across an empty cell
  // A cross in the corner: its openings off the board change nothing.
  EXPECT_EQ(Flooded("........╶┼\n.........╵", {10, 1}), Picture("........╺╋\n.........╹"));
  EXPECT_EQ(Flooded("┌┐\n└┤\n.╵", {2, 3}), Picture("┏┓\n┗┫\n.╹"));
  EXPECT_EQ(WetCells("┌┐\n└┤\n.╵", {2, 3}).size(), 5u);

  // Solved: every tile must show water.
  EXPECT_FALSE(IsSolved(BoardFromText("╺╴", {1, 1}), psRunning));
  const TBoard joined = BoardFromText("╺╸", {1, 1});
  EXPECT_TRUE(IsSolved(joined, psRunning));
  EXPECT_TRUE(IsSolved(joined, psSolved));
  EXPECT_FALSE(IsSolved(joined, psEditing));
  EXPECT_TRUE(IsSolved(BoardFromText("", {1, 1}), psRunning));  // no tiles at all
  // A piece without openings blocks, unless it is the start.
  EXPECT_FALSE(IsSolved(BoardFromText("╺╸\n\n\n\n....#", {1, 1}), psRunning));
  TBoard alone = BoardFromText("\n\n\n\n....#", {5, 5});
  ComputeFlow(alone);
  SettleFlow(alone);
  EXPECT_TRUE(IsSolved(alone, psRunning));
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

// Only a tile that shows water takes a press.
TEST(Press, TurnMovesTheFloodStartAndDriesWhatItCutsOff) {
  TBoard board = Playing("╶─╴", {1, 1});
  EXPECT_EQ(BoardText(board), Picture("╺━╸"));
  EXPECT_FALSE(Press(board, TMouseButton::Left, {8, 8}));  // empty
  const auto press = Press(board, TMouseButton::Left, {2, 1});
  ASSERT_TRUE(press && press->Turn);
  EXPECT_EQ(press->Turn->Cell, (TCell{2, 1}));
  EXPECT_EQ(board.Source(), (TCell{2, 1}));
  EXPECT_EQ(BoardText(board), Picture("╶┃╴"));             // the level's own start dried up
  EXPECT_FALSE(Press(board, TMouseButton::Left, {1, 1}));  // dry now

  // Turning a cross changes no water.
  board = Playing("┼╴\n\n\n\n....─", {1, 1});
  const auto cross = PressInPlay(board, TMouseButton::Right, {1, 1});
  ASSERT_TRUE(cross && cross->Turn);
  EXPECT_EQ(board.Tile({1, 1}), MakeTileCode(3, tkCross));
  EXPECT_EQ(cross->Turn->Frames, (std::array<int, 3>{11, 10, 9}));
  EXPECT_FALSE(FlowChanged(board));
}

TEST(Press, SolvesOnlyWhenATurnOrTheMiddleButtonJoinsEveryTile) {
  TBoard board = Playing("└╴\n╵", {1, 1});  // the elbow at the start opens right and up
  EXPECT_EQ(BoardText(board), Picture("┗╸\n╵"));
  Press(board, TMouseButton::Left, {1, 1});
  EXPECT_EQ(BoardText(board), Picture("┛╴\n╵"));
  Press(board, TMouseButton::Right, {1, 1});
  EXPECT_FALSE(IsSolved(board, psRunning));
  Press(board, TMouseButton::Right, {1, 1});
  EXPECT_EQ(BoardText(board), Picture("┏╸\n╹"));
  EXPECT_TRUE(IsSolved(board, psRunning));

  // The middle button only moves the start, and can solve.
  TBoard line = Playing("╶─╴", {1, 1});
  const auto middle = Press(line, TMouseButton::Middle, {3, 1});
  ASSERT_TRUE(middle);
  EXPECT_FALSE(middle->Turn);
  EXPECT_EQ(BoardText(line), Picture("╺━╸"));
  EXPECT_EQ(line.Source(), (TCell{3, 1}));
  EXPECT_TRUE(IsSolved(line, psRunning));
}

}  // namespace
