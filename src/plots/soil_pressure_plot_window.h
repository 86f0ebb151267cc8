// VUSOLPLT, "INITIAL SOIL PRESSURES": the initial pressure diagrams of a design at its
// interim review, one at a time, on the screen and on paper.
#pragma once

#include <QAction>
#include <array>

#include "plots/plot_form.h"
#include "plots/soil_pressure_plots.h"

class VUSOLPLT : public plots::PlotForm {
 public:
  VUSOLPLT();
  void Form_Load() override;
  void onCloseRequest() override { mnuFinished_Click(4); }

  void mnuLeftside_Click(int Index) { showPlot(1); }
  void mnuRightside_Click(int Index) { showPlot(2); }
  void mnuNetSoil_Click(int Index) { showPlot(3); }
  void mnuNetWater_Click(int Index) { showPlot(4); }
  void cmdDone_Click();
  void cmdPrint_Click();
  void mnuFinished_Click(int Index) { unload(); }

  // The scales the window prepared when it loaded.
  const plots::SoilPlotScales& scales() const { return scales_; }
  QAction* menuItem(int index) const { return items_[static_cast<std::size_t>(index)]; }

 private:
  void showPlot(int n);
  bool hasNetWater() const { return scales_.NetWaterMax > 0 || scales_.NetWaterMin > 0; }
  std::array<QAction*, 5> items_{};  // mnuLeftside(0) .. mnuFinished(4)
  plots::SoilPlotScales scales_;
};

// Shows VUSOLPLT modally (Plot Initial Pressures at the interim review).
void ShowSoilPressurePlots();
