// Wedge forces by the sweep search: straight failure lines from each grid point at 2
// degree steps from the vertical; the largest active and the smallest passive force over
// the trials. A point whose search ends without passing an extreme is marked.
#include <cmath>
#include <utility>
#include <vector>

#include "model/problem.h"
#include "pressures/pressures.h"
#include "pressures/wedge_common.h"

namespace {

using namespace wedge;

constexpr double kNoActive = -100000.0;

struct Trial {
  double Pa = kNoActive;
  double Pp = 0;
};

struct Sweep {
  int side = 1, method = 1, nl = 1;
  int Lt = 1;     // layer of the tip
  double z = 0;   // tip elevation
  double deltaA = 0, deltaP = 0, Aa = 0, Ap = 0;
  std::vector<Developed> active, passive;  // per layer, index 0 unused
  std::vector<double> xt;                  // xt[k]: where the top of layer k meets the ground
  std::vector<std::pair<double, double>> runs;  // runs[k]: where bottom k bounds the layers

  // Active and passive force of one slice from the wall, (0, z) to (xe, ye), in layer L,
  // with weight plus surcharge W.
  void OneSlice(int L, double W, double len, double sa, double ca, double& Pa, double& Pp) const {
    const Developed& a = active[static_cast<std::size_t>(L)];
    const SliceFactors fa = Factors(+1, a.tanPhi, sa, ca);
    const double Da = WallDenominator(+1, fa, deltaA);
    Pa = Da == 0 ? kNoActive : WallForce(+1, fa, Da, W, a.cohesion * len, Aa, 0, sa, ca);
    const Developed& p = passive[static_cast<std::size_t>(L)];
    const SliceFactors fp = Factors(-1, p.tanPhi, sa, ca);
    const double Dp = WallDenominator(-1, fp, deltaP);
    Pp = Dp == 0 ? 0 : WallForce(-1, fp, Dp, W, p.cohesion * len, Ap, 0, sa, ca);
  }

