// How fast and how short the solver is: par of every shipped level, random
// networks scrambled as levels are made, and full boards of random pipes
// scrambled by hundreds of random presses.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "levels/LevelFile.h"
#include "model/Flow.h"
#include "model/Generator.h"
#include "model/Solver.h"

namespace {

using TClock = std::chrono::steady_clock;

struct TTimed {
  TSolution Solution;
  double Seconds;
};

TTimed TimedSolve(const TBoard& board) {
  const auto start = TClock::now();
  const auto end = start + std::chrono::seconds(10);
  TSolution solution = SolveBoard(board, {INT64_MAX, [end] { return TClock::now() >= end; }});
  return {solution, std::chrono::duration<double>(TClock::now() - start).count()};
}

std::vector<std::size_t> StoredLengths(const char* path) {
  std::vector<std::size_t> lengths;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string word;
    std::size_t count = 0;
    for (words >> word; words >> word;) ++count;
    lengths.push_back(count);
  }
  return lengths;
}

// Par as the game finds it, within the par budget, against the stored
// solutions the levels were made with.
void ShippedLevels() {
  TLevelCollection levels;
  if (ReadLevelFile(levels, GURX_GAME_DIR "/gurx.dat").has_value()) return;
  const auto stored = StoredLengths(GURX_SOLUTIONS);
  int solved = 0, noLonger = 0;
  std::size_t presses = 0, storedPresses = 0;
  double slowest = 0, total = 0;
  std::string longer;
  for (int n = 1; n <= levels.Levels.LevelCount(); ++n) {
    const auto start = TClock::now();
    const TSolution solution = SolveLevel(levels.Levels[n], {ParBoards, {}});
    const double seconds = std::chrono::duration<double>(TClock::now() - start).count();
    slowest = std::max(slowest, seconds);
    total += seconds;
    if (solution.Verdict != TVerdict::Solvable) continue;
    ++solved;
    const std::size_t mine = solution.Presses.size();
    const std::size_t theirs = stored.at(static_cast<std::size_t>(n - 1));
    presses += mine;
    storedPresses += theirs;
    if (mine <= theirs)
      ++noLonger;
    else
      longer += " " + std::to_string(n) + " (" + std::to_string(mine) + "/" +
                std::to_string(theirs) + ")";
  }
  std::printf("par of the shipped levels: %d of %d found, slowest %.3f s, all %.2f s\n", solved,
              levels.Levels.LevelCount(), slowest, total);
  std::printf("  %d no longer than the stored solutions; %zu presses against %zu stored\n",
              noLonger, presses, storedPresses);
  if (!longer.empty()) std::printf("  longer:%s\n", longer.c_str());
}

// Networks as random levels are made, of 70 to 80 tiles, scrambled by up to
// 1,000 presses.
void ScrambledNetworks(int loopChance) {
  int solved = 0;
  double slowest = 0;
  constexpr unsigned Boards = 20;
  for (unsigned seed = 1; seed <= Boards; ++seed) {
    TRawRandom random(seed);
    const int tiles = 70 + random.Below(11);
    const int presses = 600 + random.Below(401);
    const TGeneratedLevel level = GenerateLevel(random, {tiles, presses, loopChance});
    const auto start = TClock::now();
    const auto end = start + std::chrono::seconds(10);
    const TSolution solution =
        SolveLevel(level.Level, {INT64_MAX, [end] { return TClock::now() >= end; }});
    slowest = std::max(slowest, std::chrono::duration<double>(TClock::now() - start).count());
    solved += solution.Verdict == TVerdict::Solvable;
  }
  std::printf("70-80 tiles, loops at %d%%, 600-1000 presses: %d of %u solved, slowest %.3f s\n",
              loopChance, solved, Boards, slowest);
}

// A tree of pipes over every cell, grown at random, with a few loops.
TBoard RandomFullBoard(std::mt19937& random) {
  std::array<unsigned, CellCount> openings{};
  std::array<bool, CellCount> used{};
  const auto first = random() % CellCount;
  used[first] = true;
  std::vector<std::size_t> cells{first};
  while (cells.size() < CellCount) {
    const std::size_t from = cells[random() % cells.size()];
    const int d = static_cast<int>(random() % DirectionCount);
    const TCell next = Neighbour(CellAt(from), d);
    if (!OnBoard(next) || (used[CellIndex(next)] && random() % 100 >= 5)) continue;
    openings[from] |= 1u << d;
    openings[CellIndex(next)] |= 1u << Opposite(d);
    if (!used[CellIndex(next)]) cells.push_back(CellIndex(next));
    used[CellIndex(next)] = true;
  }
  TBoard board;
  for (std::size_t i = 0; i < CellCount; ++i)
    for (int code = 1; code < TileCodeCount; ++code) {
      unsigned bits = 0;
      for (int d = 0; d < DirectionCount; ++d)
        bits |= IsOpen(static_cast<TTileCode>(code), d) ? 1u << d : 0u;
      if (KindOf(static_cast<TTileCode>(code)) <= tkCross && bits == openings[i]) {
        board.Tiles[i] = static_cast<TTileCode>(code);
        break;
      }
    }
  board.SourceCol = CellAt(first).Col;
  board.SourceRow = CellAt(first).Row;
  return board;
}

void ScrambledFullBoards(int presses) {
  int solved = 0, boards = 0;
  double slowest = 0;
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::mt19937 random(seed);
    TBoard board = RandomFullBoard(random);
    ComputeFlow(board);
    for (int done = 0; done < presses;) {
      const TCell cell = CellAt(random() % CellCount);
      if (!board.New(cell)) continue;
      board.Put(
          PressCell(board, {random() % 2 ? TMouseButton::Left : TMouseButton::Right, cell})->After);
      ++done;
    }
    if (IsSolved(board)) continue;
    ++boards;
    const TTimed timed = TimedSolve(board);
    slowest = std::max(slowest, timed.Seconds);
    solved += timed.Solution.Verdict == TVerdict::Solvable;
  }
  std::printf("80 tiles, %d presses: %d of %d solved, slowest %.3f s\n", presses, solved, boards,
              slowest);
}

}  // namespace

int main() {
  ShippedLevels();
  for (int loopChance : {0, 6}) ScrambledNetworks(loopChance);
  for (int presses : {300, 600}) ScrambledFullBoards(presses);
}
