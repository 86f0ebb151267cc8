// The plot windows' menus as the data allow them, Done and Finished, and one printed page
// per Print with the buttons and the pointer back on every path.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <functional>

#include "support/key_strokes.h"
#include "plot_test_support.h"
#include "plots/input_plot_window.h"
#include "plots/rowe_curves_plot.h"
#include "plots/rowe_curves_window.h"
#include "plots/soil_pressure_plot_window.h"
#include "pressures/pressure_data.h"
#include "wall/rowe.h"

using platform::CanvasOp;

namespace {

struct MenuCase {
  const char* name;
  void (*data)();
  bool surch, horiz;
  const char* surchItems;  // "1" on, "0" off, for items 0 to 5
  const char* horizItems;
};

void none() {}
void leftUniform() {
  NumUniformLoads(2) = 1;
  UniformLoad(2) = 100;
}
void waterTable() {
  WaterDataType = "P";
  NumWaterPressPoints = 2;
}
void distributedWithWaterLevels() {
  NumHorizDistPoints = 2;
  WaterDataType = "E";
}
void leftoverTable() {
  // Water given by levels, a table count left from an earlier problem: no menu that
  // would open on nothing.
  WaterDataType = "E";
  NumWaterPressPoints = 3;
}
void everything() {
  NumLineLoads(1) = 1, NumStripLoads(2) = 1, NumRampLoads(1) = 1, NumTriangularLoads(2) = 1;
  NumVariablePoints(1) = 2, NumUniformLoads(1) = 1;
  NumHorizLineLoads = 1, NumHorizDistPoints = 2;
  waterTable();
}

}  // namespace

class PlotWindows : public PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    services.boxes.logTo(&services.pointer);
    platform::services().printers = &printers;
    WallTopElev = 20;
    NumSurfacePoints(1) = NumSurfacePoints(2) = 1;
    SurfaceElev(1, 1) = 20, SurfaceElev(2, 1) = 10;
    NumSoilLayers(1) = NumSoilLayers(2) = 1;
    NumHeadingLines = 1;
    HeadingLines(1) = "'ONE HEADING";
    HeadingLines(2) = "'LEFT FROM AN EARLIER PROBLEM";
  }
  platform::RecordingPrinterFactory printers;
};

TEST_F(PlotWindows, InputPlotMenusFollowTheDataAndComeBackAfterDone) {
  const MenuCase cases[] = {
      {"nothing", none, false, false, "000000", "000"},
      {"left uniform", leftUniform, true, false, "010000", "000"},
      {"water table", waterTable, false, true, "000000", "001"},
      {"distributed, water levels", distributedWithWaterLevels, false, true, "000000", "010"},
      {"leftover table count", leftoverTable, false, false, "000000", "000"},
      {"everything", everything, true, true, "111111", "111"},
  };
  for (const MenuCase& mc : cases) {
    SCOPED_TRACE(mc.name);
    ResetInputData();
    NumWaterPressPoints = 0;  // the reset leaves the table's count
    WallTopElev = 20;
    mc.data();
    VUINPLOT w;
    w.load();
    const auto check = [&] {
      EXPECT_TRUE(w.findChild<QAction*>("mnuSystem(0)")->isEnabled());
      EXPECT_TRUE(w.findChild<QAction*>("mnuFinished(3)")->isEnabled());
      EXPECT_TRUE(w.topMenu("mnuHelp")->menuAction()->isEnabled());
      EXPECT_EQ(w.topMenu("mnuSurch")->menuAction()->isEnabled(), mc.surch);
      EXPECT_EQ(w.topMenu("mnuHoriz")->menuAction()->isEnabled(), mc.horiz);
      for (int i = 0; i < 6; ++i) EXPECT_EQ(w.menuArray("mnuSurchItem")(i)->isEnabled(), mc.surchItems[i] == '1') << i;
      for (int i = 0; i < 3; ++i) EXPECT_EQ(w.menuArray("mnuHorizItem")(i)->isEnabled(), mc.horizItems[i] == '1') << i;
      EXPECT_FALSE(w.cmdDone->isVisibleTo(&w));
    };
    check();
    w.mnuSystem_Click(0);
    EXPECT_EQ(ChoiceIndex, 1);
    EXPECT_FALSE(w.findChild<QAction*>("mnuSystem(0)")->isEnabled());
    EXPECT_FALSE(w.findChild<QAction*>("mnuFinished(3)")->isEnabled());
    EXPECT_TRUE(w.topMenu("mnuHelp")->menuAction()->isEnabled());
    EXPECT_TRUE(w.picture(1)->isVisibleTo(&w));
    EXPECT_TRUE(w.cmdPrint->isVisibleTo(&w));
    // The picture: the inner width, 0.76 of the outer height, centred in that height.
    EXPECT_NEAR(w.picture(1)->ScaleHeight(), 0.76 * w.Height(), 2 * 15);
    EXPECT_NEAR(w.picture(1)->y() * w.twipsY(1), (w.Height() - w.picture(1)->ScaleHeight()) / 2, 2 * 15);
    w.cmdDone_Click();
    check();
    EXPECT_FALSE(w.picture(1)->isVisibleTo(&w));
  }
}

