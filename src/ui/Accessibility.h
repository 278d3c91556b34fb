#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "model/Tiles.h"

class QWidget;

// What a screen reader needs of the game's own widgets: the windows are
// windows, the level bar tells the level, the displays their numbers, the
// board its cells, and a press through the accessibility interface returns
// before the button's window opens.
void InstallAccessibility();

// The board's side of it: its name, the text of a cell, and the cell under
// the keyboard's cursor when it is shown.
struct TBoardSpeech {
  std::function<QString()> Name;
  std::function<QString(TCell)> Cell;
  std::function<std::optional<TCell>()> Cursor;
};

// Tells a screen reader that the cursor moved onto its cell, or that the
// cell under it changed.
void AnnounceCursorCell(QWidget* board, bool moved);
// Tells a screen reader that a display's number changed.
void AnnounceNumber(QWidget* display);
