#include "plots/result_window.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMenu>
#include <QPalette>
#include <algorithm>

#include "model/problem_data.h"
#include "platform/qt/latin1.h"
#include "plots/plot_form.h"

using plots::ResultWindowKind;

ResultPlotWindow::ResultPlotWindow(ResultWindowKind kind)
    : platform::Form(plots::ResultWindow(kind).name), config_(plots::ResultWindow(kind)) {
  setCaption(config_.caption);
  plots::UsePlotWindowLook(*this);

  for (int k = 1; k <= 7; ++k) {
    platform::PictureBox* box = addPicture(QString("Picture%1").arg(k), 0, 0, 100, 100);
    box->setPaint([this, k](platform::Canvas& c) {
      plots::DrawResultPlot(c, config_, scales_, k, plots::PlotTarget::Screen);
    });
    pictures_[static_cast<std::size_t>(k - 1)] = box;
  }
  headings_[0] = addLabel("Label1(0)", "", 300, 180, 8235, 195);
  headings_[1] = addLabel("Label1(1)", "", 300, config_.secondHeadingTop, 8235, 195);
  for (QLabel* l : headings_) l->setWordWrap(false);
  cmdDone = addButton("cmdDone", "&Done", 8565, 90, 855, 375);
  cmdPrint = addButton("cmdPrint", "&Print", 8565, 480, 855, 375);
  setTabIndex(cmdDone, 9);
  setTabIndex(cmdPrint, 10);
  connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
  connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });

  addTopItem("mnuDefl", 0, "&Deflections", [this](int i) { mnuDefl_Click(i); });
  addTopItem("mnuMoment", 1, "&Moment Diagram", [this](int i) { mnuMoment_Click(i); });
  addTopItem("mnuShear", 2, "&Shear Diagram", [this](int i) { mnuShear_Click(i); });
  QMenu* pres = addTopMenu("mnuPres", config_.pressuresCaption);
  menuArray("mnuPres").items = {nullptr, nullptr, nullptr, pres->menuAction()};
  addMenuItems(pres, "mnuPresItem",
               {config_.netSoilCaption, "&Leftside Soil Pressures", "&Rightside Soil Pressures",
                config_.netWaterCaption},
               [this](int i) { mnuPresItem_Click(i); });
  addTopItem("mnuFinished", 4, "&Finished", [this](int i) { mnuFinished_Click(i); });
  addHelpMenu();
  // The window's bold font is for its labels and plots; the menus keep the usual one.
  menuBar()->setFont(QApplication::font(menuBar()));
}

platform::PictureBox* ResultPlotWindow::picture(int plot) const {
  if (plot < 1 || plot > 7) return nullptr;
  return pictures_[static_cast<std::size_t>(plot - 1)];
}

QSize ResultPlotWindow::leastClientSize() const { return plots::LeastPlotClient(*this); }

void ResultPlotWindow::Form_Load() {
  // A fixed-size window, as the main window has it but never too small for its plots.
  copyMainWindowGeometryWhole(Sizing::Fixed);
  for (int i = 1; i <= std::min(NumHeadingLines, 2); ++i) {
    QLabel* l = headings_[static_cast<std::size_t>(i - 1)];
    l->hide();
    l->setText(platform::fromText(HeadingLines(i)));
  }
  for (platform::PictureBox* box : pictures_) box->hide();
  cmdDone->hide();
  cmdPrint->hide();
  // The scales go into this window's own fields; the solution's extremes stay as they
  // are, so opening the window again gives the same scales.
  scales_ = plots::ComputeResultScales(config_.method);
  if (!scales_.hasWater()) menuArray("mnuPresItem")(3)->setEnabled(false);
}

void ResultPlotWindow::setPlotMenus(bool on) {
  for (QAction* a : {menuArray("mnuDefl")(0), menuArray("mnuMoment")(1), menuArray("mnuShear")(2),
                     topMenu("mnuPres")->menuAction(), menuArray("mnuFinished")(4)})
    a->setEnabled(on);
}

void ResultPlotWindow::showPlot(int plot) {
  ChoiceIndex = plot;
  for (QLabel* l : headings_) l->show();
  setPlotMenus(false);
  cmdDone->show();
  cmdPrint->show();
  const plots::TwipRect r = plots::PlotBoxPlace(ScaleWidth(), Height());
  platform::PictureBox* box = picture(plot);
  place(box, r.left, r.top, r.width, r.height);
  box->show();
  box->lower();  // under the heading labels and buttons should they ever meet
}

void ResultPlotWindow::mnuDefl_Click(int) { showPlot(plots::kDeflectionPlot); }
void ResultPlotWindow::mnuMoment_Click(int) { showPlot(plots::kMomentPlot); }
void ResultPlotWindow::mnuShear_Click(int) { showPlot(plots::kShearPlot); }

void ResultPlotWindow::mnuPresItem_Click(int Index) {
  if (Index < 0 || Index > 3) return;
  showPlot(Index + 4);
}

void ResultPlotWindow::mnuFinished_Click(int) { unload(); }

void ResultPlotWindow::cmdDone_Click() {
  for (platform::PictureBox* box : pictures_) box->hide();
  setPlotMenus(true);
  cmdDone->hide();
  cmdPrint->hide();
  for (QLabel* l : headings_) l->hide();
}

void ResultPlotWindow::cmdPrint_Click() {
  // Buttons hidden and the hourglass on while the page is made; both come back on every
  // way out, a printer failure included.
  platform::PrintingGuard printing({cmdDone, cmdPrint});
  platform::PrinterFactory* printers = platform::services().printers;
  if (!printers) return;
  std::unique_ptr<platform::Printer> job = printers->open(config_.document);
  if (!job) return;  // the user has been told
  plots::DrawResultPage(job->page(), config_, scales_, ChoiceIndex);
  job->endDoc();  // a failure has been reported
}

void ShowResultWindow(ResultWindowKind kind) { platform::ShowModal<ResultPlotWindow>(kind); }
