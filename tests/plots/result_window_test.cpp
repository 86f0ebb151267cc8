// The result windows over solved examples, opened from the main window's View menu as
// the user opens them: the menus and buttons through a plot's life, printing, the curves
// against the report, and PNG and PDF artifacts of every plot for a person to look at.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <functional>
#include <sstream>

#include "support/key_strokes.h"
#include "app/app_fixture.h"
#include "platform/qt/printer.h"
#include "plots/result_window.h"
#include "flow/windows.h"
#include "wall/rowe.h"
#include "wall/wall_data.h"

using platform::Answer;
using platform::CanvasOp;
using platform::RecordingCanvas;
using plots::PlotTarget;

namespace {

// One row of the report's complete results: elevation, moment, shear, deflection, net pressure.
struct ProfileRow {
  double elev, moment, shear, deflection, pressure;
};

// The profile table of the complete results of one method ("BY FREE EARTH METHOD").
std::vector<ProfileRow> ReportProfile(const std::string& report, const std::string& method) {
  std::ifstream in(report);
  std::string line;
  bool inSection = false, inTable = false;
  std::vector<ProfileRow> rows;
  static const QRegularExpression row(
      R"(^\s+(-?\d+\.\d\d)[+-]?\s+(\S+)\s+(\S+)\s+(\S+)\s+(\S+)\s*$)");
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find("COMPLETE OF RESULTS FOR") != std::string::npos) inSection = false, inTable = false;
    if (line.find(method) != std::string::npos) inSection = true;
    if (!inSection) continue;
    if (line.find("(FT)") != std::string::npos && line.find("(LB-FT)") != std::string::npos) {
      inTable = true;
      continue;
    }
    if (!inTable) continue;
    const auto m = row.match(QString::fromStdString(line));
    if (!m.hasMatch()) {
      if (!rows.empty()) break;
      continue;
    }
    rows.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                    m.captured(4).toDouble(), m.captured(5).toDouble()});
  }
  return rows;
}

// The vertices of a plot's curve (the points drawn at width 3), in drawing order.
std::vector<std::pair<double, double>> CurveVertices(const RecordingCanvas& c, bool fromPoint) {
  std::vector<std::pair<double, double>> v;
  for (const CanvasOp& op : c.ops) {
    if (op.drawWidth != 3) continue;
    if (op.kind == CanvasOp::Kind::Point && fromPoint) v.emplace_back(op.x1, op.y1);
    if (op.kind == CanvasOp::Kind::Line) v.emplace_back(op.x2, op.y2);
  }
  return v;
}

std::string ArtifactSuffix() {
  const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
  return scale.isEmpty() || scale == "1" ? "" : "_x" + scale.toStdString();
}

}  // namespace

class ResultWindows : public AppTest {
 protected:
  // Opens an example, solves it through the interim review and closes the notice. A
  // problem whose pressures come by the wedge method answers the chooser with Sweep Search.
  void solve(const char* example, bool wedge = false) {
    start();
    if (wedge) {
      runner.on("WEDGMETH", [](platform::Form& f) { f.control<QPushButton>("cmdSweep")->click(); });
    }
    dialogs.answerOpen(std::string(QUELDAR_SOURCE_DIR) + "/examples/" + example);
    box("INPUT COMPLETE", Answer::OK);
    window->mnuFileItem_Click(kFileOpen);
    // The moment reduction's sections: the defaults, as Accept and Done give them.
    flow::windows().pileSections = [] { AcceptDefaultPileSections(); };
    window->mnuSolveItem_Click(0);
    if (RunMode != "A") window->cmdContinue_Click();  // an analysis has no interim review
    ASSERT_EQ(AbortRun, 0);
    window->cmdOK_Click();
  }
  // Opens a result window by its View item and runs `action` on it; Finished afterwards.
  void view(int item, const char* name, std::function<void(ResultPlotWindow&)> action) {
    runner.on(name, [action](platform::Form& f) {
      auto& w = static_cast<ResultPlotWindow&>(f);
      action(w);
      if (!w.isUnloaded()) {
        if (w.control<QPushButton>("cmdDone")->isVisible()) w.cmdDone_Click();
        w.menuArray("mnuFinished")(4)->trigger();
      }
    });
    window->mnuViewItem_Click(item);
    EXPECT_EQ(runner.pending(), 0);
  }
  static void choose(ResultPlotWindow& w, int plot) {
    if (plot == 1) w.menuArray("mnuDefl")(0)->trigger();
    if (plot == 2) w.menuArray("mnuMoment")(1)->trigger();
    if (plot == 3) w.menuArray("mnuShear")(2)->trigger();
    if (plot >= 4) w.menuArray("mnuPresItem")(plot - 4)->trigger();
  }
  static bool on(ResultPlotWindow& w, const char* array, int index) { return w.menuArray(array)(index)->isEnabled(); }
};

