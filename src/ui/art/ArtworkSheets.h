#pragma once

#include <QImage>

// The artwork files of the game, drawn by code to their fixed geometry.
namespace art {

QImage TileSheet();        // b1: 12 frames of 36 x 36 per kind 1..7
QImage BackgroundSheet();  // b2: 8 x 8 pictures of 36 x 36
QImage WaterSheet();       // b3: six fill phases, the mask, the editor's start mark
QImage Backdrop();         // b4: 500 x 333 behind the board surface
QImage Splash();           // b5: 200 x 150
// The dot-matrix digit strips: green for the time, yellow with the two faces for the level.
QImage DigitStrip(bool levelStrip);

}  // namespace art
