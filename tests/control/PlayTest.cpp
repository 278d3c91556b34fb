#include <algorithm>
#include <filesystem>

#include "control/GameFixture.h"

namespace {

using Strings = std::vector<std::string>;

TEST_F(GameTest, ChallengeClockCountsDownThenEndsTheLevel) {
  StartUp();
  Window.SoundIsOn = true;
  Window.Take();
  Ticks(8);
  EXPECT_EQ(Data.TimeLeft, 0);
  EXPECT_EQ(Window.TimeDigits, (TDisplayDigits{std::nullopt, std::nullopt, 0}));
  EXPECT_TRUE(Dialogs().empty());
  Sound.Events.clear();
  Ticks(1);
  EXPECT_EQ(Data.State, psTimeOver);
  EXPECT_FALSE(Window.ClockOn);
  EXPECT_EQ(Sound.Events.back(), "play " + ProgramDir + "w4.wav");
  EXPECT_EQ(Dialogs(), Strings{"dialog TooSlow"});
  Ticks(3);  // the frozen board counts no more
  EXPECT_EQ(Data.TimeLeft, 0);
  Solve();
  EXPECT_EQ(Data.State, psTimeOver);
}

TEST_F(GameTest, TheClockRunsOnUnderAGiveUpQuestionButEndsTheLevelOnlyAfterIt) {
  StartUp();
  Touch();
  Window.WhileOpen[TDialog::GiveUpLevel] = [this] { Ticks(9); };
  Window.Answers[TDialog::GiveUpLevel] = {mrNo};
  Window.Take();
  Game.RestartBtnClick();
  EXPECT_EQ(Dialogs(), Strings{"dialog GiveUpLevel"});  // no window over the question
  EXPECT_EQ(Data.TimeLeft, 0);
  EXPECT_EQ(Data.State, psRunning);
  Ticks(1);
  EXPECT_EQ(Dialogs(), Strings{"dialog TooSlow"});
  EXPECT_EQ(Data.State, psTimeOver);
}

TEST_F(GameTest, OnlyTheFirstChallengeResultWithSecondsLeftIsKept) {
  StartUp();
  Ticks(8);
  Solve();
  EXPECT_EQ(Data.Results[1], 0);
  EXPECT_FALSE(Window.SolvedMark);
  Game.RestartBtnClick();
  Ticks(3);
  Window.Take();
  Solve();
  EXPECT_EQ(Data.Results[1], 5);
  EXPECT_EQ(Dialogs(), Strings{"dialog Solved"});
  EXPECT_TRUE(Window.SolvedMark);
  EXPECT_EQ(Window.GaugeProgress, 1);
  Game.RestartBtnClick();
  Solve();
  EXPECT_EQ(Data.Results[1], 5);
  Data.Results[1] = 0;
  Window.Answers[TDialog::TakeChanges] = {mrCancel};  // the played turn is no edit
  Game.OptionBtnClick();                              // editor
  Game.OptionBtnClick();                              // practice
  ASSERT_EQ(Data.Mode, gmPractice);
  Window.Take();
  Solve();
  EXPECT_EQ(Dialogs(), Strings{"dialog Solved"});
  EXPECT_EQ(Data.Results[1], 0);
}

TEST_F(GameTest, AllSolvedIsShownOncePerRun) {
  StartUp(2);
  Solve();
  Game.sUpBtnClick();
  Window.Take();
  Solve();
  EXPECT_EQ(Dialogs(), (Strings{"dialog Solved", "dialog AllSolved"}));
  Game.NewGameBtnClick();
  Solve();
  Game.sUpBtnClick();
  Solve();
  EXPECT_EQ(Dialogs(), (Strings{"dialog Solved", "dialog Solved"}));
}

TEST_F(GameTest, GiveUpQuestionsGuardALevelInPlay) {
  StartUp();
  Window.Take();
  Game.RestartBtnClick();  // untouched: asked once
  EXPECT_EQ(Dialogs(), Strings{"dialog GiveUpLevel"});
  Touch();
  Game.RestartBtnClick();  // touched: asked twice
  EXPECT_EQ(Dialogs(), (Strings{"dialog GiveUpLevel", "dialog GiveUpLevel"}));
  Touch();
  Window.Answers[TDialog::GiveUpLevel] = {mrYes, mrNo};
  Game.RestartBtnClick();
  EXPECT_TRUE(Data.LevelTouched);  // the second no keeps the level
  Window.Answers[TDialog::GiveUpGame] = {mrCancel};
  Game.NewGameBtnClick();
  EXPECT_TRUE(Data.LevelTouched);
  Ticks(9);  // time over: nothing asks any more
  Window.Take();
  Game.RestartBtnClick();
  Ticks(9);
  Window.Take();
  Game.NewGameBtnClick();
  EXPECT_TRUE(Dialogs().empty());
}

TEST_F(GameTest, ModeButtonCyclesThroughTheEditor) {
  StartUp();
  Touch();
  Window.Take();
  Game.OptionBtnClick();  // challenge -> editor: no question, no water animation
  EXPECT_EQ(Data.Mode, gmEditor);
  EXPECT_EQ(Data.State, psEditing);
  EXPECT_EQ(Window.FlowAnimations, 0);
  EXPECT_TRUE(Window.Visible[TControl::Palette]);
  EXPECT_FALSE(Window.Visible[TControl::LoadBtn]);
  EXPECT_EQ(Window.Title, std::string(GameTitle) + " - Editor");
  Ticks(3);
  EXPECT_EQ(Data.TimeLeft, 8);
  Game.OptionBtnClick();  // -> practice: the touched flag asks to take the edits
  EXPECT_EQ(Data.Mode, gmPractice);
  EXPECT_EQ(Dialogs(), Strings{"dialog TakeChanges"});
  EXPECT_EQ(Data.State, psRunning);
  Touch();
  Ticks(10);
  Window.Answers[TDialog::GiveUpLevel] = {mrNo};
  Game.OptionBtnClick();  // practice -> challenge on a touched level: refused
  EXPECT_EQ(Dialogs(), Strings{"dialog GiveUpLevel"});
  EXPECT_EQ(Data.Mode, gmPractice);
  EXPECT_EQ(Window.Title, std::string(GameTitle) + " - Practice mode");
  Ticks(1);  // the practice clock runs on below zero
  EXPECT_EQ(Data.TimeLeft, -3);
  EXPECT_EQ(Data.State, psRunning);
  EXPECT_EQ(Window.TimeDigits, (TDisplayDigits{std::nullopt, std::nullopt, 0}));
  Game.OptionBtnClick();  // agreed: a fresh level in challenge
  EXPECT_EQ(Data.Mode, gmChallenge);
  EXPECT_EQ(Data.TimeLeft, 8);
}

TEST_F(GameTest, SoundFollowsItsButtonAndHelpTheLanguage) {
  StartUp();
  Window.SoundIsOn = false;
  Sound.Events.clear();
  Game.PlaySoundCue(scSolved);
  Window.SoundIsOn = true;
  Game.PlaySoundCue(scWater);
  EXPECT_EQ(Sound.Events, (Strings{"stop", "stop", "play " + ProgramDir + "w1.wav"}));
  Game.rules();
  Data.Language = lgGerman;
  Game.NimbleplayBtnClick();
  EXPECT_EQ(Help.Events, (Strings{"quit", ProgramDir + "GURX2.HLP The_game", "quit",
                                  ProgramDir + "NIMB.HLP Nimbleplay_d"}));
  EXPECT_TRUE(Window.ClockOn);
}

// Keyboard play: the cursor starts on the water, stops at the edges, and
// its press keys press as the mouse buttons would.
TEST_F(GameTest, TheKeyboardCursorPressesLikeTheMouseAndPauseStopsPlayUntilALeftClick) {
  StartUp();
  EXPECT_FALSE(Window.Cursor);
  Game.CursorKey(TCursorKey::Up);  // the start (1,1) is at the edge
  EXPECT_EQ(Window.Cursor, (TCell{1, 1}));
  Game.CursorKey(TCursorKey::Right);
  Game.CursorKey(TCursorKey::PressMiddle);  // on the dry end: nothing
  EXPECT_FALSE(Data.LevelTouched);
  Game.CursorKey(TCursorKey::Left);
  Game.Pause();
  Game.CursorKey(TCursorKey::PressLeft);  // ignored on the board, but a click ends the pause
  EXPECT_EQ(Data.State, psRunning);
  EXPECT_EQ(Data.Board.Tile({1, 1}), 9);
  Window.Take();
  Game.CursorKey(TCursorKey::PressRight);
  EXPECT_EQ(Dialogs(), Strings{"dialog Solved"});
  Game.HideCursor();  // a mouse press on the board
  EXPECT_FALSE(Window.Cursor);
  Bar.SetPosition(9);  // level 2: the cursor waits on its start, hidden
  Game.CursorKey(TCursorKey::Down);
  EXPECT_EQ(Window.Cursor, (TCell{1, 2}));

  // Pause stops the clock and the board until a left click.
  Game.Pause();
  EXPECT_EQ(Data.State, psPaused);
  EXPECT_TRUE(Window.Visible[TControl::Pausetext]);
  EXPECT_FALSE(Window.Enabled[TControl::PauseBtn]);
  Ticks(3);
  Solve();
  EXPECT_EQ(Data.TimeLeft, 8);
  EXPECT_EQ(Data.Board.Tile({1, 1}), 9);
  Game.boxClick();
  EXPECT_EQ(Data.State, psRunning);
  EXPECT_FALSE(Window.Visible[TControl::Pausetext]);
}

// Level 1: the start elbow (right, up), a tee open left that must turn toward
// the end beyond it. Level 2 cannot be solved: its end faces the edge.
TEST_F(GameTest, TheHintKeySolvesPracticeLevelsAndIsSilentElsewhere) {
  WriteBytes(Dir / "gurx.dat",
             LevelFileBytes({TLevelBuilder{}.Tile(1, 1, 2).Tile(2, 1, 12).Tile(3, 1, 17).Rec,
                             TLevelBuilder{}.Tile(1, 1, 2).Tile(2, 1, 9).Rec}));
  StartUp();
  const auto board = Data.Board.Tiles;
  Window.WhileOpen[TDialog::Info] = [this] { Game.HintKey(); };
  Game.info();
  Game.Pause();
  Game.HintKey();
  Game.boxClick();
  Data.Mode = gmChallenge;
  Game.HintKey();
  EXPECT_EQ(Data.Board.Tiles, board);
  EXPECT_FALSE(Data.LevelTouched);

  Data.Mode = gmPractice;
  Window.Take();
  for (int i = 0; i < 10 && Data.State == psRunning; ++i) Game.HintKey();
  EXPECT_EQ(Window.Cursor, (TCell{2, 1}));
  EXPECT_TRUE(Data.LevelTouched);
  EXPECT_EQ(Dialogs(), Strings{"dialog Solved"});
  Game.HintKey();  // solved: nothing more

  Bar.SetPosition(9);
  const auto unsolvable = Data.Board.Tiles;
  Game.HintKey();
  EXPECT_EQ(Data.Board.Tiles, unsolvable);
  EXPECT_TRUE(Dialogs().empty());
}

TEST(Displays, ThreeDigitsBlankOnlyLeadingZeros) {
  const auto blank = std::nullopt;
  EXPECT_EQ(ThreeDigits(40), (TDisplayDigits{blank, 4, 0}));
  EXPECT_EQ(ThreeDigits(105), (TDisplayDigits{1, 0, 5}));
  EXPECT_EQ(ThreeDigits(1005), (TDisplayDigits{blank, blank, 5}));
}

TEST_F(GameTest, TitleHintsAndGaugeFollowTheLanguage) {
  StartUp(40);
  for (int level = 2; level <= 8; ++level) Data.Results[level] = 1;
  Bar.SetPosition(38);  // level 3
  EXPECT_EQ(Window.Hints[TControl::levelbox], "Level 3: solved");
  EXPECT_EQ(Window.Hints[TControl::gsol], "7 of 40 levels solved");
  EXPECT_EQ(Window.LevelDigits, (TDisplayDigits{std::nullopt, std::nullopt, 3}));
  EXPECT_TRUE(Window.SolvedMark);
  EXPECT_EQ(Window.Title, std::string(GameTitle) + " - Challenge mode");

  Data.Language = lgGerman;
  Data.Mode = gmPractice;
  Bar.SetPosition(40);  // level 1
  EXPECT_EQ(Window.Hints[TControl::levelbox], "Stufe 1: ungelöst");
  EXPECT_EQ(Window.Hints[TControl::gsol], "7 von 40 Stufen gelöst");
  EXPECT_EQ(Window.Title, std::string(GameTitle) + " - Üben");
}

// A solve is recorded at once under the level's tiles, its presses with the
// hint key's and its seconds while running, and a line on the board tells
// of it until the next press. A damaged records file is kept aside; one
// that cannot be written is told of once.
TEST_F(GameTest, SolvesAreRecordedAndToldOnTheBoard) {
  WriteLevels(10);
  WriteBytes(Dir / "records", {'x'});
  TLevelFiles files;
  files.Records = Dir / "records";
  Game.FormCreate(ProgramDir, SettingsPath, files);
  Game.FormActivate();
  const std::string said = "message The records in " + Dir / "records" +
                           " were damaged and are kept as " + Dir / "records.damaged" +
                           ". The game goes on with empty records.";
  EXPECT_EQ(std::count(Window.Events.begin(), Window.Events.end(), said), 1);
  Data.Mode = gmPractice;
  Game.StartLevel(2);
  Touch();
  Ticks(3);
  Solve();
  // Par, found meanwhile on a thread of its own, may stand in the middle.
  EXPECT_TRUE(Window.SolveLine.starts_with("Solved! Presses: 2 · time: 3 s · "))
      << Window.SolveLine;
  EXPECT_TRUE(Window.SolveLine.ends_with("for the first time")) << Window.SolveLine;
  Touch();
  EXPECT_EQ(Window.SolveLine, "");
  Game.StartLevel(5);  // the same tiles in another place
  Game.HintKey();
  EXPECT_TRUE(Window.SolveLine.starts_with("Solved! Presses: 1 · time: 0 s · "))
      << Window.SolveLine;
  EXPECT_TRUE(Window.SolveLine.ends_with("a new record! · with hints")) << Window.SolveLine;
  const std::optional<TRecords> records = ReadRecordsFile(Dir / "records");
  ASSERT_TRUE(records && records->Levels.size() == 1);
  const TLevelRecord& level = records->Levels[0];
  EXPECT_EQ(level.Name, "gurx.dat 5");
  EXPECT_EQ(level.Solves, 2);
  EXPECT_TRUE(level.FewestPresses == 1 && level.FewestHinted);
  EXPECT_TRUE(level.FastestSeconds == 0 && level.FastestHinted);

  // A records file that cannot be written is told of once.
  std::filesystem::remove(Dir / "records");
  std::filesystem::create_directory(Dir / "records");
  for (std::int32_t n : {2, 5}) {
    Game.StartLevel(n);
    Game.HintKey();
  }
  const std::string unwritten = "message The records could not be written to " + Dir / "records" +
                                ". The game keeps them and tries again at the next solve.";
  EXPECT_EQ(std::count(Window.Events.begin(), Window.Events.end(), unwritten), 1);
}

// Records that can be neither read nor moved aside are never written over.
TEST_F(GameTest, UnreadableRecordsAreLeftAsTheyAre) {
  WriteLevels(10);
  std::filesystem::create_directories(Dir / "records/inside");
  TLevelFiles files;
  files.Records = Dir / "records";
  Game.FormCreate(ProgramDir, SettingsPath, files);
  Game.FormActivate();
  const std::string said = "message The records in " + Dir / "records" +
                           " could not be read and are left as they are. The records of this "
                           "game are not saved.";
  EXPECT_EQ(std::count(Window.Events.begin(), Window.Events.end(), said), 1);
  Data.Mode = gmPractice;
  Game.StartLevel(2);
  Touch();
  Solve();
  EXPECT_TRUE(Window.SolveLine.starts_with("Solved!")) << Window.SolveLine;
  EXPECT_TRUE(std::filesystem::is_directory(Dir / "records/inside"));
  EXPECT_EQ(Window.Events.back().rfind("message", 0), std::string::npos) << Window.Events.back();
}

}  // namespace
