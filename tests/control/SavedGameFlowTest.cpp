#include "control/GameFixture.h"

namespace {

using Strings = std::vector<std::string>;

TEST(SavePath, TheExtensionBecomesGxsAndTheRootGetsNoSecondSeparator) {
  EXPECT_EQ(SavePathFrom("/home/p", "sunday"), "/home/p/sunday.gxs");
  EXPECT_EQ(SavePathFrom("/home/p/", "sunday.txt"), "/home/p/sunday.gxs");
  EXPECT_EQ(SavePathFrom("/", "a.b.c"), "/a.b.gxs");
  EXPECT_EQ(SavePathFrom("/home/p.d", "noext"), "/home/p.d/noext.gxs");
}

TEST_F(GameTest, SavingAsksBeforeOverwritingAndAgainAfterANoAndNeverCreatesAWildcard) {
  StartUp(3);
  WriteBytes(Dir / "old.gxs", {1, 2, 3});
  Window.SaveAnswers = {{mrOk, Dir.Path().string(), "old.gxs"}, {mrOk, Dir.Path().string(), "new"}};
  Window.MessageAnswers = {mrNo};
  Window.Take();
  Game.SaveBtnClick();
  EXPECT_EQ(Window.Take(),
            (Strings{"save window noname.gxs", "message Game old.gxs already existing. Overwrite?",
                     "save window noname.gxs"}));
  EXPECT_EQ(ReadBytes(Dir / "old.gxs").size(), 3u);
  EXPECT_EQ(Data.GameFileName, Dir / "new.gxs");
  EXPECT_EQ(Window.Title, std::string(GameTitle) + " - Game new.gxs - Challenge mode");
  EXPECT_TRUE(Window.ClockOn);

  Window.SaveAnswers = {{mrCancel, Dir.Path().string(), "other"}};
  Game.SaveBtnClick();  // the next save proposes the current game and points the window at it
  EXPECT_EQ(Window.Take(), Strings{"save window new.gxs"});
  EXPECT_EQ(Window.SaveWindowFile, Dir / "new.gxs");
  EXPECT_EQ(Data.GameFileName, Dir / "new.gxs");

  // A wildcard name matches the saved games: it is asked about, but never created.
  Window.SaveAnswers = {{mrOk, Dir.Path().string(), "*.gxs"}};
  Window.Answers[TDialog::EndGame] = {mrNo};
  Window.Take();
  Game.SaveBtnClick();
  EXPECT_EQ(Dialogs(), (Strings{"message Game *.gxs already existing. Overwrite?",
                                "message Cannot save game *.gxs. Drive full or not writable.",
                                "dialog EndGame"}));
  EXPECT_FALSE(std::filesystem::exists(Dir / "*.gxs"));
  EXPECT_EQ(Data.GameFileName, Dir / "new.gxs");
  Window.SaveAnswers = {{mrOk, Dir.Path().string(), "*.gxs"}};
  Game.SaveBtnClick();  // failed again, and closed this time: the clock stays off
  EXPECT_TRUE(Window.Closed);
  EXPECT_FALSE(Window.ClockOn);
}

TEST_F(GameTest, LoadingReplacesTheResultsUnlessItFails) {
  WriteBytes(Dir / "sunday.gxs", {9, 0, 0, 0, 8, 0, 0, 0});
  StartUp(3);
  Data.Results[3] = 4;
  Window.LoadAnswers = {{mrOk, Dir / "sunday.gxs"}};
  Game.LoadBtnClick();
  EXPECT_EQ(Data.Results[1], 9);
  EXPECT_EQ(Data.Results[3], 0);
  EXPECT_EQ(Data.GameFileName, Dir / "sunday.gxs");
  EXPECT_EQ(Window.GaugeProgress, 2);

  Data.GameFileName = Dir / "gone/away.gxs";
  Window.LoadAnswers = {{mrOk, std::nullopt}};
  Game.LoadBtnClick();  // the window opens at the program directory; no file chosen
  EXPECT_EQ(Window.LoadWindowDirectory, ProgramDir);
  EXPECT_EQ(Data.Results[1], 9);

  // A failed load says which file, keeps the results and offers to close.
  std::filesystem::create_directory(Dir / "dir.gxs");
  Window.LoadAnswers = {{mrOk, Dir / "dir.gxs"}};
  Window.Answers[TDialog::EndGame] = {mrNo};
  Window.Take();
  Game.LoadBtnClick();
  EXPECT_EQ(Dialogs(),
            (Strings{"message Error occured while loading file dir.gxs!", "dialog EndGame"}));
  EXPECT_EQ(Data.Results[1], 9);
}

}  // namespace
