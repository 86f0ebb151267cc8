// Anchored wall design. Free earth: the tip lies where the moment of all net pressures
// about the anchor vanishes; the anchor force is then the net force. Fixed earth: the
// wall is fixed at the tip; the anchor force brings the deflection at the anchor to zero
// (elastic line, EI = 1) and the tip lies where the moment about it vanishes.
#include <algorithm>
#include <cmath>
#include <string>

#include "model/problem_data.h"
#include "platform/services.h"
#include "pressures/factor_verdict.h"
#include "pressures/pressures.h"
#include "wall/closing_bracket.h"
#include "wall/wall.h"
#include "wall/wall_internal.h"

namespace {

void Fail(const std::string& text) {
  platform::MsgBox(text);
  AbortRun = 1;
}

}  // namespace

void ShowNoAnchoredSolution(int reached) {
  // A search that got down to pressures the wedge method did not compute was stopped by
  // the wedge that did not fit, not by the wall.
  if (RefuseUncomputedReach(reached)) return;
  NoteFactorVerdict(FactorVerdict::NoTip);
  // A search that ran off the grid got down to its last regular point: the far points
  // 50000 ft below it are no elevation an engineer searched to.
  platform::MsgBox("A SOLUTION FOR PENETRATION HAS NOT BEEN FOUND FOR AN ELEVATION" + NewLine + "DOWN TO EL " +
       FormatElev(GridElev(std::min(reached, LastRegularGridPoint()))) + " FT." + NewLine + NewLine +
       "     UNABLE TO CONTINUE.");
  AbortRun = 1;
}

namespace {

void FailNoSolution(int T) { ShowNoAnchoredSolution(T); }

// A search that does not settle says nothing of the wall at other factors.
void FailOscillation(int m) {
  if (RefuseUncomputedTip(m)) return;
  NoteFactorVerdict(FactorVerdict::NotComputable);
  Fail("DESIGN PENETRATION FOR ANCHORED WALL APPEARS" + NewLine +
       (m == 1 ? "OSCILLATING ABOUT ELEVATION = " : "TO BE OSCILLATING ABOUT ELEVATION = ") +
       FormatElev(TipElev(m)) + " FT." + NewLine + NewLine + "UNABLE TO CONTINUE.");
}

void FailRotation() {
  Fail("CONDITIONS ENCOUNTERED WHERE ANCHORED WALL TENDS" + NewLine +
       "TO ROTATE COUNTERCLOCKWISE ABOUT ANCHOR OR" + NewLine + "ANCHOR FORCE IS COMPRESSION." +
       NewLine + NewLine + "     UNABLE TO CONTINUE.");
}

}  // namespace

bool RefuseAnchorInCompression(int m) {
  if (!(AnchorForce(m) < 0)) return false;
  FailRotation();
  return true;
}

