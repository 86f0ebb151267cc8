// Every accepted input file, written back with --write-input, solves to the same report
// and the same messages. The files are the examples with a few numbers changed at random
// (seeded, so a failure can be replayed); QUELDAR_ROUND_TRIP_COUNT sets how many, and
// tools/round_trip_campaign.sh runs a thousand.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "platform/text.h"
#include "support/solve_file_runner.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> out;
  std::size_t at = 0;
  while (at < bytes.size()) {
    std::size_t e = bytes.find('\n', at);
    if (e == std::string::npos) e = bytes.size();
    std::string line = bytes.substr(at, e - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(line);
    at = e + 1;
  }
  return out;
}

// A number as an engineer might type it: up to four decimals.
std::string Typed(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

// One to three numbers of the data lines changed: scaled, given more decimals, or (on
// the control line) factors of safety with three or four decimals or far below one.
std::string Mutate(const std::string& bytes, std::mt19937& rng) {
  std::vector<std::string> lines = Lines(bytes);
  struct Spot {
    std::size_t line, pos, len;
  };
  std::vector<Spot> spots;
  std::size_t control = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& l = lines[i];
    if (l.empty() || l[0] == '(' || l[0] == '\'') continue;
    if (control == lines.size() && (l[0] == 'C' || l[0] == 'c')) control = i;
    for (std::size_t p = 0; p < l.size();) {
      const std::size_t b = l.find_first_not_of(' ', p);
      if (b == std::string::npos) break;
      const std::size_t e = std::min(l.find(' ', b), l.size());
      if (platform::text::IsNumeric(l.substr(b, e - b))) spots.push_back({i, b, e - b});
      p = e;
    }
  }
  std::uniform_real_distribution<double> unit(0, 1);
  if (control < lines.size() && unit(rng) < 0.4) {
    // The factors of safety the writer used to cut to two decimals.
    const bool small = unit(rng) < 0.25;
    std::string l = lines[control].substr(0, lines[control].find_first_of("0123456789."));
    while (!l.empty() && l.back() == ' ') l.pop_back();
    const int n = 1 + static_cast<int>(unit(rng) * 2);
    for (int k = 0; k < n; ++k) {
      const double f = small ? 0.001 + unit(rng) * 0.05 : 0.8 + unit(rng) * 1.5;
      l += " " + Typed(f, small ? 4 : 3 + static_cast<int>(unit(rng) * 2));
    }
    lines[control] = l;
  } else if (!spots.empty()) {
    const int n = 1 + static_cast<int>(unit(rng) * 3);
    // Changed from the back, so the positions before stay valid.
    std::vector<Spot> chosen;
    for (int k = 0; k < n; ++k) chosen.push_back(spots[static_cast<std::size_t>(unit(rng) * spots.size())]);
    std::sort(chosen.begin(), chosen.end(), [](const Spot& a, const Spot& b) {
      return a.line != b.line ? a.line > b.line : a.pos > b.pos;
    });
    chosen.erase(std::unique(chosen.begin(), chosen.end(),
                             [](const Spot& a, const Spot& b) { return a.line == b.line && a.pos == b.pos; }),
                 chosen.end());
    for (const Spot& s : chosen) {
      std::string& l = lines[s.line];
      const double v = platform::text::Val(l.substr(s.pos, s.len));
      const double r = unit(rng);
      const double changed = r < 0.5 ? v * (0.7 + unit(rng) * 0.6) : v + (unit(rng) - 0.5);
      l.replace(s.pos, s.len, Typed(changed, static_cast<int>(unit(rng) * 5)));
    }
  }
  std::string out;
  for (const auto& l : lines) out += l + "\n";
  return out;
}

// The report with the time of the run left out: two runs a second apart must compare.
std::string WithoutTimes(std::string s) {
  static const std::regex time(R"(\b\d{1,2}:\d\d:\d\d\b)");
  return std::regex_replace(s, time, "H:MM:SS");
}

std::string Replace(std::string s, const std::string& what, const std::string& by) {
  for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + by.size()))
    s.replace(at, what.size(), by);
  return s;
}

class RoundTrip : public support::ScratchDirTest {};

TEST_F(RoundTrip, EveryAcceptedFileWrittenBackSolvesToTheSameReport) {
  const char* env = std::getenv("QUELDAR_ROUND_TRIP_COUNT");
  const int count = env ? std::atoi(env) : 5;
  const char* seedEnv = std::getenv("QUELDAR_ROUND_TRIP_SEED");
  std::mt19937 rng(seedEnv ? static_cast<unsigned>(std::atoi(seedEnv)) : 19u);
  std::vector<std::string> examples;
  for (const auto& e : fs::directory_iterator(fs::path(QUELDAR_SOURCE_DIR) / "examples"))
    if (e.path().extension() == ".dat") examples.push_back(ReadBytes(e.path()));
  std::sort(examples.begin(), examples.end());
  ASSERT_FALSE(examples.empty());

  int accepted = 0, solved = 0, same = 0;
  for (int i = 0; i < count; ++i) {
    const std::string mutated = Mutate(examples[static_cast<std::size_t>(i) % examples.size()], rng);
    const std::string in = WriteFile("m.dat", mutated), back = PathOf("w.dat");
    fs::remove(back);
    const auto first = support::RunSolveFile({"--write-input", back, in, PathOf("m.rpt")}, dir_);
    if (first.output.find("=== INPUT COMPLETE") == std::string::npos) continue;
    ++accepted;
    if (first.status == 0) ++solved;
    const auto second = support::RunSolveFile({back, PathOf("w.rpt")}, dir_);
    SCOPED_TRACE("case " + std::to_string(i) + ":\n" + mutated + "\nwritten back:\n" + ReadBytes(back));
    EXPECT_EQ(second.status, first.status);
    EXPECT_EQ(Replace(second.output, back, in), first.output);
    const std::string a = WithoutTimes(ReadBytes(PathOf("m.rpt"))), b = WithoutTimes(ReadBytes(PathOf("w.rpt")));
    EXPECT_EQ(b, a);
    if (second.status == first.status && a == b) ++same;
    if (HasFailure()) break;
  }
  std::printf("round trip: %d mutated files, %d accepted, %d solved with exit 0, %d the same\n", count,
              accepted, solved, same);
  EXPECT_EQ(same, accepted);
  EXPECT_GT(accepted, count / 3);
}

}  // namespace
