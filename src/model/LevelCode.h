#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "model/Generator.h"

// Random levels named by codes that players read out, type and paste.
enum class TLevelSize { Small, Medium, Large };

struct TLevelCode {
  static constexpr std::uint64_t SeedCount = std::uint64_t{1} << 40;
  TLevelSize Size = TLevelSize::Small;
  std::uint64_t Seed = 0;  // below SeedCount
  friend bool operator==(const TLevelCode&, const TLevelCode&) = default;
};

// "M-7F3KQ2D9": S, M or L, a dash, and the seed in eight places of a
// base-32 alphabet without I, L, O and U, which look like others.
std::string CodeText(const TLevelCode& code);
// Either case, spaces around and the dash optional; O is read as 0, I and L
// as 1. Nothing for anything else.
std::optional<TLevelCode> ParseLevelCode(std::string_view text);

// "small", "medium" or "large".
std::optional<TLevelSize> ParseLevelSize(std::string_view text);
// The fewest and the most tiles of a level of the size.
std::pair<int, int> TileRange(TLevelSize size);

// The level of a code, the same bytes on every machine and every build.
TGeneratedLevel LevelOfCode(const TLevelCode& code);

// A code of the size made of any 64 bits, from a random device, say.
TLevelCode CodeFromBits(TLevelSize size, std::uint64_t bits);

// Whether the day exists in the Gregorian calendar, years 1 to 9999.
bool IsCalendarDay(int year, int month, int day);
// Days since 1970-01-01 in the Gregorian calendar, counted back for earlier days.
std::int64_t DaysSince1970(int year, int month, int day);
// The day's level, the same for everybody: small on Mondays and Tuesdays,
// medium from Wednesday to Friday, large at the weekend.
TLevelCode DailyCode(int year, int month, int day);
