#include "cli/solve_file.h"

#include <cstdio>
#include <exception>
#include <string>

#include "cli/solve_pipeline.h"
#include "platform/files.h"
#include "platform/headless.h"

namespace cli {

int SolveFileMain(int argc, char** argv) {
  Options options;
  std::string error;
  if (!ParseOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "solve_file: %s\n", error.c_str());
    std::fprintf(stderr,
                 "usage: solve_file [--answer-no] [--write-input FILE] [--discontinue]\n"
                 "                  [--wedge F|S] INPUT REPORT\n");
    return 2;
  }
  platform::InstallHeadlessServices(options.answerNo);
  // Ended by Ctrl+C or a kill, the run leaves no results files behind either.
  platform::files::InstallSignalDeletion();
  try {
    return RunSolveFile(options);
  } catch (const std::exception& e) {
    // A fault of the program itself: say so rather than die without a word.
    std::fprintf(stderr, "solve_file: internal error: %s\n", e.what());
    return 1;
  }
}

}  // namespace cli