namespace {

// Seepage that follows the tip. Returns true when the design is finished (no seepage
// passes, or two tips agree), false after a failure or when the method must start again
// on the recomputed pressures.
struct SeepageState {
  int accepted = 0;
  double previousTip = 0;
};

enum class PassResult { Finished, Again, Failed };

PassResult SeepagePass(int m, SeepageState& st, int& AnchorIndex) {
  if (!(WaterDataType == "E" && SeepageOption == "A" && RunMode != "A")) return PassResult::Finished;
  const double tip = TipElev(m);
  ++st.accepted;
  if (st.accepted >= 2) {
    if (std::fabs(tip - st.previousTip) <= 0.1) return PassResult::Finished;
    if (st.accepted == 20) {
      FailOscillation(m);
      return PassResult::Failed;
    }
  }
  st.previousTip = tip;
  SetSeepageForTip(m, tip);
  RunWallPressurePass(m, true, false);
  if (AbortRun != 0) return PassResult::Failed;
  NetMomentAbove = NetMomentAbove - (WallTopElev - AnchorElev) * NetForceAbove;
  if (!(NetMomentAbove > 0 && NetForceAbove > 0)) {
    FailRotation();
    return PassResult::Failed;
  }
  FindAnchorIndex(AnchorIndex);
  if (AnchorIndex > NumGridPoints) {
    FailRotation();
    return PassResult::Failed;
  }
  return PassResult::Again;
}

// The running sums of the fixed earth search about its reference point, and one trial tip
// below it: the moment about the tip R, the deflection integral Q, the force sum W, the
// anchor's height above the tip Lt, the anchor force P that keeps the anchor still and
// the residual D, the moment left at the fixed tip.
struct FixedEarthSums {
  double S0, S1, S2, a;
};
struct FixedEarthTrial {
  double Q, R, W, Lt, P, D;
};

FixedEarthTrial TryFixedEarthTip(const FixedEarthSums& s, double upper, double p1, double tip, double toe) {
  const double S0 = s.S0, S1 = s.S1, S2 = s.S2, a = s.a;
  const double h = upper - tip;
  const double U1 = (2 * S1 - h * S0) * h / 2;
  const double U2 = (3 * S1 - 2 * S0 * h) * h * h / 6;
  const double V3 = h * h * h * (3 * p1 + toe) / 24;
  const double V4 = h * h * h * h * (11 * p1 + 4 * toe) / 120;
  FixedEarthTrial t;
  t.Q = S2 + U2 + V4 + (U1 + V3) * a;
  t.R = S1 - h * S0 + h * h * (2 * p1 + toe) / 6;
  t.W = S0 - (p1 + toe) * h / 2;
  t.Lt = h + a;
  for (int j = 1; j <= NumHorizLineLoads; ++j) {
    if (upper >= HorizLineElev(j) && HorizLineElev(j) > tip) {
      const double e = HorizLineElev(j) - tip, Lj = HorizLineLoad(j);
      t.W -= Lj;
      t.R += e * Lj;
      t.Q += (t.Lt - e / 3) * Lj * e * e / 2;
    }
  }
  t.P = 3 * t.Q / (t.Lt * t.Lt * t.Lt);
  t.D = t.R - t.Lt * t.P;
  return t;
}

// Whether the fixed earth residual is negative at the zero point (sums `zero`) and stays
// so at every grid point down to the last regular one, which `deepest` then names. Such a
// wall is turned back about any fixed tip by the anchor force that holds it at the anchor
// more than its loads turn it forward (loads above the anchor, or pulling the wall back):
// no level down the grid brackets a tip.
bool ResidualNegativeDownTheGrid(const FixedEarthSums& zero, int& deepest) {
  deepest = 0;
  if (!(zero.S1 - zero.a * 3 * zero.S2 / (zero.a * zero.a * zero.a) < 0)) return false;
  FixedEarthSums s = zero;
  for (int t = ZeroPressIndex + 1; t < NumGridPoints && GridElev(t) != FarPointElev(1); ++t) {
    const FixedEarthTrial r = TryFixedEarthTip(s, GridElev(t - 1), NetPressureA(t - 1, 1), GridElev(t), NetPressureA(t, 2));
    if (!IsUsable(r.D) || !(r.D < 0)) return false;
    s = {r.W, r.R, r.Q, r.Lt};
    deepest = t;
  }
  return deepest != 0;
}

void FailResidualNegativeEverywhere(int deepest) {
  if (RefuseUncomputedReach(deepest)) return;
  // The loads are too small for the hold of the anchor: at a higher factor of safety
  // they are larger.
  NoteFactorVerdict(FactorVerdict::NoWallNeeded);
  Fail("A SOLUTION FOR PENETRATION HAS NOT BEEN FOUND:" + NewLine + "FIXED AT THE ZERO PRESSURE POINT, EL " +
       FormatElev(GridElev(ZeroPressIndex)) + " FT.," + NewLine + "OR AT ANY ELEVATION DOWN TO EL " +
       FormatElev(GridElev(deepest)) + " FT., THE WALL" + NewLine + "IS TURNED BACK ABOUT ITS TIP BY THE ANCHOR FORCE" +
       NewLine + "THAT HOLDS IT AT THE ANCHOR MORE THAN ITS LOADS" + NewLine +
       "TURN IT FORWARD: NO FIXED EARTH TIP BALANCES." + NewLine + NewLine + "     UNABLE TO CONTINUE.");
}

void AddLineLoadsFreeEarth(double upper, double tip, double A, double& F, double& M) {
  for (int j = 1; j <= NumHorizLineLoads; ++j) {
    if (upper >= HorizLineElev(j) && HorizLineElev(j) > tip) {
      F += HorizLineLoad(j);
      M += (A - HorizLineElev(j)) * HorizLineLoad(j);
    }
  }
}

}  // namespace

