#include "LevelGenerator.h"

#include <algorithm>

#include "HeadlessGame.h"
#include "model/Flow.h"

namespace {

constexpr int FirstTiles = 5;
constexpr int LastTiles = 70;

bool AllJoined(const TBoard& board) {
  for (std::size_t i = 0; i < CellCount; ++i)
    if (board.Tiles[i] != 0 && !board.NewFlow[i]) return false;
  return true;
}

// Level 1 the easiest, the last filling most of the board.
TNetworkShape ShapeOfLevel(int number, int count) {
  const int step = std::max(count - 1, 1);
  const int progress = (number - 1) * 1000 / step;  // 0..1000
  // Halfway between a straight and a quadratic rise.
  const int growth = (progress + progress * progress / 1000) / 2;
  const int tiles = FirstTiles + (LastTiles - FirstTiles) * growth / 1000;
  return {tiles, std::max(2, tiles * (30 + 40 * progress / 1000) / 100), 6 * progress / 1000};
}

}  // namespace

std::vector<TGeneratedLevel> GenerateLevels(std::uint32_t seed, int count) {
  TRawRandom random(seed);
  std::vector<TGeneratedLevel> levels;
  for (int n = 1; n <= count; ++n) levels.push_back(GenerateLevel(random, ShapeOfLevel(n, count)));
  return levels;
}

std::string MoveText(const TMove& move) {
  const char button = move.Button == TMouseButton::Left    ? 'L'
                      : move.Button == TMouseButton::Right ? 'R'
                                                           : 'M';
  return button + std::to_string(move.Cell.Col) + "," + std::to_string(move.Cell.Row);
}

std::optional<TMove> ParseMoveText(const std::string& text) {
  if (text.size() < 4 || std::string("LRM").find(text[0]) == std::string::npos) return std::nullopt;
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  const auto number = [](const std::string& digits, int high) -> std::optional<int> {
    if (digits.empty() || digits.size() > 2 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return std::nullopt;
    const int value = std::stoi(digits);
    if (value < 1 || value > high) return std::nullopt;
    return value;
  };
  const auto col = number(text.substr(1, comma - 1), BoardCols);
  const auto row = number(text.substr(comma + 1), BoardRows);
  if (!col || !row) return std::nullopt;
  const TMouseButton button = text[0] == 'L'   ? TMouseButton::Left
                              : text[0] == 'R' ? TMouseButton::Right
                                               : TMouseButton::Middle;
  return TMove{button, {*col, *row}};
}

std::optional<std::string> CheckSolution(const TLevelRec& level,
                                         const std::vector<TMove>& solution) {
  THeadlessGame game(level);
  if (AllJoined(game.Board)) return "all tiles are joined at the start";
  for (const TMove& move : solution) {
    if (game.State != psRunning) return "press " + MoveText(move) + " after the level was solved";
    if (game.Board.Tile(move.Cell) == 0 || !game.Board.Shown(move.Cell))
      return "press " + MoveText(move) + " on a cell the game ignores";
    game.Press(move.Button, move.Cell);
  }
  if (!game.Solved) return "the solution leaves it unsolved";
  return std::nullopt;
}
