#pragma once

#include <optional>
#include <vector>

#include "model/Board.h"
#include "model/BoardInput.h"
#include "platform/Clock.h"

// The hint key's presses: the solver plans them for the board as it stands,
// and the plan is kept while the board is what its presses left, so that
// the key pressed again and again solves the level.
class THints {
 public:
  // How long the solver may think on the window's thread.
  static constexpr int ThinkingMs = 100;

  // The next press of a solution, or nothing when the solver finds none in time.
  std::optional<TMove> Next(const TBoardState& board, TClock& clock);

 private:
  bool Follows(const TBoardState& board) const;

  std::vector<TMove> plan_;  // still to come, first at the back
  TBoardState expected_;     // the board the last hint left
};
