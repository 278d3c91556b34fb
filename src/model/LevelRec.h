#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "model/Tiles.h"

// What an empty cell shows.
using TBackgroundCode = std::uint8_t;
inline constexpr TBackgroundCode bgBackdrop = 7;
inline constexpr TBackgroundCode bgDefault = 29;

// One level as stored in the level file: 162 bytes, no padding.
struct TLevelRec {
  std::array<TTileCode, CellCount> Tiles;
  std::array<TBackgroundCode, CellCount> Backgrounds;
  std::uint8_t SourceCol;
  std::uint8_t SourceRow;
};

inline constexpr std::size_t LevelRecSize = 162;
static_assert(sizeof(TLevelRec) == LevelRecSize);
static_assert(alignof(TLevelRec) == 1);
static_assert(offsetof(TLevelRec, Tiles) == 0);
static_assert(offsetof(TLevelRec, Backgrounds) == 80);
static_assert(offsetof(TLevelRec, SourceCol) == 160);
static_assert(offsetof(TLevelRec, SourceRow) == 161);
static_assert(std::is_trivially_copyable_v<TLevelRec>);

// A valid level without tiles: default backgrounds, water at (1, 1).
TLevelRec EmptyLevelRec();

// Makes any 162 bytes a valid record: a tile byte keeps its low five bits
// (kind and rotation), a start column or row off the board moves to the
// nearest board edge. Backgrounds are all valid as they stand.
TLevelRec MakeValidLevelRec(TLevelRec rec);

int TileCount(const TLevelRec& rec);
