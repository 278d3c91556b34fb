#include <gtest/gtest.h>

#include "levels/BoardInProgress.h"
#include "model/Flow.h"
#include "support/LevelBuilder.h"
#include "support/TempDir.h"

namespace {

// A level of three tiles, two of them joined, and its board turned and locked.
struct TFixture {
  TLevelRec Rec = TLevelBuilder{}.Tile(1, 1, tkElbow).Tile(2, 1, 13).Tile(10, 8, 17).Rec;
  TBoardInProgress Board;

  TFixture() {
    Board.Level = 7;
    Board.RecordSum = LevelRecSum(Rec);
    Board.TimeLeft = -35;
    Board.Touched = true;
    Board.Played = {12, 345, true};
    Board.State.Tiles = Rec.Tiles;
    Board.State.Tile({1, 1}) = MakeTileCode(3, tkElbow);
    Board.State.SourceCol = 2;
    Board.State.SourceRow = 1;
    Board.State.Locks[CellIndex({10, 8})] = 1;
    ComputeFlow(Board.State);
  }
};

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
  return text.replace(text.find(from), from.size(), to);
}

TEST(BoardInProgress, RoundTripsThroughAFileAndRejectsDamagedTexts) {
  const TFixture f;
  TTempDir dir;
  const std::string path = dir / "gurgelix/board";
  ASSERT_TRUE(WriteBoardInProgressFile(path, f.Board));
  EXPECT_EQ(ReadBoardInProgressFile(path), f.Board);
  ForgetBoardInProgress(path);
  EXPECT_FALSE(ReadBoardInProgressFile(path));
  ForgetBoardInProgress(path);

  const std::string text = EncodeBoardInProgress(f.Board);
  // Tile (1, 1) is first on the tiles line, (1, 2) second and empty; the last lock is (10, 8).
  for (const std::string& damaged :
       {text.substr(0, text.size() - 1), text.substr(0, text.find("locks")),
        Replaced(text, "board 1", "board 2"), Replaced(text, "locks 00", "locks 01"),
        Replaced(text, "tiles 1a", "tiles 1e"), Replaced(text, "tiles 1a", "tiles 3a"),
        Replaced(text, "source 2 1", "source 11 1"), Replaced(text, "source 2 1", "source 1 2"),
        Replaced(text, "time -35", "time -35x"), Replaced(text, "level 7\n", ""), text + "\n",
        text + "x"})
    EXPECT_FALSE(DecodeBoardInProgress(damaged)) << damaged;
}

TEST(BoardInProgress, BelongsOnlyToItsOwnLevelAsTurned) {
  const TFixture f;
  EXPECT_TRUE(BelongsTo(f.Board, 7, f.Rec));
  EXPECT_FALSE(BelongsTo(f.Board, 8, f.Rec));

  TBoardInProgress other = f.Board;
  other.State.Tile({1, 1}) = MakeTileCode(3, tkTee);
  EXPECT_FALSE(BelongsTo(other, 7, f.Rec));
  other = f.Board;
  other.State.Tile({1, 2}) = MakeTileCode(1, tkNone);
  EXPECT_TRUE(BelongsTo(other, 7, f.Rec));
  other.State.SourceRow = 2;
  EXPECT_FALSE(BelongsTo(other, 7, f.Rec));
}

}  // namespace
