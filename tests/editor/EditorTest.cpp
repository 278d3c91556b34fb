#include <algorithm>
#include <cstring>

#include "control/GameFixture.h"
#include "editor/Editor.h"
#include "editor/Palette.h"
#include "levels/LevelFile.h"
#include "model/Geometry.h"

namespace {

using Strings = std::vector<std::string>;

// The pixel in the middle of a cell of the board surface.
int X(int col) { return CellMiddle({col, 1}).X; }
int Y(int row) { return CellMiddle({1, row}).Y; }

// A game in the editor, its draws taken from a repeating script.
struct EditorTest : GameTest {
  std::vector<int> Script{0, 1, 2, 3, 3, 2};
  std::size_t Next = 0;
  TEditor Editor{Game.ForEditor(), [this] { return Script[Next++ % Script.size()]; }};

  void Enter(int levels = 10) {
    StartUp(levels);
    Game.OptionBtnClick();  // challenge -> editor
    ASSERT_EQ(Data.State, psEditing);
  }
  void Right(int col, int row, int times = 1) {
    for (int i = 0; i < times; ++i) Game.boxMouseDown(TMouseButton::Right, X(col), Y(row));
  }
  void Left(int col, int row) { Game.boxMouseDown(TMouseButton::Left, X(col), Y(row)); }
  TTileCode Tile(int col, int row) const { return Data.Board.Tile({col, row}); }
  int Background(int col, int row) const { return Data.Board.Backgrounds[CellIndex({col, row})]; }
};

TEST_F(EditorTest, RightPressesCycleTheKindAndMakeTheStart) {
  Enter();
  Right(5, 5, 4);
  EXPECT_EQ(Tile(5, 5), tkTee);
  EXPECT_EQ(Background(5, 5), 0);
  EXPECT_EQ(Data.Board.Source(), (TCell{5, 5}));
  EXPECT_TRUE(Data.Board.Shown({5, 5}));
  EXPECT_FALSE(Data.Board.Shown({1, 1}));
  Right(5, 5);
  EXPECT_EQ(Tile(5, 5), tkCross);
  Data.LevelTouched = false;
  Right(5, 5);  // emptied: the start stays on the empty cell, nothing floods
  EXPECT_EQ(Tile(5, 5), 0);
  EXPECT_EQ(Background(5, 5), bgDefault);
  EXPECT_EQ(Data.Board.Source(), (TCell{5, 5}));
  EXPECT_FALSE(Data.LevelTouched);
  EXPECT_TRUE(Data.LevelsChanged);

  Data.Board.Tile({7, 7}) = MakeTileCode(3, tkElbow);
  Right(7, 7);
  EXPECT_EQ(Tile(7, 7), tkStraight);
  Data.Board.Tile({8, 8}) = 7;
  Right(8, 8);  // a piece without openings stays, but becomes the start
  EXPECT_EQ(Tile(8, 8), 7);
  EXPECT_EQ(Data.Board.Source(), (TCell{8, 8}));
  Game.CursorKey(TCursorKey::PressRight);  // the keys press too, at the cursor on (1,1)
  EXPECT_EQ(KindOf(Tile(1, 1)), tkElbow);
}

TEST_F(EditorTest, LeftPressesTurnTheStartOrMoveIt) {
  Enter();
  Window.Take();
  Left(1, 1);  // the start: turned a quarter forward, with its animation
  EXPECT_EQ(Tile(1, 1), MakeTileCode(2, tkEnd));
  EXPECT_EQ(Data.Board.Source(), (TCell{1, 1}));
  Left(1, 1);
  Left(1, 1);  // now open toward (2,1), which is open back
  EXPECT_TRUE(Data.Board.Shown({2, 1}));
  Left(2, 1);  // another tile: the start moves there, unturned
  EXPECT_EQ(Tile(2, 1), 17);
  EXPECT_EQ(Data.Board.Source(), (TCell{2, 1}));
  EXPECT_TRUE(Data.Board.Shown({1, 1}));  // now joined to the new start
  Game.boxMouseDown(TMouseButton::Middle, X(3), Y(3));
  Right(3, 3);
  Data.LevelsChanged = false;
  Game.boxMouseDown(TMouseButton::Middle, X(3), Y(3));
  EXPECT_EQ(Tile(3, 3), tkEnd);
  EXPECT_FALSE(Data.LevelsChanged);
}

TEST_F(EditorTest, BlockBrushesPaintThreeByThreeCutAtTheEdges) {
  Enter();
  Data.EditorBrush = 0;
  Left(9, 7);
  for (auto [col, row, code] : {std::tuple{9, 7, 0}, {10, 7, 1}, {9, 8, 8}, {10, 8, 9}})
    EXPECT_EQ(Background(col, row), code);
  Data.EditorBrush = 4;
  Data.Board.Tile({4, 3}) = tkStraight;
  Left(3, 2);  // the block paints under tiles too
  EXPECT_EQ(Background(4, 3), 13);
  EXPECT_EQ(Background(5, 4), 22);
  Data.EditorBrush = 12;
  Left(7, 2);
  EXPECT_EQ(Background(7, 2), 12);
  EXPECT_EQ(Background(8, 2), bgDefault);
  Data.EditorBrush = 4;
  Data.Board.Backgrounds[CellIndex({2, 1})] = 40;
  Left(1, 2);
  EXPECT_EQ(Background(2, 1), 40);  // above the block: untouched
  EXPECT_TRUE(Data.LevelTouched);
}

TEST_F(EditorTest, TheScrambleWalksAlongThePipes) {
  // A ring of four elbows with a straight tail: the walk can always go on.
  WriteLevels(1);
  StartUp(1);
  TLevelRec ring = TLevelBuilder{}
                       .Tile(2, 2, 26)
                       .Tile(3, 2, 18)
                       .Tile(2, 3, 2)
                       .Tile(3, 3, 12)
                       .Tile(3, 4, 11)
                       .Tile(3, 5, 9)
                       .Start(2, 2)
                       .Rec;
  Data.Levels[1] = ring;
  Game.OptionBtnClick();
  Script = {3, 0, 1, 2, 2, 1, 0, 3, 1};
  Editor.MixBtnClick();
  for (std::size_t i = 0; i < CellCount; ++i) {
    EXPECT_EQ(KindOf(Data.Board.Tiles[i]), KindOf(ring.Tiles[i]));
    EXPECT_EQ(Data.Board.Backgrounds[i], ring.Backgrounds[i]);
  }
  EXPECT_TRUE(Data.LevelsChanged);
  // The start is one step before the walk's end, and the two are joined.
  EXPECT_GE(std::count(Data.Board.NewFlow.begin(), Data.Board.NewFlow.end(), 1), 2);
}

// Two crosses side by side. Each pass draws twice: a turn, then a way, up
// over the edge (refused) or across. Every two moves take three passes, so
// 33 moves are 16 such rounds, a refused step and a last move.
TEST_F(EditorTest, TheScrambleMakesThirtyThreeMovesWhenItCanMakeAFirstOne) {
  Enter();
  Data.Board.Tile({1, 1}) = Data.Board.Tile({2, 1}) = MakeTileCode(0, tkCross);
  Script = {0, dirUp, 0, dirRight, 0, dirLeft};
  Next = 0;
  const std::int32_t now = Window.Now;
  Editor.MixBtnClick();
  EXPECT_EQ(Next, 16u * 6 + 2 + 2);
  EXPECT_GE(Window.Now - now, 50 * 50);           // each of the 50 passes is shown a moment
  EXPECT_EQ(Data.Board.Source(), (TCell{1, 1}));  // an odd walk ends across from it

  // Without a first move it does nothing.
  Data.LevelsChanged = false;
  const TBoard before = Data.Board;
  Data.Board.SourceCol = 6;  // an empty start
  Editor.MixBtnClick();
  Data.Board.SourceCol = 1;
  Data.Board.Tile({2, 1}) = 9;  // no neighbour opens toward the start
  Editor.MixBtnClick();
  EXPECT_EQ(Data.Board.Tile({1, 1}), before.Tile({1, 1}));
  EXPECT_FALSE(Data.LevelsChanged);
}

TEST_F(EditorTest, InsertAndDeleteKeepEveryResultWithItsLevel) {
  Enter(10);
  for (int n = 1; n <= 10; ++n) Data.Levels[n].Tiles[79] = static_cast<TTileCode>(n);
  for (int n = 1; n <= 10; ++n) Data.Results[n] = 100 + n;
  Bar.SetPosition(7);  // level 4
  Data.Board.Tile({6, 6}) = 5;
  Bar.Place(2, 10);  // out of step, as after an early first paint
  Editor.InsertBtnClick();
  EXPECT_EQ(Data.CurrentLevel, 5);
  EXPECT_EQ(Data.Levels[4].Tiles[CellIndex({6, 6})], 5);  // stored without a question
  EXPECT_EQ(Data.Levels[6].Tiles[79], 5);
  EXPECT_EQ(Data.Results[5], 0);
  EXPECT_EQ(Data.Results[6], 105);
  EXPECT_EQ(Data.Results[11], 110);
  EXPECT_EQ(Window.BarMaximum, 11);
  EXPECT_EQ(Window.BarPosition, 7);
  EXPECT_EQ(TileCount(Data.Levels[5]), 0);
  EXPECT_TRUE(Data.LevelTouched);

  Editor.DeleteBtnClick();  // the new level goes again
  EXPECT_EQ(Data.CurrentLevel, 5);
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(Data.Results[n], 100 + n);
  EXPECT_EQ(Data.TimeLeft, 15);  // 5 seconds for each of its three tiles
  EXPECT_EQ(Window.BarMaximum, 10);
  EXPECT_EQ(Window.BarPosition, 6);  // level 5, as on the board

  Bar.SetPosition(1);  // the last level: deleting it makes 9 current
  Editor.DeleteBtnClick();
  EXPECT_EQ(Data.CurrentLevel, 9);
  EXPECT_EQ(Data.Levels.LevelCount(), 9);
}

TEST_F(EditorTest, TheListStaysBetweenOneAndFiveHundredLevels) {
  Enter(1);
  Editor.DeleteBtnClick();
  EXPECT_EQ(Data.Levels.LevelCount(), 1);
  for (int i = 0; i < 510; ++i) Editor.InsertBtnClick();
  EXPECT_EQ(Data.Levels.LevelCount(), 500);
  EXPECT_EQ(Data.CurrentLevel, 500);
}

TEST_F(EditorTest, LeavingAnEditedLevelAsksToTakeTheChanges) {
  Enter(3);
  Right(6, 6);
  Window.Answers[TDialog::TakeChanges] = {mrCancel, mrOk};
  Window.Take();
  Bar.SetPosition(2);  // level 2, edits dropped
  EXPECT_EQ(Dialogs(), Strings{"dialog TakeChanges"});
  EXPECT_EQ(Data.CurrentLevel, 2);
  EXPECT_EQ(Data.Levels[1].Tiles[CellIndex({6, 6})], 0);
  Right(6, 6);
  Game.OptionBtnClick();  // to practice, edits taken
  EXPECT_EQ(Dialogs(), Strings{"dialog TakeChanges"});
  EXPECT_EQ(Data.Levels[2].Tiles[CellIndex({6, 6})], tkEnd);
  EXPECT_FALSE(Window.Visible[TControl::Palette]);
}

// An authored level survives scramble, insert, delete, save and a fresh read.
TEST_F(EditorTest, AuthoredLevelsSaveToTheLevelFile) {
  Enter(2);
  Right(4, 4);     // end
  Right(5, 4, 3);  // straight, the start
  Data.EditorBrush = 33;
  Left(9, 2);
  Editor.MixBtnClick();
  Editor.InsertBtnClick();  // level 2 is new and empty
  Right(1, 1, 2);
  Bar.SetPosition(Bar.PositionOfLevel(3));
  Editor.DeleteBtnClick();  // the old level 2, now 3, goes
  const TLevelRec first = Data.Levels[1];
  Bar.SetPosition(Bar.PositionOfLevel(2));
  Game.SaveBtnClick();

  TLevelCollection read;
  ASSERT_FALSE(ReadLevelFile(read, Dir / "gurx.dat").has_value());
  ASSERT_EQ(read.Levels.LevelCount(), 2);
  EXPECT_EQ(std::memcmp(&read.Levels[1], &first, LevelRecSize), 0);
  EXPECT_EQ(KindOf(read.Levels[1].Tiles[CellIndex({5, 4})]), tkStraight);
  EXPECT_EQ(read.Levels[1].Backgrounds[CellIndex({9, 2})], 33);
  EXPECT_EQ(read.Levels[2].Tiles[0], tkElbow);
  EXPECT_EQ(TileCount(read.Levels[2]), 1);
}

TEST(Palette, PixelsChooseBrushesTheCrossMarksThemAndThePlaceIsKept) {
  EXPECT_EQ(BrushAtPixel(100, 40), 10);
  EXPECT_EQ(BrushAtPixel(287, 287), 63);
  EXPECT_EQ(BrushAtPixel(400, -5), 7);
  const auto lines = BrushMarkLines(10);
  EXPECT_EQ(lines[0].X1, 78);
  EXPECT_EQ(lines[0].Y1, 42);
  EXPECT_EQ(lines[1].X2, 102);
  EXPECT_EQ(lines[1].Y2, 42);

  // It opens beside the main window, unless it was moved.
  TTempDir dir;
  const TSettings settings(dir / "s.ini");
  const std::vector<TRect> screens{{0, 0, 1920, 1080}};
  EXPECT_EQ(PalettePlace(settings, {100, 50}, 506, screens), (TPlace{606, 50}));
  settings.WriteInteger(TSettingKey::EditorLeft, 900);
  settings.WriteInteger(TSettingKey::EditorTop, 400);
  EXPECT_EQ(PalettePlace(settings, {100, 50}, 506, screens), (TPlace{900, 400}));
}

}  // namespace
