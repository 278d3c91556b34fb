#include "model/Board.h"

void LoadLevelToBoard(TBoard& board, const TLevelRec& rec) {
  board.Tiles = rec.Tiles;
  board.Backgrounds = rec.Backgrounds;
  board.SourceCol = rec.SourceCol;
  board.SourceRow = rec.SourceRow;
  board.Locks.fill(0);
  board.ShownFlow.fill(0);
  TCell source = board.Source();
  if (OnBoard(source)) board.ShownFlow[CellIndex(source)] = 1;
}

void StoreBoardToLevel(const TBoard& board, TLevelRec& rec) {
  rec.Tiles = board.Tiles;
  rec.Backgrounds = board.Backgrounds;
  rec.SourceCol = static_cast<std::uint8_t>(board.SourceCol & 0xFF);
  rec.SourceRow = static_cast<std::uint8_t>(board.SourceRow & 0xFF);
}
