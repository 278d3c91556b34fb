#pragma once

#include <string>

#include "model/Board.h"
#include "model/PlayState.h"

// What a screen reader says of a cell, in the player's language: its column
// and row, the piece and where its openings point, and whether it carries
// water. "Column 3, row 5: elbow, open right and down, water".
std::string CellSpeech(const TBoard& board, TCell cell, TLanguage language);

// The board's own name.
std::string BoardSpeechName(TLanguage language);
