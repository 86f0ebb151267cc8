// Active and passive earth pressures of a side by Coulomb coefficients of a vertical
// wall under a level surface, stratum by stratum, with the passive tables for large
// wall friction and the active cut-off at zero.
#include <cmath>
#include <vector>

#include "model/problem.h"
#include "platform/services.h"
#include "pressures/factor_verdict.h"
#include "pressures/pressures.h"

namespace {

constexpr double kDegToRad = 0.0174532925199433;

// ---- strata of the side being computed ----
int NumStrata = 0;
platform::Array<double, 20> StrataElev;              // strictly decreasing
platform::Array<double, 20, 2> StrataActiveCoef;     // (boundary, k)
platform::Array<double, 20, 2> StrataPassiveCoef;    // (boundary, k)

// ---- passive coefficient tables, filled once at start-up ----
platform::Array<double, 22> KpTablePhi;              // radians
platform::Array<double, 22> KpTableValue;
platform::Array<double, 4> KpReductionRatio;         // wall friction / friction angle
platform::Array<double, 8, 4> KpReductionTable;      // (friction angle row, ratio column)

void StopWithMessage(const std::string& text, int buttons, std::string_view title) {
  AbortRun = 1;
  platform::MsgBox(text, buttons, title);
}

void ReportAngleAbove45() {
  // The friction angle grows as the factor of safety falls: a higher factor computes.
  NoteFactorVerdict(FactorVerdict::NotComputable);
  StopWithMessage("Calculated angle of internal friction is greater" + NewLine +
                      "     45 degrees.  Unable to continue.",
                  48, {});
}

// Passive coefficient from the tables, for wall friction above half the friction angle.
// phiP and deltaP are the developed angles in radians.
double TabulatedKp(double phiP, double deltaP) {
  const double phiD = phiP / kDegToRad;
  double kt;
  if (phiP <= KpTablePhi(2)) {
    kt = KpTableValue(1) + (phiP - KpTablePhi(1)) * (KpTableValue(2) - KpTableValue(1)) /
                               (KpTablePhi(2) - KpTablePhi(1));
  } else {
    int k = 0;
    for (int c = 3; c <= 22; ++c) {
      if (phiP < KpTablePhi(c)) {
        k = c;
        break;
      }
    }
    if (k == 0) {
      kt = KpTableValue(22);
    } else {
      kt = KpTableValue(k - 1) + (phiP - KpTablePhi(k - 1)) *
                                     (KpTableValue(k) - KpTableValue(k - 1)) /
                                     (KpTablePhi(k) - KpTablePhi(k - 1));
    }
  }

  const double r = deltaP / phiP;
  int j;
  double width;
  if (r >= 0.7) {
    j = 3;
    width = 0.3;
  } else if (r > 0.6) {
    j = 2;
    width = 0.1;
  } else {
    j = 1;
    width = 0.1;
  }
  auto f = [&](int n) {
    return ((KpReductionRatio(j + 1) - r) * KpReductionTable(n, j) +
            (r - KpReductionRatio(j)) * KpReductionTable(n, j + 1)) /
           width;
  };
  double factor;
  if (phiD <= 10) {
    factor = (phiD * f(1) + (10 - phiD)) / 10;
  } else {
    int n = static_cast<int>(std::floor(phiD / 5)) - 1;
    if (n > 7) n = 7;
    factor = ((phiD - 5 * (n + 1)) * f(n + 1) + (5 * (n + 2) - phiD) * f(n)) / 5;
  }
  return factor * kt;
}

}  // namespace

