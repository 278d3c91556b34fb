// Micro-benchmarks of the work behind a press, a level start and the start-up.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "control/Settings.h"
#include "levels/LevelFile.h"
#include "model/BoardInput.h"
#include "model/Flow.h"
#include "model/LevelCode.h"
#include "ui/BoardRenderer.h"

namespace {

// Crosses everywhere: the flood reaches every cell.
TBoard FullBoard() {
  TBoard board;
  board.Tiles.fill(tkCross);
  board.SourceCol = 5;
  board.SourceRow = 4;
  return board;
}

std::string ScratchFile(const std::string& name, const std::string& content) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("gurx-bench-" + std::to_string(getpid()) + "-" + name);
  std::ofstream(path, std::ios::binary) << content;
  return path.string();
}

void FloodOfAFullBoard(benchmark::State& state) {
  TBoard board = FullBoard();
  for (auto _ : state) {
    ComputeFlow(board);
    benchmark::DoNotOptimize(board.NewFlow);
  }
}
BENCHMARK(FloodOfAFullBoard);

// The rule of a press: the turn, the new flood start, the flood.
void PressAndFlood(benchmark::State& state) {
  TBoard board = FullBoard();
  ComputeFlow(board);
  TBoardState played = board;
  for (auto _ : state) {
    played = PressCell(played, {TMouseButton::Left, {5, 4}})->After;
    benchmark::DoNotOptimize(played);
  }
}
BENCHMARK(PressAndFlood);

// A random level of a size (small, medium, large) from a new code each
// time, its solution replayed as it is made; the slowest one is counted too.
void RandomLevel(benchmark::State& state) {
  const auto size = static_cast<TLevelSize>(state.range(0));
  std::uint64_t bits = 0;
  double slowest = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(LevelOfCode(CodeFromBits(size, ++bits)));
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    slowest = std::max(slowest, took.count());
  }
  state.counters["slowest_ms"] = slowest;
}
BENCHMARK(RandomLevel)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void ReadFiveHundredLevels(benchmark::State& state) {
  const std::string path = ScratchFile("levels.dat", std::string(500 * LevelRecSize, '\x05'));
  for (auto _ : state) {
    TLevelCollection levels;
    benchmark::DoNotOptimize(ReadLevelFile(levels, path));
  }
  std::filesystem::remove(path);
}
BENCHMARK(ReadFiveHundredLevels);

void ReadOneSetting(benchmark::State& state) {
  const std::string path =
      ScratchFile("quillcase.ini",
                  "[Other]\nkey=value\n[Gurgelix]\ntongue=1\nleft=100\ntop=50\nmode=1\n"
                  "level=17\nsave=/home/player/games/sunday.gxs\nsound=1\n");
  const TSettings settings(path);
  for (auto _ : state) benchmark::DoNotOptimize(settings.ReadInteger(TSettingKey::Level));
  std::filesystem::remove(path);
}
BENCHMARK(ReadOneSetting);

// The artwork the build made, beside the game.
struct TRendered {
  TBoardRenderer Renderer;
  TBoard Board = FullBoard();
  TRendered() {
    if (!Renderer.LoadArtwork(GURX_GAME_DIR "/")) throw std::runtime_error("no artwork");
    ComputeFlow(Board);
    Board.ShownFlow = Board.NewFlow;
  }
};

void DrawOneCell(benchmark::State& state) {
  TRendered rendered;
  for (auto _ : state) rendered.Renderer.DrawCell(rendered.Board, psRunning, {5, 4});
}
BENCHMARK(DrawOneCell);

void DrawTheWholeBoard(benchmark::State& state) {
  TRendered rendered;
  for (auto _ : state) {
    rendered.Renderer.DrawBackdrop();
    rendered.Renderer.DrawAllCells(rendered.Board, psRunning);
  }
}
BENCHMARK(DrawTheWholeBoard);

}  // namespace

BENCHMARK_MAIN();
