// The initial soil pressure plots: the plot bottom and the scales the window prepares,
// the net soil scale and its zero line, the side diagrams, screen against paper, and the
// zero cases drawn without a division by zero.
#include <limits>

#include "plot_test_support.h"
#include "plots/soil_pressure_plots.h"
#include "pressures/pressure_data.h"

using platform::CanvasOp;
using platform::RecordingCanvas;
using platform::Rgb;

namespace {

// Wall top 20, grounds at 20 (right) and 10 (left): the plot bottom is 10 - 30 = -20,
// between the grid points -15 and -25; the grid ends with its two far points.
void grid() {
  WallTopElev = 20;
  NumSurfacePoints(1) = NumSurfacePoints(2) = 1;
  SurfaceElev(1, 1) = 20;
  SurfaceElev(2, 1) = 10;
  NumSoilLayers(1) = NumSoilLayers(2) = 1;
  const double elev[7] = {20, 10, 0, -15, -25, -50025, -100025};
  NumGridPoints = 7;
  for (int i = 1; i <= 7; ++i) {
    GridElev(i) = elev[i - 1];
    for (int k = 1; k <= 2; ++k) {
      NetPressureA(i, k) = NetPressureP(i, k) = NetWaterPressure(i, k) = 0;
      for (int s = 1; s <= 2; ++s) ActivePressure(s, i, k) = PassivePressure(s, i, k) = 0;
    }
  }
}

double yOf(double el) { return 1008 + 4320 * (20 - el) / 40; }

}  // namespace

class SoilPressurePlots : public PlotTest {
 protected:
  void SetUp() override {
    PlotTest::SetUp();
    grid();
  }
};

TEST_F(SoilPressurePlots, ThePlotBottomReachesThreeRetainedHeightsAndAtLeast30FtBelowTheDredge) {
  SurfaceElev(1, 1) = 2;
  SurfaceElev(2, 1) = 0;
  GridElev(5) = -70;  // a grid deep enough
  EXPECT_EQ(plots::ComputeSoilPlotScales().PlotBottomElev, -60);
  WallTopElev = 5;
  EXPECT_EQ(plots::ComputeSoilPlotScales().PlotBottomElev, -30);
  WallTopElev = 20;
  GridElev(5) = -25;  // the deepest ordinary point lifts the bottom
  EXPECT_EQ(plots::ComputeSoilPlotScales().PlotBottomElev, -25);
}

// Where the wedge method stopped computing a side's pressures, the plots end at the last
// point it computed, with the value just above it: nothing below counts in the scales.
TEST_F(SoilPressurePlots, TheBottomAndScalesEndAtTheLastPointTheWedgeMethodComputed) {
  PassivePressure(2, 3, 2) = 500;   // at 0, the last point computed
  PassivePressure(2, 3, 1) = 7000;  // just below it, toward the points not computed
  PassivePressure(2, 4, 2) = 9000;
  WedgeComputedToElev(2) = 0;
  const plots::SoilPlotScales s = plots::ComputeSoilPlotScales();
  WedgeComputedToElev(2) = -std::numeric_limits<double>::infinity();
  EXPECT_EQ(s.PlotBottomElev, 0);
  EXPECT_EQ(s.PassivePressMax, 500);
}

TEST_F(SoilPressurePlots, ScalesCountBothEndsOfTheSegmentThatCrossesTheBottom) {
  ActivePressure(1, 4, 1) = 240;
  ActivePressure(2, 5, 2) = 350;     // just above -25: its segment crosses -20
  ActivePressure(1, 5, 1) = 9000;    // below the crossing segment: never counted
  PassivePressure(2, 3, 2) = 4001;
  WaterDataType = "E";
  NetWaterPressure(2, 2) = -0.00005;  // within 0.0001 of zero
  NetWaterPressure(4, 1) = 150;
  NetWaterPressure(5, 2) = 1200;     // the water walk stops at the first point at or below
  NetWaterPressure(5, 1) = 5000;
  const plots::SoilPlotScales s = plots::ComputeSoilPlotScales();
  EXPECT_EQ(s.PlotBottomElev, -20);
  EXPECT_EQ(s.ActivePressMax, 400);
  EXPECT_EQ(s.PassivePressMax, 5000);
  EXPECT_EQ(s.NetWaterMax, 2000);
  EXPECT_EQ(s.NetWaterMin, 0);
  WaterDataType = "";
  EXPECT_EQ(plots::ComputeSoilPlotScales().NetWaterMax, 0);
}

