#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "control/Settings.h"
#include "levels/LevelFile.h"
#include "levels/SavedGame.h"
#include "support/LevelBuilder.h"
#include "support/TempDir.h"

namespace {

// A writer killed at any moment leaves its file whole: the old or the new.
// A child writes the two versions in turn without end; it is killed at a
// later moment each round, and the file is read.
void SurvivesKills(const std::string& path, const std::function<void(bool second)>& write) {
  constexpr int Rounds = 60;
  write(true);
  const auto second = ReadBytes(path);
  write(false);
  const auto first = ReadBytes(path);
  ASSERT_NE(first, second);
  for (int round = 0; round < Rounds; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
      for (bool which = true;; which = !which) write(which);
    std::this_thread::sleep_for(std::chrono::microseconds(70 * round));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const auto bytes = ReadBytes(path);
    ASSERT_TRUE(bytes == first || bytes == second)
        << path << " after a kill in round " << round << ": " << bytes.size() << " bytes";
  }
  // The next write finishes, and takes away what the killed writers left behind.
  write(false);
  EXPECT_EQ(ReadBytes(path), first);
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()))
    EXPECT_EQ(entry.path(), path) << "left behind";
}

// Each in a folder of its own, which must hold nothing else at the end.
TEST(WriteFaults, TheLevelFileTheSavedGameAndTheSettingsAreWholeOldOrWholeNew) {
  TTempDir dirs[3];
  TLevelCollection levels[2];
  for (int n = 0; n < 200; ++n) {
    levels[0].Levels.Append(TLevelBuilder{}.Tile(1, 1, n % 32).Rec);
    levels[1].Levels.Append(TLevelBuilder{}.Tile(2, 2, n % 32).Start(2, 2).Rec);
  }
  SurvivesKills(dirs[0] / "gurx.dat", [&](bool second) {
    WriteLevelFile(levels[second], {}, psRunning, dirs[0] / "gurx.dat");
  });

  TResultTable results[2];
  for (int level = 1; level <= 500; ++level) results[1][level] = level;
  SurvivesKills(dirs[1] / "game.gxs", [&](bool second) {
    WriteSavedGameFile(dirs[1] / "game.gxs", results[second], 500);
  });

  const std::string path = dirs[2] / "quillcase.ini";
  const std::string others = "[Other]\n" + std::string(20000, 'x') + "=1\n";
  WriteBytes(path, {others.begin(), others.end()});
  const TSettings settings(path);
  SurvivesKills(path, [&](bool second) {
    settings.WriteString(TSettingKey::Save, second ? "/home/a/sunday.gxs" : "/home/a/monday.gxs");
  });
}

}  // namespace
