// Any bytes as a level file: every level read must be valid, and starting
// and playing it must stay inside the board and its tables.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "BoardInput.h"
#include "Flow.h"
#include "LevelFile.h"

namespace {

class TNullWindow : public TGameWindow, public TClock {
 public:
  void DrawRotationFrame(int, int, int, int) override {}
  void DrawFlowPhase(int) override {}
  void PlaySoundCue(int) override {}
  void LevelSolved() override {}
  TModalResult ShowMessage(TMessageKind, const std::string&) override { return mrOk; }
  TClock& Clock() override { return *this; }
  std::int32_t TickCount() override { return now_; }
  void Sleep(int ms) override { now_ += ms; }

 private:
  std::int32_t now_ = 0;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const auto records = DecodeLevelFile(bytes);
  Check(!records.empty() && records.size() <= 500);
  Check(records.size() == (size == 0 ? 1 : (size + LevelRecSize - 1) / LevelRecSize) ||
        records.size() == 500);

  TNullWindow window;
  TBoard board;
  TPlayState state = psRunning;
  bool touched = false;
  TBoardPress press{board, window, state, touched, {}};
  for (const TLevelRec& rec : records) {
    Check(rec.SourceCol >= 1 && rec.SourceCol <= 10 && rec.SourceRow >= 1 && rec.SourceRow <= 8);
    for (TTileCode tile : rec.Tiles) Check(tile < 32);
    LoadLevelToBoard(board, rec);
    ComputeFlow(board);
    AnimateFlow(board, window);
    // Press the first few bytes' cells, as a player clicking around would.
    for (std::size_t i = 0; i < 8 && i < size; ++i) {
      const auto button = static_cast<TMouseButton>(data[i] % 3);
      boxMouseDown(press, button, data[i] * 2, data[size - 1 - i] * 2);
    }
  }
  return 0;
}
