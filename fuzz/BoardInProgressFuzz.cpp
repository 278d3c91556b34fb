// Any bytes as a kept board: what is read must write and read back alike,
// and belong to a level holding its tiles.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "levels/BoardInProgress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto board =
      DecodeBoardInProgress(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!board) return 0;
  const auto again = DecodeBoardInProgress(EncodeBoardInProgress(*board));
  if (!again || !(*again == *board)) std::abort();

  TLevelRec rec = EmptyLevelRec();
  rec.Tiles = board->State.Tiles;
  TBoardInProgress kept = *board;
  kept.RecordSum = LevelRecSum(rec);
  if (!BelongsTo(kept, board->Level, rec)) std::abort();
  return 0;
}
