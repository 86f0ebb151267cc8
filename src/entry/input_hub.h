// KEYIN, the keyboard-input hub: one button per data section, a status panel beside each
// that turns light cyan when the section holds data, and Finished, the gate that lets the
// entry end only when the required sections are there and their elevations agree.
#pragma once

#include <QPushButton>
#include <string>

#include "platform/qt/controls.h"
#include "platform/qt/form.h"

class KEYIN : public platform::Form {
  Q_OBJECT
 public:
  KEYIN();
  void Form_Load() override;
  void cmdHeadCont_Click();
  void cmdSurface_Click();
  void cmdLayerData_Click();
  void cmdWaterData_Click();
  void cmdSurcharge_Click();
  void cmdHorizontal_Click();
  void cmdFinished_Click();

 private:
  // The answer to a Finished message: OK stays for corrections, Cancel abandons the entry.
  void finishedMessage(const std::string& text, std::string_view title);
  QGroupBox* fraInputSects = nullptr;
  platform::Panel* panKeyIn = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label5 = nullptr;
  platform::Panel* panHeadCont = nullptr;
  platform::Panel* panSurface = nullptr;
  platform::Panel* panLayerData = nullptr;
  platform::Panel* panWaterData = nullptr;
  platform::Panel* panSurcharge = nullptr;
  platform::Panel* panHorizontal = nullptr;
  QPushButton* cmdFinished = nullptr;
};

// The surcharge count the hub's panel shows: every vertical load of both sides, a uniform
// load and a ramp load counting one each.
int SurchargeCount();

// The first horizontal load that lies above the wall top, named for the user ("Horizontal
// line load 2 at elevation 12 ft"); "" when none does. The input file refuses such a load.
std::string HorizontalLoadAboveWallTop();
