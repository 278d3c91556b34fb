#include "editor/Editor.h"

#include "editor/Palette.h"
#include "model/Flow.h"
#include "model/Rotation.h"

namespace {

constexpr int BlockWidth = 3;

bool IsBlockBrush(int brush) { return brush == 0 || brush == 4; }

}  // namespace

TEditor::TEditor(TEditorHost& host, TDraw draw)
    : host_(host), data_(host.EditedData()), draw_(std::move(draw)) {
  if (!draw_) draw_ = [&host] { return host.DrawQuarter(); };
  host_.AttachEditor(*this);
}

void TEditor::PaletteMouseDown(int x, int y) { data_.EditorBrush = BrushAtPixel(x, y); }

void TEditor::MouseDown(TMouseButton button, TCell cell) {
  if (button == TMouseButton::Middle) return;
  if (button == TMouseButton::Left) LeftPress(cell);
  if (button == TMouseButton::Right) RightPress(cell);
  data_.LevelsChanged = true;
}

void TEditor::Flood() {
  data_.LevelTouched = true;
  ComputeFlow(data_.Board);
  host_.Animator().AnimateFlow(data_.Board);
}

void TEditor::LeftPress(TCell cell) {
  TBoard& board = data_.Board;
  if (board.Tile(cell) == 0) {
    PaintBackground(cell);
    data_.LevelTouched = true;
    return;
  }
  if (cell == board.Source()) {
    host_.Animator().ShowTurn(RotateForward(board, cell));
  } else {
    const TCell old = board.Source();
    board.SourceCol = cell.Col;
    board.SourceRow = cell.Row;
    host_.DrawCell(old);
  }
  board.ShownFlow[CellIndex(cell)] = 1;
  host_.DrawCell(cell);
  Flood();
}

// The brush; the two block brushes paint their 3 x 3 picture, cut at the edges.
void TEditor::PaintBackground(TCell cell) {
  const int brush = data_.EditorBrush;
  data_.Board.Backgrounds[CellIndex(cell)] = static_cast<TBackgroundCode>(brush);
  host_.DrawCell(cell);
  if (!IsBlockBrush(brush)) return;
  for (int i = 0; i < BlockWidth; ++i)
    for (int j = 0; j < BlockWidth; ++j) {
      const TCell target{cell.Col + i, cell.Row + j};
      if (!OnBoard(target)) continue;
      data_.Board.Backgrounds[CellIndex(target)] = static_cast<TBackgroundCode>(brush + i + 8 * j);
      host_.DrawCell(target);
    }
}

void TEditor::RightPress(TCell cell) {
  TBoard& board = data_.Board;
  const int kind = KindOf(board.Tile(cell));
  if (kind == tkCross) {
    board.Tile(cell) = 0;
    board.Backgrounds[CellIndex(cell)] = bgDefault;
    board.ShownFlow[CellIndex(cell)] = 0;
    host_.DrawCell(cell);
    return;  // emptying moves no start and floods nothing
  }
  if (kind < tkCross) {
    board.Tile(cell) = static_cast<TTileCode>(kind + 1);
    board.Backgrounds[CellIndex(cell)] = 0;
  }
  const TCell old = board.Source();
  if (OnBoard(old)) {
    board.ShownFlow[CellIndex(old)] = 0;
    host_.DrawCell(old);
  }
  board.SourceCol = cell.Col;
  board.SourceRow = cell.Row;
  board.ShownFlow[CellIndex(cell)] = 1;
  host_.DrawCell(cell);
  Flood();
}

void TEditor::InsertBtnClick() {
  TLevelList& levels = data_.Levels;
  if (levels.LevelCount() >= TLevelList::MaxLevels) return;
  StoreBoardToLevel(data_.Board, levels[data_.CurrentLevel]);
  TBoard& board = data_.Board;
  board.Tiles.fill(0);
  board.Backgrounds.fill(bgDefault);
  board.ShownFlow.fill(0);
  host_.DrawAllCells();

  data_.Results.InsertAfter(data_.CurrentLevel, levels.LevelCount());
  TLevelRec fresh{};
  StoreBoardToLevel(board, fresh);  // empty, with the board's start cell
  levels.Insert(data_.CurrentLevel + 1, fresh);
  ++data_.CurrentLevel;

  host_.PlaceLevelBarAtCurrentLevel();
  host_.UpdateTitleAndGauge();
  data_.LevelTouched = true;
  data_.LevelsChanged = true;
}

// The only level is never deleted: the game always needs one.
void TEditor::DeleteBtnClick() {
  TLevelList& levels = data_.Levels;
  if (levels.LevelCount() <= 1) return;
  const std::int32_t count = levels.LevelCount();
  levels.Delete(data_.CurrentLevel);
  data_.Results.Delete(data_.CurrentLevel, count);
  data_.CurrentLevel = std::min(data_.CurrentLevel, levels.LevelCount());

  const TLevelRec& current = levels[data_.CurrentLevel];
  LoadLevelToBoard(data_.Board, current);
  data_.TimeLeft = SecondsPerTileAfterDelete * TileCount(current);
  ComputeFlow(data_.Board);
  host_.DrawAllCells();
  host_.Animator().AnimateFlow(data_.Board);
  data_.LevelTouched = false;
  // The bar shows the level that follows into the deleted one's place, as
  // the board does; placing it starts nothing.
  host_.PlaceLevelBarAtCurrentLevel();
  host_.ResizeGauge();
  host_.SetPlayState(psEditing);
  data_.LevelsChanged = true;
}
