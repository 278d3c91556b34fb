#include "LevelTool.h"

#include <charconv>
#include <chrono>
#include <fstream>
#include <limits>
#include <ostream>
#include <random>
#include <span>
#include <sstream>
#include <stdexcept>

#include "HeadlessGame.h"
#include "LevelGenerator.h"
#include "levels/LevelFile.h"
#include "model/BoardText.h"
#include "model/LevelCode.h"
#include "model/Solver.h"
#include "platform/Calendar.h"
#include "platform/FileIO.h"

namespace {

constexpr int BadUse = 2;

const char* const Usage =
    "usage: gurx-levels info FILE | show FILE N | play FILE N MOVE... | "
    "generate SEED FILE SOLUTIONS [COUNT] | check FILE [--solutions SOLUTIONS] | "
    "solve FILE N [--seconds S] | code CODE FILE | random SIZE [COUNT] | daily [YYYY-MM-DD] "
    "(MOVE is L, R or M followed by column,row, e.g. L3,5; SIZE is small, medium or large)";

struct TBadUse : std::runtime_error {
  using std::runtime_error::runtime_error;
};

TLevelList LoadLevels(const std::string& path) {
  TLevelCollection levels;
  if (const auto error = ReadLevelFile(levels, path))
    throw TBadUse("cannot read level file " + error->Path);
  return levels.Levels;
}

int ParseNumber(const std::string& text, int low, int high, const std::string& what) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || value < low || value > high)
    throw TBadUse(what + " must be " + std::to_string(low) + " to " + std::to_string(high) +
                  ", not '" + text + "'");
  return value;
}

TMove ParseMove(const std::string& text) {
  const auto move = ParseMoveText(text);
  if (!move) throw TBadUse("malformed move '" + text + "' (expected e.g. L3,5)");
  return *move;
}

std::string Header(const TLevelList& levels, int n) {
  const TLevelRec& rec = levels[n];
  return "Level " + std::to_string(n) + " of " + std::to_string(levels.LevelCount()) + ": " +
         std::to_string(TileCount(rec)) + " tiles, start " + std::to_string(rec.SourceCol) + "," +
         std::to_string(rec.SourceRow);
}

void Info(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 2) throw TBadUse(Usage);
  const TLevelList levels = LoadLevels(args[1]);
  out << levels.LevelCount() << " levels\n";
  for (int n = 1; n <= levels.LevelCount(); ++n)
    out << n << ": " << TileCount(levels[n]) << " tiles, start " << int{levels[n].SourceCol} << ","
        << int{levels[n].SourceRow} << "\n";
}

void ShowOrPlay(const std::vector<std::string>& args, std::ostream& out) {
  const bool play = args[0] == "play";
  if (play ? args.size() < 3 : args.size() != 3) throw TBadUse(Usage);
  const TLevelList levels = LoadLevels(args[1]);
  const int n = ParseNumber(args[2], 1, levels.LevelCount(), "level number");
  std::vector<TMove> moves;
  for (std::size_t i = 3; i < args.size(); ++i) moves.push_back(ParseMove(args[i]));

  THeadlessGame game(levels[n]);
  for (const TMove& move : moves) game.Press(move.Button, move.Cell);
  out << Header(levels, n) << "\n" << BoardText(game.Board);
  if (play) out << (game.Solved ? "solved" : "not solved") << "\n";
}

void WriteOrFail(const std::string& path, const std::string& text) {
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                            text.size());
  if (!WriteFileAtomically(path, bytes)) throw TBadUse("cannot write " + path);
}

void Generate(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 4 && args.size() != 5) throw TBadUse(Usage);
  const auto seed =
      static_cast<std::uint32_t>(ParseNumber(args[1], 0, std::numeric_limits<int>::max(), "seed"));
  const int count =
      args.size() == 5 ? ParseNumber(args[4], 1, TLevelList::MaxLevels, "count") : 200;
  TLevelList levels;
  std::string solutions;
  int n = 0;
  for (const TGeneratedLevel& level : GenerateLevels(seed, count)) {
    levels.Append(level.Level);
    solutions += std::to_string(++n) + ":";
    for (const TMove& move : level.Solution) solutions += " " + MoveText(move);
    solutions += "\n";
  }
  const auto bytes = EncodeLevelFile(levels);
  WriteOrFail(args[2], std::string(bytes.begin(), bytes.end()));
  WriteOrFail(args[3], solutions);
  out << count << " levels written to " << args[2] << ", solutions to " << args[3] << "\n";
}

// The level of a code as a level file of one level.
void Code(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 3) throw TBadUse(Usage);
  const std::optional<TLevelCode> code = ParseLevelCode(args[1]);
  if (!code) throw TBadUse("malformed code '" + args[1] + "' (expected e.g. M-7F3KQ2D9)");
  TLevelList levels;
  levels.Append(LevelOfCode(*code).Level);
  const auto bytes = EncodeLevelFile(levels);
  WriteOrFail(args[2], std::string(bytes.begin(), bytes.end()));
  out << CodeText(*code) << " written to " << args[2] << "\n";
}

void RandomCodes(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 2 && args.size() != 3) throw TBadUse(Usage);
  const std::optional<TLevelSize> size = ParseLevelSize(args[1]);
  if (!size) throw TBadUse("size must be small, medium or large, not '" + args[1] + "'");
  const int count = args.size() == 3 ? ParseNumber(args[2], 1, 10000, "count") : 1;
  std::random_device device;
  for (int i = 0; i < count; ++i)
    out << CodeText(CodeFromBits(*size, (std::uint64_t{device()} << 32) | device())) << "\n";
}