TEST_F(ResultWindows, MenusButtonsAndHeadingsThroughAPlotsLife) {
  solve("anchored-sand.dat");
  view(kViewFreeEarthPlots, "FREEPLOT", [](ResultPlotWindow& w) {
    EXPECT_EQ(w.caption(), "ANCHORED WALL RESULTS BY FREE EARTH METHOD");
    EXPECT_EQ(w.topMenu("mnuPres")->title().toStdString(), "&Pressures");
    EXPECT_EQ(w.menuArray("mnuPresItem")(0)->text().toStdString(), "&Net Soil Pressures");
    // Two heading lines: captioned and hidden until a plot is shown; no plot, no buttons.
    QLabel* h0 = w.control<QLabel>("Label1(0)");
    QLabel* h1 = w.control<QLabel>("Label1(1)");
    EXPECT_EQ(h0->text().toStdString(), HeadingLines(1));  // as stored
    EXPECT_EQ(HeadingLines(1).rfind("'ANCHORED SHEET PILE WALL IN DRY SAND", 0), 0u);
    EXPECT_FALSE(h0->isVisible());
    EXPECT_FALSE(h1->isVisible());
    EXPECT_FALSE(w.control<QPushButton>("cmdDone")->isVisible());
    for (int k = 1; k <= 7; ++k) EXPECT_FALSE(w.picture(k)->isVisible());
    // Dry sand: nothing to plot for the net water, and the item stays off after Done.
    EXPECT_FALSE(on(w, "mnuPresItem", 3));
    choose(w, 6);
    EXPECT_EQ(ChoiceIndex, 6);
    EXPECT_TRUE(w.picture(6)->isVisible());
    EXPECT_TRUE(h0->isVisible() && h1->isVisible());
    EXPECT_TRUE(w.control<QPushButton>("cmdPrint")->isVisible());
    EXPECT_FALSE(on(w, "mnuDefl", 0));
    EXPECT_FALSE(on(w, "mnuFinished", 4));
    EXPECT_FALSE(w.topMenu("mnuPres")->menuAction()->isEnabled());
    EXPECT_TRUE(w.topMenu("mnuHelp")->menuAction()->isEnabled());
    w.cmdDone_Click();
    EXPECT_FALSE(w.picture(6)->isVisible());
    EXPECT_FALSE(h0->isVisible());
    EXPECT_TRUE(on(w, "mnuDefl", 0));
    EXPECT_TRUE(w.topMenu("mnuPres")->menuAction()->isEnabled());
    EXPECT_FALSE(on(w, "mnuPresItem", 3));
    choose(w, 2);
    EXPECT_EQ(ChoiceIndex, 2);
    EXPECT_FALSE(w.picture(6)->isVisible());
    // A close request while a plot is shown unloads the window.
    w.close();
    EXPECT_TRUE(w.isUnloaded());
  });
}

