// Rowe's chart: the sections drawn inside its range only, the DENSE curve never rising,
// paper against screen, and a wall in clay.
#include "plot_test_support.h"
#include "plots/rowe_curves_plot.h"
#include "wall/rowe.h"
#include "wall/wall_data.h"

using platform::CanvasOp;
using platform::RecordingCanvas;
using platform::Rgb;

class RoweChart : public PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    InitRoweTables();
    RoweSoilType = 1;
    RoweAlpha = 0.7;
    SetRoweSandCurvesAtAlpha(0.7);
    NumPileSections = 4;
    const double logRho[4] = {-1.5, -1.4, -2.5, -3.5};
    const double ratio[4] = {1.2, 0.5, 1.3, 0.3};
    const char* name[4] = {"PZ40", "PZ38", "PZ35", "PZ32"};
    for (int i = 1; i <= 4; ++i) {
      PileSectionName(i) = name[i - 1];
      PileLogRho(i) = logRho[i - 1];
      PileMomentRatio(i) = ratio[i - 1];
    }
  }
};

TEST_F(RoweChart, SectionsAreDrawnOnlyInsideTheChart) {
  RecordingCanvas c;
  plots::DrawRoweChart(c, false);
  const auto circles = c.all(CanvasOp::Kind::Circle);
  ASSERT_EQ(circles.size(), 2u);  // -1.5 / 1.2 and -3.5 / 0.3; not -1.4 nor a ratio of 1.3
  EXPECT_DOUBLE_EQ(circles[0].x1, 8640);
  EXPECT_DOUBLE_EQ(circles[0].y1, 432);
  EXPECT_DOUBLE_EQ(circles[0].x2, 72);
  EXPECT_DOUBLE_EQ(circles[1].x1, 1440);
  EXPECT_DOUBLE_EQ(circles[1].y1, 4752 - 0.3 / 1.2 * 4320);
  EXPECT_NE(c.findText(PileSectionName(1)), nullptr);
  EXPECT_EQ(c.findText(PileSectionName(2)), nullptr);
  EXPECT_EQ(c.findText(PileSectionName(3)), nullptr);
  EXPECT_NE(findLine(c, 8640, 432, 8280, 432 + 576), nullptr);  // in the top-right corner: below, to the left
  EXPECT_NE(c.findText("ROWE'S MOMENT REDUCTION FOR SAND (ALPHA= 0.70)"), nullptr);
  for (const char* label : {"-3.5", "-3", "-2.5", "-2", "-1.5", "1.2", "0.0", "LOG(H^4/EI)"})
    EXPECT_NE(c.findText(label), nullptr) << label;
}

// A section's name stands on a leader beside its point, up and to the right where it fits;
// at the right edge it stands to the left, and at the top or under the title it hangs
// below, so that it stays inside the picture (9450 wide at least) and clear of the title,
// on screen and on paper, where the chart is shifted by (1440, 4320) into the printed box.
TEST_F(RoweChart, SectionNamesStayInsideTheFrame) {
  struct Case {
    double logRho, ratio;
    const char* name;
    bool right, above;
  };
  const Case cases[] = {
      {-2.5, 0.6, "PZ27", true, true},     // the middle of the chart
      {-1.55, 0.6, "PZ22", true, true},    // near the right edge, and still fits
      {-1.5, 0.6, "PLZ23", false, true},   // on the right edge
      {-3.0, 1.0, "PZ35", true, true},     // high, still clear of the title
      {-3.5, 1.05, "PZ38", true, true},    // higher, beside the title
      {-2.5, 1.1, "PZ32", true, false},    // under the title
      {-3.5, 1.2, "PZ40", true, false},    // at the top
      {-1.5, 1.15, "PLZ25", false, false}, // in the top-right corner
  };
  // The title, 46 characters centred on (5040, 288).
  const double titleLeft = 5040 - 2300, titleRight = 5040 + 2300, titleBottom = 288 + 100;
  for (const bool paper : {false, true}) {
    const double dx = paper ? 1440 : 0, dy = paper ? 4320 : 0;
    for (const Case& k : cases) {
      SCOPED_TRACE(std::string(k.name) + (paper ? " on paper" : " on screen"));
      NumPileSections = 1;
      PileLogRho(1) = k.logRho;
      PileMomentRatio(1) = k.ratio;
      PileSectionName(1) = k.name;
      RecordingCanvas c;
      plots::DrawRoweChart(c, paper);
      const double x = (k.logRho + 3.5) / 2 * 7200 + 1440 + dx, y = 4752 - k.ratio / 1.2 * 4320 + dy;
      const CanvasOp* t = c.findText(k.name);
      ASSERT_NE(t, nullptr);
      const double w = 100.0 * std::string(k.name).size(), h = 200;
      // Inside the frame and clear of the title.
      EXPECT_GE(t->x1, dx);
      EXPECT_LE(t->x1 + w, 9450 + dx);
      EXPECT_GE(t->y1, dy);
      EXPECT_TRUE(t->y1 >= titleBottom + dy || t->x1 + w <= titleLeft + dx || t->x1 >= titleRight + dx);
      // On the side asked, clear of the point's circle.
      EXPECT_EQ(t->x1 > x, k.right);
      EXPECT_EQ(t->y1 < y, k.above);
      EXPECT_TRUE(t->x1 >= x + 72 || t->x1 + w <= x - 72);
      // The leader runs from the point to the middle of the name's near end.
      const CanvasOp* leader = nullptr;
      for (const CanvasOp& l : c.ops)
        if (l.kind == CanvasOp::Kind::Line && std::fabs(l.x1 - x) < 0.1 && std::fabs(l.y1 - y) < 0.1) leader = &l;
      ASSERT_NE(leader, nullptr);
      EXPECT_NEAR(leader->y2, t->y1 + h / 2, 0.1);
      EXPECT_NEAR(k.right ? t->x1 - leader->x2 : leader->x2 - (t->x1 + w), 72, 0.1);
      EXPECT_NEAR(std::fabs(leader->y2 - y), 576, 0.1);
    }
  }
}

