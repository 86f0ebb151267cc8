#include "wedge_fixture.h"

namespace pressures_test {
namespace {

using WedgeWeightTest = WedgeTest;

constexpr double kGw = 62.4;

double Weigh(int side, double x1, double y1, double x2, double y2, int layer, double ref = -3) {
  double w = -1;
  ComputeWedgeWeight(w, ref, (y2 - y1) / (x2 - x1), side, 1, x1, y1, x2, y2, layer);
  return w;
}

// One layer, level ground at 10; the slice from the wall to 10 ft cut by the line from
// (0, 0) to (10, 10) holds the triangle (0, 10), (10, 10), (0, 0).
TEST_F(WedgeWeightTest, TriangleDryUnderWaterAndAnyReferenceElevation) {
  Surface(1, {{0, 10}, {20, 10}});
  Layers(1, {});
  BuildWedgeGeometry(1);
  EXPECT_NEAR(Weigh(1, 0, 0, 10, 10, 1), 50 * 100, 1e-9);
  EXPECT_NEAR(Weigh(1, 0, 0, 10, 10, 1, 1000), 50 * 100, 1e-9);

  WaterDataType = "E";
  WaterElev(1) = 5;
  BuildWedgeGeometry(1);
  EXPECT_NEAR(Weigh(1, 0, 0, 10, 10, 1), 37.5 * 100 + 12.5 * (120 - kGw), 1e-9);
}

// Seepage on each side: below the water and above the bottom of the seepage path the
// flow makes the soil heavier on the right side and lighter on the left side.
TEST_F(WedgeWeightTest, SeepageOnEachSide) {
  const double i = 0.2;
  WaterDataType = "E";
  SeepageOption = "G";
  SeepageGradient(1) = i;
  SeepageBottomElev(1) = 2;
  for (int side = 1; side <= 2; ++side) {
    Surface(side, {{0, 10}, {20, 10}});
    Layers(side, {});
  }
  // Left: water at 6; slices of the triangle under the line y = x: 18 ft2 below 6 of which
  // 2 ft2 below 2.
  WaterElev(2) = 6;
  BuildWedgeGeometry(2);
  BuildSeepageZoneGeometry(2, 1);
  EXPECT_NEAR(Weigh(2, 0, 0, 10, 10, 1),
              32 * 100 + 16 * (120 - (1 + i) * kGw) + 2 * (120 - kGw), 1e-9);
  // Right: water at 9, seepage elevation 6: 40.5 ft2 below 9.
  WaterElev(1) = 9;
  SeepageElev = 6;
  BuildWedgeGeometry(1);
  BuildSeepageZoneGeometry(1, 1);
  EXPECT_NEAR(Weigh(1, 0, 0, 10, 10, 1),
              9.5 * 100 + (22.5 + 2) * (120 - kGw) + 16 * (120 - (1 - i) * kGw), 1e-9);
}

TEST_F(WedgeWeightTest, WholeLayerPinchingOutAndLayersNearerTheWall) {
  Surface(1, {{0, 10}, {20, 10}, {40, 0}});
  Layers(1, {{5, 0}});
  LayerMoistUnitWeight(1, 2) = 120;
  BuildWedgeGeometry(1);
  // Layer 1 between 10 and 30 ft (it pinches out at 30): 10 x 5 + 10 x 5 / 2 = 75 ft2.
  // Layer 2 between its top and the line from (10, -5) to (50, -1): 125 + 120 ft2.
  EXPECT_NEAR(Weigh(1, 10, -5, 50, -1, 2), 75 * 100 + 245 * 120, 1e-9);
  // A slice beyond the pinch point takes nothing of layer 1.
  EXPECT_NEAR(Weigh(1, 30, -5, 40, -4, 2), (25 + 45) * 120, 1e-9);
}

// A whole layer whose water figure starts with the level run to where its falling bottom
// reaches the water: a slice that starts nearer the wall must weigh what lies in it.
TEST_F(WedgeWeightTest, FallingBottomUnderWaterWeighsOnlyTheSoilBelowIt) {
  Surface(1, {{0, 10}, {30, 10}, {40, 3}, {60, -5}});
  Layers(1, {{6, -0.1}});
  WaterDataType = "E";
  WaterElev(1) = 4;
  BuildWedgeGeometry(1);
  ASSERT_EQ(WedgeWaterLineCode(1, 1), 3);
  // Both layers of one soil: the wedge under the ground to 50 ft and above the line from
  // (0, -20) to (50, -10) weighs moist above the water and submerged below it.
  const Pts wedge = {{0, 10}, {30, 10}, {40, 3}, {50, -1}, {50, -10}, {0, -20}};
  const Pts below = {{0, 4}, {30 + 6 / 0.7, 4}, {40, 3}, {50, -1}, {50, -10}, {0, -20}};
  const double expected = (Area(wedge) - Area(below)) * 100 + Area(below) * (120 - kGw);
  EXPECT_NEAR(Weigh(1, 0, -20, 50, -10, 2), expected, 1e-6);
  // A slice that ends before the bottom reaches the water: nothing of layer 1 is wet.
  const Pts wedge2 = {{0, 10}, {10, 10}, {10, -18}, {0, -20}};
  const Pts below2 = {{0, 4}, {10, 4}, {10, -18}, {0, -20}};
  EXPECT_NEAR(Weigh(1, 0, -20, 10, -18, 2),
              (Area(wedge2) - Area(below2)) * 100 + Area(below2) * (120 - kGw), 1e-6);
}

// Ground under water at the wall, rising out of it, over a layer bottom that rises through
// the water farther out: the water figure follows the ground up to the water, then the
// water level, and only then drops to the bottom.
TEST_F(WedgeWeightTest, GroundRisingOutOfTheWaterAboveARisingBottom) {
  Surface(2, {{0, 0}, {10, 5}, {40, 5}});
  Layers(2, {{-2, 0.3}});
  LayerMoistUnitWeight(2, 2) = 110;
  LayerSatUnitWeight(2, 2) = 125;
  WaterDataType = "E";
  WaterElev(2) = 1;
  BuildWedgeGeometry(2);
  ASSERT_EQ(WedgeWaterLineCode(2, 1), 2);
  ExpectFigure(WedgeWaterLine(2, 1), {{0, 0}, {2, 1}, {10, 1}, {0, -2}}, "water line 1");
  // The slice from the wall to 10 ft over the line from (0, -10) to (10, -3): layer 1 is
  // (0, 0), (10, 5), (10, 1), (0, -2), of which the triangle (2, 1), (10, 5), (10, 1) lies
  // above the water; layer 2 lies between its top and the line, all of it under water.
  const double dry1 = Area({{2, 1}, {10, 5}, {10, 1}});
  const double wet1 = Area({{0, 0}, {10, 5}, {10, 1}, {0, -2}}) - dry1;
  const double wet2 = Area({{0, -2}, {10, 1}, {10, -3}, {0, -10}});
  EXPECT_NEAR(Weigh(2, 0, -10, 10, -3, 2),
              dry1 * 100 + wet1 * (120 - kGw) + wet2 * (125 - kGw), 1e-9);
}

// A lower left ground under water, given the retained side's three layers: the upper
// layer lies wholly above the ground (and its bottom above the water), so the soil at
// the wall is the middle layer, under water from the ground down.
TEST_F(WedgeWeightTest, LayerAboveTheGroundDoesNotKeepTheWaterOutOfTheLayerBelow) {
  Surface(2, {{0, 0}, {30, 0}});
  Layers(2, {{5, 0}, {-20, 0}});
  LayerMoistUnitWeight(2, 2) = 110;
  LayerSatUnitWeight(2, 2) = 125;
  WaterDataType = "E";
  WaterElev(2) = 3;
  BuildWedgeGeometry(2);
  // The triangle between the ground and the line from (0, -10) to (10, 0).
  EXPECT_NEAR(Weigh(2, 0, -10, 10, 0, 2), 50 * (125 - kGw), 1e-9);
}

// A berm before the wall rises through the bottom of the upper layer: near the wall the
// lower layer reaches up to the ground.
TEST_F(WedgeWeightTest, BermRisingThroughTheBottomOfTheUpperLayer) {
  Surface(2, {{0, 0}, {20, 10}, {60, 10}});
  Layers(2, {{5, 0}});
  LayerMoistUnitWeight(2, 2) = 110;
  BuildWedgeGeometry(2);
  // Slice from the wall to 16 ft over the line from (0, -4) to (16, 4): the lower layer
  // below the ground and below 5, the upper layer above 5 (the ground passes 5 at 10 ft).
  const double upper = Area({{10, 5}, {16, 8}, {16, 5}});
  const double lower = Area({{0, 0}, {10, 5}, {16, 5}, {16, 4}, {0, -4}});
  EXPECT_NEAR(Weigh(2, 0, -4, 16, 4, 2), upper * 100 + lower * 110, 1e-9);
}

TEST_F(WedgeWeightTest, SliceBeyondTheFiguresIsACalculationError) {
  Surface(1, {{0, 10}, {20, 10}, {40, 0}});
  Layers(1, {{5, 0}});
  BuildWedgeGeometry(1);
  // Layer 1 ends at 30 ft; a slice of it out to 35 ft would leave it.
  EXPECT_EQ(Weigh(1, 20, 5, 35, 6, 1), 0);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].title, "INVALID WEDGE GEOMETRY");
  EXPECT_EQ(boxes.boxes()[0].text, "A trial wedge reaches beyond the end" + NewLine +
                                     "of a soil figure." + NewLine + NewLine + "UNABLE TO CONTINUE.");
  EXPECT_EQ(AbortRun, 1);
}

