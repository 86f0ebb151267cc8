// Effective weight of one vertical slice of a trial wedge: moist soil above the water,
// submerged soil below it, and submerged soil corrected by the seepage force where
// seepage acts. Areas come from walking the soil figures; every area stays doubled
// until the single halving at the end.
#include <algorithm>

#include "model/problem.h"
#include "pressures/pressures.h"
#include "pressures/wedge_common.h"

namespace {

using namespace wedge;

// Twice the area enclosed by a closed walk, positive for a figure walked outward along
// its upper edge and back along its lower edge. Elevations are measured from RefElev,
// which changes no result.
class AreaSum {
 public:
  explicit AreaSum(double refElev) : ref_(refElev) {}
  void Start(double x, double y) { sx_ = cx_ = x, sy_ = cy_ = y; }
  void LineTo(double x, double y) {
    sum_ += (cy_ - ref_) * x - (y - ref_) * cx_;
    cx_ = x, cy_ = y;
  }
  double Close() {
    LineTo(sx_, sy_);
    return sum_;
  }

 private:
  double ref_, sum_ = 0, sx_ = 0, sy_ = 0, cx_ = 0, cy_ = 0;
};

// Walks the upper edge of a figure, from a distance X1 outward. The upper edge ends
// where the figure turns back toward the wall (or at its last point); a walk that must
// go farther would leave the figure, and is a calculation error, unless it falls short
// only by the width of a rounding difference.
class TopWalk {
 public:
  TopWalk(const WedgeFigure& f, AreaSum& a) : f_(f), a_(a) {}

  // The start on the upper edge at X1: the first point j >= 2 with X(j) >= X1.
  void StartAt(double X1) {
    for (j_ = 2;; ++j_) {
      if (Ended()) {
        const int k = j_ - 1;
        if (!(X1 - f_.X(k) <= kSamePoint)) FailFigureOverrun();
        a_.Start(f_.X(k), f_.Y(k));
        return;
      }
      if (f_.X(j_) >= X1) break;
    }
    if (f_.X(j_) == X1) {
      a_.Start(X1, f_.Y(j_));
      ++j_;
    } else {
      a_.Start(X1, f_.Y(j_) - (f_.X(j_) - X1) * Slope());
    }
  }

  // Walks to the distance Xe; true when it stopped inside a segment.
  bool WalkTo(double Xe) {
    for (;; ++j_) {
      if (Ended()) {
        if (!(Xe - f_.X(j_ - 1) <= kSamePoint)) FailFigureOverrun();
        return false;
      }
      const double x = f_.X(j_);
      if (x < Xe) {
        a_.LineTo(x, f_.Y(j_));
        continue;
      }
      if (x == Xe) {
        a_.LineTo(x, f_.Y(j_));
        ++j_;
        return false;
      }
      a_.LineTo(Xe, f_.Y(j_) - (x - Xe) * Slope());
      return true;
    }
  }

  // Adds the edges to the points nearer than xe (not farther, when inclusive).
  void WalkWhileNearer(double xe, bool inclusive) {
    for (;; ++j_) {
      if (Ended()) {
        if (!(xe - f_.X(j_ - 1) <= kSamePoint)) FailFigureOverrun();
        return;
      }
      const double x = f_.X(j_);
      if (!(inclusive ? x <= xe : x < xe)) return;
      a_.LineTo(x, f_.Y(j_));
    }
  }

 private:
  bool Ended() const {
    return j_ > f_.Count() || f_.X(j_) < f_.X(j_ - 1) - kSamePoint;
  }
  double Slope() const {
    return (f_.Y(j_) - f_.Y(j_ - 1)) / (f_.X(j_) - f_.X(j_ - 1));
  }

