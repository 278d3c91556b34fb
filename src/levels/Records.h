#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/LevelRec.h"
#include "platform/Calendar.h"

// What a player achieved on one level, whichever file or code it came
// from: the level is known by its tiles and start cell.
struct TLevelRecord {
  std::uint64_t Key = 0;  // LevelKey
  std::string Name;       // how the level was last met: "gurx.dat 17", "M-7F3KQ2D9"
  TCalendarDay First;     // the first solve
  TCalendarDay Last;      // the latest solve
  std::int32_t Solves = 0;
  std::int32_t FewestPresses = 0;
  bool FewestHinted = false;  // the hint key helped that solve
  std::int32_t FastestSeconds = 0;
  bool FastestHinted = false;
  std::int32_t Par = 0;  // the fewest presses the solver found, 0 until then
  friend bool operator==(const TLevelRecord&, const TLevelRecord&) = default;
};

struct TRecords {
  std::vector<TLevelRecord> Levels;  // in the order of their first solves
  // The days in a row, up to the last one given, on which the day's level was solved.
  std::optional<TCalendarDay> LastDaily;
  std::int32_t Streak = 0;
  friend bool operator==(const TRecords&, const TRecords&) = default;
};

// A checksum of the tiles and the start cell: backgrounds do not change a
// level, an edited tile does.
std::uint64_t LevelKey(const TLevelRec& level);

// The level in play so far: every press the rules took, the hint key's
// included, the seconds it ran, and whether the hint key pressed.
struct TPlayCount {
  std::int32_t Presses = 0;
  std::int32_t Seconds = 0;
  bool Hinted = false;
  friend bool operator==(const TPlayCount&, const TPlayCount&) = default;
};

// One solve: presses counted with those of the hint key, seconds without a pause.
struct TSolve {
  std::uint64_t Key = 0;
  std::string Name;
  TCalendarDay Day;
  std::int32_t Presses = 0;
  std::int32_t Seconds = 0;
  bool Hinted = false;
  bool Daily = false;  // the day's own level, solved on its day
};

// What a solve changed beyond the count and the dates.
struct TRecordNews {
  bool FirstSolve = false;
  bool FewerPresses = false;
  bool Faster = false;
};

// Counts the solve and keeps each best it beats; a first solve sets both.
TRecordNews RecordSolve(TRecords& records, const TSolve& solve);
const TLevelRecord* FindRecord(const TRecords& records, std::uint64_t key);
// The streak as it stands on the day: broken once a day's level was left unsolved.
std::int32_t StreakOn(const TRecords& records, const TCalendarDay& today);
// Days since 1970-01-01.
std::int64_t DayNumber(const TCalendarDay& day);
// Par for a level that has a record; nothing happens for one without.
void SetPar(TRecords& records, std::uint64_t key, std::int32_t par);

std::string EncodeRecords(const TRecords& records);
// Nothing for text that is not a whole, valid records file.
std::optional<TRecords> DecodeRecords(std::string_view text);

// Missing: empty records. Damaged or unreadable: nothing.
std::optional<TRecords> ReadRecordsFile(const std::string& path);
// Atomic, creating the folders; false, with the old file untouched, on failure.
bool WriteRecordsFile(const std::string& path, const TRecords& records);
