#pragma once

#include <functional>

// The vertical level bar: minimum 1, reversed scale (position p stands for
// level Maximum - p + 1), small step 1, large step 10. Every actual change of
// its position, by the player or by the program, runs the change handler;
// setting the position it already has does nothing.
class TLevelBar {
 public:
  static constexpr int Minimum = 1;
  static constexpr int SmallChange = 1;
  static constexpr int LargeChange = 10;

  // onShow hears of every new position or maximum, onChange of every new position.
  TLevelBar(std::function<void(int position, int maximum)> onShow, std::function<void()> onChange)
      : onShow_(std::move(onShow)), onChange_(std::move(onChange)) {}

  int Position() const { return position_; }
  int Maximum() const { return maximum_; }

  // Clamped into Minimum..Maximum.
  void SetPosition(int position);
  // A lower maximum pulls the position along, which counts as a change.
  void SetMaximum(int maximum);
  // Moves the bar without running the change handler.
  void Place(int position, int maximum);
  // The player's steps; negative moves toward position 1.
  void Step(int delta) { SetPosition(position_ + delta); }

  int PositionOfLevel(int level) const { return maximum_ - level + 1; }
  int LevelAtPosition() const { return maximum_ - position_ + 1; }

 private:
  std::function<void(int, int)> onShow_;
  std::function<void()> onChange_;
  int position_ = Minimum;
  int maximum_ = Minimum;
};
