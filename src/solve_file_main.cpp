#include "cli/solve_file.h"

int main(int argc, char** argv) { return cli::SolveFileMain(argc, argv); }
