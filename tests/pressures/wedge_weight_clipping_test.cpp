// Slice weights against an independent reckoning: the slice (ground above, failure line
// below) is clipped by every layer bottom, the water level, the seepage elevation and the
// bottom of the seepage path as half-planes, and each piece's area is weighed with its unit
// weight. Random slices over grounds and layer bottoms that rise, fall, pinch out, dip
// under the water or start above the ground cover the clip walks of every figure code.
#include <random>

#include "wedge_fixture.h"

namespace pressures_test {
namespace {

using Poly = Pts;

Poly Above(const Poly& p, double e) { return Clip(p, [e](double, double y) { return y - e; }); }
Poly Below(const Poly& p, double e) { return Clip(p, [e](double, double y) { return e - y; }); }

struct Ground {
  Pts surface;                 // the ground points
  Pts bottoms;                 // (elevation at the wall, slope) of the layers above the last
  double W, Se, Sb;            // water, seepage elevation, bottom of the seepage path
  bool seepage;

  int Layers() const { return static_cast<int>(bottoms.size()) + 1; }
  double SurfaceAt(double x) const { return HeightAt(surface, x); }
  double BottomAt(int L, double x) const {
    if (L == Layers()) return -1e9;
    return bottoms[static_cast<std::size_t>(L - 1)].first + bottoms[static_cast<std::size_t>(L - 1)].second * x;
  }
  double TopAt(int L, double x) const {
    return L == 1 ? SurfaceAt(x) : std::min(SurfaceAt(x), BottomAt(L - 1, x));
  }
};

constexpr double kGw = 62.4, kI = 0.3;

double UnitMoist(int L) { return 100 + 7 * L; }
double UnitSat(int L) { return 118 + 5 * L; }

double Reckoned(int side, const Ground& g, double x1, double y1, double x2, double y2) {
  Poly slice = {{x1, y1}, {x2, y2}, {x2, g.SurfaceAt(x2)}};
  for (auto it = g.surface.rbegin(); it != g.surface.rend(); ++it) {
    if (it->first > x1 && it->first < x2) slice.push_back(*it);
  }
  slice.emplace_back(x1, g.SurfaceAt(x1));
  double w = 0;
  for (int L = 1; L <= g.Layers(); ++L) {
    Poly layer = slice;
    if (L > 1) layer = Clip(layer, [&](double x, double y) { return g.BottomAt(L - 1, x) - y; });
    if (L < g.Layers()) layer = Clip(layer, [&](double x, double y) { return y - g.BottomAt(L, x); });
    const Poly wet = Below(layer, g.W);
    w += UnitMoist(L) * Area(Above(layer, g.W));
    if (!g.seepage) {
      w += (UnitSat(L) - kGw) * Area(wet);
      continue;
    }
    // Seepage acts below the water on the left side, below the seepage elevation on the
    // right side, and in either case only above the bottom of the seepage path.
    const Poly seep = Above(side == 1 ? Below(wet, g.Se) : wet, g.Sb);
    const double s = 2 * side - 3;
    w += (UnitSat(L) - kGw) * (Area(wet) - Area(seep)) + (UnitSat(L) - (1 + s * kI) * kGw) * Area(seep);
  }
  return w;
}

class WedgeWeightClippingTest : public WedgeTest {};

TEST_F(WedgeWeightClippingTest, SliceWeightsEqualTheClippedAreas) {
  const std::vector<Ground> grounds = {
      // ground up and down over a rising and a falling bottom
      {{{0, 10}, {15, 12}, {30, 8}, {50, 8}}, {{2, 0.1}, {-4, -0.05}}, 5, 3, -6, true},
      // bottom falling through the water, the ground falling away
      {{{0, 10}, {20, 10}, {40, 0}, {60, -2}}, {{6, -0.3}, {-8, -0.35}}, 4, 1, -3, true},
      // a layer pinching out, its falling bottom cut by water, seepage and seepage bottom
      {{{0, 10}, {30, 10}, {40, 3}, {60, -5}}, {{6, -0.1}}, 4, 4, 3, true},
      // ground under water at the wall rising out of it, rising bottoms
      {{{0, 0}, {10, 5}, {40, 5}}, {{-2, 0.3}, {-6, 0.2}}, 1, -1, -4, true},
      {{{0, 0}, {10, 5}, {40, 5}}, {{-2, 0.3}, {-6, 0.2}}, 1, -1, -4, false},
      // ground dipping under the water away from the wall
      {{{0, 3}, {8, 1}, {20, 6}, {100, 6}}, {{-4, 0.2}, {-10, 0.1}}, 2, 0, -2, true},
      // falling and rising bottoms cut by all three levels
      {{{0, 10}, {100, 10}}, {{4, -0.1}, {-10, 0}}, 3, 2, 0, true},
      {{{0, 10}, {100, 10}}, {{-4, 0.2}, {-10, 0}}, 2, 0, -2, true},
      // a berm rising through the bottom of the upper layer, water over the ground
      {{{0, 0}, {20, 10}, {60, 10}}, {{5, 0}, {-8, -0.02}}, 3, 2, -4, true},
      // an upper layer wholly above a lower ground under water
      {{{0, 3.5}, {20, 3.5}}, {{7, 0.035}, {-5.4, -0.004}}, 6.5, 5.2, -0.15, true},
  };
  std::mt19937 rng(2026);
  std::uniform_real_distribution<double> u(0, 1);
  for (std::size_t gi = 0; gi < grounds.size(); ++gi) {
    const Ground& g = grounds[gi];
    for (int side = 1; side <= 2; ++side) {
      SetUp();
      Surface(side, g.surface);
      Layers(side, g.bottoms);
      for (int L = 1; L <= g.Layers(); ++L) {
        LayerMoistUnitWeight(side, L) = UnitMoist(L);
        LayerSatUnitWeight(side, L) = UnitSat(L);
      }
      WaterDataType = "E";
      WaterElev(side) = g.W;
      SeepageOption = g.seepage ? "G" : "";
      SeepageElev = g.Se;
      SeepageGradient(1) = g.seepage ? kI : 0;
      SeepageBottomElev(1) = g.Sb;
      BuildWedgeGeometry(side);
      BuildSeepageZoneGeometry(side, 1);

      int weighed = 0;
      while (weighed < 150) {
        // A failure-line piece rising inside one layer, below the ground.
        const int L = std::min(g.Layers(), 1 + static_cast<int>(u(rng) * g.Layers()));
        double x1 = u(rng) < 0.3 ? 0 : 70 * u(rng), x2 = 70 * u(rng);
        if (x2 < x1) std::swap(x1, x2);
        if (x2 - x1 < 0.5) continue;
        const double lo1 = std::max(-40.0, g.BottomAt(L, x1)), hi1 = g.TopAt(L, x1);
        const double lo2 = std::max(-40.0, g.BottomAt(L, x2)), hi2 = g.TopAt(L, x2);
        if (!(hi1 > lo1) || !(hi2 > lo2)) continue;
        const double y1 = lo1 + u(rng) * (hi1 - lo1), y2 = lo2 + u(rng) * (hi2 - lo2);
        if (y2 < y1) continue;
        bool inside = true;
        for (int k = 1; k < 50; ++k) {
          const double x = x1 + (x2 - x1) * k / 50, y = y1 + (y2 - y1) * k / 50;
          inside = inside && y <= g.TopAt(L, x) && y >= g.BottomAt(L, x);
        }
        if (!inside) continue;
        ++weighed;
        double w = -1;
        ComputeWedgeWeight(w, y1 - 3, (y2 - y1) / (x2 - x1), side, 1, x1, y1, x2, y2, L);
        const double want = Reckoned(side, g, x1, y1, x2, y2);
        ASSERT_NEAR(w, want, 1e-6 * (1 + want))
            << "ground " << gi << " side " << side << " layer " << L << " slice (" << x1 << ", " << y1
            << ") - (" << x2 << ", " << y2 << ")";
        ASSERT_TRUE(boxes.boxes().empty());
      }
    }
  }
}

}  // namespace
}  // namespace pressures_test
