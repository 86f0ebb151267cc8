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

  // wallLayer: the layer of the slice at the wall (0: the one the line starts in).
  Trial Run(double theta, int wallLayer) const;
};

bool Same(double a, double b) { return std::fabs(a - b) <= kSamePoint; }

Trial Sweep::Run(double theta, int wallLayer) const {
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

  // The slices from the exit inward, the last one at the wall.
  struct Slice {
    int L;
    double ix, iy, ox, oy;  // inner and outer end of its piece of the line
  };
  std::vector<Slice> slices;
  if (nUp + nDown == 0) {
    const int L = tip == 3 ? Lt + 1 : Lt;
    if (L > nl) return t;
    slices.push_back({L, 0, z, xe, ye});
  } else {
    int first, last;
    if (nUp > 0) {
      first = Lt - nUp, last = Lt;
    } else {
      first = tip == 3 ? Lt + 1 : Lt;
      last = first + nDown;
    }
    double ox = xe, oy = ye;  // outer end of the slice
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
      slices.push_back({L, ix, iy, ox, oy});
      ox = ix, oy = iy;
    }
  }
  // The wall slice in the layer asked for: one of no size where the line leaves it at
  // once (a line running along the tip's boundary is weighed with both layers instead).
  if (wallLayer != 0 && slices.back().L != wallLayer && tip != 2) {
    slices.push_back({wallLayer, 0, z, 0, z});
  }

  if (slices.size() == 1) {
    const Slice& sl = slices.front();
    const double W = SliceLoad(z, m, side, method, 0, z, xe, ye, sl.L);
    const double len = std::sqrt(xe * xe + (ye - z) * (ye - z));
    OneSlice(sl.L, W, len, sa, ca, t.Pa, t.Pp);
    if (tip == 2 && Lt + 1 <= nl) {
      double Pa2, Pp2;
      OneSlice(Lt + 1, W, len, sa, ca, Pa2, Pp2);
      if (t.Pa == kNoActive || (Pa2 != kNoActive && Pa2 > t.Pa)) t.Pa = Pa2;
      t.Pp = MinOf(t.Pp, Pp2);
    }
  } else {
    double sumFa = 0, sumFp = 0;
    bool passiveFailed = false;
    for (std::size_t i = 0; i < slices.size(); ++i) {
      const Slice& sl = slices[i];
      const bool none = !(sl.ox - sl.ix > 0);  // a slice of no size
      const double W = none ? 0 : SliceLoad(z, m, side, method, sl.ix, sl.iy, sl.ox, sl.oy, sl.L);
      const double len = none ? 0 : std::sqrt((sl.ox - sl.ix) * (sl.ox - sl.ix) + (sl.oy - sl.iy) * (sl.oy - sl.iy));

      const Developed& a = active[static_cast<std::size_t>(sl.L)];
      const SliceFactors fa = Factors(+1, a.tanPhi, sa, ca);
      const Developed& p = passive[static_cast<std::size_t>(sl.L)];
      const SliceFactors fp = Factors(-1, p.tanPhi, sa, ca);
      if (i + 1 < slices.size()) {
        if (fa.A != 0) sumFa += SliceForce(+1, fa, W, a.cohesion * len, sa, ca);
        bool fail = fp.A == 0;
        if (!fail) {
          const double F = SliceForce(-1, fp, W, p.cohesion * len, sa, ca);
          fail = !(F > 0);
          if (!fail) sumFp += F;
        }
        if (fail) sumFp = 0, passiveFailed = true;
      } else {
        // A negative force is kept, as for a wedge of one slice: it is the tension of
        // the soil's cohesion, which the cut-off of the pressure removes.
        const double Da = WallDenominator(+1, fa, deltaA);
        t.Pa = Da == 0 ? kNoActive : WallForce(+1, fa, Da, W, a.cohesion * len, Aa, sumFa, sa, ca);
        const double Dp = WallDenominator(-1, fp, deltaP);
        if (Dp == 0) {
          passiveFailed = true;
        } else {
          const double P = WallForce(-1, fp, Dp, W, p.cohesion * len, Ap, sumFp, sa, ca);
          // A wall slice of no size adds nothing to what the outer slices hand on: it
          // turns it, and hands on no less.
          if (none ? !(P > 0 && P >= sumFp * (1 - 1e-12)) : !(P > sumFp)) {
            passiveFailed = true;
          } else {
            t.Pp = P;
          }
        }
      }
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

namespace {

// The search of one tip over the trial angles: the largest active and the smallest
// passive force, and whether the last trial lay past each of them.
struct Search {
  double Amax = kNoActive, Pmin = 0;
  bool anyActive = false;  // a trial found an active force
  bool activePast = false, passivePast = false;
};

Search SearchTip(const Sweep& s, double thetaMax, int wallLayer, bool everyTrial, double first) {
  Search r;
  bool anyPassive = false;
  double degrees = first - 2;
  bool lastTrial = false;
  while (!lastTrial) {
    degrees += 2.0;
    double theta = degrees * kDegToRad;
    if (theta > thetaMax) theta = thetaMax, lastTrial = true;
    const Trial t = s.Run(theta, wallLayer);

    // The sentinel marks a trial without an active force; a force found is never
    // compared with it, as the tension of a strong clay in large force units may lie
    // below it.
    if (t.Pa == kNoActive || (r.anyActive && !(t.Pa > r.Amax))) {
      r.activePast = true;
    } else {
      r.Amax = t.Pa;
      r.anyActive = true;
      r.activePast = false;
    }
    // A failed passive trial is exactly 0; any force found counts, however small the
    // force units.
    if (t.Pp > 0) {
      if (!anyPassive) {
        r.Pmin = t.Pp;
        anyPassive = true;
        r.passivePast = false;
      } else if (!(t.Pp > r.Pmin)) {
        r.Pmin = t.Pp;
        r.passivePast = false;
      } else {
        r.passivePast = true;
      }
    }
    if (r.activePast && r.passivePast && !everyTrial) break;
  }
  return r;
}

// The forces of the points below `last`, from which no line was drawn: the quadratic
// through the last three tips carried on, as the fixed surface carries its own. The tips
// are those of the last layer computed: its top (the surface, with no force, or a layer
// bottom, with the wedges of the layer below) ends them.
void CarryForces(int Side, int p0, int last, ForceExtras& ex) {
  struct Tip {
    double z, active, passive;
  };
  std::vector<Tip> tips;  // the deepest first
  for (int q = last; q >= p0 && tips.size() < 3; --q) {
    const double z = GridElev(q);
    const auto i = static_cast<std::size_t>(q);
    // Points within a hair of each other are one tip, with the forces of the deepest.
    if (!tips.empty() && z - tips.back().z <= kSameElevation && q != p0) continue;
    if (q == p0) {
      if (!tips.empty() && z - tips.back().z <= kSameElevation) tips.pop_back();
      tips.push_back({z, 0, 0});
      break;
    }
    if (ex.onBoundary[i] != 0) {
      tips.push_back({z, ex.noActive[i] != 0 ? 0.0 : ex.activeBelow[i], ex.passiveBelow[i]});
      break;
    }
    tips.push_back({z, ex.noActive[i] != 0 ? 0.0 : WedgeActiveForce(q, Side), WedgePassiveForce(q, Side)});
  }
  auto carried = [&](double x, double Tip::*force) {
    if (tips.size() >= 3) {
      return Quadratic(x, tips[2].z, tips[2].*force, tips[1].z, tips[1].*force, tips[0].z, tips[0].*force);
    }
    if (tips.size() == 2) {
      return tips[1].*force + (tips[0].*force - tips[1].*force) * (x - tips[1].z) / (tips[0].z - tips[1].z);
    }
    return tips.empty() ? 0.0 : tips[0].*force;
  };
  for (int p = last + 1; p <= NumGridPoints; ++p) {
    WedgeActiveForce(p, Side) = carried(GridElev(p), &Tip::active);
    WedgePassiveForce(p, Side) = carried(GridElev(p), &Tip::passive);
  }
}

}  // namespace

void SweepForces(int Side, int Method, ForceExtras* extras) {
  WedgeNoSolution(Method, Side) = 0;
  ClearMisfit(Side);
  const int N = NumGridPoints;
  for (int p = 1; p <= N; ++p) WedgeActiveForce(p, Side) = WedgePassiveForce(p, Side) = 0;
  ForceExtras own;
  ForceExtras& ex = extras ? *extras : own;
  ex.Reset(N);
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
  const bool everyTrial = NumNonUniformLoads(Side) != 0;
  // The trials start at 23 degrees from the vertical, or, where a large developed
  // friction angle (a small trial factor of safety) puts the steepest active line
  // (45 degrees - phi / 2) nearer the vertical, 2 degrees or more short of it.
  double phiMax = 0;
  for (int L = 1; L <= s.nl; ++L) phiMax = std::fmax(phiMax, s.active[static_cast<std::size_t>(L)].phi);
  double first = 23;
  const double steepest = 45 - phiMax / kDegToRad / 2;
  if (steepest < first) {
    while (first > 1 && first > steepest - 2) first -= 2;
  }

  int Lt = 1;
  WallTerms wall;
  // No line is drawn from the far points, nor from a point whose wedges do not fit the
  // soil figures and the points below it: their forces carry on those of the last tips.
  const int lastRegular = LastRegularGridPoint();
  int last = p0;
  Fault misfit;
  for (int p = p0 + 1; p <= lastRegular; ++p) {
    // A tip within a hair of a layer bottom lies on it, in the layer above.
    const int boundary = BoundaryAt(Side, GridElev(p), zs);
    const double z = boundary != 0 ? LayerBottomElev(Side, boundary) : GridElev(p);
    // The layer of the tip; one below a layer's bottom at most, never past the last.
    while (s.nl > 1 && Lt < s.nl && z < LayerBottomElev(Side, Lt)) ++Lt;
    wall.Add(Side, Lt, Method, GridElev(p - 1) - GridElev(p));
    s.z = z;
    s.Lt = Lt;
    s.deltaA = wall.Ia / (zs - GridElev(p));
    s.deltaP = wall.Ip / (zs - GridElev(p));
    s.Aa = wall.Aa;
    s.Ap = wall.Ap;

    double thetaMax = -1e300;
    for (int j = 2; j <= g.Count(); ++j) {
      thetaMax = std::fmax(thetaMax, kPi / 2 - std::atan((g.Y(j) - z) / g.X(j)));
    }
    thetaMax -= kTwoDegrees;

    Search r, below;
    const bool twoLayers = boundary != 0 && Lt < s.nl;
    const bool fits = TipFits([&] {
      r = SearchTip(s, thetaMax, boundary != 0 ? Lt : 0, everyTrial, first);
      if (twoLayers) below = SearchTip(s, thetaMax, Lt + 1, everyTrial, first);
    }, misfit);
    if (!fits) {
      NoteMisfit(Side, GridElev(last), misfit);
      break;
    }
    last = p;
    WedgeActiveForce(p, Side) = r.Amax * std::cos(s.deltaA);
    WedgePassiveForce(p, Side) = r.Pmin * std::cos(s.deltaP);
    const std::size_t i = static_cast<std::size_t>(p);
    ex.noActive[i] = r.anyActive ? 0 : 1;
    if (twoLayers) {
      ex.onBoundary[i] = 1;
      // A wedge without an active force below carries the one above.
      ex.activeBelow[i] = !below.anyActive ? WedgeActiveForce(p, Side) : below.Amax * std::cos(s.deltaA);
      ex.passiveBelow[i] = below.Pmin == 0 ? WedgePassiveForce(p, Side) : below.Pmin * std::cos(s.deltaP);
    }
    if ((r.activePast && r.passivePast && !everyTrial) || p == N) continue;
    if (!r.activePast) {
      WedgeMarkActive(Side, p) = "*";
      WedgeNoSolution(Method, Side) = 1;
    }
    if (!r.passivePast) {
      WedgeMarkPassive(Side, p) = "*";
      WedgeNoSolution(Method, Side) = 1;
    }
  }
  CarryForces(Side, p0, last, ex);
}

}  // namespace wedge

void ComputeSweepWedgeForces(int Side, int Method) {
  wedge::Guarded([&] { wedge::SweepForces(Side, Method); });
}