struct SurchargeCase {
  const char* what;
  double x1, x2, expected;
};

TEST_F(WedgeWeightTest, SurchargeResultantOfEachLoadKind) {
  auto sum = [](double x1, double x2) {
    double t = 0;
    SumWedgeSurcharge(t, 1, x1, x2);
    return t;
  };
  auto none = [] {
    NumLineLoads(1) = NumUniformLoads(1) = NumStripLoads(1) = NumRampLoads(1) = 0;
    NumTriangularLoads(1) = NumVariablePoints(1) = 0;
  };
  none();
  NumLineLoads(1) = 1, LineLoadDist(1, 1) = 10, LineLoad(1, 1) = 1000;
  for (auto c : {SurchargeCase{"line beyond", 0, 10, 0}, SurchargeCase{"line at start", 10, 25, 1000}})
    EXPECT_EQ(sum(c.x1, c.x2), c.expected) << c.what;
  none();
  NumUniformLoads(1) = 1, UniformLoad(1) = 200;
  EXPECT_EQ(sum(0, 12), 2400);
  none();
  NumStripLoads(1) = 1, StripStartDist(1, 1) = 5, StripEndDist(1, 1) = 15, StripLoad(1, 1) = 100;
  EXPECT_EQ(sum(0, 10), 500);
  none();
  NumRampLoads(1) = 1, RampStartDist(1) = 10, RampEndDist(1) = 20, RampLoad(1) = 300;
  for (auto c : {SurchargeCase{"ramp rising", 0, 15, 375}, SurchargeCase{"ramp to full", 15, 30, 4125},
                 SurchargeCase{"ramp full", 25, 30, 1500}})
    EXPECT_NEAR(sum(c.x1, c.x2), c.expected, 1e-9) << c.what;
  none();
  NumTriangularLoads(1) = 1, TriStartDist(1, 1) = 0, TriPeakDist(1, 1) = 10, TriEndDist(1, 1) = 20;
  TriPeakLoad(1, 1) = 10;
  for (auto c : {SurchargeCase{"triangle part", 2, 5, 10.5}, SurchargeCase{"triangle whole", 0, 20, 100},
                 SurchargeCase{"triangle across peak", 5, 15, 75}})
    EXPECT_NEAR(sum(c.x1, c.x2), c.expected, 1e-9) << c.what;
  none();
  NumVariablePoints(1) = 2, VarLoadDist(1, 1) = 5, VarLoadValue(1, 1) = 100;
  VarLoadDist(1, 2) = 15, VarLoadValue(1, 2) = 200;
  for (auto c : {SurchargeCase{"variable start", 0, 10, 625}, SurchargeCase{"variable end", 10, 30, 875}})
    EXPECT_NEAR(sum(c.x1, c.x2), c.expected, 1e-9) << c.what;
  // Two points at one distance are a jump in the load, not a segment to interpolate on.
  NumVariablePoints(1) = 3, VarLoadDist(1, 2) = 5, VarLoadValue(1, 2) = 300;
  VarLoadDist(1, 3) = 15, VarLoadValue(1, 3) = 300;
  EXPECT_NEAR(sum(0, 10), 1500, 1e-9);

  // Only added to.
  double t = 7;
  SumWedgeSurcharge(t, 1, 0, 10);
  SumWedgeSurcharge(t, 1, 0, 10);
  EXPECT_NEAR(t, 7 + 3000, 1e-9);
}

