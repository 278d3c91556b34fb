#pragma once

#include <array>
#include <cstdint>

#include "model/LevelRec.h"

// The state of play as a value: what a press changes and an undo puts back.
// The rules keep its water the flood from its flood start.
struct TBoardState {
  std::array<TTileCode, CellCount> Tiles{};
  std::int32_t SourceCol = 0;  // the flood start
  std::int32_t SourceRow = 0;
  std::array<std::uint8_t, CellCount> NewFlow{};  // water of the latest flood
  std::array<std::uint8_t, CellCount> Locks{};    // tiles the player fixed: they never turn

  TTileCode& Tile(TCell cell) { return Tiles[CellIndex(cell)]; }
  TTileCode Tile(TCell cell) const { return Tiles[CellIndex(cell)]; }
  bool New(TCell cell) const { return NewFlow[CellIndex(cell)] != 0; }
  bool Locked(TCell cell) const { return Locks[CellIndex(cell)] != 0; }
  TCell Source() const { return {SourceCol, SourceRow}; }
  bool operator==(const TBoardState&) const = default;
};

// The one working board that the player turns and the editor edits: the
// state of play, and what the window shows of it.
struct TBoard : TBoardState {
  std::array<std::uint8_t, CellCount> ShownFlow{};  // water as drawn
  std::array<TBackgroundCode, CellCount> Backgrounds{};

  bool Shown(TCell cell) const { return ShownFlow[CellIndex(cell)] != 0; }
  const TBoardState& State() const { return *this; }
  // Takes a state of play; what is drawn stays until it is shown.
  void Put(const TBoardState& state) { static_cast<TBoardState&>(*this) = state; }
};

// Copies the record in, unlocked, and shows water on the start cell only;
// the caller floods next.
void LoadLevelToBoard(TBoard& board, const TLevelRec& rec);

// Copies tiles, backgrounds and flood start back; the water is never stored.
void StoreBoardToLevel(const TBoard& board, TLevelRec& rec);
