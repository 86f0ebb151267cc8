// WATER: the water data, either water elevations on both sides (with no seepage, an
// automatic seepage gradient or a given one) or a table of net water pressures.
#pragma once

#include <string>
#include <vector>

#include "platform/qt/form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class OptionButton;
class Panel;
}  // namespace platform

class WATER : public platform::Form {
  Q_OBJECT
 public:
  WATER();

  void Form_Load() override;

  // The section chooser.
  void cmdWaterEls_Click();
  void cmdWaterPres_Click();
  void cmdDelete_Click();
  void cmdFinishedWaterData_Click();
  // The elevation section.
  void cmdFinishedElevData_Click();
  void optNoSeep_Click();
  void optAutoSeep_Click();
  void optSeepEl_Click();
  // The pressure section.
  void cmdFinishedWatPres_Click();

  QGroupBox *fraWaterSects, *fraWaterEls, *fraWaterPres, *fraWaterProps, *fraSeepType, *fraSeepData;
  platform::Panel *panWater, *panWaterEls, *panWaterPres, *panDelete;
  QPushButton *cmdWaterEls, *cmdWaterPres, *cmdDelete, *cmdFinishedWaterData;
  QPushButton *cmdFinishedElevData, *cmdFinishedWatPres;
  QLineEdit *txtWaterWt, *txtWaterElR, *txtWaterElL, *txtSeepEl, *txtSeepGrad;
  QLabel *lblSeepEl, *lblSeepGrad;
  platform::OptionButton *optNoSeep, *optSeepEl, *optAutoSeep;

 private:
  // The message of a failed check; false when the user chose Cancel (the water data are
  // then dropped and the window is closed).
  bool Continue(const std::string& title, std::vector<std::string> lines);
  // A section left blank over water data of the other kind leaves those data as they were.
  void leaveBlankSection(const char* kind);
  // The seepage choice when the elevation section opened: its options set it at the click.
  std::string seepageAtOpening_;
};