TEST_F(SoilPressurePlots, TheNetActiveZeroLineFollowsTheTwoEndsOfTheScale) {
  WallType = "A";
  NetPressureA(2, 2) = 200, NetPressureA(2, 1) = 350;
  NetPressureA(3, 2) = NetPressureA(3, 1) = 100;
  NetPressureA(4, 2) = NetPressureA(4, 1) = -200;
  NetPressureA(5, 2) = -380;
  NetPressureA(6, 2) = -99999;  // a far point: never part of the walk
  for (const double smallest : {-380.0, -180.0}) {
    SCOPED_TRACE(smallest);
    NetPressureA(5, 2) = smallest;
    const double minus = smallest == -380 ? 400 : 200, span = 400 + minus;
    const double x0 = 2160 + 5760 * minus / span;
    EXPECT_DOUBLE_EQ(x0, smallest == -380 ? 5040 : 2160 + 5760.0 / 3);
    RecordingCanvas c;
    plots::DrawSoilPressurePlot(c, 3, false);
    expectAllFinite(c);
    EXPECT_NE(findLine(c, x0, 1008, x0, 5328), nullptr);
    EXPECT_EQ(countText(c, "400"), smallest == -380 ? 2 : 1);
    EXPECT_NE(c.findText("INITIAL NET ACTIVE PRESSURES (PSF)"), nullptr);
    EXPECT_NE(c.findText("FOR ANCHORED WALL DESIGN"), nullptr);
    const CanvasOp* zero = c.findText("0");
    ASSERT_NE(zero, nullptr);
    EXPECT_DOUBLE_EQ(zero->x1, x0 - 50);
    // The curve starts at a grey point on the zero line, jumps at 10 ft, ends at -25.
    const auto points = c.all(CanvasOp::Kind::Point);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].color, kGrey);
    EXPECT_DOUBLE_EQ(points[0].x1, x0);
    const auto x = [&](double p) { return 2160 + 5760 * (p + minus) / span; };
    EXPECT_NE(findLine(c, x(200), yOf(10), x(350), yOf(10)), nullptr);
    const auto red = linesIn(c, kRed);
    ASSERT_FALSE(red.empty());
    EXPECT_NEAR(red.back().x2, x(smallest), 1e-9);
    EXPECT_NEAR(red.back().y2, yOf(-25), 1e-9);
    EXPECT_EQ(red.back().drawWidth, 3);
    EXPECT_TRUE(linesIn(c, kGreen).empty());  // no net passive curve, no legend
  }
}

TEST_F(SoilPressurePlots, ACantileverDrawsBothNetCurvesSolidOnScreenAndDashedPassiveOnPaper) {
  NetPressureA(3, 1) = -600;
  NetPressureP(3, 1) = 900;
  RecordingCanvas screen, paper;
  plots::DrawSoilPressurePlot(screen, 3, false);
  plots::DrawSoilPressurePlot(paper, 3, true);
  EXPECT_NE(screen.findText("INITIAL NET PRESSURES (PSF)"), nullptr);
  EXPECT_NE(screen.findText("NET ACTIVE"), nullptr);
  EXPECT_NE(screen.findText("NET PASSIVE"), nullptr);
  EXPECT_EQ(countText(screen, "900"), 1);  // P+ from the net passive maximum
  EXPECT_EQ(countText(screen, "600"), 1);  // P- from the net active minimum
  EXPECT_FALSE(linesIn(screen, kGreen).empty());
  for (const CanvasOp& l : linesIn(screen, kGreen)) EXPECT_EQ(l.drawStyle, 0);
  // Paper: everything black and moved by (1440, 4320); curves at width 1, the passive
  // one dashed; the legend's lines solid and dashed; labels stand on the box's top edge.
  for (const CanvasOp& l : paper.all(CanvasOp::Kind::Line)) EXPECT_EQ(l.color, kBlack);
  const double x0 = 2160 + 5760 * 600.0 / 1500 + 1440;
  EXPECT_NE(findLine(paper, x0, 5328, x0, 9648), nullptr);
  int dashed = 0;
  for (const CanvasOp& l : paper.all(CanvasOp::Kind::Line))
    if (l.drawStyle == 1) {
      ++dashed;
      EXPECT_EQ(l.drawWidth, 1);
    }
  EXPECT_GT(dashed, 2);
  EXPECT_NE(findLine(paper, 4320, 4968, 5040, 4968), nullptr);
  EXPECT_EQ(findLine(paper, 4320, 4968, 5040, 4968)->drawStyle, 0);
  EXPECT_EQ(findLine(paper, 6912, 4968, 7632, 4968)->drawStyle, 1);
  const CanvasOp* plus = paper.findText("900");
  ASSERT_NE(plus, nullptr);
  EXPECT_DOUBLE_EQ(plus->y1, 5328 - 200);
  EXPECT_DOUBLE_EQ(plus->x1, 9360 - 150);
  for (const CanvasOp& p : paper.all(CanvasOp::Kind::Point)) EXPECT_EQ(p.color, kWhite);
  EXPECT_NE(paper.findText("FOR CANTILEVER WALL DESIGN"), nullptr);
}

