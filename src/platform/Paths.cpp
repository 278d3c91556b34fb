#include "platform/Paths.h"

#include <filesystem>

std::string ProgramDir() {
  std::error_code error;
  const auto exe = std::filesystem::canonical("/proc/self/exe", error);
  if (error) return "./";
  std::string dir = exe.parent_path().string();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}
