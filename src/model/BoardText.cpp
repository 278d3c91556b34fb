#include "model/BoardText.h"

#include <array>
#include <stdexcept>

namespace {

// Indexed by the openings as bits: right 1, up 2, left 4, down 8.
constexpr std::array<std::string_view, 16> DryGlyphs{"#", "╶", "╵", "└", "╴", "─", "┘", "┴",
                                                     "╷", "┌", "│", "├", "┐", "┬", "┤", "┼"};
constexpr std::array<std::string_view, 16> WetGlyphs{"#", "╺", "╹", "┗", "╸", "━", "┛", "┻",
                                                     "╻", "┏", "┃", "┣", "┓", "┳", "┫", "╋"};

unsigned Openings(TTileCode tile) {
  unsigned openings = 0;
  for (int d = 0; d < DirectionCount; ++d)
    if (IsOpen(tile, d)) openings |= 1u << d;
  return openings;
}

std::string_view CellGlyph(const TBoardState& board, TCell cell) {
  const TTileCode tile = board.Tile(cell);
  if (tile == 0) return ".";
  return (board.New(cell) ? WetGlyphs : DryGlyphs)[Openings(tile)];
}

// The first code, counted up from 1, with exactly these openings; '#' is a
// plugged piece (kind 6).
TTileCode TileWithOpenings(unsigned openings) {
  if (openings == 0) return 6;
  for (int code = 1; code < TileCodeCount; ++code)
    if (KindOf(static_cast<TTileCode>(code)) != 0 &&
        Openings(static_cast<TTileCode>(code)) == openings)
      return static_cast<TTileCode>(code);
  throw std::invalid_argument("no tile has these openings");
}

struct TGlyph {
  TTileCode Tile = 0;
  bool Wet = false;
  std::size_t Length = 1;  // bytes the glyph takes in the text
};

TGlyph ReadGlyph(std::string_view text) {
  if (text.front() == '.') return {};
  for (unsigned openings = 0; openings < DryGlyphs.size(); ++openings)
    for (bool wet : {false, true}) {
      const std::string_view glyph = (wet ? WetGlyphs : DryGlyphs)[openings];
      if (text.starts_with(glyph)) return {TileWithOpenings(openings), wet, glyph.size()};
    }
  throw std::invalid_argument("not a cell of a board picture: " + std::string(text.substr(0, 3)));
}

}  // namespace

std::string BoardText(const TBoardState& board) {
  std::string text;
  for (int row = 1; row <= BoardRows; ++row) {
    for (int col = 1; col <= BoardCols; ++col) text += CellGlyph(board, {col, row});
    text += '\n';
  }
  return text;
}

TBoard BoardFromText(std::string_view text, TCell start) {
  TBoard board;
  TCell cell{1, 1};
  while (!text.empty()) {
    if (text.front() == '\n') {
      cell = {1, cell.Row + 1};
      text.remove_prefix(1);
      continue;
    }
    const TGlyph glyph = ReadGlyph(text);
    if (!OnBoard(cell)) throw std::invalid_argument("the picture is larger than the board");
    board.Tile(cell) = glyph.Tile;
    board.NewFlow[CellIndex(cell)] = glyph.Wet;
    board.ShownFlow[CellIndex(cell)] = glyph.Wet;
    text.remove_prefix(glyph.Length);
    ++cell.Col;
  }
  board.SourceCol = start.Col;
  board.SourceRow = start.Row;
  return board;
}