void InitPassiveCoefficientTables() {
  static const double values[22] = {1.0,  1.33, 1.49, 1.65, 1.85,  2.09,  2.34,  2.67,
                                    3.04, 3.44, 4.01, 4.74, 5.52,  6.48,  7.73,  9.37,
                                    11.53, 14.22, 17.13, 22.16, 28.84, 33.0};
  KpTablePhi(1) = 0;
  KpTablePhi(2) = 0.1047197551196598;
  // Built by repeated addition, as the table always has been.
  for (int k = 3; k <= 21; ++k) KpTablePhi(k) = KpTablePhi(k - 1) + 0.0349065850398866;
  KpTablePhi(22) = 0.7853981633974485;
  for (int k = 1; k <= 22; ++k) KpTableValue(k) = values[k - 1];

  KpReductionRatio(1) = 0.5;
  KpReductionRatio(2) = 0.6;
  KpReductionRatio(3) = 0.7;
  KpReductionRatio(4) = 1.0;
  static const double rows[8][4] = {
      {0.946, 0.962, 0.978, 1.0}, {0.907, 0.934, 0.961, 1.0}, {0.862, 0.901, 0.939, 1.0},
      {0.808, 0.860, 0.912, 1.0}, {0.746, 0.811, 0.878, 1.0}, {0.674, 0.752, 0.836, 1.0},
      {0.592, 0.682, 0.783, 1.0}, {0.500, 0.600, 0.718, 1.0}};
  for (int n = 1; n <= 8; ++n) {
    for (int c = 1; c <= 4; ++c) KpReductionTable(n, c) = rows[n - 1][c - 1];
  }
}

void ComputeSoilCoefficients(int Side, int Method) {
  const std::vector<WallFaceStratum> strata = WallFaceStrata(Side, Method);
  NumStrata = static_cast<int>(strata.size()) + 1;
  for (int m = 1; m < NumStrata; ++m) StrataElev(m) = strata[static_cast<std::size_t>(m - 1)].top;
  StrataElev(NumStrata) = strata.empty() ? SurfaceElev(Side, 1) : strata.back().bottom;

  double q = 0;
  if (NumUniformLoads(Side) != 0) q = UniformLoad(Side);

  for (int m = 1; m <= NumStrata - 1; ++m) {
    const WallFaceStratum& stratum = strata[static_cast<std::size_t>(m - 1)];
    const int L = stratum.layer;
    double ka, kp, ca = 0, cp = 0, ha = 1, hp = 1;
    if (SoilDataType(Side) != "S") {
      ka = LayerKa(Side, L);
      kp = LayerKp(Side, L);
    } else {
      const double fsa = FSActiveUsed(Side, L, Method);
      const double fsp = FSPassiveUsed(Side, L, Method);
      if (!(fsa > 0) || !(fsp > 0)) {
        StopWithMessage("Factor of safety is zero or negative." + NewLine +
                            "     Unable to continue.",
                        48, {});
        return;
      }
      const double phi = LayerPhi(Side, L) * kDegToRad;
      const double delta = LayerWallFriction(Side, L) * kDegToRad;
      const double c = LayerCohesion(Side, L);
      ca = c / fsa;
      cp = c / fsp;
      const double phiA = std::atan(std::tan(phi) / fsa);
      const double phiP = std::atan(std::tan(phi) / fsp);
      const double deltaA = std::atan(std::tan(delta) / fsa);
      const double deltaP = std::atan(std::tan(delta) / fsp);
      ka = std::pow(std::cos(phiA) /
                        (1 + std::sqrt(std::sin(phiA + deltaA) * std::sin(phiA) / std::cos(deltaA))),
                    2) /
           std::cos(deltaA);
      if (!(2 * deltaP > phiP)) {
        const double den =
            1 - std::sqrt(std::sin(phiP + deltaP) * std::sin(phiP) / std::cos(deltaP));
        if (!(den > 0)) {
          // The closed form has no finite value for this developed strength, which a
          // higher factor of safety lowers.
          NoteFactorVerdict(FactorVerdict::NotComputable);
          StopWithMessage("Calculated passive earth pressure coefficient is not finite" +
                              NewLine + "     for this strength.  Unable to continue.",
                          48, {});
          return;
        }
        kp = std::pow(std::cos(phiP) / den, 2) / std::cos(deltaP);
      } else {
        if (phiP / kDegToRad > 45) {
          ReportAngleAbove45();
          return;
        }
        kp = TabulatedKp(phiP, deltaP);
      }
      ha = std::cos(deltaA);
      hp = std::cos(deltaP);
    }

    StrataActiveCoef(m, 1) = (ka * q - 2 * ca * std::sqrt(ka)) * ha;
    StrataPassiveCoef(m, 1) = (2 * cp * std::sqrt(kp) + q * kp) * hp;

    double g = EffectiveUnitWeight(Side, Method, stratum).weight;
    if (StopsForWantOfWeight(Method, stratum, g)) return;
    q = q + (StrataElev(m) - StrataElev(m + 1)) * g;

    StrataActiveCoef(m + 1, 2) = (ka * q - 2 * ca * std::sqrt(ka)) * ha;
    StrataPassiveCoef(m + 1, 2) = (2 * cp * std::sqrt(kp) + q * kp) * hp;
  }
}

