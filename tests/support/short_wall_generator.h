// Plausible problems drawn at random where cantilever designs and the factor-of-safety
// search have gone wrong: walls that retain only 3 to 9 ft beside ordinary ones, c-phi
// and clay layers, stiff clay in front of the wall, surcharges, water with and without
// seepage, horizontal line loads. A short wall in soil with cohesion needs hardly any
// penetration, so its tip falls within a grid step or two of the dredge line, where
// the one-foot grid decides more than the statics do. The same seed always gives the
// same file, so a run a campaign flags can be written out and solved again alone.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>

#include "random_input.h"

namespace support {

class ShortWallGenerator : RandomInput {
 public:
  enum class Mode { Design, Analysis };

  // The same seed gives the same wall in either mode: the design leaves out the bottom
  // and stiffness that the analysis gives, and the analysis the passive factor.
  ShortWallGenerator(std::uint64_t seed, Mode mode) : RandomInput(seed), mode_(mode) {}

  std::string Generate() {
    std::ostringstream f;
    anchored_ = Chance(0.35);
    const bool analysis = mode_ == Mode::Analysis;
    const bool shortWall = Chance(anchored_ ? 0.3 : 0.6);
    retained_ = shortWall ? Uniform(3, 9) : Uniform(9, anchored_ ? 24 : 16);

    f << "'SHORT WALL PROBLEM\n";
    f << "CONTROL " << (anchored_ ? "ANCHORED" : "CANTILEVER") << (analysis ? " ANALYSIS" : " DESIGN");
    // Active factors above 1 shrink what cohesion holds up behind the wall; a strong
    // passive factor is where refusals of short walls were seen.
    const std::string active = Fixed(Chance(0.4) ? 1.0 : Uniform(1.0, 1.5), 2);
    const std::string passive = Fixed(Uniform(1.0, 2.5), 2);
    const bool activeGiven = Chance(0.5);
    if (!analysis) {
      f << " " << active << " " << passive;
    } else if (activeGiven) {
      f << " " << active;
    }
    f << "\n";

    // The dredge line near elevation 0, so scaled walls keep their numbers small.
    left_ = Round(Uniform(-2, 6), 1);
    right_ = Round(left_ + retained_, 1);
    top_ = Chance(0.6) ? right_ : Round(right_ + Uniform(0, 2), 1);
    f << "WALL " << Num(top_);
    if (anchored_) {
      anchor_ = Round(top_ - Uniform(0.5, Max(0.6, 0.35 * (top_ - left_))), 1);
      f << " " << Num(anchor_);
    }
    // Short walls in cohesive soil need little penetration: a bottom near the dredge
    // line must be drawn too.
    const double bottom = Round(left_ - Max(0.5, retained_ * Uniform(0.2, 1.4)), 1);
    const double inertia = Uniform(30, 400);
    if (analysis) f << " " << Num(bottom) << " 29E6 " << Fixed(inertia, 1);
    f << "\n";

    const bool sloping = Chance(0.15);
    f << Surface("RIGHTSIDE", right_, sloping && Chance(0.7));
    f << Surface("LEFTSIDE", left_, sloping && Chance(0.4));

    Soils(f);
    Water(f);
    Surcharges(f);
    f << "FINISHED\n";
    return f.str();
  }

 private:
  Mode mode_ = Mode::Design;
  bool anchored_ = false, softClay_ = false;
  double retained_ = 0, top_ = 0, anchor_ = 0, right_ = 0, left_ = 0;

  static double Max(double a, double b) { return a > b ? a : b; }
  static double Min(double a, double b) { return a < b ? a : b; }
  static double Round(double v, int decimals) {
    const double f = std::pow(10.0, decimals);
    return std::round(v * f) / f;
  }

  std::string Surface(const char* side, double elev, bool sloping) {
    std::ostringstream s;
    const int n = sloping ? Int(2, 3) : 1;
    s << "SURFACE " << side << " " << n << " 0 " << Num(elev) << "\n";
    double d = 0, e = elev;
    for (int p = 2; p <= n; ++p) {
      d += Round(Uniform(2, 12), 1);
      e = Round(e + Uniform(-2, 2), 1);
      s << Num(d) << " " << Num(e) << "\n";
    }
    return s.str();
  }

  enum class Kind { Sand, CPhi, Clay, StiffClay };

  struct Layer {
    Kind kind = Kind::Sand;
    double bottom = 0;  // unused for the last layer
  };

