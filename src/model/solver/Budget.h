#pragma once

#include "model/Solver.h"

// Counts the boards the solver looks at against its budget.
class TBudgetMeter {
 public:
  explicit TBudgetMeter(const TSolverBudget& budget) : budget_(budget) {}

  // Counts boards; false once the budget is spent.
  bool Spend(std::int64_t boards = 1) {
    if (spent_) return false;
    used_ += boards;
    if (used_ > budget_.Boards) spent_ = true;
    if (used_ >= nextAsk_) {
      nextAsk_ = used_ + AskEvery;
      if (budget_.Stop && budget_.Stop()) spent_ = true;
    }
    return !spent_;
  }
  bool Spent() const { return spent_; }
  std::int64_t Used() const { return used_; }

 private:
  const TSolverBudget& budget_;
  std::int64_t used_ = 0;
  // Often enough that a search stops within a few milliseconds of the test.
  static constexpr std::int64_t AskEvery = 256;
  std::int64_t nextAsk_ = AskEvery;
  bool spent_ = false;
};
