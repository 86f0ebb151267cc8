// What a benchmark of whole solutions needs around it: message boxes answered as
// solve_file answers them, printed nowhere, and a temporary folder of its own for the
// results files.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

#include "cli/solve_pipeline.h"
#include "platform/headless.h"
#include "platform/services.h"

namespace bench {

struct QuietRun {
  std::FILE* sink = std::fopen("/dev/null", "w");
  platform::PrintingMessageBoxes boxes{sink};
  std::filesystem::path folder;

  static std::filesystem::path Base() {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::temp_directory_path(ec);
    return ec ? std::filesystem::path("/tmp") : p;
  }
  explicit QuietRun(const std::string& name, bool answerNo = false)
      : folder(Base() / (name + "_" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(folder);
    ::setenv("TEMP", folder.c_str(), 1);
    boxes.setAnswerNo(answerNo);
    platform::services().messageBoxes = &boxes;
  }
  ~QuietRun() {
    platform::services().messageBoxes = nullptr;
    std::fclose(sink);
    std::filesystem::remove_all(folder);
  }
  QuietRun(const QuietRun&) = delete;
  QuietRun& operator=(const QuietRun&) = delete;
  // Results files of earlier iterations would make every new name search longer.
  void Clean() {
    for (const auto& e : std::filesystem::directory_iterator(folder)) std::filesystem::remove(e.path());
  }
  // Solves the input of `options` once an iteration, its report into this folder; the
  // exit status of the last.
  int SolveEach(benchmark::State& state, cli::Options& options) {
    options.report = (folder / "report.txt").string();
    int status = 0;
    for (auto _ : state) {
      status = cli::RunSolveFile(options);
      state.PauseTiming();
      Clean();
      state.ResumeTiming();
    }
    return status;
  }
};

}  // namespace bench
