// Wedge forces by a fixed failure surface: one broken failure line per tip, rising in
// each layer at 45 degrees plus or minus half that layer's developed friction angle.
// Tips lie halfway between grid points; the forces at the grid points come from
// quadratic interpolation through those tips.
#include <algorithm>
#include <cmath>

#include "model/problem.h"
#include "pressures/pressures.h"
#include "pressures/wedge_common.h"

namespace {

using namespace wedge;

struct Line {
  int side, method;
  double s;  // +1 active, -1 passive
};

double FactorOfSafety(const Line& l, int layer) {
  return l.s > 0 ? FSActiveUsed(l.side, layer, l.method) : FSPassiveUsed(l.side, layer, l.method);
}

// Where the straight line from (X1, Y1) with slope m leaves the ground surface.
void ExitOnSurface(int side, double X1, double Y1, double m, double& x, double& y) {
  const WedgeFigure& g = WedgeSurface(side);
  for (int j = 2; j <= g.Count(); ++j) {
    const double xs = g.X(j), ys = g.Y(j);
    if (xs < X1) continue;
    if (xs - X1 <= kSamePoint) {
      // A surface point straight above the start goes on; one at or below it means the
      // line starts on the ground and leaves it at once.
      if (ys - Y1 > kSamePoint) continue;
      x = X1, y = Y1;
      return;
    }
    const double t = (ys - Y1) / (xs - X1);
    if (t == m) {
      x = xs, y = ys;
      return;
    }
    if (m > t) {
      const double x0 = g.X(j - 1), y0 = g.Y(j - 1);
      if (!(xs > x0)) {
        x = xs;
      } else {
        const double ss = (ys - y0) / (xs - x0);
        // A segment of the line's own slope lying below it: the start is on the ground.
        if (m == ss) {
          x = X1, y = Y1;
          return;
        }
        x = ((ys - ss * xs) - Y1 + m * X1) / (m - ss);
        if (x < X1) x = X1;
        if (x > xs) x = xs;
      }
      y = Y1 + m * (x - X1);
      return;
    }
  }
  FailNoGround();
}

// Whether the line from (X1, Y1) with slope m passes through the bottom line of layer k
// strictly beyond X1 and before the exit xExit: rising above it (dir +1) or sinking below
// it (dir -1). Lines of the same slope never cross; a crossing within a rounding
// difference of either end counts as none.
bool ThroughBoundary(int side, int k, double X1, double Y1, double m, double xExit, int dir,
                     double& xc) {
  const double Bc = LayerBottomElev(side, k);
  const double bc = LayerBottomSlope(side, k);
  if (dir > 0 ? !(m > bc) : !(m < bc)) return false;
  xc = ((Bc - Y1) + m * X1) / (m - bc);
  if (!(xc > X1 + kSamePoint && xc < xExit - kSamePoint)) return false;
  double from = 0, to = 0;
  BoundaryRun(side, k, from, to);
  return xc >= from - kSamePoint && xc <= to + kSamePoint;
}

// Horizontal force on the wall of the failure line from a tip at (0, zm) that starts
// in layer L, with the mean wall friction delta and the wall adhesion Ad.
double FailureLineForce(const Line& l, double zm, int L, double delta, double Ad) {
  const int nl = NumSoilLayers(l.side);

  FixedWedgeScratch.clear();
  int S = L;
  double X1 = 0, Y1 = zm;
  Developed dev = DevelopedStrength(l.side, S, FactorOfSafety(l, S));
  double alpha = kPiOver4 + l.s * dev.phi / 2;
  double sa = std::sin(alpha), ca = std::cos(alpha);
  double m = sa / ca;

  double wallW = 0, wallC = 0, wallSa = 0, wallCa = 0;
  SliceFactors wallF{0, 0};

  // A line crosses each boundary at most twice; far more pieces than that means the
  // line keeps turning at one boundary and never reaches the ground.
  for (int pieces = 0;; ++pieces) {
    if (pieces > 4 * nl + 20) FailNoGround();
    double x = 0, y = 0;
    ExitOnSurface(l.side, X1, Y1, m, x, y);

    // The piece leaves its layer where it passes through the layer's top or bottom line
    // under the ground, before it reaches the ground; otherwise it runs to the ground.
    // (Where a boundary meets the ground nearer the wall than the exit, the piece has
    // passed through it; this also holds for a boundary that lies above the ground at
    // the wall and passes below it farther out.)
    bool last = true;
    int d = 0;
    double xc = 0;
    double xUp = 0, xDown = 0;
    const bool up = S > 1 && ThroughBoundary(l.side, S - 1, X1, Y1, m, x, +1, xUp);
    const bool down = S < nl && ThroughBoundary(l.side, S, X1, Y1, m, x, -1, xDown);
    if (up && (!down || xUp <= xDown)) {
      last = false, d = -1, xc = xUp;
    } else if (down) {
      last = false, d = +1, xc = xDown;
    }
    if (!last) {
      x = xc;
      y = Y1 + m * (x - X1);
    }

    const double X2 = x, Y2 = y;
    const double W = SliceLoad(zm, m, l.side, l.method, X1, Y1, X2, Y2, S);
    const double C = dev.cohesion * std::sqrt((X2 - X1) * (X2 - X1) + (Y2 - Y1) * (Y2 - Y1));
    const SliceFactors f = Factors(l.s, dev.tanPhi, sa, ca);
    if (X1 == 0) {
      wallW = W, wallC = C, wallSa = sa, wallCa = ca, wallF = f;
    } else {
      FixedWedgeScratch.push_back(SliceForce(l.s, f, W, C, sa, ca));
    }
    if (last) break;

    S += d;
    dev = DevelopedStrength(l.side, S, FactorOfSafety(l, S));
    alpha = kPiOver4 + l.s * dev.phi / 2;
    sa = std::sin(alpha), ca = std::cos(alpha);
    m = sa / ca;
    // Keep the line inside the new layer, along the boundary just crossed if need be.
    if (d > 0) {
      const double bs = LayerBottomSlope(l.side, S - 1);
      if (m > bs) m = bs;
    } else {
      const double bs = LayerBottomSlope(l.side, S);
      if (m < bs) m = bs;
    }
    X1 = X2, Y1 = Y2;
  }

  double sumF = 0;
  for (double F : FixedWedgeScratch) sumF += F;
  const double D = WallDenominator(l.s, wallF, delta);
  if (D == 0) FailNoEquilibrium();
  const double P = WallForce(l.s, wallF, D, wallW, wallC, Ad, sumF, wallSa, wallCa);
  if (!std::isfinite(P)) FailNoEquilibrium();
  return P * std::cos(delta);
}

// Value at z of the quadratic through three nodes.
double Quadratic(double z, double e1, double f1, double e2, double f2, double e3, double f3) {
  return f1 * (z - e2) * (z - e3) / ((e1 - e2) * (e1 - e3)) +
         f2 * (z - e1) * (z - e3) / ((e2 - e1) * (e2 - e3)) +
         f3 * (z - e1) * (z - e2) / ((e3 - e1) * (e3 - e2));
}

}  // namespace

