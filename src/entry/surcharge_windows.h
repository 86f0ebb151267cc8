// SURCHCON, the chooser of the vertical surcharge types, and SURCHARG, the window that
// edits one type on both sides (its Finished checks and stores through surcharge_storage).
#pragma once

#include <array>
#include <vector>

#include "platform/qt/form.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace platform {
class Panel;
class PictureBox;
}  // namespace platform

class SURCHCON : public platform::Form {
  Q_OBJECT
 public:
  SURCHCON();
  void Form_Load() override;
  void cmdVertLine_Click() { ShowType(1); }
  void cmdUniform_Click() { ShowType(2); }
  void cmdStrips_Click() { ShowType(3); }
  void cmdRamps_Click() { ShowType(4); }
  void cmdTriangs_Click() { ShowType(5); }
  void cmdVertVar_Click() { ShowType(6); }
  void cmdFinished_Click() { unload(); }

  QGroupBox* fraSurchSects;
  platform::Panel* panSurchHeading;
  // Per type 1 to 6 (element 0 unused): the status panel and its button.
  std::array<platform::Panel*, 7> panels{};
  std::array<QPushButton*, 7> buttons{};
  QPushButton* cmdFinished;

 private:
  void ShowType(int type);
  void ShowTypeStatus(int type);
};

class SURCHARG : public platform::Form {
  Q_OBJECT
 public:
  SURCHARG();
  void Form_Load() override;
  void onCloseRequest() override;

  // Finished of the frame of a type (cmdFinVertLine ... cmdFinVertVar).
  void Finished_Click(int type);
  // A side's Delete button (for the uniform type, the one button of both sides).
  void Delete_Click(int type, int side);

  // Per type 1 to 6 (element 0 unused).
  struct TypeControls {
    QGroupBox* frame = nullptr;
    QGroupBox* sideFrame[2] = {nullptr, nullptr};  // right, left (none for the uniform)
    platform::PictureBox* picture = nullptr;
    QPushButton* finished = nullptr;
    QPushButton* del[2] = {nullptr, nullptr};     // right, left (the uniform: one, twice)
    // boxes[side - 1][row - 1][column]
    std::array<std::vector<std::vector<QLineEdit*>>, 2> boxes;
    double width = 0, height = 0;
  };
  std::array<TypeControls, 7> types;

 private:
  void BuildType(int type);
  int shown_ = 0;
};
