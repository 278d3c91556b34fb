#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>

#include "levels/LevelFile.h"
#include "support/LevelBuilder.h"
#include "support/TempDir.h"

namespace {

std::vector<std::uint8_t> RecordBytes(int count) {
  std::vector<TLevelRec> records(static_cast<std::size_t>(count), EmptyLevelRec());
  for (std::size_t i = 0; i < records.size(); ++i)
    records[i].Tiles[0] = static_cast<TTileCode>(1 + i % 5);
  return LevelFileBytes(records);
}

struct LevelFileTest : ::testing::Test {
  TTempDir Dir;
  std::string Path = Dir / "gurx.dat";
  TLevelCollection Levels;

  int32_t Read(const std::vector<std::uint8_t>& bytes) {
    WriteBytes(Path, bytes);
    EXPECT_FALSE(ReadLevelFile(Levels, Path).has_value());
    return Levels.Levels.LevelCount();
  }
};

TEST_F(LevelFileTest, EveryStartedRecordIsALevelMadeValid) {
  EXPECT_EQ(Read(RecordBytes(3)), 3);
  ::chmod(Path.c_str(), 0444);             // read-only files are read
  EXPECT_EQ(Read(RecordBytes(250)), 250);  // more than the shipped 200 survive
  EXPECT_EQ(Read(RecordBytes(501)), 500);
  EXPECT_EQ(Read({}), 1);
  const TLevelRec empty = EmptyLevelRec();
  EXPECT_EQ(std::memcmp(&Levels.Levels[1], &empty, LevelRecSize), 0);

  // A trailing piece starts an empty level; its bad bytes are made valid.
  auto bytes = RecordBytes(2);
  for (int b = 2; b < 12; ++b) bytes.push_back(static_cast<std::uint8_t>(b));
  bytes.push_back(0xFF);
  EXPECT_EQ(Read(bytes), 3);
  const TLevelRec& third = Levels.Levels[3];
  for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(third.Tiles[i], i + 2);
  EXPECT_EQ(third.Tiles[10], 31);
  EXPECT_EQ(third.Tiles[11], 0);
  EXPECT_EQ(third.Backgrounds[0], bgDefault);
  EXPECT_EQ(third.SourceCol, 1);
  EXPECT_EQ(third.SourceRow, 1);
}

TEST_F(LevelFileTest, SavingWritesEveryLevelAndStoresTheEditedBoard) {
  Read(RecordBytes(3));
  Levels.CurrentLevel = 2;
  Levels.LevelsChanged = true;
  TBoard board;
  LoadLevelToBoard(board, Levels.Levels[2]);
  board.Tile({3, 5}) = 4;

  EXPECT_TRUE(WriteLevelFile(Levels, board, psRunning, Path));
  EXPECT_EQ(ReadBytes(Path), RecordBytes(3));  // a played board is never stored
  EXPECT_FALSE(Levels.LevelsChanged);

  EXPECT_TRUE(WriteLevelFile(Levels, board, psEditing, Path));
  const auto saved = ReadBytes(Path);
  ASSERT_EQ(saved.size(), 3 * LevelRecSize);
  EXPECT_EQ(saved[LevelRecSize + 20], 4);
}

TEST_F(LevelFileTest, AFailedSaveKeepsTheFileAndTheChanges) {
  Read(RecordBytes(2));
  Levels.CurrentLevel = 1;
  Levels.LevelsChanged = true;
  TBoard board;
  LoadLevelToBoard(board, TLevelBuilder{}.Tile(1, 1, 5).Rec);
  ::chmod(Path.c_str(), 0444);

  EXPECT_FALSE(WriteLevelFile(Levels, board, psEditing, Path));
  EXPECT_TRUE(Levels.LevelsChanged);
  EXPECT_EQ(ReadBytes(Path), RecordBytes(2));
}

}  // namespace
