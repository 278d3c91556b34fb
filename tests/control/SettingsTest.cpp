#include <gtest/gtest.h>

#include <limits>

#include "control/Settings.h"
#include "support/TempDir.h"

namespace {

struct SettingsTest : ::testing::Test {
  TTempDir Dir;
  TSettings Settings{Dir / "quillcase.ini"};

  void Write(const std::string& text) { WriteBytes(Settings.Path(), {text.begin(), text.end()}); }
};

// The other defaults show in the game's first start.
TEST_F(SettingsTest, EveryKindReadsBackWhatWasWrittenOrItsDefault) {
  EXPECT_TRUE(Settings.ReadBoolean(TSettingKey::Sound));
  EXPECT_EQ(Settings.ReadInteger(TSettingKey::EditorLeft, 640), 640);
  EXPECT_THROW(Settings.ReadBoolean(TSettingKey::Mode), std::logic_error);
  ASSERT_TRUE(Settings.WriteInteger(TSettingKey::Mode, gmEditor));
  ASSERT_TRUE(Settings.WriteInteger(TSettingKey::Left, -300));
  ASSERT_TRUE(Settings.WriteBoolean(TSettingKey::Sound, false));
  ASSERT_TRUE(Settings.WriteString(TSettingKey::Save, "/home/p/My Games/a=b;c.gxs"));
  EXPECT_EQ(Settings.ReadInteger(TSettingKey::Mode), gmEditor);
  EXPECT_EQ(Settings.ReadInteger(TSettingKey::Left), -300);
  EXPECT_FALSE(Settings.ReadBoolean(TSettingKey::Sound));
  EXPECT_EQ(Settings.ReadString(TSettingKey::Save), "/home/p/My Games/a=b;c.gxs");
}

TEST_F(SettingsTest, HandEditedValues) {
  Write("[gurgelix]\ntongue=0x1\nlevel=seven\nsound=5\nmode=0x\n");
  EXPECT_EQ(Settings.ReadInteger(TSettingKey::Tongue), lgGerman);
  EXPECT_EQ(Settings.ReadInteger(TSettingKey::Level), 1);
  EXPECT_TRUE(Settings.ReadBoolean(TSettingKey::Sound));
  EXPECT_EQ(Settings.ReadInteger(TSettingKey::Mode), gmChallenge);
}

TEST(SettingsRanges, ModeAndLevelAreBroughtIntoRange) {
  EXPECT_EQ(ModeInRange(2), gmEditor);
  EXPECT_EQ(ModeInRange(3), gmChallenge);
  EXPECT_EQ(ModeInRange(-1), gmChallenge);
  EXPECT_EQ(LevelInRange(0, 200), 1);
  EXPECT_EQ(LevelInRange(250, 200), 200);
}

TEST(SettingsRanges, TheWindowStaysReachable) {
  const std::vector<TRect> screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
  for (TPlace kept : {TPlace{2500, 900}, TPlace{1850, 10}})
    EXPECT_EQ(WindowPlaceOnScreen(kept, 500, 366, screens), kept);
  constexpr int most = std::numeric_limits<int>::max();  // hand-edited, at the edge of the range
  for (TPlace lost : {TPlace{5000, 200}, {300, -40}, {-480, 200}, {most, most}, {-most - 1, 0}})
    EXPECT_EQ(WindowPlaceOnScreen(lost, 500, 366, screens), (TPlace{100, 50}));
  EXPECT_EQ(WindowPlaceOnScreen({900, 900}, 500, 366, {{0, 0, 550, 400}}), (TPlace{50, 34}));
}

}  // namespace
