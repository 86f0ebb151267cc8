// The soil of one wedge side as plane figures: the ground surface, each layer bounded by
// its top and its straight sloping bottom, and the parts of each layer under water and
// under seepage. Built once per solution; the wedge weights integrate over them.
#include <algorithm>
#include <cmath>

#include "model/problem.h"
#include "platform/services.h"
#include "pressures/pressures.h"
#include "pressures/wedge_common.h"

// ---------------------------------------------------------------- WedgeFigure

double WedgeFigure::X(int point) const {
  if (point < 1 || point > count_) throw WedgeFigureOverrun{};
  return x_[static_cast<std::size_t>(point - 1)];
}

double WedgeFigure::Y(int point) const {
  if (point < 1 || point > count_) throw WedgeFigureOverrun{};
  return y_[static_cast<std::size_t>(point - 1)];
}

void WedgeFigure::Put(int point, double x, double y) {
  if (point < 1 || point > count_ + 1) throw WedgeFigureOverrun{};
  const auto at = static_cast<std::size_t>(point - 1);
  if (x_.size() <= at) {
    x_.resize(at + 1);
    y_.resize(at + 1);
  }
  x_[at] = x;
  y_[at] = y;
}

void WedgeFigure::SetCount(int n) {
  if (n < 0 || static_cast<std::size_t>(n) > x_.size()) throw WedgeFigureOverrun{};
  count_ = n;
}

double WedgeFigure::LargestX() const {
  double m = 0;
  for (int j = 2; j <= count_; ++j) m = std::max(m, x_[static_cast<std::size_t>(j - 1)]);
  return m;
}

