// Analysis of a given wall: the factor of safety at which the design tip meets the
// wall's bottom, searched per method by steps of 0.2 until the bottom is bracketed, then
// by interpolation. A factor is the wall's only where the design at it, closed as any
// design, reaches the bottom and its results balance. The converged wall is solved as a
// beam and written to its file.
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/problem_data.h"
#include "platform/services.h"
#include "platform/text.h"
#include "pressures/factor_verdict.h"
#include "pressures/pressure_data.h"
#include "wall/wall.h"
#include "wall/wall_internal.h"

namespace {

struct Point {
  double fs = 0, tip = 0;
};

std::string Fs(double v) { return platform::text::Format(v, "#0.00"); }

void Inconsistent(int m, bool bracketed, const Point& a, const Point& b) {
  std::string wall = WallType == "C" ? "     CANTILEVER WALL"
                     : m == 1        ? "     ANCHORED WALL BY FREE EARTH METHOD"
                                     : "     ANCHORED WALL BY FIXED EARTH METHOD";
  std::string text = "Inconsistent results have been encountered" + NewLine + "during attempt to analyze" +
                     NewLine + NewLine + wall;
  if (bracketed)
    text += NewLine + NewLine + "Factor of safety appears to be between " + Fs(a.fs) + " " + "and " + Fs(b.fs);
  text += NewLine + NewLine + "     Unable to continue.";
  platform::MsgBox(text, 0, "INCONSISTENT RESULTS");
  AbortRun = 1;
}

void SmallFactor() {
  platform::MsgBox("Factor of safety for this system" + NewLine + "appears to be less than 0.20." + NewLine +
                       NewLine + "     Unable to continue.",
                   0, "SMALL FACTOR OF SAFETY");
  AbortRun = 1;
}

// The beam solution and result profiles of the accepted trial.
bool SolveAccepted(int m, int AnchorIndex) {
  SolveWallBeam(AnchorIndex, TipIndex(m), (WallType == "C" || m == 2) ? 2 : 1, m);
  if (AbortRun == 0) ExtractResultProfiles(m);
  return AbortRun == 0;
}

bool Between(double v, double lo, double hi) { return lo <= v && v <= hi; }

// A point of a trial that found a tip; the others stand above or below every tip.
bool Real(const Point& p) { return std::isfinite(p.tip); }

// The factor at the wall bottom on the line through a and b.
double Linear(const Point& a, const Point& b, double B) {
  return a.fs + (b.fs - a.fs) * (a.tip - B) / (a.tip - b.tip);
}

// Inverse three-point interpolation of the factor as a function of the tip; with two
// equal tips the parabola does not exist and the line through a and b stands in.
double Lagrange(const Point& a, const Point& b, const Point& c, double B) {
  if (a.tip == b.tip || a.tip == c.tip || b.tip == c.tip) return Linear(a, b, B);
  return a.fs * (B - b.tip) * (B - c.tip) / ((a.tip - b.tip) * (a.tip - c.tip)) +
         b.fs * (B - a.tip) * (B - c.tip) / ((b.tip - a.tip) * (b.tip - c.tip)) +
         c.fs * (B - a.tip) * (B - b.tip) / ((c.tip - a.tip) * (c.tip - b.tip));
}

// One trial: pressures, rotation check and design with the factor set. False when the
// trial failed (AbortRun is then set).
bool Trial(int m, double FS, int& AnchorIndex) {
  for (int side = 1; side <= 2; ++side) {
    for (int layer = 1; layer <= NumSoilLayers(side); ++layer) {
      FSPassiveUsed(side, layer, m) = FS;
      if (AnalysisFSOption == 1) FSActiveUsed(side, layer, m) = FS;
    }
  }
  RunWallPressurePass(m, false, true);
  if (AbortRun != 0) return false;
  CheckWallRotation();
  if (AbortRun != 0) return false;
  if (WallType == "C") {
    AnchorIndex = 0;
    const double bottom = WallBottomElev;
    DesignCantileverWall(&bottom);
  } else {
    FindAnchorIndex(AnchorIndex);
    if (AnchorIndex > NumGridPoints) {
      // The anchor is always a grid elevation; without it there is no support.
      ShowWallRotationFailure();
      return false;
    }
    if (m == 1)
      DesignFreeEarthWall(AnchorIndex);
    else
      DesignFixedEarthWall(AnchorIndex);
  }
  // A tip among pressures the wedge method did not compute ends the analysis.
  return AbortRun == 0 && !RefuseUncomputedTip(m);
}

using Boxes = std::vector<platform::HeldBoxes::Box>;

void ShowBoxes(const Boxes& boxes) {
  for (const auto& b : boxes) platform::MsgBox(b.text, b.buttons, b.title);
}

// What a trial found out about the wall's factor.
enum class Found {
  Tip,            // a design tip, in TipElev(m)
  NoWallNeeded,   // the factor is higher
  NoTip,          // the factor is lower
  NotComputable,  // the factor lies back toward the trials that could be computed
  Stop,           // a failure that holds at any factor: its boxes are shown, AbortRun set
};

// A trial whose failure, where it depends on the factor, only steers the search: its
// boxes are held back in `boxes` and AbortRun is cleared for the next trial. Any other
// failure is shown as it always was.
Found SteeringTrial(int m, double FS, int& AnchorIndex, Boxes& boxes) {
  platform::HeldBoxes hold;
  TakeFactorVerdict();
  const bool designed = Trial(m, FS, AnchorIndex);
  const FactorVerdict verdict = TakeFactorVerdict();
  boxes = hold.Take();
  if (designed || verdict == FactorVerdict::None) {
    hold.Show(boxes);
    boxes.clear();
    return designed ? Found::Tip : Found::Stop;
  }
  AbortRun = 0;
  switch (verdict) {
    case FactorVerdict::NoWallNeeded:
      return Found::NoWallNeeded;
    case FactorVerdict::NoTip:
      return Found::NoTip;
    default:
      return Found::NotComputable;
  }
}

// A bracket or a step narrower than this in the factor is closed: far finer than the
// factor's two printed decimals, so that a tip that still misses the bottom there has
// leapt past it.
constexpr double kNarrowest = 1e-4;
// Trials allowed once the interpolation first stepped past its bracket.
constexpr int kTrialsPastTheStep = 12;

enum class Outcome { Accepted, Stopped };

// One method's search, from a factor of 1: by coarse trials, or by trials closed as
// designs while an AnalysisClosedAsDesign lives. Accepted leaves the accepted trial's
// pressures and design in place. A trial that needs no wall counts as a tip above the
// bottom, higher than any, one without a tip as a tip below it, lower than any; a
// bracket with such an end is halved until both ends have tips, then closes by
// interpolation. A trial that cannot be computed sends the search back halfway toward
// the last one that could.
Outcome SearchFactor(int m, double B, int& AnchorIndex) {
  constexpr double kHighest = std::numeric_limits<double>::infinity();
  double FS = 1.0, FSmax = 5.0;
  int state = 1;
  Point a, b, c;
  bool cAbove = false;
  // The bracket is halved once, the interpolation having stepped past it; the trials
  // since that first happened.
  bool halving = false;
  int trialsPastTheStep = -1;
  int interpolatedTrials = 0, trials = 0;
  // The interpolation can step past the bracket where the tip falls steeply (near a
  // factor without a tip); a trial out there that fails the bracket's checks says nothing
  // against it, and the bracket, the nearest ends above and below, is halved instead.
  auto pastTheBracket = [&] {
    const Point& lo = cAbove ? c : a;
    const Point& hi = cAbove ? b : c;
    return !Between(FS, std::min(lo.fs, hi.fs), std::max(lo.fs, hi.fs));
  };
  auto halveTheBracket = [&] {
    if (trialsPastTheStep < 0) trialsPastTheStep = 0;
    if (cAbove) a = c;
    else b = c;
    state = 4;
    halving = true;
    return (a.fs + b.fs) / 2;
  };
  // The nearest factor past which trials could not be computed, and that trial's boxes.
  std::optional<double> uncomputable;
  Boxes uncomputableBoxes;
  auto stopUncomputable = [&] {
    ShowBoxes(uncomputableBoxes);
    AbortRun = 1;
    return Outcome::Stopped;
  };
  for (;;) {
    // Raising the factor has no end of its own when the tip does not respond to it
    // (soil given by coefficients): the search gives up as inconsistent.
    if (++trials > kMaxRefinementPasses) {
      Inconsistent(m, state >= 4, a, b);
      return Outcome::Stopped;
    }
    // A steep tip closes in a few trials; one that keeps stepping past its bracket leaps
    // there, or moves by steps too coarse to reach the bottom.
    if (trialsPastTheStep >= 0 && ++trialsPastTheStep > kTrialsPastTheStep) {
      Inconsistent(m, true, a, b);
      return Outcome::Stopped;
    }
    Boxes boxes;
    const Found found = SteeringTrial(m, FS, AnchorIndex, boxes);
    if (found == Found::Stop) return Outcome::Stopped;
    if (found == Found::NotComputable) {
      if (state == 1) {
        // Strengths reduced less compute: the factor, if any, lies higher. Where none
        // computes up to the large factor, the first trial's message says why.
        if (!uncomputable) uncomputableBoxes = std::move(boxes);
        uncomputable = FS;
        if (FS >= FSmax) return stopUncomputable();
        FS += 0.2;
        continue;
      }
      uncomputable = FS;
      uncomputableBoxes = std::move(boxes);
      // Only the coarse steps can pass the last factor that computes.
      if (state == 5 && pastTheBracket()) {
        FS = halveTheBracket();
        continue;
      }
      if (state != 2 && state != 3) return stopUncomputable();
      const double last = state == 2 ? a.fs : b.fs;
      if (std::fabs(FS - last) <= kNarrowest) return stopUncomputable();
      FS = (last + FS) / 2;
      continue;
    }
    const double tip = found == Found::Tip ? TipElev(m) : found == Found::NoWallNeeded ? kHighest : -kHighest;
    const double diff = tip - B;
    if (found == Found::Tip && std::fabs(diff) <= 0.1) return Outcome::Accepted;
    const Point now{FS, tip};
    // The next coarse step, short of the factors that could not be computed.
    auto step = [&](double delta, double& to) {
      to = FS + delta;
      if (!uncomputable || (delta > 0) != (*uncomputable > FS)) return true;
      if (delta > 0 ? to < *uncomputable : to > *uncomputable) return true;
      if (std::fabs(*uncomputable - FS) <= kNarrowest) return false;
      to = (FS + *uncomputable) / 2;
      return true;
    };
    // The first trial inside a bracket: by the line through its ends where both have
    // tips, else halfway between them.
    auto bracketed = [&] { return Real(a) && Real(b) ? Linear(a, b, B) : (a.fs + b.fs) / 2; };
    double next = FS;
    switch (state) {
      case 1:
        if (diff < 0) {
          b = now;
          state = 3;
          if (!step(-0.2, next)) return stopUncomputable();
        } else {
          a = now;
          state = 2;
          next = FS + 0.2;
        }
        break;
      case 2:
        if (tip > a.tip) {
          Inconsistent(m, false, a, b);
          return Outcome::Stopped;
        }
        if (diff < 0) {
          b = now;
          state = 4;
          next = bracketed();
        } else {
          if (FS >= FSmax) {
            const auto answer = platform::MsgBox(
                "Factor of safety for this system" + NewLine + "appears to be greater than " + Fs(FSmax) + "." +
                    NewLine + NewLine + "Do you want to continue search for" + NewLine + "factor of safety?",
                4, "LARGE FACTOR OF SAFETY");
            if (answer != platform::Answer::Yes) {
              AbortRun = 1;
              return Outcome::Stopped;
            }
            FSmax += 5.0;
          }
          a = now;
          if (!step(0.2, next)) return stopUncomputable();
        }
        break;
      case 3:
        if (tip < b.tip) {
          Inconsistent(m, false, a, b);
          return Outcome::Stopped;
        }
        if (diff < 0) {
          b = now;
          if (!step(-0.2, next)) return stopUncomputable();
        } else {
          a = now;
          state = 4;
          next = bracketed();
        }
        break;
      case 4:
        if (!Real(a) || !Real(b) || halving) {
          // Halving a bracket one of whose ends has no tip, or past which the
          // interpolation stepped.
          const bool overshot = halving;
          halving = false;
          if (!Between(tip, b.tip, a.tip)) {
            Inconsistent(m, true, a, b);
            return Outcome::Stopped;
          }
          (diff > 0 ? a : b) = now;
          if ((!(Real(a) && Real(b)) || overshot) && std::fabs(b.fs - a.fs) <= kNarrowest) {
            // No trial between a factor that needs no wall (or a tip above) and one
            // without a tip (or a tip below) has a tip that reaches the bottom; or the
            // tip leaps past it there, where the interpolation keeps stepping past.
            Inconsistent(m, true, a, b);
            return Outcome::Stopped;
          }
          next = bracketed();
          break;
        }
        if (++interpolatedTrials > kMaxRefinementPasses || !Between(tip, b.tip, a.tip)) {
          Inconsistent(m, true, a, b);
          return Outcome::Stopped;
        }
        c = now;
        cAbove = diff > 0;
        state = 5;
        next = Lagrange(a, b, c, B);
        break;
      default:  // 5
        if (++interpolatedTrials > kMaxRefinementPasses) {
          Inconsistent(m, true, a, b);
          return Outcome::Stopped;
        }
        if (pastTheBracket() && !(cAbove ? Between(tip, b.tip, c.tip) : Between(tip, c.tip, a.tip))) {
          next = halveTheBracket();
          break;
        }
        if (cAbove) {
          if (!Between(tip, b.tip, c.tip)) {
            Inconsistent(m, true, a, b);
            return Outcome::Stopped;
          }
          a = c;
        } else {
          if (!Between(tip, c.tip, a.tip)) {
            Inconsistent(m, true, a, b);
            return Outcome::Stopped;
          }
          b = c;
        }
        c = now;
        cAbove = diff > 0;
        next = Lagrange(a, b, c, B);
        break;
    }
    if (!IsUsable(next)) {
      Inconsistent(m, state >= 4, a, b);
      return Outcome::Stopped;
    }
    if (next < 0.2 - 1e-9) {
      SmallFactor();
      return Outcome::Stopped;
    }
    FS = next;
  }
}

}  // namespace

