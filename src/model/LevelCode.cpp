#include "model/LevelCode.h"

#include <array>
#include <cctype>

namespace {

constexpr std::string_view Alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int SeedPlaces = 8;
constexpr std::string_view SizeLetters = "SML";

std::optional<unsigned> PlaceValue(char c) {
  c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (c == 'O') c = '0';
  if (c == 'I' || c == 'L') c = '1';
  const std::size_t at = Alphabet.find(c);
  if (at == std::string_view::npos) return std::nullopt;
  return static_cast<unsigned>(at);
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  return text;
}

// A well-mixed 64 bits of any 64 bits (SplitMix64's finaliser).
std::uint64_t Mixed(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15u;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
  return x ^ (x >> 31);
}

}  // namespace

std::string CodeText(const TLevelCode& code) {
  std::string text(2 + SeedPlaces, '-');
  text[0] = SizeLetters[static_cast<std::size_t>(code.Size)];
  std::uint64_t seed = code.Seed % TLevelCode::SeedCount;
  for (std::size_t place = text.size(); place-- > 2; seed /= 32) text[place] = Alphabet[seed % 32];
  return text;
}

std::optional<TLevelCode> ParseLevelCode(std::string_view text) {
  text = Trimmed(text);
  if (text.empty()) return std::nullopt;
  const std::size_t size =
      SizeLetters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(text[0]))));
  if (size == std::string_view::npos) return std::nullopt;
  text.remove_prefix(1);
  if (!text.empty() && text[0] == '-') text.remove_prefix(1);
  if (text.size() != SeedPlaces) return std::nullopt;
  TLevelCode code{static_cast<TLevelSize>(size), 0};
  for (const char c : text) {
    const std::optional<unsigned> value = PlaceValue(c);
    if (!value) return std::nullopt;
    code.Seed = code.Seed * 32 + *value;
  }
  return code;
}

std::optional<TLevelSize> ParseLevelSize(std::string_view text) {
  constexpr std::array<std::string_view, 3> Names{"small", "medium", "large"};
  for (std::size_t i = 0; i < Names.size(); ++i)
    if (text == Names[i]) return static_cast<TLevelSize>(i);
  return std::nullopt;
}

std::pair<int, int> TileRange(TLevelSize size) {
  constexpr std::array<std::pair<int, int>, 3> Ranges{{{15, 30}, {35, 55}, {60, 80}}};
  return Ranges[static_cast<std::size_t>(size)];
}

// Larger levels are scrambled further and get a few loops.
TGeneratedLevel LevelOfCode(const TLevelCode& code) {
  constexpr std::array<int, 3> PressPercent{40, 55, 70};
  constexpr std::array<int, 3> LoopChance{0, 3, 6};
  const auto size = static_cast<std::size_t>(code.Size);
  std::seed_seq seeds{static_cast<std::uint32_t>(code.Seed & 0xFFFFFFFFu),
                      static_cast<std::uint32_t>(code.Seed >> 32),
                      static_cast<std::uint32_t>(size)};
  TRawRandom random(seeds);
  const auto [fewest, most] = TileRange(code.Size);
  for (;;) {
    const int tiles = fewest + random.Below(most - fewest + 1);
    TGeneratedLevel level =
        GenerateLevel(random, {tiles, tiles * PressPercent[size] / 100, LoopChance[size]});
    // A crowded board may not grow every tile asked for.
    const int grown = TileCount(level.Level);
    if (grown >= fewest && grown <= most) return level;
  }
}

TLevelCode CodeFromBits(TLevelSize size, std::uint64_t bits) {
  return {size, Mixed(bits) % TLevelCode::SeedCount};
}

bool IsCalendarDay(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  constexpr std::array<int, 12> Lengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= Lengths[static_cast<std::size_t>(month - 1)] + (month == 2 && leap ? 1 : 0);
}

std::int64_t DaysSince1970(int year, int month, int day) {
  const std::int64_t y = year - (month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

TLevelCode DailyCode(int year, int month, int day) {
  const std::int64_t days = DaysSince1970(year, month, day);
  const std::int64_t weekday = ((days + 3) % 7 + 7) % 7;  // 0 Monday: 1970-01-01 was a Thursday
  constexpr std::array<TLevelSize, 7> Sizes{
      TLevelSize::Small,  TLevelSize::Small, TLevelSize::Medium, TLevelSize::Medium,
      TLevelSize::Medium, TLevelSize::Large, TLevelSize::Large};
  return CodeFromBits(Sizes[static_cast<std::size_t>(weekday)],
                      static_cast<std::uint64_t>(days) ^ 0x6461696C79u);  // "daily"
}
