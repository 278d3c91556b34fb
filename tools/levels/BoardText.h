#pragma once

#include <string>

#include "Board.h"

// The board as 8 lines of 10 characters, top row first: '.' for an empty
// cell, '#' for a tile without openings, otherwise the box-drawing character
// whose arms are the tile's openings, light when dry and heavy when wet.
std::string BoardText(const TBoard& board);
