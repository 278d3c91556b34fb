#pragma once

#include <string>

// Where the levels come from, where the editor's saves go, where a
// practice level in progress waits for the next start, and a random level
// to start with.
struct TLevelFiles {
  std::string Argument;          // the file named on the command line, or empty
  std::string Own;               // the player's own level file, or empty for none
  bool ShippedReadOnly = false;  // an installed game never changes its shipped file
  std::string KeptBoard;         // the level in progress, or empty for none
  std::string Code;              // a random level's code to start with, or empty
  std::string Records;           // the player's records, or empty to keep them unwritten
};

// The player's own level file: gurgelix/gurx.dat under $XDG_DATA_HOME, else
// under ~/.local/share.
std::string OwnLevelFile();
// The practice level in progress, and the records, beside it.
std::string KeptBoardFile();
std::string RecordsFile();

// Whether the program lies where the package installs it.
bool InstalledProgramDir(const std::string& programDir);

// Where the game's data lie, ending in '/': below share/games/gurgelix/ when
// it is installed, else beside the program.
std::string DataDir(const std::string& programDir);

// The file the levels are read from: the argument, else the player's own
// file when it exists, else the shipped one.
std::string LevelSource(const TLevelFiles& files, const std::string& shipped);
