#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "model/Board.h"
#include "model/BoardInput.h"

enum class TStepKind { Press, Lock, Restart };

// One step of the level in play: a press, a lock put on or taken off, or a
// restart in practice.
struct THistoryStep {
  TStepKind Kind;
  TBoardState Before;
  TBoardState After;
  std::optional<TMove> Press;  // the press of a press step
  std::optional<TTurn> Turn;   // what the press showed, none without a turn
};

// What undo takes back and redo does again, without limit within a level.
class THistory {
 public:
  void Clear() { *this = {}; }
  // A new step drops the steps that were undone.
  void Record(const THistoryStep& step) {
    steps_.resize(done_);
    steps_.push_back(step);
    done_ = steps_.size();
  }
  const THistoryStep* Undo() { return done_ > 0 ? &steps_[--done_] : nullptr; }
  const THistoryStep* Redo() { return done_ < steps_.size() ? &steps_[done_++] : nullptr; }
  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }

 private:
  std::vector<THistoryStep> steps_;
  std::size_t done_ = 0;
};
