// The vertical resultant of the surface surcharges of one side that stand on the top of
// a wedge slice, so that each slice carries its own weight plus the load above it.
#include <algorithm>

#include "pressures/pressures.h"

namespace {

// Area under the load that rises linearly from v0 at x0 to v1 at x1, between a and b
// (a segment of no width carries nothing).
double SegmentArea(double x0, double v0, double x1, double v1, double a, double b) {
  const double lo = std::max(a, x0);
  const double hi = std::min(b, x1);
  if (!(hi > lo) || !(x1 > x0)) return 0;
  const double t = (v1 - v0) / (x1 - x0);
  const double vlo = v0 + (lo - x0) * t;
  const double vhi = v0 + (hi - x0) * t;
  return (vlo + vhi) / 2 * (hi - lo);
}

}  // namespace

void SumWedgeSurcharge(double& Total, int Side, double X1, double X2) {
  for (int i = 1; i <= NumLineLoads(Side); ++i) {
    const double d = LineLoadDist(Side, i);
    if (X1 <= d && d < X2) Total += LineLoad(Side, i);
  }

  if (NumUniformLoads(Side) != 0) Total += (X2 - X1) * UniformLoad(Side);

  for (int i = 1; i <= NumStripLoads(Side); ++i) {
    const double S = StripStartDist(Side, i), E = StripEndDist(Side, i);
    if (S >= X2 || E <= X1) continue;
    Total += (std::min(X2, E) - std::max(X1, S)) * StripLoad(Side, i);
  }

  if (NumRampLoads(Side) != 0) {
    const double S = RampStartDist(Side), E = RampEndDist(Side), q = RampLoad(Side);
    if (S >= X2) {
      // the ramp starts beyond the slice
    } else if (E <= X1) {
      Total += (X2 - X1) * q;
    } else {
      double xL = S, qL = 0;
      if (S < X1) {
        xL = X1;
        qL = q / (E - S) * (X1 - S);
      }
      if (E <= X2) {
        Total += (qL + q) * (E - xL) / 2 + (X2 - E) * q;
      } else {
        const double qR = q / (E - S) * (X2 - S);
        Total += (qR + qL) / 2 * (X2 - xL);
      }
    }
  }

  for (int i = 1; i <= NumTriangularLoads(Side); ++i) {
    const double S = TriStartDist(Side, i), P = TriPeakDist(Side, i), E = TriEndDist(Side, i);
    const double q = TriPeakLoad(Side, i);
    if (S >= X2 || E <= X1) continue;
    Total += SegmentArea(S, 0, P, q, X1, X2) + SegmentArea(P, q, E, 0, X1, X2);
  }

  const int m = NumVariablePoints(Side);
  if (m != 0) {
    if (VarLoadDist(Side, m) <= X1 || VarLoadDist(Side, 1) >= X2) return;
    for (int k = 1; k <= m - 1; ++k) {
      const double x0 = VarLoadDist(Side, k), x1 = VarLoadDist(Side, k + 1);
      // Two points at the same distance make a jump, not a segment: nothing to
      // interpolate on (the same rule as the Coulomb surcharges).
      if (!(x1 - x0 > 0.0001)) continue;
      Total += SegmentArea(x0, VarLoadValue(Side, k), x1, VarLoadValue(Side, k + 1), X1, X2);
    }
  }
}
