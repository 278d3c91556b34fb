#include "control/GameFixture.h"

namespace {

TEST(Displays, ThreeDigitsBlankOnlyLeadingZeros) {
  const auto blank = std::nullopt;
  EXPECT_EQ(ThreeDigits(0), (TDisplayDigits{blank, blank, 0}));
  EXPECT_EQ(ThreeDigits(40), (TDisplayDigits{blank, 4, 0}));
  EXPECT_EQ(ThreeDigits(105), (TDisplayDigits{1, 0, 5}));
  EXPECT_EQ(ThreeDigits(-12), (TDisplayDigits{blank, blank, 0}));
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

TEST_F(GameTest, TheLanguageButtonSwitchesEveryTextAtOnce) {
  StartUp(3);
  Window.LanguageChoice = lgGerman;
  Game.TongBtnClick();
  EXPECT_EQ(Window.Captions[TControl::levellabel], "Stufe:");
  EXPECT_EQ(Window.Hints[TControl::ExitBtn], "Ich hab genug!");
  EXPECT_EQ(Window.Title, std::string(GameTitle) + " - Wettkampf");
}

}  // namespace
