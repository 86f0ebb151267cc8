// Time of whole headless solutions of the example problems: read, pressures, design or
// analysis, report to a temporary file, as solve_file runs them; and of the design and
// analysis steps alone on the sand examples.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "cli/solve_pipeline.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "pressures/pressures.h"
#include "quiet_run.h"
#include "wall/wall.h"

namespace fs = std::filesystem;

namespace {

using Quiet = bench::QuietRun;

void BM_SolveExample(benchmark::State& state, const char* name) {
  Quiet quiet("queldar_bench");
  cli::Options options;
  options.input = std::string(QUELDAR_SOURCE_DIR) + "/examples/" + name;
  const int status = quiet.SolveEach(state, options);
  if (status != 0) state.SkipWithError("the example did not solve");
  state.counters["grid points"] = NumGridPoints;
}
BENCHMARK_CAPTURE(BM_SolveExample, cantilever_sand, "cantilever-sand.dat")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveExample, anchored_sand, "anchored-sand.dat")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveExample, anchored_layered_water, "anchored-layered-water.dat")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveExample, cantilever_analysis_coefficients, "cantilever-analysis-coefficients.dat")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveExample, cantilever_analysis_sand, "cantilever-analysis-sand.dat")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveExample, anchored_analysis_sand, "anchored-analysis-sand.dat")->Unit(benchmark::kMicrosecond);

// The wall design alone (Continue), from the pressures of the first pass.
void BM_Design(benchmark::State& state, const char* name) {
  Quiet quiet("queldar_bench");
  cli::Options options;
  options.input = std::string(QUELDAR_SOURCE_DIR) + "/examples/" + name;
  options.report = (quiet.folder / "report.txt").string();
  for (auto _ : state) {
    state.PauseTiming();
    quiet.Clean();
    cli::OpenInputFile(options);
    cli::WriteNewReport(options);
    PrepareSolution();
    ComputeInitialPressures();
    state.ResumeTiming();
    RunDesign();
    if (AbortRun != 0) break;
  }
  if (AbortRun != 0) state.SkipWithError("the design stopped with a calculation error");
  state.counters["tip"] = TipElev(1);
}
BENCHMARK_CAPTURE(BM_Design, cantilever_sand, "cantilever-sand.dat")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Design, anchored_sand, "anchored-sand.dat")->Unit(benchmark::kMicrosecond);

}  // namespace
