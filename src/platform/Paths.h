#pragma once

#include <string>

// The directory of the running program, ending in '/'; every data file lives there.
std::string ProgramDir();
