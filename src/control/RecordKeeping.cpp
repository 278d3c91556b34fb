// The player's records: read at the start-up, added to at every solve and
// written at once, and the line on the board that tells of the solve.
#include <algorithm>

#include "control/Game.h"
#include "platform/Calendar.h"
#include "platform/FileIO.h"

// A damaged file is kept aside, never overwritten, and the player hears of
// it. One that cannot be moved aside either (a folder, say) is left alone:
// the records of this session are then not written.
void TGame::ReadRecords() {
  const std::string path = levelFiles_.Records;
  if (path.empty()) return;
  if (const std::optional<TRecords> records = ReadRecordsFile(path)) {
    data_.Records = *records;
    return;
  }
  if (const std::optional<std::string> aside = MoveAside(path)) {
    window_.ShowMessage(TMessageKind::Error,
                        TextOf(TText::RecordsDamaged, data_.Language, path, *aside));
    return;
  }
  levelFiles_.Records.clear();
  window_.ShowMessage(TMessageKind::Error, TextOf(TText::RecordsUnreadable, data_.Language, path));
}

// The level as it starts, whichever file or code it came from.
TSolve TGame::SolveOfLevelInPlay() const {
  const TCalendarDay today = LocalToday();
  TSolve solve{0,    "", today, data_.Played.Presses, data_.Played.Seconds, data_.Played.Hinted,
               false};
  if (data_.Random) {
    solve.Key = LevelKey(data_.Random->Level);
    solve.Name = CodeText(data_.Random->Code);
    solve.Daily = data_.Random->Code == DailyCode(today.Year, today.Month, today.Day);
  } else {
    solve.Key = LevelKey(data_.Levels[data_.CurrentLevel]);
    solve.Name = FileNamePart(data_.LevelFilePath) + " " + std::to_string(data_.CurrentLevel);
  }
  return solve;
}

// Par may still be on its way: its search goes on, and lands in the record later.
void TGame::RecordLevelSolve() {
  const TSolve solve = SolveOfLevelInPlay();
  const TRecordNews news = RecordSolve(data_.Records, solve);
  TakeFoundPars();
  par_.KeepCurrent();
  WriteRecords();
  window_.ShowSolveLine(SolveLine(solve, news, FindRecord(data_.Records, solve.Key)->Par));
}

bool TGame::TakeFoundPars() {
  bool changed = false;
  for (const auto& [key, par] : par_.Found()) {
    const TLevelRecord* level = FindRecord(data_.Records, key);
    if (!level || level->Par == par) continue;
    SetPar(data_.Records, key, par);
    changed = true;
  }
  return changed;
}

// A failed write is told once, not at every solve and every par found.
void TGame::WriteRecords() {
  const std::string& path = levelFiles_.Records;
  if (path.empty()) return;
  const bool told = recordsUnwritten_;
  recordsUnwritten_ = !WriteRecordsFile(path, data_.Records);
  if (recordsUnwritten_ && !told)
    window_.ShowMessage(TMessageKind::Error,
                        TextOf(TText::RecordsNotWritten, data_.Language, path));
}

// "Solved! Presses: 23 · time: 41 s · par 19 · a new record!"
std::string TGame::SolveLine(const TSolve& solve, const TRecordNews& news, int par) const {
  const TLanguage language = data_.Language;
  std::string line = TextOf(TText::SolveLine, language, std::to_string(solve.Presses),
                            std::to_string(solve.Seconds));
  const auto add = [&line](const std::string& part) { line += " · " + part; };
  if (par > 0) add(TextOf(TText::SolvePar, language, std::to_string(par)));
  if (par > 0 && solve.Presses < par) add(TextOf(TText::SolveBeatsPar, language));
  if (news.FirstSolve)
    add(TextOf(TText::SolveFirst, language));
  else if (news.FewerPresses || news.Faster)
    add(TextOf(TText::SolveRecord, language));
  if (solve.Hinted) add(TextOf(TText::SolveHinted, language));
  return line;
}

namespace {

std::string DayText(const TCalendarDay& day, TLanguage language) {
  const auto two = [](int value) { return (value < 10 ? "0" : "") + std::to_string(value); };
  if (language == lgGerman)
    return std::to_string(day.Day) + "." + std::to_string(day.Month) + "." +
           std::to_string(day.Year);
  return std::to_string(day.Year) + "-" + two(day.Month) + "-" + two(day.Day);
}

std::string TimeText(std::int32_t seconds) {
  const std::int32_t rest = seconds % 60;
  return std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

std::vector<std::string> RecordRow(const TLevelRecord& level, TLanguage language) {
  const auto hinted = [language](const std::string& best, bool helped) {
    return helped ? TextOf(TText::RecordsWithHints, language, best) : best;
  };
  return {level.Name,
          hinted(std::to_string(level.FewestPresses), level.FewestHinted),
          level.Par > 0 ? std::to_string(level.Par) : "–",
          hinted(TimeText(level.FastestSeconds), level.FastestHinted),
          std::to_string(level.Solves),
          DayText(level.Last, language)};
}

}  // namespace

// The latest solves first; the clock waits while the window is open.
void TGame::RecordsBtnClick() {
  const TLanguage language = data_.Language;
  TRecordsTable table{
      TextOf(TText::RecordsHint, language),
      TextOf(TText::RecordsStreak, language, std::to_string(StreakOn(data_.Records, LocalToday()))),
      {TextOf(TText::RecordsLevel, language), TextOf(TText::RecordsPresses, language),
       TextOf(TText::RecordsPar, language), TextOf(TText::RecordsTime, language),
       TextOf(TText::RecordsSolves, language), TextOf(TText::RecordsLast, language)},
      {},
      TextOf(TText::RecordsNone, language)};
  std::vector<TLevelRecord> levels = data_.Records.Levels;
  std::stable_sort(levels.begin(), levels.end(), [](const auto& a, const auto& b) {
    return DayNumber(a.Last) > DayNumber(b.Last);
  });
  for (const TLevelRecord& level : levels) table.Rows.push_back(RecordRow(level, language));
  window_.SetClockOn(false);
  window_.ShowRecordsWindow(table);
  window_.SetClockOn(true);
}
