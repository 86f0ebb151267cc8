#include "plots/soil_pressure_plot_window.h"

#include <QApplication>
#include <QMenuBar>

#include "model/problem_data.h"

VUSOLPLT::VUSOLPLT() : plots::PlotForm("VUSOLPLT", "INITIAL SOIL PRESSURES", 180, 420) {
  for (int n = 1; n <= 4; ++n)
    addPlotPicture(n, [n](platform::Canvas& c) { plots::DrawSoilPressurePlot(c, n, false); });
  // Each top item is the one element of its own control array, indexed by its place.
  items_ = {addTopItem("mnuLeftside", 0, "&Leftside Press", [this](int i) { mnuLeftside_Click(i); }),
            addTopItem("mnuRightside", 1, "&Rightside Press", [this](int i) { mnuRightside_Click(i); }),
            addTopItem("mnuNetSoil", 2, "&Net Soil Press", [this](int i) { mnuNetSoil_Click(i); }),
            addTopItem("mnuNetWater", 3, "Net &Water Press", [this](int i) { mnuNetWater_Click(i); }),
            addTopItem("mnuFinished", 4, "&Finished", [this](int i) { mnuFinished_Click(i); })};
  addHelpMenu();
  menuBar()->setFont(QApplication::font(menuBar()));  // menus keep the usual font
  connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
  connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
}

void VUSOLPLT::Form_Load() {
  copyMainWindowGeometryWhole(Sizing::Resizable);
  fillHeadingLabels();
  for (int n = 1; n <= 4; ++n) picture(n)->hide();
  setPlotControlsVisible(false);
  scales_ = plots::ComputeSoilPlotScales();
  if (!hasNetWater()) items_[3]->setEnabled(false);
}

void VUSOLPLT::showPlot(int n) {
  ChoiceIndex = n;
  Label1(0)->setVisible(true);
  Label1(1)->setVisible(true);
  for (QAction* a : items_) a->setEnabled(false);
  cmdDone->setVisible(true);
  cmdPrint->setVisible(true);
  placePicture(picture(n));
}

void VUSOLPLT::cmdDone_Click() {
  for (int n = 1; n <= 4; ++n) picture(n)->hide();
  for (int i = 0; i < 5; ++i) items_[static_cast<std::size_t>(i)]->setEnabled(i != 3 || hasNetWater());
  setPlotControlsVisible(false);
}

void VUSOLPLT::cmdPrint_Click() {
  const int choice = ChoiceIndex;
  printPage("Initial Soil Pressures",
            [choice](platform::Canvas& page) { plots::DrawSoilPressurePlot(page, choice, true); });
}

void ShowSoilPressurePlots() { platform::ShowModal<VUSOLPLT>(); }