  // One layer's line: unit weights, strength, wall friction, adhesion and, above the
  // last layer, its bottom and the bottom's slope.
  std::string LayerLine(Kind kind, bool last, double bottom, bool wedgeAllowed) {
    std::ostringstream s;
    const int moist = Int(100, 125);
    s << moist + Int(0, 15) << " " << moist << " ";
    int phi = 0, c = 0;
    switch (kind) {
      case Kind::Sand: phi = Int(26, 38); break;
      case Kind::CPhi: phi = Int(15, 32); c = Int(50, 450); break;
      case Kind::Clay: c = Int(250, 900); break;
      case Kind::StiffClay: c = Int(900, 2000); break;
    }
    const int delta = phi == 0 ? 0 : Int(0, phi * 2 / 3);
    const int adhesion = c > 0 && wedgeAllowed && Chance(0.2) ? Int(0, c / 2) : 0;
    s << phi << " " << c << " " << delta << " " << adhesion;
    if (!last) {
      s << " " << Num(bottom) << " " << (wedgeAllowed && Chance(0.1) ? Fixed(Uniform(-0.15, 0.15), 2) : "0");
    }
    s << "\n";
    return s.str();
  }

  std::string ClayLine(double c, bool last, double bottom) {
    std::ostringstream s;
    const int moist = Int(100, 120);
    s << moist + Int(0, 10) << " " << moist << " 0 " << static_cast<int>(c < 50 ? 50 : c) << " 0 0";
    if (!last) s << " " << Num(bottom) << " 0";
    s << "\n";
    return s.str();
  }

  Kind AnyKind() {
    const double u = Uniform(0, 1);
    return u < 0.4 ? Kind::Sand : u < 0.85 ? Kind::CPhi : Kind::Clay;
  }

  // Each side its own layers, often with the change at or just below the dredge line
  // (fill over clay), or both sides alike below the dredge line.
  void Soils(std::ostringstream& f) {
    softClay_ = Chance(0.12);
    if (softClay_) {
      // Fill over clay whose net resistance below the dredge line, four times its
      // cohesion less the weight above it, is small: the tip falls steeply as the factor
      // grows and runs away once the resistance is gone, and a design or a search has to
      // follow it that far.
      const double c = Uniform(0.25, 0.5) * 115 * retained_;
      const double clayTop = Round(left_ - Uniform(0, 6), 1);
      const int n = Chance(0.5) ? 3 : 2;
      f << "SOIL RIGHTSIDE STRENGTHS " << n << "\n";
      if (n == 3) f << LayerLine(Kind::CPhi, false, Round(right_ - Uniform(1, 0.5 * retained_), 1), false);
      f << LayerLine(Kind::Sand, false, clayTop, false);
      f << ClayLine(c, true, 0);
      if (Chance(0.5)) {
        const double sandBottom = Round(Min(clayTop + Uniform(-0.5, 0.5), left_ - 0.2), 1);
        f << "SOIL LEFTSIDE STRENGTHS 2\n" << LayerLine(Kind::Sand, false, sandBottom, false);
      } else {
        f << "SOIL LEFTSIDE STRENGTHS 1\n";
      }
      f << ClayLine(c * Uniform(0.9, 1.3), true, 0);
      return;
    }
    if (Chance(0.05)) {
      // Coefficients behind the wall only: the passive side keeps strengths, or there
      // would be no factor to search.
      const double phi = Uniform(26, 38) * 3.14159265358979 / 180;
      const double ka = (1 - std::sin(phi)) / (1 + std::sin(phi));
      const int moist = Int(100, 125);
      f << "SOIL RIGHTSIDE COEFFICIENTS 1\n" << moist + Int(0, 15) << " " << moist << " " << Fixed(ka, 3) << " "
        << Fixed(1 / ka, 3) << "\n";
      f << "SOIL LEFTSIDE STRENGTHS 1\n" << LayerLine(AnyKind(), true, 0, true);
      return;
    }
    const bool wedgeAllowed = Chance(0.6);
    if (Chance(0.25)) {
      // One profile on both sides, its layer changes below the dredge line.
      const int n = Int(1, 3);
      f << "SOIL BOTH STRENGTHS " << n << "\n";
      double bottom = left_;
      for (int l = 1; l <= n; ++l) {
        bottom = Round(bottom - Uniform(1, 6), 1);
        f << LayerLine(l == n && Chance(0.3) ? Kind::StiffClay : AnyKind(), l == n, bottom, wedgeAllowed);
      }
      return;
    }
    // Behind the wall: 1 to 3 layers from the ground down, the first change often near
    // the dredge line (fill over clay), the soil below it then the same in front.
    const int nr = Int(1, 3);
    const bool changeAtDredge = nr > 1 && Chance(0.5);
    const Kind lower = changeAtDredge && Chance(0.5) ? (Chance(0.5) ? Kind::StiffClay : Kind::Clay) : AnyKind();
    f << "SOIL RIGHTSIDE STRENGTHS " << nr << "\n";
    double bottom = right_;
    for (int l = 1; l <= nr; ++l) {
      const bool last = l == nr;
      if (!last && l == 1 && changeAtDredge) {
        bottom = Round(Min(left_ + Uniform(-3, 1), right_ - 0.5), 1);
      } else if (!last) {
        bottom = Round(bottom - Uniform(1.5, Max(2, 0.6 * retained_)), 1);
      }
      f << LayerLine(last && changeAtDredge ? lower : AnyKind(), last, bottom, wedgeAllowed);
    }
    // In front: stiff clay often, under a little sand or alone; else layers of its own.
    if (Chance(0.4)) {
      if (Chance(0.4)) {
        f << "SOIL LEFTSIDE STRENGTHS 2\n";
        f << LayerLine(Kind::Sand, false, Round(left_ - Uniform(0.5, 3), 1), wedgeAllowed);
        f << LayerLine(Kind::StiffClay, true, 0, wedgeAllowed);
      } else {
        f << "SOIL LEFTSIDE STRENGTHS 1\n" << LayerLine(Kind::StiffClay, true, 0, wedgeAllowed);
      }
      return;
    }
    const int nl = Int(1, 2);
    f << "SOIL LEFTSIDE STRENGTHS " << nl << "\n";
    double lb = left_;
    for (int l = 1; l <= nl; ++l) {
      const bool last = l == nl;
      if (!last) lb = Round(lb - Uniform(1, 5), 1);
      f << LayerLine(last && changeAtDredge ? lower : AnyKind(), last, lb, wedgeAllowed);
    }
  }

