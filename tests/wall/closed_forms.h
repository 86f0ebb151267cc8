// Closed forms and free bodies the design tests compare with, computed independently of
// the program: the conventional cantilever quartic, moments about the anchor (free
// earth), the elastic line of a wall fixed at its tip (fixed earth); and the polynomial
// through chart readings.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "rankine_fixture.h"

namespace closed_forms {

struct Expected {
  double tip, maxMoment, maxMomentElev;
};

// The conventional method in closed form: with C = gamma (Kp - Ka), the zero point a
// below the dredge line, the resultant P above it acting ybar above it and the toe
// pressure p5 + C Y at an embedment Y below the zero point, Y solves
//   Y^4 + (p5/C) Y^3 - (8P/C) Y^2 - 6P(2 ybar C + p5)/C^2 Y - P(6 ybar p5 + 4P)/C^2 = 0.
// The largest moment is at zero shear, z = sqrt(2P/C) below the zero point.
inline Expected ConventionalCantilever(const RankineSand& s) {
  const double H = s.top - s.dredge, C = s.gamma * (s.Kp - s.Ka);
  const double a = s.Ka * s.gamma * H / C;
  const double P1 = s.Ka * s.gamma * H * H / 2, P2 = s.Ka * s.gamma * H * a / 2;
  const double P = P1 + P2;
  const double ybar = (P1 * (a + H / 3) + P2 * (2 * a / 3)) / P;
  const double p5 = s.gamma * H * s.Kp + C * a;
  auto quartic = [&](double Y) {
    return Y * Y * Y * Y + p5 / C * Y * Y * Y - 8 * P / C * Y * Y -
           6 * P * (2 * ybar * C + p5) / (C * C) * Y - P * (6 * ybar * p5 + 4 * P) / (C * C);
  };
  const double Y = Bisect(quartic, 0.0, 10 * H);
  const double z = std::sqrt(2 * P / C);
  return {s.dredge - a - Y, P * (ybar + z) - C * z * z * z / 6, s.dredge - a - z};
}

inline double RankineKp(double phiDeg, double fs) {
  const double phi = std::atan(std::tan(phiDeg * 0.0174532925199433) / fs);
  return (1 + std::sin(phi)) / (1 - std::sin(phi));
}

// Simpson's rule; exact for the cubic integrands of a piecewise linear diagram when the
// interval does not cross a kink.
template <class F>
double Simpson(F f, double a, double b, int n = 64) {
  const double h = (b - a) / n;
  double s = f(a) + f(b);
  for (int i = 1; i < n; ++i) s += (i % 2 ? 4 : 2) * f(a + i * h);
  return s * h / 3;
}

struct FreeEarth {
  double tip, anchorForce, maxMoment;
};

// Integral of f(z) NetA(z) from the tip to the wall top, split at the dredge kink.
template <class F>
double OverWall(const RankineSand& s, double tip, F f) {
  auto g = [&](double z) { return s.NetA(z) * f(z); };
  return Simpson(g, s.dredge, s.top) + Simpson(g, tip, s.dredge);
}

inline FreeEarth IndependentFreeEarth(const RankineSand& s) {
  auto momentAboutAnchor = [&](double tip) { return OverWall(s, tip, [&](double z) { return s.anchor - z; }); };
  const double tip = Bisect(momentAboutAnchor, -60.0, s.dredge - s.ZeroDepth());
  const double T = OverWall(s, tip, [](double) { return 1.0; });
  // The largest moment is at zero shear between the anchor and the tip.
  auto shear = [&](double z) {
    auto g = [&](double y) { return s.NetA(y); };
    const double above = z >= s.dredge ? Simpson(g, z, s.top) : Simpson(g, s.dredge, s.top) + Simpson(g, z, s.dredge);
    return above - T;
  };
  const double z = Bisect(shear, tip + 1e-6, s.anchor - 1e-6);
  auto arm = [&](double y) { return s.NetA(y) * (y - z); };
  const double M = (z >= s.dredge ? Simpson(arm, z, s.top) : Simpson(arm, s.dredge, s.top) + Simpson(arm, z, s.dredge)) -
                   T * (s.anchor - z);
  return {tip, T, M};
}

struct FixedEarth {
  double tip, anchorForce;
};

// The wall fixed at a trial tip: the anchor force that makes the deflection at the
// anchor zero (moment-area, EI = 1), and the moment left at the tip; the tip is where
// that moment vanishes.
inline FixedEarth IndependentFixedEarth(const RankineSand& s) {
  auto solve = [&](double tip, double& T) {
    const int n = 6000;
    const double L = s.top - tip, a = s.anchor - tip, h = L / n;
    std::vector<double> y(n + 1), F(n + 1, 0), G(n + 1, 0);
    for (int i = 0; i <= n; ++i) y[i] = i * h;
    for (int i = n - 1; i >= 0; --i) {
      const double p1 = s.NetA(tip + y[i]), p2 = s.NetA(tip + y[i + 1]);
      F[i] = F[i + 1] + (p1 + p2) * h / 2;
      G[i] = G[i + 1] + (p1 * y[i] + p2 * y[i + 1]) * h / 2 + (p2 - p1) * h * h / 12;
    }
    double d = 0;
    for (int i = 0; i < n && y[i] < a; ++i) {
      const double y2 = std::min(y[i + 1], a), w = y2 - y[i];
      const double M1 = G[i] - y[i] * F[i], M2 = G[i + 1] - y[i + 1] * F[i + 1];
      const double M2a = M1 + (M2 - M1) * w / h;
      d += (M1 * (a - y[i]) + M2a * (a - y2)) * w / 2;
    }
    T = 3 * d / (a * a * a);
    return G[0] - T * a;
  };
  double T = 0;
  const double tip = Bisect([&](double t) { return solve(t, T); }, -30.0, s.dredge - s.ZeroDepth() - 0.5);
  solve(tip, T);
  return {tip, T};
}

// Value at x of the polynomial through (xs[k], ys[k]), by Neville's scheme.
inline double Neville(const std::vector<double>& xs, std::vector<double> ys, double x) {
  const std::size_t n = xs.size();
  for (std::size_t m = 1; m < n; ++m)
    for (std::size_t i = 0; i + m < n; ++i)
      ys[i] = ((x - xs[i + m]) * ys[i] + (xs[i] - x) * ys[i + 1]) / (xs[i] - xs[i + m]);
  return ys[0];
}

}  // namespace closed_forms