// The given day, else today by the local calendar.
void Daily(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() > 2) throw TBadUse(Usage);
  int year = 0, month = 0, day = 0;
  if (args.size() == 2) {
    const std::string& date = args[1];
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
      throw TBadUse("date must be YYYY-MM-DD, not '" + date + "'");
    year = ParseNumber(date.substr(0, 4), 1, 9999, "year");
    month = ParseNumber(date.substr(5, 2), 1, 12, "month");
    day = ParseNumber(date.substr(8, 2), 1, 31, "day");
    if (!IsCalendarDay(year, month, day)) throw TBadUse("no such day '" + date + "'");
  } else {
    const TCalendarDay today = LocalToday();
    year = today.Year;
    month = today.Month;
    day = today.Day;
  }
  out << CodeText(DailyCode(year, month, day)) << "\n";
}

// "N: MOVE MOVE ..." per line.
std::vector<std::vector<TMove>> ReadSolutions(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw TBadUse("cannot read solutions " + path);
  std::vector<std::vector<TMove>> solutions;
  for (std::string line; std::getline(in, line);) {
    if (line.empty()) continue;
    std::istringstream words(line);
    std::string number;
    words >> number;
    if (number != std::to_string(solutions.size() + 1) + ":")
      throw TBadUse("solution line '" + line.substr(0, 40) + "' is out of order");
    solutions.emplace_back();
    for (std::string move; words >> move;) solutions.back().push_back(ParseMove(move));
  }
  return solutions;
}

// The solver's verdicts as the tool's exit status.
constexpr int Unsolvable = 1;
constexpr int Unknown = 3;

TSolverBudget Seconds(int seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  return {std::numeric_limits<std::int64_t>::max(),
          [end] { return std::chrono::steady_clock::now() >= end; }};
}

// "--seconds S" at the given place, or the default.
int SecondsOption(const std::vector<std::string>& args, std::size_t at) {
  if (args.size() == at) return 10;
  if (args.size() != at + 2 || args[at] != "--seconds") throw TBadUse(Usage);
  return ParseNumber(args[at + 1], 1, 86400, "seconds");
}

std::string PressesText(const std::vector<TMove>& presses) {
  std::string text;
  for (const TMove& move : presses) text += (text.empty() ? "" : " ") + MoveText(move);
  return text;
}

int Solve(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() < 3) throw TBadUse(Usage);
  const TLevelList levels = LoadLevels(args[1]);
  const int n = ParseNumber(args[2], 1, levels.LevelCount(), "level number");
  const TSolution solution = SolveLevel(levels[n], Seconds(SecondsOption(args, 3)));
  switch (solution.Verdict) {
    case TVerdict::Solvable:
      out << PressesText(solution.Presses) << "\n";
      return 0;
    case TVerdict::Unsolvable:
      out << "unsolvable\n";
      return Unsolvable;
    default:
      out << "unknown\n";
      return Unknown;
  }
}

// Proves each level solvable or not.
int CheckBySolving(const std::vector<std::string>& args, std::ostream& out) {
  const TLevelList levels = LoadLevels(args[1]);
  const int seconds = SecondsOption(args, 2);
  int solvable = 0;
  for (int n = 1; n <= levels.LevelCount(); ++n) {
    const TSolution solution = SolveLevel(levels[n], Seconds(seconds));
    out << n << ": ";
    if (solution.Verdict == TVerdict::Solvable) {
      out << "solvable in " << solution.Presses.size() << " presses\n";
      ++solvable;
    } else {
      out << (solution.Verdict == TVerdict::Unsolvable ? "unsolvable" : "unknown") << "\n";
    }
  }
  return solvable == levels.LevelCount() ? 0 : Unsolvable;
}

int Check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) throw TBadUse(Usage);
  if (args.size() < 3 || args[2] != "--solutions") return CheckBySolving(args, out);
  if (args.size() != 4) throw TBadUse(Usage);
  const TLevelList levels = LoadLevels(args[1]);
  const auto solutions = ReadSolutions(args[3]);
  int failures = 0;
  for (int n = 1; n <= levels.LevelCount(); ++n) {
    const auto problem = n <= static_cast<int>(solutions.size())
                             ? CheckSolution(levels[n], solutions[static_cast<std::size_t>(n - 1)])
                             : std::optional<std::string>("no solution");
    if (problem) {
      err << "level " << n << ": " << *problem << "\n";
      ++failures;
    }
  }
  out << levels.LevelCount() - failures << " of " << levels.LevelCount() << " levels solved\n";
  return failures == 0 ? 0 : 1;
}

}  // namespace

int RunLevelTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.empty()) throw TBadUse(Usage);
    if (args[0] == "info") {
      Info(args, out);
    } else if (args[0] == "show" || args[0] == "play") {
      ShowOrPlay(args, out);
    } else if (args[0] == "generate") {
      Generate(args, out);
    } else if (args[0] == "check") {
      return Check(args, out, err);
    } else if (args[0] == "solve") {
      return Solve(args, out);
    } else if (args[0] == "code") {
      Code(args, out);
    } else if (args[0] == "random") {
      RandomCodes(args, out);
    } else if (args[0] == "daily") {
      Daily(args, out);
    } else {
      throw TBadUse(Usage);
    }
    return 0;
  } catch (const TBadUse& error) {
    err << "gurx-levels: " << error.what() << "\n";
    return BadUse;
  }
}
