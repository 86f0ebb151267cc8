#include "plots/rowe_curves_window.h"

#include <QApplication>
#include <QMenuBar>

#include "model/problem_data.h"
#include "plots/rowe_curves_plot.h"

static_assert(plots::kRoweChartRight <= plots::kPlotLayoutWidth, "a section's name would pass the picture's edge");

ROWECURV::ROWECURV() : plots::PlotForm("ROWECURV", "ROWE'S MOMENT REDUCTION FOR PILES IN SAND", 120, 360) {
  addPlotPicture(1, [](platform::Canvas& c) { plots::DrawRoweChart(c, false); });
  addHelpMenu();
  menuBar()->setFont(QApplication::font(menuBar()));  // menus keep the usual font
  connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
  connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
}

void ROWECURV::Form_Load() {
  copyMainWindowGeometryWhole(Sizing::Resizable);
  fillHeadingLabels();
  setPlotControlsVisible(true);
  Label1(1)->setVisible(NumHeadingLines != 1);
  placePicture(picture(1));
}

void ROWECURV::cmdPrint_Click() {
  printPage("Rowe Curves", [](platform::Canvas& page) { plots::DrawRoweChart(page, true); });
}

void ShowRoweCurves() { platform::ShowModal<ROWECURV>(); }
