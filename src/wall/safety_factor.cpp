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
    DesignCantileverWall();
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
// Trials allowed once the interpolation first stepped past its bracket, before the
// bracket is only halved.
constexpr int kTrialsPastTheStep = 12;
// Trials inside a bracket that cannot be computed, one after the other, before the search
// gives up on the bracket.
constexpr int kUncomputableInBracket = 8;

enum class Outcome { Accepted, Stopped, Inconsistent };

// Where a search found no factor though its trials computed: the two trials nearest the
// bottom on either side, when it had them.
struct Leap {
  bool bracketed = false;
  Point a, b;
};

// One method's search, from a factor of 1: by coarse trials, or by trials closed as
// designs while an AnalysisClosedAsDesign lives. Accepted leaves the accepted trial's
// pressures and design in place; Inconsistent shows nothing and leaves `leap` for the
// caller. A trial that needs no wall counts as a tip above the bottom, higher than any,
// one without a tip as a tip below it, lower than any. Once the bottom is bracketed, every
// trial inside the bracket replaces the end on its own side of the bottom, so the
// bracket always holds a factor where the tip crosses the bottom: it closes by
// interpolation while the trials fall in line, and by halving once they do not, until a
// trial reaches the bottom or the bracket is too narrow to hold anything but a leap. A
// trial that cannot be computed sends the search back halfway toward the last one that
// could, and so does one that moves the wrong way while the search steps away from 1.
Outcome SearchFactor(int m, double B, int& AnchorIndex, Leap& leap) {
  constexpr double kHighest = std::numeric_limits<double>::infinity();
  double FS = 1.0, FSmax = 5.0;
  int state = 1;
  // a: the trial nearest the bottom with its tip above it; b: below it. Inside the
  // bracket, c is the latest interpolated trial, above the bottom when cAbove.
  Point a, b, c;
  bool cAbove = false;
  // The bracket is halved once, the interpolation having stepped past it; the trials
  // since that first happened. Past a number of them, or where the trials stop falling
  // in line, it is only halved.
  bool halving = false, onlyHalving = false;
  int trialsPastTheStep = -1;
  int interpolatedTrials = 0, trials = 0, uncomputableInBracket = 0;
  // Makes the bracket a and b alone, c taken in as the end on its side.
  auto foldC = [&] {
    if (state == 5) (cAbove ? a : b) = c;
    state = 4;
  };
  auto inconsistent = [&](bool bracketed) {
    if (state == 5) foldC();
    leap = {bracketed, a, b};
    return Outcome::Inconsistent;
  };
  // The ends of the bracket, whatever the state: c stands for the end on its side.
  auto endAbove = [&] { return state == 5 && cAbove ? c : a; };
  auto endBelow = [&] { return state == 5 && !cAbove ? c : b; };
  auto pastTheBracket = [&] {
    const double lo = endAbove().fs, hi = endBelow().fs;
    return !Between(FS, std::min(lo, hi), std::max(lo, hi));
  };
  auto halveTheBracket = [&] {
    if (trialsPastTheStep < 0) trialsPastTheStep = 0;
    foldC();
    halving = true;
    return (a.fs + b.fs) / 2;
  };
  // The nearest factor past which trials could not be computed (or moved the wrong way),
  // and that trial's boxes.
  std::optional<double> uncomputable;
  Boxes uncomputableBoxes;
  auto stopUncomputable = [&] {
    // Trials that moved the wrong way have no box of their own to say why.
    if (uncomputableBoxes.empty()) return inconsistent(state >= 4);
    ShowBoxes(uncomputableBoxes);
    AbortRun = 1;
    return Outcome::Stopped;
  };
  for (;;) {
    // Raising the factor has no end of its own when the tip does not respond to it
    // (soil given by coefficients): the search gives up as inconsistent.
    if (++trials > kMaxRefinementPasses) return inconsistent(state >= 4);
    // A steep tip closes in a few trials; one that keeps stepping past its bracket leaps
    // there, or moves by steps too coarse to reach the bottom: halving decides which.
    if (trialsPastTheStep >= 0 && ++trialsPastTheStep > kTrialsPastTheStep) onlyHalving = true;
    Boxes boxes;
    const Found found = SteeringTrial(m, FS, AnchorIndex, boxes);
    if (found == Found::Stop) return Outcome::Stopped;
    double tip = found == Found::Tip ? TipElev(m) : found == Found::NoWallNeeded ? kHighest : -kHighest;
    bool computed = found != Found::NotComputable;
    // Stepping away from 1, the tip falls as the factor rises. A trial that moves the
    // other way lies past a leap, or past strengths the method no longer follows (a
    // failure there that reads as no wall, or no tip, points the wrong way too): it says
    // no more than a trial that could not be computed.
    if (computed && ((state == 2 && tip > a.tip) || (state == 3 && tip < b.tip))) {
      computed = false;
      boxes.clear();
    }
    if (!computed) {
      if (state == 1) {
        // Strengths reduced less compute: the factor, if any, lies higher. Where none
        // computes up to the large factor, the first trial's message says why.
        if (!uncomputable) uncomputableBoxes = std::move(boxes);
        uncomputable = FS;
        if (FS >= FSmax) return stopUncomputable();
        FS += 0.2;
        continue;
      }
      if (state == 2 || state == 3) {
        uncomputable = FS;
        uncomputableBoxes = std::move(boxes);
        const double last = state == 2 ? a.fs : b.fs;
        if (std::fabs(FS - last) <= kNarrowest) return stopUncomputable();
        FS = (last + FS) / 2;
        continue;
      }
      // Inside the bracket: the halves on either side of the trial still hold the
      // crossing; try the middle of the wider.
      if (++uncomputableInBracket > kUncomputableInBracket) {
        uncomputableBoxes = std::move(boxes);
        return stopUncomputable();
      }
      foldC();
      onlyHalving = true;
      const double lo = std::min(a.fs, b.fs), hi = std::max(a.fs, b.fs);
      FS = FS - lo > hi - FS ? (lo + FS) / 2 : (FS + hi) / 2;
      continue;
    }
    uncomputableInBracket = 0;
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
    auto bracketed = [&] { return Real(a) && Real(b) && !onlyHalving ? Linear(a, b, B) : (a.fs + b.fs) / 2; };
    double next = FS;
    if (state >= 4 && (onlyHalving || (state == 4 && (!Real(a) || !Real(b) || halving)))) {
      // Halving: a bracket one of whose ends has no tip, or past which the interpolation
      // stepped, or whose trials no longer fall in line.
      halving = false;
      foldC();
      if (!Between(tip, b.tip, a.tip)) onlyHalving = true;
      (diff > 0 ? a : b) = now;
      if (std::fabs(b.fs - a.fs) <= kNarrowest) return inconsistent(true);
      next = bracketed();
    } else if (state == 4 || state == 5) {
      // Interpolating: a trial that falls outside the tips of its bracket, or that the
      // interpolation put past the bracket, turns the search to halving.
      const bool inLine = state == 4 ? Between(tip, b.tip, a.tip)
                          : cAbove     ? Between(tip, b.tip, c.tip)
                                       : Between(tip, c.tip, a.tip);
      if (state == 5 && !inLine && pastTheBracket()) {
        FS = halveTheBracket();
        continue;
      }
      if (!inLine || ++interpolatedTrials > kMaxRefinementPasses) {
        onlyHalving = true;
        foldC();
        (diff > 0 ? a : b) = now;
        if (std::fabs(b.fs - a.fs) <= kNarrowest) return inconsistent(true);
        next = bracketed();
      } else {
        if (state == 5) (cAbove ? a : b) = c;
        c = now;
        cAbove = diff > 0;
        state = 5;
        next = Lagrange(a, b, c, B);
      }
    } else {
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
        default:  // 3
          if (diff < 0) {
            b = now;
            if (!step(-0.2, next)) return stopUncomputable();
          } else {
            a = now;
            state = 4;
            next = bracketed();
          }
          break;
      }
    }
    if (!IsUsable(next)) return inconsistent(state >= 4);
    if (next < 0.2 - 1e-9) {
      SmallFactor();
      return Outcome::Stopped;
    }
    FS = next;
  }
}

