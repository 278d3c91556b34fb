#include "model/LevelRec.h"

#include <algorithm>

TLevelRec EmptyLevelRec() {
  TLevelRec rec{};
  rec.Backgrounds.fill(bgDefault);
  rec.SourceCol = 1;
  rec.SourceRow = 1;
  return rec;
}

TLevelRec MakeValidLevelRec(TLevelRec rec) {
  for (TTileCode& tile : rec.Tiles) tile = static_cast<TTileCode>(tile % TileCodeCount);
  rec.SourceCol = std::clamp<std::uint8_t>(rec.SourceCol, 1, BoardCols);
  rec.SourceRow = std::clamp<std::uint8_t>(rec.SourceRow, 1, BoardRows);
  return rec;
}

int TileCount(const TLevelRec& rec) {
  return static_cast<int>(
      std::count_if(rec.Tiles.begin(), rec.Tiles.end(), [](TTileCode t) { return t != 0; }));
}
