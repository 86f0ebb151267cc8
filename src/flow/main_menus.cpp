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
  m.fileItem[0] = true;
  m.fileItem[1] = true;
  m.fileItem[3] = false;
  m.fileItem[5] = false;
  m.editCaption = "&Enter Input Data";
  m.viewMenu = false;
  for (int i = 0; i <= 6; ++i) m.viewItem[i] = false;
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
  m.saveItem[0] = false;
  m.soilOutVisible = false;
  m.doneVisible = false;
  m.image1Visible = true;
}
