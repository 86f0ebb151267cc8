// The steps of one headless run, in the order File > Open and Solve take them. Each
// later part of the solution adds one step here and one call in RunSolveFile.
#pragma once

#include <string>

namespace cli {

struct Options {
  bool answerNo = false;     // --answer-no: No / Cancel to every question
  std::string writeInput;    // --write-input FILE: the problem written back as a data file
  bool discontinue = false;  // --discontinue: Discontinue in the interim review of a design
  std::string wedgeMethod = "S";  // --wedge F|S (or --wedge-method fixed|sweep): the chooser's answer
  std::string input;         // INPUT
  std::string report;        // REPORT
};

// Reads the command line. False with a reason in `error` on a usage error.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error);

// What a step leaves for the run: go on, or stop with an exit status.
// Finished: the run ends here successfully (nothing more was asked for).
enum class Step { Continue, Aborted, Unreadable, Finished };

// File > Open of the input: reset, the short-file question, the reader, "INPUT COMPLETE".
Step OpenInputFile(const Options& options);
// The report starts anew with the input data section.
Step WriteNewReport(const Options& options);
// --write-input: the problem as an input data file.
Step WriteInputFile(const Options& options);

// Solve as the main window runs it: the solution set-up, the wedge-method choice, and in
// design the initial pressures and the soil pressure section, then Continue (the design,
// the results and the moment reduction of an anchored wall) or, with --discontinue,
// Discontinue; in analysis the factor-of-safety search and the results.
Step SolveProblem(const Options& options);

// Runs every step; the exit status: 0 success, 1 AbortRun (or a question answered No),
// 2 unreadable input or an output file that cannot be written.
int RunSolveFile(const Options& options);

}  // namespace cli
