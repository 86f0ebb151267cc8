// Rowe's charts: table rows, node values, the interpolation in alpha and log rho, and the
// clay curves on both sides of Sn 1.5. Expected values are the chart readings themselves
// or an independent polynomial interpolation through them (Neville's, in closed_forms.h).
#include <gtest/gtest.h>

#include <vector>

#include "closed_forms.h"
#include "wall/rowe.h"

namespace {

using closed_forms::Neville;

// Chart readings: LOOSE and DENSE at alpha 0.6 / 0.7 / 0.8, log rho -3.5 .. -1.5.
const double kLoose[3][5] = {{0.894, 0.55, 0.344, 0.261, 0.261},
                             {1.006, 0.611, 0.383, 0.283, 0.283},
                             {1.089, 0.656, 0.433, 0.344, 0.344}};
const double kDense[3][5] = {{0.5, 0.372, 0.283, 0.217, 0.144},
                             {0.561, 0.422, 0.328, 0.256, 0.183},
                             {0.633, 0.478, 0.372, 0.294, 0.217}};
// Clay: curves 1-3 alpha 0.8, 4-6 alpha 0.7, 7-9 alpha 0.6; log rho -3.1 / -2.6 / -2.0.
const double kClay[9][6] = {{0.906, 0.789, 0.75, 0.728, 0.711, 0.689},
                            {0.922, 0.811, 0.711, 0.6, 0.589, 0.55},
                            {0.894, 0.778, 0.678, 0.589, 0.539, 0.489},
                            {0.778, 0.711, 0.678, 0.656, 0.639, 0.622},
                            {0.678, 0.578, 0.544, 0.522, 0.506, 0.489},
                            {0.683, 0.556, 0.5, 0.472, 0.45, 0.45},
                            {0.678, 0.628, 0.611, 0.6, 0.589, 0.561},
                            {0.589, 0.533, 0.506, 0.489, 0.472, 0.467},
                            {0.506, 0.461, 0.45, 0.444, 0.433, 0.433}};
const std::vector<double> kSnNodes{0.5, 0.75, 1.0, 1.25, 1.5, 2.0};
const std::vector<double> kLogRhoNodes{-3.5, -3.0, -2.5, -2.0, -1.5};

class RoweCurves : public ::testing::Test {
 protected:
  void SetUp() override { InitRoweTables(); }
};

TEST_F(RoweCurves, SandCurvesAtAnAlphaOfTheTableAreThatRow) {
  const double alphas[3] = {0.6, 0.7, 0.8};
  for (int row = 0; row < 3; ++row) {
    SetRoweSandCurvesAtAlpha(alphas[row]);
    for (int k = 1; k <= 5; ++k) {
      EXPECT_NEAR(RoweCurveAtAlpha(1, k), kLoose[row][k - 1], 1e-12) << alphas[row] << " " << k;
      EXPECT_NEAR(RoweCurveAtAlpha(2, k), kDense[row][k - 1], 1e-12) << alphas[row] << " " << k;
    }
  }
}

TEST_F(RoweCurves, SandCurvesBetweenRowsAreLinearInAlpha) {
  for (double alpha : {0.63, 0.75}) {
    SetRoweSandCurvesAtAlpha(alpha);
    const int lo = alpha <= 0.7 ? 0 : 1;
    const double t = (alpha - 0.6 - 0.1 * lo) / 0.1;
    for (int k = 1; k <= 5; ++k) {
      const double loose = kLoose[lo][k - 1] + t * (kLoose[lo + 1][k - 1] - kLoose[lo][k - 1]);
      const double dense = kDense[lo][k - 1] + t * (kDense[lo + 1][k - 1] - kDense[lo][k - 1]);
      EXPECT_NEAR(RoweCurveAtAlpha(1, k), loose, 1e-12);
      EXPECT_NEAR(RoweCurveAtAlpha(2, k), dense, 1e-12);
    }
  }
}

TEST_F(RoweCurves, SandCoefficientsPassThroughTheNodesAndLooseIsFlatBeyondMinusTwo) {
  SetRoweSandCurvesAtAlpha(0.65);
  const std::vector<double> loose4{RoweCurveAtAlpha(1, 1), RoweCurveAtAlpha(1, 2),
                                   RoweCurveAtAlpha(1, 3), RoweCurveAtAlpha(1, 4)};
  std::vector<double> dense5;
  for (int k = 1; k <= 5; ++k) dense5.push_back(RoweCurveAtAlpha(2, k));
  for (int k = 1; k <= 5; ++k) {
    const double x = kLogRhoNodes[k - 1];
    EXPECT_NEAR(RoweDenseCoefficient(x), RoweCurveAtAlpha(2, k), 1e-12) << x;
    EXPECT_NEAR(RoweLooseCoefficient(x), RoweCurveAtAlpha(1, k < 5 ? k : 4), 1e-12) << x;
  }
  const std::vector<double> xs4(kLogRhoNodes.begin(), kLogRhoNodes.begin() + 4);
  for (double x : {-3.4, -3.1, -2.75, -2.2, -2.0}) {
    EXPECT_NEAR(RoweLooseCoefficient(x), Neville(xs4, loose4, x), 1e-12) << x;
    EXPECT_NEAR(RoweDenseCoefficient(x), Neville(kLogRhoNodes, dense5, x), 1e-12) << x;
  }
  for (double x : {-1.99, -1.7, -1.5}) EXPECT_EQ(RoweLooseCoefficient(x), RoweCurveAtAlpha(1, 4));
  EXPECT_NEAR(RoweDenseCoefficient(-1.7), Neville(kLogRhoNodes, dense5, -1.7), 1e-12);
}

TEST_F(RoweCurves, EveryClayCurveTakesItsNodeValues) {
  for (int c = 1; c <= 9; ++c)
    for (int k = 1; k <= 6; ++k)
      EXPECT_NEAR(RoweClayCurveValue(c, kSnNodes[k - 1]), kClay[c - 1][k - 1], 1e-12)
          << "curve " << c << " Sn " << kSnNodes[k - 1];
}

TEST_F(RoweCurves, ClayCurvesAreThePolynomialBelowOnePointFiveAndLinearAbove) {
  for (int c = 1; c <= 9; ++c) {
    const std::vector<double> ys(kClay[c - 1], kClay[c - 1] + 6);
    for (double sn : {0.6, 0.9, 1.1, 1.4})
      EXPECT_NEAR(RoweClayCurveValue(c, sn), Neville(kSnNodes, ys, sn), 1e-12) << c << " " << sn;
    // Continuous at 1.5: the polynomial meets the straight branch there.
    EXPECT_NEAR(RoweClayCurveValue(c, 1.5 - 1e-9), kClay[c - 1][4], 1e-7) << c;
    EXPECT_NEAR(RoweClayCurveValue(c, 1.75), (kClay[c - 1][4] + kClay[c - 1][5]) / 2, 1e-12);
    EXPECT_EQ(RoweClayCurveValue(c, 2.3), kClay[c - 1][5]);
    EXPECT_EQ(RoweClayCurveValue(c, 2.5), kClay[c - 1][5]);
  }
}

TEST_F(RoweCurves, ClayCurveTwoIsNotTheStraightLineThroughItsEnds) {
  // The straight line ((Sn - 1.25) T(2,4) + (2.0 - Sn) T(2,1)) / 0.75 gives 0.922 at 1.25
  // where the chart reads 0.600.
  EXPECT_NEAR(RoweClayCurveValue(2, 1.25), 0.6, 1e-12);
  EXPECT_NEAR(RoweClayCurveValue(2, 0.5), 0.922, 1e-12);
  EXPECT_NEAR(RoweClayCurveValue(2, 1.0), 0.711, 1e-12);
}

TEST_F(RoweCurves, ClayCoefficientAtNodeAlphaAndLogRhoIsThatCurve) {
  struct Case {
    double alpha, x;
    int curve;
  };
  for (const Case& k : {Case{0.7, -2.6, 5}, Case{0.6, -3.1, 7}, Case{0.8, -2.0, 3},
                        Case{0.8, -3.1, 1}, Case{0.6, -2.0, 9}}) {
    for (double sn : {0.75, 1.3, 2.0}) {
      const RoweClayNodes q = RoweClayNodesAt(k.alpha, sn);
      EXPECT_NEAR(RoweClayCoefficient(q, k.x), RoweClayCurveValue(k.curve, sn), 1e-12)
          << k.alpha << " " << k.x << " " << sn;
    }
  }
}

TEST_F(RoweCurves, ClayCoefficientBetweenNodesIsQuadraticInAlphaThenInLogRho) {
  const double alpha = 0.67, sn = 1.1, x = -2.3;
  std::vector<double> q;
  for (int m = 1; m <= 3; ++m) {
    const std::vector<double> v{RoweClayCurveValue(m + 6, sn), RoweClayCurveValue(m + 3, sn),
                                RoweClayCurveValue(m, sn)};
    q.push_back(Neville({0.6, 0.7, 0.8}, v, alpha));
  }
  EXPECT_NEAR(RoweClayCoefficient(RoweClayNodesAt(alpha, sn), x),
              Neville({-3.1, -2.6, -2.0}, q, x), 1e-12);
}

TEST_F(RoweCurves, DefaultSectionsAreTheEightCataloguedPiles) {
  PileSectionName(11) = "LEFTOVER";
  PileSectionProps(11, 1) = 5;
  InitRoweTables();
  const char* names[8] = {"PZ40", "PZ38", "PZ35", "PZ32", "PZ27", "PZ22", "PLZ25", "PLZ23"};
  const double S[8] = {60.7, 46.8, 48.5, 38.3, 30.2, 18.1, 32.8, 30.2};
  const double I[8] = {490.8, 280.8, 361.2, 220.4, 184.2, 84.4, 223.25, 203.75};
  for (int i = 1; i <= 8; ++i) {
    EXPECT_EQ(PileSectionName(i), names[i - 1]);
    EXPECT_EQ(PileSectionProps(i, 1), S[i - 1]);
    EXPECT_EQ(PileSectionProps(i, 2), I[i - 1]);
  }
  for (int i = 9; i <= 13; ++i) {
    EXPECT_EQ(PileSectionName(i), "");
    EXPECT_EQ(PileSectionProps(i, 1), 0);
    EXPECT_EQ(PileSectionProps(i, 2), 0);
  }
}

}  // namespace
