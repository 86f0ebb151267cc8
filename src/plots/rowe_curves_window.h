// ROWECURV: Rowe's moment reduction curves for piles in sand with the wall's sheet pile
// sections, on the screen and on paper.
#pragma once

#include "plots/plot_form.h"

class ROWECURV : public plots::PlotForm {
 public:
  ROWECURV();
  void Form_Load() override;
  void onCloseRequest() override { cmdDone_Click(); }
  void cmdPrint_Click();
  void cmdDone_Click() { unload(); }
};

// Shows ROWECURV modally (View > Rowe's Moment Reduction Curves).
void ShowRoweCurves();