namespace wedge {

void FixedForces(int Side, int Method) {
  WedgeNoSolution(Method, Side) = 0;
  const int N = NumGridPoints;
  for (int p = 1; p <= N; ++p) WedgeActiveForce(p, Side) = WedgePassiveForce(p, Side) = 0;
  const double zs = SurfaceElev(Side, 1);
  const int p0 = FirstGridPointWithin(zs);
  if (p0 == 0) return;
  const int nl = NumSoilLayers(Side);

  int L = 1;
  double zprev = zs;
  WallTerms wall;
  for (int q = p0; q <= N - 1; ++q) {
    wall.Add(Side, L, Method, zprev - GridElev(q));
    const double zm = (GridElev(q) + GridElev(q + 1)) / 2;
    while (nl > 1 && L < nl && zm < LayerBottomElev(Side, L)) ++L;
    wall.Add(Side, L, Method, GridElev(q) - zm);
    zprev = zm;
    const double depth = zs - zm;
    WedgeMidpointForce(q, 1) = FailureLineForce({Side, Method, +1}, zm, L, wall.Ia / depth, wall.Aa);
    WedgeMidpointForce(q, 2) = FailureLineForce({Side, Method, -1}, zm, L, wall.Ip / depth, wall.Ap);
  }

  // Nodes: the tips halfway between grid points, and the surface itself with no force.
  auto e = [&](int q) { return q < p0 ? GridElev(p0) : (GridElev(q) + GridElev(q + 1)) / 2; };
  for (int k = 1; k <= 2; ++k) {
    auto F = [&](int q) { return q < p0 ? 0.0 : WedgeMidpointForce(q, k); };
    auto Q = [&](double z, int a) { return Quadratic(z, e(a), F(a), e(a + 1), F(a + 1), e(a + 2), F(a + 2)); };
    for (int p = p0 + 1; p <= N; ++p) {
      const double z = GridElev(p);
      double v;
      if (N - p0 < 3) {
        // Too few tips for a quadratic: the straight line through the nearest two.
        const int a = std::max(p0 - 1, std::min(p - 2, N - 2));
        v = F(a) + (F(a + 1) - F(a)) * (z - e(a)) / (e(a + 1) - e(a));
      } else if (p <= N - 2) {
        v = (Q(z, p - 2) + Q(z, p - 1)) / 2;
        if (k == 1 && F(p - 1) < 0 && F(p) < 0 && v > 0) {
          v = ((z - e(p)) * F(p - 1) + (e(p - 1) - z) * F(p)) / (e(p - 1) - e(p));
        }
      } else if (p == N - 1) {
        v = Q(z, p - 2);
      } else {
        v = Q(z, p - 3);
      }
      if (k == 1) {
        WedgeActiveForce(p, Side) = v;
      } else {
        WedgePassiveForce(p, Side) = v;
      }
    }
  }
}

}  // namespace wedge

void ComputeFixedWedgeForces(int Side, int Method) {
  wedge::Guarded([&] { wedge::FixedForces(Side, Method); });
}