TEST_F(PlotWindows, HeadingLabelsShowTheProblemsOwnLinesOnly) {
  VUINPLOT w;
  w.load();
  EXPECT_EQ(w.Label1(0)->text().toStdString(), "'ONE HEADING");
  EXPECT_TRUE(w.Label1(1)->text().isEmpty());
  NumHeadingLines = 0;
  VUINPLOT empty;
  empty.load();
  EXPECT_TRUE(empty.Label1(0)->text().isEmpty());
}

TEST_F(PlotWindows, EachPrintIsOnePageAndTheButtonsAndPointerComeBack) {
  VUINPLOT w;
  w.load();
  w.mnuSystem_Click(0);
  w.cmdPrint_Click();
  w.cmdPrint_Click();
  ASSERT_EQ(printers.documents.size(), 2u);
  for (const platform::PrintedDocument& d : printers.documents) {
    EXPECT_EQ(d.endDocCalls, 1);
    ASSERT_EQ(d.pages.size(), 1u);
  }
  EXPECT_EQ(printers.documents[0].pages[0].size(), printers.documents[1].pages[0].size());
  // The page: the one heading line through a white point, width 2, the frame.
  const auto& ops = printers.documents[0].pages[0];
  bool frame = false, heading = false, secondHeading = false;
  for (const CanvasOp& op : ops) {
    frame |= op.kind == CanvasOp::Kind::Box && op.x1 == 1440 && op.y1 == 4320 && op.x2 == 11160 &&
             op.y2 == 9720 && op.drawWidth == 2;
    heading |= op.kind == CanvasOp::Kind::Text && op.text == "'ONE HEADING" && op.x1 == 1440 && op.y1 == 3744;
    secondHeading |= op.kind == CanvasOp::Kind::Text && op.text == HeadingLines(2);
  }
  EXPECT_TRUE(frame);
  EXPECT_TRUE(heading);
  EXPECT_FALSE(secondHeading);
  EXPECT_TRUE(w.cmdDone->isVisibleTo(&w));
  EXPECT_TRUE(w.cmdPrint->isVisibleTo(&w));
  EXPECT_EQ(services.pointer.current(), 0);

  // A printer that fails says so; the buttons and the pointer still come back.
  printers.failEndDoc = true;
  services.boxes.expect(platform::Answer::OK);
  w.cmdPrint_Click();
  EXPECT_TRUE(services.boxes.done());
  EXPECT_TRUE(w.cmdDone->isVisibleTo(&w));
  EXPECT_TRUE(w.cmdPrint->isVisibleTo(&w));
  EXPECT_EQ(services.pointer.current(), 0);
  printers.failEndDoc = false;
  printers.failOpen = true;
  services.boxes.expect(platform::Answer::OK);
  w.cmdPrint_Click();
  EXPECT_TRUE(w.cmdPrint->isVisibleTo(&w));
  EXPECT_EQ(services.pointer.current(), 0);
}

