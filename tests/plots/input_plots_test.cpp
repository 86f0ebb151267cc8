// The input plots against the worked numbers of their layouts, on the screen and on paper,
// and the cases where the data leave a scale without a span.
#include "plot_test_support.h"
#include "plots/input_plots.h"
#include "plots/plot_scale.h"

using platform::CanvasOp;
using platform::RecordingCanvas;
using platform::Rgb;

namespace {

// The system sketch of a cantilever design: wall top 20, right ground (0, 20), left ground
// (0, 10), the right side's first layer ending at 5, water at 15 and 10.
void cantileverSketchData() {
  WallTopElev = 20;
  NumSurfacePoints(1) = 1;
  SurfaceElev(1, 1) = 20;
  NumSurfacePoints(2) = 1;
  SurfaceElev(2, 1) = 10;
  NumSoilLayers(1) = 2;
  LayerBottomElev(1, 1) = 5;
  LayerBottomElev(1, 2) = -200000;
  NumSoilLayers(2) = 1;
  WaterDataType = "E";
  WaterElev(1) = 15;
  WaterElev(2) = 10;
}

}  // namespace

class SystemSketch : public PlotTest {};

TEST_F(SystemSketch, ReproducesTheWorkedScalesOnScreenAndOnPaper) {
  cantileverSketchData();
  const plots::SketchScales s = plots::ComputeSketchScales();
  EXPECT_EQ(s.elevMax, 20);
  EXPECT_EQ(s.elevMin, 4);
  EXPECT_EQ(s.extent[0], 11);
  EXPECT_EQ(s.extent[1], 11);
  // The mapping worked by hand: H = 17 ft over 5400 twips; each side 11 ft over 3600.
  const auto y = [](double e) { return 5400 * (1 - (e - 4) / 17); };
  EXPECT_NEAR(y(20), 317.6, 0.05);
  EXPECT_NEAR(y(15), 1905.9, 0.05);
  EXPECT_NEAR(y(10), 3494.1, 0.05);
  EXPECT_NEAR(y(5), 5082.4, 0.05);

  for (const bool paper : {false, true}) {
    SCOPED_TRACE(paper ? "paper" : "screen");
    const double dx = paper ? 1680 : 0, dy = paper ? 4320 : 0;
    RecordingCanvas c;
    plots::DrawSystemSketch(c, paper);
    expectAllFinite(c);
    // The wall, centred on 5520, 144 twips wide, from the top down to the drawing's bottom.
    const auto boxes = c.all(CanvasOp::Kind::FilledBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_DOUBLE_EQ(boxes[0].x1, 5448 + dx);
    EXPECT_DOUBLE_EQ(boxes[0].x2, 5592 + dx);
    EXPECT_NEAR(boxes[0].y1, y(20) + dy, 1e-9);
    EXPECT_DOUBLE_EQ(boxes[0].y2, 5400 + dy);
    // Grounds from each face to the outer edge, the layer boundary, the water lines.
    EXPECT_NE(findLine(c, 5592 + dx, y(20) + dy, 9120 + dx, y(20) + dy), nullptr);
    EXPECT_NE(findLine(c, 5448 + dx, y(10) + dy, 1920 + dx, y(10) + dy), nullptr);
    const CanvasOp* layer = findLine(c, 5592 + dx, y(5) + dy, 9120 + dx, y(5) + dy);
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->color, paper ? kBlack : kBrown);
    const CanvasOp* water = findLine(c, 5592 + dx, y(15) + dy, 9120 + dx, y(15) + dy);
    ASSERT_NE(water, nullptr);
    EXPECT_EQ(water->color, paper ? kBlack : kBlue);
    // The water marks stand in the middle of each side: x 7320 and 3720.
    EXPECT_NE(findLine(c, 7320 + dx, y(15) + dy, 7464 + dx, y(15) - 144 + dy), nullptr);
    EXPECT_NE(findLine(c, 3720 + dx, y(10) + dy, 3864 + dx, y(10) - 144 + dy), nullptr);
    // Labels centred on the column, x 960 on screen and 2520 on paper; on paper each is
    // reached through a white point.
    const CanvasOp* top = c.findText("EL= 20.0");
    ASSERT_NE(top, nullptr);
    const double column = paper ? 2520 : 960;
    EXPECT_DOUBLE_EQ(top->x1, column - halfWidth("EL= 20.0"));
    EXPECT_NEAR(top->y1, y(20) - 100 + dy, 1e-9);
    // Right ground and wall top share 20.0, left ground and left water share 10.0: each
    // label is written once.
    EXPECT_EQ(countText(c, "EL= 20.0"), 1);
    EXPECT_EQ(countText(c, "EL= 10.0"), 1);
    EXPECT_EQ(countText(c, "EL= 5.0"), 1);
    if (paper) {
      const auto& ops = c.ops;
      for (std::size_t i = 0; i < ops.size(); ++i)
        if (ops[i].kind == CanvasOp::Kind::Text) {
          ASSERT_GT(i, 0u);
          EXPECT_EQ(ops[i - 1].kind, CanvasOp::Kind::Point);
          EXPECT_EQ(ops[i - 1].color, kWhite);
        }
    }
  }
}

