// Writes the analysis problems among COUNT seeded problems from FIRST on, as
// OUTDIR/g<seed>.dat, and prints the seeds it wrote: the input of analysis_refusals.py.
// The seed names the problem, so a run the campaign flags can be generated again alone.
// --all writes the designs too; --sloping SHARE gives about that share of the problems
// sloping layer bottoms (the input of wedge_misfits.py).
//   g++ -std=c++20 -O2 -I tests tools/campaign/generate_problems.cpp -o generate_problems
//   generate_problems [--all] [--sloping SHARE] FIRST COUNT OUTDIR
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "support/problem_generator.h"

namespace {

bool ParseCount(const char* text, std::uint64_t& value) {
  char* end = nullptr;
  errno = 0;
  const unsigned long long v = std::strtoull(text, &end, 10);
  if (*text == '\0' || *text == '-' || *end != '\0' || errno != 0) return false;
  value = v;
  return true;
}

// The CONTROL line is the generator's second line; a design has DESIGN there.
bool IsAnalysis(const std::string& file) {
  const std::size_t at = file.find("\nCONTROL ");
  if (at == std::string::npos) return false;
  const std::string control = file.substr(at + 1, file.find('\n', at + 1) - at - 1);
  return control.find(" ANALYSIS") != std::string::npos;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t first = 0, count = 0;
  bool all = false;
  double sloping = 0;
  int at = 1;
  for (; at < argc; ++at) {
    const std::string option = argv[at];
    if (option == "--all") {
      all = true;
    } else if (option == "--sloping" && at + 1 < argc) {
      char* end = nullptr;
      sloping = std::strtod(argv[++at], &end);
      if (*end != '\0' || !(sloping >= 0 && sloping <= 1)) at = argc;
    } else {
      break;
    }
  }
  if (argc - at != 3 || !ParseCount(argv[at], first) || !ParseCount(argv[at + 1], count)) {
    std::cerr << "usage: generate_problems [--all] [--sloping SHARE] FIRST COUNT OUTDIR\n";
    return 2;
  }
  const std::filesystem::path dir = argv[at + 2];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    std::cerr << "generate_problems: cannot create " << dir.string() << ": " << ec.message() << "\n";
    return 2;
  }
  for (std::uint64_t seed = first; seed < first + count; ++seed) {
    const std::string file = support::ProblemGenerator(seed).WithSlopingBottoms(sloping).Generate();
    if (!all && !IsAnalysis(file)) continue;
    const std::filesystem::path path = dir / ("g" + std::to_string(seed) + ".dat");
    std::ofstream out(path, std::ios::binary);
    out << file;
    if (!out) {
      std::cerr << "generate_problems: cannot write " << path.string() << "\n";
      return 2;
    }
    std::cout << seed << "\n";
  }
  return 0;
}
