#include <algorithm>

#include "control/GameFixture.h"
#include "platform/Calendar.h"

namespace {

using Strings = std::vector<std::string>;

TEST_F(GameTest, LevelBarRunsReversedAndStartsAtEveryChange) {
  StartUp(120);
  EXPECT_EQ(Window.BarMaximum, 120);
  EXPECT_EQ(Window.BarPosition, 120);  // level 1 at the bottom end
  Bar.SetPosition(1);
  EXPECT_EQ(Data.CurrentLevel, 120);
  Bar.Step(TLevelBar::LargeChange);
  EXPECT_EQ(Data.CurrentLevel, 110);
  const int animationsBefore = Window.FlowAnimations;
  Window.Take();
  Bar.SetPosition(11);  // where it stands: nothing starts
  EXPECT_TRUE(Window.Take().empty());
  for (int position = 12; position <= 14; ++position) Bar.SetPosition(position);
  EXPECT_EQ(Data.CurrentLevel, 107);
  EXPECT_EQ(std::count(Window.Events.begin(), Window.Events.end(), "backdrop"), 3);
  EXPECT_EQ(Window.FlowAnimations, animationsBefore);
}

TEST_F(GameTest, UnsolvedLevelButtonsSkipSolvedLevelsWrapAndAsk) {
  StartUp(10);
  Bar.SetPosition(2);  // level 9
  for (int level : {10, 1}) Data.Results[level] = 20;
  Game.sUpBtnClick();
  EXPECT_EQ(Data.CurrentLevel, 2);
  EXPECT_EQ(Window.BarPosition, 9);
  Data.Results[1] = 0;
  Game.sDownBtnClick();
  EXPECT_EQ(Data.CurrentLevel, 1);
  for (int level = 1; level <= 10; ++level) Data.Results[level] = level == 1 ? 0 : 3;
  Window.Take();
  Game.sUpBtnClick();  // only the current level is unsolved
  Game.sDownBtnClick();
  EXPECT_TRUE(Window.Take().empty());

  // On a touched level the button starts twice, and asks twice.
  Data.Results.ClearLevels(10);
  Touch();
  Window.Answers[TDialog::GiveUpLevel] = {mrNo, mrNo};
  Window.Take();
  Game.sUpBtnClick();  // refused, then the bar moves and asks again
  EXPECT_EQ(Dialogs(), (Strings{"dialog GiveUpLevel", "dialog GiveUpLevel"}));
  EXPECT_EQ(Data.CurrentLevel, 1);
  EXPECT_EQ(Window.BarPosition, 10);  // back on the level the board shows
  Bar.SetPosition(10);                // back to level 1: asked, agreed
  Window.Take();
  Touch();
  Game.sUpBtnClick();
  EXPECT_EQ(Dialogs(), (Strings{"dialog GiveUpLevel"}));  // the second start is untouched
  EXPECT_EQ(Data.CurrentLevel, 2);
}

TEST_F(GameTest, NewGameClearsTheResultsOfTheLevelsAndAsksInChallenge) {
  WriteSettings("[Gurgelix]\nmode=0\n");
  StartUp(5);
  Bar.SetPosition(1);
  for (int level = 1; level <= 6; ++level) Data.Results[level] = 9;
  Touch();
  Window.Take();
  Game.NewGameBtnClick();
  EXPECT_TRUE(Dialogs().empty());
  EXPECT_EQ(Data.CurrentLevel, 1);
  EXPECT_EQ(Window.BarPosition, 5);
  for (int level = 1; level <= 5; ++level) EXPECT_EQ(Data.Results[level], 0);
  EXPECT_EQ(Data.Results[6], 9);

  // In challenge it asks for the game, then the level.
  Game.OptionBtnClick();
  Bar.SetPosition(1);  // level 5
  Data.Results[2] = 30;
  Touch();
  Window.Answers[TDialog::GiveUpLevel] = {mrNo, mrNo};
  Window.Take();
  Game.NewGameBtnClick();
  EXPECT_EQ(Dialogs(), (Strings{"dialog GiveUpGame", "dialog GiveUpLevel", "dialog GiveUpLevel"}));
  // The level was kept, and with it the game: level, results and bar as they were.
  EXPECT_EQ(Data.CurrentLevel, 5);
  EXPECT_EQ(Data.Results[2], 30);
  EXPECT_EQ(Window.BarPosition, 1);
  EXPECT_TRUE(Data.LevelTouched);
  Window.Answers[TDialog::GiveUpLevel] = {mrNo, mrYes};  // the second question agrees
  Game.NewGameBtnClick();
  EXPECT_EQ(Data.CurrentLevel, 1);
  EXPECT_EQ(Data.Results[2], 0);
  EXPECT_FALSE(Data.LevelTouched);
}

// A random level plays without a number: its code in the title, the level
// display blank, the results untouched by a challenge solve. A restart
// keeps it, a wrong code is said and changes nothing, the level buttons
// lead back to the numbered levels.
TEST_F(GameTest, RandomLevelsPlayWithoutANumberAndLeadBack) {
  StartUp(10);
  Bar.SetPosition(8);  // level 3
  Window.FreshAnswers = {{mrOk, TLevelSize::Medium, false, ""},
                         {mrOk, std::nullopt, false, "x-1"},
                         {mrOk, std::nullopt, true, ""}};
  Game.FreshLevelBtnClick();
  ASSERT_TRUE(Data.Random);
  const TLevelCode code = Data.Random->Code;
  EXPECT_EQ(code.Size, TLevelSize::Medium);
  EXPECT_EQ(Window.Title, std::string(GameTitle) + " - " + CodeText(code) + " - Challenge mode");
  EXPECT_EQ(Window.LevelDigits, TDisplayDigits{});
  for (const TMove& move : LevelOfCode(code).Solution) Game.PressBoardCell(move);
  EXPECT_EQ(Data.State, psSolved);
  EXPECT_EQ(Data.Results[3], 0);
  Game.RestartBtnClick();
  EXPECT_EQ(Data.Random->Code, code);
  Window.Take();
  Game.FreshLevelBtnClick();
  EXPECT_EQ(Dialogs(), (Strings{"message \"x-1\" is not a level code. A code looks like this: "
                                "M-7F3KQ2D9"}));
  EXPECT_EQ(Data.Random->Code, code);
  Game.FreshLevelBtnClick();
  const TCalendarDay today = LocalToday();
  EXPECT_EQ(Data.Random->Code, DailyCode(today.Year, today.Month, today.Day));
  Game.sUpBtnClick();
  EXPECT_FALSE(Data.Random);
  EXPECT_EQ(Data.CurrentLevel, 4);
}

}  // namespace
