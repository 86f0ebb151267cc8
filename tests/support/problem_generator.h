// Plausible problems drawn at random, as input data file text: cantilever and anchored
// walls, design and analysis, layered strengths or coefficients, sloping ground, water
// and seepage, surcharges and horizontal loads. The same seed always gives the same
// file, so a failure found by a campaign can be written out and solved again.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>

#include "random_input.h"

namespace support {

class ProblemGenerator : RandomInput {
 public:
  // coulombOnly: level ground and soil the wedge method is never needed for (no adhesion,
  // no sloping layer bottom), so both sides take Coulomb pressures.
  explicit ProblemGenerator(std::uint64_t seed, bool coulombOnly = false)
      : RandomInput(seed), coulombOnly_(coulombOnly) {}

  // Sloping layer bottoms in about `share` of the problems: two or three strength layers
  // a side, every bottom above the last sloping by up to 0.3 ft/ft either way, so that
  // bottoms meet one another or the ground anywhere from the wall to far from it. The
  // other problems are drawn as before, though not the same ones for a seed.
  ProblemGenerator& WithSlopingBottoms(double share) {
    slopingShare_ = share;
    return *this;
  }

  std::string Generate() {
    std::ostringstream f;
    slopingBottoms_ = slopingShare_ > 0 && !coulombOnly_ && Chance(slopingShare_);
    anchored_ = Chance(0.5);
    analysis_ = Chance(0.4);
    f << "'GENERATED PROBLEM\n";
    f << "CONTROL " << (anchored_ ? "ANCHORED" : "CANTILEVER") << (analysis_ ? " ANALYSIS" : " DESIGN");
    if (analysis_) {
      if (Chance(0.5)) f << " " << Fixed(Uniform(1.0, 1.3), 2);
    } else {
      f << " " << Fixed(Uniform(1.0, 1.3), 2) << " " << Fixed(Uniform(1.0, 2.0), 2);
    }
    f << "\n";

    // Ground behind at the top or a little below it; the dredge line 6 to 20 ft lower.
    top_ = Round(Uniform(10, 40), 1);
    right_ = Chance(0.5) ? top_ : Round(top_ - Uniform(0, 3), 1);
    const double retained = Uniform(6, anchored_ ? 24 : 16);
    left_ = Round(right_ - retained, 1);
    f << "WALL " << Num(top_);
    if (anchored_) {
      anchor_ = Round(top_ - Uniform(0.5, 0.35 * (top_ - left_)), 1);
      f << " " << Num(anchor_);
    }
    if (analysis_) {
      const double bottom = Round(left_ - retained * Uniform(0.5, 1.5), 1);
      f << " " << Num(bottom) << " 29E6 " << Fixed(Uniform(30, 400), 1);
    }
    f << "\n";

    const bool sloping = !coulombOnly_ && Chance(0.35);
    // Coefficients with sloping ground are refused: the campaign checks that they are.
    const bool coefficients = !slopingBottoms_ && (sloping ? Chance(0.05) : Chance(0.15));
    f << Surface("RIGHTSIDE", right_, sloping && Chance(0.7));
    f << Surface("LEFTSIDE", left_, sloping && Chance(0.5));

    // Layers: the same on both sides or each its own.
    if (Chance(0.5)) {
      f << Soil("BOTH", MinOf(right_, left_), coefficients);
    } else {
      f << Soil("RIGHTSIDE", right_, coefficients);
      f << Soil("LEFTSIDE", left_, coefficients);
    }

    if (Chance(0.5)) {
      const double wr = Round(right_ - Uniform(0, right_ - left_ + 4), 1);
      const double wl = Round(MinOf(wr, left_) - Uniform(0, 4), 1);
      f << "WATER ELEVATIONS 62.4 " << Num(wr) << " " << Num(wl);
      if (wl < wr && Chance(0.4)) {
        const double lo = MinOf(wl, left_), hi = MinOf(wr, right_);
        f << " " << Num(Round(Uniform(lo, hi), 2));
        if (Chance(0.5)) {
          f << " AUTOMATIC";
        } else {
          // A gradient small enough for the path from the seepage elevation down.
          f << " " << Fixed(Uniform(0.02, 0.2), 2);
        }
      }
      f << "\n";
    }

    if (Chance(0.25)) f << "VERTICAL LINE RIGHTSIDE 1 " << Fixed(Uniform(1, 15), 1) << " " << Int(200, 3000) << "\n";
    if (Chance(0.35)) f << "VERTICAL UNIFORM " << Int(0, 600) << " " << (Chance(0.3) ? Int(0, 200) : 0) << "\n";
    if (Chance(0.2)) {
      const double s = Uniform(0, 10);
      f << "VERTICAL STRIP RIGHTSIDE 1 " << Fixed(s, 1) << " " << Fixed(s + Uniform(1, 10), 1) << " "
        << Int(100, 1500) << "\n";
    }
    if (Chance(0.1)) {
      const double s = Uniform(0, 6);
      f << "VERTICAL RAMP RIGHTSIDE " << Fixed(s, 1) << " " << Fixed(s + Uniform(1, 8), 1) << " " << Int(50, 600)
        << "\n";
    }
    if (Chance(0.1)) {
      const double s = Uniform(0, 6), p = s + Uniform(0.5, 4), e = p + Uniform(0.5, 4);
      f << "VERTICAL TRIANGULAR RIGHTSIDE 1 " << Fixed(s, 1) << " " << Fixed(p, 1) << " " << Fixed(e, 1) << " "
        << Int(50, 800) << "\n";
    }
    if (Chance(0.1)) {
      const double d = Uniform(0, 6);
      f << "VERTICAL VARIABLE RIGHTSIDE 2 " << Fixed(d, 1) << " " << Int(0, 500) << " "
        << Fixed(d + Uniform(1, 10), 1) << " " << Int(0, 500) << "\n";
    }
    if (Chance(0.2)) {
      const double e = Round(top_ - Uniform(0, 0.5 * (top_ - left_)), 1);
      f << "HORIZONTAL LINE 1 " << Num(e) << " " << Int(-300, 1500) << "\n";
    }
    if (Chance(0.15)) {
      const double e1 = Round(top_ - Uniform(0, 2), 1);
      const double e2 = Round(e1 - Uniform(1, 0.8 * (top_ - left_)), 1);
      f << "HORIZONTAL DISTRIBUTED 2 " << Num(e1) << " " << Int(0, 200) << " " << Num(e2) << " " << Int(0, 200)
        << "\n";
    }
    f << "FINISHED\n";
    return f.str();
  }

