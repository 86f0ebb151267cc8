// The result plots drawn on a recording canvas over a small made-up solution: a wall
// from 20 ft down to a tip at -10 ft (free earth) or -16 ft (fixed earth), anchored at
// 18 ft, ground at 20 ft behind and 0 ft in front. The fake text metrics (100 twips a
// character, 200 high) let every label's place follow by hand from its placing rule.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/problem_data.h"
#include "platform/recording_canvas.h"
#include "plots/result_plots.h"
#include "pressures/pressure_data.h"
#include "wall/wall_data.h"

using platform::CanvasOp;
using platform::RecordingCanvas;
using platform::Rgb;
using plots::PlotTarget;
using plots::ResultWindowKind;

namespace {

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{255, 0, 0}, kBlue{0, 0, 255}, kGreen{0, 127, 0},
    kGrey{200, 200, 200};

class ResultPlots : public ::testing::Test {
 protected:
  void SetUp() override {
    RunMode = "D";
    WallTopElev = 20;
    AnchorElev = 18;
    SurfaceElev(1, 1) = 20;
    SurfaceElev(2, 1) = 0;
    NumSoilLayers(1) = NumSoilLayers(2) = 1;
    WaterDataType = "";
    WaterElev(1) = WaterElev(2) = 0;
    NumHeadingLines = 2;
    HeadingLines(1) = "'FIRST LINE";
    HeadingLines(2) = "'SECOND LINE";
    TipElev(1) = -10;
    TipElev(2) = -16;
    // Method 1's profile: 4 points, the one at 10 ft doubled by a jump.
    const double elev[] = {20, 10, 10, 0, -10};
    const double defl[] = {-0.2, 1.5, 1.5, 0.8, 0};
    const double moment[] = {0, -3000, -3000, 1234, 0};
    const double shear[] = {0, 500, -900, 300, 0};
    const double net[] = {0, 200, 250, -400, -600};
    TipIndex(1) = TipIndex(2) = 5;
    for (int i = 1; i <= 5; ++i) {
      ResultElev(i) = elev[i - 1];
      ResultDeflection(i) = defl[i - 1];
      ResultMoment(i) = moment[i - 1];
      ResultShear(i) = shear[i - 1];
      ResultNetPressure(i) = net[i - 1];
    }
    setRange(DeflectionRange, 1.5, -0.2);
    setRange(MomentRange, 1234, -3000);
    setRange(ShearRange, 500, -900);
    setRange(NetPressureRange, 250, -600);
    // The grid runs on below the tip to a deep point.
    NumGridPoints = 6;
    const double grid[] = {20, 10, 0, -10, -16, -1000};
    for (int i = 1; i <= 6; ++i) {
      GridElev(i) = grid[i - 1];
      for (int k = 1; k <= 2; ++k) {
        for (int side = 1; side <= 2; ++side) {
          ActivePressure(side, i, k) = 10.0 * i * side;
          PassivePressure(side, i, k) = 100.0 * i * side;
        }
        NetWaterPressure(i, k) = 0;
      }
    }
    // A deep point far below every tip carries huge pressures; no plot reaches it.
    for (int side = 1; side <= 2; ++side)
      for (int k = 1; k <= 2; ++k) ActivePressure(side, 6, k) = PassivePressure(side, 6, k) = 1e7;
    NetWaterPressure(6, 1) = NetWaterPressure(6, 2) = -1e7;
  }
  static void setRange(platform::Array<double, 2, 2>& range, double largest, double smallest) {
    for (int m = 1; m <= 2; ++m) range(m, 1) = largest, range(m, 2) = smallest;
  }
  static const plots::ResultWindowConfig& window(ResultWindowKind k) { return plots::ResultWindow(k); }
  static RecordingCanvas draw(ResultWindowKind k, int plot, PlotTarget t = PlotTarget::Screen) {
    RecordingCanvas c;
    const auto& w = window(k);
    plots::DrawResultPlot(c, w, plots::ComputeResultScales(w.method), plot, t);
    return c;
  }
  static std::vector<CanvasOp> lines(const RecordingCanvas& c, Rgb colour, int width = 0) {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : c.all(CanvasOp::Kind::Line))
      if (op.color == colour && (width == 0 || op.drawWidth == width)) out.push_back(op);
    return out;
  }
  // Horizontal lines at y, across from x1 to x2.
  static int marksAt(const RecordingCanvas& c, double y, double x1, double x2, Rgb colour) {
    int n = 0;
    for (const CanvasOp& op : lines(c, colour, 2))
      if (std::abs(op.y1 - y) < 1e-6 && std::abs(op.y2 - y) < 1e-6 && op.x1 == x1 && op.x2 == x2) ++n;
    return n;
  }
  static void expectText(const RecordingCanvas& c, const std::string& text, double x, double y) {
    const CanvasOp* op = c.findText(text);
    ASSERT_NE(op, nullptr) << text;
    EXPECT_NEAR(op->x1, x, 1e-6) << text;
    EXPECT_NEAR(op->y1, y, 1e-6) << text;
  }
  static bool allFinite(const RecordingCanvas& c) {
    for (const CanvasOp& op : c.ops)
      if (!std::isfinite(op.x1) || !std::isfinite(op.y1) || !std::isfinite(op.x2) || !std::isfinite(op.y2))
        return false;
    return true;
  }
};

}  // namespace

