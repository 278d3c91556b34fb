// How short and how fast the solver is: par of every shipped level, and
// networks of random pipes scrambled by hundreds of random presses.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "levels/LevelFile.h"
#include "model/Flow.h"
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

// A network of pipes grown at random from one cell over that many cells,
// joining cells it already holds at the chance in percent.
TBoard RandomNetwork(std::mt19937& random, std::size_t tiles, unsigned loopPercent) {
  std::array<unsigned, CellCount> openings{};
  std::array<bool, CellCount> used{};
  const auto first = random() % CellCount;
  used[first] = true;
  std::vector<std::size_t> cells{first};
  while (cells.size() < tiles) {
    const std::size_t from = cells[random() % cells.size()];
    const int d = static_cast<int>(random() % DirectionCount);
    const TCell next = Neighbour(CellAt(from), d);
    if (!OnBoard(next) || (used[CellIndex(next)] && random() % 100 >= loopPercent)) continue;
    openings[from] |= 1u << d;
    openings[CellIndex(next)] |= 1u << Opposite(d);
    if (!used[CellIndex(next)]) cells.push_back(CellIndex(next));
    used[CellIndex(next)] = true;
  }
  TBoard board;
  for (std::size_t i = 0; i < CellCount; ++i)
    for (int code = 1; code < TileCodeCount && openings[i] != 0; ++code)
      if (KindOf(static_cast<TTileCode>(code)) <= tkCross &&
          OpeningBits(static_cast<TTileCode>(code)) == openings[i]) {
        board.Tiles[i] = static_cast<TTileCode>(code);
        break;
      }
  board.SourceCol = CellAt(first).Col;
  board.SourceRow = CellAt(first).Row;
  return board;
}

struct TNetworks {
  const char* Name;
  std::size_t FewestTiles, MostTiles;
  unsigned LoopPercent;
  int FewestPresses, MostPresses;
};

// Networks scrambled by random presses on wet tiles, as a player could make them.
void ScrambledNetworks(const TNetworks& networks) {
  int solved = 0, boards = 0;
  double slowest = 0;
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::mt19937 random(seed);
    const std::size_t tiles =
        networks.FewestTiles + random() % (networks.MostTiles - networks.FewestTiles + 1);
    const auto presses =
        networks.FewestPresses +
        static_cast<int>(random() %
                         static_cast<unsigned>(networks.MostPresses - networks.FewestPresses + 1));
    TBoard board = RandomNetwork(random, tiles, networks.LoopPercent);
    ComputeFlow(board);
    for (int done = 0; done < presses;) {
      const TCell cell = CellAt(random() % CellCount);
      const auto button = random() % 2 ? TMouseButton::Left : TMouseButton::Right;
      if (const auto press = PressCell(board, {button, cell})) {
        board.Put(press->After);
        ++done;
      }
    }
    if (IsSolved(board)) continue;
    ++boards;
    const TTimed timed = TimedSolve(board);
    slowest = std::max(slowest, timed.Seconds);
    solved += timed.Solution.Verdict == TVerdict::Solvable;
  }
  std::printf("%-28s %d of %d solved, slowest %.3f s\n", networks.Name, solved, boards, slowest);
}

}  // namespace

int main() {
  ShippedLevels();
  std::printf("\nScrambled networks, 10 s allowed for each\n");
  for (const TNetworks& networks : {
           TNetworks{"70-80 tiles, trees:", 70, 80, 0, 600, 1000},
           TNetworks{"70-80 tiles, loops at 5%:", 70, 80, 5, 600, 1000},
           TNetworks{"80 tiles, 300 presses:", 80, 80, 5, 300, 300},
       })
    ScrambledNetworks(networks);
}
