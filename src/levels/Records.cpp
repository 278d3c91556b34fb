#include "levels/Records.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>

#include "levels/TextFields.h"
#include "model/LevelCode.h"

namespace {

constexpr std::string_view Header = "gurgelix records 1";
// Some 90 bytes a level: room for a hundred thousand levels.
constexpr std::size_t FileLimit = 10'000'000;
// Bounds far beyond any real record, so that a damaged number is not taken for one.
constexpr std::int32_t Most = 1'000'000'000;
constexpr std::size_t LongestName = 200;

std::string DayText(const TCalendarDay& day) {
  const auto padded = [](int value, std::size_t width) {
    std::string text = std::to_string(value);
    return std::string(width - std::min(width, text.size()), '0') + text;
  };
  return padded(day.Year, 4) + '-' + padded(day.Month, 2) + '-' + padded(day.Day, 2);
}

std::optional<TCalendarDay> ParseDay(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = ParseNumber(text.substr(0, 4), 1, 9999);
  const auto month = ParseNumber(text.substr(5, 2), 1, 12);
  const auto day = ParseNumber(text.substr(8, 2), 1, 31);
  if (!year || !month || !day || !IsCalendarDay(*year, *month, *day)) return std::nullopt;
  return TCalendarDay{*year, *month, *day};
}

// Printable, without line breaks, and not too long for one line of the table.
bool ValidName(std::string_view name) {
  return !name.empty() && name.size() <= LongestName &&
         std::none_of(name.begin(), name.end(),
                      [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// The line's next word, taken off it.
std::string_view TakeWord(std::string_view& line) {
  const std::size_t space = line.find(' ');
  const std::string_view word = line.substr(0, space);
  line.remove_prefix(space == std::string_view::npos ? line.size() : space + 1);
  return word;
}

bool ReadHinted(std::string_view text, bool& into) {
  into = text == "h";
  return text == "h" || text == "-";
}

bool ReadDay(std::string_view text, TCalendarDay& into) {
  const std::optional<TCalendarDay> day = ParseDay(text);
  if (!day) return false;
  into = *day;
  return true;
}

bool ReadKey(std::string_view text, std::uint64_t& into) {
  const std::optional<std::uint64_t> key = text.size() == 16 ? ParseHex(text) : std::nullopt;
  if (!key) return false;
  into = *key;
  return true;
}

std::string LevelLine(const TLevelRecord& level) {
  return "level " + Hex(level.Key, 16) + ' ' + DayText(level.First) + ' ' + DayText(level.Last) +
         ' ' + std::to_string(level.Solves) + ' ' + std::to_string(level.FewestPresses) + ' ' +
         (level.FewestHinted ? 'h' : '-') + ' ' + std::to_string(level.FastestSeconds) + ' ' +
         (level.FastestHinted ? 'h' : '-') + ' ' + std::to_string(level.Par) + ' ' + level.Name +
         '\n';
}

// "KEY FIRST LAST SOLVES FEWEST h|- FASTEST h|- PAR NAME", field after field.
std::optional<TLevelRecord> ParseLevel(std::string_view line) {
  TLevelRecord level;
  const bool valid = ReadKey(TakeWord(line), level.Key) && ReadDay(TakeWord(line), level.First) &&
                     ReadDay(TakeWord(line), level.Last) &&
                     ReadNumber(TakeWord(line), 1, Most, level.Solves) &&
                     ReadNumber(TakeWord(line), 1, Most, level.FewestPresses) &&
                     ReadHinted(TakeWord(line), level.FewestHinted) &&
                     ReadNumber(TakeWord(line), 0, Most, level.FastestSeconds) &&
                     ReadHinted(TakeWord(line), level.FastestHinted) &&
                     ReadNumber(TakeWord(line), 0, Most, level.Par);
  if (!valid || !ValidName(line)) return std::nullopt;
  level.Name = std::string(line);
  return level;
}

// "streak - 0" before any, else "streak DAY COUNT".
bool ParseStreak(std::string_view line, TRecords& records) {
  const std::string_view day = TakeWord(line);
  if (!ReadNumber(line, 0, Most, records.Streak)) return false;
  if (day == "-") return records.Streak == 0;
  records.LastDaily = ParseDay(day);
  return records.LastDaily.has_value() && records.Streak > 0;
}

template <typename TAnyRecords>
auto* Find(TAnyRecords& records, std::uint64_t key) {
  const auto found = std::find_if(records.Levels.begin(), records.Levels.end(),
                                  [key](const TLevelRecord& level) { return level.Key == key; });
  return found == records.Levels.end() ? nullptr : &*found;
}

void CountDaily(TRecords& records, const TCalendarDay& day) {
  const std::int64_t since =
      records.LastDaily ? DayNumber(day) - DayNumber(*records.LastDaily) : -1;
  if (since == 0) return;
  records.Streak = since == 1 ? records.Streak + 1 : 1;
  records.LastDaily = day;
}

}  // namespace

std::int64_t DayNumber(const TCalendarDay& day) {
  return DaysSince1970(day.Year, day.Month, day.Day);
}

std::int32_t StreakOn(const TRecords& records, const TCalendarDay& today) {
  if (!records.LastDaily) return 0;
  const std::int64_t since = DayNumber(today) - DayNumber(*records.LastDaily);
  return since == 0 || since == 1 ? records.Streak : 0;
}

std::uint64_t LevelKey(const TLevelRec& level) {
  std::array<std::uint8_t, CellCount + 2> bytes{};
  std::copy(level.Tiles.begin(), level.Tiles.end(), bytes.begin());
  bytes[CellCount] = level.SourceCol;
  bytes[CellCount + 1] = level.SourceRow;
  return Fnv1a(bytes);
}

TRecordNews RecordSolve(TRecords& records, const TSolve& solve) {
  if (solve.Daily) CountDaily(records, solve.Day);
  TLevelRecord* level = Find(records, solve.Key);
  if (!level) {
    records.Levels.push_back({solve.Key, solve.Name, solve.Day, solve.Day, 1, solve.Presses,
                              solve.Hinted, solve.Seconds, solve.Hinted, 0});
    return {true, true, true};
  }
  TRecordNews news;
  level->Name = solve.Name;
  level->Last = solve.Day;
  level->Solves = std::min(level->Solves + 1, Most);
  if ((news.FewerPresses = solve.Presses < level->FewestPresses)) {
    level->FewestPresses = solve.Presses;
    level->FewestHinted = solve.Hinted;
  }
  if ((news.Faster = solve.Seconds < level->FastestSeconds)) {
    level->FastestSeconds = solve.Seconds;
    level->FastestHinted = solve.Hinted;
  }
  return news;
}

const TLevelRecord* FindRecord(const TRecords& records, std::uint64_t key) {
  return Find(records, key);
}

void SetPar(TRecords& records, std::uint64_t key, std::int32_t par) {
  if (TLevelRecord* level = Find(records, key)) level->Par = par;
}

std::string EncodeRecords(const TRecords& records) {
  std::string text = std::string(Header) + '\n';
  text += "streak " + (records.LastDaily ? DayText(*records.LastDaily) : "-") + ' ' +
          std::to_string(records.Streak) + '\n';
  for (const TLevelRecord& level : records.Levels) text += LevelLine(level);
  return text;
}

std::optional<TRecords> DecodeRecords(std::string_view text) {
  if (TakeLine(text) != Header) return std::nullopt;
  TRecords records;
  const auto streak = TakeValue(text, "streak");
  if (!streak || !ParseStreak(*streak, records)) return std::nullopt;
  std::set<std::uint64_t> keys;
  while (!text.empty()) {
    const auto line = TakeValue(text, "level");
    const auto level = line ? ParseLevel(*line) : std::nullopt;
    if (!level || !keys.insert(level->Key).second) return std::nullopt;
    records.Levels.push_back(*level);
  }
  return records;
}

std::optional<TRecords> ReadRecordsFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error) && !error) return TRecords{};
  const auto text = ReadTextFile(path, FileLimit);
  if (!text) return std::nullopt;
  return DecodeRecords(*text);
}

bool WriteRecordsFile(const std::string& path, const TRecords& records) {
  return WriteTextFile(path, EncodeRecords(records));
}
