// The plot windows on the two example problems, through the main window as a user gets
// there: every plot the menus offer is shown and kept as a PNG, and printed once to a
// real PDF, rendered to a PNG beside it, for a person to look at.
#include <QImage>
#include <QProcess>
#include <QTest>
#include <cstdlib>
#include <fstream>

#include "app/app_fixture.h"
#include "platform/qt/printer.h"
#include "plots/input_plot_window.h"
#include "plots/rowe_curves_window.h"
#include "plots/soil_pressure_plot_window.h"
#include "wall/rowe.h"
#include "wall/wall_data.h"

using platform::Answer;

namespace {

// "_x1.5" when the run draws at QT_SCALE_FACTOR 1.5, else "".
std::string scaleTag() {
  const QByteArray f = qgetenv("QT_SCALE_FACTOR");
  return f.isEmpty() || f == "1" ? std::string() : "_x" + f.toStdString();
}

// Share of the picture's pixels that are not its background: a drawn plot has ink.
double inkShare(const QImage& img) {
  long ink = 0, all = 0;
  for (int y = 0; y < img.height(); y += 2)
    for (int x = 0; x < img.width(); x += 2) {
      ++all;
      if (img.pixelColor(x, y) != QColor(224, 224, 224)) ++ink;
    }
  return all ? static_cast<double>(ink) / static_cast<double>(all) : 0;
}

}  // namespace

class PlotWindowsOnExamples : public AppTest {
 protected:
  fs::path out() {
    fs::path p = artifacts() / "plots";
    fs::create_directories(p);
    return p;
  }
  void openExample(const std::string& name) {
    dialogs.answerOpen(std::string(QUELDAR_SOURCE_DIR) + "/examples/" + name + ".dat");
    box("INPUT COMPLETE", Answer::OK);
    window->mnuFileItem_Click(kFileOpen);
    example = name;
  }
  // Keeps the picture of the plot shown as a PNG and checks that it holds a drawing.
  void keepPicture(plots::PlotForm& f, int n, const std::string& plot) {
    platform::PictureBox* p = f.picture(n);
    ASSERT_NE(p, nullptr);
    ASSERT_TRUE(p->isVisible()) << plot;
    const QImage shot = f.grab().toImage();
    const std::string file = (out() / (example + "_" + plot + scaleTag() + ".png")).string();
    EXPECT_TRUE(shot.save(QString::fromStdString(file)));
    EXPECT_GT(inkShare(p->image()), 0.004) << plot << " is nearly empty";
  }
  // Prints the plot shown into a real PDF and renders it beside it.
  void printToPdf(plots::PlotForm& f, const std::string& plot) {
    if (!scaleTag().empty()) return;  // paper does not depend on the screen's scale
    platform::QtPrinterFactory pdf;
    pdf.setForcePdf(true);
    const fs::path folder = dir / "pdf";
    fs::create_directories(folder);
    pdf.setPdfFolder(QString::fromStdString(folder.string()));
    platform::PrinterFactory* before = platform::services().printers;
    platform::services().printers = &pdf;
    box("QUELDAR", Answer::OK, "saved as a PDF file");
    f.cmdPrint->click();
    platform::services().printers = before;
    EXPECT_TRUE(f.cmdPrint->isVisible());
    EXPECT_TRUE(f.cmdDone->isVisible());
    const QStringList found = QDir(QString::fromStdString(folder.string())).entryList({"*.pdf"});
    ASSERT_EQ(found.size(), 1);
    const fs::path target = out() / (example + "_" + plot + "_printed.pdf");
    fs::remove(target);
    fs::rename(folder / found[0].toStdString(), target);
    std::ifstream in(target, std::ios::binary);
    std::string head(4, '\0');
    in.read(head.data(), 4);
    EXPECT_EQ(head, "%PDF");
    // Rendered for a person; pdftoppm may be missing on a bare machine.
    QProcess::execute("pdftoppm", {"-png", "-r", "60", "-singlefile", QString::fromStdString(target.string()),
                                   QString::fromStdString((out() / (example + "_" + plot + "_printed")).string())});
  }
  void walkSoilPressures() {
    bool shown = false;
    runner.on("VUSOLPLT", [&](platform::Form& form) {
      auto& f = static_cast<VUSOLPLT&>(form);
      shown = true;
      const char* names[4] = {"leftside", "rightside", "net_soil", "net_water"};
      for (int i = 0; i < 4; ++i) {
        if (!f.menuItem(i)->isEnabled()) continue;
        f.menuItem(i)->trigger();
        QCoreApplication::processEvents();
        keepPicture(f, i + 1, std::string("initial_") + names[i]);
        printToPdf(f, std::string("initial_") + names[i]);
        f.cmdDone->click();
      }
      f.menuItem(4)->trigger();
    });
    window->cmdPlotPres_Click();
    EXPECT_TRUE(shown);
  }
  // The system sketch on screen and on paper, then Done.
  void keepSystemSketch(VUINPLOT& f) {
    f.findChild<QAction*>("mnuSystem(0)")->trigger();
    keepPicture(f, 1, "input_system");
    printToPdf(f, "input_system");
    f.cmdDone_Click();
  }
  void walkInputPlots() {
    runner.on("VUINPLOT", [&](platform::Form& form) {
      auto& f = static_cast<VUINPLOT&>(form);
      keepSystemSketch(f);
      const char* surch[6] = {"line", "uniform", "strip", "ramp", "triangular", "variable"};
      const char* horiz[3] = {"horizontal_line", "horizontal_distributed", "input_water"};
      for (int i = 0; i < 6; ++i) {
        QAction* a = f.menuArray("mnuSurchItem")(i);
        if (!f.topMenu("mnuSurch")->menuAction()->isEnabled() || !a->isEnabled()) continue;
        a->trigger();
        keepPicture(f, i + 2, std::string("input_") + surch[i]);
        printToPdf(f, std::string("input_") + surch[i]);
        f.cmdDone_Click();
      }
      for (int i = 0; i < 3; ++i) {
        QAction* a = f.menuArray("mnuHorizItem")(i);
        if (!f.topMenu("mnuHoriz")->menuAction()->isEnabled() || !a->isEnabled()) continue;
        a->trigger();
        keepPicture(f, i + 8, std::string("input_") + horiz[i]);
        printToPdf(f, std::string("input_") + horiz[i]);
        f.cmdDone_Click();
      }
      f.findChild<QAction*>("mnuFinished(3)")->trigger();
    });
    window->mnuViewItem_Click(kViewInputPlots);
  }
  std::string example;
};

