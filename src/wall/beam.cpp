// The wall as a beam: nodes at the grid points from the top down to the tip, loaded by
// the net pressure diagram and the horizontal line loads, held by the anchor and the
// toe. EI = 1, so deflections and rotations come out times EI. Then the result
// profiles (elevation, moment, shear, deflection, net pressure) and their extremes.
#include <cmath>

#include "model/problem_data.h"
#include "platform/services.h"
#include "pressures/pressure_data.h"
#include "wall/wall.h"

namespace {

// Working storage of the elimination: one row per degree of freedom, the band from
// three columns left to three columns right of the diagonal.
constexpr int kMaxDof = 602;
constexpr int kHalfBand = 3;
struct BandSystem {
  double a[kMaxDof + 1][2 * kHalfBand + 1];
  double rhs[kMaxDof + 1];
  double& at(int row, int col) { return a[row][col - row + kHalfBand]; }
};
BandSystem gSystem;

void BeamFailure(const std::string& firstLine) {
  platform::MsgBox(firstLine + NewLine + "FOR THE WALL AS A BEAM." + NewLine + NewLine +
                   "     UNABLE TO CONTINUE.");
  AbortRun = 1;
}

double NodeElev(int node, int tipNode, int Method) {
  return node == tipNode ? TipElev(Method) : GridElev(node);
}

}  // namespace

void SolveWallBeam(int AnchorIndex, int TipNode, int ToeCode, int Method) {
  const int n = TipNode;
  if (n < 2 || n > NumGridPoints) {
    BeamFailure("NO ELEMENTS BETWEEN THE TOP AND THE TIP OF THE WALL");
    return;
  }
  const int ndof = 2 * n;

  // 1. Fixed-end loads of the linearly varying net pressure on each element.
  for (int i = 1; i <= n - 1; ++i) {
    const double h = NodeElev(i, n, Method) - NodeElev(i + 1, n, Method);
    const double p1 = NetPressureA(i, 1);
    const double p2 = (i == n - 1) ? ToePressure(Method) : NetPressureA(i + 1, 2);
    BeamResults(i, 1) = -(7 * p1 + 3 * p2) * h / 20;
    BeamResults(i, 2) = -(3 * p1 + 2 * p2) * h * h / 60;
    BeamResults(i, 3) = -(3 * p1 + 7 * p2) * h / 20;
    BeamResults(i, 4) = +(2 * p1 + 3 * p2) * h * h / 60;
  }

  // 2-3. Assembly. Degrees of freedom: y of node i is 2i - 1, theta is 2i.
  BandSystem& s = gSystem;
  for (int r = 1; r <= ndof; ++r) {
    for (double& v : s.a[r]) v = 0;
    s.rhs[r] = 0;
  }
  for (int i = 1; i <= n - 1; ++i) {
    const double h = NodeElev(i, n, Method) - NodeElev(i + 1, n, Method);
    const double k1 = 12 / (h * h * h), k2 = 6 / (h * h), k3 = 4 / h, k4 = 2 / h;
    const double k[4][4] = {{k1, k2, -k1, k2}, {k2, k3, -k2, k4}, {-k1, -k2, k1, -k2}, {k2, k4, -k2, k3}};
    const int dof[4] = {2 * i - 1, 2 * i, 2 * i + 1, 2 * i + 2};
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) s.at(dof[r], dof[c]) += k[r][c];
  }
  for (int i = 1; i <= n; ++i) {
    double force = 0, moment = 0;
    if (i > 1) {
      force -= BeamResults(i - 1, 3);
      moment -= BeamResults(i - 1, 4);
    }
    if (i < n) {
      force -= BeamResults(i, 1);
      moment -= BeamResults(i, 2);
    }
    for (int j = 1; j <= NumHorizLineLoads; ++j)
      if (std::fabs(HorizLineElev(j) - GridElev(i)) < 0.0001) force += HorizLineLoad(j);
    s.rhs[2 * i - 1] = force;
    s.rhs[2 * i] = moment;
  }

  // 4. Supports: the force equation of a held node becomes y = 0.
  auto holdDof = [&](int dof) {
    for (int c = dof - kHalfBand; c <= dof + kHalfBand; ++c)
      if (c >= 1 && c <= ndof) s.at(dof, c) = 0;
    s.at(dof, dof) = 1;
    s.rhs[dof] = 0;
  };
  if (AnchorIndex >= 1 && AnchorIndex <= n - 1) holdDof(2 * AnchorIndex - 1);
  holdDof(2 * n - 1);
  if (ToeCode == 2) holdDof(2 * n);

  // 5. Elimination without pivoting, then back substitution.
  for (int r = 1; r <= ndof; ++r) {
    const double pivot = s.at(r, r);
    if (pivot == 0 || !std::isfinite(pivot)) {
      BeamFailure("ZERO PIVOT IN THE STIFFNESS EQUATIONS");
      return;
    }
    for (int below = r + 1; below <= std::min(ndof, r + kHalfBand); ++below) {
      const double f = s.at(below, r) / pivot;
      if (f == 0) continue;
      for (int c = r; c <= std::min(ndof, r + kHalfBand); ++c) s.at(below, c) -= f * s.at(r, c);
      s.rhs[below] -= f * s.rhs[r];
    }
  }
  double x[kMaxDof + 1] = {};
  for (int r = ndof; r >= 1; --r) {
    double v = s.rhs[r];
    for (int c = r + 1; c <= std::min(ndof, r + kHalfBand); ++c) v -= s.at(r, c) * x[c];
    x[r] = v / s.at(r, r);
  }
  for (int i = 1; i <= n; ++i) {
    if (!std::isfinite(x[2 * i - 1]) || !std::isfinite(x[2 * i])) {
      BeamFailure("INVALID DEFLECTIONS IN THE STIFFNESS EQUATIONS");
      return;
    }
    BeamDeflection(i, 1) = x[2 * i - 1];
    BeamDeflection(i, 2) = x[2 * i];
  }

  // 6. End forces: stiffness times the element's displacements plus the fixed-end loads.
  for (int i = 1; i <= n - 1; ++i) {
    const double h = NodeElev(i, n, Method) - NodeElev(i + 1, n, Method);
    const double k1 = 12 / (h * h * h), k2 = 6 / (h * h), k3 = 4 / h, k4 = 2 / h;
    const double k[4][4] = {{k1, k2, -k1, k2}, {k2, k3, -k2, k4}, {-k1, -k2, k1, -k2}, {k2, k4, -k2, k3}};
    const double d[4] = {BeamDeflection(i, 1), BeamDeflection(i, 2), BeamDeflection(i + 1, 1),
                         BeamDeflection(i + 1, 2)};
    for (int r = 0; r < 4; ++r) {
      double v = 0;
      for (int c = 0; c < 4; ++c) v += k[r][c] * d[c];
      BeamResults(i, r + 1) += v;
    }
  }
}

