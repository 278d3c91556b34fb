#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/BoardInput.h"
#include "model/Generator.h"
#include "model/LevelRec.h"

// Levels from a seed, the same bytes on every machine: each a network of
// pipes that is whole when solved, scrambled by presses the game accepts.
// Level 1 is the easiest, the last fill most of the board.
std::vector<TGeneratedLevel> GenerateLevels(std::uint32_t seed, int count);

// "L3,5" and back.
std::string MoveText(const TMove& move);
// Nothing when the text is no move on the board.
std::optional<TMove> ParseMoveText(const std::string& text);

// Why a level's solution fails, or nothing when it solves the level with
// every press accepted and the level does not start solved.
std::optional<std::string> CheckSolution(const TLevelRec& level,
                                         const std::vector<TMove>& solution);
