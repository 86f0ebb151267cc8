// DIRADERU, the main window: start-up, the menus that show the state of the work, the
// interim soil-pressure review and the result notice. The work itself (file commands,
// solve flow) is widget free; this window forwards its handlers there and mirrors
// MainMenus after each.
#pragma once

#include <QGroupBox>
#include <QPushButton>

#include "flow/main_menus.h"
#include "platform/qt/controls.h"
#include "platform/qt/form.h"

class DIRADERU : public platform::Form {
  Q_OBJECT
 public:
  DIRADERU();
  ~DIRADERU() override;

  // The start-up. Afterwards endRequested() tells whether the program must end (Decline,
  // or no temporary folder).
  void Form_Load() override;
  void Form_KeyDown(int& KeyCode, int Shift) override;
  // The close box and Alt+F4: File > Exit, with its prompts and the deletion.
  void onCloseRequest() override { mnuFileItem_Click(kFileExit); }

  void mnuFileItem_Click(int Index);
  void mnuSaveItem_Click(int Index);
  void mnuPrintItem_Click(int Index);
  void mnuEditItem_Click(int Index);
  void mnuViewItem_Click(int Index);
  void mnuSolveItem_Click(int Index);
  void cmdVuOutFile_Click();
  void cmdPlotPres_Click();
  void cmdContinue_Click();
  void cmdDiscontinue_Click();
  void cmdOK_Click();

  // MainMenus onto the menus and panels.
  void syncMenus();
  bool endRequested() const { return ended_; }

  // Seconds the splash stays before the acknowledgement (tests set 0).
  static inline double splashSeconds = 3.0;

 protected:
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void endProgram();
  void centrePanels();
  platform::PictureBox* Image1 = nullptr;
  platform::Panel* panDone = nullptr;
  QPushButton* cmdOK = nullptr;
  QGroupBox* fraSoilOut = nullptr;
  platform::Panel* SSPanel1 = nullptr;
  QPushButton* cmdVuOutFile = nullptr;
  QPushButton* cmdPlotPres = nullptr;
  QPushButton* cmdContinue = nullptr;
  QPushButton* cmdDiscontinue = nullptr;
  bool ended_ = false;
  bool reviewShown_ = false;
};

// The splash's wait: what is pending is painted, the user's input is dropped (not kept
// for later, where it would answer the acknowledgement unseen), until the deadline on a
// monotonic clock.
void SplashWait(double seconds);

// The main window, while it exists: the other windows take their size and place from it.
DIRADERU* MainWindow();

// The handler of the Help menu every window shares.
void InstallMainWindowHooks();
