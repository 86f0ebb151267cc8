// Horizontal pressure on the wall from vertical surcharges on a Coulomb side, by the
// closed forms of the theory of elasticity. The uniform load acts through the vertical
// stress instead.
#include <cmath>

#include "pressures/pressures.h"

namespace {
constexpr double kPi = 3.14159265358979;
constexpr double kTwoPi = 6.28318530717958;
}  // namespace

void ComputeSurchargePressures(int Side) {
  for (int p = 1; p <= kMaxGridPoints; ++p) SurchargePressure(Side, p) = 0;
  const int t = LastGridPointAt(SurfaceElev(Side, 1));
  if (t == 0) return;
  const double top = GridElev(t);

  const double H = (SurfaceElev(Side, 1) - SurfaceElev(2, 1)) * (3 - 2 * Side);
  for (int n = 1; n <= NumLineLoads(Side); ++n) {
    const double Q = LineLoad(Side, n);
    const double x = LineLoadDist(Side, n);
    const bool nearWall = H > 0 && x / H <= 0.4;
    for (int i = t + 1; i <= NumGridPoints; ++i) {
      const double z = top - GridElev(i);
      if (nearWall) {
        const double nz = z / H;
        SurchargePressure(Side, i) += 0.203 * (Q / H) * nz / std::pow(0.16 + nz * nz, 2);
      } else {
        SurchargePressure(Side, i) += (4 * Q / kPi) * x * x * z / std::pow(x * x + z * z, 2);
      }
    }
  }

  for (int n = 1; n <= NumStripLoads(Side); ++n) EvaluateSurchargeLoad(Side, t + 1, 1, n);

  if (NumRampLoads(Side) != 0) {
    const double q = RampLoad(Side);
    for (int i = t + 1; i <= NumGridPoints; ++i) {
      const double z = top - GridElev(i);
      const double a = std::atan(RampEndDist(Side) / z);
      SurchargePressure(Side, i) += q / kTwoPi * (kPi - 2 * a + std::sin(2 * a));
    }
    if (RampEndDist(Side) - RampStartDist(Side) > 0.0001) EvaluateSurchargeLoad(Side, t + 1, 2, 1);
  }

  for (int n = 1; n <= NumTriangularLoads(Side); ++n) {
    if (TriPeakDist(Side, n) > TriStartDist(Side, n)) EvaluateSurchargeLoad(Side, t + 1, 31, n);
    if (TriEndDist(Side, n) > TriPeakDist(Side, n)) EvaluateSurchargeLoad(Side, t + 1, 32, n);
  }

  for (int n = 1; n <= NumVariablePoints(Side) - 1; ++n) EvaluateSurchargeLoad(Side, t + 1, 4, n);
}

void EvaluateSurchargeLoad(int Side, int FirstPoint, int Kind, int LoadIndex) {
  double x1 = 0, q1 = 0, x2 = 0, q2 = 0;
  const int n = LoadIndex;
  switch (Kind) {
    case 1:
      x1 = StripStartDist(Side, n);
      q1 = StripLoad(Side, n);
      x2 = StripEndDist(Side, n);
      q2 = StripLoad(Side, n);
      break;
    case 2:
      x1 = RampStartDist(Side);
      q1 = 0;
      x2 = RampEndDist(Side);
      q2 = RampLoad(Side);
      break;
    case 4:
      x1 = VarLoadDist(Side, n);
      q1 = VarLoadValue(Side, n);
      x2 = VarLoadDist(Side, n + 1);
      q2 = VarLoadValue(Side, n + 1);
      break;
    case 31:
      x1 = TriStartDist(Side, n);
      q1 = 0;
      x2 = TriPeakDist(Side, n);
      q2 = TriPeakLoad(Side, n);
      break;
    case 32:
      x1 = TriPeakDist(Side, n);
      q1 = TriPeakLoad(Side, n);
      x2 = TriEndDist(Side, n);
      q2 = 0;
      break;
    default:
      return;
  }
  // A piece without width carries no load (and would divide by zero).
  if (!(x2 - x1 > 0.0001)) return;

  const double A = (x2 * q1 - x1 * q2) / (kPi * (x2 - x1));
  const double B = (q2 - q1) / (kPi * (x2 - x1));
  for (int i = FirstPoint; i <= NumGridPoints; ++i) {
    const double z = GridElev(FirstPoint - 1) - GridElev(i);
    const double a1 = std::atan(x1 / z);
    const double a2 = std::atan(x2 / z);
    const double s1 = std::sin(a1), s2 = std::sin(a2);
    double p = A * (a2 - a1 + s1 * std::cos(a1) - s2 * std::cos(a2)) +
               B * z * (s1 * s1 - s2 * s2 + 2 * std::log(std::cos(a1) / std::cos(a2)));
    if (p < 0) p = 0;
    SurchargePressure(Side, i) += p;
  }
}
