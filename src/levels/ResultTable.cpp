#include "levels/ResultTable.h"

#include <algorithm>
#include <cstddef>

namespace {
std::size_t Slot(std::int32_t n) { return static_cast<std::size_t>(n - 1); }
}  // namespace

std::int32_t& TResultTable::operator[](std::int32_t n) { return entries_.at(Slot(n)); }
std::int32_t TResultTable::operator[](std::int32_t n) const { return entries_.at(Slot(n)); }

void TResultTable::ClearLevels(std::int32_t levelCount) {
  for (std::int32_t n = 1; n <= std::min(levelCount, Size); ++n) (*this)[n] = 0;
}

void TResultTable::InsertAfter(std::int32_t after, std::int32_t levelCount) {
  for (std::int32_t n = std::min(levelCount, Size - 1); n > after; --n) (*this)[n + 1] = (*this)[n];
  if (after + 1 <= Size) (*this)[after + 1] = 0;
}

void TResultTable::Delete(std::int32_t n, std::int32_t levelCount) {
  for (std::int32_t i = n; i < std::min(levelCount, Size); ++i) (*this)[i] = (*this)[i + 1];
}

bool ComputeAllSolved(const TResultTable& results, std::int32_t levelCount) {
  for (std::int32_t n = 1; n <= std::min(levelCount, TResultTable::Size); ++n)
    if (results[n] == 0) return false;
  return true;
}
