#include "levels/BoardInProgress.h"

#include <bit>
#include <filesystem>

#include "levels/TextFields.h"
#include "model/Flow.h"

namespace {

constexpr std::string_view Header = "gurgelix board 1";
// A valid file takes about 410 bytes; anything much longer is not one.
constexpr std::size_t FileLimit = 4096;
// Bounds well beyond any real file, so that a damaged number is not taken for one.
constexpr std::int32_t MaxLevelNumber = 1000;
constexpr std::int32_t MaxTime = 1'000'000;

// "0" or "1"; false, with the flag untouched, for anything else.
bool ReadFlag(std::optional<std::string_view> value, bool& into) {
  if (value != "0" && value != "1") return false;
  into = value == "1";
  return true;
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
  return Fnv1a(std::bit_cast<std::array<std::uint8_t, LevelRecSize>>(rec));
}

std::string EncodeBoardInProgress(const TBoardInProgress& board) {
  const TBoardState& state = board.State;
  std::string text = std::string(Header) + '\n';
  text += "level " + std::to_string(board.Level) + '\n';
  text += "record " + Hex(board.RecordSum, 16) + '\n';
  text += "time " + std::to_string(board.TimeLeft) + '\n';
  text += std::string("touched ") + (board.Touched ? '1' : '0') + '\n';
  text += "presses " + std::to_string(board.Played.Presses) + '\n';
  text += "seconds " + std::to_string(board.Played.Seconds) + '\n';
  text += std::string("hinted ") + (board.Played.Hinted ? '1' : '0') + '\n';
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

  if (!ReadNumber(TakeValue(text, "level").value_or(""), 1, MaxLevelNumber, board.Level))
    return std::nullopt;

  const auto record = TakeValue(text, "record");
  const auto sum = record && record->size() == 16 ? ParseHex(*record) : std::nullopt;
  if (!sum) return std::nullopt;
  board.RecordSum = *sum;

  TPlayCount& played = board.Played;
  if (!ReadNumber(TakeValue(text, "time").value_or(""), -MaxTime, MaxTime, board.TimeLeft) ||
      !ReadFlag(TakeValue(text, "touched"), board.Touched) ||
      !ReadNumber(TakeValue(text, "presses").value_or(""), 0, MaxTime, played.Presses) ||
      !ReadNumber(TakeValue(text, "seconds").value_or(""), 0, MaxTime, played.Seconds) ||
      !ReadFlag(TakeValue(text, "hinted"), played.Hinted))
    return std::nullopt;

  const std::string_view source = TakeValue(text, "source").value_or("");
  const std::size_t space = source.find(' ');
  if (space == std::string_view::npos ||
      !ReadNumber(source.substr(0, space), 1, BoardCols, state.SourceCol) ||
      !ReadNumber(source.substr(space + 1), 1, BoardRows, state.SourceRow))
    return std::nullopt;

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
  const auto text = ReadTextFile(path, FileLimit);
  if (!text) return std::nullopt;
  return DecodeBoardInProgress(*text);
}

bool WriteBoardInProgressFile(const std::string& path, const TBoardInProgress& board) {
  return WriteTextFile(path, EncodeBoardInProgress(board));
}

void ForgetBoardInProgress(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}