TEST_F(SoilPressurePlots, NetWaterNeverNegativePutsTheZeroLineOnTheLeftEdge) {
  WaterDataType = "E";
  WaterElev(1) = 15, WaterElev(2) = 25;  // the left one above the wall top: no line
  NetWaterPressure(2, 2) = NetWaterPressure(2, 1) = 250;
  NetWaterPressure(5, 2) = 250;
  RecordingCanvas c, paper;
  plots::DrawSoilPressurePlot(c, 4, false);
  plots::DrawSoilPressurePlot(paper, 4, true);
  EXPECT_NE(findLine(c, 2160, 1008, 2160, 5328), nullptr);
  EXPECT_EQ(countText(c, "0"), 2);
  EXPECT_EQ(countText(c, "300"), 1);
  EXPECT_NE(c.findText("INITIAL NET WATER PRESSURES (PSF)"), nullptr);
  EXPECT_EQ(linesIn(c, kBlue).size(), 1u + 8);  // the water line at 15 and the curve
  EXPECT_NE(findLine(c, 2160, yOf(15), 7920, yOf(15)), nullptr);
  // On paper the curve alone is red, at width 3; the water line is black.
  const auto red = linesIn(paper, kRed);
  ASSERT_EQ(red.size(), 8u);
  for (const CanvasOp& l : red) EXPECT_EQ(l.drawWidth, 3);
  EXPECT_EQ(findLine(paper, 3600, yOf(15) + 4320, 9360, yOf(15) + 4320)->color, kBlack);
}

TEST_F(SoilPressurePlots, SidePlotsMirrorEachOtherAndSkipADiagramWithoutAScale) {
  PassivePressure(2, 3, 1) = 1000;
  PassivePressure(2, 4, 2) = 1000;
  NumSoilLayers(1) = 2;
  LayerBottomElev(1, 1) = 5;
  LayerBottomElev(1, 2) = -200000;
  // No active pressure anywhere: its box keeps "0" at both ends and holds no diagram.
  RecordingCanvas left, right;
  plots::DrawSoilPressurePlot(left, 1, false);
  plots::DrawSoilPressurePlot(right, 2, false);
  expectAllFinite(left);
  EXPECT_TRUE(linesIn(left, kRed).empty());
  EXPECT_EQ(countText(left, "0"), 3);
  EXPECT_EQ(countText(left, "1000"), 1);
  // Left plot: passive grows to the left of its axis at 5040, 1000 psf over 2880 twips.
  EXPECT_NE(findLine(left, 5040, yOf(0), 5040 - 2880, yOf(0)), nullptr);
  EXPECT_NE(left.findText("LEFTSIDE INITIAL PRESSURES (PSF)"), nullptr);
  // Right plot: the right side's passive pressures are 0, drawn along its axis at 4560.
  EXPECT_NE(findLine(right, 4560, 1008, 4560, 1008), nullptr);
  EXPECT_NE(right.findText("RIGHTSIDE INITIAL PRESSURES (PSF)"), nullptr);
  // The layer bottom at 5 runs across both boxes, labelled in each plot's column.
  EXPECT_NE(findLine(left, 2160, yOf(5), 5040, yOf(5)), nullptr);
  EXPECT_NE(findLine(left, 5760, yOf(5), 8640, yOf(5)), nullptr);
  EXPECT_NE(findLine(right, 960, yOf(5), 3840, yOf(5)), nullptr);
  EXPECT_DOUBLE_EQ(right.findText("5.00")->x1, 8736 - 200);
  // The diagrams end at the first point at or below the bottom: -25 lies below the box.
  const auto green = linesIn(left, kGreen);
  ASSERT_FALSE(green.empty());
  EXPECT_NEAR(green.back().y2, yOf(-25), 1e-9);
  // Paper: one width, one style, all black, the side printed left in SideIndex.
  RecordingCanvas paper;
  plots::DrawSoilPressurePlot(paper, 1, true);
  EXPECT_EQ(SideIndex, 2);
  for (const CanvasOp& l : paper.all(CanvasOp::Kind::Line)) {
    EXPECT_EQ(l.color, kBlack);
    EXPECT_EQ(l.drawWidth, 1);  // whatever the page left: the recording canvas starts at 1
  }
  const CanvasOp* passive = paper.findText("PASSIVE");
  ASSERT_NE(passive, nullptr);
  EXPECT_DOUBLE_EQ(passive->y1, 5184 - 100);
}

