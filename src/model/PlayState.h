#pragma once

#include <cstdint>

enum TPlayState : std::uint8_t {
  psRunning = 0,
  psSolved = 1,
  psTimeOver = 2,
  psPaused = 3,
  psEditing = 4,
};

enum TGameMode : std::int32_t {
  gmPractice = 0,
  gmChallenge = 1,
  gmEditor = 2,
};

enum TLanguage : int {
  lgUnset = -1,
  lgEnglish = 0,
  lgGerman = 1,
};
