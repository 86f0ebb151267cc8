// The wall as a beam: nodes at the grid points from the top down to the tip, loaded by
// the net pressure diagram and the horizontal line loads, held by the anchor and the
// toe. EI = 1, so deflections and rotations come out times EI. Then the result
// profiles (elevation, moment, shear, deflection, net pressure) and their extremes.
#include <algorithm>
#include <cmath>

#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/services.h"
#include "platform/text.h"
#include "pressures/finite_values.h"
#include "pressures/pressure_data.h"
#include "pressures/pressures.h"
#include "wall/wall.h"

namespace {

void BeamFailure(const std::string& firstLine) {
  platform::MsgBox(firstLine + NewLine + "FOR THE WALL AS A BEAM." + NewLine + NewLine +
                   "     UNABLE TO CONTINUE.");
  AbortRun = 1;
}

double NodeElev(int node, int tipNode, int Method) {
  return node == tipNode ? TipElev(Method) : GridElev(node);
}

// Shear, moment, rotation and deflection (times EI) at one place of the beam; s runs
// down from the top, dV/ds = p, dM/ds = V, dtheta/ds = M, dy/ds = theta.
struct BeamState {
  double V = 0, M = 0, theta = 0, y = 0;
};

// The state at the bottom of an element of length h under a pressure running linearly
// from p1 at its top to p2 at its bottom: the exact integrals.
BeamState AcrossElement(const BeamState& top, double h, double p1, double p2) {
  const double dp = p2 - p1, h2 = h * h, h3 = h2 * h, h4 = h3 * h;
  BeamState b;
  b.y = top.y + top.theta * h + top.M * h2 / 2 + top.V * h3 / 6 + p1 * h4 / 24 + dp * h4 / 120;
  b.theta = top.theta + top.M * h + top.V * h2 / 2 + p1 * h3 / 6 + dp * h3 / 24;
  b.M = top.M + top.V * h + p1 * h2 / 2 + dp * h2 / 6;
  b.V = top.V + p1 * h + dp * h / 2;
  return b;
}

}  // namespace

