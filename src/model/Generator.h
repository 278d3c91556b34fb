#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "model/BoardInput.h"
#include "model/LevelRec.h"

// Draws from the engine's raw output, which the standard fixes bit for bit;
// the standard distributions may differ between libraries.
class TRawRandom {
 public:
  explicit TRawRandom(std::uint32_t seed) : engine_(seed) {}
  explicit TRawRandom(std::seed_seq& seeds) : engine_(seeds) {}
  // Uniform in 0..n-1, by rejection.
  int Below(int n);
  bool Percent(int chance) { return Below(100) < chance; }

 private:
  std::mt19937 engine_;
};

struct TGeneratedLevel {
  TLevelRec Level;
  std::vector<TMove> Solution;  // the scramble's presses backwards, as far as the solve
};

// What a generated level is made of: a network of pipes of that many tiles,
// with a loop at that chance in percent per join tried, scrambled by up to
// that many presses.
struct TNetworkShape {
  int Tiles;
  int Presses;
  int LoopChance;
};

// A network grown from a random start that is whole when solved, decorated
// and scrambled by presses the game accepts; tried again until the scramble
// leaves it unsolved. The same draws give the same bytes on every machine.
TGeneratedLevel GenerateLevel(TRawRandom& random, const TNetworkShape& shape);