void RunSafetyFactorAnalysis() {
  platform::BusyPointer busy;
  if (FSActive > 0.0001) {
    for (int side = 1; side <= 2; ++side) {
      for (int layer = 1; layer <= NumSoilLayers(side); ++layer) {
        const double fs = LayerFSActive(side, layer) > 0 ? LayerFSActive(side, layer)
                          : SideFSActive(side) > 0       ? SideFSActive(side)
                                                         : FSActive;
        FSActiveUsed(side, layer, 1) = fs;
        FSActiveUsed(side, layer, 2) = fs;
      }
    }
  }
  const int methods = WallType == "A" ? 2 : 1;
  const double B = WallBottomElev;
  for (int m = 1; m <= methods; ++m) {
    int AnchorIndex = 0;
    if (SearchFactor(m, B, AnchorIndex) != Outcome::Accepted || !SolveAccepted(m, AnchorIndex)) return;
    if (!CheckProfileBalance(m).BalancesAsPrinted()) {
      // The coarse trials only steer. A factor whose table does not balance to the digits
      // printed is the wall's only if the design at it, closed as any design, reaches the
      // bottom; where it does not, the search starts again with every trial so closed.
      AnalysisClosedAsDesign closure;
      if (!Trial(m, FSPassiveUsed(1, 1, m), AnchorIndex)) return;
      if (std::fabs(TipElev(m) - B) > 0.1 && SearchFactor(m, B, AnchorIndex) != Outcome::Accepted) return;
      if (!SolveAccepted(m, AnchorIndex)) return;
      RequireBalancedProfile(m);
      if (AbortRun != 0) return;
    }
    // At a factor whose wall would need its anchor to push, the wall is refused as its
    // design at that factor is.
    if (WallType == "A" && RefuseAnchorInCompression(m)) return;
    WriteResultsFile(m);
    if (AbortRun != 0) return;
  }
}
