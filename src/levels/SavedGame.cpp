#include "levels/SavedGame.h"

#include <algorithm>

#include "platform/FileIO.h"

namespace {
constexpr std::size_t EntrySize = 4;
}  // namespace

TResultTable DecodeSavedGame(std::span<const std::uint8_t> bytes) {
  TResultTable results;
  for (std::int32_t n = 1; n <= TResultTable::Size && !bytes.empty(); ++n) {
    const std::size_t take = std::min(bytes.size(), EntrySize);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < take; ++i) value |= std::uint32_t{bytes[i]} << (8 * i);
    results[n] = static_cast<std::int32_t>(value);
    bytes = bytes.subspan(take);
  }
  return results;
}

std::vector<std::uint8_t> EncodeSavedGame(const TResultTable& results, std::int32_t levelCount) {
  std::vector<std::uint8_t> bytes;
  for (std::int32_t n = 1; n <= std::min(levelCount, TResultTable::Size); ++n) {
    const auto value = static_cast<std::uint32_t>(results[n]);
    for (std::size_t i = 0; i < EntrySize; ++i)
      bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  return bytes;
}

std::optional<TResultTable> ReadSavedGameFile(const std::string& path) {
  const auto bytes = ReadFileHead(path, static_cast<std::size_t>(TResultTable::Size) * EntrySize);
  if (!bytes) return std::nullopt;
  return DecodeSavedGame(*bytes);
}

bool WriteSavedGameFile(const std::string& path, const TResultTable& results,
                        std::int32_t levelCount) {
  return WriteFileAtomically(path, EncodeSavedGame(results, levelCount));
}