// The Hermite beam elements with consistent loads give the exact elastic line at their
// nodes, so the nodal values are found here by integrating that line element by element
// from the top, with the top's deflection and rotation and the anchor's reaction fixed by
// the supports. Solving the assembled stiffness equations instead loses every digit
// when two nodes lie a hair apart (a point inserted next to a grid point): the short
// element's stiffness swamps the rest of the equations.
void SolveWallBeam(int AnchorIndex, int TipNode, int ToeCode, int Method) {
  const int n = TipNode;
  if (n < 2 || n > NumGridPoints) {
    BeamFailure("NO ELEMENTS BETWEEN THE TOP AND THE TIP OF THE WALL");
    return;
  }
  const bool anchored = AnchorIndex >= 1 && AnchorIndex <= n - 1;

  // Element lengths and end pressures; nodal line loads.
  static double h[302], p1[302], p2[302], load[302];
  for (int i = 1; i <= n - 1; ++i) {
    h[i] = NodeElev(i, n, Method) - NodeElev(i + 1, n, Method);
    p1[i] = NetPressureA(i, 1);
    p2[i] = (i == n - 1) ? ToePressure(Method) : NetPressureA(i + 1, 2);
    if (!(h[i] > 0) || !std::isfinite(h[i]) || !std::isfinite(p1[i]) || !std::isfinite(p2[i])) {
      BeamFailure("ZERO PIVOT IN THE STIFFNESS EQUATIONS");
      return;
    }
  }
  for (int i = 1; i <= n; ++i) {
    load[i] = 0;
    for (int j = 1; j <= NumHorizLineLoads; ++j)
      if (std::fabs(HorizLineElev(j) - GridElev(i)) < 0.0001) load[i] += HorizLineLoad(j);
  }

  // The free top has no shear and no moment. The unknowns: the top's deflection and
  // rotation and, at the anchor, the jump of the shear (its line load less the
  // reaction); a held node's own line load goes into its reaction.
  auto run = [&](double y0, double theta0, double jump, BeamState* nodes) {
    BeamState s;
    s.y = y0;
    s.theta = theta0;
    for (int i = 1; i <= n; ++i) {
      if (nodes) nodes[i] = s;  // just above node i
      if (i == n) break;
      s.V += (anchored && i == AnchorIndex) ? jump : load[i];
      s = AcrossElement(s, h[i], p1[i], p2[i]);
    }
    return s;
  };
  // What the supports ask for, as functions of the unknowns: y at the anchor, y at the
  // tip, then theta at a fixed tip or M at a pinned one.
  static BeamState nodes[302];
  auto conditions = [&](double y0, double theta0, double jump, double c[3]) {
    const BeamState tip = run(y0, theta0, jump, nodes);
    int k = 0;
    if (anchored) c[k++] = nodes[AnchorIndex].y;
    c[k++] = tip.y;
    c[k++] = ToeCode == 2 ? tip.theta : tip.M;
    return k;
  };
  double base[3], col[3][3];
  const int neq = conditions(0, 0, 0, base);
  const int nunk = anchored ? 3 : 2;
  if (neq != nunk) {
    BeamFailure("ZERO PIVOT IN THE STIFFNESS EQUATIONS");
    return;
  }
  for (int u = 0; u < nunk; ++u) {
    double c[3];
    conditions(u == 0 ? 1 : 0, u == 1 ? 1 : 0, u == 2 ? 1 : 0, c);
    for (int e = 0; e < neq; ++e) col[e][u] = c[e] - base[e];
  }
  // The supports' equations, by elimination with row pivoting.
  double a[3][4];
  for (int e = 0; e < neq; ++e) {
    for (int u = 0; u < nunk; ++u) a[e][u] = col[e][u];
    a[e][nunk] = -base[e];
  }
  for (int c = 0; c < nunk; ++c) {
    int best = c;
    for (int r = c + 1; r < neq; ++r)
      if (std::fabs(a[r][c]) > std::fabs(a[best][c])) best = r;
    for (int k = 0; k <= nunk; ++k) std::swap(a[c][k], a[best][k]);
    if (a[c][c] == 0 || !std::isfinite(a[c][c])) {
      BeamFailure("ZERO PIVOT IN THE STIFFNESS EQUATIONS");
      return;
    }
    for (int r = c + 1; r < neq; ++r) {
      const double f = a[r][c] / a[c][c];
      for (int k = c; k <= nunk; ++k) a[r][k] -= f * a[c][k];
    }
  }
  double x[3] = {0, 0, 0};
  for (int c = nunk - 1; c >= 0; --c) {
    double v = a[c][nunk];
    for (int k = c + 1; k < nunk; ++k) v -= a[c][k] * x[k];
    x[c] = v / a[c][c];
  }

  // The solution at every node, and each element's end forces: (1) force and (2) moment
  // at the top node, (3) force and (4) moment at the bottom node, as the nodes apply them.
  const BeamState tip = run(x[0], x[1], x[2], nodes);
  nodes[n] = tip;
  for (int i = 1; i <= n; ++i) {
    if (!std::isfinite(nodes[i].y) || !std::isfinite(nodes[i].theta) || !std::isfinite(nodes[i].V) ||
        !std::isfinite(nodes[i].M)) {
      BeamFailure("INVALID DEFLECTIONS IN THE STIFFNESS EQUATIONS");
      return;
    }
  }
  for (int i = 1; i <= n; ++i) {
    BeamDeflection(i, 1) = nodes[i].y;
    BeamDeflection(i, 2) = nodes[i].theta;
  }
  // The held degrees of freedom are zero exactly, as the supports make them.
  if (anchored) BeamDeflection(AnchorIndex, 1) = 0;
  BeamDeflection(n, 1) = 0;
  if (ToeCode == 2) BeamDeflection(n, 2) = 0;
  for (int i = 1; i <= n - 1; ++i) {
    const double shearBelow = nodes[i].V + ((anchored && i == AnchorIndex) ? x[2] : load[i]);
    BeamResults(i, 1) = shearBelow;
    BeamResults(i, 2) = -nodes[i].M;
    BeamResults(i, 3) = -nodes[i + 1].V;
    BeamResults(i, 4) = nodes[i + 1].M;
  }
}