// The greyed titles "&Deflections" and "&Pressures" share the buttons' letters: while a
// plot is shown, Alt+P prints it and Alt+D ends it at the first stroke, however the plot
// was chosen and whatever inside the window has the keyboard; with the menus on again,
// Alt+D is the Deflections item's.
TEST_F(ResultWindows, AltPPrintsAndAltDEndsThePlotAtTheFirstStroke) {
  solve("anchored-sand.dat");
  for (auto [item, name] : {std::pair{kViewFreeEarthPlots, "FREEPLOT"}, std::pair{kViewFixedEarthPlots, "FIXDPLOT"}}) {
    SCOPED_TRACE(name);
    printer.documents.clear();
    view(item, name, [this](ResultPlotWindow& w) {
      ASSERT_TRUE(support::ShowActive(w));
      choose(w, 3);
      EXPECT_TRUE(support::AltKey(w, Qt::Key_P, [&] { return printer.documents.size() == 1; }));
      EXPECT_TRUE(w.picture(3)->isVisible());
      EXPECT_TRUE(support::AltKey(w, Qt::Key_P, [&] { return printer.documents.size() == 2; }));
      EXPECT_TRUE(support::AltKey(w, Qt::Key_D, [&] { return !w.picture(3)->isVisible(); }));
      EXPECT_FALSE(w.control<QPushButton>("cmdDone")->isVisible());
      EXPECT_TRUE(on(w, "mnuDefl", 0));
      EXPECT_TRUE(on(w, "mnuFinished", 4));
      EXPECT_TRUE(w.topMenu("mnuPres")->menuAction()->isEnabled());
      EXPECT_TRUE(support::AltKey(w, Qt::Key_D, [&] { return w.picture(1)->isVisible(); }));
      EXPECT_EQ(ChoiceIndex, 1);
      EXPECT_EQ(printer.documents.size(), 2u);
      // Deflections chosen by its letter and a stray stroke on a greyed title.
      EXPECT_FALSE(support::AltKey(w, Qt::Key_M, [&] { return !w.picture(1)->isVisible(); }));
      EXPECT_TRUE(support::AltKey(w, Qt::Key_P, [&] { return printer.documents.size() == 3; }));
      EXPECT_TRUE(support::AltKey(w, Qt::Key_D, [&] { return !w.picture(1)->isVisible(); }));
      // A plot chosen from the Pressures menu by the keyboard leaves the keyboard with the
      // menu bar: Alt+D, and then Alt+P, act at the first stroke all the same.
      for (Qt::Key first : {Qt::Key_D, Qt::Key_P}) {
        SCOPED_TRACE(first == Qt::Key_D ? "Alt+D first" : "Alt+P first");
        const std::size_t printed = printer.documents.size();
        EXPECT_TRUE(support::AltKey(w, Qt::Key_P, [] { return QApplication::activePopupWidget() != nullptr; }));
        support::Stroke(w, Qt::Key_R);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.picture(6)->isVisible(); }, 2000));
        if (first == Qt::Key_P) {
          EXPECT_TRUE(support::AltKey(w, Qt::Key_P, [&] { return printer.documents.size() == printed + 1; }));
          EXPECT_TRUE(w.picture(6)->isVisible());
        }
        EXPECT_TRUE(support::AltKey(w, Qt::Key_D, [&] { return !w.picture(6)->isVisible(); }));
        EXPECT_TRUE(on(w, "mnuDefl", 0));
      }
    });
  }
}

// Where no printer is set up, Alt+P on "Design &Pressures"' letter writes the plot to a
// PDF, at the first stroke after the net pressure plot was chosen from the keyboard.
TEST_F(ResultWindows, AltPWritesThePlotToAPdfWhereThereIsNoPrinter) {
  solve("cantilever-sand.dat");
  QTemporaryDir out;
  platform::QtPrinterFactory pdfs;
  pdfs.setForcePdf(true);
  pdfs.setPdfFolder(out.path());
  view(kViewCantileverPlots, "CANPLOT", [&](ResultPlotWindow& w) {
    ASSERT_TRUE(support::ShowActive(w));
    EXPECT_TRUE(support::AltKey(w, Qt::Key_P, [] { return QApplication::activePopupWidget() != nullptr; }));
    support::Stroke(w, Qt::Key_N);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.picture(4)->isVisible(); }, 2000));
    platform::services().printers = &pdfs;
    box("QUELDAR", Answer::OK, ".pdf");
    const auto made = [&] { return QDir(out.path()).entryList({"*.pdf"}, QDir::Files); };
    EXPECT_TRUE(support::AltKey(w, Qt::Key_P, [&] { return made().size() == 1; }));
    platform::services().printers = &printer;
    ASSERT_EQ(made().size(), 1);
    QFile f(QDir(out.path()).filePath(made()[0]));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(4) == "%PDF");
    EXPECT_TRUE(w.picture(4)->isVisible());
    EXPECT_TRUE(support::AltKey(w, Qt::Key_D, [&] { return !w.picture(4)->isVisible(); }));
    EXPECT_TRUE(w.topMenu("mnuPres")->menuAction()->isEnabled());
  });
}

