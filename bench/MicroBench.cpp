// Micro-benchmarks of the work behind a press, a level start and the start-up.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "BoardRenderer.h"
#include "Flow.h"
#include "LevelFile.h"
#include "Rotation.h"
#include "Settings.h"

namespace {

// Draws nothing and never waits, so only the rules are measured.
class TQuietHost : public TBoardHost, public TMessageBox, public TClock {
 public:
  void DrawRotationFrame(int, int, int, int) override {}
  void DrawFlowPhase(int) override {}
  void PlaySoundCue(int) override {}
  void LevelSolved() override {}
  TClock& Clock() override { return *this; }
  std::int32_t TickCount() override { return now_; }
  void Sleep(int ms) override { now_ += ms; }
  TModalResult ShowMessage(TMessageKind, const std::string&) override { return mrOk; }

 private:
  std::int32_t now_ = 0;
};

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

void TurnAndFlood(benchmark::State& state) {
  TBoard board = FullBoard();
  TQuietHost host;
  for (auto _ : state) {
    RotateForward(board, host, {5, 4});
    ComputeFlow(board);
    AnimateFlow(board, host);
  }
}
BENCHMARK(TurnAndFlood);

void ReadFiveHundredLevels(benchmark::State& state) {
  const std::string path = ScratchFile("levels.dat", std::string(500 * LevelRecSize, '\x05'));
  TQuietHost host;
  for (auto _ : state) {
    TLevelCollection levels;
    benchmark::DoNotOptimize(ReadLevelFile(levels, path, lgEnglish, host));
  }
  std::filesystem::remove(path);
}
BENCHMARK(ReadFiveHundredLevels);

void ReadOneSetting(benchmark::State& state) {
  const std::string path = ScratchFile(
      "quillcase.ini", "[Other]\nkey=value\n[Gurgelix]\ntongue=1\nleft=100\ntop=50\nmode=1\n"
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
