#pragma once

#include <functional>
#include <string>

#include "control/GameData.h"
#include "control/GameWindow.h"

// The saved games: the remembered one read at start-up, and the flows of
// the save and load windows with their questions and messages. The game
// owns it and tells it when the shut-down has begun.
class TSavedGames {
 public:
  // `shown` redraws the title and the gauge after the game changed.
  TSavedGames(TGameData& data, TGameWindow& window, std::function<void()> shown)
      : data_(data), window_(window), shown_(std::move(shown)) {}

  // The game the settings remember, when there is one. False without it,
  // and after telling the player it cannot be read (the window then closes).
  bool ReadRemembered(const std::string& path);
  void Save();
  void Load();
  // Inside the shut-down a failed save ends the program through the close
  // under way, instead of closing the window once more.
  void ShuttingDown() { closing_ = true; }

 private:
  std::string Proposal() const;
  void ReadFailed(const std::string& name);

  TGameData& data_;
  TGameWindow& window_;
  std::function<void()> shown_;
  bool closing_ = false;
};

// Path of the saved game the save window names: the directory, a separator
// unless it is the root, the name, its extension made ".gxs".
std::string SavePathFrom(const std::string& directory, const std::string& fileName);
std::string FileNamePart(const std::string& path);
