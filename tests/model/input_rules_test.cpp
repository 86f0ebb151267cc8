// The rules the reader and the entry windows share, at their edges: the bound itself,
// just past it, and a value that is not a number.
#include <gtest/gtest.h>

#include <limits>

#include "model/input_rules.h"

namespace r = input_rules;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(InputRules, CountsRunFromTheirLeastToTheArraysBound) {
  struct Case {
    bool (*rule)(int);
    int least, most;
  };
  const Case cases[] = {
      {r::SurfacePointCountValid, 1, 11},       {r::SoilLayerCountValid, 1, 11},
      {r::WaterPressurePointCountValid, 2, 11}, {r::VerticalLoadCountValid, 1, 5},
      {r::VariableLoadPointCountValid, 2, 11},  {r::HorizontalLineLoadCountValid, 1, 5},
      {r::HorizontalLoadPointCountValid, 2, 11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.least * 100 + c.most);
    EXPECT_FALSE(c.rule(c.least - 1));
    EXPECT_TRUE(c.rule(c.least));
    EXPECT_TRUE(c.rule(c.most));
    EXPECT_FALSE(c.rule(c.most + 1));
  }
}

TEST(InputRules, SoilStrengthsStayWithinTheirLimits) {
  EXPECT_TRUE(r::FrictionAngleValid(0));
  EXPECT_TRUE(r::FrictionAngleValid(45));
  EXPECT_FALSE(r::FrictionAngleValid(45.001));
  EXPECT_FALSE(r::FrictionAngleValid(-0.001));
  EXPECT_FALSE(r::FrictionAngleValid(kNaN));
  EXPECT_TRUE(r::WallFrictionValid(30, 30));
  EXPECT_FALSE(r::WallFrictionValid(30.01, 30));
  EXPECT_FALSE(r::WallFrictionValid(-1, 30));
  EXPECT_TRUE(r::AdhesionValid(500, 500));
  EXPECT_FALSE(r::AdhesionValid(501, 500));
  EXPECT_FALSE(r::SoilHasStrength(0, 0));
  EXPECT_TRUE(r::SoilHasStrength(0, 100));
  EXPECT_FALSE(r::UnitWeightValid(0));
  EXPECT_FALSE(r::UnitWeightValid(kNaN));
}

TEST(InputRules, ElevationsFallAndDistancesGrowStrictlyWhereTheReaderSaysSo) {
  EXPECT_TRUE(r::ElevationFalls(-1, 0));
  EXPECT_FALSE(r::ElevationFalls(0, 0));
  EXPECT_TRUE(r::DistanceIncreases(1, 0));
  EXPECT_FALSE(r::DistanceIncreases(0, 0));
  EXPECT_TRUE(r::DistanceNotDecreasing(0, 0));
  EXPECT_FALSE(r::TriangleHasWidth(5, 5, 5));
  EXPECT_TRUE(r::TriangleHasWidth(5, 5, 6));
  // Seepage lies between the lower of left water and surface and the lower of the right's.
  EXPECT_TRUE(r::SeepageElevationValid(5, 10, 2, 8, 4));
  EXPECT_TRUE(r::SeepageElevationValid(8, 10, 2, 8, 4));
  EXPECT_FALSE(r::SeepageElevationValid(8.5, 10, 2, 8, 4));
  EXPECT_FALSE(r::SeepageElevationValid(1.5, 10, 2, 8, 4));
  EXPECT_FALSE(r::SeepageWaterLevelsValid(2, 2));
  EXPECT_TRUE(r::WallBottomBelowSurfaces(-20, 10, 0));
  EXPECT_FALSE(r::WallBottomBelowSurfaces(0, 10, 0));
}

}  // namespace
