// Cantilever wall design by the conventional method: the wall turns about a pivot
// above its tip; above the pivot the active net diagram acts, between pivot and tip the
// pressure runs linearly to the toe pressure of the reversed diagram. The pivot is put
// where the forces balance, the tip moved until the moments about it balance.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "model/problem_data.h"
#include "platform/services.h"
#include "pressures/factor_verdict.h"
#include "pressures/pressures.h"
#include "wall/closing_bracket.h"
#include "wall/wall.h"
#include "wall/wall_internal.h"

void SumCantileverForces(const double& ForceAbove, const double& MomentAbove,
                         const int& StartIndex, const int& EndIndex, const double& PivotElev,
                         const double& PivotPressure, double& SumF, double& SumM) {
  const double t = TipElev(1), q = ToePressure(1), e = PivotElev, r = PivotPressure;
  SumF = 0;
  SumM = 0;
  for (int i = StartIndex + 1; i <= EndIndex - 1; ++i) {
    const double h = GridElev(i - 1) - GridElev(i);
    const double F = (NetPressureA(i - 1, 1) + NetPressureA(i, 2)) * h / 2;
    SumF += F;
    SumM -= (GridElev(i) - t) * F + (2 * NetPressureA(i - 1, 1) + NetPressureA(i, 2)) * h * h / 6;
  }
  {
    const double pAbove = NetPressureA(EndIndex - 1, 1);
    const double h = GridElev(EndIndex - 1) - e;
    const double F = (pAbove + r) * h / 2;
    SumF += F;
    SumM -= (e - t) * F + (2 * pAbove + r) * h * h / 6;
  }
  {
    const double h = e - t;
    SumF += (r + q) * h / 2;
    SumM -= (2 * r + q) * h * h / 6;
  }
  for (int j = 1; j <= NumHorizLineLoads; ++j) {
    if (GridElev(StartIndex) >= HorizLineElev(j) && HorizLineElev(j) > t) {
      SumF += HorizLineLoad(j);
      SumM -= (HorizLineElev(j) - t) * HorizLineLoad(j);
    }
  }
  SumF += ForceAbove;
  SumM = SumM - (GridElev(StartIndex) - t) * ForceAbove + MomentAbove;
}

namespace {

void Fail(const std::string& text) {
  platform::MsgBox(text);
  AbortRun = 1;
}

}  // namespace

void ShowNoCantileverSolution(int reached) {
  // A search that got down to pressures the wedge method did not compute was stopped by
  // the wedge that did not fit, not by the wall.
  if (RefuseUncomputedReach(reached)) return;
  NoteFactorVerdict(FactorVerdict::NoTip);
  platform::MsgBox("NO SOLUTION FOR CANTILEVER WALL DESIGN WITH" + NewLine + "BOTTOM OF WALL DOWN TO ELEVATION " +
       FormatElev(GridElev(std::min(reached, LastRegularGridPoint()))) + " (FT)." + NewLine + NewLine +
       "     UNABLE TO CONTINUE.");
  AbortRun = 1;
}

