#pragma once

#include <gtest/gtest.h>

#include "support/FakeBoardHost.h"
#include "support/FakeGameWindow.h"
#include "support/LevelBuilder.h"
#include "support/TempDir.h"

// The tests set up and inspect the game's state directly.
struct TGameTestAccess {
  static TGameData& Data(TGame& game) { return game.data_; }
  static TLevelBar& Bar(TGame& game) { return game.levelBar_; }
};

// A game in a program directory of its own, driven through the fake window.
// Every level holds two ends: the start (1,1) open up and (2,1) open left,
// so a right press on the start solves it and its clock budget is 8.
struct GameTest : ::testing::Test {
  TTempDir Dir;
  TFakeGameWindow Window;
  TFakeSound Sound;
  TFakeHelp Help;
  TGame Game{Window, Sound, Help};
  TGameData& Data = TGameTestAccess::Data(Game);
  TLevelBar& Bar = TGameTestAccess::Bar(Game);
  std::string ProgramDir = Dir.Path().string() + "/";
  std::string SettingsPath = Dir / "config/quillcase.ini";

  GameTest() { Window.Game = &Game; }

  void WriteLevels(int count, const std::string& file = "gurx.dat") {
    const TLevelRec rec = TLevelBuilder{}.Tile(1, 1, 9).Tile(2, 1, 17).Rec;
    WriteBytes(Dir / file,
               LevelFileBytes(std::vector<TLevelRec>(static_cast<std::size_t>(count), rec)));
  }

  void WriteSettings(const std::string& text) {
    std::filesystem::create_directories(Dir / "config");
    WriteBytes(SettingsPath, {text.begin(), text.end()});
  }

  std::string Settings() const { return ReadText(SettingsPath); }

  // Creation, the start-up sequence and the first paint, as the window runs them.
  void StartUp(int levels = 10) {
    if (!std::filesystem::exists(Dir / "gurx.dat")) WriteLevels(levels);
    Game.FormCreate(ProgramDir, SettingsPath);
    Game.FormActivate();
    if (!Window.Terminated) Game.boxPaint();
  }

  void Solve() { Game.boxMouseDown(TMouseButton::Right, 30, 30); }
  // A middle press on the start: touched, not solved.
  void Touch() { Game.boxMouseDown(TMouseButton::Middle, 30, 30); }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) Game.TimerTimer();
  }
  std::vector<std::string> Dialogs() {
    std::vector<std::string> dialogs;
    for (const auto& event : Window.Take())
      if (event.starts_with("dialog") || event.starts_with("message")) dialogs.push_back(event);
    return dialogs;
  }
};
