#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

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
  std::string tempName =
      (targetPath.parent_path() / ("." + targetPath.filename().string() + ".XXXXXX")).string();
  TFileHandle temp(::mkstemp(tempName.data()));
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
