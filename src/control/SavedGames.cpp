// The remembered game, and the save and load flows.
#include "control/SavedGames.h"

#include "control/Texts.h"
#include "levels/SavedGame.h"
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

bool TSavedGames::ReadRemembered(const std::string& path) {
  data_.GameFileName = path;
  if (!FileExists(path)) return false;
  const auto read = ReadSavedGameFile(path);
  data_.Results.ClearAll();
  if (!read) {
    ReadFailed(path);
    return false;
  }
  data_.Results = *read;
  data_.AllSolved = ComputeAllSolved(data_.Results, data_.Levels.LevelCount());
  data_.LevelsChanged = false;
  data_.EditorBrush = 1;
  return true;
}

void TSavedGames::ReadFailed(const std::string& name) {
  window_.ShowMessage(TMessageKind::Error, TextOf(TText::GameNotLoaded, data_.Language, name));
  window_.CloseMainWindow();
}

std::string TSavedGames::Proposal() const {
  return FileExists(data_.GameFileName) ? FileNamePart(data_.GameFileName) : FirstSaveName;
}

void TSavedGames::Save() {
  if (FileExists(data_.GameFileName)) window_.PointSaveWindowAt(data_.GameFileName);
  std::string path;
  for (;;) {
    const TSaveWindowAnswer answer = window_.ShowSaveWindow(Proposal());
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
    if (!closing_) window_.CloseMainWindow();
    return;
  }
  data_.GameFileName = path;
  shown_();
}

void TSavedGames::Load() {
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
    ReadFailed(FileNamePart(path));
    return;
  }
  data_.Results = *read;
  data_.GameFileName = path;
  shown_();
}