TEST_F(RoweChart, TheCurvesPassTheTableAndDenseNeverRises) {
  RecordingCanvas c;
  plots::DrawRoweChart(c, false);
  const Rgb green{0, 255, 0};
  const auto loose = linesIn(c, green);
  const auto dense = linesIn(c, kBlue);
  ASSERT_GE(dense.size(), 200u);
  // The alpha 0.7 rows of the sand table at log rho -3.5 and -2.0.
  const auto Y = [](double v) { return 4752 - v / 1.2 * 4320; };
  EXPECT_NEAR(loose[0].y1, Y(1.006), 1e-9);
  EXPECT_NEAR(loose[149].y2, Y(0.283), 1e-9);  // the 150th stroke ends at -2.00
  EXPECT_NEAR(loose[149].x2, 6840, 1e-9);
  EXPECT_NEAR(loose[150].y2, Y(0.283), 1e-9);  // then flat to -1.5
  EXPECT_NEAR(loose[150].x2, 8640, 1e-9);
  EXPECT_NEAR(dense[0].y1, Y(0.561), 1e-9);
  for (std::size_t i = 0; i < 200; ++i) EXPECT_GE(dense[i].y2, dense[i].y1 - 1e-9) << i;
  EXPECT_NEAR(dense[199].x2, 8640, 1e-9);
  // The names never print over each other.
  const CanvasOp* l = c.findText("LOOSE");
  const CanvasOp* d = c.findText("DENSE");
  ASSERT_TRUE(l && d);
  EXPECT_TRUE(l->y1 + 200 <= d->y1 || d->y1 + 200 <= l->y1 || l->x1 + 500 <= d->x1);
}

TEST_F(RoweChart, PaperIsShiftedAndBlackWithWhitePenPoints) {
  RecordingCanvas screen, paper;
  plots::DrawRoweChart(screen, false);
  plots::DrawRoweChart(paper, true);
  EXPECT_NE(findLine(paper, 2880, 4752, 10080, 4752), nullptr);
  EXPECT_NE(findLine(paper, 1656, 6912, 2088, 6912), nullptr);  // the fraction bar
  for (const CanvasOp& l : paper.all(CanvasOp::Kind::Line)) EXPECT_EQ(l.color, kBlack);
  for (const CanvasOp& p : paper.all(CanvasOp::Kind::Point)) EXPECT_EQ(p.color, kWhite);
  for (const CanvasOp& p : paper.all(CanvasOp::Kind::Circle)) EXPECT_EQ(p.color, kBlack);
  EXPECT_EQ(paper.all(CanvasOp::Kind::Line).size(), screen.all(CanvasOp::Kind::Line).size());
  const CanvasOp* title = paper.findText("ROWE'S MOMENT REDUCTION FOR SAND (ALPHA= 0.70)");
  ASSERT_NE(title, nullptr);
  EXPECT_DOUBLE_EQ(title->y1, 4608 - 100);
}

TEST_F(RoweChart, AWallInClayGetsTheChartAndANoteButNoCurvesNorSections) {
  RoweSoilType = 2;
  for (const bool paper : {false, true}) {
    RecordingCanvas c;
    plots::DrawRoweChart(c, paper);
    EXPECT_EQ(c.all(CanvasOp::Kind::Line).size(), 13u);  // 7 + 5 grid lines and the bar
    EXPECT_TRUE(c.all(CanvasOp::Kind::Circle).empty());
    EXPECT_NE(c.findText(plots::kRoweClayNote), nullptr);
    EXPECT_EQ(c.findText("LOOSE"), nullptr);
    EXPECT_NE(c.findText("-2.5"), nullptr);
    // The note stands on a patch of the chart's background (white on paper) that covers
    // its text inside the frame's sides, laid after the grid and before the note itself:
    // no grid line crosses its letters.
    const CanvasOp* note = c.findText(plots::kRoweClayNote);
    const double dx = paper ? 1440 : 0, h = 200;
    const double left = std::max(note->x1, 1470 + dx);
    const double right = std::min(note->x1 + 100.0 * std::string(plots::kRoweClayNote).size(), 8610 + dx);
    std::size_t noteAt = 0, patchAt = 0, lastLine = 0;
    for (std::size_t i = 0; i < c.ops.size(); ++i) {
      const CanvasOp& op = c.ops[i];
      if (&op == note) noteAt = i;
      if (op.kind == CanvasOp::Kind::Line) lastLine = i;
      if (op.kind == CanvasOp::Kind::FilledBox && op.color == (paper ? kWhite : Rgb{224, 224, 224}) &&
          std::min(op.x1, op.x2) <= left && std::max(op.x1, op.x2) >= right &&
          std::min(op.y1, op.y2) < note->y1 && std::max(op.y1, op.y2) > note->y1 + h)
        patchAt = i;
    }
    EXPECT_GT(patchAt, lastLine);
    EXPECT_LT(patchAt, noteAt);
  }
}
