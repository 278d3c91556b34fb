#include "control/LevelFiles.h"

#include <filesystem>
#include <string_view>

#include "platform/Paths.h"

namespace {
std::string PlayerDataDir() { return XdgDir("XDG_DATA_HOME", ".local/share") + "gurgelix/"; }
}  // namespace

std::string OwnLevelFile() { return PlayerDataDir() + "gurx.dat"; }
std::string KeptBoardFile() { return PlayerDataDir() + "board"; }
std::string RecordsFile() { return PlayerDataDir() + "records"; }

namespace {
constexpr std::string_view InstalledProgramFolder = "/lib/games/gurgelix/";
constexpr std::string_view InstalledDataFolder = "/share/games/gurgelix/";
}  // namespace

bool InstalledProgramDir(const std::string& programDir) {
  return programDir.ends_with(InstalledProgramFolder);
}

std::string DataDir(const std::string& programDir) {
  if (!InstalledProgramDir(programDir)) return programDir;
  return programDir.substr(0, programDir.size() - InstalledProgramFolder.size()) +
         std::string(InstalledDataFolder);
}

std::string LevelSource(const TLevelFiles& files, const std::string& shipped) {
  if (!files.Argument.empty()) return files.Argument;
  std::error_code error;
  if (!files.Own.empty() && std::filesystem::is_regular_file(files.Own, error)) return files.Own;
  return shipped;
}
