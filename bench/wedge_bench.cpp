// Time of the wedge method on a layered problem: the first pressure pass by the sweep
// search (every trial angle at every grid point, both sides), the same by the fixed
// surface, and a whole cantilever design and analysis by the sweep.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "model/problem.h"
#include "flow/working_files.h"
#include "model/problem_data.h"
#include "platform/script_doubles.h"
#include "pressures/pressures.h"
#include "wall/wall.h"

namespace {

struct LayerData {
  double phi, c, delta, moist, sat, bottom, slope;
};

void SetLayers(int side, std::initializer_list<LayerData> layers) {
  NumSoilLayers(side) = static_cast<int>(layers.size());
  int L = 0;
  for (const LayerData& s : layers) {
    ++L;
    LayerPhi(side, L) = s.phi;
    LayerCohesion(side, L) = s.c;
    LayerWallFriction(side, L) = s.delta;
    LayerAdhesion(side, L) = 0;
    LayerMoistUnitWeight(side, L) = s.moist;
    LayerSatUnitWeight(side, L) = s.sat;
    LayerBottomElev(side, L) = s.bottom;
    LayerBottomSlope(side, L) = s.slope;
    LayerFSActive(side, L) = LayerFSPassive(side, L) = 0;
  }
}

// Cantilever wall, top 20: a rising retained ground over three layers with sloping
// bottoms and water at 14; a level dredge at 5 over two layers with water at 5; a strip
// load behind the wall, so the sweep makes every trial at every point.
void LayeredProblem(const char* runMode) {
  ResetInputData();
  InitPassiveCoefficientTables();
  WallType = "C";
  RunMode = runMode;
  FSActive = 1.0;
  FSPassive = 1.5;
  AnalysisFSOption = 1;
  WallTopElev = 20;
  WallBottomElev = -12;
  WallModulusE = 29000000;
  WallInertia = 100;
  NumSurfacePoints(1) = 3;
  SurfaceDist(1, 1) = 0, SurfaceElev(1, 1) = 20;
  SurfaceDist(1, 2) = 15, SurfaceElev(1, 2) = 24;
  SurfaceDist(1, 3) = 40, SurfaceElev(1, 3) = 25;
  NumSurfacePoints(2) = 2;
  SurfaceDist(2, 1) = 0, SurfaceElev(2, 1) = 5;
  SurfaceDist(2, 2) = 30, SurfaceElev(2, 2) = 5;
  for (int side = 1; side <= 2; ++side) {
    SoilDataType(side) = "S";
    SideFSActive(side) = SideFSPassive(side) = 0;
  }
  SetLayers(1, {{32, 0, 16, 110, 125, 12, 0.05}, {28, 0, 14, 105, 120, 0, -0.02},
                {34, 0, 17, 115, 130, -200000, 0}});
  SetLayers(2, {{28, 0, 14, 105, 120, -4, 0.03}, {34, 0, 17, 115, 130, -200000, 0}});
  WaterDataType = "E";
  WaterUnitWeight = 62.4;
  WaterElev(1) = 14;
  WaterElev(2) = 5;
  SeepageOption = "";
  NumStripLoads(1) = 1;
  StripStartDist(1, 1) = 5, StripEndDist(1, 1) = 15, StripLoad(1, 1) = 300;
  AbortRun = 0;
}

void Prepare(const char* method) {
  PrepareSolution();
  for (int side = 1; side <= 2; ++side) {
    if (PressureMethod(side) == "W") PressureMethod(side) = method;
  }
}

void Check(benchmark::State& state) {
  if (AbortRun != 0) state.SkipWithError("the solution stopped with a calculation error");
}

// The pressure pass as Solve repeats it on a prepared problem: grid, water, pressures.
void TimePressurePass(benchmark::State& state) {
  for (auto _ : state) {
    BuildElevationGrid(1);
    ComputeWaterPressures(1);
    ComputeInitialPressures();
  }
  Check(state);
}

void BM_SweepPressurePass(benchmark::State& state) {
  platform::ScopedServices services;
  LayeredProblem("D");
  Prepare("S");
  TimePressurePass(state);
  state.counters["grid points"] = NumGridPoints;
}
BENCHMARK(BM_SweepPressurePass)->Unit(benchmark::kMillisecond);

// The same soil behind a wall 45 ft high: 200 one-foot points fill the grid.
void BM_SweepPressurePassTallWall(benchmark::State& state) {
  platform::ScopedServices services;
  LayeredProblem("D");
  WallTopElev = 45;
  SurfaceElev(1, 1) = 45, SurfaceElev(1, 2) = 49, SurfaceElev(1, 3) = 50;
  LayerBottomElev(1, 1) = 30;
  Prepare("S");
  TimePressurePass(state);
  state.counters["grid points"] = NumGridPoints;
}
BENCHMARK(BM_SweepPressurePassTallWall)->Unit(benchmark::kMillisecond);

void BM_FixedPressurePass(benchmark::State& state) {
  platform::ScopedServices services;
  LayeredProblem("D");
  Prepare("F");
  TimePressurePass(state);
}
BENCHMARK(BM_FixedPressurePass)->Unit(benchmark::kMillisecond);

void BM_SweepDesign(benchmark::State& state) {
  platform::ScopedServices services;
  for (auto _ : state) {
    LayeredProblem("D");
    Prepare("S");
    ComputeInitialPressures();
    RunDesign();
    if (AbortRun != 0) break;
  }
  Check(state);
  state.counters["tip"] = TipElev(1);
}
BENCHMARK(BM_SweepDesign)->Unit(benchmark::kMillisecond);

void BM_SweepAnalysis(benchmark::State& state) {
  platform::ScopedServices services;
  for (auto _ : state) {
    LayeredProblem("A");
    Prepare("S");
    RunSafetyFactorAnalysis();
    // The analysis writes a results file per method; leave none behind in TEMP.
    state.PauseTiming();
    DeleteTempFiles();
    state.ResumeTiming();
    if (AbortRun != 0) break;
  }
  Check(state);
}
BENCHMARK(BM_SweepAnalysis)->Unit(benchmark::kMillisecond);

}  // namespace
