#include "flow/main_menus.h"

#include "model/problem.h"
#include "platform/services.h"

void ShowWindowOrNotice(const std::function<void()>& window) {
  if (window) {
    window();
  } else {
    platform::MsgBox(kNotAvailable, 0);
  }
}

void SetNoDataMenus() {
  MainMenuState& m = MainMenus;
  m.fileItem[kFileNew] = true;
  m.fileItem[kFileOpen] = true;
  m.fileItem[kFileSave] = false;
  m.fileItem[kFilePrint] = false;
  m.editCaption = "&Enter Input Data";
  m.viewMenu = false;
  for (int i = kViewInputFile; i <= kViewRoweCurves; ++i) m.viewItem[i] = false;
  m.solveMenu = false;
}

void ResetInputDataAndMenus() {
  ResetInputData();
  SetNoDataMenus();
}

void SetStartMenus() {
  MainMenuState& m = MainMenus;
  m.editMenu = true;
  m.editItem0 = true;
  m.editCaption = "&Enter Input data";
  m.viewMenu = false;
  m.solveMenu = false;
  m.saveItem[kSaveInputData] = false;
  m.soilOutVisible = false;
  m.doneVisible = false;
  m.image1Visible = true;
}
