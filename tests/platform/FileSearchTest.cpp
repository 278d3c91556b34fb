#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Clock.h"
#include "platform/FileSearch.h"
#include "platform/SteadyClock.h"
#include "support/TempDir.h"

namespace {

TEST(Wildcards, MatchLikeAFileSearch) {
  for (auto [pattern, name] : {std::pair{"*.gxs", "noname.gxs"},
                               {"*.gxs", ".gxs"},
                               {"a?c*", "abc"},
                               {"*a*b*", "xxaxxbxx"}})
    EXPECT_TRUE(MatchesWildcard(pattern, name)) << pattern << " " << name;
  EXPECT_FALSE(MatchesWildcard("*.gxs", "noname.gxs.bak"));
  EXPECT_FALSE(MatchesWildcard("a?c", "ac"));
  EXPECT_FALSE(MatchesWildcard(std::string(40, '*') + "b", std::string(5000, 'a')));
}

TEST(Wildcards, ExistenceNeedsAFirstMatchThatIsNoDirectory) {
  TTempDir dir;
  EXPECT_FALSE(FileExists(dir / "*.gxs"));
  EXPECT_FALSE(FileExists(""));
  WriteBytes(dir / "b.gxs", {});
  EXPECT_TRUE(FileExists(dir / "*.gxs"));
  EXPECT_TRUE(FileExists(dir / "?.gxs"));
  std::filesystem::create_directory(dir / "a.gxs");
  EXPECT_FALSE(FileExists(dir / "*.gxs"));  // the directory comes first
  EXPECT_FALSE(FileExists(dir / "a.gxs"));
  EXPECT_FALSE(FileExists(dir / "missing/*.gxs"));
}

// A clock near the wrap of its readings that moves only when slept.
struct TWrappingClock : TClock {
  std::uint32_t Now = 2147483600;
  std::int32_t TickCount() override { return static_cast<std::int32_t>(Now); }
  void Sleep(int ms) override { Now += static_cast<std::uint32_t>(ms); }
};

// It waits one more than its time, across the wrap, and sleeps while it waits.
TEST(Delay, WaitsMoreThanItsTimeAndTheRealClockSleepsInsteadOfSpinning) {
  TWrappingClock wrapping;
  Delay(wrapping, 50);
  EXPECT_EQ(wrapping.Now - 2147483600u, 51u);
  TSteadyClock clock;
  const auto cpuBefore = std::clock();
  const std::int32_t before = clock.TickCount();
  Delay(clock, 200);
  const std::int32_t waited = clock.TickCount() - before;
  const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
  EXPECT_GT(waited, 200);
  EXPECT_LT(cpuMs, waited / 4.0);
}

}  // namespace