TEST_F(ResultWindows, AnAnalysisWithOneHeadingLine) {
  solve("cantilever-analysis-sand.dat");
  NumHeadingLines = 1;
  view(kViewCantileverPlots, "CANPLOT", [](ResultPlotWindow& w) {
    // The line without a heading keeps its empty caption and stays as it was.
    QLabel* h0 = w.control<QLabel>("Label1(0)");
    QLabel* h1 = w.control<QLabel>("Label1(1)");
    EXPECT_FALSE(h0->isVisible());
    EXPECT_TRUE(h1->isVisible());
    EXPECT_TRUE(h1->text().isEmpty());
    choose(w, 1);
    EXPECT_TRUE(h0->isVisible() && h1->isVisible());
    RecordingCanvas c;
    plots::DrawDeflectionPlot(c, w.config(), w.scales(), PlotTarget::Screen);
    EXPECT_NE(c.findText("DEFLECTION (IN)"), nullptr);
    EXPECT_NE(c.findText("FOR CANTILEVER WALL ANALYSIS"), nullptr);
    w.cmdDone_Click();
    EXPECT_FALSE(h0->isVisible() || h1->isVisible());
  });
}

TEST_F(ResultWindows, OpeningAWindowTwiceGivesTheSameScalesAndLeavesTheSolutionAlone) {
  solve("anchored-sand.dat");
  const double largest = DeflectionRange(2, 1), smallest = MomentRange(2, 2);
  std::vector<plots::ResultScales> seen;
  for (int i = 0; i < 2; ++i)
    view(kViewFixedEarthPlots, "FIXDPLOT", [&](ResultPlotWindow& w) { seen.push_back(w.scales()); });
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].deflection.max, seen[1].deflection.max);
  EXPECT_EQ(seen[0].moment.min, seen[1].moment.min);
  EXPECT_EQ(seen[0].PassivePressureMax, seen[1].PassivePressureMax);
  EXPECT_EQ(DeflectionRange(2, 1), largest);
  EXPECT_EQ(MomentRange(2, 2), smallest);
  // Fixed earth: 3.0952E+09 lb-in^3 and -2.5705E+04 lb-ft become 4E+09 and 3E+04.
  EXPECT_DOUBLE_EQ(seen[0].deflection.max, 4e9);
  EXPECT_DOUBLE_EQ(seen[0].moment.min, 3e4);
}

TEST_F(ResultWindows, TheShownBoxIsPlacedFromTheWindowsHeight) {
  solve("anchored-sand.dat");
  window->setHeight(7200);
  view(kViewFreeEarthPlots, "FREEPLOT", [](ResultPlotWindow& w) {
    EXPECT_NEAR(w.Height(), 7200, 15);
    choose(w, 1);
    const QRect g = w.picture(1)->geometry();
    const double tpp = platform::Form::twipsY(1);
    EXPECT_NEAR(platform::Form::twipsY(g.height()), 5472, tpp + 15);
    EXPECT_NEAR(platform::Form::twipsY(g.top()), 864, tpp + 15);
    EXPECT_EQ(g.left(), 0);
    EXPECT_EQ(g.width(), w.client()->width());
  });
}