namespace {

// Jumps and zeros are judged against the values at that point, so that a problem given
// in other force units keeps the same points and extremes, and one large pressure
// elsewhere (a heavy layer, a large load) hides no jump: the anchor's reaction is a
// jump of the shear however large the pressures far below it.
bool ShearOrPressureJumps(int g) {
  const double above = -BeamResults(g - 1, 3), below = BeamResults(g, 1);
  return PressuresDiffer(above, below) ||
         PressuresDiffer(NetPressureA(g, 1), NetPressureA(g, 2), NetPressureSize(g, false));
}

}  // namespace

namespace {

// A given wall's E x I must leave its deflections finite numbers (1E-320 does not).
void RequireFiniteStiffness() {
  if (RunMode != "A") return;
  const double ei = WallModulusE * WallInertia;
  const std::string cause = "     E x I OF THE WALL IS TOO SMALL OR TOO LARGE.";
  RequireFinite(ei, "E x I OF THE WALL", cause);
  RequireFinite(ei > 0 ? 1728 / ei : std::nan(""), "1728 / (E x I)", cause);
}

// Every value of the profiles and of the wall's summary that the report prints.
void RequireFiniteResults(int m) {
  const std::string ei = RunMode == "A" ? "     E x I OF THE WALL IS TOO SMALL." : "";
  for (int p = 1; p <= TipIndex(m); ++p) {
    const double z = ResultElev(p);
    RequireFinite(z, "A RESULT ELEVATION");
    RequireFiniteAt(ResultMoment(p), "THE MOMENT", z);
    RequireFiniteAt(ResultShear(p), "THE SHEAR", z);
    RequireFiniteAt(ResultDeflection(p), "THE DEFLECTION", z, ei);
    RequireFiniteAt(ResultNetPressure(p), "THE NET PRESSURE", z);
  }
  RequireFinite(TipElev(m), "THE TIP ELEVATION");
  RequireFinite(ToePressure(m), "THE TOE PRESSURE");
  RequireFinite(AnchorForce(m), "THE ANCHOR FORCE");
  RequireFinite(MaxMoment(m, 1), "THE LARGEST MOMENT");
  RequireFinite(MaxMoment(m, 2), "THE ELEVATION OF THE LARGEST MOMENT");
  RequireFinite(MaxDeflection(m, 1), "THE LARGEST DEFLECTION", ei);
  RequireFinite(MaxDeflection(m, 2), "THE ELEVATION OF THE LARGEST DEFLECTION");
}

void BuildResultProfiles(int Method);

}  // namespace

ProfileBalance CheckProfileBalance(int Method) {
  const int last = TipIndex(Method);
  double largestM = 0, largestV = 0;
  for (int k = 1; k <= last; ++k) {
    largestM = std::max(largestM, std::fabs(ResultMoment(k)));
    largestV = std::max(largestV, std::fabs(ResultShear(k)));
  }
  // The loads the wall retains: the net pressure above the dredge line (down to the
  // value just above it) over the height above it, and the horizontal line loads.
  const double dredge = MinOf(SurfaceElev(1, 1), SurfaceElev(2, 1));
  const double height = std::max(0.0, WallTopElev - dredge);
  double pressureAbove = 0, load = 0;
  for (int k = 1; k <= last && ResultElev(k) >= dredge - 0.0001; ++k) {
    pressureAbove = std::max(pressureAbove, std::fabs(ResultNetPressure(k)));
    if (ResultElev(k) <= dredge + 0.0001) break;
  }
  for (int j = 1; j <= NumHorizLineLoads; ++j) load += std::fabs(HorizLineLoad(j));
  load += pressureAbove * height;
  const double allowV = std::max(ProfileBalance::kLimit * largestV, ProfileBalance::kLoadLimit * load);
  const double allowM = std::max(ProfileBalance::kLimit * largestM, ProfileBalance::kLoadLimit * load * height);

  ProfileBalance worst;
  auto consider = [&](double miss, double largest, double allowed, int k, bool shear) {
    miss = std::fabs(miss);
    const double part = largest > 0 ? miss / largest : (miss != 0 ? HUGE_VAL : 0);
    double& own = shear ? worst.shearPart : worst.momentPart;
    if (!(part <= own)) own = part;
    const double over = allowed > 0 ? miss / allowed : (miss != 0 ? HUGE_VAL : 0);
    if (!(over <= worst.worst)) {
      worst.worst = over;
      worst.row = k;
      worst.shear = shear;
    }
  };
  for (int k = 1; k + 1 <= last; ++k) {
    const double d = ResultElev(k) - ResultElev(k + 1);
    const double V1 = ResultShear(k), V2 = ResultShear(k + 1);
    const double p1 = ResultNetPressure(k), p2 = ResultNetPressure(k + 1);
    // The shear of an interval is quadratic (its slope the linear net pressure), so its
    // area by both ends' shears and slopes is exact.
    consider(ResultMoment(k + 1) - ResultMoment(k) - (d * (V1 + V2) / 2 + d * d * (p1 - p2) / 12), largestM, allowM,
             k, false);
    // Twin rows of one point hold the jump of the shear at an anchor or a line load.
    if (d != 0) consider(V2 - V1 - d * (p1 + p2) / 2, largestV, allowV, k, true);
  }
  return worst;
}

