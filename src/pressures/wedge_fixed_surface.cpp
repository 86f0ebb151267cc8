// Wedge forces by a fixed failure surface: one broken failure line per tip, rising in
// each layer at 45 degrees plus or minus half that layer's developed friction angle.
// Tips lie halfway between grid points; the forces at the grid points come from
// quadratic interpolation through those tips.
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "model/problem.h"
#include "pressures/pressures.h"
#include "pressures/wedge_common.h"

namespace {

using namespace wedge;

// Horizontal forces of the slices of one failure line beyond the slice at the wall.
std::vector<double> FixedWedgeScratch;

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
// in layer L, with the mean wall friction delta and the wall adhesion Ad. A tip on the
// bottom of layer `boundary` (zm that bottom's elevation at the wall) whose line leaves
// layer L at once has a wall slice of no size in L, and the line goes on in the layer it
// enters.
double FailureLineForce(const Line& l, double zm, int L, double delta, double Ad, int boundary = 0) {
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
  bool wallDone = false;
  if (boundary != 0) {
    const double bs = LayerBottomSlope(l.side, boundary);
    int d = 0;
    if (S == boundary && m < bs && S < nl) d = +1;   // from the layer above, straight under it
    if (S == boundary + 1 && m > bs) d = -1;         // from the layer below, straight above it
    if (d != 0) {
      wallSa = sa, wallCa = ca, wallF = Factors(l.s, dev.tanPhi, sa, ca);
      wallDone = true;
      S += d;
      dev = DevelopedStrength(l.side, S, FactorOfSafety(l, S));
      alpha = kPiOver4 + l.s * dev.phi / 2;
      sa = std::sin(alpha), ca = std::cos(alpha);
      m = sa / ca;
      if (d > 0 ? m > bs : m < bs) m = bs;
    }
  }

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
    if (!wallDone) {
      wallW = W, wallC = C, wallSa = sa, wallCa = ca, wallF = f;
      wallDone = true;
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

  // The force each vertical interface hands inward, from the outermost slice to the
  // wall slice. Soil carries no tension across an interface: where a cohesive slice's
  // active force is negative, the interface opens and hands on nothing. (Were the
  // tension handed on, the wall slice would turn it through a mean wall friction that
  // grows with the depth of the tip, and a sand under a clay would take pressures of
  // the clay's cohesion, not of its weight.)
  double sumF = 0;
  for (auto F = FixedWedgeScratch.rbegin(); F != FixedWedgeScratch.rend(); ++F) {
    sumF += *F;
    if (l.s > 0 && sumF < 0) sumF = 0;
  }
  // D is -cos(alpha -+ phi -+ delta) / cos(phi). At 0 (a passive wall friction of
  // 45 deg - phi / 2 on this line) the wall force is unbounded: a D that is 0 but for
  // rounding (6E-17 for phi 30, delta 30) gave pressures of 1E+19.
  const double D = WallDenominator(l.s, wallF, delta);
  if (std::fabs(D) <= 1e-9) FailNoEquilibrium();
  const double P = WallForce(l.s, wallF, D, wallW, wallC, Ad, sumF, wallSa, wallCa);
  if (!std::isfinite(P)) FailNoEquilibrium();
  return P * std::cos(delta);
}

}  // namespace

namespace wedge {

double Quadratic(double z, double e1, double f1, double e2, double f2, double e3, double f3) {
  return f1 * (z - e2) * (z - e3) / ((e1 - e2) * (e1 - e3)) +
         f2 * (z - e1) * (z - e3) / ((e2 - e1) * (e2 - e3)) +
         f3 * (z - e1) * (z - e2) / ((e3 - e1) * (e3 - e2));
}

void FixedForces(int Side, int Method, ForceExtras* extras) {
  WedgeNoSolution(Method, Side) = 0;
  ClearMisfit(Side);
  const int N = NumGridPoints;
  for (int p = 1; p <= N; ++p) WedgeActiveForce(p, Side) = WedgePassiveForce(p, Side) = 0;
  if (extras) extras->Reset(N);
  const double zs = SurfaceElev(Side, 1);
  const int p0 = FirstGridPointWithin(zs);
  if (p0 == 0) return;
  const int nl = NumSoilLayers(Side);

  // The tips: grid points within a hair of each other are one.
  std::vector<int> first, last;
  for (int p = p0; p <= N;) {
    int q = p;
    while (q + 1 <= N && GridElev(p) - GridElev(q + 1) <= kSameElevation) ++q;
    first.push_back(p);
    last.push_back(q);
    p = q + 1;
  }
  const std::size_t n = first.size();
  // The far points only close the diagrams far below the tip: no line is drawn from
  // them (at a large developed friction angle it would not reach the ground); their
  // forces carry on the quadratic of the last tips, as the last point's does, so their
  // pressures carry on the last layer's diagram, as on a Coulomb side.
  std::size_t nR = n;
  const int lastRegular = LastRegularGridPoint();
  while (nR > 2 && first[nR - 1] > lastRegular) --nR;
  std::vector<double> z(n);
  std::vector<int> boundary(n, 0);
  for (std::size_t j = 0; j < n; ++j) {
    z[j] = GridElev(first[j]);
    if (j > 0) boundary[j] = BoundaryAt(Side, z[j], zs);
    if (boundary[j] != 0) z[j] = LayerBottomElev(Side, boundary[j]);
  }

  // Forces for tips halfway between the points, and at a point on a layer bottom for the
  // wedges of both layers (above: the layer above at the wall; below: the layer below).
  std::vector<double> mid[2], up[2], down[2];
  for (int k = 0; k < 2; ++k) {
    mid[k].assign(n, 0.0);
    up[k].assign(n, 0.0);
    down[k].assign(n, 0.0);
  }
  int L = 1;
  double zprev = zs;
  WallTerms wall;
  // A wedge that does not fit the soil figures ends the tips there: the points from the
  // first one at or below its tip on are closed as the far points are, by the quadratic
  // of the tips above carried on.
  Fault misfit;
  for (std::size_t j = 0; j < nR; ++j) {
    wall.Add(Side, L, Method, zprev - z[j]);
    zprev = z[j];
    if (boundary[j] != 0) {
      const double depth = zs - z[j];
      const int b = boundary[j];
      const bool fits = TipFits([&] {
        for (int k = 0; k < 2; ++k) {
          const Line line{Side, Method, k == 0 ? +1.0 : -1.0};
          const double delta = (k == 0 ? wall.Ia : wall.Ip) / depth;
          const double Ad = k == 0 ? wall.Aa : wall.Ap;
          up[k][j] = FailureLineForce(line, z[j], b, delta, Ad, b);
          down[k][j] = FailureLineForce(line, z[j], b + 1, delta, Ad, b);
        }
      }, misfit);
      if (!fits) {
        // The tip on the layer bottom is the first point not computed.
        nR = j + 1;
        NoteMisfit(Side, GridElev(last[j - 1]), misfit);
        break;
      }
    }
    if (j + 1 >= nR) break;
    const double zm = (z[j] + z[j + 1]) / 2;
    while (nl > 1 && L < nl && zm < LayerBottomElev(Side, L)) ++L;
    wall.Add(Side, L, Method, z[j] - zm);
    zprev = zm;
    const double depth = zs - zm;
    const bool fits = TipFits([&] {
      mid[0][j] = FailureLineForce({Side, Method, +1}, zm, L, wall.Ia / depth, wall.Aa);
      mid[1][j] = FailureLineForce({Side, Method, -1}, zm, L, wall.Ip / depth, wall.Ap);
    }, misfit);
    if (!fits) {
      // The tip halfway down to the next point: that point is the first not computed.
      nR = j + 1;
      NoteMisfit(Side, GridElev(last[j]), misfit);
      break;
    }
    WedgeMidpointForce(first[j], 1) = mid[0][j];
    WedgeMidpointForce(first[j], 2) = mid[1][j];
  }

  // Forces at the points, by the quadratics through the tips of the layer's own stretch
  // of the grid: from the surface (no force) or a layer bottom above it down to the
  // next layer bottom, whose own wedges close the stretch. Past a wedge that did not
  // fit, the last stretch computed runs on to the end of the grid.
  const bool misfitted = WedgeComputedToElev(Side) != -std::numeric_limits<double>::infinity();
  auto ends = [&](std::size_t b) { return boundary[b] != 0 && (b + 1 < nR || !misfitted); };
  for (int k = 0; k < 2; ++k) {
    std::vector<double> atPoint(n, 0.0), below(n, 0.0);
    for (std::size_t a = 0; a + 1 < n;) {
      std::size_t b = a + 1;
      while (b + 1 < n && !ends(b)) ++b;
      const bool closed = boundary[b] != 0 && b + 1 < nR;
      std::vector<double> e = {z[a]}, f = {a == 0 ? 0.0 : down[k][a]};
      for (std::size_t j = a; j < b && j + 1 < nR; ++j) {
        e.push_back((z[j] + z[j + 1]) / 2);
        f.push_back(mid[k][j]);
      }
      if (closed) {
        e.push_back(z[b]);
        f.push_back(up[k][b]);
      }
      auto Q = [&](double x, std::size_t i) { return Quadratic(x, e[i], f[i], e[i + 1], f[i + 1], e[i + 2], f[i + 2]); };
      auto linear = [&](double x, std::size_t i) {
        return f[i] + (f[i + 1] - f[i]) * (x - e[i]) / (e[i + 1] - e[i]);
      };
      const std::size_t m = e.size();
      for (std::size_t j = a + 1; j <= b; ++j) {
        if (closed && j == b) break;
        const double x = z[j];
        const std::size_t i = j - a;  // the point lies between e[i] and e[i + 1]
        double v;
        if (i + 1 >= m) {  // the last point: the quadratic of the last tips carried on
          v = m >= 3 ? Q(x, m - 3) : m == 2 ? linear(x, 0) : f[0];
        } else if (i >= 1 && i + 2 < m) {
          v = (Q(x, i - 1) + Q(x, i)) / 2;
          if (k == 0 && f[i] < 0 && f[i + 1] < 0 && v > 0) v = linear(x, i);
        } else if (i >= 1) {
          v = Q(x, i - 1);
        } else if (i + 2 < m) {
          v = Q(x, i);
        } else {
          v = linear(x, i);
        }
        atPoint[j] = below[j] = v;
      }
      if (closed) {
        atPoint[b] = up[k][b];
        below[b] = down[k][b];
      }
      a = b;
    }
    for (std::size_t j = 1; j < n; ++j) {
      for (int p = first[j]; p <= last[j]; ++p) {
        (k == 0 ? WedgeActiveForce(p, Side) : WedgePassiveForce(p, Side)) = atPoint[j];
        if (extras && boundary[j] != 0 && j + 1 < nR) {
          extras->onBoundary[static_cast<std::size_t>(p)] = 1;
          (k == 0 ? extras->activeBelow : extras->passiveBelow)[static_cast<std::size_t>(p)] = below[j];
        }
      }
    }
  }
}

}  // namespace wedge

void ComputeFixedWedgeForces(int Side, int Method) {
  wedge::Guarded([&] { wedge::FixedForces(Side, Method); });
}