  void Water(std::ostringstream& f) {
    if (!Chance(0.45)) return;
    const double wr = Round(right_ - Uniform(0, retained_ + 3), 1);
    const double wl = Round(Min(wr, left_) - Uniform(0, 3), 1);
    f << "WATER ELEVATIONS 62.4 " << Num(wr) << " " << Num(wl);
    if (wl < wr && Chance(0.45)) {
      const double lo = Min(wl, left_), hi = Min(wr, right_);
      f << " " << Num(Round(Uniform(lo, hi), 2));
      if (Chance(0.5)) {
        f << " AUTOMATIC";
      } else {
        f << " " << Fixed(Uniform(0.02, 0.2), 2);
      }
    }
    f << "\n";
  }

  void Surcharges(std::ostringstream& f) {
    // Vertical loads in the order the reader takes them: line, uniform, strip.
    // A heavy line load behind a wall over soft clay puts a bump in the net diagram
    // above a tip that already moves fast with the factor.
    if (Chance(softClay_ ? 0.6 : 0.15)) {
      f << "VERTICAL LINE RIGHTSIDE 1 " << Fixed(Uniform(1, softClay_ ? 20 : 10), 1) << " "
        << Int(200, softClay_ ? 3500 : 2500) << "\n";
    }
    if (Chance(0.5)) f << "VERTICAL UNIFORM " << Int(50, 600) << " " << (Chance(0.15) ? Int(0, 150) : 0) << "\n";
    if (Chance(0.15)) {
      const double s = Uniform(0, 8);
      f << "VERTICAL STRIP RIGHTSIDE 1 " << Fixed(s, 1) << " " << Fixed(s + Uniform(1, 8), 1) << " "
        << Int(100, 1200) << "\n";
    }
    if (Chance(0.3)) {
      // A load on the part of the wall above the dredge line, in proportion to its
      // height; a few push back toward the retained side.
      const double e = Round(top_ - Uniform(0, 0.6 * (top_ - left_)), 1);
      f << "HORIZONTAL LINE 1 " << Num(e) << " " << Int(-150, static_cast<int>(120 * retained_)) << "\n";
    }
    if (Chance(0.08)) {
      const double e1 = Round(top_ - Uniform(0, 1), 1);
      const double e2 = Round(e1 - Uniform(1, Max(1.5, 0.8 * (top_ - left_))), 1);
      f << "HORIZONTAL DISTRIBUTED 2 " << Num(e1) << " " << Int(0, 150) << " " << Num(e2) << " " << Int(0, 150)
        << "\n";
    }
  }
};

}  // namespace support