  Trial Run(double theta) const;
};

bool Same(double a, double b) { return std::fabs(a - b) <= kSamePoint; }

Trial Sweep::Run(double theta) const {
  Trial t;
  // A line at 90 degrees or more from the vertical falls away from the wall: its slices
  // have no defined weight. A line at 0 or less never leaves the wall.
  if (theta >= kPi / 2 || !(theta > 0)) return t;
  const double sa = std::cos(theta);  // sin(alpha), alpha from the horizontal
  const double ca = std::sin(theta);  // cos(alpha)
  const double m = sa / ca;

  // Exit on the ground surface.
  const WedgeFigure& g = WedgeSurface(side);
  double xe = 0, ye = 0;
  bool found = false;
  for (int j = 2; j <= g.Count() && !found; ++j) {
    const double xs = g.X(j), ys = g.Y(j);
    const double tj = (ys - z) / xs;
    if (tj < m) {
      const double x0 = g.X(j - 1), y0 = g.Y(j - 1);
      if (!(xs > x0)) {
        xe = xs;
      } else {
        const double ss = (ys - y0) / (xs - x0);
        if (m == ss) return t;  // parallel to the ground: never leaves it here
        xe = ((ys - ss * xs) - z) / (m - ss);
      }
      ye = m * xe + z;
      found = true;
    } else if (tj == m) {
      xe = xs, ye = ys;
      found = true;
    }
  }
  if (!found) return t;  // the line never leaves the ground

  // Layer boundaries the line crosses.
  int nUp = 0, nDown = 0, tip = 4;
  if (nl > 1) {
    for (int k = 1; k <= nl - 1; ++k) {
      const double Bk = LayerBottomElev(side, k);
      const double xk = xt[static_cast<std::size_t>(k + 1)];
      if (Bk == z) {
        tip = 2;
        if (Same(xe, xk)) break;
        if (xe < xk) {
          tip = 1;
          break;
        }
        tip = 3;
      } else {
        // A boundary above the tip is crossed where the line rises through it, one below
        // the tip where it rises through the line, in either case under the ground, before
        // the exit. (Where it meets the ground relative to the exit tells the same for a
        // boundary that lies under the ground at the wall; this also holds for one that
        // lies above the ground at the wall and passes below it farther out.)
        const double bk = LayerBottomSlope(side, k);
        const bool rising = Bk > z ? m > bk : m < bk;
        if (!rising) continue;
        const double xc = (Bk - z) / (m - bk);
        if (!(xc > kSamePoint && xc < xe - kSamePoint)) continue;
        const auto& run = runs[static_cast<std::size_t>(k)];
        if (!(xc >= run.first - kSamePoint && xc <= run.second + kSamePoint)) continue;
        if (Bk > z) {
          ++nUp;
        } else {
          ++nDown;
        }
      }
    }
  }

  if (nUp + nDown == 0) {
    const int L = tip == 3 ? Lt + 1 : Lt;
    if (L > nl) return t;
    const double W = SliceLoad(z, m, side, method, 0, z, xe, ye, L);
    const double len = std::sqrt(xe * xe + (ye - z) * (ye - z));
    OneSlice(L, W, len, sa, ca, t.Pa, t.Pp);
    if (tip == 2 && Lt + 1 <= nl) {
      double Pa2, Pp2;
      OneSlice(Lt + 1, W, len, sa, ca, Pa2, Pp2);
      t.Pa = MaxOf(t.Pa, Pa2);
      t.Pp = MinOf(t.Pp, Pp2);
    }
  } else {
    int first, last;
    if (nUp > 0) {
      first = Lt - nUp, last = Lt;
    } else {
      first = tip == 3 ? Lt + 1 : Lt;
      last = first + nDown;
    }
    double ox = xe, oy = ye;  // outer end of the slice
    double sumFa = 0, sumFp = 0;
    bool passiveFailed = false;
    for (int i = first; i <= last; ++i) {
      const int L = nDown == 0 ? i : first + last - i;
      if (L < 1 || L > nl) return Trial{};
      double ix = 0, iy = z;  // inner end
      if (i != last) {
        const int b = nDown == 0 ? L : L - 1;
        if (b < 1 || b > nl - 1) return Trial{};
        const double Bc = LayerBottomElev(side, b), bc = LayerBottomSlope(side, b);
        if (m == bc) return Trial{};  // never crosses a boundary of its own slope
        ix = (Bc - z) / (m - bc);
        iy = m * ix + z;
      }
      const double W = SliceLoad(z, m, side, method, ix, iy, ox, oy, L);
      const double len = std::sqrt((ox - ix) * (ox - ix) + (oy - iy) * (oy - iy));

      const Developed& a = active[static_cast<std::size_t>(L)];
      const SliceFactors fa = Factors(+1, a.tanPhi, sa, ca);
      const Developed& p = passive[static_cast<std::size_t>(L)];
      const SliceFactors fp = Factors(-1, p.tanPhi, sa, ca);
      if (i != last) {
        if (fa.A != 0) sumFa += SliceForce(+1, fa, W, a.cohesion * len, sa, ca);
        bool fail = fp.A == 0;
        if (!fail) {
          const double F = SliceForce(-1, fp, W, p.cohesion * len, sa, ca);
          fail = !(F > 0);
          if (!fail) sumFp += F;
        }
        if (fail) sumFp = 0, passiveFailed = true;
      } else {
        const double Da = WallDenominator(+1, fa, deltaA);
        if (Da == 0) {
          t.Pa = kNoActive;
        } else {
          // A negative force is kept, as for a wedge of one slice: it is the tension of
          // the soil's cohesion, which the cut-off of the pressure removes.
          t.Pa = WallForce(+1, fa, Da, W, a.cohesion * len, Aa, sumFa, sa, ca);
        }
        const double Dp = WallDenominator(-1, fp, deltaP);
        if (Dp == 0) {
          passiveFailed = true;
        } else {
          const double P = WallForce(-1, fp, Dp, W, p.cohesion * len, Ap, sumFp, sa, ca);
          if (!(P > sumFp)) {
            passiveFailed = true;
          } else {
            t.Pp = P;
          }
        }
      }
      ox = ix, oy = iy;
    }
    if (passiveFailed) t.Pp = 0;
  }
  // A value that is not a number is no solution of this trial.
  if (!std::isfinite(t.Pa)) t.Pa = kNoActive;
  if (!std::isfinite(t.Pp)) t.Pp = 0;
  return t;
}

}  // namespace

