#include <iostream>

#include "LevelTool.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunLevelTool(args, std::cout, std::cerr);
}