TEST_F(ResultPlots, ScalesComeFromTheSolutionWhichStaysUntouched) {
  const plots::ResultScales s = plots::ComputeResultScales(1);
  EXPECT_DOUBLE_EQ(s.deflection.max, 2);   // 1.5
  EXPECT_DOUBLE_EQ(s.deflection.min, 1);   // |-0.2|
  EXPECT_DOUBLE_EQ(s.moment.max, 2000);    // 1234
  EXPECT_DOUBLE_EQ(s.moment.min, 3000);
  EXPECT_DOUBLE_EQ(s.shear.max, 500);
  EXPECT_DOUBLE_EQ(s.shear.min, 900);      // a multiple of its power of ten stays
  EXPECT_DOUBLE_EQ(s.netPressure.min, 600);
  // The soil maxima follow the diagrams down to the first grid point at or below the
  // tip (-10 ft, point 4): 40 psf active and 800 psf passive on the left side; the deep
  // point's 1e7 psf would flatten every diagram to a line.
  EXPECT_DOUBLE_EQ(s.ActivePressureMax, 80);
  EXPECT_DOUBLE_EQ(s.PassivePressureMax, 800);
  EXPECT_DOUBLE_EQ(plots::ComputeResultScales(2).PassivePressureMax, 1000);  // to -16 ft, point 5
  // No water data: no water scale, and the window switches its item off.
  EXPECT_FALSE(s.hasWater());
  // Computing again gives the same: nothing was rounded in place.
  EXPECT_EQ(DeflectionRange(1, 1), 1.5);
  EXPECT_EQ(DeflectionRange(1, 2), -0.2);
  EXPECT_DOUBLE_EQ(plots::ComputeResultScales(1).deflection.max, 2);
}

TEST_F(ResultPlots, NetWaterScalesAreMagnitudesAlongTheDrawnPath) {
  WaterDataType = "P";
  const double water[] = {-100, -300, -500, -200, -250};
  for (int i = 1; i <= 5; ++i) NetWaterPressure(i, 1) = NetWaterPressure(i, 2) = water[i - 1];
  plots::ResultScales s = plots::ComputeResultScales(1);  // ends at point 4
  EXPECT_DOUBLE_EQ(s.WaterPressureMin, 500);
  EXPECT_DOUBLE_EQ(s.WaterPressureMax, 100);
  EXPECT_TRUE(s.hasWater());
  for (int i = 1; i <= 6; ++i) NetWaterPressure(i, 1) = NetWaterPressure(i, 2) = 0.00005;
  EXPECT_FALSE(plots::ComputeResultScales(1).hasWater());
}

