#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "platform/FileSearch.h"

namespace {

class TFileHandle {
 public:
  explicit TFileHandle(int fd) : fd_(fd) {}
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;
  ~TFileHandle() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }
  // Closing can report a failed delayed write, so the writer checks it.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  return true;
}

// A link is replaced at its target, so the link itself survives the write.
std::string ResolveLinks(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_symlink(path, error)) {
    auto target = std::filesystem::canonical(path, error);
    if (!error) return target.string();
  }
  return path;
}

// What a plain create would give: 0666 less the process's umask.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void SyncDirectoryOf(const std::string& path) {
  std::string dir = std::filesystem::path(path).parent_path().string();
  if (dir.empty()) dir = ".";
  TFileHandle handle(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (handle.get() >= 0) ::fsync(handle.get());
}

// A writer holds a lock on its temporary file from making it to renaming
// it. One killed in between leaves the file behind unlocked: the next write
// of the same file removes such leftovers, and only those.
void RemoveAbandonedTemporaries(const std::filesystem::path& target) {
  const std::string prefix = "." + target.filename().string() + ".";
  const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() != prefix.size() + 6 || name.rfind(prefix, 0) != 0) continue;
    TFileHandle handle(
        ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (handle.get() >= 0 && ::fstat(handle.get(), &info) == 0 && S_ISREG(info.st_mode) &&
        ::flock(handle.get(), LOCK_EX | LOCK_NB) == 0)
      ::unlink(entry.path().c_str());
  }
}

// A temporary file beside the target, locked. One that a cleaner removed
// before the lock was taken has no name left, and another is made.
int MakeLockedTemporary(std::string& name, const std::filesystem::path& target) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    name = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    TFileHandle temp(::mkstemp(name.data()));
    struct stat info {};
    if (temp.get() < 0) return -1;
    if (::flock(temp.get(), LOCK_EX) != 0) {
      ::unlink(name.c_str());
      return -1;
    }
    if (::fstat(temp.get(), &info) == 0 && info.st_nlink > 0) return temp.Release();
  }
  return -1;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileHead(const std::string& path,
                                                      std::size_t maxBytes) {
  TFileHandle handle(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat info {};
  if (handle.get() < 0 || ::fstat(handle.get(), &info) != 0 || !S_ISREG(info.st_mode))
    return std::nullopt;
  // Sized by the file at hand; a file that grows meanwhile is read on in steps.
  constexpr std::size_t Step = 4096;
  std::vector<std::uint8_t> bytes(std::min(maxBytes, static_cast<std::size_t>(info.st_size) + 1));
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (filled >= maxBytes) break;
      bytes.resize(std::min(maxBytes, filled + Step));
    }
    const ssize_t n = ::read(handle.get(), bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    filled += static_cast<std::size_t>(n);
  }
  bytes.resize(filled);
  return bytes;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  if (HasWildcard(std::filesystem::path(path).filename().string())) return false;
  const std::string target = ResolveLinks(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  // Root may write anything, so a file without any write bit counts as protected too.
  if (exists && (::access(target.c_str(), W_OK) != 0 || (old.st_mode & 0222) == 0)) return false;

  const auto targetPath = std::filesystem::path(target);
  RemoveAbandonedTemporaries(targetPath);
  std::string tempName;
  TFileHandle temp(MakeLockedTemporary(tempName, targetPath));
  if (temp.get() < 0) return false;
  const bool written = ::fchmod(temp.get(), exists ? old.st_mode & 07777 : NewFileMode()) == 0 &&
                       WriteAll(temp.get(), bytes) && ::fsync(temp.get()) == 0;
  if (!temp.Close() || !written || ::rename(tempName.c_str(), target.c_str()) != 0) {
    ::unlink(tempName.c_str());
    return false;
  }
  SyncDirectoryOf(target);
  return true;
}

bool CreateParentDirectories(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  std::error_code error;
  std::filesystem::create_directories(parent, error);
  return std::filesystem::is_directory(parent, error);
}

// A hard link takes the new name only when it is free, so no other file is
// ever overwritten; then the old name goes.
std::optional<std::string> MoveAside(const std::string& path) {
  for (int n = 1; n <= 100; ++n) {
    const std::string aside = path + ".damaged" + (n == 1 ? "" : "-" + std::to_string(n));
    if (::link(path.c_str(), aside.c_str()) != 0) {
      if (errno == EEXIST) continue;
      return std::nullopt;
    }
    ::unlink(path.c_str());
    return aside;
  }
  return std::nullopt;
}
