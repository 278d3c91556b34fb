// Any bytes as a saved game: the results must round-trip through a write.
#include <cstdlib>
#include <span>

#include "levels/SavedGame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TResultTable results = DecodeSavedGame(std::span<const std::uint8_t>(data, size));
  const std::int32_t levels = static_cast<std::int32_t>(std::min<std::size_t>(size / 4, 500));
  const auto bytes = EncodeSavedGame(results, levels);
  if (bytes.size() != static_cast<std::size_t>(levels) * 4) std::abort();
  const TResultTable again = DecodeSavedGame(bytes);
  for (std::int32_t n = 1; n <= levels; ++n)
    if (again[n] != results[n]) std::abort();
  return 0;
}