TEST_F(PlotWindowsOnExamples, CantileverWithSurchargesAndHorizontalLoads) {
  start();
  openExample("cantilever-surcharges-horizontal");
  walkInputPlots();
  window->mnuSolveItem_Click(0);
  ASSERT_TRUE(window->findChild<QWidget*>("fraSoilOut")->isVisible());
  walkSoilPressures();
  window->cmdContinue_Click();
  window->cmdOK_Click();
}

TEST_F(PlotWindowsOnExamples, AnchoredLayeredWithWater) {
  start();
  openExample("anchored-layered-water");
  walkInputPlots();
  runner.on("WEDGMETH", [](platform::Form& f) { f.control<QPushButton>("cmdSweep")->click(); });
  window->mnuSolveItem_Click(0);
  ASSERT_TRUE(window->findChild<QWidget*>("fraSoilOut")->isVisible());
  walkSoilPressures();
  window->cmdContinue_Click();
  window->cmdOK_Click();
}

TEST_F(PlotWindowsOnExamples, AnchoredInSandWithRoweCurves) {
  start();
  openExample("anchored-sand");
  window->mnuSolveItem_Click(0);
  // The pile sections: two close requests, Accept of the defaults and then Done.
  runner.on("ROWEPILE", [](platform::Form& f) {
    f.close();
    f.close();
  });
  window->cmdContinue_Click();
  window->cmdOK_Click();
  ASSERT_EQ(RoweSoilType, 1);
  ASSERT_TRUE(window->menuArray("mnuViewItem")(kViewRoweCurves)->isEnabled());
  runner.on("ROWECURV", [&](platform::Form& form) {
    auto& f = static_cast<ROWECURV&>(form);
    keepPicture(f, 1, "rowe_curves");
    printToPdf(f, "rowe_curves");
    f.cmdDone->click();
  });
  window->mnuViewItem_Click(kViewRoweCurves);
}

// Elevations a few tenths of a foot apart (right layer bottoms 9.6 to 8.0, water at 9.0):
// the sketch and the initial pressures label each beside its own line, none over another.
TEST_F(PlotWindowsOnExamples, CrowdedElevations) {
  start();
  const fs::path input = dir / "user" / "crowded.dat";
  {
    std::ofstream out(input);
    out << "'CROWDED ELEVATIONS\n"
           "CONTROL CANTILEVER DESIGN 1.0 1.5\n"
           "WALL 12\n"
           "SURFACE RIGHTSIDE 1 0 12\n"
           "SURFACE LEFTSIDE 1 0 4\n"
           "SOIL RIGHTSIDE STRENGTHS 6\n";
    for (const char* bottom : {"9.6", "9.2", "8.8", "8.4", "8.0"}) out << " 120 110 30 0 0 0 " << bottom << " 0\n";
    out << " 120 110 30 0 0 0\n"
           "SOIL LEFTSIDE STRENGTHS 1\n"
           " 120 110 30 0 0 0\n"
           "WATER ELEVATIONS 62.4 9.0 4\n"
           "FINISHED\n";
  }
  dialogs.answerOpen(input.string());
  box("INPUT COMPLETE", Answer::OK);
  window->mnuFileItem_Click(kFileOpen);
  example = "crowded";
  runner.on("VUINPLOT", [&](platform::Form& form) {
    auto& f = static_cast<VUINPLOT&>(form);
    keepSystemSketch(f);
    f.findChild<QAction*>("mnuFinished(3)")->trigger();
  });
  window->mnuViewItem_Click(kViewInputPlots);
  window->mnuSolveItem_Click(0);
  ASSERT_TRUE(window->findChild<QWidget*>("fraSoilOut")->isVisible());
  walkSoilPressures();
  window->cmdContinue_Click();
  window->cmdOK_Click();
}

