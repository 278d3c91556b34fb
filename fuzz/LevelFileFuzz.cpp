// Any bytes as a level file: every level read must be valid, and starting
// and playing it must stay inside the board and its tables.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "HeadlessGame.h"
#include "levels/LevelFile.h"

namespace {

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

  for (const TLevelRec& rec : records) {
    Check(rec.SourceCol >= 1 && rec.SourceCol <= 10 && rec.SourceRow >= 1 && rec.SourceRow <= 8);
    for (TTileCode tile : rec.Tiles) Check(tile < 32);
    THeadlessGame game(rec);
    // Press at pixels taken from the input, as a player clicking around would.
    for (std::size_t i = 0; i < 8 && i < size; ++i) {
      const auto button = static_cast<TMouseButton>(data[i] % 3);
      if (const auto cell = HitTestBoard(data[i] * 2, data[size - 1 - i] * 2))
        game.Press(button, *cell);
    }
  }
  return 0;
}
