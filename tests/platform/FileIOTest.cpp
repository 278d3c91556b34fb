#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "platform/FileIO.h"
#include "support/TempDir.h"

namespace {

const std::vector<std::uint8_t> Old{1, 2, 3};

TEST(AtomicWrite, ReplacesTheFileKeepingItsModeAndLinks) {
  TTempDir dir;
  WriteBytes(dir / "real", Old);
  ::chmod((dir / "real").c_str(), 0640);
  std::filesystem::create_symlink(dir / "real", dir / "link");

  const std::vector<std::uint8_t> fresh(1000, 7);
  ASSERT_TRUE(WriteFileAtomically(dir / "link", fresh));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link"));
  EXPECT_EQ(ReadBytes(dir / "real"), fresh);
  struct stat info {};
  ::stat((dir / "real").c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(dir.FileCount(), 2);
}

TEST(AtomicWrite, AFullDiskLeavesTheOldFileAndNoTemporaryFile) {
  TTempDir dir;
  WriteBytes(dir / "f", Old);
  // A file-size limit in a child process stands in for a full disk.
  const pid_t child = ::fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const bool written = WriteFileAtomically(dir / "f", std::vector<std::uint8_t>(5000, 9));
    ::_exit(written ? 1 : 0);
  }
  int status = -1;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write claimed success";
  EXPECT_EQ(ReadBytes(dir / "f"), Old);
  EXPECT_EQ(dir.FileCount(), 1);
}

TEST(ReadHead, ReadsRegularFilesOnly) {
  TTempDir dir;
  WriteBytes(dir / "f", std::vector<std::uint8_t>(10, 5));
  EXPECT_EQ(ReadFileHead(dir / "f", 4), (std::vector<std::uint8_t>(4, 5)));
  EXPECT_EQ(ReadFileHead(dir / "f", 100)->size(), 10u);
  ::mkfifo((dir / "pipe").c_str(), 0600);
  EXPECT_FALSE(ReadFileHead(dir / "pipe", 4));  // would otherwise wait for a writer
  EXPECT_FALSE(ReadFileHead(dir.Path().string(), 4));
  EXPECT_FALSE(ReadFileHead(dir / "none", 4));
}

}  // namespace
