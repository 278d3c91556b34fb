#include "model/solver/PressTree.h"

#include <algorithm>

namespace {

int Look(TTileCode tile) {
  const int kind = KindOf(tile), rotation = RotationOf(tile);
  return kind == tkCross ? 0 : kind == tkStraight ? rotation % 2 : rotation;
}

unsigned Shift(int cell) { return static_cast<unsigned>(cell % 32) * 2; }

// Every bit of the key reaches the low bits that pick the slot.
std::uint64_t Hash(const TBoardKey& key) {
  std::uint64_t hash = 0;
  for (std::uint64_t word : key) {
    hash = (hash ^ word) * 0x9E3779B97F4A7C15u;
    hash ^= hash >> 32;
  }
  hash *= 0xBF58476D1CE4E5B9u;
  return hash ^ (hash >> 29);
}

}  // namespace

bool TBoardKeySet::Insert(const TBoardKey& key) {
  if (2 * (count_ + 1) > slots_.size()) Grow();
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = Hash(key) & mask;; i = (i + 1) & mask) {
    if (slots_[i] == key) return false;
    if (slots_[i] == TBoardKey{}) {
      slots_[i] = key;
      ++count_;
      return true;
    }
  }
}

void TBoardKeySet::Grow() {
  std::vector<TBoardKey> old(std::max<std::size_t>(1024, 2 * slots_.size()));
  old.swap(slots_);
  count_ = 0;
  for (const TBoardKey& key : old)
    if (key != TBoardKey{}) Insert(key);
}

std::int32_t TPressTree::AddStart() {
  const TMove none{TMouseButton::Middle, CellAt(static_cast<std::size_t>(start_.Source))};
  return Add(start_, WetCells(start_), -1, none);
}

std::int32_t TPressTree::Add(const TPosition& position, const TCellSet& wet, std::int32_t parent,
                             TMove move) {
  TBoardKey key{};
  for (int cell = 0; cell < CellCount; ++cell)
    key[static_cast<std::size_t>(cell / 32)] |=
        static_cast<std::uint64_t>(Look(position.Tiles[static_cast<std::size_t>(cell)]))
        << Shift(cell);
  key[2] |= static_cast<std::uint64_t>(wet._Find_first() + 1) << 40;
  if (!seen_.Insert(key)) return -1;
  const int presses = parent < 0 ? 0 : Presses(parent) + 1;
  nodes_.push_back({key, parent, move, presses});
  return static_cast<std::int32_t>(nodes_.size() - 1);
}

TPosition TPressTree::Unpack(std::int32_t index) const {
  const TNode& node = nodes_[static_cast<std::size_t>(index)];
  TPosition position = start_;
  position.Source = static_cast<int>(CellIndex(node.Move.Cell));
  for (int cell = 0; cell < CellCount; ++cell) {
    TTileCode& tile = position.Tiles[static_cast<std::size_t>(cell)];
    const auto rotation = (node.Key[static_cast<std::size_t>(cell / 32)] >> Shift(cell)) & 3u;
    if (tile != 0) tile = MakeTileCode(static_cast<int>(rotation), KindOf(tile));
  }
  return position;
}

std::vector<TMove> TPressTree::PathTo(std::int32_t index) const {
  std::vector<TMove> presses;
  for (; nodes_[static_cast<std::size_t>(index)].Parent >= 0;
       index = nodes_[static_cast<std::size_t>(index)].Parent)
    presses.push_back(nodes_[static_cast<std::size_t>(index)].Move);
  std::reverse(presses.begin(), presses.end());
  return presses;
}
