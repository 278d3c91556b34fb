#include "control/GameFixture.h"

namespace {

// The start (1,1) is a cross between an end above each of (2,1) and (1,2),
// both open toward it; (3,1) is an end that nothing reaches. A left press
// on (2,1) turns it away and dries the cross and (1,2).
struct UndoTest : GameTest {
  void SetUp() override {
    const TLevelRec rec =
        TLevelBuilder{}.Tile(1, 1, 5).Tile(2, 1, 17).Tile(1, 2, 9).Tile(3, 1, 17).Rec;
    WriteBytes(Dir / "gurx.dat", LevelFileBytes({rec, rec}));
    StartUp();
  }
  void Press(TMouseButton button, TCell cell) { Game.PressBoardCell({button, cell}); }
  TBoardState State() const { return Data.Board.State(); }
  bool CanUndo() { return Window.Enabled[TControl::UndoBtn]; }
  bool CanRedo() { return Window.Enabled[TControl::RedoBtn]; }
};

// Every press undone gives back the state before it, water as drawn
// included; a redo is the press again; a new press drops what was undone.
TEST_F(UndoTest, PressesGoBackAndForthInBothModesWhileTheClockRunsOn) {
  for (TGameMode mode : {gmPractice, gmChallenge}) {
    Data.Mode = mode;
    Game.StartLevel(1);
    const TBoardState start = State();
    EXPECT_FALSE(CanUndo() || CanRedo());
    Press(TMouseButton::Left, {2, 1});
    const TBoardState turned = State();
    Press(TMouseButton::Middle, {2, 1});
    Ticks(2);
    const std::int32_t time = Data.TimeLeft;
    const int phases = Window.FlowAnimations;
    EXPECT_TRUE(CanUndo());
    Game.UndoBtnClick();
    EXPECT_EQ(State(), turned);
    Game.UndoBtnClick();
    EXPECT_EQ(State(), start);
    EXPECT_EQ(Data.Board.ShownFlow, start.NewFlow);
    EXPECT_EQ(Window.FlowAnimations, phases + 1);  // the water came back in its phases
    EXPECT_TRUE(!CanUndo() && CanRedo());
    Game.UndoBtnClick();
    EXPECT_EQ(State(), start);
    Game.RedoBtnClick();
    EXPECT_EQ(State(), turned);
    EXPECT_EQ(Data.Board.ShownFlow, turned.NewFlow);
    Press(TMouseButton::Right, {2, 1});
    EXPECT_FALSE(CanRedo());
    EXPECT_EQ(Data.TimeLeft, time);
    EXPECT_TRUE(Window.ClockOn);
  }
}

// Only between presses of a running level: not paused, not under a
// question, not once solved, and never in the editor.
TEST_F(UndoTest, NothingIsTakenBackOutsideARunningLevel) {
  Data.Mode = gmPractice;
  Game.StartLevel(1);
  Press(TMouseButton::Left, {2, 1});
  const TBoardState turned = State();
  Game.Pause();
  EXPECT_FALSE(CanUndo());
  Game.UndoBtnClick();
  Game.boxClick();
  Window.WhileOpen[TDialog::Info] = [this] { Game.UndoBtnClick(); };
  Game.info();
  EXPECT_EQ(State(), turned);
  Game.LevelSolved();
  Game.UndoBtnClick();
  EXPECT_EQ(State(), turned);
  Game.OptionBtnClick();  // challenge
  Game.OptionBtnClick();  // the editor
  Game.UndoBtnClick();
  EXPECT_EQ(Data.State, psEditing);
  EXPECT_FALSE(CanUndo());
}

// A restart in practice is one step back to the board before it; in
// challenge it asks, gives a new time and cannot be undone. Any other
// level start begins a new history.
TEST_F(UndoTest, RestartIsUndoneInPracticeOnlyAndALevelStartForgets) {
  Data.Mode = gmPractice;
  Game.StartLevel(1);
  const TBoardState start = State();
  Press(TMouseButton::Left, {2, 1});
  const TBoardState turned = State();
  Game.RestartBtnClick();
  EXPECT_EQ(State(), start);
  Game.UndoBtnClick();
  EXPECT_EQ(State(), turned);
  EXPECT_EQ(Data.Board.ShownFlow, turned.NewFlow);
  Game.UndoBtnClick();
  EXPECT_EQ(State(), start);
  Game.RedoBtnClick();
  Game.RedoBtnClick();
  EXPECT_EQ(State(), start);
  Game.UndoBtnClick();
  EXPECT_EQ(State(), turned);

  Bar.SetPosition(1);  // level 2
  EXPECT_FALSE(CanUndo());
  Data.Mode = gmChallenge;
  Game.StartLevel(1);
  Press(TMouseButton::Left, {2, 1});
  Window.Take();
  Game.RestartBtnClick();
  EXPECT_EQ(Dialogs(), (std::vector<std::string>{"dialog GiveUpLevel", "dialog GiveUpLevel"}));
  Game.UndoBtnClick();
  EXPECT_EQ(State(), start);
}

}  // namespace
