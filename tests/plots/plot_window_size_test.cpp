// Every plot window over a main window made small (300 x 200 pixels): it takes the main
// window's place but grows to show its whole plot and its buttons, is moved the least to
// stand whole on the screen, and stays fixed (the result windows) or resizable but never
// smaller than that (the others). The PNGs show each window with a plot where it stands
// on the screen.
#include <QGuiApplication>
#include <QScreen>
#include <functional>

#include "app/app_fixture.h"
#include "plots/input_plot_window.h"
#include "plots/result_window.h"
#include "plots/rowe_curves_window.h"
#include "plots/soil_pressure_plot_window.h"
#include "support/screen_png.h"
#include "flow/windows.h"
#include "wall/rowe.h"
#include "wall/wall_data.h"

using platform::Answer;
using platform::Form;

namespace {

// What a window shows of a plot: its picture and its two buttons.
struct Shown {
  platform::PictureBox* picture;
  QPushButton* done;
  QPushButton* print;
};

bool ink(const QImage& img, int x, int y) { return img.pixelColor(x, y) != QColor(224, 224, 224); }

}  // namespace

class PlotWindowSizes : public AppTest {
 protected:
  void open(const char* example) {
    start();
    dialogs.answerOpen(std::string(QUELDAR_SOURCE_DIR) + "/examples/" + example);
    box("INPUT COMPLETE", Answer::OK);
    window->mnuFileItem_Click(kFileOpen);
    // The moment reduction's sections: the defaults, as Accept and Done give them.
    flow::windows().pileSections = [] { AcceptDefaultPileSections(); };
  }
  // Solve, up to the interim review of a design.
  void review() {
    window->mnuSolveItem_Click(0);
    ASSERT_TRUE(window->findChild<QWidget*>("fraSoilOut")->isVisible());
  }
  void finishSolution() {
    window->cmdContinue_Click();
    ASSERT_EQ(AbortRun, 0);
    window->cmdOK_Click();
  }

  // The main window 300 x 200 pixels (outer size) with its top-left corner at `at`.
  void smallMainWindow(QPoint at) {
    window->setWidth(Form::twipsX(300));
    window->setHeight(Form::twipsY(200));
    window->setLeft(Form::twipsX(at.x()));
    window->setTop(Form::twipsY(at.y()));
  }

  // The places to try: near the top-left corner, where the window keeps the main
  // window's place, and overhanging the bottom-right corner, where it has to move.
  static std::vector<std::pair<std::string, QPoint>> places() {
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    return {{"near_top_left", avail.topLeft() + QPoint(40, 30)},
            {"over_bottom_right", avail.bottomRight() - QPoint(150, 100)}};
  }

