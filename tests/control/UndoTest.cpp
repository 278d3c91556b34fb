#include "control/GameFixture.h"

namespace {

// The start (1,1) is a cross between ends at (2,1) and (1,2), both open
// toward it; the end at (3,1) is never reached. A left press on (2,1) turns
// it away and dries the cross and (1,2).
struct UndoTest : GameTest {
  void SetUp() override {
    const TLevelRec rec =
        TLevelBuilder{}.Tile(1, 1, 5).Tile(2, 1, 17).Tile(1, 2, 9).Tile(3, 1, 17).Rec;
    WriteBytes(Dir / "gurx.dat", LevelFileBytes({rec, rec}));
    StartUp();
  }
  void Turn() { Game.PressBoardCell({TMouseButton::Left, {2, 1}}); }
  TBoardState State() const { return Data.Board.State(); }
  bool Can(TControl button) { return Window.Enabled[button]; }
};

// Undone, a press gives back the state before it, water as drawn included;
// a redo is the press again; a new press drops what was undone. The clock
// runs on.
TEST_F(UndoTest, PressesGoBackAndForthInBothModes) {
  for (TGameMode mode : {gmPractice, gmChallenge}) {
    Data.Mode = mode;
    Game.StartLevel(1);
    const TBoardState start = State();
    Turn();
    const TBoardState turned = State();
    Game.PressBoardCell({TMouseButton::Middle, {2, 1}});
    Ticks(2);
    const std::int32_t time = Data.TimeLeft;
    Game.UndoBtnClick();
    EXPECT_EQ(State(), turned);
    Game.UndoBtnClick();
    Game.UndoBtnClick();  // nothing left
    EXPECT_EQ(State(), start);
    EXPECT_EQ(Data.Board.ShownFlow, start.NewFlow);
    EXPECT_TRUE(!Can(TControl::UndoBtn) && Can(TControl::RedoBtn));
    Game.RedoBtnClick();
    EXPECT_EQ(State(), turned);
    EXPECT_EQ(Data.Board.ShownFlow, turned.NewFlow);
    Turn();
    EXPECT_FALSE(Can(TControl::RedoBtn));
    EXPECT_EQ(Data.TimeLeft, time);
  }
}

// Only between presses of a running level: not paused, not under a
// question, not once solved, and never in the editor.
TEST_F(UndoTest, NothingIsTakenBackOutsideARunningLevel) {
  Data.Mode = gmPractice;
  Game.StartLevel(1);
  Turn();
  const TBoardState turned = State();
  Game.Pause();
  EXPECT_FALSE(Can(TControl::UndoBtn));
  Game.UndoBtnClick();
  Game.boxClick();
  Window.WhileOpen[TDialog::Info] = [this] { Game.UndoBtnClick(); };
  Game.info();
  Game.LevelSolved();
  Game.UndoBtnClick();
  EXPECT_EQ(State(), turned);
  Game.OptionBtnClick();  // challenge
  Game.OptionBtnClick();  // the editor
  Game.UndoBtnClick();
  EXPECT_EQ(Data.State, psEditing);
  EXPECT_FALSE(Can(TControl::UndoBtn));
}

// A restart in practice is one step back to the board before it; in
// challenge it asks, and cannot be undone. Any other level start begins a
// new history.
TEST_F(UndoTest, RestartIsUndoneInPracticeOnlyAndALevelStartForgets) {
  Data.Mode = gmPractice;
  Game.StartLevel(1);
  const TBoardState start = State();
  Turn();
  const TBoardState turned = State();
  Game.RestartBtnClick();
  EXPECT_EQ(State(), start);
  Game.UndoBtnClick();
  EXPECT_EQ(State(), turned);
  Game.UndoBtnClick();
  Game.RedoBtnClick();
  Game.RedoBtnClick();
  EXPECT_EQ(State(), start);
  Game.UndoBtnClick();
  EXPECT_EQ(State(), turned);
  EXPECT_EQ(Data.Played.Presses, 2);  // the press and its redo: no restart counts them off
  Game.LevelSolved();
  Game.RestartBtnClick();  // a solved level starts afresh
  EXPECT_FALSE(Can(TControl::UndoBtn));
  Turn();
  Game.StartLevel(2);
  EXPECT_FALSE(Can(TControl::UndoBtn));

  Data.Mode = gmChallenge;
  Game.StartLevel(1);
  Turn();
  Game.RestartBtnClick();  // asked and agreed
  Game.UndoBtnClick();
  EXPECT_EQ(State(), start);
}

// Shift with a button or L locks: a locked tile refuses turns and leaves the
// level untouched, the middle button still presses it, undo and redo take
// locks as steps, and a level start clears them. The count follows the
// water as drawn; in the editor it is blank and Shift locks nothing.
TEST_F(UndoTest, LocksHoldTilesAsStepsOfTheirOwnAndTheCountFollowsTheWater) {
  Data.Mode = gmPractice;
  Game.StartLevel(1);
  EXPECT_EQ(Window.WaterCount, (TWaterCount{3, 4}));
  const TBoardState start = State();
  Game.boxMouseDown(TMouseButton::Right, 63, 27, true);  // (2, 1)
  Turn();
  EXPECT_EQ(State().Tiles, start.Tiles);
  EXPECT_FALSE(Data.LevelTouched);
  Game.PressBoardCell({TMouseButton::Middle, {2, 1}});
  EXPECT_EQ(Data.Board.Source(), (TCell{2, 1}));
  Game.UndoBtnClick();
  Game.UndoBtnClick();
  EXPECT_EQ(State(), start);
  Game.RedoBtnClick();
  Game.CursorKey(TCursorKey::Right);  // from the start to (2, 1)
  Game.CursorKey(TCursorKey::Lock);
  EXPECT_EQ(Data.Board.Locks, start.Locks);
  Turn();
  EXPECT_EQ(Window.WaterCount, (TWaterCount{1, 4}));
  Game.UndoBtnClick();
  EXPECT_EQ(Window.WaterCount, (TWaterCount{3, 4}));
  Game.boxMouseDown(TMouseButton::Left, 63, 27, true);
  Data.Mode = gmEditor;
  Game.StartLevel(2);
  Game.boxMouseDown(TMouseButton::Left, 63, 27, true);
  EXPECT_EQ(Data.Board.Locks, start.Locks);
  EXPECT_FALSE(Window.WaterCount);
}

}  // namespace
