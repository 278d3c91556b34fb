#pragma once

#include <string>

// The directory of the running program, ending in '/'; every data file lives there.
std::string ProgramDir();

// A directory of the desktop's base directories, ending in '/': the
// variable's value when it is set, else the folder under the home directory.
std::string XdgDir(const char* variable, const char* underHome);