 private:
  bool coulombOnly_ = false;
  double slopingShare_ = 0;
  bool slopingBottoms_ = false;
  bool anchored_ = false, analysis_ = false;
  double top_ = 0, anchor_ = 0, right_ = 0, left_ = 0;

  static double MinOf(double a, double b) { return a < b ? a : b; }
  static double Round(double v, int decimals) {
    double f = 1;
    for (int i = 0; i < decimals; ++i) f *= 10;
    return static_cast<double>(static_cast<long long>(v * f + (v < 0 ? -0.5 : 0.5))) / f;
  }

  // One or more points; the ground away from the wall rises or falls by a few feet.
  std::string Surface(const char* side, double elev, bool sloping) {
    std::ostringstream s;
    const int n = sloping ? Int(2, 4) : 1;
    s << "SURFACE " << side << " " << n << " 0 " << Num(elev) << "\n";
    double d = 0, e = elev;
    for (int p = 2; p <= n; ++p) {
      d += Round(Uniform(2, 15), 1);
      e = Round(e + Uniform(-3, 3), 1);
      s << Num(d) << " " << Num(e) << "\n";
    }
    return s.str();
  }

  std::string Soil(const char* side, double surface, bool coefficients) {
    std::ostringstream s;
    const int n = slopingBottoms_ ? Int(2, 3) : Int(1, 3);
    s << "SOIL " << side << (coefficients ? " COEFFICIENTS " : " STRENGTHS ") << n << "\n";
    double bottom = surface;
    for (int l = 1; l <= n; ++l) {
      const int moist = Int(95, 125);
      const int sat = moist + Int(0, 15);
      s << sat << " " << moist << " ";
      if (coefficients) {
        const double phi = Uniform(25, 38) * 3.14159265358979 / 180;
        const double ka = (1 - std::sin(phi)) / (1 + std::sin(phi));
        s << Fixed(ka, 3) << " " << Fixed(1 / ka, 3);
      } else {
        const bool clay = Chance(0.25);
        const bool mixed = !clay && Chance(0.2);
        const int phi = clay ? 0 : Int(25, 38);
        const int c = clay ? Int(300, 1500) : mixed ? Int(50, 300) : 0;
        const int delta = phi == 0 ? 0 : Int(0, phi * 2 / 3);
        const int adhesion = c > 0 && !coulombOnly_ && Chance(0.3) ? Int(0, c / 2) : 0;
        s << phi << " " << c << " " << delta << " " << adhesion;
      }
      if (l < n) {
        bottom = Round(bottom - Uniform(3, 12), 1);
        s << " " << Num(bottom);
        if (slopingBottoms_) {
          // Never level: the wedge method is what these problems are about.
          double slope = Uniform(-0.3, 0.3);
          if (std::fabs(slope) < 0.01) slope = slope < 0 ? -0.01 : 0.01;
          s << " " << Fixed(slope, 2);
        } else if (!coefficients) {
          s << " " << (!coulombOnly_ && Chance(0.2) ? Fixed(Uniform(-0.2, 0.2), 2) : std::string("0"));
        }
      }
      s << "\n";
    }
    return s.str();
  }
};

}  // namespace support
