// VUINPLOT, "INPUT DATA": the plots of the input problem, one at a time, chosen from its
// menus as the data allow, on the screen and on paper.
#pragma once

#include <QAction>

#include "plots/plot_form.h"

class VUINPLOT : public plots::PlotForm {
 public:
  VUINPLOT();
  void Form_Load() override;
  void onCloseRequest() override { mnuFinished_Click(0); }

  void mnuSystem_Click(int Index);
  void mnuSurchItem_Click(int Index);
  void mnuHorizItem_Click(int Index);
  void cmdDone_Click();
  void cmdPrint_Click();
  void mnuFinished_Click(int Index);

  // The plot shown, 0 when none.
  int plotShown() const { return shown_; }

 private:
  void showPlot(int n);
  void setMenusByData();
  static bool hasHorizontalPlots();
  QAction* mnuSystem = nullptr;
  QAction* mnuFinished = nullptr;
  int shown_ = 0;
};

// Shows VUINPLOT modally (View > Input Plots).
void ShowInputPlots();
