#pragma once

#include <array>
#include <cstdint>

// One byte per cell: bits 0-2 the kind, bits 3-4 the rotation, bits 5-7 zero.
using TTileCode = std::uint8_t;

enum TTileKind : int {
  tkNone = 0,
  tkEnd = 1,
  tkElbow = 2,
  tkStraight = 3,
  tkTee = 4,
  tkCross = 5,
};

// Numbered anticlockwise as seen on screen.
enum TDirection : int {
  dirRight = 0,
  dirUp = 1,
  dirLeft = 2,
  dirDown = 3,
};

inline constexpr int BoardCols = 10;
inline constexpr int BoardRows = 8;
inline constexpr int CellCount = BoardCols * BoardRows;
inline constexpr int TileCodeCount = 32;
inline constexpr int DirectionCount = 4;

// Is tile code t open toward direction d (right, up, left, down)?
// Kept as data: the renderer, the flood and the editor all read it by code.
inline constexpr std::array<std::array<bool, DirectionCount>, TileCodeCount> ConnTable{{
    {0, 0, 0, 0}, {1, 0, 0, 0}, {1, 1, 0, 0}, {1, 0, 1, 0},  // codes 0-3
    {1, 1, 1, 0}, {1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0},  // codes 4-7
    {0, 0, 0, 0}, {0, 1, 0, 0}, {0, 1, 1, 0}, {0, 1, 0, 1},  // codes 8-11
    {0, 1, 1, 1}, {1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0},  // codes 12-15
    {0, 0, 0, 0}, {0, 0, 1, 0}, {0, 0, 1, 1}, {1, 0, 1, 0},  // codes 16-19
    {1, 0, 1, 1}, {1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0},  // codes 20-23
    {0, 0, 0, 0}, {0, 0, 0, 1}, {1, 0, 0, 1}, {0, 1, 0, 1},  // codes 24-27
    {1, 1, 0, 1}, {1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0},  // codes 28-31
}};

constexpr int KindOf(TTileCode code) { return code % 8; }
constexpr int RotationOf(TTileCode code) { return code / 8; }
constexpr TTileCode MakeTileCode(int rotation, int kind) {
  return static_cast<TTileCode>(rotation * 8 + kind);
}

// Codes read from files are made valid on reading; the mask only keeps a
// stray code from ever reading outside the table.
constexpr bool IsOpen(TTileCode code, int direction) {
  return ConnTable[code % TileCodeCount][static_cast<unsigned>(direction) % DirectionCount];
}

constexpr int Opposite(int direction) { return (direction + 2) % 4; }

struct TCell {
  int Col;
  int Row;
  friend constexpr bool operator==(TCell, TCell) = default;
};

constexpr TCell Neighbour(TCell cell, int direction) {
  switch (direction) {
    case dirRight:
      return {cell.Col + 1, cell.Row};
    case dirUp:
      return {cell.Col, cell.Row - 1};
    case dirLeft:
      return {cell.Col - 1, cell.Row};
    default:
      return {cell.Col, cell.Row + 1};
  }
}

constexpr bool OnBoard(TCell cell) {
  return cell.Col >= 1 && cell.Col <= BoardCols && cell.Row >= 1 && cell.Row <= BoardRows;
}

// Every 80-entry cell array runs column by column.
constexpr std::size_t CellIndex(TCell cell) {
  return static_cast<std::size_t>(cell.Col - 1) * BoardRows +
         static_cast<std::size_t>(cell.Row - 1);
}

constexpr TCell CellAt(std::size_t index) {
  return {static_cast<int>(index) / BoardRows + 1, static_cast<int>(index) % BoardRows + 1};
}
