#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "LevelGenerator.h"

namespace {

TEST(LevelGenerator, EveryLevelIsAFairPuzzle) {
  const auto levels = GenerateLevels(77, 60);
  ASSERT_EQ(levels.size(), 60u);
  for (std::size_t i = 0; i < levels.size(); ++i) {
    const TLevelRec& level = levels[i].Level;
    const int tiles = TileCount(level);
    SCOPED_TRACE("level " + std::to_string(i + 1));
    EXPECT_EQ(CheckSolution(level, levels[i].Solution), std::nullopt);
    EXPECT_LE(static_cast<int>(levels[i].Solution.size()), 2 * tiles);
    for (TTileCode tile : level.Tiles)
      EXPECT_TRUE(tile == 0 || (KindOf(tile) >= 1 && KindOf(tile) <= 5));
    const TTileCode start = level.Tiles[CellIndex({level.SourceCol, level.SourceRow})];
    EXPECT_TRUE(IsOpen(start, 0) || IsOpen(start, 1) || IsOpen(start, 2) || IsOpen(start, 3));
    EXPECT_TRUE(std::any_of(level.Backgrounds.begin(), level.Backgrounds.end(),
                            [](TBackgroundCode b) { return b != bgDefault; }));
  }
  EXPECT_LT(TileCount(levels.front().Level), 10);
  EXPECT_GT(TileCount(levels.back().Level), 60);
}

TEST(SolutionCheck, RejectsSolutionsTheGameWouldNotAccept) {
  const auto level = GenerateLevels(9, 30).back();
  auto solution = level.Solution;
  EXPECT_EQ(CheckSolution(level.Level, {}), "the solution leaves it unsolved");
  solution.push_back(solution.back());
  EXPECT_NE(CheckSolution(level.Level, solution)->find("after the level was solved"),
            std::string::npos);
  TLevelRec joined = EmptyLevelRec();
  joined.Tiles[0] = 1;
  joined.Tiles[8] = 17;
  EXPECT_EQ(CheckSolution(joined, {}), "all tiles are joined at the start");
}

}  // namespace