void DesignFreeEarthWall(int& AnchorIndex) {
  const double A = AnchorElev;
  SeepageState st;
  for (;;) {
    double F = NetForceAbove, M = NetMomentAbove;
    int T = ZeroPressIndex;
    bool interpolated = false;
    int interpolations = 0;
    double Fp = 0, Mp = 0;
    ClosingBracket bracket{0, 0, 0, 0};
    const BalanceTolerance tol = DesignBalanceTolerance();
    for (;;) {
      if (!interpolated) {
        ++T;
        if (T >= NumGridPoints) {
          FailNoSolution(T);
          return;
        }
        TipIndex(1) = T;
        TipElev(1) = GridElev(T);
        ToePressure(1) = NetPressureA(T, 2);
        Fp = F;
        Mp = M;
      }
      const double upper = GridElev(T - 1), p1 = NetPressureA(T - 1, 1);
      const double tip = TipElev(1), toe = ToePressure(1);
      const double h = upper - tip;
      const double dF = (p1 + toe) * h / 2;
      F = Fp + dF;
      M = Mp + (A - upper) * dF + (2 * toe + p1) * h * h / 6;
      AddLineLoadsFreeEarth(upper, tip, A, F, M);
      if (!IsUsable(F) || !IsUsable(M)) {
        FailNoSolution(T);
        return;
      }
      if (tol.MomentClosed(M, tip)) break;
      if (M <= 0 || interpolated) {
        if (++interpolations > kMaxRefinementPasses) {
          if (tol.MomentRoughlyClosed(M)) break;
          FailNoSolution(T);
          return;
        }
        if (interpolated) bracket.Add(tip, M);
        else bracket = {upper, Mp, tip, M};
        const double newTip = bracket.Next(upper + (upper - tip) * Mp / (M - Mp));
        const double w = (upper - newTip) / (upper - GridElev(T));
        TipElev(1) = newTip;
        ToePressure(1) = (1 - w) * p1 + w * NetPressureA(T, 2);
        interpolated = true;
        if (!IsUsable(TipElev(1)) || !IsUsable(ToePressure(1))) {
          FailNoSolution(T);
          return;
        }
      }
    }
    AnchorForce(1) = F;
    const PassResult r = SeepagePass(1, st, AnchorIndex);
    // The analysis search judges its trials by the tip alone, and the factor it accepts.
    if (r == PassResult::Finished && RunMode != "A") RefuseAnchorInCompression(1);
    if (r != PassResult::Again) return;
  }
}

