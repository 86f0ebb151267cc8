// Wedge forces through layers of one friction angle but different weights, under water:
// however a straight failure line is cut into slices at the layer boundaries, the slices'
// forces add up to the whole wedge's weight times tan(alpha - phi) (active) or
// tan(alpha + phi) (passive), no cohesion and no wall friction. The whole wedge is weighed
// independently by clipping it with the layer bottoms and the water level. This checks
// where the searches cut the lines: boundaries that rise and fall, that meet the ground
// nearer or farther than the line does, a berm rising through a boundary that lies above
// the ground at the wall, and a layer wholly above the ground.
#include <algorithm>
#include <cmath>

#include "wedge_fixture.h"

namespace pressures_test {
namespace {

using Poly = Pts;

struct Ground {
  Pts surface, bottoms;
  double W;
  int Layers() const { return static_cast<int>(bottoms.size()) + 1; }
  double At(double x) const { return HeightAt(surface, x); }
  double Bottom(int L, double x) const {
    return bottoms[static_cast<std::size_t>(L - 1)].first + bottoms[static_cast<std::size_t>(L - 1)].second * x;
  }
  // Where the line from (0, z) with slope m first leaves the ground.
  double Exit(double z, double m) const {
    Pts s = surface;
    s.emplace_back(s.back().first + 200000, s.back().second);
    for (std::size_t k = 1; k < s.size(); ++k) {
      if (z + m * s[k].first - At(s[k].first) >= 0) {
        double lo = s[k - 1].first, hi = s[k].first;
        for (int it = 0; it < 200; ++it) {
          const double mid = (lo + hi) / 2;
          (z + m * mid - At(mid) < 0 ? lo : hi) = mid;
        }
        return (lo + hi) / 2;
      }
    }
    return -1;
  }
};

double UnitMoist(int L) { return 95 + 10 * L; }
double UnitSat(int L) { return 115 + 6 * L; }

// Weight of the wedge under the ground and above the line from (0, z) to the exit xe.
double WedgeWeight(const Ground& g, double z, double xe) {
  Poly wedge = {{0, z}, {xe, g.At(xe)}};
  for (auto it = g.surface.rbegin(); it != g.surface.rend(); ++it) {
    if (it->first > 0 && it->first < xe) wedge.push_back(*it);
  }
  wedge.emplace_back(0, g.At(0));
  double w = 0;
  for (int L = 1; L <= g.Layers(); ++L) {
    Poly layer = wedge;
    if (L > 1) layer = Clip(layer, [&](double x, double y) { return g.Bottom(L - 1, x) - y; });
    if (L < g.Layers()) layer = Clip(layer, [&](double x, double y) { return y - g.Bottom(L, x); });
    const Poly dry = Clip(layer, [&](double, double y) { return y - g.W; });
    const Poly wet = Clip(layer, [&](double, double y) { return g.W - y; });
    w += UnitMoist(L) * Area(dry) + (UnitSat(L) - 62.4) * Area(wet);
  }
  return w;
}

class WedgeLayeredForcesTest : public WedgeTest {};

TEST_F(WedgeLayeredForcesTest, SlicedLinesCarryTheWholeWedge) {
  const double phi = 30 * kDeg;
  const std::vector<Ground> grounds = {
      {{{0, 0}, {12, 4}, {30, 1}, {45, 6}}, {{-3, 0.3}, {-9, -0.1}}, -2},
      {{{0, 0}, {20, 0}}, {{-2, 0.2}, {-6, 0.4}, {-12, 0.05}}, -4},
      {{{0, 0}, {20, 10}, {60, 10}}, {{5, 0}, {-8, -0.02}}, 3},
      {{{0, 3.5}, {20, 3.5}}, {{7, 0.035}, {-5.4, -0.004}, {-12, -0.01}}, 6.5},
  };
  for (std::size_t gi = 0; gi < grounds.size(); ++gi) {
    const Ground& g = grounds[gi];
    for (const char* method : {"F", "S"}) {
      SetUp();
      WallTopElev = g.surface.front().second;
      for (int side = 1; side <= 2; ++side) Surface(side, g.surface);
      Layers(1, g.bottoms);
      Layers(2, {});
      for (int L = 1; L <= g.Layers(); ++L) {
        LayerMoistUnitWeight(1, L) = UnitMoist(L);
        LayerSatUnitWeight(1, L) = UnitSat(L);
      }
      WaterDataType = "E";
      WaterElev(1) = WaterElev(2) = g.W;
      PrepareSolution();
      PressureMethod(1) = method;
      if (method[0] == 'F') {
        ComputeFixedWedgeForces(1, 1);
      } else {
        ComputeSweepWedgeForces(1, 1);
      }
      ASSERT_EQ(AbortRun, 0) << gi << method << (boxes.boxes().empty() ? "" : boxes.boxes()[0].text);
      for (double H : {1.0, 4.0, 9.0, 16.0, 25.0}) {
        const double top = g.surface.front().second;
        double wantA, wantP, gotA, gotP;
        if (method[0] == 'F') {
          // The tip halfway between the grid points H and H + 1 ft below the surface.
          const int q = PointAt(top - H);
          const double zm = (GridElev(q) + GridElev(q + 1)) / 2;
          const double aa = 0.7853981633974485 + phi / 2, ap = 0.7853981633974485 - phi / 2;
          wantA = WedgeWeight(g, zm, g.Exit(zm, std::tan(aa))) * std::tan(aa - phi);
          wantP = WedgeWeight(g, zm, g.Exit(zm, std::tan(ap))) * std::tan(ap + phi);
          gotA = WedgeMidpointForce(q, 1), gotP = WedgeMidpointForce(q, 2);
        } else {
          // The sweep's trials from 23 degrees by 2 to its limit, and its tracking of the
          // largest active and the smallest passive force.
          const double z = top - H;
          double limit = -1e300;
          for (std::size_t j = 1; j < g.surface.size(); ++j) {
            limit = std::max(limit, 3.14159265358979 / 2 -
                                        std::atan((g.surface[j].second - z) / g.surface[j].first));
          }
          limit = std::max(limit, 3.14159265358979 / 2 -
                                      std::atan((g.surface.back().second - z) / (g.surface.back().first + 200000)));
          limit -= 0.0349065850398866;
          double deg = 21, amax = -100000, pmin = 0;
          bool any = false, aPast = false, pPast = false, last = false;
          while (!last) {
            deg += 2.0;
            double th = deg * kDeg;
            if (th > limit) th = limit, last = true;
            const double alpha = 3.14159265358979 / 2 - th, m = std::cos(th) / std::sin(th);
            const double w = WedgeWeight(g, z, g.Exit(z, m));
            const double pa = w * std::tan(alpha - phi), pp = w * std::tan(alpha + phi);
            if (!(pa > amax)) {
              aPast = true;
            } else {
              amax = pa, aPast = false;
            }
            if (!(pp < 0.0001)) {
              if (!any || !(pp > pmin)) {
                pmin = pp, any = true, pPast = false;
              } else {
                pPast = true;
              }
            }
            if (aPast && pPast) break;
          }
          wantA = amax, wantP = pmin;
          gotA = WedgeActiveForce(PointAt(z), 1), gotP = WedgePassiveForce(PointAt(z), 1);
        }
        EXPECT_NEAR(gotA, wantA, 1e-6 * (1 + std::fabs(wantA))) << "ground " << gi << " " << method << " H " << H;
        EXPECT_NEAR(gotP, wantP, 1e-6 * (1 + std::fabs(wantP))) << "ground " << gi << " " << method << " H " << H;
      }
    }
  }
}

}  // namespace
}  // namespace pressures_test