namespace {

// How far the problem's own values lie apart: the largest of the pressures they give
// (each layer's unit weight over the height of the wall, its cohesion and adhesion, the
// water's weight over that height, each surcharge, each horizontal load spread over the
// height) against the smallest unit weight's pressure over the same height. Ordinary
// problems stay within a few tens; one value typed a few orders too large (a unit weight
// of 1E9 pcf, a surcharge of 4294967297 psf, a cohesion of 2.1E9 psf) lies beyond
// 10000, where a wall of ordinary moments cannot be told from rounding beside it.
double InputValueSpread(int m) {
  const double H = std::max(1.0, WallTopElev - TipElev(m));
  double smallest = HUGE_VAL, largest = 0;
  auto value = [&](double v) { largest = std::max(largest, std::fabs(v)); };
  auto weight = [&](double gamma) {
    if (gamma > 0) smallest = std::min(smallest, gamma * H);
    value(gamma * H);
  };
  for (int side = 1; side <= 2; ++side) {
    for (int l = 1; l <= NumSoilLayers(side); ++l) {
      weight(LayerSatUnitWeight(side, l));
      weight(LayerMoistUnitWeight(side, l));
      if (SoilDataType(side) == "S") {
        value(LayerCohesion(side, l));
        value(LayerAdhesion(side, l));
      }
    }
    for (int j = 1; j <= NumLineLoads(side); ++j) value(LineLoad(side, j) / H);
    if (NumUniformLoads(side) > 0) value(UniformLoad(side));
    for (int j = 1; j <= NumStripLoads(side); ++j) value(StripLoad(side, j));
    if (NumRampLoads(side) > 0) value(RampLoad(side));
    for (int j = 1; j <= NumTriangularLoads(side); ++j) value(TriPeakLoad(side, j));
    for (int j = 1; j <= NumVariablePoints(side); ++j) value(VarLoadValue(side, j));
  }
  if (WaterDataType != "") value(WaterUnitWeight * H);
  for (int j = 1; j <= NumWaterPressPoints; ++j) value(WaterPressValue(j));
  for (int j = 1; j <= NumHorizLineLoads; ++j) value(HorizLineLoad(j) / H);
  for (int j = 1; j <= NumHorizDistPoints; ++j) value(HorizDistLoad(j));
  if (largest == 0) return 0;
  return smallest < HUGE_VAL ? largest / smallest : HUGE_VAL;
}

constexpr double kOutOfScale = 1e4;

void RefuseUnbalancedProfile(int m, const ProfileBalance& b) {
  const int k = b.row;
  const std::string wall = WallType == "C" ? "     CANTILEVER WALL"
                           : m == 1        ? "     ANCHORED WALL BY FREE EARTH METHOD"
                                           : "     ANCHORED WALL BY FIXED EARTH METHOD";
  const double d = ResultElev(k) - ResultElev(k + 1);
  const double change = b.shear ? ResultShear(k + 1) - ResultShear(k) : ResultMoment(k + 1) - ResultMoment(k);
  const double area = b.shear ? d * (ResultNetPressure(k) + ResultNetPressure(k + 1)) / 2
                              : d * (ResultShear(k) + ResultShear(k + 1)) / 2 +
                                    d * d * (ResultNetPressure(k) - ResultNetPressure(k + 1)) / 12;
  auto e = [](double v) { return platform::text::Format(v, "0.0000E+00"); };
  auto z = [](double v) { return platform::text::Format(v, "####0.00"); };
  // The last interval may be a hair long, below a pressure far out of scale.
  const std::string where = k + 1 == TipIndex(m)
                                ? "JUST ABOVE THE WALL BOTTOM AT ELEVATION " + z(ResultElev(k + 1)) + " (FT)"
                                : "BETWEEN ELEVATIONS " + z(ResultElev(k)) + " AND " + z(ResultElev(k + 1)) + " (FT)";
  std::string text = "THE RESULTS FOUND FOR THE" + NewLine + wall + NewLine + "DO NOT BALANCE " + where + ":" + NewLine;
  if (b.shear)
    text += "THE SHEAR CHANGES BY " + e(change) + " (LB)," + NewLine + "THE NET PRESSURE DIAGRAM HAS AN AREA OF " +
            e(area) + " (LB).";
  else
    text += "THE MOMENT CHANGES BY " + e(change) + " (LB-FT)," + NewLine + "THE SHEAR DIAGRAM HAS AN AREA OF " +
            e(area) + " (LB-FT).";
  text += NewLine + NewLine;

  double largestM = 0;
  for (int p = 1; p <= TipIndex(m); ++p) largestM = std::max(largestM, std::fabs(ResultMoment(p)));
  // The moment of the smallest unit weight's pressure over the height of the wall: what
  // the retained soil would put on a wall that had to hold all of it.
  double gammaMin = HUGE_VAL;
  for (int side = 1; side <= 2; ++side)
    for (int l = 1; l <= NumSoilLayers(side); ++l)
      for (double g : {LayerSatUnitWeight(side, l), LayerMoistUnitWeight(side, l)})
        if (g > 0) gammaMin = std::min(gammaMin, g);
  const double H = std::max(0.0, WallTopElev - TipElev(m));
  const double soilMoment = gammaMin < HUGE_VAL ? gammaMin * H * H * H / 6 : 0;
  if (InputValueSpread(m) >= kOutOfScale) {
    text += "PRESSURES OF VERY DIFFERENT SIZES (A UNIT WEIGHT," + NewLine +
            "A STRENGTH OR A LOAD FAR OUT OF SCALE) LEAVE NO WALL" + NewLine +
            "THAT THESE METHODS CAN FIND.  CHECK THE INPUT DATA.";
  } else if (largestM < 1e-3 * soilMoment) {
    // A wall whose moments are a thousandth of what its soil could put on it: the
    // retained soil nearly holds itself, as in the rotation check's "driving force of
    // retained soil ... is zero".
    text += "THE LARGEST MOMENT IS ONLY " + e(largestM) + " (LB-FT):" + NewLine +
            "THE RETAINED SOIL NEARLY HOLDS ITSELF AND" + NewLine + "NEEDS NO WALL THAT THESE METHODS CAN DESIGN.";
  } else {
    double largestV = 0;
    for (int p = 1; p <= TipIndex(m); ++p) largestV = std::max(largestV, std::fabs(ResultShear(p)));
    const double largest = b.shear ? largestV : largestM;
    text += "THE MISS IS " + platform::text::Format(100 * std::fabs(change - area) / std::max(largest, 1e-300), "####0.0") +
            (b.shear ? " % OF THE LARGEST SHEAR, " + e(largestV) + " (LB)."
                     : " % OF THE LARGEST MOMENT, " + e(largestM) + " (LB-FT).");
    std::string other;
    for (int side = 1; side <= 2; ++side) {
      if (PressureMethod(side) == "S") other = "FIXED SURFACE";
      if (PressureMethod(side) == "F") other = "SWEEP SEARCH";
    }
    if (!other.empty())
      text += NewLine + "THE " + other + " WEDGE METHOD MAY SERVE:" + NewLine + "SOLVE AGAIN AND CHOOSE IT.";
  }
  text += NewLine + NewLine + "     UNABLE TO CONTINUE.";
  AbortRun = 1;
  platform::MsgBox(text, 0, "UNBALANCED RESULTS");
}

}  // namespace

