#include <gtest/gtest.h>

#include "BoardInput.h"
#include "Flow.h"
#include "Rotation.h"
#include "support/FakeBoardHost.h"

namespace {

std::vector<std::string> Frames(const TFakeBoardHost& host) {
  std::vector<std::string> frames;
  for (const auto& event : host.Events)
    if (event.starts_with("frame")) frames.push_back(event.substr(event.rfind('f')));
  return frames;
}

TEST(HitTest, CellsAnswerToTheirSquaresAndTheFrameToNothing) {
  EXPECT_FALSE(HitTestBoard(21, 100));
  EXPECT_FALSE(HitTestBoard(100, 21));
  EXPECT_EQ(HitTestBoard(22, 22), (TCell{1, 1}));
  EXPECT_EQ(HitTestBoard(57, 309), (TCell{1, 8}));
  EXPECT_EQ(HitTestBoard(58, 22), (TCell{2, 1}));
  EXPECT_EQ(HitTestBoard(381, 22), (TCell{10, 1}));
  EXPECT_FALSE(HitTestBoard(382, 22));
  EXPECT_FALSE(HitTestBoard(22, 310));
}

TEST(Turning, FramesEndOnTheRestingPictureOfTheNewRotation) {
  const std::vector<std::vector<std::string>> forward{
      {"f1", "f2", "f3"}, {"f4", "f5", "f6"}, {"f7", "f8", "f9"}, {"f10", "f11", "f0"}};
  const std::vector<std::vector<std::string>> backward{
      {"f11", "f10", "f9"}, {"f2", "f1", "f0"}, {"f5", "f4", "f3"}, {"f8", "f7", "f6"}};
  for (int r = 0; r < 4; ++r) {
    TBoard board;
    TFakeBoardHost forwardHost, backwardHost;
    board.Tile({1, 1}) = MakeTileCode(r, tkTee);
    RotateForward(board, forwardHost, {1, 1});
    EXPECT_EQ(board.Tile({1, 1}), MakeTileCode((r + 1) % 4, tkTee));
    EXPECT_EQ(Frames(forwardHost), forward[static_cast<std::size_t>(r)]);
    board.Tile({1, 1}) = MakeTileCode(r, tkTee);
    RotateBackward(board, backwardHost, {1, 1});
    EXPECT_EQ(board.Tile({1, 1}), MakeTileCode((r + 3) % 4, tkTee));
    EXPECT_EQ(Frames(backwardHost), backward[static_cast<std::size_t>(r)]);
  }
}

TEST(Turning, TwoWaitsBetweenThreeFramesOfTheSameKind) {
  TBoard board;
  TFakeBoardHost host;
  board.Tile({3, 2}) = 3;
  RotateForward(board, host, {3, 2});
  EXPECT_EQ(host.Events, (std::vector<std::string>{"frame 3,2 kind 3 f1", "wait 51",
                                                     "frame 3,2 kind 3 f2", "wait 51",
                                                     "frame 3,2 kind 3 f3"}));
}

// A level in play, started as the game starts one.
struct TPlayFixture {
  TBoard Board;
  TFakeBoardHost Host;
  TPlayState State = psRunning;
  bool Touched = false;
  std::vector<TCell> EditorPresses;
  TBoardPress Press{Board, Host, State, Touched,
                    [this](TMouseButton, TCell cell) { EditorPresses.push_back(cell); }};

