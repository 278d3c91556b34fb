#include "Game.h"

namespace {
constexpr const char* RulesFile = "GURX2.HLP";
constexpr const char* SeriesFile = "NIMB.HLP";
}  // namespace

void TGame::PlaySoundCue(int cue) {
  sound_.Stop();  // a new cue always cuts off the last one
  if (cue == 0 || !window_.SoundOn()) return;
  sound_.Play(data_.ProgramDir + "w" + std::to_string(cue) + ".wav");
}

void TGame::rules() {
  window_.SetClockOn(false);
  help_.Quit();
  data_.HelpFile = data_.ProgramDir + RulesFile;
  help_.ShowTopic(data_.HelpFile, data_.Language == lgGerman ? "Das_Spiel" : "The_game");
  window_.SetClockOn(true);
}

void TGame::NimbleplayBtnClick() {
  window_.SetClockOn(false);
  help_.Quit();
  data_.HelpFile = data_.ProgramDir + SeriesFile;
  help_.ShowTopic(data_.HelpFile, data_.Language == lgGerman ? "Nimbleplay_d" : "Nimbleplay_e");
  window_.SetClockOn(true);
}
