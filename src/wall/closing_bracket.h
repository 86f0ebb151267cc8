// The refinement inside one grid interval of the anchored designs' tip searches: a level
// whose moment (free earth) or residual (fixed earth) is positive above the tip, one whose
// value is negative below it, and the trials between them. The cantilever's tip search
// falls back on it where its quadratic prediction swings about the tip. (The cantilever's
// pivot needs none: its force sum is linear in the pivot's level, so one interpolation
// closes it.)
//
// The searches interpolate from the fixed upper end of the interval through their newest
// trial. Where the sum is nearly linear over the interval that closes in a few passes,
// and those passes are kept as they are. Where it curves strongly (a deep passive pressure
// that grows fast over the last foot) the interpolation from a fixed end overshoots by as
// much as it gains and the trials swing about the solution without closing. So once a
// trial leaves more than half of the value of the trial before it, the search gives up its
// own interpolation and closes the bracket itself: regula falsi between the two ends that
// still bracket the solution, halving the value kept at an end that stays twice in a row
// (the Illinois rule), and halving the bracket whenever three passes have not halved it.
// A solution that is bracketed is then always reached, to the precision of the levels.
#pragma once

class ClosingBracket {
 public:
  ClosingBracket(double aboveLevel, double aboveSum, double belowLevel, double belowSum)
      : above_(aboveLevel), below_(belowLevel), aboveSum_(aboveSum), belowSum_(belowSum),
        lastSum_(belowSum), brackets_(aboveSum > 0 && belowSum < 0 && aboveLevel > belowLevel) {}

  // The sum found at a trial level.
  void Add(double level, double sum) {
    if (brackets_ && !closing_ && Abs(sum) > Abs(lastSum_) / 2) {
      closing_ = true;
      width_ = above_ - below_;
    }
    lastSum_ = sum;
    if (sum > 0) {
      if (level < above_) {
        above_ = level;
        aboveSum_ = sum;
        if (closing_ && lastEnd_ == 1) belowSum_ /= 2;
        lastEnd_ = 1;
      }
    } else if (level > below_) {
      below_ = level;
      belowSum_ = sum;
      if (closing_ && lastEnd_ == -1) aboveSum_ /= 2;
      lastEnd_ = -1;
    }
  }

  // True once the search's own interpolation has stopped closing in.
  bool Closing() const { return closing_; }

  // The search's own estimate while it closes in well (the middle of the bracket when the
  // estimate would leave it), the bracket's own step after that.
  double Next(double estimate) {
    if (!closing_) return Inside(estimate) ? estimate : Middle();
    if (!(above_ > below_ && aboveSum_ > 0 && belowSum_ < 0)) return Middle();
    if (++passes_ == 3) {
      passes_ = 0;
      const bool halved = above_ - below_ <= width_ / 2;
      width_ = above_ - below_;
      if (!halved) return Middle();
    }
    const double level = above_ - aboveSum_ * (above_ - below_) / (aboveSum_ - belowSum_);
    return Inside(level) ? level : Middle();
  }

  bool Inside(double level) const { return level < above_ && level > below_; }
  double Middle() const { return (above_ + below_) / 2; }

 private:
  static double Abs(double v) { return v < 0 ? -v : v; }

  double above_, below_, aboveSum_, belowSum_;
  double lastSum_;
  bool brackets_;
  bool closing_ = false;
  int lastEnd_ = 0;  // the end the last trial replaced: 1 above, -1 below
  int passes_ = 0;
  double width_ = 0;
};
