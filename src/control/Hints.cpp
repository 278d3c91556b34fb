#include "control/Hints.h"

#include "model/Flow.h"
#include "model/Solver.h"

namespace {

constexpr std::int64_t MostBoards = 2'000'000;

}  // namespace

bool THints::Follows(const TBoardState& board) const {
  return !plan_.empty() && board == expected_;
}

std::optional<TMove> THints::Next(const TBoardState& board, TClock& clock) {
  if (!Follows(board)) {
    const std::int32_t start = clock.TickCount();
    const TSolution solution = SolveBoard(
        board, {MostBoards, [&clock, start] { return clock.TickCount() - start >= ThinkingMs; }});
    plan_.assign(solution.Presses.rbegin(), solution.Presses.rend());
  }
  if (plan_.empty()) return std::nullopt;
  const TMove move = plan_.back();
  plan_.pop_back();
  const std::optional<TPress> press = PressCell(board, move);
  if (press) expected_ = press->After;
  return move;
}
