#include "plots/soil_pressure_plot_window.h"

#include <QMenuBar>

#include "model/problem_data.h"

VUSOLPLT::VUSOLPLT() : plots::PlotForm("VUSOLPLT", "INITIAL SOIL PRESSURES", 180, 420) {
  for (int n = 1; n <= 4; ++n)
    addPlotPicture(n, [n](platform::Canvas& c) { plots::DrawSoilPressurePlot(c, n, false); });
  addHelpMenu();
  const char* names[5] = {"mnuLeftside", "mnuRightside", "mnuNetSoil", "mnuNetWater", "mnuFinished"};
  const char* captions[5] = {"&Leftside Press", "&Rightside Press", "&Net Soil Press", "Net &Water Press",
                             "&Finished"};
  QAction* help = topMenu("mnuHelp")->menuAction();
  for (int i = 0; i < 5; ++i) {
    auto* a = new QAction(captions[i], this);
    a->setObjectName(names[i]);
    menuBar()->insertAction(help, a);
    items_[static_cast<std::size_t>(i)] = a;
    connect(a, &QAction::triggered, this, [this, i] {
      switch (i) {
        case 0: mnuLeftside_Click(0); break;
        case 1: mnuRightside_Click(1); break;
        case 2: mnuNetSoil_Click(2); break;
        case 3: mnuNetWater_Click(3); break;
        default: mnuFinished_Click(4); break;
      }
    });
  }
  connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
  connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
}

void VUSOLPLT::Form_Load() {
  copyMainWindowGeometry();
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