TEST_F(PlotWindows, NetWaterIsOfferedOnlyWithNetWaterPressures) {
  NumGridPoints = 5;
  const double elev[5] = {20, 10, -20, -50020, -100020};
  for (int i = 1; i <= 5; ++i) GridElev(i) = elev[i - 1];
  for (const char* type : {"", "E"}) {
    SCOPED_TRACE(type);
    WaterDataType = type;
    for (int i = 1; i <= 5; ++i) NetWaterPressure(i, 1) = NetWaterPressure(i, 2) = *type ? 0.00005 : 300;
    VUSOLPLT w;
    w.load();
    EXPECT_FALSE(w.menuItem(3)->isEnabled());
    for (int i : {0, 1, 2, 4}) EXPECT_TRUE(w.menuItem(i)->isEnabled());
    w.mnuNetSoil_Click(2);
    EXPECT_EQ(ChoiceIndex, 3);
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(w.menuItem(i)->isEnabled());
    w.cmdDone_Click();
    EXPECT_FALSE(w.menuItem(3)->isEnabled());
    EXPECT_TRUE(w.menuItem(4)->isEnabled());
  }
  WaterDataType = "E";
  NetWaterPressure(2, 2) = -120;
  VUSOLPLT w;
  w.load();
  EXPECT_TRUE(w.menuItem(3)->isEnabled());
  w.mnuRightside_Click(1);
  w.cmdPrint_Click();
  ASSERT_EQ(printers.documents.size(), 1u);
  EXPECT_EQ(SideIndex, 1);
  EXPECT_EQ(TextBuffer2, "FOR CANTILEVER WALL DESIGN");
}

TEST_F(PlotWindows, RoweCurvesShowAndPrintTheChart) {
  InitRoweTables();
  RoweSoilType = 2;
  ROWECURV w;
  w.load();
  EXPECT_TRUE(w.picture(1)->isVisibleTo(&w));
  EXPECT_FALSE(w.Label1(1)->isVisibleTo(&w));
  w.cmdPrint_Click();
  ASSERT_EQ(printers.documents.size(), 1u);
  bool note = false;
  for (const CanvasOp& op : printers.documents[0].pages[0]) note |= op.text == plots::kRoweClayNote;
  EXPECT_TRUE(note);
  w.cmdDone_Click();
  EXPECT_TRUE(w.isUnloaded());
}

