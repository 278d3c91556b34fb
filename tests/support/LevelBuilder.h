#pragma once

#include <cstring>
#include <vector>

#include "model/LevelRec.h"

// The bytes of a level file holding the records in order.
inline std::vector<std::uint8_t> LevelFileBytes(const std::vector<TLevelRec>& records) {
  std::vector<std::uint8_t> bytes(records.size() * LevelRecSize);
  if (!records.empty()) std::memcpy(bytes.data(), records.data(), bytes.size());
  return bytes;
}

// A level built cell by cell: empty, default backgrounds, water at (1, 1).
struct TLevelBuilder {
  TLevelRec Rec = EmptyLevelRec();
  TLevelBuilder& Tile(int col, int row, int code) {
    Rec.Tiles[CellIndex({col, row})] = static_cast<TTileCode>(code);
    return *this;
  }
  TLevelBuilder& Start(int col, int row) {
    Rec.SourceCol = static_cast<std::uint8_t>(col);
    Rec.SourceRow = static_cast<std::uint8_t>(row);
    return *this;
  }
};
