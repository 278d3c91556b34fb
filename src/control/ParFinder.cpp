#include "control/ParFinder.h"

#include "model/Solver.h"

TParFinder::~TParFinder() {
  End(current_);
  End(kept_);
}

// Stopped, and waited for: the solver looks at its stop every few hundred boards.
void TParFinder::End(std::unique_ptr<TJob>& job) {
  if (!job) return;
  job->Stop = true;
  job->Thread.join();
  job.reset();
}

void TParFinder::Start(const TLevelRec& level, std::uint64_t key) {
  Harvest(current_);
  End(current_);
  current_ = std::make_unique<TJob>();
  TJob* job = current_.get();
  job->Key = key;
  job->Thread = std::thread([job, level] {
    const TSolution solution = SolveLevel(level, {ParBoards, [job] { return job->Stop.load(); }});
    if (solution.Verdict == TVerdict::Solvable && !job->Stop)
      job->Par = static_cast<std::int32_t>(solution.Presses.size());
    job->Done = true;
  });
}

void TParFinder::KeepCurrent() {
  if (!current_) return;
  Harvest(kept_);
  End(kept_);
  kept_ = std::move(current_);
}

const std::map<std::uint64_t, std::int32_t>& TParFinder::Found() {
  Harvest(current_);
  Harvest(kept_);
  return found_;
}

void TParFinder::Harvest(std::unique_ptr<TJob>& job) {
  if (!job || !job->Done) return;
  job->Thread.join();
  if (job->Par > 0) found_[job->Key] = job->Par;
  job.reset();
}