namespace wedge {

// ---------------------------------------------------------------- calculation errors

void FailNoGround() {
  throw Fault{"INVALID WEDGE GEOMETRY",
              "A trial failure surface does not reach" + NewLine + "the ground surface." +
                  NewLine + NewLine + "UNABLE TO CONTINUE.",
              0, FactorVerdict::None, true};
}

void FailFigureOverrun() {
  throw Fault{"INVALID WEDGE GEOMETRY",
              "A trial wedge reaches beyond the end" + NewLine + "of a soil figure." + NewLine +
                  NewLine + "UNABLE TO CONTINUE.",
              0, FactorVerdict::None, true};
}

void FailSurfaceSlope() {
  throw Fault{"IMPROPER SURFACE SLOPE",
              "Passive pressure coefficient at the ground surface" + NewLine +
                  "cannot be computed for this slope and wall friction." + NewLine + NewLine +
                  "UNABLE TO CONTINUE.",
              0, FactorVerdict::NotComputable};
}

void FailFactorOfSafety() {
  // The same words as the Coulomb computation uses for the same fault.
  throw Fault{"", "Factor of safety is zero or negative." + NewLine + "     Unable to continue.",
              48};
}

void FailNoEquilibrium() {
  throw Fault{"IMPROPER WALL FRICTION",
              "Wall friction is too large for the fixed failure surface:" + NewLine +
                  "the trial wedge has no equilibrium." + NewLine + NewLine +
                  "UNABLE TO CONTINUE.",
              0, FactorVerdict::NotComputable};
}

void Report(const Fault& fault) {
  NoteFactorVerdict(fault.verdict);
  AbortRun = 1;
  platform::MsgBox(fault.text, fault.buttons, fault.title);
}

Developed DevelopedStrength(int side, int layer, double fs) {
  if (!(fs > 0)) FailFactorOfSafety();
  Developed d;
  d.tanPhi = std::tan(LayerPhi(side, layer) * kDegToRad) / fs;
  d.phi = std::atan(d.tanPhi);
  d.cohesion = LayerCohesion(side, layer) / fs;
  d.delta = std::atan(std::tan(LayerWallFriction(side, layer) * kDegToRad) / fs);
  d.adhesion = LayerAdhesion(side, layer) / fs;
  return d;
}

// ---------------------------------------------------------------- clipping walks

namespace {

bool CrossesStrictly(const WedgeFigure& s, int j, double E) {
  const double a = s.Y(j - 1), b = s.Y(j);
  return (a > E && b < E) || (a < E && b > E);
}

bool Vertical(const WedgeFigure& s, int j) { return !(s.X(j) > s.X(j - 1)); }

// The clip step over segment j-1 .. j: its crossing with E when it passes strictly
// through E (a vertical segment has none here), then point j lowered to E.
void ClipStep(const WedgeFigure& s, int j, double E, WedgeFigure& out) {
  if (CrossesStrictly(s, j, E) && !Vertical(s, j)) {
    const double slope = (s.Y(j) - s.Y(j - 1)) / (s.X(j) - s.X(j - 1));
    out.Append((E - s.Y(j) + slope * s.X(j)) / slope, E);
  }
  out.Append(s.X(j), MinOf(E, s.Y(j)));
}

// First j in 2 .. last with X(j) >= xe, the next one when X(j) equals xe; `last` when
// no point reaches xe.
int FirstBeyond(const WedgeFigure& s, double xe, int last) {
  for (int j = 2; j <= last; ++j) {
    if (s.X(j) >= xe) return s.X(j) == xe ? j + 1 : j;
  }
  return last;
}

}  // namespace

void WalkBottomBelow(const WedgeFigure& s, double E, double B, WedgeFigure& out) {
  const int c = s.Count();
  out.Clear();
  out.Append(0, MinOf(E, s.Y(1)));
  for (int j = 2; j <= c - 1; ++j) {
    if (CrossesStrictly(s, j, E) && Vertical(s, j)) {
      out.Append(s.X(j), E);
      out.Append(s.X(j), s.Y(j));
      break;
    }
    ClipStep(s, j, E, out);
  }
  out.Append(0, B);
}

void WalkRisingBottom(const WedgeFigure& s, double E, double xe, double B, WedgeFigure& out) {
  const int c = s.Count();
  out.Clear();
  out.Append(0, MinOf(E, s.Y(1)));
  // The last point of the closed source is the wall end of its bottom: never walked.
  int j = 2;
  for (; j <= c - 1 && s.X(j) < xe; ++j) ClipStep(s, j, E, out);
  // The upper edge over xe may still rise through E before xe (ground below the level
  // near the wall): that crossing bounds the figure as well, or the figure would take in
  // the corner of dry soil between it and (xe, E).
  if (j <= c - 1 && s.X(j) > s.X(j - 1) && s.Y(j - 1) < E) {
    const double slope = (s.Y(j) - s.Y(j - 1)) / (s.X(j) - s.X(j - 1));
    if (slope > 0) {
      const double xc = s.X(j - 1) + (E - s.Y(j - 1)) / slope;
      if (xc < xe) out.Append(xc, E);
    }
  }
  out.Append(xe, E);
  out.Append(0, B);
}

void WalkFallingWaterLine(const WedgeFigure& s, double E, double xe, WedgeFigure& out) {
  const int c = s.Count();
  const int stopAt = c - 2;  // the last top point before the far bottom or pinch point
  out.Clear();
  out.Append(0, E);
  out.Append(xe, E);
  int j = FirstBeyond(s, xe, c - 1);
  for (;; ++j) {
    if (CrossesStrictly(s, j, E) && Vertical(s, j)) {
      out.Append(s.X(j), E);
      break;
    }
    ClipStep(s, j, E, out);
    if (j >= stopAt) break;
  }
  // The far bottom or pinch point closes the figure, unless the walk already ended on it
  // (the bottom reached E beyond the last top point).
  if (j + 1 <= c - 1) out.Append(s.X(j + 1), s.Y(j + 1));
  out.Append(xe, E);
  out.Append(0, E);
}

void WalkFallingClosed(const WedgeFigure& s, double E, double xe, int stopAt, WedgeFigure& out) {
  out.Clear();
  out.Append(0, E);
  out.Append(xe, E);
  int j = FirstBeyond(s, xe, stopAt);
  for (;; ++j) {
    if (CrossesStrictly(s, j, E) && Vertical(s, j)) {
      out.Append(s.X(j), E);
      out.Append(s.X(j), s.Y(j));
      break;
    }
    ClipStep(s, j, E, out);
    if (j >= stopAt) break;
  }
  out.Append(xe, E);
  out.Append(0, E);
}

void WalkLastLayer(const WedgeFigure& s, double E, WedgeFigure& out) {
  const int c = s.Count();
  out.Clear();
  out.Append(0, MinOf(E, s.Y(1)));
  for (int j = 2; j <= c; ++j) ClipStep(s, j, E, out);
}

}  // namespace wedge

