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
#include <tuple>
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

// The two trials nearest the bottom on either side, and the factor tried next between
// them. Every trial inside replaces the end on its own side of the bottom, so the
// bracket always holds a factor where the tip crosses the bottom. It closes by
// interpolation while the trials fall in line (the line through its ends first, then
// the parabola through them and the latest trial), and by halving once they do not,
// until the bracket is too narrow to hold anything but a leap.
class Bracket {
 public:
  Bracket(Point above, Point below, double bottom) : a_(above), b_(below), B_(bottom) {}

  // Counted before each trial: a steep tip closes in a few trials; one that keeps
  // stepping past its bracket leaps there, or moves by steps too coarse to reach the
  // bottom, and halving decides which.
  void BeforeTrial() {
    if (trialsPastTheStep_ >= 0 && ++trialsPastTheStep_ > kTrialsPastTheStep) onlyHalving_ = true;
  }

  // The first trial inside: by the line through the ends where both have tips, else
  // halfway between them.
  double Inside() const { return Real(a_) && Real(b_) && !onlyHalving_ ? Linear(a_, b_, B_) : Middle(); }

  // A trial that computed and missed the bottom. The factor to try next; none where the
  // bracket has closed on a leap.
  std::optional<double> Take(const Point& now) {
    uncomputableInARow_ = 0;
    if (onlyHalving_ || (!c_ && (!Real(a_) || !Real(b_) || halving_))) {
      // Halving: a bracket one of whose ends has no tip, or past which the
      // interpolation stepped, or whose trials no longer fall in line.
      halving_ = false;
      Fold();
      if (!Between(now.tip, b_.tip, a_.tip)) onlyHalving_ = true;
      return Replace(now);
    }
    // Interpolating: a trial that falls outside the tips of its bracket, or that the
    // interpolation put past the bracket, turns the search to halving.
    const bool inLine = !c_       ? Between(now.tip, b_.tip, a_.tip)
                        : cAbove_ ? Between(now.tip, b_.tip, c_->tip)
                                  : Between(now.tip, c_->tip, a_.tip);
    if (c_ && !inLine && Past(now.fs)) return Halve();
    if (!inLine || ++interpolatedTrials_ > kMaxRefinementPasses) {
      onlyHalving_ = true;
      Fold();
      return Replace(now);
    }
    Fold();
    c_ = now;
    cAbove_ = now.tip > B_;
    return Lagrange(a_, b_, *c_, B_);
  }

  // A trial inside that could not be computed: the halves on either side of it still hold
  // the crossing, and the middle of the wider is tried. None after too many in a row.
  std::optional<double> TakeUncomputable(double fs) {
    if (++uncomputableInARow_ > kUncomputableInBracket) return std::nullopt;
    Fold();
    onlyHalving_ = true;
    const double lo = std::min(a_.fs, b_.fs), hi = std::max(a_.fs, b_.fs);
    return fs - lo > hi - fs ? (lo + fs) / 2 : (fs + hi) / 2;
  }

  // The trials nearest the bottom: above it, and below it.
  std::pair<Point, Point> Ends() {
    Fold();
    return {a_, b_};
  }

 private:
  double Middle() const { return (a_.fs + b_.fs) / 2; }

  // The bracket of a and b alone, the latest interpolated trial taken in as the end on
  // its side.
  void Fold() {
    if (c_) (cAbove_ ? a_ : b_) = *c_;
    c_.reset();
  }

  std::optional<double> Replace(const Point& now) {
    (now.tip > B_ ? a_ : b_) = now;
    if (std::fabs(b_.fs - a_.fs) <= kNarrowest) return std::nullopt;
    return Inside();
  }

  // Whether the factor lies outside the bracket (the latest trial standing for the end
  // on its side).
  bool Past(double fs) const {
    const double lo = c_ && cAbove_ ? c_->fs : a_.fs, hi = c_ && !cAbove_ ? c_->fs : b_.fs;
    return !Between(fs, std::min(lo, hi), std::max(lo, hi));
  }

  double Halve() {
    if (trialsPastTheStep_ < 0) trialsPastTheStep_ = 0;
    Fold();
    halving_ = true;
    return Middle();
  }

