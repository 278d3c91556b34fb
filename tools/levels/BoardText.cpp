#include "BoardText.h"

#include <array>

namespace {

// Indexed by the openings as bits: right 1, up 2, left 4, down 8.
constexpr std::array<const char*, 16> DryGlyphs{
    "#", "╶", "╵", "└", "╴", "─", "┘", "┴", "╷", "┌", "│", "├", "┐", "┬", "┤", "┼"};
constexpr std::array<const char*, 16> WetGlyphs{
    "#", "╺", "╹", "┗", "╸", "━", "┛", "┻", "╻", "┏", "┃", "┣", "┓", "┳", "┫", "╋"};

std::string CellGlyph(const TBoard& board, TCell cell) {
  const TTileCode tile = board.Tile(cell);
  if (tile == 0) return ".";
  unsigned openings = 0;
  for (int d = 0; d < DirectionCount; ++d)
    if (IsOpen(tile, d)) openings |= 1u << d;
  return (board.Shown(cell) ? WetGlyphs : DryGlyphs)[openings];
}

}  // namespace

std::string BoardText(const TBoard& board) {
  std::string text;
  for (int row = 1; row <= BoardRows; ++row) {
    for (int col = 1; col <= BoardCols; ++col) text += CellGlyph(board, {col, row});
    text += '\n';
  }
  return text;
}
