#include <sys/stat.h>

#include <algorithm>
#include <limits>

#include "control/GameFixture.h"
#include "control/Settings.h"

namespace {

using Strings = std::vector<std::string>;

TLevelFiles Files(const std::string& argument, const std::string& own, bool shippedReadOnly) {
  TLevelFiles files;
  files.Argument = argument;
  files.Own = own;
  files.ShippedReadOnly = shippedReadOnly;
  return files;
}

TEST_F(GameTest, FirstStartAsksTheLanguageAndStartsNoLevelItself) {
  WriteLevels(10);
  Game.FormCreate(ProgramDir, SettingsPath);
  Window.LanguageChoice = lgGerman;
  Game.FormActivate();
  EXPECT_EQ(Window.Take(), (Strings{"dialog Splash", "language window"}));
  EXPECT_EQ(Data.Language, lgGerman);
  EXPECT_EQ(Window.Place, (TPlace{100, 50}));
  EXPECT_EQ(Data.Mode, gmChallenge);
  EXPECT_EQ(Data.CurrentLevel, 1);
  EXPECT_FALSE(Window.ClockOn);
  EXPECT_FALSE(Window.SoundIsOn);
  EXPECT_EQ(Data.EditorBrush, 0);
  Game.FormActivate();  // activated again by its own windows: runs once only
  EXPECT_TRUE(Window.Take().empty());
  Game.boxPaint();  // the first paint moves the bar, which starts the level
  EXPECT_EQ(Data.TimeLeft, 8);
  EXPECT_TRUE(Window.ClockOn);
}

TEST_F(GameTest, ARememberedGameContinuesWhereItWasLeft) {
  WriteBytes(Dir / "sunday.gxs", {7, 0, 0, 0});
  WriteSettings("[Gurgelix]\ntongue=0\nsave=" + Dir / "sunday.gxs" +
                "\nlevel=7\nmode=0\nsound=1\nleft=300\ntop=200\n");
  StartUp(10);
  EXPECT_EQ(Window.Events.front(), "dialog Splash");  // no language window
  // One start and the first paint draw the backdrop once each: the aligned
  // bar starts the level no second time.
  EXPECT_EQ(std::count(Window.Events.begin(), Window.Events.end(), "backdrop"), 2);
  EXPECT_EQ(Data.CurrentLevel, 7);
  EXPECT_EQ(Data.Mode, gmPractice);
  EXPECT_TRUE(Window.SoundIsOn);
  EXPECT_EQ(Window.Place, (TPlace{300, 200}));
  EXPECT_EQ(Data.Results[1], 7);
  EXPECT_EQ(Data.EditorBrush, 1);
  EXPECT_EQ(Window.BarPosition, 4);
  EXPECT_EQ(Window.Title, std::string(GameTitle) + " - Game sunday.gxs - Practice mode");
}

TEST_F(GameTest, HandEditedSettingsAreBroughtIntoRange) {
  WriteBytes(Dir / "a.gxs", {});
  WriteSettings("[Gurgelix]\nmode=3\nlevel=999\nleft=-5000\ntongue=0x1\nsave=" + Dir / "a.gxs" +
                "\n");
  StartUp(10);
  EXPECT_EQ(Data.Mode, gmChallenge);
  EXPECT_EQ(Data.CurrentLevel, 10);
  EXPECT_EQ(Window.Place, (TPlace{100, 50}));
  EXPECT_EQ(Data.Language, lgGerman);
}

TEST_F(GameTest, AnUnreadableRememberedGameOffersToClose) {
  ::mkfifo((Dir / "stuck.gxs").c_str(), 0600);  // exists, but is no file to read
  WriteSettings("[Gurgelix]\nsave=" + Dir / "stuck.gxs" + "\n");
  Window.Answers[TDialog::EndGame] = {mrNo};
  WriteLevels(10);
  Game.FormCreate(ProgramDir, SettingsPath);
  Game.FormActivate();
  EXPECT_EQ(Dialogs(),
            (Strings{"dialog Splash",
                     "message Error occured while loading file " + Dir / "stuck.gxs" + "!",
                     "dialog EndGame"}));
  EXPECT_FALSE(Window.Closed);
  EXPECT_EQ(Data.Board.Tile({1, 1}), 0);  // no level was started
}

TEST_F(GameTest, MissingFilesEndTheProgramAndWriteNothing) {
  Game.FormCreate(ProgramDir, SettingsPath);
  Window.LanguageChoice = lgGerman;
  Game.FormActivate();
  EXPECT_TRUE(Window.Terminated);
  EXPECT_EQ(Dialogs().back(),
            "message Datei GURX.DAT konnte nicht gefunden werden. Programm wird abgebrochen.");
  EXPECT_FALSE(std::filesystem::exists(SettingsPath));

  TFakeGameWindow window;
  TGame game(window, Sound, Help);
  window.ArtworkLoads = false;
  game.FormCreate(ProgramDir, SettingsPath);
  game.FormActivate();
  EXPECT_TRUE(window.Terminated);
  EXPECT_EQ(window.Events.back(), "message Not enough memory! Program aborted.");
}

TEST_F(GameTest, ShutDownAsksInOrderAndWritesEverySetting) {
  WriteSettings("[Other]\nkeep=me\n");
  StartUp(4);
  Game.OptionBtnClick();  // editor
  Data.Board.Tile({6, 6}) = 3;
  Data.LevelsChanged = true;
  Window.SoundIsOn = true;
  Window.Place = {320, 240};
  Window.MessageAnswers = {mrNo};  // keep the level file as it is
  Window.SaveAnswers = {{mrOk, Dir.Path().string(), "first"}};
  Help.Events.clear();
  Window.Take();
  EXPECT_TRUE(Game.CloseRequested());
  EXPECT_EQ(Window.Take(), (Strings{"dialog EndGame", "message  Levels changed. Save?",
                                    "save window noname.gxs"}));
  EXPECT_EQ(Help.Events, Strings{"quit"});
  EXPECT_EQ(Data.Levels[1].Tiles[CellIndex({6, 6})], 3);  // stored, though not saved
  EXPECT_EQ(ReadBytes(Dir / "first.gxs").size(), 16u);
  EXPECT_EQ(Settings(),
            "[Other]\nkeep=me\n[Gurgelix]\nmode=2\nsound=1\nleft=320\ntop=240\n"
            "level=1\ntongue=-1\nsave=" +
                Dir / "first.gxs" + "\n");
}

TEST_F(GameTest, RefusingToCloseKeepsTheClockAndAFailedSaveAtExitEndsWithoutASecondClose) {
  StartUp();
  Window.Answers[TDialog::EndGame] = {mrNo, mrCancel};  // then the close box
  Game.ExitBtnClick();
  EXPECT_FALSE(Window.Closed);
  EXPECT_TRUE(Window.ClockOn);
  EXPECT_FALSE(Game.CloseRequested());
  Window.SaveAnswers = {{mrOk, Dir / "missing-dir", "x"}};
  Window.Take();
  Game.ExitBtnClick();
  EXPECT_TRUE(Window.Closed);
  EXPECT_EQ(Dialogs(), (Strings{"dialog EndGame",
                                "message Cannot save game x.gxs. Drive full or not writable."}));
  EXPECT_NE(Settings().find("save=\n"), std::string::npos);  // the settings are still written
  EXPECT_FALSE(Window.ClockOn);
  Game.TimerTimer();  // a tick that arrives after the shut-down does nothing
  EXPECT_EQ(Data.State, psRunning);
}

// The named file first, then the player's own file once it exists, then the shipped one.
TEST_F(GameTest, LevelsComeFromTheNamedFileTheOwnFileOrTheShippedOne) {
  WriteLevels(3);
  const std::string own = Dir / "data/gurgelix/gurx.dat";
  WriteLevels(5, "pack.dat");
  const auto started = [&](const TLevelFiles& files) {
    TFakeGameWindow window;
    TGame game(window, Sound, Help);
    game.FormCreate(ProgramDir, SettingsPath, files);
    game.FormActivate();
    return std::pair{TGameTestAccess::Data(game).Levels.LevelCount(), window.Events.back()};
  };
  EXPECT_EQ(started(Files("", own, false)).first, 3);
  EXPECT_EQ(started(Files(Dir / "pack.dat", own, false)).first, 5);
  std::filesystem::create_directories(Dir / "data/gurgelix");
  WriteLevels(4, "data/gurgelix/gurx.dat");
  EXPECT_EQ(started(Files("", own, false)).first, 4);
  EXPECT_EQ(started(Files(Dir / "none.dat", own, false)).second,
            "message Can't find file " + Dir / "none.dat" + ". Program aborted.");
}

// An installed game keeps its shipped file and saves edits to the player's
// own, making its folders; only when that fails too does the player hear of it.
TEST_F(GameTest, AnInstalledGameSavesEditsToThePlayersOwnFile) {
  WriteLevels(3);
  const auto shipped = ReadBytes(Dir / "gurx.dat");
  const std::string own = Dir / "data/gurgelix/gurx.dat";
  Game.FormCreate(ProgramDir, SettingsPath, Files("", own, true));
  Game.FormActivate();
  Data.Levels[2].Tiles[0] = 5;
  Game.SaveLevels();
  EXPECT_EQ(ReadBytes(Dir / "gurx.dat"), shipped);
  EXPECT_EQ(ReadBytes(own).at(LevelRecSize), 5);
  EXPECT_EQ(Data.LevelFilePath, own);
  EXPECT_EQ(Dialogs(), Strings{"dialog Splash"});  // no message

  TFakeGameWindow window;
  TGame game(window, Sound, Help);
  WriteBytes(Dir / "file", {1});
  game.FormCreate(ProgramDir, SettingsPath, Files("", Dir / "file/gurx.dat", true));
  game.FormActivate();
  game.SaveLevels();
  EXPECT_EQ(window.Events.back(), "message Cannot create GURX.DAT.");
  EXPECT_EQ(ReadBytes(Dir / "gurx.dat"), shipped);
}

// The other defaults show in the game's first start.
TEST_F(GameTest, SettingsReadBackWhatWasWrittenOrTheirDefault) {
  const TSettings settings(SettingsPath);
  EXPECT_TRUE(settings.ReadBoolean(TSettingKey::Sound));
  ASSERT_TRUE(settings.WriteInteger(TSettingKey::Left, -300));
  ASSERT_TRUE(settings.WriteBoolean(TSettingKey::Sound, false));
  ASSERT_TRUE(settings.WriteString(TSettingKey::Save, "/home/p/My Games/a=b;c.gxs"));
  EXPECT_EQ(settings.ReadInteger(TSettingKey::Left), -300);
  EXPECT_FALSE(settings.ReadBoolean(TSettingKey::Sound));
  EXPECT_EQ(settings.ReadString(TSettingKey::Save), "/home/p/My Games/a=b;c.gxs");
  WriteSettings("[gurgelix]\nsound=5\n");  // edited by hand
  EXPECT_TRUE(settings.ReadBoolean(TSettingKey::Sound));
}

// Their upper ends are checked by the hand-edited settings above.
TEST(SettingsRanges, ModeAndLevelBelowTheirRangeAreBroughtIntoIt) {
  EXPECT_EQ(ModeInRange(-1), gmChallenge);
  EXPECT_EQ(LevelInRange(0, 200), 1);
}

TEST(SettingsRanges, TheWindowStaysReachable) {
  const std::vector<TRect> screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
  for (TPlace kept : {TPlace{2500, 900}, TPlace{1850, 10}})
    EXPECT_EQ(WindowPlaceOnScreen(kept, 500, 366, screens), kept);
  constexpr int most = std::numeric_limits<int>::max();  // hand-edited, at the edge of the range
  for (TPlace lost :
       {TPlace{5000, 200}, {300, -40}, {300, 1075}, {-480, 200}, {most, most}, {-most - 1, 0}})
    EXPECT_EQ(WindowPlaceOnScreen(lost, 500, 366, screens), (TPlace{100, 50}));
  EXPECT_EQ(WindowPlaceOnScreen({900, 900}, 500, 366, {{0, 0, 550, 400}}), (TPlace{50, 34}));
}

}  // namespace
