// HORCON, the chooser of the horizontal load types, and HORLOAD, the window of the
// horizontal line loads (up to 5) or of the distributed load (2 to 11 points) on the wall.
#pragma once

#include "platform/qt/form.h"

class QGroupBox;
class QPushButton;

namespace platform {
class Panel;
class PictureBox;
}  // namespace platform

class HORCON : public platform::Form {
  Q_OBJECT
 public:
  HORCON();
  void Form_Load() override;
  void cmdHorizLine_Click();
  void cmdHorizDist_Click();
  void cmdFinished_Click() { unload(); }

  QGroupBox* fraHorLoadSects;
  platform::Panel *panHorizontal, *panHorizLine, *panHorizDist;
  QPushButton *cmdHorizLine, *cmdHorizDist, *cmdFinished;
};

class HORLOAD : public platform::Form {
  Q_OBJECT
 public:
  HORLOAD();
  void Form_Load() override;
  void onCloseRequest() override;

  void cmdFinHorLine_Click();
  void cmdFinHorDist_Click();
  void cmdDelHorLine_Click();
  void cmdDelHorDist_Click();

  QGroupBox *fraHorLine, *fraHorLineData, *fraHorDist, *fraLeft;
  QPushButton *cmdFinHorLine, *cmdDelHorLine, *cmdFinHorDist, *cmdDelHorDist;
  platform::PictureBox *imgHorLine, *imgHorDist;

 private:
  int shown_ = 0;
};