void ComputeCoulombPressures(int Side, int Method) {
  for (int p = 1; p <= NumGridPoints; ++p) {
    for (int k = 1; k <= 2; ++k) {
      ActivePressure(Side, p, k) = 0;
      PassivePressure(Side, p, k) = 0;
    }
    WedgeMarkActive(Side, p) = "";
    WedgeMarkPassive(Side, p) = "";
  }
  // No wedge footnote of an earlier solution survives a Coulomb side.
  WedgeNoSolution(Method, Side) = 0;

  ComputeSoilCoefficients(Side, Method);
  if (AbortRun != 0) return;

  ComputeSurchargePressures(Side);
  const int t = FirstGridPointWithin(SurfaceElev(Side, 1));
  for (int p = 1; p <= NumGridPoints; ++p) {
    const double sp = SurchargePressure(Side, p);
    for (int k = 1; k <= 2; ++k) {
      ActivePressure(Side, p, k) = sp;
      PassivePressure(Side, p, k) = sp;
    }
  }
  if (t == 0) return;
  ActivePressure(Side, t, 2) = 0;
  PassivePressure(Side, t, 2) = 0;

  // Strata over the grid.
  int m = 1;
  ActivePressure(Side, t, 1) += StrataActiveCoef(m, 1);
  PassivePressure(Side, t, 1) += StrataPassiveCoef(m, 1);
  for (int i = t + 1; i <= NumGridPoints && m + 1 <= NumStrata; ++i) {
    const double r = (StrataElev(m) - GridElev(i)) / (StrataElev(m) - StrataElev(m + 1));
    const double a = r * StrataActiveCoef(m + 1, 2) + (1 - r) * StrataActiveCoef(m, 1);
    const double p = r * StrataPassiveCoef(m + 1, 2) + (1 - r) * StrataPassiveCoef(m, 1);
    ActivePressure(Side, i, 2) += a;
    PassivePressure(Side, i, 2) += p;
    if (std::fabs(1 - r) < 0.0001) {
      if (i == NumGridPoints) break;
      m = m + 1;
      if (m + 1 > NumStrata) break;
      ActivePressure(Side, i, 1) += StrataActiveCoef(m, 1);
      PassivePressure(Side, i, 1) += StrataPassiveCoef(m, 1);
    } else {
      ActivePressure(Side, i, 1) += a;
      PassivePressure(Side, i, 1) += p;
    }
  }

  // An active pressure is the difference of the friction and cohesion terms; in any real
  // soil the passive pressure of the same point is at least as large as either.
  for (int p = 1; p <= NumGridPoints; ++p) {
    for (int k = 1; k <= 2; ++k) {
      const double noise = PressureNoise(SidePressureSize(Side, p, k));
      if (std::fabs(ActivePressure(Side, p, k)) < noise) ActivePressure(Side, p, k) = 0;
    }
  }

  // Cut-off: no active segment below the surface is negative; a crossing becomes a
  // grid point of zero pressure.
  unsigned moved = kMoveNetWater | (Side == 1 ? kMoveSide1 : (kMoveSide1 | kMoveSide2));
  for (int i = t; i + 1 <= NumGridPoints; ++i) {
    const double a1 = ActivePressure(Side, i, 1);
    double a2 = ActivePressure(Side, i + 1, 2);
    if ((a1 < 0 && a2 > 0) || (a1 > 0 && a2 < 0)) {
      const double z0 = GridElev(i) + (GridElev(i) - GridElev(i + 1)) * a1 / (a2 - a1);
      if (!InsertGridPoint(i, z0, moved)) return;
      ActivePressure(Side, i + 1, 1) = 0;
      ActivePressure(Side, i + 1, 2) = 0;
      a2 = 0;
    }
    if (a1 < 0) ActivePressure(Side, i, 1) = 0;
    if (a2 < 0) ActivePressure(Side, i + 1, 2) = 0;
  }
}
