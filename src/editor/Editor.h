#pragma once

#include <functional>

#include "control/EditorHost.h"

// The level editor: presses on the board while editing, the palette, and
// the scramble, insert and delete buttons. It works on the game's data and
// shows its edits through the host the game hands it.
class TEditor : private TBoardEditor {
 public:
  // Draws an integer uniformly from 0 to 3.
  using TDraw = std::function<int()>;

  // Takes over the game's presses in the editing state; without a draw the
  // game's own random generator is used.
  explicit TEditor(TEditorHost& host, TDraw draw = {});
  TEditor(const TEditor&) = delete;
  TEditor& operator=(const TEditor&) = delete;

  // A press on the palette chooses the brush under it.
  void PaletteMouseDown(int x, int y);
  void MixBtnClick();
  void InsertBtnClick();
  void DeleteBtnClick();

  // Passes the scramble walk makes at most before it gives up, so it always ends.
  static constexpr int MaxScramblePasses = 100000;

 private:
  void LeftPress(TCell cell);
  void RightPress(TCell cell);
  void PaintBackground(TCell cell);
  void Flood();
  bool ScrambleCanMove() const;
  int OpenDirection(TTileCode tile);

  void MouseDown(TMouseButton button, TCell cell) override;

  TEditorHost& host_;
  TGameData& data_;
  TDraw draw_;
};