  // Checks a window shown with a plot over the small main window at `mainAt`.
  void checkWhole(Form& f, const Shown& s, QPoint mainAt, bool fixed, const std::string& name) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(s.picture->isVisible());
    const QRect client = f.client()->rect();
    // The buttons inside the client.
    EXPECT_TRUE(client.contains(s.done->geometry())) << "Done cut off";
    EXPECT_TRUE(client.contains(s.print->geometry())) << "Print cut off";
    // The whole plot: no ink on the last row or column of the picture that the client
    // shows, where a cut plot's frame and lines run on out of sight.
    const QImage img = s.picture->image();
    const int shownWidth = std::min(img.width(), client.width() - s.picture->x());
    const int shownHeight = std::min(img.height(), client.height() - s.picture->y());
    ASSERT_GT(shownWidth, 0);
    ASSERT_GT(shownHeight, 0);
    bool cutBelow = false, cutRight = false, any = false;
    for (int x = 0; x < shownWidth; ++x) cutBelow |= ink(img, x, shownHeight - 1);
    for (int y = 0; y < shownHeight; ++y) cutRight |= ink(img, shownWidth - 1, y);
    for (int y = 0; y < shownHeight && !any; y += 3)
      for (int x = 0; x < shownWidth && !any; x += 3) any |= ink(img, x, y);
    EXPECT_TRUE(any) << "no plot drawn";
    EXPECT_FALSE(cutBelow) << "plot cut off at the bottom";
    EXPECT_FALSE(cutRight) << "plot cut off at the right";
    // Bigger than the main window, placed where it was or moved the least onto the screen.
    const QRect avail = f.screen()->availableGeometry();
    const int outerWidth = Form::pixelsX(f.Width()), outerHeight = Form::pixelsY(f.Height());
    EXPECT_GT(outerWidth, 300);
    EXPECT_GT(outerHeight, 200);
    ASSERT_LE(outerWidth, avail.width());
    ASSERT_LE(outerHeight, avail.height());
    EXPECT_EQ(f.x(), std::min(mainAt.x(), avail.left() + avail.width() - outerWidth));
    EXPECT_EQ(f.y(), std::min(mainAt.y(), avail.top() + avail.height() - outerHeight));
    screenPng(f, name);
    // Fixed, or resizable to a larger size but never below the size that shows the plot.
    const QSize size = f.size();
    f.resize(size / 2);
    EXPECT_EQ(f.size(), size);
    f.resize(size + QSize(40, 30));
    EXPECT_EQ(f.size(), fixed ? size : size + QSize(40, 30));
    f.resize(size);
  }

  static void screenPng(Form& f, const std::string& name) {
    support::SaveScreenPng(f.screen(), {&f}, QString::fromStdString((artifacts() / "plots").string()),
                           "small_main_" + name);
  }

  // Opens a result window by its View item over the small main window at each place.
  void resultWindow(int item, const char* name, int plot) {
    for (const auto& [where, at] : places()) {
      smallMainWindow(at);
      runner.on(name, [&, at = at, where = where](Form& form) {
        auto& w = static_cast<ResultPlotWindow&>(form);
        if (plot <= 3) w.menuArray(plot == 1 ? "mnuDefl" : plot == 2 ? "mnuMoment" : "mnuShear")(plot - 1)->trigger();
        else w.menuArray("mnuPresItem")(plot - 4)->trigger();
        checkWhole(w, {w.picture(plot), w.control<QPushButton>("cmdDone"), w.control<QPushButton>("cmdPrint")}, at,
                   true, std::string(name) + "_" + where);
        w.cmdDone_Click();
        w.menuArray("mnuFinished")(4)->trigger();
      });
      window->mnuViewItem_Click(item);
    }
  }
};

TEST_F(PlotWindowSizes, InputSoilPressureAndCantileverWindowsOverASmallMainWindow) {
  open("cantilever-sand.dat");
  for (const auto& [where, at] : places()) {
    smallMainWindow(at);
    runner.on("VUINPLOT", [&, at = at, where = where](Form& form) {
      auto& w = static_cast<VUINPLOT&>(form);
      w.mnuSystem_Click(0);
      checkWhole(w, {w.picture(1), w.cmdDone, w.cmdPrint}, at, false, "VUINPLOT_" + where);
      w.cmdDone_Click();
      w.mnuFinished_Click(3);
    });
    window->mnuViewItem_Click(kViewInputPlots);
  }
  review();
  for (const auto& [where, at] : places()) {
    smallMainWindow(at);
    runner.on("VUSOLPLT", [&, at = at, where = where](Form& form) {
      auto& w = static_cast<VUSOLPLT&>(form);
      w.mnuRightside_Click(1);
      checkWhole(w, {w.picture(2), w.cmdDone, w.cmdPrint}, at, false, "VUSOLPLT_" + where);
      w.cmdDone_Click();
      w.menuItem(4)->trigger();
    });
    window->cmdPlotPres_Click();
  }
  finishSolution();
  resultWindow(kViewCantileverPlots, "CANPLOT", 1);
}

TEST_F(PlotWindowSizes, AnchoredResultAndRoweWindowsOverASmallMainWindow) {
  open("anchored-sand.dat");
  review();
  finishSolution();
  resultWindow(kViewFreeEarthPlots, "FREEPLOT", 6);
  resultWindow(kViewFixedEarthPlots, "FIXDPLOT", 4);
  ASSERT_TRUE(window->menuArray("mnuViewItem")(kViewRoweCurves)->isEnabled());
  for (const auto& [where, at] : places()) {
    smallMainWindow(at);
    runner.on("ROWECURV", [&, at = at, where = where](Form& form) {
      auto& w = static_cast<ROWECURV&>(form);
      checkWhole(w, {w.picture(1), w.cmdDone, w.cmdPrint}, at, false, "ROWECURV_" + where);
      w.cmdDone_Click();
    });
    window->mnuViewItem_Click(kViewRoweCurves);
  }
}
