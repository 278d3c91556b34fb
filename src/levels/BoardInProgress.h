#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "levels/Records.h"
#include "model/Board.h"

// A practice level in progress, kept over a close of the game.
struct TBoardInProgress {
  std::int32_t Level = 0;       // its number in the level file, 1..
  std::uint64_t RecordSum = 0;  // LevelRecSum of the level's record as it started
  std::int32_t TimeLeft = 0;    // the practice clock; practice counts on below 0
  bool Touched = false;
  TPlayCount Played;
  TBoardState State;  // tiles, flood start and locks; the water follows from them
  bool operator==(const TBoardInProgress&) const = default;
};

// 64-bit FNV-1a over all 162 bytes: an edited level is another level.
std::uint64_t LevelRecSum(const TLevelRec& rec);

// A text of a few lines, "gurgelix board 1" first; the water is not written.
std::string EncodeBoardInProgress(const TBoardInProgress& board);

// Nothing for text that is not a whole, valid board; the water is computed
// afresh from tiles and start.
std::optional<TBoardInProgress> DecodeBoardInProgress(std::string_view text);

// A state of that level: same number and record sum, every tile a rotation
// of the record's tile in its cell (empty exactly where the record is
// empty), and the flood start on a tile.
bool BelongsTo(const TBoardInProgress& board, std::int32_t level, const TLevelRec& rec);

// Nothing when the file is missing, unreadable or not a valid board.
std::optional<TBoardInProgress> ReadBoardInProgressFile(const std::string& path);

// Atomic, creating the folders it lies in; false, with any old file
// untouched, when it cannot be written.
bool WriteBoardInProgressFile(const std::string& path, const TBoardInProgress& board);

// Removes the file; a missing file is fine.
void ForgetBoardInProgress(const std::string& path);
