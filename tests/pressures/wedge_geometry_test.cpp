#include "pressures/wedge_common.h"
#include "wedge_fixture.h"

namespace pressures_test {
namespace {

using WedgeGeometryTest = WedgeTest;

TEST_F(WedgeGeometryTest, SurfaceAndSingleLayerRunToTheFarPoint) {
  Surface(1, {{0, 10}});
  Layers(1, {});
  BuildWedgeGeometry(1);
  ExpectFigure(WedgeLayerTop(1, 1), {{0, 10}, {200000, 10}}, "layer");
  ExpectFigure(WedgeSurface(1), {{0, 10}, {200000, 10}}, "surface");
  EXPECT_EQ(WedgeLayerTop(1, 1).MaxX, 200000);

  // A single point away from the wall: the layer's far point keeps the distance, the
  // surface's does not.
  Surface(1, {{5, 10}});
  BuildWedgeGeometry(1);
  ExpectFigure(WedgeLayerTop(1, 1), {{0, 10}, {200005, 10}}, "layer");
  ExpectFigure(WedgeSurface(1), {{0, 10}, {200000, 10}}, "surface");
}

TEST_F(WedgeGeometryTest, LayerPinchingOutAndItsWaterLine) {
  Surface(1, {{0, 10}, {20, 10}, {40, 0}});
  Layers(1, {{5, 0}});
  WaterDataType = "E";
  WaterElev(1) = 7;
  BuildWedgeGeometry(1);
  ExpectFigure(WedgeLayerTop(1, 2), {{0, 5}, {30, 5}, {40, 0}, {200040, 0}}, "layer 2");
  ExpectFigure(WedgeLayerTop(1, 1), {{0, 10}, {20, 10}, {30, 5}, {0, 5}}, "layer 1");
  EXPECT_EQ(WedgeLayerTop(1, 1).MaxX, 30);
  EXPECT_EQ(WedgeWaterLineCode(1, 1), 1);
  ExpectFigure(WedgeWaterLine(1, 1), {{0, 7}, {20, 7}, {26, 7}, {30, 5}, {0, 5}}, "water 1");
  EXPECT_EQ(WedgeWaterLineCode(1, 2), 1);
  ExpectFigure(WedgeWaterLine(1, 2), {{0, 5}, {30, 5}, {40, 0}, {200040, 0}}, "water 2");
}

TEST_F(WedgeGeometryTest, WaterCrossingTheFarEdgeVertically) {
  Surface(1, {{0, 10}, {10, 10}});
  Layers(1, {{0, 0}});
  WaterDataType = "E";
  WaterElev(1) = 5;
  BuildWedgeGeometry(1);
  ExpectFigure(WedgeLayerTop(1, 1), {{0, 10}, {10, 10}, {200010, 10}, {200010, 0}, {0, 0}},
               "layer 1");
  ExpectFigure(WedgeWaterLine(1, 1),
               {{0, 5}, {10, 5}, {200010, 5}, {200010, 5}, {200010, 0}, {0, 0}}, "water 1");
  EXPECT_EQ(WedgeWaterLine(1, 1).MaxX, 200010);
}

TEST_F(WedgeGeometryTest, FallingBottomCutByTheWaterWithAPinchOut) {
  Surface(1, {{0, 10}, {30, 10}, {40, 3}, {60, -5}});
  Layers(1, {{6, -0.1}});
  WaterDataType = "E";
  WaterElev(1) = 4;
  BuildWedgeGeometry(1);
  ExpectFigure(WedgeLayerTop(1, 1), {{0, 10}, {30, 10}, {40, 3}, {130.0 / 3, 5.0 / 3}, {0, 6}},
               "layer 1");
  EXPECT_EQ(WedgeWaterLineCode(1, 1), 3);
  ExpectFigure(WedgeWaterLine(1, 1),
               {{0, 4}, {20, 4}, {30, 4}, {270.0 / 7, 4}, {40, 3}, {130.0 / 3, 5.0 / 3}, {20, 4}, {0, 4}},
               "water 1");

  // Water between the pinch point and the last top point: the bottom reaches it beyond
  // that point, so the walk ends on the pinch point itself and closes from there.
  WaterElev(1) = 1.9;
  BuildWedgeGeometry(1);
  EXPECT_EQ(WedgeWaterLineCode(1, 1), 3);
  ExpectFigure(WedgeWaterLine(1, 1),
               {{0, 1.9}, {41, 1.9}, {42.75, 1.9}, {130.0 / 3, 5.0 / 3}, {41, 1.9}, {0, 1.9}},
               "water 1 low");
}

TEST_F(WedgeGeometryTest, CodesOfLayersAboveTheWaterAndWithoutWaterElevations) {
  Surface(1, {{0, 10}, {10, 10}});
  Layers(1, {{6, 0}});
  WaterDataType = "E";
  WaterElev(1) = 4;
  BuildWedgeGeometry(1);
  EXPECT_EQ(WedgeWaterLineCode(1, 1), 0);
  EXPECT_EQ(WedgeWaterLineCode(1, 2), 1);

  // Water given as pressures: no figure is built and the codes stay as they were.
  WaterDataType = "P";
  WedgeWaterLineCode(1, 1) = 7;
  BuildWedgeGeometry(1);
  EXPECT_EQ(WedgeWaterLineCode(1, 1), 7);
}

TEST_F(WedgeGeometryTest, SubmergedFiguresOfEachSide) {
  for (int side = 1; side <= 2; ++side) {
    Surface(side, {{0, 10}, {10, 10}});
    Layers(side, {{0, 0.1}});
  }
  WaterDataType = "E";
  WaterElev(1) = 8;
  WaterElev(2) = 8;
  SeepageOption = "G";
  SeepageElev = 5;
  BuildWedgeGeometry(1);
  BuildWedgeGeometry(2);
  // Left side: the submerged figures are the water-line figures.
  for (int L = 1; L <= 2; ++L) {
    EXPECT_EQ(WedgeSubmergedCode(2, L), WedgeWaterLineCode(2, L));
    EXPECT_EQ(PointsOf(WedgeSubmerged(2, L)), PointsOf(WedgeWaterLine(2, L)));
  }
  EXPECT_EQ(WedgeWaterLineCode(1, 1), 2);  // the rising bottom crosses 8 at 80 ft
  ExpectFigure(WedgeWaterLine(1, 1), {{0, 8}, {10, 8}, {80, 8}, {0, 0}}, "water 1");
  // A seepage elevation cutting the rising bottom: code 2, closing at 50 ft.
  EXPECT_EQ(WedgeSubmergedCode(1, 1), 2);
  ExpectFigure(WedgeSubmerged(1, 1), {{0, 5}, {10, 5}, {50, 5}, {0, 0}}, "submerged 1");

  // A level bottom wholly below the seepage elevation: code 1, closed down to the wall.
  LayerBottomSlope(1, 1) = 0;
  BuildWedgeGeometry(1);
  EXPECT_EQ(WedgeSubmergedCode(1, 1), 1);
  EXPECT_EQ(PointsOf(WedgeSubmerged(1, 1)).back(), std::make_pair(0.0, 0.0));
}

TEST_F(WedgeGeometryTest, LayersAboveTheGroundAtTheWallHoldNoSoil) {
  // A lower left ground given the right side's layers: the upper layer lies wholly
  // above the ground at the wall, so its figure encloses nothing and the next layer's
  // top is the ground itself.
  Surface(2, {{0, -5}, {10, -5}});
  Layers(2, {{0, 0}});
  BuildWedgeGeometry(2);
  EXPECT_EQ(Area(PointsOf(WedgeLayerTop(2, 1))), 0);
  EXPECT_EQ(WedgeLayerTop(2, 1).MaxX, 0);
  ExpectFigure(WedgeLayerTop(2, 2), {{0, -5}, {10, -5}, {200010, -5}}, "top of layer 2");
}

TEST(WedgeFigureTest, FiguresGrowBeyondFortyNinePointsAndRefuseReadsPastTheEnd) {
  // A saw-tooth top crossing a level 80 times clips to more than 49 points.
  WedgeFigure top;
  for (int i = 0; i <= 80; ++i) top.Append(i * 5.0, i % 2 == 0 ? 10.0 : 0.0);
  WedgeFigure water;
  wedge::WalkLastLayer(top, 5, water);
  EXPECT_EQ(water.Count(), 1 + 80 + 80);
  EXPECT_THROW(water.X(water.Count() + 1), WedgeFigureOverrun);
  EXPECT_THROW(water.Y(0), WedgeFigureOverrun);
}

}  // namespace
}  // namespace pressures_test
