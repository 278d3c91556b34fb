#include <gtest/gtest.h>

#include <random>

#include "model/BoardInput.h"
#include "model/BoardText.h"
#include "model/Flow.h"

namespace {

// Boards are written as the level tool draws them: a box-drawing character
// per tile whose arms are its openings, heavy where it is wet.
std::string Picture(std::string_view text) { return BoardText(BoardFromText(text, {1, 1})); }

// A level as the game starts it: flooded from its start.
TBoardState Playing(std::string_view tiles, TCell start) {
  TBoardState board = BoardFromText(tiles, start);
  ComputeFlow(board);
  return board;
}

std::string Flooded(std::string_view tiles, TCell start) {
  return BoardText(Playing(tiles, start));
}

std::optional<TPress> Press(TBoardState& board, TMouseButton button, TCell cell) {
  auto press = PressCell(board, {button, cell});
  if (press) board = press->After;
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
  EXPECT_EQ(Flooded("╶.╴", {1, 1}), Picture("╺.╴"));  // facing across an empty cell
  // A cross in the corner: its openings off the board change nothing.
  EXPECT_EQ(Flooded("........╶┼\n.........╵", {10, 1}), Picture("........╺╋\n.........╹"));

  // Solved: every tile must carry water, whatever the window still shows.
  EXPECT_FALSE(IsSolved(BoardFromText("╺╴", {1, 1})));
  TBoard joined = BoardFromText("╺╸", {1, 1});
  joined.ShownFlow.fill(0);
  EXPECT_TRUE(IsSolved(joined));
  EXPECT_TRUE(IsSolved(BoardFromText("", {1, 1})));  // no tiles at all
  // A piece without openings blocks, unless it is the start.
  EXPECT_FALSE(IsSolved(BoardFromText("╺╸\n\n\n\n....#", {1, 1})));
  EXPECT_TRUE(IsSolved(Playing("\n\n\n\n....#", {5, 5})));
}

TEST(HitTest, CellsAnswerToTheirSquaresAndTheFrameToNothing) {
  for (auto [x, y] : {std::pair{21, 100}, {100, 21}, {382, 22}, {22, 310}})
    EXPECT_FALSE(HitTestBoard(x, y)) << x << "," << y;
  EXPECT_EQ(HitTestBoard(22, 22), (TCell{1, 1}));
  EXPECT_EQ(HitTestBoard(57, 309), (TCell{1, 8}));
  EXPECT_EQ(HitTestBoard(58, 22), (TCell{2, 1}));
  EXPECT_EQ(HitTestBoard(381, 22), (TCell{10, 1}));
}

// Only a tile that shows water takes a press.
TEST(Press, TurnMovesTheFloodStartAndDriesWhatItCutsOff) {
  TBoardState board = Playing("╶─╴", {1, 1});
  EXPECT_EQ(BoardText(board), Picture("╺━╸"));
  EXPECT_FALSE(Press(board, TMouseButton::Left, {8, 8}));  // empty
  const auto press = Press(board, TMouseButton::Left, {2, 1});
  ASSERT_TRUE(press && press->Turn);
  EXPECT_EQ(press->Turn->Cell, (TCell{2, 1}));
  EXPECT_EQ(board.Source(), (TCell{2, 1}));
  EXPECT_EQ(BoardText(board), Picture("╶┃╴"));             // the level's own start dried up
  EXPECT_FALSE(Press(board, TMouseButton::Left, {1, 1}));  // dry now
}

TEST(Press, SolvesOnlyWhenATurnOrTheMiddleButtonJoinsEveryTile) {
  TBoardState board = Playing("└╴\n╵", {1, 1});  // the elbow at the start opens right and up
  EXPECT_EQ(BoardText(board), Picture("┗╸\n╵"));
  Press(board, TMouseButton::Left, {1, 1});
  EXPECT_EQ(BoardText(board), Picture("┛╴\n╵"));
  Press(board, TMouseButton::Right, {1, 1});
  EXPECT_FALSE(IsSolved(board));
  Press(board, TMouseButton::Right, {1, 1});
  EXPECT_EQ(BoardText(board), Picture("┏╸\n╹"));
  EXPECT_TRUE(IsSolved(board));

  // The middle button only moves the start, and can solve.
  TBoardState line = Playing("╶─╴", {1, 1});
  const auto middle = Press(line, TMouseButton::Middle, {3, 1});
  ASSERT_TRUE(middle);
  EXPECT_FALSE(middle->Turn);
  EXPECT_EQ(BoardText(line), Picture("╺━╸"));
  EXPECT_EQ(line.Source(), (TCell{3, 1}));
  EXPECT_TRUE(IsSolved(line));
}

// The flood as plainly as it can be said: a tile is wet when a wet
// neighbour and it open toward each other, until nothing changes.
std::array<std::uint8_t, CellCount> ReferenceFlood(const TBoardState& board) {
  std::array<std::uint8_t, CellCount> wet{};
  wet[CellIndex(board.Source())] = 1;
  for (bool grew = true; grew;) {
    grew = false;
    for (std::size_t i = 0; i < CellCount; ++i)
      for (int d = 0; d < DirectionCount && wet[i]; ++d) {
        const TCell next = Neighbour(CellAt(i), d);
        if (!OnBoard(next) || wet[CellIndex(next)] || !IsOpen(board.Tiles[i], d) ||
            board.Tile(next) == 0 || !IsOpen(board.Tile(next), Opposite(d)))
          continue;
        wet[CellIndex(next)] = 1;
        grew = true;
      }
  }
  return wet;
}

// On random boards and presses among random locks: the flood agrees with
// the plain one, a press done again gives the same state, its turn back ends
// at rest on the tile as it was, and no locked tile ever turns.
TEST(Press, RandomPressesFloodAsThePlainRuleAndTurnBackExactly) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    TBoardState board;
    for (TTileCode& tile : board.Tiles)
      tile = random() % 4 == 0
                 ? 0
                 : MakeTileCode(static_cast<int>(random() % 4), static_cast<int>(random() % 5 + 1));
    board.SourceCol = static_cast<int>(random() % BoardCols) + 1;
    board.SourceRow = static_cast<int>(random() % BoardRows) + 1;
    ComputeFlow(board);
    for (int step = 0; step < 30; ++step) {
      ASSERT_EQ(board.NewFlow, ReferenceFlood(board));
      const TMove move{static_cast<TMouseButton>(random() % 3), CellAt(random() % CellCount)};
      if (random() % 4 == 0) {
        const std::optional<TBoardState> locked = ToggleLock(board, move.Cell);
        EXPECT_EQ(locked.has_value(), board.Tile(move.Cell) != 0);
        board = locked.value_or(board);
      }
      const std::optional<TPress> press = PressCell(board, move);
      if (!press) continue;
      EXPECT_TRUE(!board.Locked(move.Cell) || move.Button == TMouseButton::Middle);
      EXPECT_EQ(press->After.Locks, board.Locks);
      EXPECT_EQ(PressCell(board, move)->After, press->After);
      const std::optional<TTurn> back = TurnBack(press->After, move);
      EXPECT_EQ(back.has_value(), press->Turn.has_value());
      if (back) {
        EXPECT_EQ(back->Frames[2], 3 * RotationOf(board.Tile(move.Cell)));
      }
      board = press->After;
    }
  }
}

}  // namespace
