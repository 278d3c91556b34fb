#include "levels/TextFields.h"

#include <charconv>
#include <vector>

#include "platform/FileIO.h"

namespace {
constexpr std::string_view HexDigits = "0123456789abcdef";
}  // namespace

std::string Hex(std::uint64_t value, int digits) {
  std::string text(static_cast<std::size_t>(digits), '0');
  for (auto it = text.rbegin(); it != text.rend(); ++it, value >>= 4) *it = HexDigits[value & 15];
  return text;
}

std::optional<std::uint64_t> ParseHex(std::string_view text) {
  if (text.empty() || text.size() > 16) return std::nullopt;
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

bool ReadNumber(std::string_view text, std::int32_t low, std::int32_t high, std::int32_t& into) {
  const std::optional<std::int32_t> value = ParseNumber(text, low, high);
  if (!value) return false;
  into = *value;
  return true;
}

std::optional<std::string_view> TakeLine(std::string_view& text) {
  const std::size_t newline = text.find('\n');
  if (newline == std::string_view::npos) return std::nullopt;
  const std::string_view line = text.substr(0, newline);
  text.remove_prefix(newline + 1);
  return line;
}

std::optional<std::string_view> TakeValue(std::string_view& text, std::string_view key) {
  const auto line = TakeLine(text);
  if (!line || line->size() <= key.size() || !line->starts_with(key) || (*line)[key.size()] != ' ')
    return std::nullopt;
  return line->substr(key.size() + 1);
}

std::uint64_t Fnv1a(std::span<const std::uint8_t> bytes) {
  std::uint64_t sum = 0xcbf29ce484222325;
  for (std::uint8_t byte : bytes) {
    sum ^= byte;
    sum *= 0x100000001b3;
  }
  return sum;
}

std::optional<std::string> ReadTextFile(const std::string& path, std::size_t limit) {
  const auto bytes = ReadFileHead(path, limit);
  if (!bytes) return std::nullopt;
  return std::string(bytes->begin(), bytes->end());
}

bool WriteTextFile(const std::string& path, std::string_view text) {
  return CreateParentDirectories(path) &&
         WriteFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}