TEST_F(SystemSketch, ABoundaryEndsWhereItLeavesTheGroundAndGuardsItsCornerCases) {
  WallTopElev = 20;
  NumSurfacePoints(1) = 3;
  SurfaceDist(1, 1) = 0, SurfaceElev(1, 1) = 20;
  SurfaceDist(1, 2) = 10, SurfaceElev(1, 2) = 20;
  SurfaceDist(1, 3) = 20, SurfaceElev(1, 3) = 30;
  NumSurfacePoints(2) = 1;
  SurfaceElev(2, 1) = 10;
  NumSoilLayers(1) = 2;
  LayerBottomElev(1, 1) = 15;
  LayerBottomSlope(1, 1) = 0.8;
  NumSoilLayers(2) = 1;
  // The boundary 15 + 0.8 d meets the flat ground at 20 where d = 6.25.
  const double min = 10 - 1, H = 30 - min + 1, X1 = 21, X2 = 11;
  const auto y = [&](double e) { return 5400 * (1 - (e - min) / H); };
  const auto x = [&](double d) { return 1920 + 7200 * (d + X2) / (X1 + X2); };
  const double face = x(0) + 72;
  RecordingCanvas c;
  plots::DrawSystemSketch(c, false);
  const auto brown = linesIn(c, kBrown);
  ASSERT_EQ(brown.size(), 1u);
  EXPECT_NEAR(brown[0].x1, face, 1e-9);
  EXPECT_NEAR(brown[0].y1, y(15), 1e-9);
  EXPECT_NEAR(brown[0].x2, x(6.25), 1e-9);
  EXPECT_NEAR(brown[0].y2, y(20), 1e-9);
  // The ground: flat to 10 ft, then up to (20, 30), starting at the face.
  EXPECT_NE(findLine(c, face, y(20), x(10), y(20)), nullptr);
  EXPECT_NE(findLine(c, x(10), y(20), x(20), y(30)), nullptr);

  // A boundary starting above the ground at the wall is no boundary: nothing, no label.
  LayerBottomElev(1, 1) = 25;
  LayerBottomSlope(1, 1) = 0;
  c.clear();
  plots::DrawSystemSketch(c, false);
  EXPECT_TRUE(linesIn(c, kBrown).empty());
  EXPECT_EQ(countText(c, "EL= 25.0"), 0);
  expectAllFinite(c);

  // A side without ground points draws no ground and reads no point 0.
  NumSurfacePoints(2) = 0;
  NumSoilLayers(1) = 1;
  c.clear();
  plots::DrawSystemSketch(c, false);
  expectAllFinite(c);
  for (const CanvasOp& line : c.all(CanvasOp::Kind::Line)) EXPECT_GE(std::min(line.x1, line.x2), x(0) - 1);
}

