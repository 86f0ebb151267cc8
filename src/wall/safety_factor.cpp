// Analysis of a given wall: the factor of safety at which the design tip meets the
// wall's bottom, searched per method by steps of 0.2 until the bottom is bracketed, then
// by interpolation. A factor is the wall's only where the design at it, closed as any
// design, reaches the bottom and its results balance. The converged wall is solved as a
// beam and written to its file.
#include <cmath>
#include <string>

#include "model/problem_data.h"
#include "platform/services.h"
#include "platform/text.h"
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
// search must stop (AbortRun is then set).
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
  return AbortRun == 0;
}

enum class Outcome { Accepted, Stopped };

// One method's search, from a factor of 1: by coarse trials, or by trials closed as
// designs while an AnalysisClosedAsDesign lives. Accepted leaves the accepted trial's
// pressures and design in place.
Outcome SearchFactor(int m, double B, int& AnchorIndex) {
  double FS = 1.0, FSmax = 5.0;
  int state = 1;
  Point a, b, c;
  bool cAbove = false;
  int interpolatedTrials = 0, trials = 0;
  for (;;) {
    // Raising the factor has no end of its own when the tip does not respond to it
    // (soil given by coefficients): the search gives up as inconsistent.
    if (++trials > kMaxRefinementPasses) {
      Inconsistent(m, state >= 4, a, b);
      return Outcome::Stopped;
    }
    if (!Trial(m, FS, AnchorIndex)) return Outcome::Stopped;
    const double tip = TipElev(m);
    const double diff = tip - B;
    if (std::fabs(diff) <= 0.1) return Outcome::Accepted;
    const Point now{FS, tip};
    double next = FS;
    switch (state) {
      case 1:
        if (diff < 0) {
          b = now;
          state = 3;
          next = FS - 0.2;
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
          next = Linear(a, b, B);
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
          next = FS + 0.2;
        }
        break;
      case 3:
        if (tip < b.tip) {
          Inconsistent(m, false, a, b);
          return Outcome::Stopped;
        }
        if (diff < 0) {
          b = now;
          next = FS - 0.2;
        } else {
          a = now;
          state = 4;
          next = Linear(a, b, B);
        }
        break;
      case 4:
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
    WriteResultsFile(m);
    if (AbortRun != 0) return;
  }
}