namespace {

void FailNoSolution(int reached) { ShowNoCantileverSolution(reached); }

// A search that does not settle says nothing of the wall at other factors.
void FailOscillation() {
  if (RefuseUncomputedTip(1)) return;
  NoteFactorVerdict(FactorVerdict::NotComputable);
  Fail("DESIGN BOTTOM OF CANTILEVER WALL APPEARS TO BE" + NewLine + "OSCILLATING ABOUT ELEVATION " +
       FormatElev(TipElev(1)) + " (FT)." + NewLine + NewLine + "     UNABLE TO CONTINUE.");
}

// Even the shallowest tip that balances its forces is deeper than the moments need.
void FailTipAbove() {
  NoteFactorVerdict(FactorVerdict::NoWallNeeded);
  Fail("DESIGN BOTTOM OF CANTILEVER WALL IS ABOVE ELEVATION " + FormatElev(GridElev(ZeroPressIndex + 1)) + NewLine +
       NewLine + "     UNABLE TO CONTINUE.");
}

void FailRotation() {
  Fail("CONDITIONS ENCOUNTERED WHERE IMPENDING ROTATION OF" + NewLine +
       "CANTILEVER WALL IS CLOCKWISE.  OR DRIVING FORCES OF THE" + NewLine +
       "RETAINED SOIL ABOVE THE LEFT SIDE SURFACE ARE ZERO." + NewLine + NewLine +
       "     UNABLE TO CONTINUE.");
}

struct Pivot {
  int p = 0;
  double e = 0, r = 0;
  // The pivot stands at the zero point with a pressure inside the jump there.
  bool inJump = false;
};

void SetGridTip(int T) {
  TipElev(1) = GridElev(T);
  ToePressure(1) = NetPressureP(T, 2);
}

// The net diagram can jump at the zero point, from the driving pressure above it to a
// large resisting one below (a stiff clay in front). Where even the pivot at the zero
// point, with the pressure below the jump, leaves the forces of the trial tip resisting,
// the forces balance on the jump itself: the pivot stays at the zero point and the
// linear change to the toe starts from the pressure inside the jump that balances them,
// the limit of a steep diagram there. The wall needs the tip all the same; without this a
// stronger soil in front would leave it without one.
bool PivotInTheJump(int T, Pivot& pv, double& sumF, double& sumM) {
  const int Z = ZeroPressIndex;
  const double e = GridElev(Z), h = e - TipElev(1);
  const double below = NetPressureA(Z, 1), above = NetPressureA(Z, 2);
  // The force sum is linear in the pivot pressure: half the tip's depth below the pivot
  // for each psf.
  SumCantileverForces(NetForceAbove, NetMomentAbove, Z, Z + 1, e, 0.0, sumF, sumM);
  const double r = h > 0 ? -2 * sumF / h : below;
  if (!IsUsable(r) || !(h > 0) || r < below || r > above) {
    FailNoSolution(T);
    return false;
  }
  SumCantileverForces(NetForceAbove, NetMomentAbove, Z, Z + 1, e, r, sumF, sumM);
  if (!IsUsable(sumF) || !IsUsable(sumM)) {
    FailNoSolution(T);
    return false;
  }
  pv = {Z + 1, e, r, true};
  return true;
}

// Finds the pivot for the current trial tip, the grid point T or a tip predicted from
// it; prevF is the force sum at the last grid pivot with a positive sum. False after a
// failure message.
bool FindPivot(int T, Pivot& pv, double& prevF, double& sumF, double& sumM, const BalanceTolerance& tol) {
  const int Z = ZeroPressIndex;
  for (int p = Z + 1;; ++p) {
    if (p >= NumGridPoints - 1) {
      FailNoSolution(NumGridPoints);
      return false;
    }
    double e = GridElev(p), r = NetPressureA(p, 2);
    if (TipElev(1) > e) {
      // A tip between grid points: the pivot lies above it, the tip itself the lowest
      // estimate. Where the running force has not turned negative by the tip no pivot
      // above it balances, and the grid point stays the estimate.
      const double top = GridElev(p - 1), pTop = NetPressureA(p - 1, 1), t = TipElev(1);
      const double rt = pTop + (r - pTop) * (top - t) / (top - e);
      double fTip = 0, mTip = 0;
      SumCantileverForces(NetForceAbove, NetMomentAbove, Z, p, t, rt, fTip, mTip);
      if (fTip < 0) {
        e = t;
        r = rt;
      }
    }
    SumCantileverForces(NetForceAbove, NetMomentAbove, Z, p, e, r, sumF, sumM);
    if (!IsUsable(sumF) || !IsUsable(sumM)) {
      FailNoSolution(T);
      return false;
    }
    if (tol.ForceClosed(sumF, TipElev(1))) {
      pv = {p, e, r};
      return true;
    }
    if (sumF >= 0) {
      prevF = sumF;
      continue;
    }
    // Between G(p - 1), whose sum stays fixed, and the newest estimate.
    const double top = GridElev(p - 1), pTop = NetPressureA(p - 1, 1);
    if (p == Z + 1) {
      // Already negative just below the zero point: no grid pivot of this trial left a
      // sum, and one left by another tip (or by another factor of safety) does not hold
      // for this one. The upper end is the zero point itself.
      double mTop = 0;
      SumCantileverForces(NetForceAbove, NetMomentAbove, Z, p, top, pTop, prevF, mTop);
      if (!IsUsable(prevF)) {
        FailNoSolution(T);
        return false;
      }
      if (!(prevF > 0)) return PivotInTheJump(T, pv, sumF, sumM);
    }
    for (int pass = 1; !tol.ForceClosed(sumF, TipElev(1)); ++pass) {
      if (pass > kMaxRefinementPasses) {
        if (tol.ForceRoughlyClosed(sumF)) break;
        FailNoSolution(T);
        return false;
      }
      e = top - (top - e) * prevF / (prevF - sumF);
      r = pTop + (NetPressureA(p, 2) - pTop) * (top - e) / (top - GridElev(p));
      SumCantileverForces(NetForceAbove, NetMomentAbove, Z, p, e, r, sumF, sumM);
      if (!IsUsable(e) || !IsUsable(sumF) || !IsUsable(sumM)) {
        FailNoSolution(T);
        return false;
      }
    }
    pv = {p, e, r};
    return true;
  }
}

// The tip of the quadratic through three (tip, moment sum) pairs, in the root's
// stable form; false when the fit has no usable root.
bool PredictTip(double X1, double M1, double X2, double M2, double X3, double M3, double& tip) {
  const double D = X1 * X1 * (X2 - X3) + X2 * X2 * (X3 - X1) + X3 * X3 * (X1 - X2);
  if (D == 0 || !IsUsable(D)) return false;
  const double a = (M1 * (X2 - X3) + M2 * (X3 - X1) + M3 * (X1 - X2)) / D;
  const double b = (M1 * (X3 * X3 - X2 * X2) + M2 * (X1 * X1 - X3 * X3) + M3 * (X2 * X2 - X1 * X1)) / D;
  const double c = (M1 * X2 * X3 * (X2 - X3) + M2 * X1 * X3 * (X3 - X1) + M3 * X1 * X2 * (X1 - X2)) / D;
  const double disc = b * b - 4 * a * c;
  if (!(disc >= 0)) return false;
  const double den = -b + std::sqrt(disc);
  if (den == 0) return false;
  tip = 2 * c / den;
  return IsUsable(tip);
}

// Toe pressure of the reversed diagram at a tip between grid points.
double ToePressureAt(double tip) {
  int s = ZeroPressIndex;
  while (s < NumGridPoints && GridElev(s) > tip) ++s;
  if (GridElev(s) == tip || GridElev(s) > tip || s < 2) return NetPressureP(s, 2);
  const double g1 = GridElev(s - 1), g2 = GridElev(s);
  return NetPressureP(s - 1, 1) + (NetPressureP(s, 2) - NetPressureP(s - 1, 1)) * (g1 - tip) / (g1 - g2);
}

// Where the running force, `above` at the grid point over s, reaches 0 between that point
// and s: the highest level found below which it is negative.
double ZeroOfRunningForce(int s, double above) {
  const double g1 = GridElev(s - 1), g2 = GridElev(s), p1 = NetPressureA(s - 1, 1), p2 = NetPressureA(s, 2);
  double hi = g1, lo = g2;
  for (int i = 0; i < 80 && hi - lo > 1e-9; ++i) {
    const double y = (hi + lo) / 2;
    const double py = p1 + (p2 - p1) * (g1 - y) / (g1 - g2);
    ((above + (p1 + py) * (g1 - y) / 2) < 0 ? lo : hi) = y;
  }
  return lo;
}

// A pivot at the tip leaves the reversed diagram no length: the wall ends on the active
// diagram at the pivot's own point p, and the pressure at its tip is the one its forces
// balanced with there (the toe pressure acted over nothing). A tip node one point further
// down would stand at the pivot's level again, an element of no length under the beam.
void EndAtPivot(const Pivot& pv, int p) {
  // Inside a jump the pressure that balanced lies below the point; above it the wall
  // carries the diagram's own value.
  if (!pv.inJump) NetPressureA(p, 2) = pv.r;
  GridElev(p) = TipElev(1);
  TipIndex(1) = p;
  ToePressure(1) = NetPressureA(p, 2);
  ComputeWaterPressures(1);
}

// Makes the accepted pivot and tip part of the grid for the beam solution and the report.
void FinishDesign(Pivot pv, int T) {
  const double t = TipElev(1), q = ToePressure(1);
  int p = pv.p;
  const double e = pv.e, r = pv.r;
  // A pivot a hair above the tip still carries the toe: its pressure can be large enough
  // that the sliver between them holds a share of the forces. The pivot takes a grid
  // point within a hair of it only where that point stays above the tip, or where the
  // pivot is the tip.
  const bool pivotAtTip = !(e > t);
  auto snaps = [&](int g) { return std::fabs(e - GridElev(g)) <= 0.0001 && (pivotAtTip || GridElev(g) > t); };
  if (!snaps(p)) {
    if (snaps(p - 1)) {
      --p;  // the pivot is the grid point above
      // Below a pivot on the jump the linear change starts from the pressure that balanced.
      if (pv.inJump) NetPressureA(p, 1) = r;
    } else {
      if (!(GridElev(p - 1) > e && e > GridElev(p))) {
        FailNoSolution(T);
        return;
      }
      if (!InsertGridPoint(p - 1, e,
                           kMoveSide1 | kMoveSide2 | kMoveNetWater | kMoveNetA | kMoveNetP))
        return;
      NetPressureA(p, 1) = r;
      NetPressureA(p, 2) = r;
    }
  }
  if (pivotAtTip) {
    EndAtPivot(pv, p);
    return;
  }
  int j = p + 1;
  while (j <= NumGridPoints && GridElev(j) > t) {
    const double v = r + (q - r) * (e - GridElev(j)) / (e - t);
    NetPressureA(j, 1) = v;
    NetPressureA(j, 2) = v;
    ++j;
  }
  if (j > NumGridPoints) {
    FailNoSolution(NumGridPoints);
    return;
  }
  TipIndex(1) = j;
  if (GridElev(j) != t) {
    // The point moves up to the tip: its pressures become the diagrams' values there.
    const double w = (GridElev(j - 1) - t) / (GridElev(j - 1) - GridElev(j));
    auto at = [&](double above, double below) { return (1 - w) * above + w * below; };
    for (int side = 1; side <= 2; ++side) {
      const double a = at(ActivePressure(side, j - 1, 1), ActivePressure(side, j, 2));
      const double pp = at(PassivePressure(side, j - 1, 1), PassivePressure(side, j, 2));
      ActivePressure(side, j, 1) = ActivePressure(side, j, 2) = a;
      PassivePressure(side, j, 1) = PassivePressure(side, j, 2) = pp;
    }
    const double np = at(NetPressureP(j - 1, 1), NetPressureP(j, 2));
    NetPressureP(j, 1) = NetPressureP(j, 2) = np;
  }
  GridElev(j) = t;
  NetPressureA(j, 2) = q;
  ComputeWaterPressures(1);
}

}  // namespace

