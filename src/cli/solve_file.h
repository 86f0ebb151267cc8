// The headless driver: runs File > Open and Solve on one input file, printing every
// message box to standard output.
#pragma once

namespace cli {
// Exit status: 0 success, 1 AbortRun was set, 2 usage error or unreadable input.
int SolveFileMain(int argc, char** argv);
}
