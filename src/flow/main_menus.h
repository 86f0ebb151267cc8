// The state of the work as the main window shows it: which menus and items can be used,
// the caption of the Edit item, and which of the picture and the two panels is shown.
// The file commands and the solve flow change it; the window mirrors it after every
// handler. Kept free of widgets so the whole life cycle runs and is tested headless.
#pragma once

#include <array>
#include <functional>
#include <string>

// The main window's menu items by index, as its control arrays number them. The File
// menu's separators keep their indexes.
enum FileMenuItem { kFileNew = 0, kFileOpen = 1, kFileSave = 3, kFilePrint = 5, kFileExit = 7 };
enum SaveMenuItem { kSaveInputData = 0, kSaveOutputData = 1 };
enum PrintMenuItem { kPrintInputFile = 0, kPrintOutputFile = 1 };
enum ViewMenuItem {
  kViewInputFile = 0,
  kViewOutputFile = 1,
  kViewInputPlots = 2,
  kViewCantileverPlots = 3,
  kViewFreeEarthPlots = 4,
  kViewFixedEarthPlots = 5,
  kViewRoweCurves = 6,
};

struct MainMenuState {
  // Top menus (the Help menu is never switched off).
  bool fileMenu = true, editMenu = true, viewMenu = true, solveMenu = true;
  // Items: every item starts enabled.
  std::array<bool, 8> fileItem{true, true, true, true, true, true, true, true};
  std::array<bool, 2> saveItem{true, true};
  std::array<bool, 2> printItem{true, true};
  bool editItem0 = true;
  std::string editCaption;
  std::array<bool, 7> viewItem{true, true, true, true, true, true, true};
  bool solveItem0 = true;
  // Panels: the picture shows whenever neither panel is shown.
  bool image1Visible = true;
  bool soilOutVisible = false;  // the interim soil-pressure review
  bool doneVisible = false;     // the result notice
  std::string doneCaption = "SOLUTION ABORTED DUE TO CALCULATION ERRORS";
};

inline MainMenuState MainMenus;

inline constexpr const char* kSolutionComplete = "SOLUTION COMPLETE";
inline constexpr const char* kSolutionAborted = "SOLUTION ABORTED DUE TO CALCULATION ERRORS";
inline constexpr const char* kNotAvailable = "This window is not available yet.";

// Shows the window through its slot, or the not-available message when it has none.
void ShowWindowOrNotice(const std::function<void()>& window);

// Every menu into the no-data state (the reset ends with it).
void SetNoDataMenus();
// The program's reset: the problem back to its defaults (ResetInputData), then the menus
// into the no-data state.
void ResetInputDataAndMenus();
// The start-up's own menu steps after the reset: the Start state.
void SetStartMenus();