TEST_F(ResultPlots, DeflectionFrameLabelsAndCurveOnScreen) {
  // Dmax 2 on the left, Dmin 1 on the right: the zero line two thirds across.
  const RecordingCanvas c = draw(ResultWindowKind::FreeEarth, plots::kDeflectionPlot);
  ASSERT_FALSE(c.all(CanvasOp::Kind::Box).empty());
  const CanvasOp frame = c.all(CanvasOp::Kind::Box)[0];
  EXPECT_EQ(frame.x1, 2160);
  EXPECT_EQ(frame.y1, 1008);
  EXPECT_EQ(frame.x2, 7920);
  EXPECT_EQ(frame.y2, 5328);
  EXPECT_EQ(marksAt(c, 1008, 6000, 6000, kBlack), 0);
  const std::vector<CanvasOp> black = lines(c, kBlack, 2);
  ASSERT_FALSE(black.empty());
  EXPECT_NEAR(black[0].x1, 6000, 1e-9);  // the zero line
  EXPECT_EQ(black[0].y1, 1008);
  EXPECT_EQ(black[0].y2, 5328);
  expectText(c, "2.00E+00", 2160 - 400, 864 - 100);
  expectText(c, "-1.00E+00", 7920 - 450, 864 - 100);  // the negative end with its sign
  expectText(c, "0", 6000 - 50, 864 - 100);
  expectText(c, "SCALED DEFLECTION (LB-IN^3)", 5040 - 1350, 216);
  expectText(c, "FOR ANCHORED WALL DESIGN BY FREE EARTH METHOD", 5040 - 2250, 432);
  expectText(c, "20.00", 864 - 250, 1008 - 100);  // the wall top, centred on the edge
  expectText(c, "-10.00", 864 - 300, 5364 - 200);  // the tip, standing on 5364
  // The curve: a red point at the top value, then one red segment per point to the tip.
  const std::vector<CanvasOp> points = c.all(CanvasOp::Kind::Point);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0].color, kRed);
  EXPECT_NEAR(points[0].x1, 2160 + 5760 * (2 + 0.2) / 3, 1e-9);
  const std::vector<CanvasOp> curve = lines(c, kRed, 3);
  ASSERT_EQ(curve.size(), 4u);
  EXPECT_NEAR(curve[0].x2, 2160 + 5760 * (2 - 1.5) / 3, 1e-9);
  EXPECT_NEAR(curve[0].y2, 1008 + 4320 * 10.0 / 30, 1e-9);
  EXPECT_NEAR(curve[3].x2, 6000, 1e-9);  // 0 at the tip, on the frame's bottom edge
  EXPECT_NEAR(curve[3].y2, 5328, 1e-9);
}

TEST_F(ResultPlots, TheCantileverDeflectionAndFreeEarthMomentPlaceSomeLabelsTheirOwnWay) {
  const double ySurfaceLeft = 1008 + 4320 * 20.0 / 30;
  {
    // The cantilever deflection hangs the top label below the edge and stands the
    // surface labels on their lines.
    const RecordingCanvas c = draw(ResultWindowKind::Cantilever, plots::kDeflectionPlot);
    expectText(c, "20.00", 614, 1008);
    expectText(c, "0.00", 864 - 200, ySurfaceLeft - 200);
    expectText(c, "ELEV.", 864 - 250, 288);
  }
  {
    const RecordingCanvas c = draw(ResultWindowKind::Cantilever, plots::kMomentPlot);
    expectText(c, "0.00", 864 - 200, ySurfaceLeft - 100);
    expectText(c, "ELEV.", 864 - 250, 288);
  }
  expectText(draw(ResultWindowKind::FreeEarth, plots::kMomentPlot), "ELEV.", 864 - 250, 216);
  expectText(draw(ResultWindowKind::FixedEarth, plots::kMomentPlot), "ELEV.", 864 - 250, 288);
}

