#include "platform/FileSearch.h"

#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

bool HasWildcard(std::string_view name) {
  return name.find_first_of("*?") != std::string_view::npos;
}

// Iterative with one backtrack point, so hostile patterns stay linear-ish.
bool MatchesWildcard(std::string_view pattern, std::string_view name) {
  std::size_t p = 0, n = 0;
  std::optional<std::size_t> starAt;
  std::size_t starMatch = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      starMatch = n;
    } else if (starAt) {
      p = *starAt + 1;
      n = ++starMatch;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool FileExists(const std::string& path) {
  std::error_code error;
  const fs::path full(path);
  const std::string name = full.filename().string();
  if (name.empty()) return false;
  if (!HasWildcard(name)) return fs::exists(full, error) && !fs::is_directory(full, error);

  const fs::path dir = full.has_parent_path() ? full.parent_path() : fs::path(".");
  std::optional<fs::directory_entry> first;
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error))
    if (MatchesWildcard(name, it->path().filename().string()) &&
        (!first || it->path().filename() < first->path().filename()))
      first = *it;
  return first && !first->is_directory(error);
}
