#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "plots/plot_scale.h"

using plots::RoundPlotScale;
using plots::ScaleEndsOf;

TEST(PlotScale, RoundsToOneSignificantDigitMostlyUpward) {
  const struct {
    double x, rounded;
  } table[] = {
      {1234, 2000},  {9500, 10000}, {20005, 20000}, {2000, 2000},  {2000.5, 2000}, {1000, 1000},
      {150, 200},    {0.5, 1},      {0.2, 1},       {0.05, 0.1},   {0.00011, 0.001}, {3.0, 3},
      {4.5947e9, 5e9}, {34588, 40000},
  };
  for (const auto& row : table) {
    EXPECT_DOUBLE_EQ(RoundPlotScale(row.x), row.rounded) << row.x;
  }
}

TEST(PlotScale, NothingThatIsNotAPositiveNumberReachesTheLogarithm) {
  EXPECT_EQ(RoundPlotScale(0), 0);
  EXPECT_EQ(RoundPlotScale(-5), 0);
  EXPECT_EQ(RoundPlotScale(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(RoundPlotScale(std::numeric_limits<double>::infinity()), 0);
  // Far below the powers of ten a double holds: finite, never NaN.
  EXPECT_TRUE(std::isfinite(RoundPlotScale(std::numeric_limits<double>::denorm_min())));
}

TEST(PlotScale, AxisEndsAreMagnitudesAndSmallOnesAreNone) {
  // All positive (0.2 to 1.5): the negative end stands for the smallest value's magnitude.
  EXPECT_DOUBLE_EQ(ScaleEndsOf(1.5, 0.2).max, 2);
  EXPECT_DOUBLE_EQ(ScaleEndsOf(1.5, 0.2).min, 1);
  // All negative: no positive end.
  EXPECT_EQ(ScaleEndsOf(-100, -500).max, 0);
  EXPECT_DOUBLE_EQ(ScaleEndsOf(-100, -500).min, 500);
  EXPECT_EQ(ScaleEndsOf(0.0001, -0.0001).span(), 0);
  EXPECT_DOUBLE_EQ(ScaleEndsOf(20005, -9500).max, 20000);
  EXPECT_DOUBLE_EQ(ScaleEndsOf(20005, -9500).min, 10000);
}
