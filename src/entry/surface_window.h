// SURFACE: the ground surface points of both sides, distances from the wall and
// elevations, up to 11 a side. Finished counts each side by its distance boxes and checks
// the right side before the left.
#pragma once

#include <QPushButton>

#include "platform/qt/controls.h"
#include "platform/qt/form.h"

class SURFACE : public platform::Form {
  Q_OBJECT
 public:
  SURFACE();
  void Form_Load() override;
  void cmdFinished_Click();

 private:
  // Counts, checks and stores one side; false after its message.
  bool storeSide(int side);
  platform::Panel* Panel3D1 = nullptr;
  platform::TextBoxArray* dist_[3] = {};   // by side: 1 right, 2 left
  platform::TextBoxArray* elev_[3] = {};
  QPushButton* cmdFinished = nullptr;
};