TEST_F(ResultWindows, PrintingMakesOneDocumentPerPressAndGivesTheButtonsBack) {
  solve("anchored-sand.dat");
  view(kViewFixedEarthPlots, "FIXDPLOT", [this](ResultPlotWindow& w) {
    choose(w, 3);
    services->pointer.clear();
    w.control<QPushButton>("cmdPrint")->click();
    w.cmdPrint_Click();
    ASSERT_EQ(printer.documents.size(), 2u);
    for (const platform::PrintedDocument& d : printer.documents) {
      EXPECT_EQ(d.endDocCalls, 1);
      ASSERT_EQ(d.pages.size(), 1u);
      const std::vector<CanvasOp>& ops = d.pages[0];
      auto text = [&](const std::string& t) {
        return std::find_if(ops.begin(), ops.end(), [&](const CanvasOp& o) {
          return o.kind == CanvasOp::Kind::Text && o.text == t;
        });
      };
      ASSERT_NE(text(HeadingLines(1)), ops.end());
      EXPECT_EQ(text(HeadingLines(1))->y1, 3744);
      EXPECT_EQ(text(HeadingLines(2))->y1, 4032);
      ASSERT_NE(text("SHEAR (LB)"), ops.end());
      ASSERT_NE(text("FOR ANCHORED WALL DESIGN BY FIXED EARTH METHOD"), ops.end());
      ASSERT_NE(text("-15.82"), ops.end());  // the fixed earth tip
    }
    EXPECT_EQ(printer.documents[0].pages[0].size(), printer.documents[1].pages[0].size());
    EXPECT_EQ(ChoiceIndex, 3);
    EXPECT_TRUE(w.control<QPushButton>("cmdDone")->isVisible());
    EXPECT_TRUE(w.control<QPushButton>("cmdPrint")->isVisible());
    EXPECT_EQ(services->pointer.codes(), (std::vector<int>{11, 0, 11, 0}));

    // A printer that fails: its message, and the buttons and pointer back all the same.
    printer.failEndDoc = true;
    box("PRINTER ERROR", Answer::OK);
    w.cmdPrint_Click();
    EXPECT_TRUE(w.control<QPushButton>("cmdPrint")->isVisible());
    EXPECT_EQ(services->pointer.current(), 0);
  });
}

TEST_F(ResultWindows, TheDrawnCurvesPassThroughTheReportsProfile) {
  solve("anchored-sand.dat");
  for (const auto& [item, name, method] : {std::tuple{4, "FREEPLOT", "BY FREE EARTH METHOD"},
                                           std::tuple{5, "FIXDPLOT", "BY FIXED EARTH METHOD"}}) {
    SCOPED_TRACE(name);
    const std::vector<ProfileRow> rows = ReportProfile(CurrentOutputFile, method);
    ASSERT_GT(rows.size(), 10u);
    view(item, name, [&](ResultPlotWindow& w) {
      const int r = w.config().method;
      const double top = WallTopElev, tip = TipElev(r);
      const auto elevOf = [&](double y) { return top - (y - 1008) / 4320 * (top - tip); };
      // A curve's vertices, read back through its value axis, against one column of the report.
      const auto check = [&](const RecordingCanvas& c, bool fromPoint, const plots::ScaleEnds& e,
                             const std::function<double(double)>& valueAt, double ProfileRow::*column) {
        const auto v = CurveVertices(c, fromPoint);
        ASSERT_EQ(v.size(), rows.size());
        for (std::size_t i = 0; i < v.size(); ++i) {
          const double expected = rows[i].*column;
          EXPECT_NEAR(elevOf(v[i].second), rows[i].elev, 0.0051) << i;
          EXPECT_NEAR(valueAt(v[i].first), expected, 6e-5 * std::abs(expected) + 1e-6 * e.span()) << i;
        }
        // The curve ends at the tip, on the frame's bottom edge.
        EXPECT_NEAR(v.back().second, 5328, 1e-3);
      };
      // Deflection: positive to the left, +Dmax at x 2160; it starts with a point.
      RecordingCanvas deflection;
      plots::DrawDeflectionPlot(deflection, w.config(), w.scales(), PlotTarget::Screen);
      const plots::ScaleEnds d = w.scales().deflection;
      check(deflection, true, d, [&](double x) { return d.max - (x - 2160) / 5760 * d.span(); },
            &ProfileRow::deflection);
      // Moment: positive to the right, -Mmin at x 2160; its first segment starts on the zero line.
      RecordingCanvas moment;
      plots::DrawMomentPlot(moment, w.config(), w.scales(), PlotTarget::Screen);
      const plots::ScaleEnds m = w.scales().moment;
      check(moment, false, m, [&](double x) { return (x - 2160) / 5760 * m.span() - m.min; }, &ProfileRow::moment);
    });
  }
}