  Point a_, b_;  // above the bottom, and below it
  std::optional<Point> c_;
  bool cAbove_ = false;
  double B_;
  // halving_: the trial under way halves the bracket, the interpolation having stepped
  // past it; onlyHalving_: from now on it is only halved.
  bool halving_ = false, onlyHalving_ = false;
  int trialsPastTheStep_ = -1, interpolatedTrials_ = 0, uncomputableInARow_ = 0;
};

enum class Outcome { Accepted, Stopped, Inconsistent };

// Where a search found no factor though its trials computed: the two trials nearest the
// bottom on either side, when it had them; and whether the tip moved with the factor at
// all (soil given by coefficients leaves it where it is).
struct Leap {
  bool bracketed = false;
  Point a, b;
  bool responded = false;
};

// The answers the user gave to the large-factor questions of one method: a search
// started again goes on past the factors agreed to without asking again.
class Answers {
 public:
  // Whether to search past the factor; a No ends the run (AbortRun = 1).
  bool GoPast(double FSmax) {
    if (FSmax <= agreedPast_) return true;
    const auto answer = platform::MsgBox("Factor of safety for this system" + NewLine + "appears to be greater than " +
                                             Fs(FSmax) + "." + NewLine + NewLine + "Do you want to continue search for" +
                                             NewLine + "factor of safety?",
                                         4, "LARGE FACTOR OF SAFETY");
    if (answer != platform::Answer::Yes) {
      AbortRun = 1;
      return false;
    }
    agreedPast_ = FSmax;
    return true;
  }

 private:
  double agreedPast_ = 0;
};

// One method's search, from a factor of 1: by coarse trials, or by trials closed as
// designs while an AnalysisClosedAsDesign lives. Accepted leaves the accepted trial's
// pressures and design in place; Inconsistent shows nothing and leaves `leap` for the
// caller. The factor is stepped by 0.2 away from 1 until the bottom is bracketed, and
// the Bracket closes it.
//
// How each trial steers: a tip within 0.1 ft of the bottom is accepted. A trial that
// needs no wall counts as a tip above the bottom, higher than any; one without a tip as
// a tip below it, lower than any. Stepping away from 1 the tip falls as the factor
// rises, and a trial that moves the other way lies past a leap or past strengths the
// method no longer follows: it says no more than a trial that could not be computed (a
// developed friction angle above 45 degrees, a wedge that does not fit the soil figures
// down to the tip, the zero point or the bottom). Such a trial sends the search back
// halfway toward the last one that could, and later steps stop short of it; at the
// first trials, strengths reduced less are tried. The trial's box ends the run only
// where no factor on that side computes.
Outcome SearchFactor(int m, double B, int& AnchorIndex, Answers& answers, Leap& leap) {
  constexpr double kHighest = std::numeric_limits<double>::infinity();
  double FS = 1.0, FSmax = 5.0;
  // Stepping away from 1 before the bottom is bracketed: up while the tips lie above it,
  // down while they lie below.
  enum class Steps { First, Up, Down } steps = Steps::First;
  // The latest trial above the bottom and below it.
  Point a, b;
  std::optional<Bracket> bracket;
  std::optional<double> firstTip;
  bool responded = false;
  auto inconsistent = [&] {
    leap = {bracket.has_value(), a, b, responded};
    if (bracket) std::tie(leap.a, leap.b) = bracket->Ends();
    return Outcome::Inconsistent;
  };
  // The nearest factor past which trials could not be computed (or moved the wrong way),
  // and that trial's boxes.
  std::optional<double> uncomputable;
  Boxes uncomputableBoxes;
  auto stopUncomputable = [&] {
    // Trials that moved the wrong way have no box of their own to say why.
    if (uncomputableBoxes.empty()) return inconsistent();
    ShowBoxes(uncomputableBoxes);
    AbortRun = 1;
    return Outcome::Stopped;
  };
  // The next coarse step, short of the factors that could not be computed; none where
  // they lie next to this one.
  auto step = [&](double delta) -> std::optional<double> {
    const double to = FS + delta;
    if (!uncomputable || (delta > 0) != (*uncomputable > FS)) return to;
    if (delta > 0 ? to < *uncomputable : to > *uncomputable) return to;
    if (std::fabs(*uncomputable - FS) <= kNarrowest) return std::nullopt;
    return (FS + *uncomputable) / 2;
  };
  for (int trials = 1;; ++trials) {
    // Raising the factor has no end of its own when the tip does not respond to it
    // (soil given by coefficients): the search gives up as inconsistent.
    if (trials > kMaxRefinementPasses) return inconsistent();
    if (bracket) bracket->BeforeTrial();
    Boxes boxes;
    const Found found = SteeringTrial(m, FS, AnchorIndex, boxes);
    if (found == Found::Stop) return Outcome::Stopped;
    const double tip = found == Found::Tip ? TipElev(m) : found == Found::NoWallNeeded ? kHighest : -kHighest;
    bool computed = found != Found::NotComputable;
    if (computed) {
      if (!firstTip) firstTip = tip;
      responded = responded || tip != *firstTip;
    }
    if (computed && !bracket && ((steps == Steps::Up && tip > a.tip) || (steps == Steps::Down && tip < b.tip))) {
      computed = false;
      boxes.clear();
    }
    std::optional<double> next;
    if (!computed) {
      if (bracket) {
        next = bracket->TakeUncomputable(FS);
        if (!next) {
          uncomputableBoxes = std::move(boxes);
          return stopUncomputable();
        }
      } else if (steps == Steps::First) {
        // Strengths reduced less compute: the factor, if any, lies higher. Where none
        // computes up to the large factor, the first trial's message says why.
        if (!uncomputable) uncomputableBoxes = std::move(boxes);
        uncomputable = FS;
        if (FS >= FSmax) return stopUncomputable();
        next = FS + 0.2;
      } else {
        uncomputable = FS;
        uncomputableBoxes = std::move(boxes);
        const double last = steps == Steps::Up ? a.fs : b.fs;
        if (std::fabs(FS - last) <= kNarrowest) return stopUncomputable();
        next = (last + FS) / 2;
      }
      FS = *next;
      continue;
    }
    if (found == Found::Tip && std::fabs(tip - B) <= 0.1) return Outcome::Accepted;
    const Point now{FS, tip};
    const bool above = tip > B;
    if (bracket) {
      next = bracket->Take(now);
      if (!next) return inconsistent();
    } else {
      (above ? a : b) = now;
      const bool first = steps == Steps::First;
      if (first) steps = above ? Steps::Up : Steps::Down;
      if ((steps == Steps::Up) != above) {
        bracket.emplace(a, b, B);
        next = bracket->Inside();
      } else if (steps == Steps::Up) {
        if (!first && FS >= FSmax) {
          if (!answers.GoPast(FSmax)) return Outcome::Stopped;
          FSmax += 5.0;
        }
        next = step(0.2);
      } else {
        next = step(-0.2);
      }
      if (!next) return stopUncomputable();
    }
    if (!IsUsable(*next)) return inconsistent();
    if (*next < 0.2 - 1e-9) {
      SmallFactor();
      return Outcome::Stopped;
    }
    FS = *next;
  }
}