TEST_F(SystemSketch, AnAnchoredAnalysisEndsTheWallAtItsTipAndDrawsTheAnchor) {
  WallType = "A";
  RunMode = "A";
  WallTopElev = 20;
  AnchorElev = 15;
  WallBottomElev = -10;
  NumSurfacePoints(1) = 1, SurfaceElev(1, 1) = 20;
  NumSurfacePoints(2) = 1, SurfaceElev(2, 1) = 5;
  NumSoilLayers(1) = NumSoilLayers(2) = 1;
  // Bottom of the scale: the wall's tip replaces the anchor, then one foot below it.
  const double min = -11, H = 20 - min + 1;
  const auto y = [&](double e) { return 5400 * (1 - (e - min) / H); };
  RecordingCanvas c;
  plots::DrawSystemSketch(c, false);
  const auto boxes = c.all(CanvasOp::Kind::FilledBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NEAR(boxes[0].y2, y(-10), 1e-9);
  // The tip's label stands on the wall's end on screen.
  const CanvasOp* tip = c.findText("EL= -10.0");
  ASSERT_NE(tip, nullptr);
  EXPECT_NEAR(tip->y1, y(-10) - 200, 1e-9);
  const auto red = linesIn(c, kRed);
  ASSERT_EQ(red.size(), 4u);  // the rod and the three strokes of its head
  EXPECT_NEAR(red[0].y1, y(15), 1e-9);
  EXPECT_DOUBLE_EQ(red[0].x2, 9120);
  EXPECT_EQ(red[0].drawWidth, 3);
}

class SurchargeDiagrams : public PlotTest {};

TEST_F(SurchargeDiagrams, TheLargestLoadAndTheFarthestDistanceFillTheFigure) {
  NumLineLoads(1) = 1, LineLoadDist(1, 1) = 10, LineLoad(1, 1) = 500;
  NumLineLoads(2) = 1, LineLoadDist(2, 1) = 5, LineLoad(2, 1) = 250;
  for (const bool paper : {false, true}) {
    SCOPED_TRACE(paper ? "paper" : "screen");
    const double dx = paper ? 1440 : 0, dy = paper ? 4320 : 0;
    RecordingCanvas c;
    plots::DrawSurchargeDiagram(c, 2, paper);
    const CanvasOp* right = findLine(c, 8640 + dx, 1584 + dy, 8640 + dx, 3024 + dy);
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->color, paper ? kBlack : kRed);
    // Left: 5 of 10 ft is 1800 twips left of the wall, 250 of 500 plf is 720 up.
    const CanvasOp* left = findLine(c, 3240 + dx, 2304 + dy, 3240 + dx, 3024 + dy);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->color, paper ? kBlack : kGreen);
    EXPECT_NE(c.findText("VERTICAL LINE LOADS (MAX. = 500.00 PLF)"), nullptr);
    EXPECT_EQ(countText(c, "10.00 (FT)"), 2);
    EXPECT_NE(findLine(c, 1440 + dx, 3744 + dy, 8640 + dx, 3744 + dy), nullptr);  // the distance axis
    EXPECT_NE(findLine(c, 5184 + dx, 3888 + dy, 8640 + dx, 3888 + dy), nullptr);  // the ground
  }
}

TEST_F(SurchargeDiagrams, RampsReachTheirEndAt2880AndRunOnTo3600) {
  NumRampLoads(1) = 1;
  RampStartDist(1) = 2, RampEndDist(1) = 6, RampLoad(1) = 300;
  // The left side had a ramp once: its end distance is still stored, its count is 0.
  NumRampLoads(2) = 0;
  RampEndDist(2) = 4;
  RecordingCanvas c;
  plots::DrawSurchargeDiagram(c, 5, false);
  EXPECT_NE(findLine(c, 5040 + 2.0 / 6 * 2880, 3024, 7920, 1584), nullptr);  // the slope
  EXPECT_NE(findLine(c, 7920, 1584, 8640, 1584), nullptr);                   // the full load
  EXPECT_NE(c.findText("6.00 (FT)"), nullptr);
  // A side without a ramp gets no dimension, whatever distance it still holds.
  EXPECT_EQ(c.findText("4.00 (FT)"), nullptr);
  EXPECT_EQ(findLine(c, 5040, 3744, 5040 - 4.0 / 6 * 2880, 3744), nullptr);
}

TEST_F(SurchargeDiagrams, PrintedFillsAreGreyAndEveryLineBlack) {
  NumStripLoads(1) = 1;
  StripStartDist(1, 1) = 2, StripEndDist(1, 1) = 8, StripLoad(1, 1) = 400;
  NumUniformLoads(2) = 1;
  UniformLoad(2) = 200;
  for (const int plot : {3, 4}) {
    RecordingCanvas screen, paper;
    plots::DrawSurchargeDiagram(screen, plot, false);
    plots::DrawSurchargeDiagram(paper, plot, true);
    std::vector<Rgb> loads;
    for (const CanvasOp& b : screen.all(CanvasOp::Kind::FilledBox))
      if (!(b.color == kBlack)) loads.push_back(b.color);
    ASSERT_EQ(loads.size(), 1u);
    EXPECT_EQ(loads[0], plot == 3 ? kGreen : kRed);
    for (const CanvasOp& b : paper.all(CanvasOp::Kind::FilledBox)) {
      if (!(b.color == kBlack)) {
        EXPECT_EQ(b.color, kGrey);
      }
    }
    for (const CanvasOp& l : paper.all(CanvasOp::Kind::Line)) EXPECT_EQ(l.color, kBlack);
  }
  RecordingCanvas c;
  plots::DrawSurchargeDiagram(c, 3, false);
  // The only uniform load reaches the full 1440 twips; its label is 144 above it.
  const CanvasOp* label = c.findText("LEFTSIDE 200.00 (PSF)");
  ASSERT_NE(label, nullptr);
  EXPECT_DOUBLE_EQ(label->y1, 1584 - 144 - 100);
  EXPECT_DOUBLE_EQ(label->x1, 3240 - halfWidth("LEFTSIDE 200.00 (PSF)"));
}

