#include <gtest/gtest.h>

#include <cstring>

#include "model/Board.h"
#include "support/LevelBuilder.h"

namespace {

TEST(LevelRecord, InvalidBytesBecomeValidByOneRule) {
  TLevelRec rec = EmptyLevelRec();
  rec.Tiles[0] = 0xFF;  // keeps kind 7, rotation 3
  rec.Tiles[1] = 0x23;  // keeps code 3
  rec.Backgrounds[0] = 0xFF;
  rec.SourceCol = 0;
  rec.SourceRow = 200;
  const TLevelRec valid = MakeValidLevelRec(rec);
  EXPECT_EQ(valid.Tiles[0], 31);
  EXPECT_EQ(valid.Tiles[1], 3);
  EXPECT_EQ(valid.Backgrounds[0], 0xFF);
  EXPECT_EQ(valid.SourceCol, 1);
  EXPECT_EQ(valid.SourceRow, 8);
  const TLevelRec same = MakeValidLevelRec(valid);
  EXPECT_EQ(std::memcmp(&same, &valid, sizeof valid), 0);
}

TEST(Board, LoadShowsWaterOnTheStartCellOnly) {
  TBoard board;
  board.ShownFlow.fill(1);
  LoadLevelToBoard(board, TLevelBuilder{}.Tile(2, 3, 5).Tile(2, 4, 5).Start(2, 3).Rec);
  EXPECT_TRUE(board.Shown({2, 3}));
  EXPECT_FALSE(board.Shown({2, 4}));
  EXPECT_EQ(board.Source(), (TCell{2, 3}));
}

}  // namespace
