// The save and load buttons, and saving the level file.
#include "control/Game.h"
#include "levels/LevelFile.h"
#include "platform/FileIO.h"

void TGame::SaveBtnClick() {
  window_.SetClockOn(false);
  if (data_.State == psEditing)
    SaveLevels();
  else
    savedGames_.Save();
  if (life_ != TLifeCycle::Closing) window_.SetClockOn(true);  // a failed save may have closed it
}

void TGame::LoadBtnClick() {
  window_.SetClockOn(false);
  savedGames_.Load();
  if (life_ != TLifeCycle::Closing) window_.SetClockOn(true);
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
