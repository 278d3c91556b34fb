#include "LevelTool.h"

#include <charconv>
#include <ostream>
#include <stdexcept>

#include "BoardText.h"
#include "HeadlessGame.h"
#include "LevelFile.h"

namespace {

constexpr int BadUse = 2;

const char* const Usage =
    "usage: gurx-levels info FILE | show FILE N | play FILE N MOVE... "
    "(MOVE is L, R or M followed by column,row, e.g. L3,5)";

struct TBadUse : std::runtime_error {
  using std::runtime_error::runtime_error;
};

TLevelList LoadLevels(const std::string& path) {
  TLevelCollection levels;
  TPlayState unused = psRunning;
  TSilentHost host(unused);
  if (!ReadLevelFile(levels, path, lgEnglish, host))
    throw TBadUse("cannot read level file " + path);
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

struct TMove {
  TMouseButton Button;
  TCell Cell;
};

TMove ParseMove(const std::string& text) {
  const auto comma = text.find(',');
  const std::string buttons = "LRM";
  if (text.size() < 4 || buttons.find(text[0]) == std::string::npos ||
      comma == std::string::npos)
    throw TBadUse("malformed move '" + text + "' (expected e.g. L3,5)");
  const TMouseButton button = text[0] == 'L'   ? TMouseButton::Left
                              : text[0] == 'R' ? TMouseButton::Right
                                               : TMouseButton::Middle;
  const int col = ParseNumber(text.substr(1, comma - 1), 1, BoardCols, "move column");
  const int row = ParseNumber(text.substr(comma + 1), 1, BoardRows, "move row");
  return {button, {col, row}};
}

std::string Header(const TLevelList& levels, int n) {
  const TLevelRec& rec = levels[n];
  return "Level " + std::to_string(n) + " of " + std::to_string(levels.LevelCount()) + ": " +
         std::to_string(TileCount(rec)) + " tiles, start " + std::to_string(rec.SourceCol) +
         "," + std::to_string(rec.SourceRow);
}

void Info(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 2) throw TBadUse(Usage);
  const TLevelList levels = LoadLevels(args[1]);
  out << levels.LevelCount() << " levels\n";
  for (int n = 1; n <= levels.LevelCount(); ++n)
    out << n << ": " << TileCount(levels[n]) << " tiles, start " << int{levels[n].SourceCol}
        << "," << int{levels[n].SourceRow} << "\n";
}

void ShowOrPlay(const std::vector<std::string>& args, std::ostream& out) {
  const bool play = args[0] == "play";
  if (play ? args.size() < 3 : args.size() != 3) throw TBadUse(Usage);
  const TLevelList levels = LoadLevels(args[1]);
  const int n = ParseNumber(args[2], 1, levels.LevelCount(), "level number");
  std::vector<TMove> moves;
  for (std::size_t i = 3; i < args.size(); ++i) moves.push_back(ParseMove(args[i]));

  THeadlessGame game(levels[n]);
  for (const TMove& move : moves) BoardCellDown(game.Press, move.Button, move.Cell);
  out << Header(levels, n) << "\n" << BoardText(game.Board);
  if (play) out << (game.Host.Solved() ? "solved" : "not solved") << "\n";
}

}  // namespace

int RunLevelTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.empty()) throw TBadUse(Usage);
    if (args[0] == "info") {
      Info(args, out);
    } else if (args[0] == "show" || args[0] == "play") {
      ShowOrPlay(args, out);
    } else {
      throw TBadUse(Usage);
    }
    return 0;
  } catch (const TBadUse& error) {
    err << "gurx-levels: " << error.what() << "\n";
    return BadUse;
  }
}
