#pragma once

#include <cstdint>
#include <vector>

#include "model/LevelRec.h"

// The levels of the game, numbered from 1. Never more than MaxLevels.
class TLevelList {
 public:
  static constexpr std::int32_t MaxLevels = 500;

  std::int32_t LevelCount() const { return static_cast<std::int32_t>(records_.size()); }
  // n in 1..LevelCount(); anything else is a programming error and throws.
  TLevelRec& operator[](std::int32_t n);
  const TLevelRec& operator[](std::int32_t n) const;

  // False, and nothing changes, once the list is full.
  bool Append(const TLevelRec& rec);
  // The record becomes level n (1..LevelCount()+1); the levels from n on move up one.
  bool Insert(std::int32_t n, const TLevelRec& rec);
  // The levels after n move down one.
  void Delete(std::int32_t n);
  void Clear() { records_.clear(); }

 private:
  std::vector<TLevelRec> records_;
};

// The level list with the level on the board and whether the list differs
// from the level file.
struct TLevelCollection {
  TLevelList Levels;
  std::int32_t CurrentLevel = 0;
  bool LevelsChanged = false;
};
