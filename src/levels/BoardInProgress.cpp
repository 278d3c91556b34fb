#include "levels/BoardInProgress.h"

#include <bit>
#include <charconv>
#include <filesystem>
#include <vector>

#include "model/Flow.h"
#include "platform/FileIO.h"

namespace {

constexpr std::string_view Header = "gurgelix board 1";
// A valid file takes about 410 bytes; anything much longer is not one.
constexpr std::size_t FileLimit = 4096;
// Bounds well beyond any real file, so that a damaged number is not taken for one.
constexpr std::int32_t MaxLevelNumber = 1000;
constexpr std::int32_t MaxTime = 1'000'000;
constexpr std::string_view HexDigits = "0123456789abcdef";

std::string Hex(std::uint64_t value, int digits) {
  std::string text(static_cast<std::size_t>(digits), '0');
  for (auto it = text.rbegin(); it != text.rend(); ++it, value >>= 4) *it = HexDigits[value & 15];
  return text;
}

// Only the digits Hex writes; nothing for anything else or an empty text.
std::optional<std::uint64_t> ParseHex(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    const std::size_t digit = HexDigits.find(c);
    if (digit == std::string_view::npos) return std::nullopt;
    value = (value << 4) | digit;
  }
  return value;
}

std::optional<std::int32_t> ParseNumber(std::string_view text, std::int32_t low,
                                        std::int32_t high) {
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc{} || stop != end || value < low || value > high) return std::nullopt;
  return value;
}

// The next line, taken off the text; nothing when its line break is missing.
std::optional<std::string_view> TakeLine(std::string_view& text) {
  const std::size_t newline = text.find('\n');
  if (newline == std::string_view::npos) return std::nullopt;
  const std::string_view line = text.substr(0, newline);
  text.remove_prefix(newline + 1);
  return line;
}

// The value of the next line when that line is "key value".
std::optional<std::string_view> TakeValue(std::string_view& text, std::string_view key) {
  const auto line = TakeLine(text);
  if (!line || line->size() <= key.size() || !line->starts_with(key) || (*line)[key.size()] != ' ')
    return std::nullopt;
  return line->substr(key.size() + 1);
}

bool ValidTile(std::uint64_t code) {
  return code < TileCodeCount && KindOf(static_cast<TTileCode>(code)) <= tkCross;
}

// 80 two-digit codes in cell-index order, one space apart.
bool ParseTiles(std::string_view text, std::array<TTileCode, CellCount>& tiles) {
  if (text.size() != CellCount * 3 - 1) return false;
  for (std::size_t i = 0; i < CellCount; ++i) {
    if (i + 1 < CellCount && text[3 * i + 2] != ' ') return false;
    const auto code = ParseHex(text.substr(3 * i, 2));
    if (!code || !ValidTile(*code)) return false;
    tiles[i] = static_cast<TTileCode>(*code);
  }
  return true;
}

// A lock fixes a tile: an empty cell has none to fix.
bool ParseLocks(std::string_view text, const std::array<TTileCode, CellCount>& tiles,
                std::array<std::uint8_t, CellCount>& locks) {
  if (text.size() != CellCount) return false;
  for (std::size_t i = 0; i < CellCount; ++i) {
    if (text[i] != '0' && text[i] != '1') return false;
    locks[i] = text[i] == '1';
    if (locks[i] && KindOf(tiles[i]) == tkNone) return false;
  }
  return true;
}

}  // namespace

std::uint64_t LevelRecSum(const TLevelRec& rec) {
  std::uint64_t sum = 0xcbf29ce484222325;
  for (std::uint8_t byte : std::bit_cast<std::array<std::uint8_t, LevelRecSize>>(rec)) {
    sum ^= byte;
    sum *= 0x100000001b3;
  }
  return sum;
}

std::string EncodeBoardInProgress(const TBoardInProgress& board) {
  const TBoardState& state = board.State;
  std::string text = std::string(Header) + '\n';
  text += "level " + std::to_string(board.Level) + '\n';
  text += "record " + Hex(board.RecordSum, 16) + '\n';
  text += "time " + std::to_string(board.TimeLeft) + '\n';
  text += std::string("touched ") + (board.Touched ? '1' : '0') + '\n';
  text +=
      "source " + std::to_string(state.SourceCol) + ' ' + std::to_string(state.SourceRow) + '\n';
  text += "tiles";
  for (TTileCode tile : state.Tiles) text += ' ' + Hex(tile, 2);
  text += "\nlocks ";
  for (std::uint8_t lock : state.Locks) text += lock != 0 ? '1' : '0';
  return text + '\n';
}

std::optional<TBoardInProgress> DecodeBoardInProgress(std::string_view text) {
  if (TakeLine(text) != Header) return std::nullopt;
  TBoardInProgress board;
  TBoardState& state = board.State;

  const auto level = TakeValue(text, "level");
  const auto number = level ? ParseNumber(*level, 1, MaxLevelNumber) : std::nullopt;
  if (!number) return std::nullopt;
  board.Level = *number;

  const auto record = TakeValue(text, "record");
  const auto sum = record && record->size() == 16 ? ParseHex(*record) : std::nullopt;
  if (!sum) return std::nullopt;
  board.RecordSum = *sum;

  const auto time = TakeValue(text, "time");
  const auto left = time ? ParseNumber(*time, -MaxTime, MaxTime) : std::nullopt;
  if (!left) return std::nullopt;
  board.TimeLeft = *left;

  const auto touched = TakeValue(text, "touched");
  if (touched != "0" && touched != "1") return std::nullopt;
  board.Touched = touched == "1";

  const auto source = TakeValue(text, "source");
  const std::size_t space = source ? source->find(' ') : std::string_view::npos;
  if (space == std::string_view::npos) return std::nullopt;
  const auto col = ParseNumber(source->substr(0, space), 1, BoardCols);
  const auto row = ParseNumber(source->substr(space + 1), 1, BoardRows);
  if (!col || !row) return std::nullopt;
  state.SourceCol = *col;
  state.SourceRow = *row;

  const auto tiles = TakeValue(text, "tiles");
  if (!tiles || !ParseTiles(*tiles, state.Tiles)) return std::nullopt;
  const auto locks = TakeValue(text, "locks");
  if (!locks || !ParseLocks(*locks, state.Tiles, state.Locks)) return std::nullopt;

  if (!text.empty() || KindOf(state.Tile(state.Source())) == tkNone) return std::nullopt;
  ComputeFlow(state);
  return board;
}

bool BelongsTo(const TBoardInProgress& board, std::int32_t level, const TLevelRec& rec) {
  if (board.Level != level || board.RecordSum != LevelRecSum(rec)) return false;
  const TBoardState& state = board.State;
  for (std::size_t i = 0; i < CellCount; ++i)
    if (!ValidTile(state.Tiles[i]) || KindOf(state.Tiles[i]) != KindOf(rec.Tiles[i])) return false;
  return OnBoard(state.Source()) && KindOf(state.Tile(state.Source())) != tkNone;
}

std::optional<TBoardInProgress> ReadBoardInProgressFile(const std::string& path) {
  const auto bytes = ReadFileHead(path, FileLimit);
  if (!bytes) return std::nullopt;
  return DecodeBoardInProgress(std::string(bytes->begin(), bytes->end()));
}

bool WriteBoardInProgressFile(const std::string& path, const TBoardInProgress& board) {
  const std::string text = EncodeBoardInProgress(board);
  return CreateParentDirectories(path) &&
         WriteFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void ForgetBoardInProgress(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}
