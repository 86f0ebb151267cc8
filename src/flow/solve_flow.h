// The solve flow of the main window: Solve up to the interim soil-pressure review (design)
// or to the end (analysis), Continue, Discontinue, and the OK of the result notice. The
// desktop program and solve_file both run it, so the two cannot drift apart. Results are
// in the program-wide variables and in MainMenus (panels, captions, menu states).
#pragma once

// Solve > Continue Solution. Design: prepares, asks for the wedge method when a side needs
// one, computes the initial pressures and writes the soil pressure section; then the
// review is shown (MainMenus.soilOutVisible), or the aborted notice after a failure.
// Analysis: the factor-of-safety search and the results report, then the notice.
void StartSolution();
// Continue in the review: the design, the results report, the moment reduction of an
// anchored wall; then the result notice.
void ContinueSolution();
// Discontinue in the review: AbortRun = 2 and the menus come back without results.
void DiscontinueSolution();
// OK on the result notice: the menus come back with the result views the outcome allows.
void CloseResultNotice();

// Every side still needing a wedge method gets Code ("F" fixed surface, "S" sweep).
void ChooseWedgeMethod(const char* Code);