// ---------------------------------------------------------------- the figures of a side

namespace {

using namespace wedge;

// Where the straight line Y = B + b X meets the segment from point j - 1 to point j of
// a polyline, point j lying below the line. Point j - 1 is above the line, except for
// the point at the wall when the line starts above the ground there (a layer bottom
// above the surface at the wall): that point itself is the meeting point then, so the
// layers above end at the wall. Lines of the same slope never meet.
struct Point {
  double x, y;
};
Point MeetingPoint(const WedgeFigure& f, int j, double B, double b, bool nearEndAbove) {
  const double x0 = f.X(j - 1), x1 = f.X(j);
  if (!nearEndAbove) return {x0, f.Y(j - 1)};
  if (!(x1 > x0)) return {x1, b * x1 + B};
  const double s = (f.Y(j) - f.Y(j - 1)) / (x1 - x0);
  if (b == s) return {x0, f.Y(j - 1)};
  const double x = std::clamp((f.Y(j) - s * x1 - B) / (b - s), x0, x1);
  return {x, b * x + B};
}

// Position of point j against the line Y = B + b X, by the ratio r = (Y - B) / X:
// -1 below the line (r < b), 0 on it (r = b), +1 above it. A point at the wall is
// compared by its elevation.
int AgainstLine(const WedgeFigure& f, int j, double B, double b) {
  const double x = f.X(j);
  if (x > 0) {
    const double r = (f.Y(j) - B) / x;
    return r < b ? -1 : (r == b ? 0 : 1);
  }
  const double d = f.Y(j) - B;
  return d < 0 ? -1 : (d == 0 ? 0 : 1);
}

void BuildSurfaceAndFirstTop(int Side, double far) {
  const int N = NumSurfacePoints(Side);
  WedgeFigure& top = WedgeLayerTop(Side, 1);
  top.Clear();
  top.Append(0, SurfaceElev(Side, 1));
  if (N > 1) {
    const int i0 = SurfaceDist(Side, 1) > 0 ? 1 : 2;
    for (int i = i0; i <= N; ++i) top.Append(SurfaceDist(Side, i), SurfaceElev(Side, i));
  }
  top.Append(SurfaceDist(Side, N) + far, SurfaceElev(Side, N));

  const int T = top.Count();
  WedgeFigure& surf = WedgeSurface(Side);
  surf.Clear();
  for (int j = 1; j <= T; ++j) surf.Append(top.X(j), top.Y(j));
  surf.Put(T, surf.X(T - 1) + far, surf.Y(T));
  surf.MaxX = surf.LargestX();
}

// First point j >= 2 of a polyline that lies above the line Y = B + b X; 0 when none.
int FirstAbove(const WedgeFigure& f, double B, double b) {
  for (int j = 2; j <= f.Count(); ++j) {
    if (AgainstLine(f, j, B, b) > 0) return j;
  }
  return 0;
}

// Where the segment from point j - 1 (at or below the line Y = B + b X) to point j (above
// it) rises through the line.
Point RisingThrough(const WedgeFigure& f, int j, double B, double b) {
  const double x0 = f.X(j - 1), y0 = f.Y(j - 1), x1 = f.X(j), y1 = f.Y(j);
  if (!(x1 > x0)) return {x0, B + b * x0};
  const double s = (y1 - y0) / (x1 - x0);
  if (s == b) return {x0, y0};
  const double x = std::clamp((y0 - s * x0 - B) / (b - s), x0, x1);
  return {x, B + b * x};
}

// The top of layer L (2 .. last): the bottom line of layer L - 1 until it meets the
// ground surface, then the ground surface.
void BuildLowerTop(int Side, int L) {
  const WedgeFigure& first = WedgeLayerTop(Side, 1);
  const int T = first.Count();
  const double Bp = LayerBottomElev(Side, L - 1);
  const double bp = LayerBottomSlope(Side, L - 1);
  const double xf = first.X(T);
  WedgeFigure& top = WedgeLayerTop(Side, L);
  top.Clear();

  // A ground below the line at the wall (a lower ground given the layers of the retained
  // side): the layer reaches up to the ground, all the way out when the line never comes
  // down under the ground, or until the ground rises through the line (a berm), and only
  // then lies under the line.
  if (first.Y(1) < Bp) {
    const int ja = FirstAbove(first, Bp, bp);
    if (ja == 0) {
      for (int j = 1; j <= T; ++j) top.Append(first.X(j), first.Y(j));
      return;
    }
    for (int j = 1; j < ja; ++j) top.Append(first.X(j), first.Y(j));
    const Point c = RisingThrough(first, ja, Bp, bp);
    if (c.x > first.X(ja - 1)) top.Append(c.x, c.y);
    for (int j = ja + 1; j <= T; ++j) {
      const int where = AgainstLine(first, j, Bp, bp);
      if (where < 0) {
        const Point m = MeetingPoint(first, j, Bp, bp, true);
        top.Append(m.x, m.y);
        for (int k = j; k <= T; ++k) top.Append(first.X(k), first.Y(k));
        return;
      }
      if (where == 0) {
        for (int k = j; k <= T; ++k) top.Append(first.X(k), first.Y(k));
        return;
      }
    }
    top.Append(xf, Bp + bp * xf);
    return;
  }

  top.Append(0, Bp);
  top.Append(xf, Bp + bp * xf);
  for (int j = 2; j <= T; ++j) {
    const int where = AgainstLine(first, j, Bp, bp);
    if (where < 0) {
      const Point m = MeetingPoint(first, j, Bp, bp, j > 2 || AgainstLine(first, 1, Bp, bp) > 0);
      top.Put(2, m.x, m.y);
      top.SetCount(2);
      for (int k = j; k <= T; ++k) top.Append(first.X(k), first.Y(k));
      return;
    }
    if (where == 0) {
      top.Put(2, first.X(j), first.Y(j));
      top.SetCount(2);
      for (int k = j + 1; k <= T; ++k) top.Append(first.X(k), first.Y(k));
      return;
    }
  }
}

// Closes layer L by its own bottom line: back to the wall from where the bottom meets
// the top (a pinch-out), or from below the far top point.
void CloseLayer(int Side, int L) {
  WedgeFigure& f = WedgeLayerTop(Side, L);
  const double B = LayerBottomElev(Side, L);
  const double b = LayerBottomSlope(Side, L);
  int j0 = 2;
  // A top below the bottom line at the wall that rises above it farther out: the layer
  // holds nothing nearer the wall, where its figure runs along its bottom line (no area)
  // up to where the top passes that line.
  const int ja = f.Y(1) < B ? FirstAbove(f, B, b) : 0;
  if (ja != 0) {
    WedgeFigure g;
    g.Append(0, B);
    const Point c = RisingThrough(f, ja, B, b);
    if (c.x > 0) g.Append(c.x, c.y);
    for (int j = ja; j <= f.Count(); ++j) g.Append(f.X(j), f.Y(j));
    j0 = g.Count() - (f.Count() - ja);
    f = g;
  }
  const int n = f.Count();
  for (int j = j0; j <= n; ++j) {
    const int where = AgainstLine(f, j, B, b);
    if (where < 0) {
      const Point m = MeetingPoint(f, j, B, b, j > 2 || ja != 0 || AgainstLine(f, 1, B, b) > 0);
      f.Put(j, m.x, m.y);
      f.Put(j + 1, 0, B);
      f.SetCount(j + 1);
      return;
    }
    if (where == 0) {
      f.Put(j + 1, 0, B);
      f.SetCount(j + 1);
      return;
    }
  }
  f.Append(f.X(n), b * f.X(n) + B);
  f.Append(0, B);
}

// The code of a closed figure's part below the level E, from the layer bottom at the
// wall and at its far end (or pinch point): 0 none, 1 bottom wholly at or below E,
// 2 a rising bottom cut by E, 3 a falling bottom cut by E.
int LevelCode(const WedgeFigure& layer, double E, bool rising) {
  const int n = layer.Count();
  const double lo = MinOf(layer.Y(n), layer.Y(n - 1));
  const double hi = MaxOf(layer.Y(n), layer.Y(n - 1));
  if (E <= lo) return 0;
  if (E >= hi) return 1;
  return rising ? 2 : 3;
}

void BuildWaterFigures(int Side, int L) {
  const int last = NumSoilLayers(Side);
  const double W = WaterElev(Side);
  const double Se = SeepageElev;
  const bool seepage = !SeepageOption.empty();
  const WedgeFigure& layer = WedgeLayerTop(Side, L);
  WedgeFigure& water = WedgeWaterLine(Side, L);
  WedgeFigure& sub = WedgeSubmerged(Side, L);
  WedgeWaterLineCode(Side, L) = 0;
  WedgeSubmergedCode(Side, L) = 0;

  if (L == last) {
    WedgeWaterLineCode(Side, L) = 1;
    WalkLastLayer(layer, W, water);
    if (seepage) {
      WedgeSubmergedCode(Side, L) = 1;
      if (Side == 1) {
        WalkLastLayer(water, Se, sub);
      } else {
        sub = water;
      }
    }
    return;
  }

  const int n = layer.Count();
  const double B = LayerBottomElev(Side, L);
  const double b = LayerBottomSlope(Side, L);
  const int code = LevelCode(layer, W, layer.Y(n) <= W);
  WedgeWaterLineCode(Side, L) = code;
  if (code == 0) return;
  if (code == 1) WalkBottomBelow(layer, W, B, water);
  if (code == 2) WalkRisingBottom(layer, W, (W - B) / b, B, water);
  if (code == 3) WalkFallingWaterLine(layer, W, (W - B) / b, water);

  if (!seepage) return;
  if (Side == 2) {
    WedgeSubmergedCode(Side, L) = code;
    sub = water;
    return;
  }
  const int sc = LevelCode(layer, Se, b >= 0);
  WedgeSubmergedCode(Side, L) = sc;
  const int c = water.Count();
  if (sc == 1) WalkBottomBelow(water, Se, B, sub);
  if (sc == 2) WalkRisingBottom(water, Se, (Se - B) / b, B, sub);
  if (sc == 3) WalkFallingClosed(water, Se, (Se - B) / b, code == 3 ? c - 2 : c - 1, sub);
}

}  // namespace