// The search, and where its coarse trials leave it inconsistent, the search again with
// every trial closed as a design before any box is shown: a coarse trial can miss the
// design at its factor by feet where the largest pressure of the problem dwarfs the
// wall's loads, and then seem to leap. A tip that did not move with the factor has
// nothing to search again. The closure lives on while the accepted trial is solved.
// False after the box that ends the run.
bool SearchFactorClosingIfNeeded(int m, double B, int& AnchorIndex, Answers& answers,
                                 std::optional<AnalysisClosedAsDesign>& closure) {
  Leap leap;
  Outcome outcome = SearchFactor(m, B, AnchorIndex, answers, leap);
  if (outcome == Outcome::Inconsistent && !closure && leap.responded) {
    closure.emplace();
    outcome = SearchFactor(m, B, AnchorIndex, answers, leap);
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
    Answers answers;
    if (!SearchFactorClosingIfNeeded(m, B, AnchorIndex, answers, closure) || !SolveAccepted(m, AnchorIndex)) return;
    if (!CheckProfileBalance(m).BalancesAsPrinted()) {
      // The coarse trials only steer. A factor whose table does not balance to the digits
      // printed is the wall's only if the design at it, closed as any design, reaches the
      // bottom; where it does not, the search starts again with every trial so closed.
      if (!closure) {
        closure.emplace();
        if (!Trial(m, FSPassiveUsed(1, 1, m), AnchorIndex)) return;
        if (std::fabs(TipElev(m) - B) > 0.1 && !SearchFactorClosingIfNeeded(m, B, AnchorIndex, answers, closure)) return;
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
