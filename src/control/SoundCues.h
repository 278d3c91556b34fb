#pragma once

// The sound cues, numbered as their files beside the game: wN.wav.
enum TSoundCue : int {
  scNone = 0,     // stops the sound that plays
  scWater = 1,    // the water changed
  scSolved = 2,   // a level was solved
  scTooSlow = 4,  // the challenge clock ran out
};
