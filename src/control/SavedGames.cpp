// The save and load buttons, the remembered game, and the save and load flows.
#include "control/Game.h"
#include "levels/LevelFile.h"
#include "levels/SavedGame.h"
#include "platform/FileIO.h"
#include "platform/FileSearch.h"

namespace {
constexpr const char* FirstSaveName = "noname.gxs";
}  // namespace

std::string FileNamePart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string SavePathFrom(const std::string& directory, const std::string& fileName) {
  std::string path = directory;
  if (path.empty() || path.back() != '/') path += '/';
  path += fileName;
  const std::size_t nameStart = path.rfind('/') + 1;
  const std::size_t dot = path.rfind('.');
  if (dot != std::string::npos && dot >= nameStart) path.erase(dot);
  return path + SavedGameExtension;
}

void TGame::SaveBtnClick() {
  window_.SetClockOn(false);
  if (data_.State == psEditing)
    SaveLevels();
  else
    SaveGame();
  if (life_ != TLifeCycle::Closing) window_.SetClockOn(true);  // a failed save may have closed it
}

void TGame::LoadBtnClick() {
  window_.SetClockOn(false);
  LoadGame();
  if (life_ != TLifeCycle::Closing) window_.SetClockOn(true);
}

bool TGame::ReadRememberedGame() {
  data_.GameFileName = settings_ ? settings_->ReadString(TSettingKey::Save) : "";
  if (!FileExists(data_.GameFileName)) return false;
  const auto read = ReadSavedGameFile(data_.GameFileName);
  data_.Results.ClearAll();
  if (!read) {
    window_.ShowMessage(TMessageKind::Error,
                        TextOf(TText::GameNotLoaded, data_.Language, data_.GameFileName));
    window_.CloseMainWindow();
    return false;
  }
  data_.Results = *read;
  data_.AllSolved = ComputeAllSolved(data_.Results, data_.Levels.LevelCount());
  data_.LevelsChanged = false;
  data_.EditorBrush = 1;
  return true;
}

std::string TGame::SaveProposal() const {
  return FileExists(data_.GameFileName) ? FileNamePart(data_.GameFileName) : FirstSaveName;
}

void TGame::SaveGame() {
  if (FileExists(data_.GameFileName)) window_.PointSaveWindowAt(data_.GameFileName);
  std::string path;
  for (;;) {
    const TSaveWindowAnswer answer = window_.ShowSaveWindow(SaveProposal());
    if (answer.Result != mrOk) return;
    path = SavePathFrom(answer.Directory, answer.FileName);
    if (!FileExists(path) ||
        window_.ShowMessage(TMessageKind::Warning,
                            TextOf(TText::GameExists, data_.Language, FileNamePart(path))) == mrYes)
      break;
  }
  if (!WriteSavedGameFile(path, data_.Results, data_.Levels.LevelCount())) {
    window_.ShowMessage(TMessageKind::Error,
                        TextOf(TText::GameNotSaved, data_.Language, FileNamePart(path)));
    // Inside the shut-down the close under way ends the program.
    if (life_ != TLifeCycle::Closing) window_.CloseMainWindow();
    return;
  }
  data_.GameFileName = path;
  UpdateTitleAndGauge();
}

void TGame::LoadGame() {
  if (!data_.GameFileName.empty()) {
    const std::string name = data_.GameFileName;
    const std::string dir = name.substr(0, name.size() - FileNamePart(name).size());
    if (!FileExists(name) || !window_.PointLoadWindowAt(dir.empty() ? "." : dir))
      window_.PointLoadWindowAt(data_.ProgramDir);
  }
  const TLoadWindowAnswer answer = window_.ShowLoadWindow();
  if (answer.Result != mrOk || !answer.SelectedFile) return;
  const std::string& path = *answer.SelectedFile;
  const auto read = ReadSavedGameFile(path);
  if (!read) {
    window_.ShowMessage(TMessageKind::Error,
                        TextOf(TText::GameNotLoaded, data_.Language, FileNamePart(path)));
    window_.CloseMainWindow();
    return;
  }
  data_.Results = *read;
  data_.GameFileName = path;
  UpdateTitleAndGauge();
}

// The file the levels came from, when it may and can be written; otherwise
// the player's own level file, which the levels come from from then on.
void TGame::SaveLevels() {
  const bool shipped = data_.LevelFilePath == data_.ProgramDir + LevelFileName;
  if (!(shipped && levelFiles_.ShippedReadOnly) &&
      WriteLevelFile(data_, data_.Board, data_.State, data_.LevelFilePath))
    return;
  const std::string& own = levelFiles_.Own;
  if (!own.empty() && own != data_.LevelFilePath && CreateParentDirectories(own) &&
      WriteLevelFile(data_, data_.Board, data_.State, own)) {
    data_.LevelFilePath = own;
    return;
  }
  window_.ShowMessage(TMessageKind::Error, TextOf(TText::LevelFileNotCreatable, data_.Language));
}
