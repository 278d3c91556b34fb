#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <thread>

#include "model/LevelRec.h"

// Par, the fewest presses the solver finds for a level as it starts, found
// on a thread of its own so that the window never waits; a search stopped
// early finds none.
class TParFinder {
 public:
  TParFinder() = default;
  TParFinder(const TParFinder&) = delete;
  TParFinder& operator=(const TParFinder&) = delete;
  ~TParFinder();

  // Searches the level; the search before is stopped, unless it was kept.
  void Start(const TLevelRec& level, std::uint64_t key);
  // The current search goes on past the next start: its level was solved.
  void KeepCurrent();
  // The pars found so far, by level key.
  const std::map<std::uint64_t, std::int32_t>& Found();

 private:
  struct TJob {
    std::uint64_t Key = 0;
    std::atomic<bool> Stop{false};
    std::atomic<bool> Done{false};
    std::int32_t Par = 0;  // written before Done
    std::thread Thread;
  };
  static void End(std::unique_ptr<TJob>& job);
  void Harvest(std::unique_ptr<TJob>& job);

  std::unique_ptr<TJob> current_;
  std::unique_ptr<TJob> kept_;
  std::map<std::uint64_t, std::int32_t> found_;
};
