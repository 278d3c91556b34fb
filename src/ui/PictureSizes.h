#pragma once

// Every window picture at each size a window shows it. The build draws each
// from its SVG file into pixels, at this size and at twice it for sharp
// screens, so the game itself never parses or draws SVG at start-up.
struct TPictureSize {
  const char* Name;
  int Width;
  int Height;
};

inline constexpr TPictureSize PictureSizes[] = {
    // The speed buttons.
    {"newgame", 19, 19},
    {"restart", 19, 19},
    {"load", 19, 19},
    {"save", 19, 19},
    {"pause", 19, 19},
    {"sound", 19, 19},
    {"sound-off", 19, 19},
    {"mode", 19, 19},
    {"exit", 19, 19},
    {"mix", 19, 19},
    {"insert", 19, 19},
    {"delete", 19, 19},
    {"rules", 19, 19},
    {"info", 19, 19},
    {"series", 19, 19},
    {"up", 19, 19},
    {"undo", 19, 19},
    {"redo", 19, 19},
    {"dice", 19, 19},
    {"trophy", 19, 19},
    {"down", 19, 19},
    {"newfolder", 19, 15},
    // The buttons of the modal windows.
    {"ok", 16, 16},
    {"cancel", 16, 16},
    {"smile", 16, 16},
    {"frown-green", 16, 16},
    {"exit", 16, 16},
    {"newgame", 16, 16},
    {"restart", 16, 16},
    {"language", 16, 16},
    {"flags-en", 33, 20},
    {"flags-de", 50, 20},
    // The game's icon at the sizes a desktop asks for, and the about picture.
    {"icon", 16, 16},
    {"icon", 32, 32},
    {"icon", 48, 48},
    {"icon", 64, 64},
    {"about", 100, 75}};

inline constexpr int PictureScales[] = {1, 2};

// The displays' captions ("Level:", "Time:" in either language) are drawn by
// the build as pictures too, named by their text: the only text the window
// shows at start-up would otherwise bring the whole font machinery in.
struct TCaptionStyle {
  int Width;
  int Height;
  unsigned int Colour;  // 0xRRGGBB
  int PixelSize;        // of the font, DejaVu Sans
};
inline constexpr TCaptionStyle LevelCaptionStyle{45, 16, 0xffe020, 12};
inline constexpr TCaptionStyle TimeCaptionStyle{41, 16, 0x40ff40, 12};

// The pixels of one picture at one scale: premultiplied ARGB, row by row,
// compressed as qUncompress reads them, so the program carries a tenth.
struct TPicturePixels {
  const char* Name;
  int Width;
  int Height;
  int Scale;
  const unsigned char* Compressed;
  int Size;
};

// Made by the build from the SVG files (tools/pictures).
extern const TPicturePixels PicturePixels[];
extern const int PicturePixelsCount;
