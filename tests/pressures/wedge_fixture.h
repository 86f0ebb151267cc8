// Helpers for the wedge method tests: surfaces, layers and water of one side, a figure
// compared point by point, and the area of a polygon by the shoelace rule and its part on
// one side of a line.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "fixture.h"
#include "pressures/wedge_data.h"

namespace pressures_test {

using Pts = std::vector<std::pair<double, double>>;

inline void Surface(int side, const Pts& pts) {
  NumSurfacePoints(side) = static_cast<int>(pts.size());
  for (int i = 1; i <= NumSurfacePoints(side); ++i) {
    SurfaceDist(side, i) = pts[static_cast<std::size_t>(i - 1)].first;
    SurfaceElev(side, i) = pts[static_cast<std::size_t>(i - 1)].second;
  }
}

// Layers of one kind of soil, with the given bottoms (elevation, slope) above the last.
inline void Layers(int side, const Pts& bottoms, double phi = 30, double moist = 100,
                   double sat = 120) {
  NumSoilLayers(side) = static_cast<int>(bottoms.size()) + 1;
  for (int L = 1; L <= NumSoilLayers(side); ++L) {
    SandLayer(side, L, phi, 0, 0, moist, sat);
    if (L < NumSoilLayers(side)) {
      LayerBottomElev(side, L) = bottoms[static_cast<std::size_t>(L - 1)].first;
      LayerBottomSlope(side, L) = bottoms[static_cast<std::size_t>(L - 1)].second;
    } else {
      LayerBottomElev(side, L) = -200000;
    }
  }
}

inline Pts PointsOf(const WedgeFigure& f) {
  Pts out;
  for (int j = 1; j <= f.Count(); ++j) out.emplace_back(f.X(j), f.Y(j));
  return out;
}

inline void ExpectFigure(const WedgeFigure& f, const Pts& want, const char* what) {
  ASSERT_EQ(f.Count(), static_cast<int>(want.size())) << what;
  for (int j = 1; j <= f.Count(); ++j) {
    EXPECT_NEAR(f.X(j), want[static_cast<std::size_t>(j - 1)].first, 1e-9) << what << " point " << j;
    EXPECT_NEAR(f.Y(j), want[static_cast<std::size_t>(j - 1)].second, 1e-9) << what << " point " << j;
  }
}

// Area of a simple polygon, any turning sense.
inline double Area(const Pts& p) {
  double s = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const auto& a = p[i];
    const auto& b = p[(i + 1) % p.size()];
    s += a.first * b.second - b.first * a.second;
  }
  return std::fabs(s) / 2;
}

// The height at x of the line through the points (x increasing), level beyond the last.
inline double HeightAt(const Pts& pts, double x) {
  for (std::size_t k = 1; k < pts.size(); ++k) {
    if (x <= pts[k].first) {
      const double t = (x - pts[k - 1].first) / (pts[k].first - pts[k - 1].first);
      return pts[k - 1].second + t * (pts[k].second - pts[k - 1].second);
    }
  }
  return pts.back().second;
}

// The part of a polygon where keep(x, y) >= 0, keep being linear (Sutherland-Hodgman).
template <class Keep>
Pts Clip(const Pts& p, Keep keep) {
  Pts out;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const auto a = p[i], b = p[(i + 1) % p.size()];
    const double fa = keep(a.first, a.second), fb = keep(b.first, b.second);
    if (fa >= 0) out.push_back(a);
    if ((fa >= 0) != (fb >= 0)) {
      const double t = fa / (fa - fb);
      out.emplace_back(a.first + t * (b.first - a.first), a.second + t * (b.second - a.second));
    }
  }
  return out;
}

class WedgeTest : public PressureTest {
 protected:
  // The set-up of a solution with the wedge sides given the method, then the first
  // pressure pass.
  // Level ground at 0 on both sides, given by two points so that both sides take the
  // wedge method, over one layer each.
  void LevelGroundBothSides() {
    for (int side = 1; side <= 2; ++side) {
      Surface(side, {{0, 0}, {10, 0}});
      Layers(side, {});
    }
  }
  void SolveBy(const char* method) {
    PrepareSolution();
    for (int side = 1; side <= 2; ++side) {
      if (PressureMethod(side) == "W") PressureMethod(side) = method;
    }
    ComputeInitialPressures();
  }
};

}  // namespace pressures_test