TEST_F(ResultPlots, OnlyTheAnchoredWindowsMarkTheAnchorAndNeverInTheNetWaterPlot) {
  WaterDataType = "E";
  WaterElev(1) = 5;
  WaterElev(2) = -10;  // at the free earth tip: not marked there
  for (int i = 1; i <= 6; ++i) NetWaterPressure(i, 1) = NetWaterPressure(i, 2) = 10.0 * i;
  for (ResultWindowKind k : {ResultWindowKind::Cantilever, ResultWindowKind::FreeEarth, ResultWindowKind::FixedEarth}) {
    const bool anchored = k != ResultWindowKind::Cantilever;
    for (int plot = 1; plot <= 7; ++plot) {
      SCOPED_TRACE(std::string(plots::ResultWindow(k).name) + " plot " + std::to_string(plot));
      const RecordingCanvas c = draw(k, plot);
      const double tipSpan = 20 - TipElev(plots::ResultWindow(k).method);
      const double y = 1008 + 4320 * 2.0 / tipSpan;
      const int redMarks = plot >= 5 && plot <= 6
                               ? marksAt(c, y, plot == 5 ? 2160 : 960, plot == 5 ? 5040 : 3840, kRed)
                               : marksAt(c, y, 2160, 7920, kRed);
      EXPECT_EQ(redMarks, anchored && plot != 7 ? 1 : 0);
      EXPECT_EQ(c.findText("18.00") != nullptr, anchored && plot != 7);
      // Water: the right side's level at 5 ft in blue.
      const double yWater = 1008 + 4320 * 15.0 / tipSpan;
      if (plot < 5 || plot == 7) {
        EXPECT_EQ(marksAt(c, yWater, 2160, 7920, kBlue), 1);
      }
    }
    // On paper the anchored windows mark the anchor too, in black like every mark there.
    for (int plot : {plots::kShearPlot, plots::kNetWaterPlot}) {
      const RecordingCanvas paper = draw(k, plot, PlotTarget::Paper);
      const double y = 4320 + 1008 + 4320 * 2.0 / (20 - TipElev(plots::ResultWindow(k).method));
      const bool marked = anchored && plot != plots::kNetWaterPlot;
      EXPECT_EQ(paper.findText("18.00") != nullptr, marked);
      EXPECT_EQ(marksAt(paper, y, 3600, 9360, kBlack), marked ? 1 : 0);
      EXPECT_TRUE(lines(paper, kRed, 2).empty());
      EXPECT_TRUE(lines(paper, kBlue).empty());  // water lines are black on paper
    }
  }
}

TEST_F(ResultPlots, SideSoilPressurePlotsAreMirrorImagesOnScreenAndPaper) {
  struct Case {
    int plot;
    PlotTarget target;
    double first, second, column;
    int arraySide;
  } cases[] = {
      {plots::kLeftSidePlot, PlotTarget::Screen, 2160, 5760, 864, 2},
      {plots::kRightSidePlot, PlotTarget::Screen, 960, 4560, 8736, 1},
      {plots::kLeftSidePlot, PlotTarget::Paper, 3600, 7200, 2304, 2},
      {plots::kRightSidePlot, PlotTarget::Paper, 2400, 6000, 10176, 1},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.column);
    const RecordingCanvas c = draw(ResultWindowKind::FixedEarth, k.plot, k.target);
    const bool paper = k.target == PlotTarget::Paper;
    const double oy = paper ? 4320 : 0;
    const std::vector<CanvasOp> boxes = c.all(CanvasOp::Kind::Box);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].x1, k.first);
    EXPECT_EQ(boxes[0].x2, k.first + 2880);
    EXPECT_EQ(boxes[1].x1, k.second);
    EXPECT_EQ(boxes[1].x2, k.second + 2880);
    EXPECT_EQ(boxes[0].y1, 1008 + oy);
    EXPECT_EQ(boxes[0].y2, 5328 + oy);
    // The tip label: under the frames on screen, centred on their bottom edge on paper.
    expectText(c, "-16.00", k.column - 300, paper ? 9648 - 100 : 5364 - 200);
    // The surfaces are marked across both frames.
    const double yLeftGround = 1008 + oy + 4320 * 20.0 / 36;
    EXPECT_EQ(marksAt(c, yLeftGround, k.first, k.first + 2880, kBlack), 1);
    EXPECT_EQ(marksAt(c, yLeftGround, k.second, k.second + 2880, kBlack), 1);
    // The passive diagram grows from its zero edge toward the elevation column and reads
    // the plot's own side: 100 psf x side at point 1, scale 1000.
    const bool left = k.plot == plots::kLeftSidePlot;
    const double passiveZero = left ? k.first + 2880 : k.second;
    const Rgb passiveColour = paper ? kBlack : kGreen;
    const std::vector<CanvasOp> diagram = paper ? std::vector<CanvasOp>{} : lines(c, passiveColour, 3);
    if (!paper) {
      ASSERT_GE(diagram.size(), 3u);
      EXPECT_EQ(diagram[0].x1, passiveZero);
      const double d = left ? -1 : 1;
      EXPECT_NEAR(diagram[0].x2, passiveZero + d * 2880 * 100.0 * k.arraySide / 1000, 1e-9);
      // Each interval a trapezoid closed on the zero edge; the last ends at the first
      // grid point at or below the tip (-16 ft), not at the deep point.
      EXPECT_EQ(diagram.size(), 3u * 4);
      EXPECT_NEAR(diagram.back().y2, 5328, 1e-9);
      EXPECT_EQ(lines(c, kRed, 3).size(), 3u * 4);  // the active diagram
    } else {
      EXPECT_TRUE(lines(c, kGreen).empty());
      EXPECT_TRUE(lines(c, kRed).empty());
      EXPECT_NE(c.findText("ACTIVE"), nullptr);
      EXPECT_NEAR(c.findText("ACTIVE")->y1, 5184 - 100, 1e-9);
    }
  }
}

