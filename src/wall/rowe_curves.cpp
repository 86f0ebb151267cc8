// Rowe's charts as tables, and the interpolation the writers and the curves window share.
#include <array>
#include <string>

#include "wall/rowe.h"

namespace {

// Log rho nodes of the sand curves and stability number nodes of the clay curves.
constexpr std::array<double, 6> kClayNodes{0.5, 0.75, 1.0, 1.25, 1.5, 2.0};

}  // namespace

void InitRoweTables() {
  static constexpr double sand[2][3][5] = {
      {{0.894, 0.55, 0.344, 0.261, 0.261},
       {1.006, 0.611, 0.383, 0.283, 0.283},
       {1.089, 0.656, 0.433, 0.344, 0.344}},
      {{0.5, 0.372, 0.283, 0.217, 0.144},
       {0.561, 0.422, 0.328, 0.256, 0.183},
       {0.633, 0.478, 0.372, 0.294, 0.217}}};
  for (int i = 1; i <= 2; ++i)
    for (int j = 1; j <= 3; ++j)
      for (int k = 1; k <= 5; ++k) RoweSandTable(i, j, k) = sand[i - 1][j - 1][k - 1];

  static constexpr double clay[9][6] = {
      {0.906, 0.789, 0.75, 0.728, 0.711, 0.689},   // alpha 0.8, log rho -3.1
      {0.922, 0.811, 0.711, 0.6, 0.589, 0.55},     //            -2.6
      {0.894, 0.778, 0.678, 0.589, 0.539, 0.489},  //            -2.0
      {0.778, 0.711, 0.678, 0.656, 0.639, 0.622},  // alpha 0.7
      {0.678, 0.578, 0.544, 0.522, 0.506, 0.489},
      {0.683, 0.556, 0.5, 0.472, 0.45, 0.45},
      {0.678, 0.628, 0.611, 0.6, 0.589, 0.561},    // alpha 0.6
      {0.589, 0.533, 0.506, 0.489, 0.472, 0.467},
      {0.506, 0.461, 0.45, 0.444, 0.433, 0.433}};
  for (int c = 1; c <= 9; ++c)
    for (int k = 1; k <= 6; ++k) RoweClayTable(c, k) = clay[c - 1][k - 1];

  static const char* const names[8] = {"PZ40", "PZ38", "PZ35", "PZ32",
                                       "PZ27", "PZ22", "PLZ25", "PLZ23"};
  static constexpr double props[8][2] = {{60.7, 490.8}, {46.8, 280.8},  {48.5, 361.2},
                                         {38.3, 220.4}, {30.2, 184.2},  {18.1, 84.4},
                                         {32.8, 223.25}, {30.2, 203.75}};
  for (int i = 1; i <= 8; ++i) {
    PileSectionName(i) = names[i - 1];
    PileSectionProps(i, 1) = props[i - 1][0];
    PileSectionProps(i, 2) = props[i - 1][1];
  }
  for (int i = 9; i <= 13; ++i) {
    PileSectionName(i) = "";
    PileSectionProps(i, 1) = 0;
    PileSectionProps(i, 2) = 0;
  }
}

void SetRoweSandCurvesAtAlpha(double Alpha) {
  const int j = Alpha <= 0.7 ? 1 : 2;
  const double t = (Alpha - (j + 5) / 10.0) * 10;
  for (int i = 1; i <= 2; ++i)
    for (int k = 1; k <= 5; ++k)
      RoweCurveAtAlpha(i, k) =
          RoweSandTable(i, j, k) + (RoweSandTable(i, j + 1, k) - RoweSandTable(i, j, k)) * t;
}

double RoweLooseCoefficient(double x) {
  const auto C = [](int k) { return RoweCurveAtAlpha(1, k); };
  // The loose curve is flat beyond log rho -2.0.
  if (x > -2.0) return C(4);
  return (-4 * (x + 3.0) * (x + 2.5) * (x + 2.0) * C(1) +
          12 * (x + 3.5) * (x + 2.5) * (x + 2.0) * C(2) -
          12 * (x + 3.5) * (x + 3.0) * (x + 2.0) * C(3) +
          4 * (x + 3.5) * (x + 3.0) * (x + 2.5) * C(4)) /
         3;
}

double RoweDenseCoefficient(double x) {
  const auto C = [](int k) { return RoweCurveAtAlpha(2, k); };
  return (8 * (x + 3.0) * (x + 2.5) * (x + 2.0) * (x + 1.5) * C(1) -
          32 * (x + 3.5) * (x + 2.5) * (x + 2.0) * (x + 1.5) * C(2) +
          48 * (x + 3.5) * (x + 3.0) * (x + 2.0) * (x + 1.5) * C(3) -
          32 * (x + 3.5) * (x + 3.0) * (x + 2.5) * (x + 1.5) * C(4) +
          8 * (x + 3.5) * (x + 3.0) * (x + 2.5) * (x + 2.0) * C(5)) /
         12;
}

double RoweClayCurveValue(int c, double Sn) {
  if (Sn >= 2.0) return RoweClayTable(c, 6);
  if (Sn >= 1.5) {
    const double u = 2 * Sn - 3;
    return (1 - u) * RoweClayTable(c, 5) + u * RoweClayTable(c, 6);
  }
  // Below 1.5 every curve, the second included, follows the polynomial through its six
  // nodes: it passes through each table value and meets the straight branch at 1.5.
  double value = 0;
  for (int k = 0; k < 6; ++k) {
    double basis = 1;
    for (int j = 0; j < 6; ++j)
      if (j != k) basis *= (Sn - kClayNodes[j]) / (kClayNodes[k] - kClayNodes[j]);
    value += RoweClayTable(c, k + 1) * basis;
  }
  return value;
}

RoweClayNodes RoweClayNodesAt(double Alpha, double Sn) {
  const auto Q = [&](int m) {
    const double v08 = RoweClayCurveValue(m, Sn);
    const double v07 = RoweClayCurveValue(m + 3, Sn);
    const double v06 = RoweClayCurveValue(m + 6, Sn);
    return 50 * (Alpha - 0.7) * (Alpha - 0.8) * v06 - 100 * (Alpha - 0.6) * (Alpha - 0.8) * v07 +
           50 * (Alpha - 0.6) * (Alpha - 0.7) * v08;
  };
  return {Q(1), Q(2), Q(3)};
}

double RoweClayCoefficient(const RoweClayNodes& q, double x) {
  return (x + 2.6) * (x + 2.0) / 0.55 * q.Q1 - (x + 3.1) * (x + 2.0) / 0.3 * q.Q2 +
         (x + 3.1) * (x + 2.6) / 0.66 * q.Q3;
}
