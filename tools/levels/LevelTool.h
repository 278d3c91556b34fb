#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The level tool's commands; returns the exit status (2 for bad use).
int RunLevelTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