// The search, and where its coarse trials leave it inconsistent, the search again with
// every trial closed as a design before any box is shown: a coarse trial can miss the
// design at its factor by feet where the largest pressure of the problem dwarfs the
// wall's loads, and then seem to leap. The closure lives on while the accepted trial is
// solved. False after the box that ends the run.
bool SearchFactorClosingIfNeeded(int m, double B, int& AnchorIndex, std::optional<AnalysisClosedAsDesign>& closure) {
  Leap leap;
  Outcome outcome = SearchFactor(m, B, AnchorIndex, leap);
  if (outcome == Outcome::Inconsistent && !closure) {
    closure.emplace();
    outcome = SearchFactor(m, B, AnchorIndex, leap);
  }
  if (outcome == Outcome::Inconsistent) Inconsistent(m, leap.bracketed, leap.a, leap.b);
  return outcome == Outcome::Accepted;
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
    std::optional<AnalysisClosedAsDesign> closure;
    if (!SearchFactorClosingIfNeeded(m, B, AnchorIndex, closure) || !SolveAccepted(m, AnchorIndex)) return;
    if (!CheckProfileBalance(m).BalancesAsPrinted()) {
      // The coarse trials only steer. A factor whose table does not balance to the digits
      // printed is the wall's only if the design at it, closed as any design, reaches the
      // bottom; where it does not, the search starts again with every trial so closed.
      if (!closure) {
        closure.emplace();
        if (!Trial(m, FSPassiveUsed(1, 1, m), AnchorIndex)) return;
        if (std::fabs(TipElev(m) - B) > 0.1 && !SearchFactorClosingIfNeeded(m, B, AnchorIndex, closure)) return;
        if (!SolveAccepted(m, AnchorIndex)) return;
      }
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
