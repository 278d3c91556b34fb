#pragma once

#include <array>

#include "control/Settings.h"

// The palette window's arithmetic: an 8 x 8 grid of 36-pixel background pictures.
inline constexpr int PaletteSize = 288;

// The brush under a pixel of the palette.
int BrushAtPixel(int x, int y);

struct TLine {
  int X1, Y1, X2, Y2;
};
// The white cross that marks the brush: two lines, drawn 3 pixels wide.
std::array<TLine, 2> BrushMarkLines(int brush);

// Where the palette opens: as remembered, else beside the main window's
// place at creation; always on a screen.
TPlace PalettePlace(const TSettings& settings, TPlace mainWindow, int mainWidth,
                    const std::vector<TRect>& screens);
