#include "cli/solve_file.h"

#include <cstdio>

namespace cli {
int SolveFileMain(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: solve_file [options] INPUT REPORT\n");
    return 2;
  }
  return 0;
}
}  // namespace cli