void wedge::BoundaryRun(int side, int k, double& from, double& to) {
  const WedgeFigure& g = WedgeSurface(side);
  const double B = LayerBottomElev(side, k);
  const double b = LayerBottomSlope(side, k);
  from = 0;
  int j = 2;
  if (g.Y(1) < B) {
    const int ja = FirstAbove(g, B, b);
    if (ja == 0) {
      from = to = -1;  // never under the ground
      return;
    }
    from = RisingThrough(g, ja, B, b).x;
    j = ja + 1;
  }
  for (; j <= g.Count(); ++j) {
    const int where = AgainstLine(g, j, B, b);
    if (where < 0) {
      to = MeetingPoint(g, j, B, b, true).x;
      return;
    }
    if (where == 0) {
      to = g.X(j);
      return;
    }
  }
  to = g.X(g.Count());
}

void BuildWedgeGeometry(int Side) { wedge::BuildFigures(Side, wedge::kFarDistance); }

void wedge::BuildFigures(int Side, double far) {
  Guarded([&] {
    const int nl = NumSoilLayers(Side);
    BuildSurfaceAndFirstTop(Side, far);
    for (int L = 2; L <= nl; ++L) BuildLowerTop(Side, L);
    for (int L = 1; L <= nl - 1; ++L) CloseLayer(Side, L);

    const bool water = WaterDataType == "E";
    if (water) {
      for (int L = 1; L <= nl; ++L) BuildWaterFigures(Side, L);
    }
    for (int L = 1; L <= nl; ++L) {
      WedgeLayerTop(Side, L).MaxX = WedgeLayerTop(Side, L).LargestX();
      if (water && WedgeWaterLineCode(Side, L) != 0) {
        WedgeWaterLine(Side, L).MaxX = WedgeWaterLine(Side, L).LargestX();
        if (!SeepageOption.empty() && WedgeSubmergedCode(Side, L) != 0) {
          WedgeSubmerged(Side, L).MaxX = WedgeSubmerged(Side, L).LargestX();
        }
      }
    }
  });
}
