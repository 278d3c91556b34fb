#include "control/LevelBar.h"

#include <algorithm>

void TLevelBar::SetPosition(int position) {
  position = std::clamp(position, Minimum, std::max(Minimum, maximum_));
  if (position == position_) return;
  position_ = position;
  if (onShow_) onShow_(position_, maximum_);
  if (onChange_) onChange_();
}

void TLevelBar::Place(int position, int maximum) {
  maximum_ = std::max(Minimum, maximum);
  position_ = std::clamp(position, Minimum, maximum_);
  if (onShow_) onShow_(position_, maximum_);
}

void TLevelBar::SetMaximum(int maximum) {
  maximum_ = std::max(Minimum, maximum);
  if (onShow_) onShow_(position_, maximum_);
  SetPosition(position_);
}