  explicit TPlayFixture(const TLevelBuilder& level) {
    LoadLevelToBoard(Board, level.Rec);
    ComputeFlow(Board);
    AnimateFlow(Board, Host);
    Host.Events.clear();
  }
  void Press_(TMouseButton button, int col, int row) { BoardCellDown(Press, button, {col, row}); }
};

// (1,1) end open right, (2,1) straight, (3,1) end open left: all joined.
const TLevelBuilder Line = TLevelBuilder{}.Tile(1, 1, 1).Tile(2, 1, 3).Tile(3, 1, 17);

TEST(Press, IgnoredPressesChangeNothing) {
  TPlayFixture game(TLevelBuilder{Line}.Tile(6, 6, 5));
  const TBoard before = game.Board;
  game.Press_(TMouseButton::Left, 8, 8);  // empty
  game.Press_(TMouseButton::Left, 6, 6);  // dry
  for (TPlayState state : {psSolved, psTimeOver, psPaused}) {
    game.State = state;
    game.Press_(TMouseButton::Left, 2, 1);
  }
  EXPECT_TRUE(game.Host.Events.empty());
  EXPECT_FALSE(game.Touched);
  EXPECT_EQ(game.Board.Tiles, before.Tiles);
}

TEST(Press, TurnMovesTheFloodStartAndDriesWhatItCutsOff) {
  TPlayFixture game(Line);
  game.Press_(TMouseButton::Left, 2, 1);  // the straight now runs up and down
  EXPECT_EQ(game.Board.Source(), (TCell{2, 1}));
  EXPECT_TRUE(game.Touched);
  EXPECT_TRUE(game.Board.Shown({2, 1}));
  EXPECT_FALSE(game.Board.Shown({1, 1}));  // the level's own start dried up
  EXPECT_FALSE(game.Board.Shown({3, 1}));
  EXPECT_EQ(game.Host.Events[5], "cue 1");
  game.Host.Events.clear();
  game.Press_(TMouseButton::Left, 1, 1);  // dry now: cannot be pressed
  EXPECT_TRUE(game.Host.Events.empty());
}

TEST(Press, TurningACrossChangesNoWater) {
  TPlayFixture game(TLevelBuilder{}.Tile(1, 1, 5).Tile(2, 1, 17).Tile(5, 5, 3));
  game.Press_(TMouseButton::Right, 1, 1);
  EXPECT_EQ(game.Board.Tile({1, 1}), 29);
  EXPECT_EQ(Frames(game.Host), (std::vector<std::string>{"f11", "f10", "f9"}));
  EXPECT_EQ(game.Host.Events.size(), 5u);  // three frames, two waits, no water
}

TEST(Press, MiddleButtonOnlyMovesTheStartAndSolvesAJoinedLevel) {
  TPlayFixture game(Line);
  game.Press_(TMouseButton::Middle, 3, 1);
  EXPECT_EQ(game.Board.Tile({3, 1}), 17);
  EXPECT_EQ(game.Board.Source(), (TCell{3, 1}));
  EXPECT_TRUE(game.Touched);
  EXPECT_EQ(game.Host.Events, (std::vector<std::string>{"solved"}));
}

TEST(Press, SolvesOnlyWhenTheTurnJoinsEveryTile) {
  // Elbow at the start (right, up), an end to its right, an end below it.
  TPlayFixture game(TLevelBuilder{}.Tile(1, 1, 2).Tile(2, 1, 17).Tile(1, 2, 9));
  EXPECT_TRUE(game.Board.Shown({2, 1}));
  game.Press_(TMouseButton::Left, 1, 1);  // up, left: both ends dry
  EXPECT_FALSE(game.Board.Shown({2, 1}));
  game.Press_(TMouseButton::Right, 1, 1);  // back to right, up
  EXPECT_EQ(game.Host.Solves, 0);
  game.Press_(TMouseButton::Right, 1, 1);  // right, down: everything joined
  EXPECT_EQ(game.Host.Solves, 1);
  EXPECT_EQ(game.Host.Events.back(), "solved");
}

TEST(Press, EditingHandsThePressToTheEditor) {
  TPlayFixture game(Line);
  game.State = psEditing;
  game.Press_(TMouseButton::Left, 9, 7);
  EXPECT_EQ(game.EditorPresses, (std::vector<TCell>{{9, 7}}));
  EXPECT_TRUE(game.Host.Events.empty());
  EXPECT_FALSE(game.Touched);
}

}  // namespace
