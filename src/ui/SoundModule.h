#pragma once

// The sound cues' player lives in a module of its own beside the program,
// so the sound libraries load at the first cue, not at start-up.
#include "control/GameWindow.h"

inline constexpr const char* SoundModuleName = "gurx-sound.so";
inline constexpr const char* SoundModuleFactory = "gurx_make_sound_player";
using TSoundModuleFactory = TSoundPlayer* (*)();
