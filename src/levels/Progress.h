#pragma once

#include <string>

#include "levels/ResultTable.h"

// The player's progress for the whole run.
struct TProgress {
  TResultTable Results;
  bool AllSolved = false;    // every level had a result at the last test
  std::string GameFileName;  // full path of the current saved game; empty when none
};
