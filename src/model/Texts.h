#pragma once

#include <string>

#include "PlayState.h"

// Every text the player sees, in both languages, chosen when it is shown.
enum class TText {
  LevelFileNotFound,
  LevelFileNotCreatable,
  Solved,
};

// German for lgGerman, English otherwise (an unset language reads English).
std::string TextOf(TText text, TLanguage language);