TEST_F(ResultPlots, PrintedProfilePlotsByWindow) {
  // What the printed deflection, moment, shear and net soil plots draw, per window: the
  // curve's colour, the title and its top, and the side of the largest value's label.
  struct Row {
    ResultWindowKind window;
    int plot;
    Rgb colour;
    const char* title;
    double titleTop;
    const char* maxLabel;
    double maxX;
  } rows[] = {
      {ResultWindowKind::Cantilever, 1, kBlack, "SCALED DEFLECTION (LB-IN^3)", 4536, "2.00E+00", 3600},
      {ResultWindowKind::Cantilever, 2, kRed, "BENDING MOMENT (LB-FT)", 4536, "2.00E+03", 9360},
      {ResultWindowKind::Cantilever, 3, kBlack, "SHEAR (LB)", 4536, "500", 9360},
      {ResultWindowKind::Cantilever, 4, kRed, "SOIL PRESSURE (PSF)", 4608, "300", 9360},
      {ResultWindowKind::FreeEarth, 2, kBlack, "BENDING MOMENT (LB-FT)", 4536, "2.00E+03", 9360},
      {ResultWindowKind::FreeEarth, 4, kBlack, "SOIL PRESSURE (PSF)", 4536, "300", 9360},
      {ResultWindowKind::FixedEarth, 1, kBlack, "SCALED DEFLECTION (LB-IN^3)", 4536, "2.00E+00", 3600},
      {ResultWindowKind::FixedEarth, 4, kBlack, "SOIL PRESSURE (PSF)", 4536, "300", 9360},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(plots::ResultWindow(r.window).name) + " plot " + std::to_string(r.plot));
    const RecordingCanvas c = draw(r.window, r.plot, PlotTarget::Paper);
    const std::vector<CanvasOp> curve = c.all(CanvasOp::Kind::Line);
    ASSERT_FALSE(curve.empty());
    EXPECT_EQ(curve.back().color, r.colour);
    EXPECT_EQ(curve.back().drawWidth, 3);
    const CanvasOp* title = c.findText(r.title);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->y1, r.titleTop);
    const CanvasOp* max = c.findText(r.maxLabel);
    ASSERT_NE(max, nullptr);
    EXPECT_NEAR(max->x1 + 50.0 * std::string(r.maxLabel).size(), r.maxX, 1e-9);
    EXPECT_EQ(max->y1, 5328 - 200);  // standing on the box's top edge
    // Every printed text is placed by a white point at its corner first.
    for (std::size_t i = 1; i < c.ops.size(); ++i) {
      if (c.ops[i].kind != CanvasOp::Kind::Text) continue;
      EXPECT_EQ(c.ops[i - 1].kind, CanvasOp::Kind::Point);
      EXPECT_EQ(c.ops[i - 1].color, kWhite);
    }
  }
}

