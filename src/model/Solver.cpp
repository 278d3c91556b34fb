#include "model/Solver.h"

#include <algorithm>
#include <array>
#include <optional>

#include "model/Flow.h"
#include "model/solver/CheapGoal.h"
#include "model/solver/GoalSearch.h"
#include "model/solver/Proofs.h"
#include "model/solver/Search.h"
#include "model/solver/SpanningTree.h"
#include "model/solver/TreePlan.h"
#include "model/solver/WalkPlan.h"

namespace {

TPosition PositionOf(const TBoardState& board) {
  TPosition position{board.Tiles, static_cast<int>(CellIndex(board.Source())), {}};
  for (TTileCode& tile : position.Tiles) tile = static_cast<TTileCode>(tile % TileCodeCount);
  for (std::size_t i = 0; i < CellCount; ++i) position.Locked[i] = board.Locks[i] != 0;
  return position;
}

TBoardState Flooded(TBoardState board) {
  ComputeFlow(board);
  return board;
}

// The presses as far as the first that solves the board, replayed by the
// game's own rule; nothing if one is refused or none solves it. No answer
// leaves the solver without this test.
std::optional<std::vector<TMove>> Replayed(TBoardState board, std::vector<TMove> presses) {
  for (std::size_t i = 0; i < presses.size(); ++i) {
    const std::optional<TPress> press = PressCell(board, presses[i]);
    if (!press) return std::nullopt;
    board = press->After;
    if (IsSolved(board)) {
      presses.resize(i + 1);
      return presses;
    }
  }
  return std::nullopt;
}

bool StopAsked(const TSolverBudget& budget) { return budget.Stop && budget.Stop(); }

// Drops each press the rest solve without, and turns three like presses in
// a row on one tile into one the other way, for as long as the budget lets it.
std::vector<TMove> Shortened(const TBoardState& board, std::vector<TMove> presses,
                             const TSolverBudget& budget) {
  for (bool shorter = true; shorter && !StopAsked(budget);) {
    shorter = false;
    for (std::size_t i = 0; i + 2 < presses.size(); ++i) {
      const TMove& move = presses[i];
      const auto same = [&move](const TMove& other) {
        return other.Cell == move.Cell && other.Button == move.Button;
      };
      if (move.Button == TMouseButton::Middle || !same(presses[i + 1]) || !same(presses[i + 2]))
        continue;
      std::vector<TMove> merged = presses;
      merged.erase(merged.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                   merged.begin() + static_cast<std::ptrdiff_t>(i) + 3);
      merged[i].Button =
          move.Button == TMouseButton::Left ? TMouseButton::Right : TMouseButton::Left;
      if (auto replayed = Replayed(board, merged)) {
        presses = *replayed;
        shorter = true;
      }
    }
    for (std::size_t i = presses.size(); i-- > 0 && !StopAsked(budget);) {
      std::vector<TMove> without = presses;
      without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
      if (auto replayed = Replayed(board, without)) {
        presses = *replayed;
        shorter = true;
      }
    }
  }
  return presses;
}

// A share of the budget for one step of the solver.
TSolverBudget Share(const TSolverBudget& budget, std::int64_t boards) {
  return {std::min(budget.Boards, boards), budget.Stop};
}

std::optional<std::vector<TMove>> PlanAlongTree(const TBoardState& board, const TPosition& start,
                                                const TSolverBudget& budget) {
  const TSolverBudget share = Share(budget, 20'000);
  TBudgetMeter meter(share);
  const TTreeAnswer answer = FindSpanningTree(start, TTreeRule::OpenTowardParent, meter);
  if (!answer.Tree) return std::nullopt;
  return Replayed(board, PressesAlongTree(start, *answer.Tree));
}

// Walks toward goal trees found in other orders, each walk taking its
// neighbours in another order too, until one joins every tile.
std::optional<std::vector<TMove>> WalkFromVariants(const TBoardState& board, const TPosition& start,
                                                   const TSolverBudget& budget) {
  constexpr std::int64_t BoardsPerWalk = 200;
  constexpr unsigned Variants = 64;
  TBudgetMeter meter(budget);
  for (unsigned variant = 0; variant < Variants && meter.Spend(BoardsPerWalk); ++variant) {
    TSpanningTree goal;
    if (GreedyTreeShortfall(start, TTreeRule::AnyJoin, goal, variant) > 0) {
      const TSolverBudget share = Share(budget, 2'000);
      TBudgetMeter goalMeter(share);
      const TTreeAnswer found = FindSpanningTree(start, TTreeRule::AnyJoin, goalMeter, variant);
      if (!found.Tree) continue;
      goal = *found.Tree;
    }
    if (auto walk = WalkToGoal(start, goal, variant))
      if (auto presses = Replayed(board, *walk)) return presses;
  }
  return std::nullopt;
}

// The plans above join the tiles in the order of a walk; a short search
// often finds fewer presses.
std::vector<TMove> ShortestFound(const TBoardState& board, const TPosition& start,
                                 const TSolverBudget& budget, const std::vector<TMove>& planned) {
  std::vector<TMove> best = Shortened(board, planned, budget);
  TSpanningTree goal;
  GreedyTreeShortfall(start, TTreeRule::AnyJoin, goal);
  const TSolverBudget share = Share(budget, 5'000);
  TBudgetMeter meter(share);
  const TSearchAnswer answer = SearchPresses(start, goal, {16, 0, 1}, meter);
  if (answer.Presses && answer.Presses->size() < best.size())
    if (auto presses = Replayed(board, *answer.Presses)) best = Shortened(board, *presses, budget);
  return best;
}

// Goals a few quarter turns away, from several seeds, each sought by both
// searches toward goals: the shortest answer of all, replayed.
std::optional<std::vector<TMove>> TowardCheapGoals(const TBoardState& board, const TPosition& start,
                                                   const TSolverBudget& budget) {
  constexpr std::uint32_t Goals = 4;
  constexpr int BeamWidth = 150;
  std::optional<std::vector<TMove>> best;
  const auto keep = [&](std::optional<std::vector<TMove>> presses) {
    if (presses) presses = Replayed(board, *presses);
    if (presses && (!best || presses->size() < best->size())) best = std::move(presses);
  };
  for (std::uint32_t seed = 1; seed <= Goals && !StopAsked(budget); ++seed) {
    const TSolverBudget goalShare = Share(budget, 80'000);
    TBudgetMeter goalMeter(goalShare);
    const TCheapGoal goal = FindCheapGoal(start, seed, goalMeter);
    if (goal.Distance < 0) continue;
    const TSolverBudget searchShare = Share(budget, 100'000);
    TBudgetMeter searchMeter(searchShare);
    keep(SearchTowardGoal(start, goal.Joins, searchMeter));
    const TSolverBudget beamShare = Share(budget, 300'000);
    TBudgetMeter beamMeter(beamShare);
    keep(BeamTowardGoal(start, goal.Joins, BeamWidth, beamMeter));
  }
  return best;
}

// Each way of steering the search fails on boards that another solves at
// once, so each gets a short try, then all a longer one, and so on. A beam
// toward a cheap goal, wider each round, goes first: it solves most of
// what the plans leave, but needs more boards for its width.
TSolution SearchInRounds(const TBoardState& board, const TPosition& start,
                         const TSpanningTree& goal, const TCheapGoal& cheapGoal,
                         const TSolverBudget& budget) {
  constexpr std::array<TSearchWeights, 3> Steering{{{0, 8, 4}, {16, 0, 1}, {16, 8, 0}}};
  std::int64_t left = budget.Boards;
  for (std::int64_t round = 20'000; left > 0; round *= 4)
    for (std::size_t way = 0; way <= Steering.size(); ++way) {
      const bool beam = way == 0;
      if (beam && cheapGoal.Distance < 0) continue;
      const TSolverBudget share = Share(budget, std::min(beam ? 16 * round : round, left));
      TBudgetMeter meter(share);
      TSearchAnswer answer;
      if (beam)
        answer.Presses =
            BeamTowardGoal(start, cheapGoal.Joins, static_cast<int>(round / 130), meter);
      else
        answer = SearchPresses(start, goal, Steering[way - 1], meter);
      if (answer.Exhausted) return {TVerdict::Unsolvable, {}};
      if (answer.Presses)
        if (auto presses = Replayed(board, *answer.Presses))
          return {TVerdict::Solvable, Shortened(board, *presses, budget)};
      left -= meter.Used();
      if (left <= 0 || (meter.Spent() && budget.Stop && budget.Stop())) return {};
    }
  return {};
}

// Any tree of joins is a goal to steer by; none at all proves the board unsolvable.
TTreeAnswer AnyTreeOfJoins(const TPosition& start, const TSolverBudget& budget) {
  const TSolverBudget share = Share(budget, 20'000);
  TBudgetMeter meter(share);
  return FindSpanningTree(start, TTreeRule::AnyJoin, meter);
}

// The plans first, as they are quick; the searches toward cheap goals when
// they fail or the fewest presses are asked for; the searches in rounds last.
TSolution Solve(const TBoardState& played, const TSolverBudget& budget, bool fewest) {
  const TBoardState board = Flooded(played);
  if (IsSolved(board)) return {TVerdict::Solvable, {}};
  if (!OnBoard(board.Source())) return {TVerdict::Unsolvable, {}};
  const TPosition start = PositionOf(board);
  if (PlainlyUnsolvable(start)) return {TVerdict::Unsolvable, {}};
  if (HasPlugs(start)) return {};
  auto presses = PlanAlongTree(board, start, budget);
  if (!presses) presses = WalkFromVariants(board, start, budget);
  if (presses) presses = ShortestFound(board, start, budget, *presses);
  if (presses && !fewest) return {TVerdict::Solvable, *presses};
  const TTreeAnswer joins = presses ? TTreeAnswer{} : AnyTreeOfJoins(start, budget);
  if (joins.Exhausted) return {TVerdict::Unsolvable, {}};
  const auto toward = TowardCheapGoals(board, start, budget);
  if (toward && (!presses || toward->size() < presses->size()))
    presses = Shortened(board, *toward, budget);
  if (presses) return {TVerdict::Solvable, *presses};
  const TSolverBudget goalShare = Share(budget, 80'000);
  TBudgetMeter goalMeter(goalShare);
  const TCheapGoal cheapGoal = FindCheapGoal(start, 1, goalMeter);
  return SearchInRounds(board, start, joins.Tree.value_or(TSpanningTree{}), cheapGoal, budget);
}

}  // namespace

TSolution SolveBoard(const TBoardState& board, const TSolverBudget& budget) {
  return Solve(board, budget, false);
}

TSolution SolveLevel(const TLevelRec& level, const TSolverBudget& budget) {
  TBoard board;
  LoadLevelToBoard(board, MakeValidLevelRec(level));
  return Solve(board.State(), budget, true);
}
