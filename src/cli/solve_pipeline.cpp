#include "cli/solve_pipeline.h"
#include "flow/windows.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "model/input_echo.h"
#include "model/input_file.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "flow/working_files.h"
#include "platform/files.h"
#include "platform/services.h"
#include "flow/main_menus.h"
#include "pressures/pressures.h"
#include "flow/solve_flow.h"
#include "wall/wall.h"

namespace files = platform::files;

namespace cli {

namespace {

int ExitStatus(Step s) {
  switch (s) {
    case Step::Continue: return 0;
    case Step::Aborted: return 1;
    case Step::Unreadable: return 2;
    case Step::Finished: return 0;
  }
  return 2;
}

// A file the run must write could not be opened or written.
Step CannotWrite(const std::string& path) {
  platform::MsgBox("File:  " + path + "  cannot be written." + NewLine + NewLine +
                       "     Unable to continue.",
                   48, "FILE ERROR");
  return Step::Unreadable;
}

// The failure path of File > Open: every file closed, the problem reset.
Step OpenFailed() {
  files::CloseAll();
  ResetInputData();
  return Step::Aborted;
}

// Whether two names reach one file: through links and relative paths, and for a file
// not yet there through the folder it would be made in.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec) && !ec) return true;
  std::error_code ea, eb;
  const auto ca = std::filesystem::weakly_canonical(a, ea), cb = std::filesystem::weakly_canonical(b, eb);
  return !ea && !eb && ca == cb;
}

}  // namespace

bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
  std::string positional[2];
  int numPositional = 0;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      if (arg == "--") {
        optionsEnded = true;
      } else if (arg == "--answer-no") {
        options.answerNo = true;
      } else if (arg == "--discontinue") {
        options.discontinue = true;
      } else if (arg == "--wedge") {
        // The wedge-method chooser's answer: F fixed surface, S sweep search.
        const std::string_view m = i + 1 < argc ? std::string_view(argv[i + 1]) : "";
        if (m != "F" && m != "S") {
          error = "--wedge needs F or S";
          return false;
        }
        options.wedgeMethod = std::string(m);
        ++i;
      } else if (arg == "--wedge-method") {
        const std::string_view m = i + 1 < argc ? std::string_view(argv[i + 1]) : "";
        if (m != "sweep" && m != "fixed") {
          error = "--wedge-method needs sweep or fixed";
          return false;
        }
        options.wedgeMethod = m == "sweep" ? "S" : "F";
        ++i;
      } else if (arg == "--write-input") {
        if (i + 1 >= argc) {
          error = "--write-input needs a file name";
          return false;
        }
        options.writeInput = argv[++i];
      } else {
        error = "unknown option " + std::string(arg);
        return false;
      }
      continue;
    }
    if (numPositional == 2) {
      error = "too many arguments";
      return false;
    }
    positional[numPositional++] = std::string(arg);
  }
  if (numPositional != 2) {
    error = "INPUT and REPORT are required";
    return false;
  }
  options.input = positional[0];
  options.report = positional[1];
  // One file for two purposes would lose one of them: the input replaced by its report.
  if (SameFile(options.input, options.report)) {
    error = "INPUT and REPORT name the same file";
    return false;
  }
  if (!options.writeInput.empty() &&
      (SameFile(options.writeInput, options.input) || SameFile(options.writeInput, options.report))) {
    error = "--write-input names the same file as INPUT or REPORT";
    return false;
  }
  return true;
}

Step OpenInputFile(const Options& options) {
  files::CloseAll();
  ResetInputData();
  switch (ReadInputFileNamed(options.input)) {
    case InputFileRead::Read: return Step::Continue;
    case InputFileRead::CannotOpen: ResetInputData(); return Step::Unreadable;
    case InputFileRead::Refused: break;
  }
  return OpenFailed();
}

Step WriteNewReport(const Options& options) {
  CurrentOutputFile = options.report;
  OutFileNum = files::FreeFile();
  if (!files::Open(CurrentOutputFile, files::Mode::Output, OutFileNum)) {
    return CannotWrite(CurrentOutputFile);
  }
  WriteInputEcho();
  if (!files::CloseChecked(OutFileNum)) return CannotWrite(CurrentOutputFile);
  return Step::Continue;
}

Step WriteInputFile(const Options& options) {
  if (options.writeInput.empty()) return Step::Continue;
  InFileNum = files::FreeFile();
  if (!files::Open(options.writeInput, files::Mode::Output, InFileNum)) {
    return CannotWrite(options.writeInput);
  }
  std::string target = "FILE";
  WriteInputData(target);
  if (!files::CloseChecked(InFileNum)) return CannotWrite(options.writeInput);
  return Step::Continue;
}

Step SolveProblem(const Options& options) {
  // The flow of the main window's Solve, review buttons and result notice, so the two
  // cannot drift apart; the wedge-method chooser is answered from the command line, and
  // the pile sections step of an anchored wall takes the default sections.
  flow::windows().wedgeChooser = [&options] { ChooseWedgeMethod(options.wedgeMethod.c_str()); };
  StartSolution();
  if (MainMenus.soilOutVisible) {  // the interim review of a design
    if (options.discontinue) {
      DiscontinueSolution();
      flow::windows().wedgeChooser = nullptr;
      return Step::Finished;
    }
    ContinueSolution();
  }
  flow::windows().wedgeChooser = nullptr;
  if (AbortRun != 0) return Step::Aborted;
  // The results writers leave the report open: it is complete only once every line
  // reached the file.
  if (!files::CloseAllChecked()) return CannotWrite(CurrentOutputFile);
  return Step::Continue;
}

int RunSolveFile(const Options& options) {
  // The temporary folder the main window would choose, for the results files.
  if (ChooseTempFolder().empty()) return ExitStatus(Step::Unreadable);
  // The constant tables the main window fills at start-up.
  InitRoweTables();
  InitPassiveCoefficientTables();
  // File > Open, then the outputs asked for. Each later part of the solution adds its
  // step below, in the order Solve runs them.
  Step s = OpenInputFile(options);
  if (s == Step::Continue) s = WriteNewReport(options);
  if (s == Step::Continue) s = WriteInputFile(options);
  if (s == Step::Continue) s = SolveProblem(options);
  if (s == Step::Continue && AbortRun != 0) s = Step::Aborted;
  // The end of the run is the program's exit: the results files in the temporary
  // folder go, as File > Exit deletes them; the report stays where it was asked for.
  const std::string report = CurrentOutputFile;
  DeleteTempFiles();
  CurrentOutputFile = report;
  return ExitStatus(s);
}

}  // namespace cli
