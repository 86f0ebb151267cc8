// Writes the analysis problems among COUNT seeded problems from FIRST on, as
// OUTDIR/g<seed>.dat, and prints the seeds it wrote: the input of analysis_refusals.py.
// The seed names the problem, so a run the campaign flags can be generated again alone.
//   g++ -std=c++20 -O2 -I tests tools/campaign/generate_problems.cpp -o generate_problems
//   generate_problems FIRST COUNT OUTDIR
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
  if (argc != 4 || !ParseCount(argv[1], first) || !ParseCount(argv[2], count)) {
    std::cerr << "usage: generate_problems FIRST COUNT OUTDIR\n";
    return 2;
  }
  const std::filesystem::path dir = argv[3];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    std::cerr << "generate_problems: cannot create " << dir.string() << ": " << ec.message() << "\n";
    return 2;
  }
  for (std::uint64_t seed = first; seed < first + count; ++seed) {
    const std::string file = support::ProblemGenerator(seed).Generate();
    if (!IsAnalysis(file)) continue;
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