TEST_F(ResultPlots, ThePrintedPageHasItsHeadingsFrameAndOneAxis) {
  NumHeadingLines = 3;
  HeadingLines(3) = "'THIRD";
  RecordingCanvas page;
  const auto& w = plots::ResultWindow(ResultWindowKind::FreeEarth);
  plots::DrawResultPage(page, w, plots::ComputeResultScales(1), plots::kShearPlot);
  ASSERT_FALSE(page.ops.empty());
  EXPECT_EQ(page.ops[0].kind, CanvasOp::Kind::Font);
  EXPECT_EQ(page.ops[0].text, "Arial");
  EXPECT_EQ(page.ops[0].points, 8.25);
  expectText(page, "'FIRST LINE", 1440, 3744);
  expectText(page, "'SECOND LINE", 1440, 4032);
  EXPECT_EQ(page.findText("'THIRD"), nullptr);
  const CanvasOp frame = page.all(CanvasOp::Kind::Box)[0];
  EXPECT_EQ(frame.x1, 1440);
  EXPECT_EQ(frame.y1, 4320);
  EXPECT_EQ(frame.x2, 11160);
  EXPECT_EQ(frame.y2, 9720);
  const CanvasOp box = page.all(CanvasOp::Kind::Box)[1];
  EXPECT_EQ(box.x1, 3600);
  EXPECT_EQ(box.y1, 5328);
  EXPECT_EQ(box.x2, 9360);
  EXPECT_EQ(box.y2, 9648);
  // One elevation axis, drawn before the plot box; its tip stands on the page frame.
  int heads = 0;
  for (const std::string& t : page.texts()) heads += t == "ELEV.";
  EXPECT_EQ(heads, 1);
  expectText(page, "ELEV.", 2304 - 250, 4608);
  expectText(page, "-10.00", 2304 - 300, 9720 - 200);
  expectText(page, "FOR ANCHORED WALL DESIGN BY FREE EARTH METHOD", 6480 - 2250, 4752);
}

TEST_F(ResultPlots, ZeroSpansDrawTheFrameAndLabelsButNoCurve) {
  for (int i = 1; i <= 5; ++i) ResultMoment(i) = 0;
  setRange(MomentRange, 0, 0);
  RecordingCanvas c = draw(ResultWindowKind::Cantilever, plots::kMomentPlot);
  EXPECT_TRUE(allFinite(c));
  EXPECT_TRUE(lines(c, kRed, 3).empty());
  EXPECT_EQ(c.all(CanvasOp::Kind::Box).size(), 1u);
  EXPECT_NE(c.findText("0.00E+00"), nullptr);

  // A wall top level with its tip: no elevation scale at all.
  TipElev(1) = WallTopElev;
  for (int plot = 1; plot <= 7; ++plot) {
    for (PlotTarget t : {PlotTarget::Screen, PlotTarget::Paper}) {
      SCOPED_TRACE(plot);
      c = draw(ResultWindowKind::FreeEarth, plot, t);
      EXPECT_TRUE(allFinite(c));
      EXPECT_TRUE(lines(c, kRed, 3).empty());
      EXPECT_TRUE(lines(c, kGreen).empty());
      EXPECT_FALSE(c.all(CanvasOp::Kind::Box).empty());
    }
  }
}

TEST_F(ResultPlots, TheShownPlotsBoxIsThreeQuartersOfTheWindowCentredOnIt) {
  const plots::TwipRect r = plots::PlotBoxPlace(9450, 7200);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.width, 9450);
  EXPECT_EQ(r.height, 5472);
  EXPECT_EQ(r.top, 864);
}

TEST_F(ResultPlots, TheZeroLabelNeverPrintsOverAnEndLabel) {
  // Shear never below zero: the zero line on the left edge, where the smallest value's
  // label "0" already stands. A largest moment of 50 against a smallest of -70000: the
  // zero line a few twips from the right edge, under "5.00E+01".
  for (int i = 1; i <= 5; ++i) ResultShear(i) = std::abs(ResultShear(i));
  setRange(ShearRange, 900, 0);
  setRange(MomentRange, 50, -70000);
  for (PlotTarget t : {PlotTarget::Screen, PlotTarget::Paper}) {
    const RecordingCanvas shear = draw(ResultWindowKind::FixedEarth, plots::kShearPlot, t);
    int zeros = 0;
    for (const std::string& text : shear.texts()) zeros += text == "0";
    EXPECT_EQ(zeros, 1);
    const RecordingCanvas moment = draw(ResultWindowKind::FixedEarth, plots::kMomentPlot, t);
    EXPECT_NE(moment.findText("5.00E+01"), nullptr);
    EXPECT_NE(moment.findText("-7.00E+04"), nullptr);
    EXPECT_EQ(moment.findText("0"), nullptr);
  }
  // Well inside the frame the zero keeps its label.
  setRange(MomentRange, 30000, -70000);
  EXPECT_NE(draw(ResultWindowKind::FixedEarth, plots::kMomentPlot).findText("0"), nullptr);
}

