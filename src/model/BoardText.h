#pragma once

#include <string>
#include <string_view>

#include "model/Board.h"

// The board as 8 lines of 10 characters, top row first: '.' for an empty
// cell, '#' for a tile without openings, otherwise the box-drawing character
// whose arms are the tile's openings, light when dry and heavy when wet.
std::string BoardText(const TBoardState& board);

// The inverse, for boards written as pictures: tiles and water (both layers) from
// the text (missing rows and cells are empty), the flood start as given.
// A tile takes the lowest rotation that has the drawn openings, so a
// straight or a cross reads back with rotation 0. Nothing else is set.
TBoard BoardFromText(std::string_view text, TCell start);