TEST_F(SurchargeDiagrams, ScalesWithoutASpanDrawNoLoadAndDivideByNothing) {
  // Every line load at the wall: the arrows stand on the wall's centre line.
  NumLineLoads(1) = 2;
  LineLoadDist(1, 1) = LineLoadDist(1, 2) = 0;
  LineLoad(1, 1) = 100, LineLoad(1, 2) = 200;
  RecordingCanvas c;
  plots::DrawSurchargeDiagram(c, 2, false);
  expectAllFinite(c);
  EXPECT_NE(findLine(c, 5040, 1584, 5040, 3024), nullptr);
  EXPECT_EQ(countText(c, "0.00 (FT)"), 2);

  // Strips, triangles, ramps and variable loads of magnitude 0: frame and title, no load.
  NumStripLoads(1) = 1, StripStartDist(1, 1) = 1, StripEndDist(1, 1) = 3, StripLoad(1, 1) = 0;
  NumTriangularLoads(2) = 1, TriStartDist(2, 1) = 1, TriPeakDist(2, 1) = 2, TriEndDist(2, 1) = 3;
  TriPeakLoad(2, 1) = 0;
  NumRampLoads(1) = 1, RampEndDist(1) = 0, RampLoad(1) = 0;
  NumVariablePoints(1) = 2, VarLoadDist(1, 1) = 1, VarLoadDist(1, 2) = 3;
  VarLoadValue(1, 1) = VarLoadValue(1, 2) = 0;
  for (const int plot : {4, 5, 6, 7}) {
    SCOPED_TRACE(plot);
    c.clear();
    plots::DrawSurchargeDiagram(c, plot, false);
    expectAllFinite(c);
    EXPECT_TRUE(linesIn(c, kRed).empty());
    EXPECT_TRUE(linesIn(c, kGreen).empty());
    EXPECT_EQ(c.all(CanvasOp::Kind::FilledBox).size(), 1u);  // the wall alone
  }

  // A single variable-load point is an arrow at its distance, not a line from wherever
  // the pen was.
  NumVariablePoints(1) = 1;
  VarLoadDist(1, 1) = 4, VarLoadValue(1, 1) = 150;
  c.clear();
  c.currentX = 123, c.currentY = 456;
  plots::DrawSurchargeDiagram(c, 7, false);
  const auto red = linesIn(c, kRed);
  ASSERT_EQ(red.size(), 4u);
  EXPECT_NE(findLine(c, 8640, 1584, 8640, 3024), nullptr);
  for (const CanvasOp& l : red) EXPECT_NEAR(std::min(l.x1, l.x2), 8640 - 72, 72.1);
}

class HorizontalDiagrams : public PlotTest {};

TEST_F(HorizontalDiagrams, ALineLoadOf350PlfOnAWallOf20Ft) {
  WallTopElev = 20;
  NumHorizLineLoads = 1;
  HorizLineElev(1) = 10;
  for (const double load : {350.0, -350.0}) {
    HorizLineLoad(1) = load;
    SCOPED_TRACE(load);
    RecordingCanvas c;
    plots::DrawHorizontalDiagram(c, 8, false);
    // S = 400, B = 9, D = 12: y = 1008 + 4320 * 10 / 12.
    const double tip = load > 0 ? 2520 : 7560, base = load > 0 ? 2592 : 7488;
    const auto red = linesIn(c, kRed);
    ASSERT_EQ(red.size(), 4u);
    EXPECT_NE(findLine(c, 5040, 4608, tip, 4608), nullptr);
    EXPECT_NE(findLine(c, tip, 4608, base, 4536), nullptr);
    EXPECT_NE(findLine(c, base, 4536, base, 4680), nullptr);
    EXPECT_EQ(countText(c, "400"), 2);
    const CanvasOp* label = c.findText("EL= 10.0");
    ASSERT_NE(label, nullptr);
    EXPECT_DOUBLE_EQ(label->x1, 1080 - halfWidth("EL= 10.0"));
    EXPECT_DOUBLE_EQ(label->y1, 4608 - 100);
  }
}

