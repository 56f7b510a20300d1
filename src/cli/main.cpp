#include <iostream>
#include <string>
#include <vector>

#include "cli/V7ctl.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return v7::RunV7ctl(args, std::cout, std::cerr, v7::SystemClock::Instance());
}
