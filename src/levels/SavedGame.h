#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "levels/ResultTable.h"

inline constexpr const char* SavedGameExtension = ".gxs";

// The results held by a saved game's bytes: little-endian 32-bit entries
// from level 1 on, at most 500; a trailing piece of fewer than 4 bytes fills
// the low-order bytes of the next entry. Entries the file lacks are 0.
TResultTable DecodeSavedGame(std::span<const std::uint8_t> bytes);

// Exactly levelCount entries.
std::vector<std::uint8_t> EncodeSavedGame(const TResultTable& results, std::int32_t levelCount);

// Nothing when the file cannot be read.
std::optional<TResultTable> ReadSavedGameFile(const std::string& path);

// Atomic; false, with any old file untouched, when the file cannot be
// written (a name holding a wildcard included).
bool WriteSavedGameFile(const std::string& path, const TResultTable& results,
                        std::int32_t levelCount);