// Every plot of the three windows as a PNG, and each printed once to a real PDF rendered
// to a PNG beside it, in the artifacts folder (plots/).
class ResultWindowArtifacts : public ResultWindows {
 protected:
  void keepAll(int item, const char* name, bool printToo) {
    const fs::path folder = artifacts() / "plots";
    fs::create_directories(folder);
    platform::QtPrinterFactory pdfs;
    pdfs.setForcePdf(true);
    view(item, name, [&](ResultPlotWindow& w) {
      for (int k = 1; k <= 7; ++k) {
        SCOPED_TRACE(k);
        if (k == 7 && !on(w, "mnuPresItem", 3)) continue;
        choose(w, k);
        ASSERT_TRUE(w.picture(k)->isVisible());
        const std::string base = std::string(name) + "_" + std::to_string(k);
        const QImage shot = w.grab().toImage();
        ASSERT_TRUE(shot.save(QString::fromStdString((folder / (base + ArtifactSuffix() + ".png")).string())));
        // A few robust pixels: the plot's background, and the window's grey behind it.
        const QImage plot = w.picture(k)->grab().toImage();
        EXPECT_EQ(plot.pixelColor(plot.width() - 3, plot.height() - 3), QColor(224, 224, 224));
        if (printToo) {
          QTemporaryDir out;
          pdfs.setPdfFolder(out.path());
          platform::services().printers = &pdfs;
          box("QUELDAR", Answer::OK, ".pdf");
          w.cmdPrint_Click();
          platform::services().printers = &printer;
          const QStringList made = QDir(out.path()).entryList({"*.pdf"}, QDir::Files);
          ASSERT_EQ(made.size(), 1);
          const QString pdf = QString::fromStdString((folder / (base + "_printed.pdf")).string());
          QFile::remove(pdf);
          ASSERT_TRUE(QFile::copy(QDir(out.path()).filePath(made[0]), pdf));
          QFile f(pdf);
          ASSERT_TRUE(f.open(QIODevice::ReadOnly));
          EXPECT_TRUE(f.read(4) == "%PDF");
          const QString png = QString::fromStdString((folder / (base + "_printed")).string());
          QProcess::execute("pdftoppm", {"-png", "-r", "60", "-singlefile", pdf, png});
        }
        w.cmdDone_Click();
      }
    });
  }
};

TEST_F(ResultWindowArtifacts, EveryPlotOfTheAnchoredWindows) {
  solve("anchored-layered-water.dat", true);
  keepAll(4, "FREEPLOT", ArtifactSuffix().empty());
  keepAll(5, "FIXDPLOT", ArtifactSuffix().empty());
}

TEST_F(ResultWindowArtifacts, EveryPlotOfTheCantileverWindow) {
  solve("cantilever-sand.dat");
  keepAll(3, "CANPLOT", ArtifactSuffix().empty());
}

TEST(ResultWindowArtifactsScaled, TheSamePlotsAtAScaleFactorOfOneAndAHalf) {
  if (!ArtifactSuffix().empty()) GTEST_SKIP() << "already scaled";
  // The scale factor is read when the application starts: run the artifact tests again
  // in a program of their own.
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_SCALE_FACTOR", "1.5");
  env.insert("QT_QPA_PLATFORM", "offscreen");
  child.setProcessEnvironment(env);
  child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=ResultWindowArtifacts.*"});
  ASSERT_TRUE(child.waitForFinished(110000));
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
}
