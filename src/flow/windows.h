// The windows the program flow opens, as slots. The main window fills a slot for every
// window it has; an empty slot is a window not built (or not wanted, as in solve_file):
// the flow shows "This window is not available yet." instead, or goes on without it where
// the window only asks for data that has a default (the pile sections).
#pragma once

#include <functional>

namespace flow {

struct Windows {
  std::function<void()> keyIn;              // keyboard-entry hub KEYIN, modal
  std::function<void()> wedgeChooser;       // WEDGMETH: fixed surface or sweep search
  std::function<void()> pileSections;       // ROWEPILE: the moment reduction's sections
  std::function<void()> inputPlots;         // VUINPLOT (View > Input Plots)
  std::function<void()> soilPressurePlots;  // VUSOLPLT (Plot Initial Pressures at the review)
  std::function<void()> cantileverPlots;    // CANPLOT
  std::function<void()> freeEarthPlots;     // FREEPLOT, after its results file is read back
  std::function<void()> fixedEarthPlots;    // FIXDPLOT, after its results file is read back
  std::function<void()> roweCurves;         // ROWECURV
  std::function<void()> aboutBox;           // Help > About QUELDAR
  std::function<void()> endProgram;         // File > Exit after the prompts and deletion
};

// The one set of slots of the program.
Windows& windows();

}  // namespace flow
