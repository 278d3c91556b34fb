#include "control/LevelFiles.h"

#include <filesystem>

#include "platform/Paths.h"

std::string OwnLevelFile() { return XdgDir("XDG_DATA_HOME", ".local/share") + "gurgelix/gurx.dat"; }

bool InstalledProgramDir(const std::string& programDir) {
  return programDir.ends_with("/lib/games/gurgelix/");
}

std::string LevelSource(const TLevelFiles& files, const std::string& shipped) {
  if (!files.Argument.empty()) return files.Argument;
  std::error_code error;
  if (!files.Own.empty() && std::filesystem::is_regular_file(files.Own, error)) return files.Own;
  return shipped;
}
