#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "levels/LevelList.h"
#include "model/Board.h"
#include "model/PlayState.h"

inline constexpr const char* LevelFileName = "gurx.dat";

// The records of a level file's bytes, as the game reads them: one record
// per started 162 bytes, at least one, at most maxRecords. Bytes the file
// does not supply come from the empty level; every record is made valid.
std::vector<TLevelRec> DecodeLevelFile(std::span<const std::uint8_t> bytes,
                                       std::int32_t maxRecords = TLevelList::MaxLevels);

std::vector<std::uint8_t> EncodeLevelFile(const TLevelList& levels);

// A level file that gave no levels: missing, a folder, or not readable.
struct TLevelFileError {
  std::string Path;
};

// Fills the list from the file, or says which file could not be read.
std::optional<TLevelFileError> ReadLevelFile(TLevelCollection& levels, const std::string& path);

// Writes the whole list, first storing the board when it is being edited,
// and clears LevelsChanged. False, and the file as it was, when it cannot.
bool WriteLevelFile(TLevelCollection& levels, const TBoard& board, TPlayState state,
                    const std::string& path);
