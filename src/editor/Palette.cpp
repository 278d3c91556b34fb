#include "editor/Palette.h"

#include <algorithm>

#include "model/Geometry.h"

int BrushAtPixel(int x, int y) {
  const int col = std::clamp(x, 0, PaletteSize - 1) / CellPixels;
  const int row = std::clamp(y, 0, PaletteSize - 1) / CellPixels;
  return col + 8 * row;
}

std::array<TLine, 2> BrushMarkLines(int brush) {
  const int x0 = brush % 8 * CellPixels, y0 = brush / 8 * CellPixels;
  return {{{x0 + 6, y0 + 6, x0 + 30, y0 + 30}, {x0 + 6, y0 + 30, x0 + 30, y0 + 6}}};
}

TPlace PalettePlace(const TSettings& settings, TPlace mainWindow, int mainWidth,
                    const std::vector<TRect>& screens) {
  const TPlace wanted{settings.ReadInteger(TSettingKey::EditorLeft, mainWindow.Left + mainWidth),
                      settings.ReadInteger(TSettingKey::EditorTop, mainWindow.Top)};
  return WindowPlaceOnScreen(wanted, PaletteSize, PaletteSize, screens);
}