TEST_F(WedgeWeightTest, SeepageZonesBelowTheBottomOfTheSeepagePath) {
  WaterDataType = "E";
  SeepageOption = "G";
  SeepageGradient(1) = 0.2;
  SeepageBottomElev(1) = 3;
  Surface(2, {{0, 10}, {10, 10}});
  Layers(2, {{0, 0}});
  WaterElev(2) = 5;
  BuildWedgeGeometry(2);
  BuildSeepageZoneGeometry(2, 1);
  EXPECT_EQ(WedgeSeepZoneFlag(2, 1), 1);
  ExpectFigure(WedgeSeepZone(2, 1),
               {{0, 3}, {10, 3}, {200010, 3}, {200010, 3}, {200010, 3}, {200010, 0}, {0, 0}}, "zone 1");
  EXPECT_EQ(WedgeSeepZone(2, 1).MaxX, 200010);
  EXPECT_EQ(WedgeSeepZoneFlag(2, 2), 1);

  // A rising bottom cut by the seepage bottom at 30 ft.
  Surface(2, {{0, 10}, {100, 10}});
  Layers(2, {{0, 0.1}});
  WaterElev(2) = 8;
  BuildWedgeGeometry(2);
  ASSERT_EQ(WedgeSubmergedCode(2, 1), 2);
  BuildSeepageZoneGeometry(2, 1);
  EXPECT_EQ(WedgeSeepZoneFlag(2, 1), 2);
  ExpectFigure(WedgeSeepZone(2, 1), {{0, 3}, {30, 3}, {0, 0}}, "zone rising");
  EXPECT_EQ(WedgeSeepZone(2, 1).MaxX, 30);

  // The design's starting gradient builds no zone.
  SeepageGradient(1) = 0.0001;
  BuildSeepageZoneGeometry(2, 1);
  EXPECT_EQ(WedgeSeepZoneFlag(2, 1), 0);
  EXPECT_EQ(WedgeSeepZoneFlag(2, 2), 0);
}

}  // namespace
}  // namespace pressures_test