  const WedgeFigure& f_;
  AreaSum& a_;
  int j_ = 2;
};

// A figure whose upper edge begins with a run along the level E to xe = X(2), below a
// layer bottom that falls through E at xe (codes 3): between the wall and xe the figure
// holds no soil, yet its strip closes along the layer bottom above E there. That band
// would enter with a negative area; it holds nothing and counts as 0.
double FallingBand(const WedgeFigure& f, double X1, double X2, double B, double b) {
  const double E = f.Y(1);
  const double xe = f.X(2);
  if (!(X1 < xe)) return 0;
  const double xb = std::min(xe, X2);
  const double band = (xb - X1) * (2 * (B - E) + b * (xb + X1));
  return band > 0 ? band : 0;
}

// Twice the area of a whole layer's figure between X1 and X2, closed along the layer
// bottom Y = B + b X.
double Strip(const WedgeFigure& f, double X1, double X2, double B, double b, double ref,
             bool fallingCode) {
  AreaSum a(ref);
  TopWalk w(f, a);
  w.StartAt(X1);
  const double xm = f.MaxX;
  const bool inside = w.WalkTo(std::min(X2, xm));
  if (inside || xm > X2) a.LineTo(X2, B + b * X2);
  a.LineTo(X1, B + b * X1);
  double sum = a.Close();
  if (fallingCode) sum += FallingBand(f, X1, X2, B, b);
  return sum;
}

struct Piece {
  double X1, Y1, X2, Y2, slope;
  double fmin() const { return std::min(Y1, Y2); }
  double fmax() const { return std::max(Y1, Y2); }
};

// Twice the area of a figure of the cut layer above the failure-line piece and below
// the level E.
double Cut(const WedgeFigure& f, const Piece& p, double E, double ref, bool inclusive) {
  AreaSum a(ref);
  TopWalk w(f, a);
  w.StartAt(p.X1);
  if (E >= p.fmax()) {
    w.WalkTo(p.X2);
    a.LineTo(p.X2, p.Y2);
  } else {
    const double xe = p.X1 + (E - p.Y1) / p.slope;
    w.WalkWhileNearer(xe, inclusive);
    a.LineTo(xe, E);
  }
  a.LineTo(p.X1, p.Y1);
  return a.Close();
}

double LayerShare(int side, int layer, int method, double A, double Aw, double As, double Az) {
  const double gm = LayerMoistUnitWeight(side, layer);
  const double gs = LayerSatUnitWeight(side, layer);
  const double gw = WaterUnitWeight;
  const double s = 2 * side - 3;
  const double i = SeepageGradient(method);
  return gm * (A - Aw) + (gs - gw) * (Aw - (As - Az)) + (gs - (1 + s * i) * gw) * (As - Az);
}

double SliceWeight(double ref, double slope, int side, int method, double X1, double Y1,
                   double X2, double Y2, int layer) {
  const bool water = WaterDataType == "E";
  const bool seepage = !SeepageOption.empty();
  const double W = WaterElev(side);
  const double Se = SeepageElev;
  const double Sb = SeepageBottomElev(method);
  double weight = 0;

  for (int L = 1; L <= layer - 1; ++L) {
    const double B = LayerBottomElev(side, L);
    const double b = LayerBottomSlope(side, L);
    const WedgeFigure& poly = WedgeLayerTop(side, L);
    if (poly.MaxX <= X1) continue;
    const double A = Strip(poly, X1, X2, B, b, ref, false);
    double Aw = 0, As = 0, Az = 0;
    const int wc = WedgeWaterLineCode(side, L);
    if (water && wc != 0 && WedgeWaterLine(side, L).MaxX > X1) {
      Aw = Strip(WedgeWaterLine(side, L), X1, X2, B, b, ref, wc == 3);
      const int sc = WedgeSubmergedCode(side, L);
      if (seepage && sc != 0) {
        bool zone = true;
        if (side == 2) {
          As = Aw;
        } else if (WedgeSubmerged(side, L).MaxX > X1) {
          As = Strip(WedgeSubmerged(side, L), X1, X2, B, b, ref, sc == 3);
        } else {
          zone = false;
        }
        const int zf = WedgeSeepZoneFlag(side, L);
        if (zone && zf != 0 && WedgeSeepZone(side, L).MaxX > X1) {
          Az = Strip(WedgeSeepZone(side, L), X1, X2, B, b, ref, zf == 3);
        }
      }
    }
    weight += LayerShare(side, L, method, A, Aw, As, Az);
  }

  // The cut layer, bottomed by the failure-line piece.
  const Piece p{X1, Y1, X2, Y2, slope};
  const double A = Cut(WedgeLayerTop(side, layer), p, p.fmax(), ref, false);
  double Aw = 0, As = 0, Az = 0;
  if (water && WedgeWaterLineCode(side, layer) != 0 && W > p.fmin()) {
    Aw = Cut(WedgeWaterLine(side, layer), p, W, ref, false);
    if (seepage && WedgeSubmergedCode(side, layer) != 0) {
      bool zone = true;
      if (side == 2) {
        As = Aw;
      } else if (Se > p.fmin()) {
        As = Cut(WedgeSubmerged(side, layer), p, Se, ref, true);
      } else {
        zone = false;
      }
      if (zone && WedgeSeepZoneFlag(side, layer) != 0 && Sb > p.fmin()) {
        Az = Cut(WedgeSeepZone(side, layer), p, Sb, ref, false);
      }
    }
  }
  weight += LayerShare(side, layer, method, A, Aw, As, Az);
  return weight / 2;
}

}  // namespace

namespace wedge {

double SliceLoad(double refElev, double slope, int side, int method, double x1, double y1,
                 double x2, double y2, int layer) {
  double w = 0;
  try {
    w = SliceWeight(refElev, slope, side, method, x1, y1, x2, y2, layer);
  } catch (const WedgeFigureOverrun&) {
    FailFigureOverrun();
  }
  SumWedgeSurcharge(w, side, x1, x2);
  return w;
}

}  // namespace wedge

void ComputeWedgeWeight(double& Weight, double RefElev, double Slope, int Side, int Method,
                        double X1, double Y1, double X2, double Y2, int Layer) {
  Weight = 0;
  double w = 0;
  if (wedge::Guarded([&] { w = SliceWeight(RefElev, Slope, Side, Method, X1, Y1, X2, Y2, Layer); })) {
    Weight = w;
  }
}
