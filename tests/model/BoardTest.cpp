#include <gtest/gtest.h>

#include "model/Board.h"
#include "support/LevelBuilder.h"

namespace {

TEST(LevelRecord, InvalidBytesBecomeValidByOneRuleAndLoadWetsTheStartOnly) {
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

  // Loading shows water on the start cell only.
  TBoard board;
  board.ShownFlow.fill(1);
  LoadLevelToBoard(board, TLevelBuilder{}.Tile(2, 3, 5).Tile(2, 4, 5).Start(2, 3).Rec);
  EXPECT_TRUE(board.Shown({2, 3}));
  EXPECT_FALSE(board.Shown({2, 4}));
  EXPECT_EQ(board.Source(), (TCell{2, 3}));
}

// Openings of each kind at rotation 0, as bits right 1, up 2, left 4, down 8.
constexpr unsigned BaseOpenings[8] = {0, 0b0001, 0b0011, 0b0101, 0b0111, 0b1111, 0, 0};

TEST(ConnTable, FollowsTheRotationRuleForEveryCode) {
  for (int code = 0; code < TileCodeCount; ++code) {
    const int kind = KindOf(static_cast<TTileCode>(code));
    const int rotation = RotationOf(static_cast<TTileCode>(code));
    for (int d = 0; d < 4; ++d) {
      // Open toward d exactly when the unturned piece is open toward d - rotation.
      const bool expected = (BaseOpenings[kind] >> ((d - rotation + 4) % 4)) & 1;
      EXPECT_EQ(IsOpen(static_cast<TTileCode>(code), d), expected)
          << "code " << code << " direction " << d;
    }
  }
}

}  // namespace
