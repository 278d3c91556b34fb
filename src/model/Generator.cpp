#include "model/Generator.h"

#include <algorithm>
#include <array>

#include "model/Flow.h"

int TRawRandom::Below(int n) {
  const auto range = static_cast<std::uint32_t>(n);
  const std::uint32_t limit = 0xFFFFFFFFu - 0xFFFFFFFFu % range;
  std::uint32_t value;
  do value = static_cast<std::uint32_t>(engine_());
  while (value >= limit);
  return static_cast<int>(value % range);
}

namespace {

// Single-cell decorations of the background sheet, and its two 3 x 3 pictures.
constexpr std::array<int, 16> Decorations{3,  11, 15, 19, 23, 24, 25, 26,
                                          27, 30, 33, 36, 42, 45, 51, 58};
constexpr std::array<int, 2> BlockPictures{0, 4};

using TOpenings = std::array<unsigned, CellCount>;

// The tile code whose openings are exactly the given bits (right 1, up 2, left 4, down 8).
TTileCode CodeForOpenings(unsigned openings) {
  for (int kind = tkEnd; kind <= tkCross; ++kind)
    for (int rotation = 0; rotation < 4; ++rotation) {
      const TTileCode code = MakeTileCode(rotation, kind);
      unsigned bits = 0;
      for (int d = 0; d < DirectionCount; ++d) bits |= IsOpen(code, d) ? 1u << d : 0u;
      if (bits == openings) return code;
    }
  return 0;
}

// A random tree of pipes from the start cell, with a few loops in harder levels.
TOpenings GrowNetwork(TRawRandom& random, TCell start, int tiles, int loopChance) {
  TOpenings openings{};
  std::vector<TCell> cells{start};
  std::array<bool, CellCount> used{};
  used[CellIndex(start)] = true;
  for (int attempt = 0; static_cast<int>(cells.size()) < tiles && attempt < 20000; ++attempt) {
    const TCell from =
        cells[static_cast<std::size_t>(random.Below(static_cast<int>(cells.size())))];
    const int d = random.Below(DirectionCount);
    const TCell to = Neighbour(from, d);
    if (!OnBoard(to)) continue;
    const bool joinsLoop = used[CellIndex(to)] && random.Percent(loopChance);
    if (used[CellIndex(to)] && !joinsLoop) continue;
    openings[CellIndex(from)] |= 1u << d;
    openings[CellIndex(to)] |= 1u << Opposite(d);
    if (!joinsLoop) {
      used[CellIndex(to)] = true;
      cells.push_back(to);
    }
  }
  return openings;
}

bool BlockFits(const TLevelRec& level, TCell corner) {
  for (int dc = 0; dc < 3; ++dc)
    for (int dr = 0; dr < 3; ++dr) {
      const TCell cell{corner.Col + dc, corner.Row + dr};
      if (!OnBoard(cell) || level.Tiles[CellIndex(cell)] != 0) return false;
    }
  return true;
}

void Decorate(TRawRandom& random, TLevelRec& level) {
  for (std::size_t i = 0; i < CellCount; ++i)
    if (level.Tiles[i] == 0 && random.Percent(14))
      level.Backgrounds[i] = static_cast<TBackgroundCode>(Decorations[static_cast<std::size_t>(
          random.Below(static_cast<int>(Decorations.size())))]);
  if (!random.Percent(45)) return;
  const TCell corner{random.Below(BoardCols - 2) + 1, random.Below(BoardRows - 2) + 1};
  if (!BlockFits(level, corner)) return;
  const int picture =
      BlockPictures[static_cast<std::size_t>(random.Below(static_cast<int>(BlockPictures.size())))];
  for (int dc = 0; dc < 3; ++dc)
    for (int dr = 0; dr < 3; ++dr)
      level.Backgrounds[CellIndex({corner.Col + dc, corner.Row + dr})] =
          static_cast<TBackgroundCode>(picture + dr * 8 + dc);
}

int WetCount(const TBoardState& board) {
  return static_cast<int>(std::count(board.NewFlow.begin(), board.NewFlow.end(), 1));
}

// The water that a press on a wet tile would leave.
int WetAfter(const TBoardState& board, const TMove& move) {
  const std::optional<TPress> press = PressCell(board, move);
  return WetCount(press ? press->After : board);
}

// Among the presses that cut something off, one of those that cut off least:
// the water shrinks step by step, so the solution joins the pipes step by step.
std::optional<TMove> ChooseScramblePress(TRawRandom& random, const TBoardState& board,
                                         const std::vector<TMove>& done) {
  const int wet = WetCount(board);
  std::vector<std::pair<int, TMove>> candidates;
  for (std::size_t i = 0; i < CellCount; ++i) {
    const TCell cell = CellAt(i);
    if (board.Tiles[i] == 0 || !board.NewFlow[i] || KindOf(board.Tiles[i]) == tkCross) continue;
    if (!done.empty() && done.back().Cell == cell) continue;
    for (TMouseButton button : {TMouseButton::Left, TMouseButton::Right}) {
      const int after = WetAfter(board, {button, cell});
      if (after < wet) candidates.push_back({after, {button, cell}});
    }
  }
  if (candidates.empty()) return std::nullopt;
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  const int choices = std::min(3, static_cast<int>(candidates.size()));
  return candidates[static_cast<std::size_t>(random.Below(choices))].second;
}

bool AllJoined(const TBoardState& board) {
  for (std::size_t i = 0; i < CellCount; ++i)
    if (board.Tiles[i] != 0 && !board.NewFlow[i]) return false;
  return true;
}

TMouseButton Reverse(TMouseButton button) {
  return button == TMouseButton::Left ? TMouseButton::Right : TMouseButton::Left;
}

// The level as the game starts it: flooded from its start.
TBoardState Started(const TLevelRec& level) {
  TBoard board;
  LoadLevelToBoard(board, level);
  ComputeFlow(board);
  return board.State();
}

// Presses wet tiles at random, as a player could, on through joined
// boards; the level starts where they end.
std::optional<TGeneratedLevel> Scramble(TRawRandom& random, const TLevelRec& solved, int presses) {
  TBoardState board = Started(solved);
  std::vector<TMove> scramble;
  for (int i = 0; i < presses; ++i) {
    const auto move = ChooseScramblePress(random, board, scramble);
    if (!move) break;
    board = PressCell(board, *move)->After;  // chosen among accepted presses
    scramble.push_back(*move);
  }
  if (AllJoined(board)) return std::nullopt;

  TGeneratedLevel result{solved, {}};
  result.Level.Tiles = board.Tiles;
  result.Level.SourceCol = static_cast<std::uint8_t>(board.SourceCol);
  result.Level.SourceRow = static_cast<std::uint8_t>(board.SourceRow);
  for (auto it = scramble.rbegin(); it != scramble.rend(); ++it)
    result.Solution.push_back({Reverse(it->Button), it->Cell});
  // The reverse presses may join everything before the last one: stop there.
  TBoardState replay = Started(result.Level);
  for (std::size_t i = 0; i < result.Solution.size(); ++i) {
    const std::optional<TPress> press = PressCell(replay, result.Solution[i]);
    if (!press) continue;
    replay = press->After;
    if (IsSolved(replay)) {
      result.Solution.resize(i + 1);
      return result;
    }
  }
  return std::nullopt;
}

}  // namespace

TGeneratedLevel GenerateLevel(TRawRandom& random, const TNetworkShape& shape) {
  for (;;) {
    const TCell start{random.Below(BoardCols) + 1, random.Below(BoardRows) + 1};
    const TOpenings openings = GrowNetwork(random, start, shape.Tiles, shape.LoopChance);
    TLevelRec solved = EmptyLevelRec();
    for (std::size_t i = 0; i < CellCount; ++i) solved.Tiles[i] = CodeForOpenings(openings[i]);
    solved.SourceCol = static_cast<std::uint8_t>(start.Col);
    solved.SourceRow = static_cast<std::uint8_t>(start.Row);
    Decorate(random, solved);
    if (auto level = Scramble(random, solved, shape.Presses)) return *level;
  }
}
