#include "levels/LevelList.h"

#include <cstddef>

TLevelRec& TLevelList::operator[](std::int32_t n) {
  return records_.at(static_cast<std::size_t>(n - 1));
}

const TLevelRec& TLevelList::operator[](std::int32_t n) const {
  return records_.at(static_cast<std::size_t>(n - 1));
}

bool TLevelList::Append(const TLevelRec& rec) {
  if (LevelCount() >= MaxLevels) return false;
  records_.push_back(rec);
  return true;
}

bool TLevelList::Insert(std::int32_t n, const TLevelRec& rec) {
  if (LevelCount() >= MaxLevels || n < 1 || n > LevelCount() + 1) return false;
  records_.insert(records_.begin() + (n - 1), rec);
  return true;
}

void TLevelList::Delete(std::int32_t n) {
  if (n >= 1 && n <= LevelCount()) records_.erase(records_.begin() + (n - 1));
}
