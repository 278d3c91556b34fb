#pragma once

#include <QImage>

// The artwork files of the game, drawn by code to their fixed geometry. At
// a scale of 2 each is drawn at twice the size, in the same layout, for
// screens with two device pixels to the pixel.
namespace art {

QImage TileSheet(int scale = 1);        // b1: 12 frames of 36 x 36 per kind 1..7
QImage BackgroundSheet(int scale = 1);  // b2: 8 x 8 pictures of 36 x 36
QImage WaterSheet(int scale = 1);       // b3: six fill phases, the mask, the editor's start mark
QImage Backdrop(int scale = 1);         // b4: 500 x 333 behind the board surface
QImage Splash(int scale = 1);           // b5: 200 x 150
// The dot-matrix digit strips: green for the time, yellow with the two faces
// and a slash for the level and the count of the water.
QImage DigitStrip(bool levelStrip, int scale = 1);

}  // namespace art