namespace wedge {

void SweepForces(int Side, int Method, std::vector<char>* noActive) {
  WedgeNoSolution(Method, Side) = 0;
  const int N = NumGridPoints;
  for (int p = 1; p <= N; ++p) WedgeActiveForce(p, Side) = WedgePassiveForce(p, Side) = 0;
  if (noActive) noActive->assign(static_cast<std::size_t>(N + 1), 0);
  const double zs = SurfaceElev(Side, 1);
  const int p0 = LastGridPointAt(zs);
  if (p0 == 0) return;

  Sweep s;
  s.side = Side, s.method = Method, s.nl = NumSoilLayers(Side);
  s.active.resize(static_cast<std::size_t>(s.nl + 1));
  s.passive.resize(static_cast<std::size_t>(s.nl + 1));
  s.xt.assign(static_cast<std::size_t>(s.nl + 2), 0.0);
  s.runs.assign(static_cast<std::size_t>(s.nl + 1), {0.0, 0.0});
  for (int k = 1; k <= s.nl - 1; ++k) {
    BoundaryRun(Side, k, s.runs[static_cast<std::size_t>(k)].first, s.runs[static_cast<std::size_t>(k)].second);
  }
  for (int L = 1; L <= s.nl; ++L) {
    s.active[static_cast<std::size_t>(L)] = DevelopedStrength(Side, L, FSActiveUsed(Side, L, Method));
    s.passive[static_cast<std::size_t>(L)] = DevelopedStrength(Side, L, FSPassiveUsed(Side, L, Method));
    if (L >= 2) s.xt[static_cast<std::size_t>(L)] = WedgeLayerTopX(Side, L, 2);
  }
  const WedgeFigure& g = WedgeSurface(Side);

  int Lt = 1;
  WallTerms wall;
  for (int p = p0 + 1; p <= N; ++p) {
    const double z = GridElev(p);
    // The layer of the tip; one below a layer's bottom at most, never past the last.
    while (s.nl > 1 && Lt < s.nl && z < LayerBottomElev(Side, Lt)) ++Lt;
    wall.Add(Side, Lt, Method, GridElev(p - 1) - z);
    s.z = z;
    s.Lt = Lt;
    s.deltaA = wall.Ia / (zs - z);
    s.deltaP = wall.Ip / (zs - z);
    s.Aa = wall.Aa;
    s.Ap = wall.Ap;

    double Amax = kNoActive, Pmin = 0;
    bool anyPassive = false, activePast = false, passivePast = false;

    double thetaMax = -1e300;
    for (int j = 2; j <= g.Count(); ++j) {
      thetaMax = std::fmax(thetaMax, kPi / 2 - std::atan((g.Y(j) - z) / g.X(j)));
    }
    thetaMax -= kTwoDegrees;

    double degrees = 21;
    bool lastTrial = false, stoppedEarly = false;
    while (!lastTrial) {
      degrees += 2.0;
      double theta = degrees * kDegToRad;
      if (theta > thetaMax) theta = thetaMax, lastTrial = true;
      const Trial t = s.Run(theta);

      if (!(t.Pa > Amax)) {
        activePast = true;
      } else {
        Amax = t.Pa;
        activePast = false;
      }
      if (!(t.Pp < 0.0001)) {
        if (!anyPassive) {
          Pmin = t.Pp;
          anyPassive = true;
          passivePast = false;
        } else if (!(t.Pp > Pmin)) {
          Pmin = t.Pp;
          passivePast = false;
        } else {
          passivePast = true;
        }
      }
      WedgeActiveForce(p, Side) = Amax * std::cos(s.deltaA);
      WedgePassiveForce(p, Side) = Pmin * std::cos(s.deltaP);
      if (activePast && passivePast && NumNonUniformLoads(Side) == 0) {
        stoppedEarly = true;
        break;
      }
    }
    if (noActive && Amax == kNoActive) (*noActive)[static_cast<std::size_t>(p)] = 1;
    if (stoppedEarly || p == N) continue;
    if (!activePast) {
      WedgeMarkActive(Side, p) = "*";
      WedgeNoSolution(Method, Side) = 1;
    }
    if (!passivePast) {
      WedgeMarkPassive(Side, p) = "*";
      WedgeNoSolution(Method, Side) = 1;
    }
  }
}

}  // namespace wedge

void ComputeSweepWedgeForces(int Side, int Method) {
  wedge::Guarded([&] { wedge::SweepForces(Side, Method); });
}