TEST_F(HorizontalDiagrams, PrintedLoadsAreBlackAndPrintedWaterRed) {
  WallTopElev = 20;
  NumHorizDistPoints = 2;
  HorizDistElev(1) = 20, HorizDistLoad(1) = 40;
  HorizDistElev(2) = 10, HorizDistLoad(2) = -40;
  WaterDataType = "P";
  NumWaterPressPoints = 2;
  WaterPressElev(1) = 15, WaterPressValue(1) = 0;
  WaterPressElev(2) = 5, WaterPressValue(2) = 312;
  RecordingCanvas dist, water;
  plots::DrawHorizontalDiagram(dist, 9, true);
  plots::DrawHorizontalDiagram(water, 10, true);
  EXPECT_TRUE(linesIn(dist, kRed).empty());
  EXPECT_FALSE(linesIn(water, kRed).empty());
  // The water scale rounds 312 up to 400; a point at 0 gets no arrow head.
  EXPECT_EQ(countText(water, "400"), 2);
  // The frame moves by (1440, 4320): the scale line on paper.
  EXPECT_NE(findLine(water, 3600, 5328, 9360, 5328), nullptr);
  // A head pointing left into the wall at the positive point, right at the negative one.
  EXPECT_NE(findLine(dist, 6552, 5328 - 72, 6480, 5328), nullptr);
  const double y10 = 5328 + 4320 * 10.0 / 12;
  EXPECT_NE(findLine(dist, 6408, y10 - 72, 6480, y10), nullptr);
}

TEST_F(HorizontalDiagrams, WaterStandingAboveTheWallStaysInsideTheFrame) {
  WallTopElev = 10;
  WaterDataType = "P";
  NumWaterPressPoints = 2;
  WaterPressElev(1) = 12, WaterPressValue(1) = 0;
  WaterPressElev(2) = -8, WaterPressValue(2) = 1248;
  RecordingCanvas c;
  plots::DrawHorizontalDiagram(c, 10, false);
  // The figure runs from the table's top, 12, to a foot below its lowest point.
  const auto red = linesIn(c, kRed);
  ASSERT_FALSE(red.empty());
  EXPECT_DOUBLE_EQ(red.front().y1, 1008);
  const CanvasOp* bottom = c.findText("EL= -8.0");
  ASSERT_NE(bottom, nullptr);
  EXPECT_DOUBLE_EQ(bottom->y1, 1008 + 4320 * 20.0 / 22 - 100);
  const CanvasOp* top = c.findText("EL= 12.0");
  ASSERT_NE(top, nullptr);
  EXPECT_DOUBLE_EQ(top->y1, 1008 - 100);
  for (const CanvasOp& l : red) {
    EXPECT_GE(std::min(l.y1, l.y2), 1008 - 72 - 1e-9);
    EXPECT_LE(std::max(l.y1, l.y2), 5320);
  }
}

TEST_F(HorizontalDiagrams, AllZeroValuesDrawTheFrameAndNoLoad) {
  WallTopElev = 20;
  NumHorizLineLoads = 2;
  HorizLineElev(1) = 15, HorizLineElev(2) = 5;
  HorizLineLoad(1) = HorizLineLoad(2) = 0;
  NumHorizDistPoints = 2;
  HorizDistElev(1) = 15, HorizDistElev(2) = 5;
  HorizDistLoad(1) = HorizDistLoad(2) = 0;
  for (const int plot : {8, 9}) {
    RecordingCanvas c;
    plots::DrawHorizontalDiagram(c, plot, false);
    expectAllFinite(c);
    EXPECT_TRUE(linesIn(c, kRed).empty());
    EXPECT_EQ(countText(c, "0"), 3);
    EXPECT_NE(findLine(c, 5040, 1008, 5040, 5320), nullptr);
  }
}

TEST(ScaleRounding, TheTableOfTheInputAndSoilPressurePlots) {
  const struct {
    double in, out;
  } cases[] = {{350, 400}, {1000, 1000}, {4001, 5000}, {0.05, 0.1}, {4000, 4000}, {150, 200},
               {9.99, 10}, {0.5, 1},     {1000.5, 1000}, {0, 0},     {-5, 0}};
  for (const auto& c : cases) EXPECT_NEAR(plots::RoundPlotScale(c.in), c.out, 1e-12) << c.in;
}