namespace {

bool ShearOrPressureJumps(int g) {
  return std::fabs(BeamResults(g - 1, 3) + BeamResults(g, 1)) >= 1.0 ||
         std::fabs(NetPressureA(g, 1) - NetPressureA(g, 2)) >= 0.0001;
}

}  // namespace

void ExtractResultProfiles(int Method) {
  const double f = (RunMode == "A") ? 1728 / (WallModulusE * WallInertia) : 1728;
  const int n = TipIndex(Method);
  const int m = Method;

  // A point where the shear or the net pressure jumps appears twice; count first, so a
  // profile that would not fit is refused before anything is overwritten.
  int needed = n;
  for (int g = 2; g <= n - 1; ++g)
    if (ShearOrPressureJumps(g)) ++needed;
  if (needed > 301) {
    platform::MsgBox("THE RESULT PROFILE NEEDS MORE THAN 301 POINTS." + NewLine + NewLine +
                     "     UNABLE TO CONTINUE.");
    AbortRun = 1;
    return;
  }

  int k = 1;
  ResultElev(1) = GridElev(1);
  ResultMoment(1) = 0;
  ResultShear(1) = std::fabs(BeamResults(1, 1)) < 0.0001 ? 0 : BeamResults(1, 1);
  ResultDeflection(1) = f * BeamDeflection(1, 1);
  ResultNetPressure(1) = NetPressureA(1, 1);
  for (int g = 2; g <= n; ++g) {
    ++k;
    ResultElev(k) = GridElev(g);
    ResultMoment(k) = BeamResults(g - 1, 4);
    ResultShear(k) = -BeamResults(g - 1, 3);
    ResultDeflection(k) = f * BeamDeflection(g, 1);
    ResultNetPressure(k) = NetPressureA(g, 2);
    if (g == n) {
      // The tip node sits at the design tip for both methods, so the profile ends there.
      ResultElev(k) = TipElev(m);
      ResultNetPressure(k) = ToePressure(m);
      ResultMoment(k) = 0;
      if (m == 1) ResultShear(k) = 0;
      TipIndex(m) = k;
      break;
    }
    if (ShearOrPressureJumps(g)) {
      ++k;
      ResultElev(k) = GridElev(g);
      ResultMoment(k) = -BeamResults(g, 2);
      ResultShear(k) = BeamResults(g, 1);
      ResultDeflection(k) = f * BeamDeflection(g, 1);
      ResultNetPressure(k) = NetPressureA(g, 1);
    }
  }
  const int last = TipIndex(m);

  // Extremes: of equal magnitudes the lower point wins; ranges move only on strictly
  // larger or smaller values.
  MaxMoment(m, 1) = 0;
  MaxMoment(m, 2) = ResultElev(1);
  MaxDeflection(m, 1) = 0;
  MaxDeflection(m, 2) = ResultElev(1);
  MomentRange(m, 1) = ShearRange(m, 1) = DeflectionRange(m, 1) = NetPressureRange(m, 1) = -100000;
  MomentRange(m, 2) = ShearRange(m, 2) = DeflectionRange(m, 2) = NetPressureRange(m, 2) = 100000;
  int kStar = 1;
  auto range = [](Array<double, 2, 2>& r, int mm, double v) {
    if (v > r(mm, 1)) r(mm, 1) = v;
    if (v < r(mm, 2)) r(mm, 2) = v;
  };
  for (int p = 1; p <= last; ++p) {
    if (std::fabs(ResultMoment(p)) >= std::fabs(MaxMoment(m, 1))) {
      MaxMoment(m, 1) = ResultMoment(p);
      MaxMoment(m, 2) = ResultElev(p);
      kStar = p;
    }
    if (std::fabs(ResultDeflection(p)) >= std::fabs(MaxDeflection(m, 1))) {
      MaxDeflection(m, 1) = ResultDeflection(p);
      MaxDeflection(m, 2) = ResultElev(p);
    }
    range(MomentRange, m, ResultMoment(p));
    range(ShearRange, m, ResultShear(p));
    range(DeflectionRange, m, ResultDeflection(p));
    range(NetPressureRange, m, ResultNetPressure(p));
  }

  // Refine the largest moment to the point of zero shear inside its element. Skipped
  // (the grid maximum stands) whenever the closed form has no usable root.
  if (kStar == 1 || kStar >= last) return;
  if (std::fabs(ResultElev(kStar - 1) - ResultElev(kStar)) <= 0.0001) return;
  if (std::fabs(ResultElev(kStar + 1) - ResultElev(kStar)) < 0.0001) return;
  if (std::fabs(ResultShear(kStar)) <= 0.0001) return;
  const int j = (ResultShear(kStar - 1) * ResultShear(kStar) < 0) ? kStar - 1 : kStar;
  const double len = ResultElev(j) - ResultElev(j + 1);
  if (!(len > 0)) return;
  const double V = ResultShear(j), pj = ResultNetPressure(j), M = ResultMoment(j);
  const double a = (ResultNetPressure(j + 1) - pj) / len / 2;
  double d;
  if (std::fabs(a) <= 0.0001) {
    if (pj == 0) return;
    d = -V / pj;
  } else {
    const double disc = pj * pj - 4 * a * V;
    if (!(disc >= 0)) return;
    d = (-pj - std::sqrt(disc)) / (2 * a);
    if (!(0 < d && d < len)) d = (-pj + std::sqrt(disc)) / (2 * a);
  }
  if (!(0 < d && d < len)) return;
  const double pd = pj + 2 * a * d;
  const double refined = M + V * d + d * d * (2 * pj + pd) / 6;
  if (!std::isfinite(refined)) return;
  MaxMoment(m, 1) = refined;
  MaxMoment(m, 2) = ResultElev(j) - d;
}