// Two layer bottoms behind the wall meet 42 ft from it: the wedge method computes the
// right side's pressures down to -24 ft only, and the plots end there.
TEST_F(PlotWindowsOnExamples, PressuresEndingWhereTheWedgesStopFitting) {
  start();
  const fs::path input = dir / "user" / "meeting.dat";
  std::ofstream(input) << "'LAYER BOTTOMS MEETING 42 FT BEHIND THE WALL\n"
                          "CONTROL CANTILEVER DESIGN 1.0 1.5\n"
                          "WALL 10\n"
                          "SURFACE RIGHTSIDE 2 0 10\n10 10\n"
                          "SURFACE LEFTSIDE 2 0 0\n10 0\n"
                          "SOIL RIGHTSIDE STRENGTHS 3\n"
                          " 120 100 30 0 0 0 5.00 0\n 120 100 30 0 0 0 0.00 0.12\n 120 100 30 0 0 0\n"
                          "SOIL LEFTSIDE STRENGTHS 1\n 120 100 30 0 0 0\n"
                          "FINISHED\n";
  dialogs.answerOpen(input.string());
  box("INPUT COMPLETE", Answer::OK);
  window->mnuFileItem_Click(kFileOpen);
  example = "meeting";
  runner.on("WEDGMETH", [](platform::Form& f) { f.control<QPushButton>("cmdFixed")->click(); });
  window->mnuSolveItem_Click(0);
  ASSERT_TRUE(window->findChild<QWidget*>("fraSoilOut")->isVisible());
  walkSoilPressures();
  window->cmdContinue_Click();
  window->cmdOK_Click();
}

// A wall in clay: the chart's note stands on a clear patch, not across the grid.
TEST_F(PlotWindowsOnExamples, RoweCurvesOfAWallInClay) {
  start();
  InitRoweTables();
  NumHeadingLines = 1;
  HeadingLines(1) = "'A WALL IN CLAY";
  RoweSoilType = 2;
  RoweAlpha = 0.7;
  example = "clay";
  runner.on("ROWECURV", [&](platform::Form& form) {
    auto& f = static_cast<ROWECURV&>(form);
    keepPicture(f, 1, "rowe_curves");
    printToPdf(f, "rowe_curves");
    f.cmdDone->click();
  });
  ShowRoweCurves();
}

// Sections on the chart's right edge, at its top and under its title: each name stays
// inside the picture (no ink in its last columns, where the grid never reaches) and, on
// paper, inside the box below the heading lines.
TEST_F(PlotWindowsOnExamples, RoweCurvesWithSectionsAtTheEdges) {
  start();
  InitRoweTables();
  NumHeadingLines = 2;
  HeadingLines(1) = "SECTIONS AT THE EDGES OF ROWE'S CHART";
  HeadingLines(2) = "SECOND HEADING LINE";
  RoweSoilType = 1;
  RoweAlpha = 0.7;
  SetRoweSandCurvesAtAlpha(0.7);
  struct Section { const char* name; double logRho, ratio; };
  const Section sections[] = {
      {"PLZ23", -1.5, 0.6}, {"PZ40", -3.5, 1.2}, {"PLZ25", -1.5, 1.15}, {"PZ27", -2.5, 0.6}, {"PZ32", -2.75, 1.1}};
  NumPileSections = 5;
  for (int i = 1; i <= 5; ++i) {
    PileSectionName(i) = sections[i - 1].name;
    PileLogRho(i) = sections[i - 1].logRho;
    PileMomentRatio(i) = sections[i - 1].ratio;
  }
  example = "edges";
  runner.on("ROWECURV", [&](platform::Form& form) {
    auto& f = static_cast<ROWECURV&>(form);
    keepPicture(f, 1, "rowe_curves");
    const QImage img = f.picture(1)->image();
    for (int x = img.width() - 3; x < img.width(); ++x)
      for (int y = 0; y < img.height(); ++y)
        ASSERT_EQ(img.pixelColor(x, y), QColor(224, 224, 224)) << "ink at the right edge, " << x << "," << y;
    printToPdf(f, "rowe_curves");
    f.cmdDone->click();
  });
  ShowRoweCurves();
}
