// LAYRDATA: the soil layers of both sides, one side at a time in three stages: the action
// frame (choose a side or finish), the side's control data (data type, level-2 factors of
// safety) and the layer grid, whose columns follow the data type.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/controls.h"
#include "platform/qt/form.h"

class LAYRDATA : public platform::Form {
  Q_OBJECT
 public:
  LAYRDATA();
  void Form_Load() override;
  void cmdEnterRightside_Click() { enterSide(1); }
  void cmdEnterLeftside_Click() { enterSide(2); }
  void optStrengths_Click() { changeDataType("S"); }
  void optCoefficients_Click() { changeDataType("C"); }
  void cmdOK_Click();
  void cmdFinished_Click();
  void cmdFinishedAction_Click();

 private:
  void enterSide(int side);
  void changeDataType(const char* clicked);
  // Lays the grid out for the data type: its frames placed, shown and hidden.
  void layOutGrid(bool strengths);
  // Reads and checks the grid's rows; false after its message.
  bool storeLayers();
  // The grid's message; OK keeps the grid, Cancel drops both sides and closes.
  void layerMessage(const char* title, const char* firstLine, bool clearTypes);
  platform::TextBoxArray& column(const char* name) { return textBoxArray(name); }

  platform::Panel* panHeading = nullptr;
  QGroupBox* fraSoilDataAction = nullptr;
  platform::Panel *panSoilDataAction = nullptr, *panRightside = nullptr, *panLeftside = nullptr;
  QPushButton *cmdEnterRightside = nullptr, *cmdEnterLeftside = nullptr, *cmdFinishedAction = nullptr;
  platform::Panel* panControlData = nullptr;
  QGroupBox *fraSoilType = nullptr, *fraSafety2 = nullptr;
  platform::OptionButton *optStrengths = nullptr, *optCoefficients = nullptr;
  QLineEdit *txtFSA2 = nullptr, *txtFSP2 = nullptr;
  QPushButton* cmdOK = nullptr;
  QGroupBox *fraUnitWt = nullptr, *fraStrengths = nullptr, *fraElev = nullptr, *fraSlope = nullptr,
            *fraSafety3 = nullptr, *fraCoeffs = nullptr;
  QPushButton* cmdFinished = nullptr;
};
