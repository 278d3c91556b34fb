#include "control/Game.h"

namespace {
constexpr const char* RulesFile = "GURX2.HLP";
constexpr const char* SeriesFile = "NIMB.HLP";
}  // namespace

void TGame::PlaySoundCue(TSoundCue cue) {
  sound_.Stop();  // a new cue always cuts off the last one
  if (cue == scNone || !window_.SoundOn()) return;
  sound_.Play(data_.ProgramDir + "w" + std::to_string(cue) + ".wav");
}

// The help window opens at the topic of the language, with the clock stopped
// only for the moment of the jump.
void TGame::OpenHelp(const char* file, const char* germanTopic, const char* englishTopic) {
  window_.SetClockOn(false);
  help_.Quit();
  help_.ShowTopic(data_.ProgramDir + file, data_.Language == lgGerman ? germanTopic : englishTopic);
  window_.SetClockOn(true);
}

void TGame::rules() { OpenHelp(RulesFile, "Das_Spiel", "The_game"); }

void TGame::NimbleplayBtnClick() { OpenHelp(SeriesFile, "Nimbleplay_d", "Nimbleplay_e"); }
