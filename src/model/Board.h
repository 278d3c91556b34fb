#pragma once

#include <array>
#include <cstdint>

#include "model/LevelRec.h"

// The one working board that the player turns and the editor edits.
struct TBoard {
  std::array<TTileCode, CellCount> Tiles{};
  std::array<std::uint8_t, CellCount> ShownFlow{};  // water as drawn
  std::array<std::uint8_t, CellCount> NewFlow{};    // water of the latest flood
  std::array<TBackgroundCode, CellCount> Backgrounds{};
  std::int32_t SourceCol = 0;  // the flood start
  std::int32_t SourceRow = 0;

  TTileCode& Tile(TCell cell) { return Tiles[CellIndex(cell)]; }
  TTileCode Tile(TCell cell) const { return Tiles[CellIndex(cell)]; }
  bool Shown(TCell cell) const { return ShownFlow[CellIndex(cell)] != 0; }
  bool New(TCell cell) const { return NewFlow[CellIndex(cell)] != 0; }
  TCell Source() const { return {SourceCol, SourceRow}; }
};

// Copies the record in and shows water on the start cell only; the caller
// floods next.
void LoadLevelToBoard(TBoard& board, const TLevelRec& rec);

// Copies tiles, backgrounds and flood start back; the water is never stored.
void StoreBoardToLevel(const TBoard& board, TLevelRec& rec);
