// Creation, the start-up sequence at the first activation, and the shut-down.
#include <chrono>

#include "control/Game.h"
#include "levels/LevelFile.h"

void TGame::FormCreate(const std::string& programDir, const std::string& settingsPath) {
  firstPaint_ = true;
  data_.ProgramDir = programDir;
  settings_.emplace(settingsPath);
  random_.seed(
      static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void TGame::FormActivate() {
  // Its own modal windows give the activation back, and the first paint may
  // come before it: the sequence runs at the first activation, once.
  if (startupRan_ || !settings_) return;
  startupRan_ = true;

  data_.Language = static_cast<TLanguage>(settings_->ReadInteger(TSettingKey::Tongue));
  if (data_.Language != lgGerman && data_.Language != lgEnglish) data_.Language = lgUnset;
  window_.ShowDialog(TDialog::Splash);
  if (data_.Language == lgUnset) window_.ShowLanguageWindow(data_.Language);

  if (!window_.LoadArtwork(data_.ProgramDir)) {
    window_.ShowMessage(TMessageKind::Error, TextOf(TText::ArtworkNotLoaded, data_.Language));
    window_.Terminate();
    return;
  }
  if (!ReadLevelFile(data_, data_.ProgramDir + LevelFileName, data_.Language, window_)) {
    window_.Terminate();
    return;
  }
  levelBar_.SetMaximum(data_.Levels.LevelCount());
  data_.HelpFile = data_.ProgramDir + "GURX.HLP";
  MoveWindowFromSettings();
  data_.Mode = ModeInRange(settings_->ReadInteger(TSettingKey::Mode));
  data_.CurrentLevel =
      LevelInRange(settings_->ReadInteger(TSettingKey::Level), data_.Levels.LevelCount());

  if (!ReadRememberedGame()) return;
  data_.HelpFile = data_.ProgramDir + "GURX2.HLP";
  MoveWindowFromSettings();
  window_.SetSoundOn(settings_->ReadBoolean(TSettingKey::Sound));
  // The bar shows the level before it starts, so the first paint finds it
  // aligned and does not start the level a second time.
  PlaceLevelBarAtCurrentLevel();
  StartLevel(data_.CurrentLevel);
  ApplyLanguage();
}

void TGame::MoveWindowFromSettings() {
  const TPlace wanted{settings_->ReadInteger(TSettingKey::Left),
                      settings_->ReadInteger(TSettingKey::Top)};
  window_.MoveWindow(WindowPlaceOnScreen(wanted, window_.WindowWidth(), window_.WindowHeight(),
                                         window_.Screens()));
}

void TGame::FormClose() {
  closing_ = true;
  window_.SetClockOn(false);
  help_.Quit();
  if (data_.State == psEditing) StoreBoardToLevel(data_.Board, data_.Levels[data_.CurrentLevel]);
  if (data_.LevelsChanged &&
      window_.ShowMessage(TMessageKind::Confirmation,
                          TextOf(TText::LevelsChanged, data_.Language)) == mrYes)
    SaveLevelFile(data_, data_.Board, data_.State, data_.ProgramDir + LevelFileName, data_.Language,
                  window_);
  SaveGame();
  WriteSettings();
}

// Each key is attempted even when an earlier one could not be written.
void TGame::WriteSettings() {
  if (!settings_) return;
  const TPlace place = window_.WindowPlace();
  settings_->WriteInteger(TSettingKey::Mode, data_.Mode);
  settings_->WriteBoolean(TSettingKey::Sound, window_.SoundOn());
  settings_->WriteInteger(TSettingKey::Left, place.Left);
  settings_->WriteInteger(TSettingKey::Top, place.Top);
  settings_->WriteInteger(TSettingKey::Level, data_.CurrentLevel);
  settings_->WriteInteger(TSettingKey::Tongue, data_.Language);
  settings_->WriteString(TSettingKey::Save, data_.GameFileName);
}

void TGame::FormDestroy() { data_.Levels.Clear(); }