TEST_F(SoilPressurePlots, NothingToScaleDrawsFramesAndLabelsOnly) {
  WaterDataType = "E";
  for (const int plot : {1, 2, 3, 4}) {
    SCOPED_TRACE(plot);
    for (const bool paper : {false, true}) {
      RecordingCanvas c;
      plots::DrawSoilPressurePlot(c, plot, paper);
      expectAllFinite(c);
      // Only the legend of a cantilever's net soil plot is coloured.
      for (const Rgb colour : {kRed, kGreen})
        for (const CanvasOp& l : linesIn(c, colour)) EXPECT_EQ(l.y1, 720);
      EXPECT_NE(c.findText("20.00"), nullptr);
    }
  }
  NumGridPoints = 0;
  for (const int plot : {1, 2, 3, 4}) {
    RecordingCanvas c;
    plots::DrawSoilPressurePlot(c, plot, false);
    expectAllFinite(c);
  }
}

// Right layer bottoms at 9.6, 9.2, 8.8, 8.4 and 8.0 with the right water at 9.0, under
// the left ground and water at 10, 108 twips a foot: seven labels 200 high whose lines
// span 216 twips stand as one block, 200 apart in the order of their lines, its moves
// adding up to nothing (least squares). The two 10.00 are one label.
TEST_F(SoilPressurePlots, CrowdedElevationLabelsStandApartInTheOrderOfTheirLines) {
  NumSoilLayers(1) = 6;
  const double bottoms[] = {9.6, 9.2, 8.8, 8.4, 8.0, -200000};
  for (int i = 1; i <= 6; ++i) LayerBottomElev(1, i) = bottoms[i - 1];
  WaterDataType = "E";
  WaterElev(1) = 9.0;
  WaterElev(2) = 10;
  const std::vector<std::pair<std::string, double>> crowd = {
      {"10.00", 10}, {"9.60", 9.6}, {"9.20", 9.2}, {"9.00", 9.0}, {"8.80", 8.8}, {"8.40", 8.4}, {"8.00", 8.0}};
  double sum = 0;
  for (std::size_t k = 0; k < crowd.size(); ++k) sum += yOf(crowd[k].second) - 100 - 200.0 * static_cast<double>(k);
  const double first = sum / static_cast<double>(crowd.size());
  for (bool paper : {false, true}) {
    for (int choice : {2, 3}) {
      SCOPED_TRACE(std::to_string(choice) + (paper ? " paper" : " screen"));
      RecordingCanvas c;
      plots::DrawSoilPressurePlot(c, choice, paper);
      const double dy = paper ? 4320 : 0;
      for (std::size_t k = 0; k < crowd.size(); ++k) {
        const CanvasOp* label = c.findText(crowd[k].first);
        ASSERT_NE(label, nullptr) << crowd[k].first;
        EXPECT_NEAR(label->y1, first + 200.0 * static_cast<double>(k) + dy, 1e-3) << crowd[k].first;
      }
      EXPECT_EQ(countText(c, "10.00"), 1);
      // A label with room keeps its place.
      EXPECT_NEAR(c.findText("20.00")->y1, yOf(20) - 100 + dy, 1e-9);
    }
  }
}
