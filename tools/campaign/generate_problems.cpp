// Writes generated problems as input data files and prints the seeds it wrote: the input
// of analysis_refusals.py, design_changes.py and wedge_misfits.py. The seed names the
// problem, so a run the campaign flags can be generated again alone.
//   g++ -std=c++20 -O2 -I tests tools/campaign/generate_problems.cpp -o generate_problems
//   generate_problems [--kind general|short] [--write analyses|designs|both] [--all]
//                     [--sloping SHARE] FIRST COUNT OUTDIR
// general (the default): the problems of COUNT seeds from FIRST on, each a design or an
//   analysis as its seed draws it, written as OUTDIR/g<seed>.dat if of a kind asked for;
//   --sloping SHARE gives about that share of them sloping layer bottoms.
// short: walls of the short wall generator; every seed gives the same wall as a design,
//   OUTDIR/d<seed>.dat, and as an analysis, OUTDIR/a<seed>.dat.
// --write says which run modes are written (default analyses, as the tool always did);
// --all is --write both.
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "support/problem_generator.h"
#include "support/short_wall_generator.h"

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

bool Write(const std::filesystem::path& path, const std::string& file) {
  std::ofstream out(path, std::ios::binary);
  out << file;
  if (!out) {
    std::cerr << "generate_problems: cannot write " << path.string() << "\n";
    return false;
  }
  return true;
}

int Usage() {
  std::cerr << "usage: generate_problems [--kind general|short] [--write analyses|designs|both] [--all]\n"
               "                         [--sloping SHARE] FIRST COUNT OUTDIR\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool shortWalls = false, designs = false, analyses = true;
  double sloping = 0;
  int at = 1;
  for (; at < argc && std::string(argv[at]).rfind("--", 0) == 0; ++at) {
    const std::string option = argv[at];
    if (option == "--all") {
      designs = analyses = true;
      continue;
    }
    if (at + 1 >= argc) return Usage();
    const std::string value = argv[++at];
    if (option == "--kind" && (value == "general" || value == "short")) {
      shortWalls = value == "short";
    } else if (option == "--write" && (value == "analyses" || value == "designs" || value == "both")) {
      analyses = value != "designs";
      designs = value != "analyses";
    } else if (option == "--sloping") {
      char* end = nullptr;
      sloping = std::strtod(value.c_str(), &end);
      if (*end != '\0' || !(sloping >= 0 && sloping <= 1)) return Usage();
    } else {
      return Usage();
    }
  }
  std::uint64_t first = 0, count = 0;
  if (argc - at != 3 || !ParseCount(argv[at], first) || !ParseCount(argv[at + 1], count)) return Usage();
  const std::filesystem::path dir = argv[at + 2];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    std::cerr << "generate_problems: cannot create " << dir.string() << ": " << ec.message() << "\n";
    return 2;
  }
  using Short = support::ShortWallGenerator;
  for (std::uint64_t seed = first; seed < first + count; ++seed) {
    const std::string name = std::to_string(seed) + ".dat";
    bool wrote = false;
    if (shortWalls) {
      if (designs && !Write(dir / ("d" + name), Short(seed, Short::Mode::Design).Generate())) return 2;
      if (analyses && !Write(dir / ("a" + name), Short(seed, Short::Mode::Analysis).Generate())) return 2;
      wrote = true;
    } else {
      const std::string file = support::ProblemGenerator(seed).WithSlopingBottoms(sloping).Generate();
      if (IsAnalysis(file) ? analyses : designs) {
        if (!Write(dir / ("g" + name), file)) return 2;
        wrote = true;
      }
    }
    if (wrote) std::cout << seed << "\n";
  }
  return 0;
}
