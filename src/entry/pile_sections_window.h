// ROWEPILE: the sheet pile sections of the moment reduction. First the allowable stress and
// modulus of the eight default sections are accepted, then up to five sections are added.
#pragma once

#include "platform/qt/form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class ROWEPILE : public platform::Form {
  Q_OBJECT
 public:
  ROWEPILE();
  void Form_Load() override;

  void txtDefAllow_Change();
  void txtDefEMod_Change();
  void cmdDefAccept_Click();
  void cmdDone_Click();

  QLabel* Label2;
  QGroupBox *frmDefAllE, *frmDefData, *frmAddData;
  QLineEdit *txtDefAllow, *txtDefEMod;
  QPushButton *cmdDefAccept, *cmdDone;

 private:
  // The default table as at load: names, the two section properties, and the texts of
  // the default stress and modulus.
  void ShowDefaultTable();
  // A refused Accept or Done: OK goes back; Cancel returns the defaults.
  void Refused();
};