// While a plot is shown its menus are off: Alt+P prints it and Alt+D ends it at the first
// stroke, however the plot was chosen and whatever inside the window has the keyboard
// (the menu bar, after a menu item chosen from the keyboard), and then the menus' own
// letters work again.
TEST_F(PlotWindows, AltPPrintsAndAltDEndsThePlotAtTheFirstStroke) {
  using support::AltKey;
  int helped = 0;
  struct HelpHandler {
    explicit HelpHandler(int& count) { platform::Form::setHelpMenuHandler([&count](int) { ++count; }); }
    ~HelpHandler() { platform::Form::setHelpMenuHandler(nullptr); }
  } helpHandler(helped);
  const auto popupOpen = [] { return QApplication::activePopupWidget() != nullptr; };
  // Help > Contents from the keyboard while a plot is shown: the menu bar keeps the keyboard.
  const auto helpFromKeyboard = [&](QWidget& w) {
    const int before = helped;
    EXPECT_TRUE(AltKey(w, Qt::Key_H, popupOpen));
    support::Stroke(w, Qt::Key_C);
    EXPECT_TRUE(QTest::qWaitFor([&] { return helped == before + 1 && !popupOpen(); }, 2000));
  };
  {
    SCOPED_TRACE("VUINPLOT");
    leftUniform();
    VUINPLOT w;
    w.load();
    ASSERT_TRUE(support::ShowActive(w));
    w.mnuSystem_Click(0);
    EXPECT_TRUE(AltKey(w, Qt::Key_P, [&] { return printers.documents.size() == 1; }));
    EXPECT_TRUE(w.picture(1)->isVisible());
    EXPECT_TRUE(AltKey(w, Qt::Key_D, [&] { return !w.picture(1)->isVisible(); }));
    EXPECT_FALSE(w.cmdDone->isVisible());
    EXPECT_TRUE(w.findChild<QAction*>("mnuSystem(0)")->isEnabled());
    EXPECT_TRUE(w.findChild<QAction*>("mnuFinished(3)")->isEnabled());
    // The menus on: "&System" shows the sketch again by its letter; a stray stroke on the
    // greyed "&Finished" does nothing.
    EXPECT_TRUE(AltKey(w, Qt::Key_S, [&] { return w.picture(1)->isVisible(); }));
    EXPECT_FALSE(AltKey(w, Qt::Key_F, [&] { return w.isUnloaded(); }));
    EXPECT_TRUE(AltKey(w, Qt::Key_P, [&] { return printers.documents.size() == 2; }));
    EXPECT_TRUE(AltKey(w, Qt::Key_D, [&] { return !w.picture(1)->isVisible(); }));
    // "S&urcharges" > "&Unif. Loads" from the keyboard.
    EXPECT_TRUE(AltKey(w, Qt::Key_U, popupOpen));
    support::Stroke(w, Qt::Key_U);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.picture(3)->isVisible(); }, 2000));
    EXPECT_TRUE(AltKey(w, Qt::Key_P, [&] { return printers.documents.size() == 3; }));
    EXPECT_TRUE(AltKey(w, Qt::Key_D, [&] { return !w.picture(3)->isVisible(); }));
    EXPECT_FALSE(w.isUnloaded());
  }
  printers.documents.clear();
  {
    SCOPED_TRACE("VUSOLPLT");
    NumGridPoints = 2;
    GridElev(1) = 20, GridElev(2) = 10;
    VUSOLPLT w;
    w.load();
    ASSERT_TRUE(support::ShowActive(w));
    w.mnuRightside_Click(1);
    EXPECT_TRUE(AltKey(w, Qt::Key_P, [&] { return printers.documents.size() == 1; }));
    EXPECT_TRUE(AltKey(w, Qt::Key_D, [&] { return !w.picture(2)->isVisible(); }));
    EXPECT_TRUE(w.menuItem(0)->isEnabled());
    EXPECT_TRUE(w.menuItem(4)->isEnabled());
    EXPECT_TRUE(AltKey(w, Qt::Key_L, [&] { return w.picture(1)->isVisible(); }));
    EXPECT_FALSE(AltKey(w, Qt::Key_N, [&] { return w.picture(3)->isVisible(); }));
    helpFromKeyboard(w);
    EXPECT_TRUE(AltKey(w, Qt::Key_P, [&] { return printers.documents.size() == 2; }));
    EXPECT_TRUE(AltKey(w, Qt::Key_D, [&] { return !w.picture(1)->isVisible(); }));
  }
  printers.documents.clear();
  {
    SCOPED_TRACE("ROWECURV");
    InitRoweTables();
    RoweSoilType = 2;
    ROWECURV w;
    w.load();
    ASSERT_TRUE(support::ShowActive(w));
    EXPECT_TRUE(AltKey(w, Qt::Key_P, [&] { return printers.documents.size() == 1; }));
    helpFromKeyboard(w);
    EXPECT_TRUE(AltKey(w, Qt::Key_P, [&] { return printers.documents.size() == 2; }));
    EXPECT_TRUE(AltKey(w, Qt::Key_D, [&] { return w.isUnloaded(); }));
  }
}
