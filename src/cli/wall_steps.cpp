// The wall steps of a headless run: Continue of a design, and the analysis of Solve.
#include <string>

#include "cli/solve_pipeline.h"
#include "model/problem_data.h"
#include "platform/files.h"
#include "platform/services.h"
#include "wall/wall.h"

namespace files = platform::files;

namespace cli {

namespace {

// The results section is left open by its writer; the run ends only when every line
// reached the file.
Step FinishReport() {
  if (!files::CloseAllChecked()) {
    platform::MsgBox("File:  " + CurrentOutputFile + "  cannot be written." + NewLine + NewLine +
                         "     Unable to continue.",
                     48, "FILE ERROR");
    return Step::Unreadable;
  }
  return Step::Continue;
}

}  // namespace

Step ContinueDesign(const Options&) {
  RunDesign();
  if (AbortRun != 0) return Step::Aborted;
  WriteResultsReport();
  // An anchored design goes on to Rowe's moment reduction; without a window the pile
  // sections step takes the default sections.
  if (WallType == "A" && AbortRun == 0) RunRoweMomentReduction();
  const Step s = FinishReport();
  if (AbortRun != 0) return Step::Aborted;
  return s;
}

Step RunAnalysis(const Options&) {
  if (RunMode != "A") return Step::Continue;
  RunSafetyFactorAnalysis();
  if (AbortRun != 0) return Step::Aborted;
  WriteResultsReport();
  const Step s = FinishReport();
  if (AbortRun != 0) return Step::Aborted;
  return s;
}

}  // namespace cli
