#include <gtest/gtest.h>

#include "levels/Records.h"
#include "platform/FileIO.h"
#include "support/TempDir.h"

namespace {

const TCalendarDay Monday{2026, 12, 7};
const TCalendarDay Tuesday{2026, 12, 8};

TSolve Solved(std::uint64_t key, TCalendarDay day, int presses, int seconds, bool hinted) {
  return {key, "gurx.dat " + std::to_string(key), day, presses, seconds, hinted, false};
}

// A first solve sets both bests; a later one keeps exactly those it beats,
// each marked by whether hints helped; a tie beats nothing. The same tiles
// and start share a record whatever the backgrounds.
TEST(Records, ASolveKeepsExactlyTheBestsItBeats) {
  TRecords records;
  EXPECT_EQ(RecordSolve(records, Solved(7, Monday, 20, 60, true)).FirstSolve, true);
  const TRecordNews news = RecordSolve(records, Solved(7, Tuesday, 18, 75, false));
  EXPECT_TRUE(news.FewerPresses && !news.Faster && !news.FirstSolve);
  const TRecordNews tie = RecordSolve(records, Solved(7, Tuesday, 18, 60, false));
  EXPECT_FALSE(tie.FewerPresses || tie.Faster);
  SetPar(records, 7, 17);
  SetPar(records, 8, 3);
  EXPECT_EQ(
      records.Levels,
      (std::vector<TLevelRecord>{{7, "gurx.dat 7", Monday, Tuesday, 3, 18, false, 60, true, 17}}));

  TLevelRec level = EmptyLevelRec();
  level.Tiles[4] = 9;
  TLevelRec other = level;
  other.Backgrounds[4] = bgBackdrop;
  EXPECT_EQ(LevelKey(level), LevelKey(other));
  other.SourceRow = 2;
  EXPECT_NE(LevelKey(level), LevelKey(other));
}

// The day's levels solved on days in a row, across a year's end; a second
// solve on a day counts once, a day left out starts again.
TEST(Records, TheStreakCountsDaysInARow) {
  TRecords records;
  for (TCalendarDay day :
       {TCalendarDay{2026, 12, 30}, {2026, 12, 31}, {2026, 12, 31}, {2027, 1, 1}})
    RecordSolve(records, {1, "D", day, 5, 5, false, true});
  EXPECT_EQ(records.Streak, 3);
  RecordSolve(records, {1, "D", {2027, 1, 3}, 5, 5, false, true});
  EXPECT_EQ(records.Streak, 1);
}

// Records come back from their file as written; a damaged text is no
// records, and a damaged file is moved aside without overwriting another.
TEST(Records, RoundTripAndDamagedFilesAreKeptAside) {
  TTempDir dir;
  TRecords records;
  RecordSolve(records, {3, "my levels.dat 12", Monday, 40, 100, true, true});
  RecordSolve(records, Solved(9, Tuesday, 6, 0, false));
  ASSERT_TRUE(WriteRecordsFile(dir / "gurgelix/records", records));
  EXPECT_EQ(ReadRecordsFile(dir / "gurgelix/records"), records);
  EXPECT_EQ(ReadRecordsFile(dir / "none"), TRecords{});

  const std::string text = EncodeRecords(records);
  const std::string first =
      text.substr(text.find("level"), text.find("level 0000000000000009") - text.find("level"));
  for (const std::string& damaged : std::vector<std::string>{
           text.substr(0, text.size() - 1), "gurgelix records 2" + text.substr(18), text + first,
           text + "level 0000000000000005 2026-02-30 2026-12-08 1 1 - 1 - 0 x\n",
           text + "level 0000000000000005 2026-12-08 2026-12-08 1 1 - 1 - 0 a\tb\n",
           "gurgelix records 1\nstreak - 3\n", text + "\n"})
    EXPECT_FALSE(DecodeRecords(damaged)) << damaged;

  WriteBytes(dir / "records", {'x'});
  WriteBytes(dir / "records.damaged", {'o'});
  EXPECT_FALSE(ReadRecordsFile(dir / "records"));
  EXPECT_EQ(MoveAside(dir / "records"), dir / "records.damaged-2");
  EXPECT_EQ(ReadBytes(dir / "records.damaged"), std::vector<std::uint8_t>{'o'});
  EXPECT_FALSE(std::filesystem::exists(dir / "records"));
}

}  // namespace