void DesignFixedEarthWall(int& AnchorIndex) {
  const double A = AnchorElev;
  SeepageState st;
  for (;;) {
    const int Z = ZeroPressIndex;
    double S0 = 0, S1 = 0, S2 = 0;
    double a = A - GridElev(Z);
    int reference = Z;
    // 2. Segments above the zero point.
    for (int i = 1; i <= Z - 1; ++i) {
      const double h = GridElev(i) - GridElev(i + 1);
      const double d = GridElev(i + 1) - GridElev(Z);
      const double p1 = NetPressureA(i, 1), p2 = NetPressureA(i + 1, 2);
      const double F = (p1 + p2) * h / 2;
      const double Ms = (2 * p1 + p2) * h * h / 6;
      S1 += d * F + Ms;
      S0 -= F;
      if (i < AnchorIndex) {
        S2 += ((3 * d - a) * F + 3 * Ms) * a * a / 6;
      } else {
        S2 += (a - d) * (d * F + 2 * Ms) * d / 2 + (2 * F * d + 3 * Ms) * d * d / 6 +
              h * h * h * h * (11 * p1 + 4 * p2) / 120 + (a - d - h) * h * h * h * (3 * p1 + p2) / 24;
      }
    }
    // 3. Line loads above the zero point.
    for (int j = 1; j <= NumHorizLineLoads; ++j) {
      if (!(HorizLineElev(j) > GridElev(Z))) continue;
      const double e = HorizLineElev(j) - GridElev(Z), Lj = HorizLineLoad(j);
      S1 += e * Lj;
      S0 -= Lj;
      if (HorizLineElev(j) <= A)
        S2 += (a - e / 3) * Lj * e * e / 2;
      else
        S2 += (3 * e - a) * Lj * a * a / 6;
    }
    // The residual of a wall fixed at the zero point: a first trial that is already
    // negative then brackets a real tip.
    double Dp = S1 - a * 3 * S2 / (a * a * a);
    if (!IsUsable(Dp)) Dp = 0;

    const FixedEarthSums zeroSums{S0, S1, S2, a};
    bool bracketed = true;  // false when the first interpolation starts with no positive residual above it
    bool interpolated = false;
    int interpolations = 0;
    int T = 0;
    bool newPoint = true;
    ClosingBracket bracket{0, 0, 0, 0};
    const BalanceTolerance tol = DesignBalanceTolerance();
    for (;;) {
      if (newPoint) {
        T = reference + 1;
        if (T >= NumGridPoints) {
          FailNoSolution(T);
          return;
        }
        TipIndex(2) = T;
        TipElev(2) = GridElev(T);
        ToePressure(2) = NetPressureA(T, 2);
        newPoint = false;
      }
      const double upper = GridElev(T - 1), p1 = NetPressureA(T - 1, 1);
      const double tip = TipElev(2), toe = ToePressure(2);
      const double h = upper - tip;
      const FixedEarthTrial trial = TryFixedEarthTip({S0, S1, S2, a}, upper, p1, tip, toe);
      const double Q = trial.Q, R = trial.R, W = trial.W, Lt = trial.Lt;
      AnchorForce(2) = trial.P;
      const double D = trial.D;
      // An interpolation that started with no positive residual above it has no tip to
      // close on: it creeps up to the zero point until it runs out of passes or of room.
      // Say what was found when the residual is negative all the way down the grid.
      auto failInterpolation = [&] {
        int deepest = 0;
        if (!bracketed && ResidualNegativeDownTheGrid(zeroSums, deepest))
          FailResidualNegativeEverywhere(deepest);
        else
          FailNoSolution(T);
      };
      if (!IsUsable(D)) {
        if (interpolated) failInterpolation();
        else FailNoSolution(T);
        return;
      }
      if (tol.MomentClosed(D, tip)) break;
      if (interpolated || D < 0) {
        if (++interpolations > kMaxRefinementPasses) {
          if (tol.MomentRoughlyClosed(D)) break;
          failInterpolation();
          return;
        }
        if (interpolated) bracket.Add(tip, D);
        else {
          bracket = {upper, Dp, tip, D};
          bracketed = Dp > 0;
        }
        const double newTip = bracket.Next(upper + h * Dp / (D - Dp));
        ToePressure(2) = p1 + (toe - p1) * (upper - newTip) / h;
        TipElev(2) = newTip;
        interpolated = true;
        if (!IsUsable(TipElev(2)) || !IsUsable(ToePressure(2))) {
          failInterpolation();
          return;
        }
      } else {
        S1 = R;
        S0 = W;
        S2 = Q;
        a = Lt;
        Dp = D;
        reference = T;
        newPoint = true;
      }
    }
    const PassResult r = SeepagePass(2, st, AnchorIndex);
    if (r == PassResult::Finished && RunMode != "A") RefuseAnchorInCompression(2);
    if (r != PassResult::Again) return;
  }
}
