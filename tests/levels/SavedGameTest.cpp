#include <gtest/gtest.h>

#include "levels/SavedGame.h"
#include "support/TempDir.h"

namespace {

TEST(SavedGame, RoundTripKeepsTheLevelsAndNothingBeyondShortAndLongFilesAreRead) {
  TTempDir dir;
  TResultTable results;
  for (std::int32_t n = 1; n <= 500; ++n) results[n] = n * 3 - 200;
  ASSERT_TRUE(WriteSavedGameFile(dir / "a.gxs", results, 120));
  EXPECT_EQ(ReadBytes(dir / "a.gxs").size(), 480u);
  const auto read = ReadSavedGameFile(dir / "a.gxs");
  ASSERT_TRUE(read);
  for (std::int32_t n = 1; n <= 120; ++n) EXPECT_EQ((*read)[n], results[n]);
  for (std::int32_t n = 121; n <= 500; ++n) EXPECT_EQ((*read)[n], 0);

  // Short and long files.
  const TResultTable empty = DecodeSavedGame({});
  EXPECT_EQ(empty[1], 0);
  const std::vector<std::uint8_t> six{0x25, 0, 0, 0, 0x34, 0x12};
  const TResultTable partial = DecodeSavedGame(six);
  EXPECT_EQ(partial[1], 37);
  EXPECT_EQ(partial[2], 0x1234);
  EXPECT_EQ(partial[3], 0);
  std::vector<std::uint8_t> long_(2004, 0xFF);
  long_[1999] = 0;  // entry 500: 0x00FFFFFF
  const TResultTable full = DecodeSavedGame(long_);
  EXPECT_EQ(full[1], -1);
  EXPECT_EQ(full[500], 0x00FFFFFF);
}

TEST(SavedGame, FailuresLeaveEverythingAsItWas) {
  TTempDir dir;
  TResultTable results;
  results[1] = 5;
  WriteBytes(dir / "old.gxs", {1, 0, 0, 0});
  EXPECT_FALSE(WriteSavedGameFile(dir / "*.gxs", results, 1));
  EXPECT_FALSE(WriteSavedGameFile(dir / "a?.gxs", results, 1));
  EXPECT_FALSE(WriteSavedGameFile(dir / "no/dir.gxs", results, 1));
  EXPECT_EQ(ReadBytes(dir / "old.gxs"), (std::vector<std::uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ(dir.FileCount(), 1);
}

TEST(Results, AllSolvedLooksAtTheLevelsOnly) {
  TResultTable results;
  for (std::int32_t n = 1; n <= 3; ++n) results[n] = n;
  EXPECT_TRUE(ComputeAllSolved(results, 3));
  EXPECT_FALSE(ComputeAllSolved(results, 4));
  results[2] = -4;  // negative counts as solved here
  EXPECT_TRUE(ComputeAllSolved(results, 3));
}

}  // namespace
