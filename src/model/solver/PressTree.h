#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/BoardInput.h"
#include "model/solver/Budget.h"
#include "model/solver/Position.h"

// Two bits of rotation per cell, the rotations that look alike (a straight
// turned half round, any cross) as one, and the first wet cell: two boards
// with the same key play alike from then on.
using TBoardKey = std::array<std::uint64_t, 3>;

// Keys in one array, probed in a row: a lookup in a chained set missed the
// cache. No key is all zero: the first wet cell is counted from one.
class TBoardKeySet {
 public:
  // False when the key was in already.
  bool Insert(const TBoardKey& key);

 private:
  void Grow();

  std::vector<TBoardKey> slots_;
  std::size_t count_ = 0;
};

// The boards a search met, each once, with the press that led to it: the
// searches keep only an index into it.
class TPressTree {
 public:
  explicit TPressTree(const TPosition& start) : start_(start), tiles_(TileCells(start)) {}

  std::int32_t AddStart();
  // The new board's index, or -1 when it was met before.
  std::int32_t Add(const TPosition& position, const TCellSet& wet, std::int32_t parent, TMove move);

  TPosition Unpack(std::int32_t index) const;
  int Presses(std::int32_t index) const { return nodes_[static_cast<std::size_t>(index)].Presses; }
  std::vector<TMove> PathTo(std::int32_t index) const;

  // Calls add(child, position, wet) for every new board one press on from
  // the node's position, or gives the presses that solve the level; nothing
  // once the budget is spent.
  template <typename TAdd>
  std::optional<std::vector<TMove>> Expand(std::int32_t index, const TPosition& position,
                                           TBudgetMeter& meter, TAdd add) {
    const TCellSet wet = WetCells(position);
    for (int cell = 0; cell < CellCount; ++cell) {
      const auto at = static_cast<std::size_t>(cell);
      const TTileCode tile = position.Tiles[at];
      if (!wet.test(at) || tile == 0 || KindOf(tile) == tkCross || start_.Locked.test(at)) continue;
      for (TMouseButton button : {TMouseButton::Left, TMouseButton::Right}) {
        if (!meter.Spend()) return std::nullopt;
        TPosition next = position;
        PressTile(next, cell, button);
        const TCellSet nextWet = WetCells(next);
        const TMove move{button, CellAt(at)};
        if ((nextWet & tiles_) == tiles_) {
          std::vector<TMove> presses = PathTo(index);
          presses.push_back(move);
          return presses;
        }
        if (const std::int32_t child = Add(next, nextWet, index, move); child >= 0)
          add(child, next, nextWet);
      }
    }
    return std::nullopt;
  }

 private:
  struct TNode {
    TBoardKey Key;
    std::int32_t Parent;
    TMove Move;  // the first board's names its flood start
    int Presses;
  };

  const TPosition& start_;
  TCellSet tiles_;
  std::vector<TNode> nodes_;
  TBoardKeySet seen_;
};
