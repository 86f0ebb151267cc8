// Time of whole headless analyses, as solve_file runs them: the analysis examples, the
// generated analyses whose factor-of-safety searches took longest, and walls whose search
// passes trial factors at which no design exists (the soil needs no wall, or there is no
// tip, or the reduced strengths do not compute).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli/solve_pipeline.h"
#include "quiet_run.h"
#include "support/problem_generator.h"

namespace fs = std::filesystem;

namespace {

void Run(benchmark::State& state, const std::string& input, const char* wedge) {
  bench::QuietRun quiet("queldar_bench_analysis", true);
  cli::Options options;
  options.answerNo = true;
  options.wedgeMethod = wedge;
  options.input = input;
  state.counters["status"] = quiet.SolveEach(state, options);
}

void BM_Example(benchmark::State& state, const char* name, const char* wedge) {
  Run(state, std::string(QUELDAR_SOURCE_DIR) + "/examples/" + name, wedge);
}
BENCHMARK_CAPTURE(BM_Example, cantilever_analysis_sand, "cantilever-analysis-sand.dat", "S")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Example, cantilever_analysis_coefficients, "cantilever-analysis-coefficients.dat", "S")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Example, anchored_analysis_sand, "anchored-analysis-sand.dat", "S")
    ->Unit(benchmark::kMicrosecond);

// A generated problem by its seed, written once into the bench's own folder.
void BM_Generated(benchmark::State& state, int seed, const char* wedge) {
  const fs::path file = bench::QuietRun::Base() / ("queldar_bench_g" + std::to_string(seed) + ".dat");
  std::ofstream(file, std::ios::binary) << support::ProblemGenerator(static_cast<std::uint64_t>(seed)).Generate();
  Run(state, file.string(), wedge);
  fs::remove(file);
}
// The slowest analyses of 3,281 generated ones (seeds 1 to 8000), before and after the
// search went on past trials without a design: an inconsistent search with a line load,
// searches that ask the large-factor question, and solved anchored walls.
BENCHMARK_CAPTURE(BM_Generated, g1185_inconsistent, 1185, "S")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Generated, g7325_large_factor, 7325, "S")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Generated, g989_large_factor, 989, "S")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Generated, g938_anchored, 938, "S")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Generated, g7428_anchored, 7428, "S")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Generated, g3357_tip_leap, 3357, "S")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Generated, g7128_tip_leap, 7128, "S")->Unit(benchmark::kMicrosecond);
// Searches past trials without a design.
BENCHMARK_CAPTURE(BM_Generated, g849_held_back_by_anchor, 849, "F")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Generated, g3871_slope_not_computable, 3871, "S")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Generated, g4345_steep_tip, 4345, "F")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Generated, g1103_no_tip_above, 1103, "F")->Unit(benchmark::kMicrosecond);

}  // namespace
