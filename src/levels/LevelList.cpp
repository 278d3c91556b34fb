#include "LevelList.h"

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
