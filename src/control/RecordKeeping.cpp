// The player's records: read at the start-up, added to at every solve and
// written at once, and the line on the board that tells of the solve.
#include "control/Game.h"
#include "platform/Calendar.h"
#include "platform/FileIO.h"

// A damaged file is kept aside, never overwritten, and the player hears of it.
void TGame::ReadRecords() {
  const std::string& path = levelFiles_.Records;
  if (path.empty()) return;
  if (const std::optional<TRecords> records = ReadRecordsFile(path)) {
    data_.Records = *records;
    return;
  }
  const std::optional<std::string> aside = MoveAside(path);
  window_.ShowMessage(TMessageKind::Error, TextOf(TText::RecordsDamaged, data_.Language, path,
                                                  aside.value_or("?")));
}

// The level as it starts, whichever file or code it came from.
TSolve TGame::SolveOfLevelInPlay() const {
  const TCalendarDay today = LocalToday();
  TSolve solve{0, "", today, data_.Played.Presses, data_.Played.Seconds, data_.Played.Hinted,
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

void TGame::RecordLevelSolve() {
  const TSolve solve = SolveOfLevelInPlay();
  const TRecordNews news = RecordSolve(data_.Records, solve);
  if (!levelFiles_.Records.empty()) WriteRecordsFile(levelFiles_.Records, data_.Records);
  window_.ShowSolveLine(SolveLine(solve, news, FindRecord(data_.Records, solve.Key)->Par));
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
