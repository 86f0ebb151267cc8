#include "flow/solve_flow.h"
#include "flow/windows.h"

#include "flow/main_menus.h"
#include "model/problem_data.h"
#include "platform/services.h"
#include "pressures/pressures.h"
#include "wall/wall.h"

namespace {

void menusOffWhileSolving() {
  MainMenuState& m = MainMenus;
  m.image1Visible = false;
  m.fileMenu = false;
  m.editMenu = false;
  m.viewMenu = false;
  m.solveMenu = false;
}

void menusBack() {
  MainMenuState& m = MainMenus;
  m.fileMenu = true;
  m.editMenu = true;
  m.viewMenu = true;
}

void showNotice() {
  MainMenus.soilOutVisible = false;
  MainMenus.doneVisible = true;
}

}  // namespace

void ChooseWedgeMethod(const char* Code) {
  for (int side = 1; side <= 2; ++side) {
    if (PressureMethod(side) == "W") PressureMethod(side) = Code;
  }
}

void StartSolution() {
  menusOffWhileSolving();
  // The moment reduction belongs to the solution that made it: a problem edited and solved
  // again (an analysis makes none) must not offer the earlier wall's curves.
  RoweSoilType = 0;
  PrepareSolution();
  if (AbortRun != 0) {
    // The preparation refused the data (it said why): nothing can be computed.
    MainMenus.doneCaption = kSolutionAborted;
    showNotice();
    return;
  }
  if (PressureMethod(1) == "W" || PressureMethod(2) == "W") {
    ShowWindowOrNotice(flow::windows().wedgeChooser);
  }
  if (RunMode == "D") {
    {
      platform::BusyPointer busy;
      ComputeInitialPressures();
      if (AbortRun == 0) WriteSoilPressureReport();
    }
    if (AbortRun != 0) {
      MainMenus.doneCaption = kSolutionAborted;
      showNotice();
      return;
    }
    MainMenus.soilOutVisible = true;
  } else if (RunMode == "A") {
    {
      platform::BusyPointer busy;
      MainMenus.doneCaption = kSolutionComplete;
      RunSafetyFactorAnalysis();
    }
    if (AbortRun == 0) WriteResultsReport();
    if (AbortRun != 0) MainMenus.doneCaption = kSolutionAborted;
    showNotice();
  } else {
    // No such data pass the input checks; should they arise, end as an aborted
    // solution so the menus come back rather than leaving the window without any.
    AbortRun = 1;
    MainMenus.doneCaption = kSolutionAborted;
    showNotice();
  }
}

void ContinueSolution() {
  MainMenus.doneCaption = kSolutionComplete;
  RunDesign();
  if (AbortRun == 0) {
    WriteResultsReport();
    // Reading a results file back can fail inside the results report; the reduction
    // needs the free earth results it would have read.
    if (WallType == "A" && AbortRun == 0) RunRoweMomentReduction(flow::windows().pileSections);
  }
  if (AbortRun != 0) MainMenus.doneCaption = kSolutionAborted;
  showNotice();
}

void DiscontinueSolution() {
  AbortRun = 2;
  MainMenuState& m = MainMenus;
  m.soilOutVisible = false;
  for (int i = kViewCantileverPlots; i <= kViewRoweCurves; ++i) m.viewItem[i] = false;
  m.doneVisible = false;
  m.image1Visible = true;
  m.solveMenu = false;
  menusBack();
}

void CloseResultNotice() {
  MainMenuState& m = MainMenus;
  m.doneVisible = false;
  m.image1Visible = true;
  m.solveMenu = false;
  if (AbortRun != 0) {
    for (int i = kViewCantileverPlots; i <= kViewRoweCurves; ++i) m.viewItem[i] = false;
  } else if (WallType == "C") {
    m.viewItem[kViewCantileverPlots] = true;
    for (int i = kViewFreeEarthPlots; i <= kViewRoweCurves; ++i) m.viewItem[i] = false;
  } else {
    m.viewItem[kViewCantileverPlots] = false;
    for (int i = kViewFreeEarthPlots; i <= kViewRoweCurves; ++i) m.viewItem[i] = true;
    if (RoweSoilType == 0) m.viewItem[kViewRoweCurves] = false;
  }
  menusBack();
}
