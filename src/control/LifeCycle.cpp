// The window's life: creation, the start-up sequence at the first
// activation, the first paint, the close question and the shut-down.
#include <chrono>

#include "control/Game.h"
#include "levels/LevelFile.h"

namespace {

// A file named on the command line is named as given; any other as the
// shipped file, as the game always did, the player's own file included.
std::string LevelFileNotFoundText(const TLevelFileError& error, const TLevelFiles& files,
                                  TLanguage language) {
  return TextOf(TText::LevelFileNotFound, language,
                files.Argument.empty() ? "GURX.DAT" : error.Path);
}

}  // namespace

void TGame::FormCreate(const std::string& programDir, const std::string& settingsPath,
                       TLevelFiles levelFiles) {
  life_ = TLifeCycle::Created;
  data_.ProgramDir = programDir;
  levelFiles_ = std::move(levelFiles);
  settings_.emplace(settingsPath);
  random_.seed(
      static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

// Its own modal windows give the activation back: the sequence runs at the
// first activation, once.
void TGame::FormActivate() {
  if (life_ != TLifeCycle::Created) return;
  life_ = TLifeCycle::StartingUp;
  StartUp();
  if (life_ == TLifeCycle::StartingUp) life_ = TLifeCycle::Activated;
}

void TGame::Terminate() {
  life_ = TLifeCycle::Terminated;
  window_.Terminate();
}

void TGame::StartUp() {
  data_.Language = static_cast<TLanguage>(settings_->ReadInteger(TSettingKey::Tongue));
  if (data_.Language != lgGerman && data_.Language != lgEnglish) data_.Language = lgUnset;
  window_.ShowDialog(TDialog::Splash);
  if (data_.Language == lgUnset) window_.ShowLanguageWindow(data_.Language);

  if (!window_.LoadArtwork(data_.ProgramDir)) {
    window_.ShowMessage(TMessageKind::Error, TextOf(TText::ArtworkNotLoaded, data_.Language));
    Terminate();
    return;
  }
  data_.LevelFilePath = LevelSource(levelFiles_, data_.ProgramDir + LevelFileName);
  if (const auto error = ReadLevelFile(data_, data_.LevelFilePath)) {
    window_.ShowMessage(TMessageKind::Error,
                        LevelFileNotFoundText(*error, levelFiles_, data_.Language));
    Terminate();
    return;
  }
  ReadRecords();
  levelBar_.SetMaximum(data_.Levels.LevelCount());
  MoveWindowFromSettings();
  data_.Mode = ModeInRange(settings_->ReadInteger(TSettingKey::Mode));
  data_.CurrentLevel =
      LevelInRange(settings_->ReadInteger(TSettingKey::Level), data_.Levels.LevelCount());

  // Without a remembered game the start-up ends here and starts no level;
  // the first paint then starts the current one through the level bar.
  if (!savedGames_.ReadRemembered(settings_->ReadString(TSettingKey::Save))) return;
  // The place once more, read afresh, as the game always did after the saved game.
  MoveWindowFromSettings();
  window_.SetSoundOn(settings_->ReadBoolean(TSettingKey::Sound));
  // The bar shows the level before it starts, so the first paint finds it
  // aligned and does not start the level a second time.
  PlaceLevelBarAtCurrentLevel();
  const std::optional<TBoardInProgress> kept = ReadLevelInProgress();
  StartLevel(data_.CurrentLevel);
  ResumeLevelInProgress(kept);
  ApplyLanguage();
}

void TGame::MoveWindowFromSettings() {
  const TPlace wanted{settings_->ReadInteger(TSettingKey::Left),
                      settings_->ReadInteger(TSettingKey::Top)};
  window_.MoveWindow(WindowPlaceOnScreen(wanted, window_.WindowWidth(), window_.WindowHeight(),
                                         window_.Screens()));
}

// The first paint after the start-up sets the state's controls once more
// and moves the level bar to the current level, which starts it unless the
// bar already stands there.
void TGame::boxPaint() {
  if (life_ == TLifeCycle::Activated) {
    SetPlayState(data_.State);
    levelBar_.SetPosition(data_.Levels.LevelCount() - data_.CurrentLevel + 1);
    life_ = TLifeCycle::Running;
    StartGivenCode();
  }
  window_.DrawBackdrop();
  DrawAllCells();
  timboxPaint();
  levelboxPaint();
  UpdateTitleAndGauge();
}

bool TGame::FormCloseQuery() {
  window_.SetClockOn(false);
  const bool close = window_.ShowDialog(TDialog::EndGame) == mrYes;
  window_.SetClockOn(true);
  return close;
}

bool TGame::CloseRequested() {
  if (life_ == TLifeCycle::Closing)
    return true;  // a failure inside the shut-down closes nothing twice
  if (!FormCloseQuery()) return false;
  FormClose();
  return true;
}

void TGame::FormClose() {
  life_ = TLifeCycle::Closing;
  savedGames_.ShuttingDown();
  window_.SetClockOn(false);
  help_.Quit();
  if (data_.State == psEditing) StoreBoardToLevel(data_.Board, data_.Levels[data_.CurrentLevel]);
  if (data_.LevelsChanged &&
      window_.ShowMessage(TMessageKind::Confirmation,
                          TextOf(TText::LevelsChanged, data_.Language)) == mrYes)
    SaveLevels();
  savedGames_.Save();
  KeepLevelInProgress();
  if (TakeFoundPars()) WriteRecords();
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

// The palette's place is the one setting written outside the shut-down.
void TGame::PaletteFormClose(TPlace place) {
  if (!settings_) return;
  settings_->WriteInteger(TSettingKey::EditorLeft, place.Left);
  settings_->WriteInteger(TSettingKey::EditorTop, place.Top);
}

void TGame::FormDestroy() { data_.Levels.Clear(); }
