#include <gtest/gtest.h>

#include "model/Tiles.h"

namespace {

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

TEST(Cells, IndexRunsColumnByColumn) {
  EXPECT_EQ(CellIndex({1, 8}), 7u);
  EXPECT_EQ(CellIndex({3, 5}), 20u);
  for (std::size_t i = 0; i < CellCount; ++i) EXPECT_EQ(CellIndex(CellAt(i)), i);
  EXPECT_EQ(Neighbour({3, 5}, dirUp), (TCell{3, 4}));
  EXPECT_EQ(Neighbour({3, 5}, dirLeft), (TCell{2, 5}));
  EXPECT_EQ(Opposite(dirDown), dirUp);
}

}  // namespace