// Right layer bottoms at 9.6, 9.2, 8.8, 8.4 and 8.0 with the right water at 9.0, 144
// twips a foot: six labels 200 high whose lines span 230 twips. They stand as one block,
// 200 apart in the order of their lines, its moves adding up to nothing (least squares):
// its first top is the mean of (wanted top - 200 k).
TEST_F(ResultPlots, CrowdedElevationLabelsStandApartInTheOrderOfTheirLines) {
  NumSoilLayers(1) = 6;
  const double bottoms[] = {9.6, 9.2, 8.8, 8.4, 8.0, -200000};
  for (int i = 1; i <= 6; ++i) LayerBottomElev(1, i) = bottoms[i - 1];
  WaterDataType = "E";
  WaterElev(1) = 9.0;
  WaterElev(2) = 0;
  const std::vector<std::pair<std::string, double>> crowd = {{"9.60", 9.6}, {"9.20", 9.2}, {"9.00", 9.0},
                                                             {"8.80", 8.8}, {"8.40", 8.4}, {"8.00", 8.0}};
  for (PlotTarget t : {PlotTarget::Screen, PlotTarget::Paper}) {
    const double oy = t == PlotTarget::Paper ? 4320 : 0;
    const auto y = [&](double e) { return oy + 1008 + 144 * (20 - e); };
    double sum = 0;
    for (std::size_t k = 0; k < crowd.size(); ++k) sum += y(crowd[k].second) - 100 - 200.0 * static_cast<double>(k);
    const double first = sum / static_cast<double>(crowd.size());
    for (int plot : {plots::kMomentPlot, plots::kRightSidePlot}) {
      SCOPED_TRACE(std::to_string(plot) + (t == PlotTarget::Paper ? " paper" : " screen"));
      const RecordingCanvas c = draw(ResultWindowKind::FreeEarth, plot, t);
      for (std::size_t k = 0; k < crowd.size(); ++k) {
        const CanvasOp* label = c.findText(crowd[k].first);
        ASSERT_NE(label, nullptr) << crowd[k].first;
        EXPECT_NEAR(label->y1, first + 200.0 * static_cast<double>(k), 1e-3) << crowd[k].first;
      }
      // The labels with room keep their places: the anchor and the ground in front.
      EXPECT_NEAR(c.findText("18.00")->y1, y(18) - 100, 1e-9);
      EXPECT_NEAR(c.findText("0.00")->y1, y(0) - 100, 1e-9);
    }
  }
}

TEST_F(ResultPlots, ElevationLabelsNeverPrintOverEachOther) {
  // Both grounds at 0 ft: one label. An anchor 0.5 ft under the top (72 twips, less than a
  // text's 200): the two labels part, the anchor's right under the top's; a layer bottom
  // just above the tip moves up clear of the tip's, which stands on the frame's edge.
  SurfaceElev(1, 1) = 0;
  AnchorElev = 19.5;
  NumSoilLayers(1) = 2;
  LayerBottomElev(1, 1) = -9.8;
  for (PlotTarget t : {PlotTarget::Screen, PlotTarget::Paper}) {
    for (int plot : {plots::kMomentPlot, plots::kRightSidePlot}) {
      SCOPED_TRACE(plot);
      const RecordingCanvas c = draw(ResultWindowKind::FreeEarth, plot, t);
      std::vector<CanvasOp> column;
      for (const CanvasOp& op : c.all(CanvasOp::Kind::Text))
        if (op.text == "0.00" || op.text == "20.00" || op.text == "19.50" || op.text == "-9.80" ||
            op.text == "-10.00")
          column.push_back(op);
      EXPECT_EQ(column.size(), 5u);
      for (std::size_t i = 0; i < column.size(); ++i)
        for (std::size_t j = i + 1; j < column.size(); ++j)
          EXPECT_GE(std::abs(column[i].y1 - column[j].y1), 200 - 1e-9) << column[i].text << " " << column[j].text;
      // The anchor's label sits right under the top's, the layer's right over the tip's.
      const double top = c.findText("20.00")->y1;
      EXPECT_NEAR(c.findText("19.50")->y1, top + 200, 1e-9);
      EXPECT_NEAR(c.findText("-9.80")->y1, c.findText("-10.00")->y1 - 200, 1e-9);
    }
  }
}
