#include <gtest/gtest.h>
#include "flow/windows.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "flow/main_menus.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/scripted_file_dialogs.h"
#include "flow/working_files.h"
#include "platform/files.h"
#include "platform/script_doubles.h"
#include "pressures/pressure_data.h"
#include "support/scoped_env.h"
#include "support/scratch_dir.h"
#include "flow/solve_flow.h"
#include "wall/wall.h"

namespace fs = std::filesystem;
using platform::Answer;

namespace {

std::string problem(const char* control, const char* wall, const char* rightSurface = "1 0 10") {
  return std::string("'SOLVE FLOW\n") + control + "\n" + wall + "\nSURFACE RIGHTSIDE " + rightSurface +
         "\nSURFACE LEFTSIDE 1 0 0\n"
         "SOIL RIGHTSIDE STRENGTHS 1\n120 110 30 0 0 0\n"
         "SOIL LEFTSIDE STRENGTHS 1\n120 110 30 0 0 0\nFINISHED\n";
}

using support::ReadBytes;

class SolveFlow : public ::testing::Test {
 protected:
  void SetUp() override {
    InitRoweTables();  // as the program does at start: the moment reduction reads them
    dir = support::MakeScratchDir("queldar-sf");
    ASSERT_FALSE(dir.empty());
    startDir = fs::current_path();
    tempVar.emplace("TEMP", dir.string());
    services = std::make_unique<platform::ScopedServices>();
    platform::Services& s = platform::services();
    s.messageBoxes = &boxes;
    s.fileDialogs = &dialogs;
    boxes.fail = dialogs.fail = [](const std::string& what) { ADD_FAILURE() << what; };
    flow::windows() = flow::Windows{};
    MainMenus = MainMenuState{};
    ASSERT_TRUE(InitTempFolder(CMDialog1));
    ResetInputDataAndMenus();
  }
  void TearDown() override {
    platform::files::CloseAll();
    flow::windows() = flow::Windows{};
    services.reset();
    fs::current_path(startDir);
    tempVar.reset();
    EXPECT_TRUE(boxes.done());
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  void open(const std::string& content) {
    const std::string path = (dir / "problem.dat").string();
    std::ofstream(path, std::ios::binary) << content;
    dialogs.answerOpen(path);
    boxes.expect("INPUT COMPLETE", Answer::OK);
    FileOpen();
    ASSERT_EQ(AbortRun, 0);
  }
  fs::path dir, startDir;
  std::optional<support::ScopedEnv> tempVar;
  std::unique_ptr<platform::ScopedServices> services;
  platform::ScriptedMessageBoxes boxes;
  platform::ScriptedFileDialogs dialogs;
};

}  // namespace

TEST_F(SolveFlow, DesignStopsAtTheReviewWithTheSoilSectionWrittenAndThePointerBack) {
  open(problem("CONTROL CANTILEVER DESIGN", "WALL 10"));
  const long echoLines = OutputLineCount;
  services->pointer.clear();
  StartSolution();
  EXPECT_TRUE(MainMenus.soilOutVisible);
  EXPECT_FALSE(MainMenus.doneVisible || MainMenus.image1Visible);
  EXPECT_FALSE(MainMenus.fileMenu || MainMenus.editMenu || MainMenus.viewMenu || MainMenus.solveMenu);
  EXPECT_GT(OutputLineCount, echoLines);
  EXPECT_EQ(services->pointer.codes().front(), 11);
  EXPECT_EQ(services->pointer.current(), 0);
  // Discontinue keeps the report as it stands: it ends with the soil pressure section.
  const std::string before = ReadBytes(CurrentOutputFile);
  DiscontinueSolution();
  EXPECT_EQ(AbortRun, 2);
  EXPECT_EQ(ReadBytes(CurrentOutputFile), before);
  EXPECT_TRUE(MainMenus.fileMenu && MainMenus.editMenu && MainMenus.viewMenu && MainMenus.image1Visible);
  EXPECT_FALSE(MainMenus.solveMenu || MainMenus.viewItem[kViewCantileverPlots]);
}

TEST_F(SolveFlow, ContinueWritesTheResultsAndOkEnablesTheCantileverView) {
  open(problem("CONTROL CANTILEVER DESIGN", "WALL 10"));
  StartSolution();
  ASSERT_TRUE(MainMenus.soilOutVisible);
  const long soilLines = OutputLineCount;
  ContinueSolution();
  EXPECT_EQ(MainMenus.doneCaption, "SOLUTION COMPLETE");
  EXPECT_TRUE(MainMenus.doneVisible);
  EXPECT_FALSE(MainMenus.soilOutVisible);
  EXPECT_GT(OutputLineCount, soilLines);
  CloseResultNotice();
  EXPECT_TRUE(MainMenus.viewItem[kViewCantileverPlots]);
  for (int i = kViewFreeEarthPlots; i <= kViewRoweCurves; ++i) EXPECT_FALSE(MainMenus.viewItem[i]) << i;
  EXPECT_FALSE(MainMenus.solveMenu);
}

TEST_F(SolveFlow, TheWedgeChooserComesOnceBeforeAnyPressureAndAFailedPassWritesNoSoilSection) {
  open(problem("CONTROL CANTILEVER DESIGN", "WALL 10", "2 0 10\n20 12"));
  const long echoLines = OutputLineCount;
  const std::string echo = ReadBytes(CurrentOutputFile);
  // Whatever the pressure pass reports is recorded, not scripted.
  boxes.answerTheRest();
  int shown = 0;
  int gridAtChoice = -1;
  flow::windows().wedgeChooser = [&] {
    ++shown;
    gridAtChoice = NumGridPoints;
    EXPECT_EQ(PressureMethod(1), "W");
    EXPECT_EQ(PressureMethod(2), "C");
    ChooseWedgeMethod("S");
  };
  StartSolution();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(PressureMethod(1), "S");
  EXPECT_EQ(PressureMethod(2), "C");
  EXPECT_GT(gridAtChoice, 0);  // after the preparation, before the pressure pass
  if (AbortRun != 0) {
    // Straight to the notice; the report keeps only its input section.
    EXPECT_EQ(MainMenus.doneCaption, "SOLUTION ABORTED DUE TO CALCULATION ERRORS");
    EXPECT_TRUE(MainMenus.doneVisible);
    EXPECT_FALSE(MainMenus.soilOutVisible);
    EXPECT_EQ(OutputLineCount, echoLines);
    EXPECT_EQ(ReadBytes(CurrentOutputFile), echo);
    CloseResultNotice();
    for (int i = kViewCantileverPlots; i <= kViewRoweCurves; ++i) EXPECT_FALSE(MainMenus.viewItem[i]);
  } else {
    EXPECT_TRUE(MainMenus.soilOutVisible);
  }
}

TEST_F(SolveFlow, AnUnknownRunModeEndsInTheAbortedNotice) {
  open(problem("CONTROL CANTILEVER DESIGN", "WALL 10"));
  RunMode = "X";
  StartSolution();
  EXPECT_EQ(MainMenus.doneCaption, "SOLUTION ABORTED DUE TO CALCULATION ERRORS");
  EXPECT_TRUE(MainMenus.doneVisible);
  EXPECT_NE(AbortRun, 0);
  CloseResultNotice();
  EXPECT_TRUE(MainMenus.fileMenu && MainMenus.editMenu && MainMenus.viewMenu);
  for (int i = kViewCantileverPlots; i <= kViewRoweCurves; ++i) EXPECT_FALSE(MainMenus.viewItem[i]);
}

TEST_F(SolveFlow, TheResultNoticeEnablesTheViewsOfTheWallSolved) {
  struct Case {
    const char* what;
    const char* control;
    const char* wall;
    const char* leftSoil;  // layer line of the left side
    bool review;
    bool view3, view45, view6;
  };
  const Case cases[] = {
      {"cantilever design", "CONTROL CANTILEVER DESIGN", "WALL 10", "120 110 30 0 0 0", true, true, false, false},
      {"anchored design in sand", "CONTROL ANCHORED DESIGN", "WALL 10 8", "120 110 30 0 0 0", true, false, true, true},
      {"anchored design in mixed soil", "CONTROL ANCHORED DESIGN", "WALL 10 8", "120 110 30 200 0 0", true, false,
       true, false},
      {"cantilever analysis", "CONTROL CANTILEVER ANALYSIS", "WALL 10 -15 29E6 100", "120 110 30 0 0 0", false,
       true, false, false},
      {"anchored analysis", "CONTROL ANCHORED ANALYSIS", "WALL 10 8 -12 29E6 100", "120 110 30 0 0 0", false,
       false, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string text = problem(c.control, c.wall);
    const std::string left = "SOIL LEFTSIDE STRENGTHS 1\n120 110 30 0 0 0\n";
    text.replace(text.find(left), left.size(), std::string("SOIL LEFTSIDE STRENGTHS 1\n") + c.leftSoil + "\n");
    if (!CurrentOutputFile.empty()) boxes.expect("SAVE OUTPUT DATA?", Answer::No);
    open(text);
    StartSolution();
    EXPECT_EQ(MainMenus.soilOutVisible, c.review);
    if (c.review) ContinueSolution();
    EXPECT_EQ(MainMenus.doneCaption, "SOLUTION COMPLETE");
    ASSERT_EQ(AbortRun, 0);
    CloseResultNotice();
    EXPECT_EQ(MainMenus.viewItem[kViewCantileverPlots], c.view3);
    EXPECT_EQ(MainMenus.viewItem[kViewFreeEarthPlots], c.view45);
    EXPECT_EQ(MainMenus.viewItem[kViewFixedEarthPlots], c.view45);
    EXPECT_EQ(MainMenus.viewItem[kViewRoweCurves], c.view6);
    EXPECT_FALSE(MainMenus.solveMenu);
  }
}

TEST_F(SolveFlow, AnAnalysisAfterAReducedDesignDoesNotOfferTheDesignsReductionCurves) {
  // A sand design left a reduction behind; the problem is then turned into an analysis
  // without a reset (as the keyboard entry does). The analysis makes no reduction, so the
  // curves it would offer belong to the earlier wall.
  open(problem("CONTROL ANCHORED ANALYSIS", "WALL 10 8 -12 29E6 100"));
  RoweSoilType = 1;
  StartSolution();
  ASSERT_EQ(AbortRun, 0);
  EXPECT_EQ(RoweSoilType, 0);
  CloseResultNotice();
  EXPECT_TRUE(MainMenus.viewItem[kViewFreeEarthPlots] && MainMenus.viewItem[kViewFixedEarthPlots]);
  EXPECT_FALSE(MainMenus.viewItem[kViewRoweCurves]);
}

TEST_F(SolveFlow, ANetPressureFailureGoesStraightToTheAbortedNoticeWithTheInputSectionOnly) {
  // A left side too weak for any passive resistance: the net active pressure never
  // changes sign.
  std::string text = problem("CONTROL CANTILEVER DESIGN", "WALL 10");
  const std::string left = "SOIL LEFTSIDE STRENGTHS 1\n120 110 30 0 0 0\n";
  text.replace(text.find(left), left.size(), "SOIL LEFTSIDE COEFFICIENTS 1\n120 110 0.2 0.2\n");
  open(text);
  const std::string echo = ReadBytes(CurrentOutputFile);
  boxes.expect("INVALID NET ACTIVE PRESSURE DISTRIBUTION", Answer::OK);
  StartSolution();
  EXPECT_EQ(AbortRun, 2);
  EXPECT_FALSE(MainMenus.soilOutVisible);
  EXPECT_TRUE(MainMenus.doneVisible);
  EXPECT_EQ(MainMenus.doneCaption, "SOLUTION ABORTED DUE TO CALCULATION ERRORS");
  EXPECT_FALSE(MainMenus.fileMenu || MainMenus.editMenu || MainMenus.viewMenu || MainMenus.solveMenu);
  CloseResultNotice();
  EXPECT_TRUE(MainMenus.fileMenu && MainMenus.editMenu && MainMenus.viewMenu && MainMenus.image1Visible);
  for (int i = kViewCantileverPlots; i <= kViewRoweCurves; ++i) EXPECT_FALSE(MainMenus.viewItem[i]) << i;
  EXPECT_FALSE(MainMenus.solveMenu);
  platform::files::CloseAll();
  EXPECT_EQ(ReadBytes(CurrentOutputFile), echo);
}

TEST_F(SolveFlow, AnAnalysisWithAWedgeSideAsksForTheMethodBeforeTheSearch) {
  open(problem("CONTROL CANTILEVER ANALYSIS", "WALL 10 -15 29E6 100", "2 0 10\n20 12"));
  boxes.answerTheRest();
  services->pointer.clear();
  int shown = 0;
  bool busyBeforeChoice = true;
  flow::windows().wedgeChooser = [&] {
    ++shown;
    // The search runs behind the busy pointer; the choice comes before it.
    busyBeforeChoice = !services->pointer.codes().empty();
    ChooseWedgeMethod("F");
  };
  StartSolution();
  EXPECT_EQ(shown, 1);
  EXPECT_FALSE(busyBeforeChoice);
  EXPECT_EQ(PressureMethod(1), "F");
  EXPECT_EQ(PressureMethod(2), "C");
  EXPECT_FALSE(MainMenus.soilOutVisible);  // no interim review in analysis
  EXPECT_TRUE(MainMenus.doneVisible);
  EXPECT_EQ(services->pointer.current(), 0);
}
