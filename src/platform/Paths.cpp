#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>

std::string XdgDir(const char* variable, const char* underHome) {
  const char* value = std::getenv(variable);
  std::string dir;
  if (value && *value) {
    dir = value;
  } else {
    const char* home = std::getenv("HOME");
    dir = std::string(home && *home ? home : ".") + "/" + underHome;
  }
  if (dir.back() != '/') dir += '/';
  return dir;
}

std::string ProgramDir() {
  std::error_code error;
  const auto exe = std::filesystem::canonical("/proc/self/exe", error);
  if (error) return "./";
  std::string dir = exe.parent_path().string();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}
