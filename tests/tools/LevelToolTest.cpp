#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "LevelGenerator.h"
#include "levels/BoardInProgress.h"
#include "levels/LevelFile.h"
#include "model/LevelCode.h"
#include "model/Solver.h"
#include "support/LevelBuilder.h"
#include "support/TempDir.h"

namespace {

struct TRun {
  int Status;
  std::vector<std::string> Out;
  std::string Err;
};

// Runs the real tool as a user would, stdout and stderr kept apart.
TRun RunTool(const TTempDir& dir, const std::string& args) {
  const std::string out = dir / "stdout", err = dir / "stderr";
  const std::string command = std::string(GURX_LEVELS_TOOL) + " " + args + " >" + out + " 2>" + err;
  const int status = std::system(command.c_str());
  TRun run{WEXITSTATUS(status), {}, ReadText(err)};
  std::istringstream lines(ReadText(out));
  for (std::string line; std::getline(lines, line);) run.Out.push_back(line);
  return run;
}

struct LevelToolTest : ::testing::Test {
  TTempDir Dir;
  std::string File = Dir / "levels.dat";

  void SetUp() override {
    // Level 1: elbow at the start (right, up), an end to its right, one below it, a stray cross.
    // Level 3: the same without the stray cross; one clockwise turn joins all.
    WriteBytes(File,
               LevelFileBytes(
                   {TLevelBuilder{}.Tile(1, 1, 2).Tile(2, 1, 17).Tile(1, 2, 9).Tile(10, 8, 5).Rec,
                    TLevelBuilder{}.Tile(4, 4, 6).Start(4, 4).Rec,
                    TLevelBuilder{}.Tile(1, 1, 2).Tile(2, 1, 17).Tile(1, 2, 9).Rec}));
  }
};

TEST_F(LevelToolTest, InfoCountsShowDrawsAndPlayPressesAsTheGameDoes) {
  const TRun info = RunTool(Dir, "info " + File);
  EXPECT_EQ(info.Status, 0);
  ASSERT_EQ(info.Out.size(), 4u);
  EXPECT_EQ(info.Out[0], "3 levels");
  EXPECT_NE(info.Out[1].find("4 tiles"), std::string::npos);
  EXPECT_NE(info.Out[2].find("4,4"), std::string::npos);
  const TRun run = RunTool(Dir, "show " + File + " 1");
  ASSERT_EQ(run.Out.size(), 9u);
  EXPECT_EQ(run.Out[1], "┗╸........");
  EXPECT_EQ(run.Out[2], "╵.........");
  EXPECT_EQ(run.Out[8], ".........┼");
  EXPECT_EQ(RunTool(Dir, "show " + File + " 2").Out[4], "...#......");

  // Play presses through the game's rules.
  const TRun unsolved = RunTool(Dir, "play " + File + " 1 L1,1 R1,1 M2,1 L10,8");
  EXPECT_EQ(unsolved.Out[1], "┗╸........");
  EXPECT_EQ(unsolved.Out.back(), "not solved");

  // Joining the end below leaves the stray cross dry; the same file without it would solve.
  const TRun joined = RunTool(Dir, "play " + File + " 1 R1,1");
  EXPECT_EQ(joined.Out[1], "┏╸........");
  EXPECT_EQ(joined.Out[2], "╹.........");
  EXPECT_EQ(joined.Out.back(), "not solved");
  EXPECT_EQ(RunTool(Dir, "play " + File + " 2 M4,4").Out.back(), "solved");
}

TEST_F(LevelToolTest, BadUseSaysWhyAndExitsWithTwo) {
  for (const std::string& args : std::vector<std::string>{
           "", "info", "info " + Dir / "missing.dat", "show " + File + " 4", "show " + File + " x",
           "play " + File + " 1 L11,1", "play " + File + " 1 Q1,1", "play " + File + " 1 L1,",
           "play " + File + " 1 L1,1,1", "frobnicate " + File, "code X-1 " + File,
           "code M-7F3KQ2D9", "random huge", "random small 0", "daily 2026-02-30",
           "daily 12/08/2026"}) {
    const TRun run = RunTool(Dir, args);
    EXPECT_EQ(run.Status, 2) << args;
    EXPECT_TRUE(run.Out.empty()) << args;
    EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << args;
  }
}

// A code gives the same bytes on every machine and build; a day has its
// code, of the size of its weekday.
TEST_F(LevelToolTest, CodesAndDaysArePinnedToTheirLevels) {
  const std::vector<std::pair<std::string, std::uint64_t>> pinned{
      {"S-00000000", 0xccff18da5a6b12ce},
      {"M-7F3KQ2D9", 0x36389c6e1d8e893f},
      {"L-ZZZZZZZZ", 0xcc39353c9277a92}};
  for (const auto& [code, sum] : pinned) {
    ASSERT_EQ(RunTool(Dir, "code " + code + " " + Dir / "c.dat").Status, 0);
    TLevelCollection levels;
    ASSERT_FALSE(ReadLevelFile(levels, Dir / "c.dat"));
    EXPECT_EQ(LevelRecSum(levels.Levels[1]), sum) << code;
  }
  EXPECT_EQ(RunTool(Dir, "daily 2026-12-12").Out, std::vector<std::string>{"L-9QZZFX6Z"});
  EXPECT_EQ(RunTool(Dir, "daily 2026-12-14").Out.at(0)[0], 'S');  // a Monday
  EXPECT_EQ(RunTool(Dir, "random medium 3").Out.size(), 3u);
}

// Codes are read leniently and written one way; every level keeps to the
// tiles of its size and is solved by its own solution and by the solver's,
// as the game replays them; par is no longer than the presses it was made with.
TEST(LevelCodes, ReadBackWhatTheyWriteAndMakeFairLevelsOfTheirSize) {
  for (std::uint64_t bits = 0; bits < 30; ++bits) {
    const TLevelCode code = CodeFromBits(static_cast<TLevelSize>(bits % 3), bits);
    EXPECT_EQ(ParseLevelCode(CodeText(code)), code);
    const TGeneratedLevel level = LevelOfCode(code);
    const auto [fewest, most] = TileRange(code.Size);
    EXPECT_GE(TileCount(level.Level), fewest) << CodeText(code);
    EXPECT_LE(TileCount(level.Level), most) << CodeText(code);
    EXPECT_EQ(CheckSolution(level.Level, level.Solution), std::nullopt) << CodeText(code);
    TBoard board;
    LoadLevelToBoard(board, level.Level);
    const TSolution quick = SolveBoard(board.State(), {ParBoards, {}});
    EXPECT_EQ(CheckSolution(level.Level, quick.Presses), std::nullopt) << CodeText(code);
    if (code.Size != TLevelSize::Medium || bits > 15) continue;  // par takes a while
    const TSolution par = SolveLevel(level.Level, {ParBoards, {}});
    EXPECT_EQ(CheckSolution(level.Level, par.Presses), std::nullopt) << CodeText(code);
    EXPECT_LE(par.Presses.size(), level.Solution.size()) << CodeText(code);
  }
  EXPECT_EQ(ParseLevelCode(" m7f3kq2d9 "), ParseLevelCode("M-7F3KQ2D9"));
  EXPECT_EQ(ParseLevelCode("S-OIL00000"), ParseLevelCode("S-01100000"));
  for (const char* bad : {"", "M-", "X-7F3KQ2D9", "M-7F3KQ2D", "M-7F3KQ2D90", "M-7F3KQ2DU",
                          "M--7F3KQ2D9", "M-7F3K Q2D"})
    EXPECT_FALSE(ParseLevelCode(bad)) << bad;
}

// The shipped levels are what the generator makes from the seed in the README.
TEST_F(LevelToolTest, ShippedLevelsAreReproducedAndSolved) {
  const std::string data = GURX_DATA_DIR;
  const TRun generated =
      RunTool(Dir, "generate 1206 " + Dir / "gurx.dat" + " " + Dir / "solutions.txt");
  ASSERT_EQ(generated.Status, 0) << generated.Err;
  EXPECT_EQ(ReadBytes(Dir / "gurx.dat"), ReadBytes(data + "/levels/gurx.dat"));
  EXPECT_EQ(ReadBytes(Dir / "solutions.txt"), ReadBytes(data + "/levels/solutions.txt"));
  const TRun check = RunTool(
      Dir, "check " + data + "/levels/gurx.dat --solutions " + data + "/levels/solutions.txt");
  EXPECT_EQ(check.Status, 0) << check.Err;
  EXPECT_EQ(check.Out, std::vector<std::string>{"200 of 200 levels solved"});
}

TEST_F(LevelToolTest, SolveAndCheckProveEachLevelSolvableOrNot) {
  const TRun unsolvable = RunTool(Dir, "solve " + File + " 1");
  EXPECT_EQ(unsolvable.Status, 1);
  EXPECT_EQ(unsolvable.Out, std::vector<std::string>{"unsolvable"});
  const TRun solvedAtStart = RunTool(Dir, "solve " + File + " 2 --seconds 1");
  EXPECT_EQ(solvedAtStart.Status, 0);
  EXPECT_EQ(solvedAtStart.Out, std::vector<std::string>{""});
  const TRun oneTurn = RunTool(Dir, "solve " + File + " 3");
  EXPECT_EQ(oneTurn.Status, 0);
  EXPECT_EQ(oneTurn.Out, std::vector<std::string>{"R1,1"});
  EXPECT_EQ(RunTool(Dir, "solve " + File + " 3 --seconds soon").Status, 2);

  const TRun check = RunTool(Dir, "check " + File);
  EXPECT_EQ(check.Status, 1);
  EXPECT_EQ(check.Out, (std::vector<std::string>{"1: unsolvable", "2: solvable in 0 presses",
                                                 "3: solvable in 1 presses"}));
}

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
