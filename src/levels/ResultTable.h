#pragma once

#include <array>
#include <cstdint>

// One result per possible level: 0 unsolved, above 0 the seconds left at the
// first challenge solve.
class TResultTable {
 public:
  static constexpr std::int32_t Size = 500;

  // n in 1..Size; anything else is a programming error and throws.
  std::int32_t& operator[](std::int32_t n);
  std::int32_t operator[](std::int32_t n) const;

  void ClearAll() { entries_.fill(0); }
  void ClearLevels(std::int32_t levelCount);

  // A level inserted after level `after`: the results of the levels behind
  // it move up one, the new level's result is 0.
  void InsertAfter(std::int32_t after, std::int32_t levelCount);
  // Level n deleted: the results behind it move down one; the last entry
  // keeps its value, now beyond the level count.
  void Delete(std::int32_t n, std::int32_t levelCount);

 private:
  std::array<std::int32_t, Size> entries_{};
};

// Every level 1..levelCount has a result other than 0.
bool ComputeAllSolved(const TResultTable& results, std::int32_t levelCount);