void DesignCantileverWall() {
  const bool seepagePasses = WaterDataType == "E" && SeepageOption == "A" && RunMode != "A";
  int pass = 0;
  double previousTip = 0;
  double prevF = 0;
  double X1 = 0, M1 = 0, X2 = 0, M2 = 0, X3 = 0, M3 = 0;
  bool searchPastLimit = false;

  for (;;) {  // one design pass
    const int Z = ZeroPressIndex;
    // 1. Start tip: below the point where the running force first turns negative.
    // Above the level where the running force turns negative no pivot can balance the
    // forces, so the shallowest tip lies there; firstTip is the first grid point below it.
    int T = 0, firstTip = 0;
    double shallowest = 0;
    double F = NetForceAbove;
    for (int s = Z + 1; s <= NumGridPoints; ++s) {
      const double above = F;
      F += (NetPressureA(s - 1, 1) + NetPressureA(s, 2)) * (GridElev(s - 1) - GridElev(s)) / 2;
      if (F < 0) {
        // Where it turns negative already above the first point below the zero point, the
        // moments can still need a tip below that point: the trials say which.
        T = s + 1;
        firstTip = s;
        shallowest = ZeroOfRunningForce(s, above);
        break;
      }
      if (F == 0) {
        T = s + 2;
        firstTip = s + 1;
        shallowest = GridElev(s);
        break;
      }
    }
    if (T == 0 || T >= NumGridPoints) {
      FailNoSolution(NumGridPoints);
      return;
    }
    int N = 0;
    bool haveX1 = false, steppingUp = false;
    SetGridTip(T);
    // Below the last point the wedges were computed to, the pressures are the last ones
    // computed carried on, not the soil's: no trial tip goes there (-infinity when every
    // wedge fits), unless the pass searches past it (below).
    const double limit =
        searchPastLimit ? -std::numeric_limits<double>::infinity() : WedgePressuresComputedTo();

    Pivot pv;
    double sumF = 0, sumM = 0;
    const BalanceTolerance tol = DesignBalanceTolerance();
    // The trials nearest the tip on either side: too shallow (moment sum below 0) and too
    // deep (above 0).
    struct Bound {
      double tip, M;
    };
    Bound shallow{0, 0}, deep{0, 0};
    bool haveShallow = false, haveDeep = false;
    // Where the quadratic through the last trials swings about the tip without closing
    // (the moment curve bends sharply there, as where the toe passes a layer bottom and its
    // pressure steps), the trials that bracket the tip close it instead. False after the
    // oscillation message.
    auto closeBracket = [&]() {
      if (!haveShallow || !haveDeep || !(shallow.tip > deep.tip)) {
        FailOscillation();
        return false;
      }
      // The bracket closes sums that are positive above the tip.
      ClosingBracket bracket(shallow.tip, -shallow.M, deep.tip, -deep.M);
      for (int pass = 1; pass <= kMaxRefinementPasses; ++pass) {
        const double tip = bracket.Next(bracket.Middle());
        TipElev(1) = tip;
        ToePressure(1) = ToePressureAt(tip);
        if (!FindPivot(T, pv, prevF, sumF, sumM, tol)) return false;
        if (tol.MomentClosed(sumM, tip)) return true;
        bracket.Add(tip, -sumM);
      }
      if (tol.MomentRoughlyClosed(sumM)) return true;
      FailOscillation();
      return false;
    };
    // Stepping up past the first grid tip: the tip lies between the shallowest tip and
    // that grid point, or above every tip that can balance its forces. False after a
    // failure message.
    auto closeAboveFirstTip = [&](double M) {
      deep = {TipElev(1), M};
      haveDeep = true;
      TipElev(1) = shallowest;
      ToePressure(1) = ToePressureAt(shallowest);
      if (!FindPivot(T, pv, prevF, sumF, sumM, tol)) return false;
      if (tol.MomentClosed(sumM, shallowest)) return true;
      if (sumM > 0) {
        FailTipAbove();
        return false;
      }
      shallow = {shallowest, sumM};
      haveShallow = true;
      return closeBracket();
    };
    for (;;) {  // trials
      // A trial that would go below that point is made at the point itself, whose
      // pressures were computed: it says whether the tip lies above it at all.
      const bool atLimit = !(TipElev(1) > limit);
      if (atLimit) {
        TipElev(1) = limit;
        ToePressure(1) = ToePressureAt(limit);
      }
      if (!FindPivot(T, pv, prevF, sumF, sumM, tol)) return;
      const double M = sumM;
      if (tol.MomentClosed(M, TipElev(1))) break;
      if (atLimit) {
        // Too deep there: the tip lies between it and the deepest trial too shallow, or
        // the shallowest tip that balances the forces.
        if (M > 0) {
          if (!haveShallow) {
            if (closeAboveFirstTip(M)) break;
            return;
          }
          if (!haveDeep) deep = {limit, M};
          haveDeep = true;
          if (closeBracket()) break;
          return;
        }
        // Too shallow there as at every trial above it: no tip above the point balances.
        if (haveShallow && haveDeep && shallow.tip > deep.tip) {
          if (closeBracket()) break;
          return;
        }
        // Where the seepage follows the tip, the figures the wedges must fit move with it:
        // the tip below the point is no answer, but the best estimate of the seepage for
        // the next pass, which this pass then searches for past the point. Only the tip the
        // passes settle on must lie above it.
        if (seepagePasses) {
          searchPastLimit = true;
          break;
        }
        RefuseUncomputedTip(1);
        return;
      }
      if (M < 0 && (!haveShallow || TipElev(1) < shallow.tip)) {
        shallow = {TipElev(1), M};
        haveShallow = true;
      } else if (M > 0 && (!haveDeep || TipElev(1) > deep.tip)) {
        deep = {TipElev(1), M};
        haveDeep = true;
      }

      bool predict = false;
      if (steppingUp) {
        // The start tip was already too deep: walk up to a tip that is not.
        if (M > 0) {
          if (T - 1 < firstTip) {
            if (closeAboveFirstTip(M)) break;
            return;
          }
          SetGridTip(--T);
          continue;
        }
        X1 = TipElev(1);
        M1 = M;
        haveX1 = true;
        steppingUp = false;
        N = 0;
        SetGridTip(++T);
        continue;
      }
      if (N <= 2 && M <= 0) {
        X1 = TipElev(1);
        M1 = M;
        haveX1 = true;
        if (++T >= NumGridPoints) {
          FailNoSolution(T);
          return;
        }
        SetGridTip(T);
        continue;
      }
      if (N <= 2) {
        if (!haveX1) {
          steppingUp = true;
          if (T - 1 < firstTip) {
            if (closeAboveFirstTip(M)) break;
            return;
          }
          SetGridTip(--T);
          continue;
        }
        ++N;
        if (N == 1) {
          X2 = TipElev(1);
          M2 = M;
          if (++T >= NumGridPoints) {
            FailNoSolution(T);
            return;
          }
          SetGridTip(T);
          continue;
        }
        N = 3;
        X3 = TipElev(1);
        M3 = M;
        predict = true;
      } else {
        ++N;
        if (N > 25) {
          if (tol.MomentRoughlyClosed(M) || closeBracket()) break;
          return;
        }
        X2 = TipElev(1);
        M2 = M;
        predict = true;
      }
      if (predict) {
        double tip = 0;
        if (!PredictTip(X1, M1, X2, M2, X3, M3, tip)) {
          if (tol.MomentRoughlyClosed(M) || closeBracket()) break;
          return;
        }
        TipElev(1) = tip;
        ToePressure(1) = ToePressureAt(tip);
      }
    }

    if (searchPastLimit && limit != -std::numeric_limits<double>::infinity()) continue;  // the same pass again
    searchPastLimit = false;
    // 5. Seepage that follows the tip: recompute until two tips agree.
    if (!seepagePasses) {
      FinishDesign(pv, T);
      return;
    }
    ++pass;
    if (pass >= 2) {
      if (std::fabs(TipElev(1) - previousTip) <= 0.1) {
        FinishDesign(pv, T);
        return;
      }
      if (pass == 21) {
        FailOscillation();
        return;
      }
    }
    previousTip = TipElev(1);
    SetSeepageForTip(1, TipElev(1));
    RunWallPressurePass(1, true, false);
    if (AbortRun != 0) return;
    NetMomentAbove = NetMomentAbove - (WallTopElev - GridElev(ZeroPressIndex)) * NetForceAbove;
    if (!(NetForceAbove > 0 && NetMomentAbove < 0)) {
      FailRotation();
      return;
    }
  }
}
