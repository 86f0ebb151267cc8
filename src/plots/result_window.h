// CANPLOT, FREEPLOT and FIXDPLOT: the result windows of a solved wall. One window class,
// configured by its kind (caption, method row, anchor); it shows one of seven plots at a
// time, chosen from its menus, and prints the plot shown.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <array>

#include "platform/qt/controls.h"
#include "platform/qt/form.h"
#include "plots/result_plots.h"

class ResultPlotWindow : public platform::Form {
  Q_OBJECT
 public:
  explicit ResultPlotWindow(plots::ResultWindowKind kind);

  // Places the window over the main window, fills the heading labels, hides the plots
  // and buttons, and computes the window's scales; the net water item goes off when
  // there is no net water to plot.
  void Form_Load() override;
  // The close box, Esc and Alt+F4 unload the window in any state, as Finished does.
  void onCloseRequest() override { unload(); }

  void mnuDefl_Click(int Index);
  void mnuMoment_Click(int Index);
  void mnuShear_Click(int Index);
  void mnuPresItem_Click(int Index);
  void mnuFinished_Click(int Index);
  void cmdDone_Click();
  void cmdPrint_Click();

  const plots::ResultWindowConfig& config() const { return config_; }
  const plots::ResultScales& scales() const { return scales_; }
  platform::PictureBox* picture(int plot) const;  // Picture1 .. Picture7
  QSize leastClientSize() const override;

 private:
  void showPlot(int plot);
  void setPlotMenus(bool on);

  const plots::ResultWindowConfig& config_;
  plots::ResultScales scales_;
  std::array<platform::PictureBox*, 7> pictures_{};
  std::array<QLabel*, 2> headings_{};
  QPushButton* cmdDone = nullptr;
  QPushButton* cmdPrint = nullptr;
};

// Shows a fresh result window modally; returns when it is unloaded.
void ShowResultWindow(plots::ResultWindowKind kind);
