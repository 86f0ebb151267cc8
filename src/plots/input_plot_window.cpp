#include "plots/input_plot_window.h"

#include <QApplication>
#include <QMenuBar>
#include <QMenu>

#include "model/problem_data.h"
#include "plots/input_plots.h"

VUINPLOT::VUINPLOT() : plots::PlotForm("VUINPLOT", "INPUT DATA", 120, 360) {
  for (int n = 1; n <= 10; ++n)
    addPlotPicture(n, [n](platform::Canvas& c) {
      ChoiceIndex = n;
      plots::DrawInputPlot(c, n, false);
    });
  mnuSystem = addTopItem("mnuSystem", 0, "&System", [this](int i) { mnuSystem_Click(i); });
  QMenu* surch = addTopMenu("mnuSurch", "S&urcharges");
  addMenuItems(surch, "mnuSurchItem",
               {"&Line Loads", "&Unif. Loads", "&Strip Loads", "&Ramp Loads", "&Triang. Loads", "&Variable Loads"},
               [this](int i) { mnuSurchItem_Click(i); });
  QMenu* horiz = addTopMenu("mnuHoriz", "&Horizontal Loads");
  addMenuItems(horiz, "mnuHorizItem", {"&Line Loads", "&Distributed Loads", "&Input Water Pres."},
               [this](int i) { mnuHorizItem_Click(i); });
  mnuFinished = addTopItem("mnuFinished", 3, "&Finished", [this](int i) { mnuFinished_Click(i); });
  addHelpMenu();
  menuBar()->setFont(QApplication::font(menuBar()));  // menus keep the usual font
  connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
  connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
}

void VUINPLOT::Form_Load() {
  copyMainWindowGeometryWhole(Sizing::Resizable);
  fillHeadingLabels();
  for (int n = 1; n <= 10; ++n) picture(n)->hide();
  setPlotControlsVisible(false);
  mnuSystem->setEnabled(true);
  topMenu("mnuSurch")->menuAction()->setEnabled(false);
  topMenu("mnuHoriz")->menuAction()->setEnabled(false);
  platform::MenuArray& surch = menuArray("mnuSurchItem");
  platform::MenuArray& horiz = menuArray("mnuHorizItem");
  for (QAction* a : surch.items) a->setEnabled(false);
  for (QAction* a : horiz.items) a->setEnabled(false);
  if (plots::SurchargeCount() != 0) {
    topMenu("mnuSurch")->menuAction()->setEnabled(true);
    const auto either = [](const platform::Array<int, 2>& count) { return count(1) > 0 || count(2) > 0; };
    surch(0)->setEnabled(either(NumLineLoads));
    surch(1)->setEnabled(either(NumUniformLoads));
    surch(2)->setEnabled(either(NumStripLoads));
    surch(3)->setEnabled(either(NumRampLoads));
    surch(4)->setEnabled(either(NumTriangularLoads));
    surch(5)->setEnabled(either(NumVariablePoints));
  }
  topMenu("mnuHoriz")->menuAction()->setEnabled(hasHorizontalPlots());
  horiz(0)->setEnabled(NumHorizLineLoads > 0);
  horiz(1)->setEnabled(NumHorizDistPoints > 0);
  horiz(2)->setEnabled(WaterDataType == "P" && NumWaterPressPoints > 0);
}

// A table's count left from an earlier problem whose water was given by levels counts
// for nothing: the menu would open on items that are all off.
bool VUINPLOT::hasHorizontalPlots() {
  return NumHorizLineLoads + NumHorizDistPoints + (WaterDataType == "P" ? NumWaterPressPoints : 0) > 0;
}

void VUINPLOT::mnuSystem_Click(int) { showPlot(1); }

void VUINPLOT::mnuSurchItem_Click(int Index) {
  if (Index >= 0 && Index <= 5) showPlot(Index + 2);
}

void VUINPLOT::mnuHorizItem_Click(int Index) {
  if (Index >= 0 && Index <= 2) showPlot(Index + 8);
}

void VUINPLOT::showPlot(int n) {
  ChoiceIndex = n;
  shown_ = n;
  Label1(0)->setVisible(true);
  Label1(1)->setVisible(true);
  mnuSystem->setEnabled(false);
  topMenu("mnuSurch")->menuAction()->setEnabled(false);
  topMenu("mnuHoriz")->menuAction()->setEnabled(false);
  mnuFinished->setEnabled(false);
  cmdDone->setVisible(true);
  cmdPrint->setVisible(true);
  placePicture(picture(n));
}

void VUINPLOT::setMenusByData() {
  mnuSystem->setEnabled(true);
  topMenu("mnuSurch")->menuAction()->setEnabled(plots::SurchargeCount() != 0);
  topMenu("mnuHoriz")->menuAction()->setEnabled(hasHorizontalPlots());
}

void VUINPLOT::cmdDone_Click() {
  for (int n = 1; n <= 10; ++n) picture(n)->hide();
  shown_ = 0;
  setMenusByData();
  setPlotControlsVisible(false);
  mnuFinished->setEnabled(true);
}

void VUINPLOT::cmdPrint_Click() {
  const int choice = ChoiceIndex;
  printPage("Input Plot", [choice](platform::Canvas& page) { plots::DrawInputPlot(page, choice, true); });
}

void VUINPLOT::mnuFinished_Click(int) { unload(); }

void ShowInputPlots() { platform::ShowModal<VUINPLOT>(); }
