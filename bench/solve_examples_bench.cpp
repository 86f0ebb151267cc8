// Time of whole headless solutions of the example problems: read, pressures, design or
// analysis, report to a temporary file, as solve_file runs them; and of the design and
// analysis steps alone on the sand examples.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

#include "cli/solve_pipeline.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/headless.h"
#include "platform/services.h"
#include "pressures/pressures.h"
#include "wall/wall.h"

namespace fs = std::filesystem;

namespace {

// Message boxes answered as solve_file answers them, printed nowhere.
struct Quiet {
  std::FILE* sink = std::fopen("/dev/null", "w");
  platform::PrintingMessageBoxes boxes{sink};
  fs::path folder = Base() / ("queldar_bench_" + std::to_string(::getpid()));
  static fs::path Base() {
    std::error_code ec;
    fs::path p = fs::temp_directory_path(ec);
    return ec ? fs::path("/tmp") : p;
  }
  Quiet() {
    fs::create_directories(folder);
    ::setenv("TEMP", folder.c_str(), 1);
    platform::services().messageBoxes = &boxes;
  }
  ~Quiet() {
    platform::services().messageBoxes = nullptr;
    std::fclose(sink);
    fs::remove_all(folder);
  }
  // Results files of earlier iterations would make every new name search longer.
  void Clean() {
    for (const auto& e : fs::directory_iterator(folder)) fs::remove(e.path());
  }
};

void BM_SolveExample(benchmark::State& state, const char* name) {
  Quiet quiet;
  cli::Options options;
  options.input = std::string(QUELDAR_SOURCE_DIR) + "/examples/" + name;
  options.report = (quiet.folder / "report.txt").string();
  int status = 0;
  for (auto _ : state) {
    status = cli::RunSolveFile(options);
    state.PauseTiming();
    quiet.Clean();
    state.ResumeTiming();
  }
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
  Quiet quiet;
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
