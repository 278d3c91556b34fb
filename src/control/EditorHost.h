#pragma once

#include "control/Animator.h"
#include "control/GameData.h"
#include "model/BoardInput.h"

// The editor's side of the game: it takes the presses on the board while
// the level is being edited.
class TBoardEditor {
 public:
  virtual ~TBoardEditor() = default;
  virtual void MouseDown(TMouseButton button, TCell cell) = 0;
};

// What the level editor may use of the game, handed to it at construction:
// the data it edits and the few ways it shows its edits.
class TEditorHost {
 public:
  virtual ~TEditorHost() = default;
  // The game hands the editor's presses to it from now on.
  virtual void AttachEditor(TBoardEditor& editor) = 0;
  virtual TGameData& EditedData() = 0;
  virtual void DrawCell(TCell cell) = 0;
  virtual void DrawAllCells() = 0;
  virtual TAnimator& Animator() = 0;
  virtual TClock& Clock() = 0;
  // An integer from 0 to 3, uniformly, from the game's one random generator.
  virtual int DrawQuarter() = 0;
  virtual void SetPlayState(TPlayState state) = 0;
  // After levels were inserted or deleted: the level bar shows the current
  // level without starting it; the gauge takes the new number of levels.
  virtual void PlaceLevelBarAtCurrentLevel() = 0;
  virtual void ResizeGauge() = 0;
  virtual void UpdateTitleAndGauge() = 0;
};