void ExtractResultProfiles(int Method) {
  if (!FiniteGuarded(RequireFiniteStiffness)) return;
  BuildResultProfiles(Method);
  if (AbortRun == 0) FiniteGuarded([Method] { RequireFiniteResults(Method); });
}

void RequireBalancedProfile(int Method) {
  const ProfileBalance b = CheckProfileBalance(Method);
  if (!b.Holds()) RefuseUnbalancedProfile(Method, b);
}

namespace {

void BuildResultProfiles(int Method) {
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
  // The top's shear is its own line load or anchor reaction, judged against the shear
  // at the bottom of the first element.
  ResultShear(1) = PressuresDiffer(BeamResults(1, 1), 0, BeamResults(1, 3)) ? BeamResults(1, 1) : 0;
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
  auto range = [](platform::Array<double, 2, 2>& r, int mm, double v) {
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
  const double shearNear = std::max(std::fabs(ResultShear(kStar - 1)), std::fabs(ResultShear(kStar + 1)));
  if (!PressuresDiffer(ResultShear(kStar), 0, shearNear)) return;
  // The moment where the shear vanishes within the element from point j to j + 1, whose
  // shear runs V(d) = V(j) + p(j) d + a d^2 with d down from j.
  auto refineIn = [&](int j, double& moment, double& elev) {
    const double len = ResultElev(j) - ResultElev(j + 1);
    if (!(len > 0)) return false;
    const double V = ResultShear(j), pj = ResultNetPressure(j), M = ResultMoment(j);
    const double a = (ResultNetPressure(j + 1) - pj) / len / 2;
    double d;
    if (!PressuresDiffer(ResultNetPressure(j + 1), pj)) {
      if (pj == 0) return false;
      d = -V / pj;
    } else {
      const double disc = pj * pj - 4 * a * V;
      if (!(disc >= 0)) return false;
      d = (-pj - std::sqrt(disc)) / (2 * a);
      if (!(0 < d && d < len)) d = (-pj + std::sqrt(disc)) / (2 * a);
    }
    if (!(0 < d && d < len)) return false;
    const double pd = pj + 2 * a * d;
    moment = M + V * d + d * d * (2 * pj + pd) / 6;
    elev = ResultElev(j) - d;
    return std::isfinite(moment);
  };
  const bool twinAbove = std::fabs(ResultElev(kStar - 1) - ResultElev(kStar)) <= 0.0001;
  const bool twinBelow = std::fabs(ResultElev(kStar + 1) - ResultElev(kStar)) < 0.0001;
  int candidates[2] = {0, 0};
  if (!twinAbove && !twinBelow) {
    candidates[0] = (ResultShear(kStar - 1) * ResultShear(kStar) < 0) ? kStar - 1 : kStar;
  } else {
    // A doubled point (a jump of the net pressure or of the shear) can still hold the
    // largest nodal moment while the shear vanishes inside the element just above or
    // just below the pair: look there instead of keeping the nodal value.
    const int top = twinAbove ? kStar - 1 : kStar, bottom = twinBelow ? kStar + 1 : kStar;
    if (top - 1 >= 1 && ResultShear(top - 1) * ResultShear(top) < 0) candidates[0] = top - 1;
    if (bottom + 1 <= last && ResultShear(bottom) * ResultShear(bottom + 1) < 0) candidates[1] = bottom;
  }
  for (int j : candidates) {
    double moment = 0, elev = 0;
    if (j == 0 || !refineIn(j, moment, elev)) continue;
    // A zero shear where the moment is smaller than the largest one found is a turn of
    // the diagram the other way, not the maximum.
    if (std::fabs(moment) < std::fabs(MaxMoment(m, 1))) continue;
    MaxMoment(m, 1) = moment;
    MaxMoment(m, 2) = elev;
  }
}

}  // namespace
