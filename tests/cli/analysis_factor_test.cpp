// An analysis prints only a factor of safety the wall has. Checked from outside, as an
// engineer would check it: the printed results tables must obey statics row by row
// (the moment changes by the area of the shear diagram, the shear by that of the net
// pressure, down to the tip where the moment is 0), and a design of the same wall at the
// printed factor minus and plus 0.03 must put its tip on either side of the given bottom.
// Where no factor passes, the run ends with a box and prints none.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/solve_file_runner.h"

namespace {

using support::ReadBytes;
using support::RunSolveFile;
using AnalysisFactorTest = support::ScratchDirTest;

struct Row {
  double z, moment, shear, pressure;
};

// One row of a results table: elevation (a twin row of a jump carries "+" or "-"),
// moment, shear, deflection and net pressure.
std::optional<Row> ParseRow(const std::string& line) {
  std::istringstream in(line);
  std::string z;
  double moment, shear, deflection, pressure;
  if (!(in >> z >> moment >> shear >> deflection >> pressure)) return std::nullopt;
  if (!z.empty() && (z.back() == '+' || z.back() == '-')) z.pop_back();
  char* end = nullptr;
  const double elev = std::strtod(z.c_str(), &end);
  if (z.empty() || *end != '\0') return std::nullopt;
  std::string rest;
  if (in >> rest) return std::nullopt;
  return Row{elev, moment, shear, pressure};
}

// The rows of every "COMPLETE OF RESULTS" table of a report, one table per method.
std::vector<std::vector<Row>> ResultsTables(const std::string& report) {
  std::vector<std::vector<Row>> tables;
  std::size_t at = 0;
  while ((at = report.find("COMPLETE OF RESULTS FOR", at)) != std::string::npos) {
    at = report.find("II.--RESULTS", at);
    if (at == std::string::npos) break;
    std::istringstream in(report.substr(at));
    std::string line;
    std::getline(in, line);
    std::vector<Row> rows;
    while (std::getline(in, line)) {
      if (const std::optional<Row> r = ParseRow(line)) {
        rows.push_back(*r);
      } else if (!rows.empty()) {
        break;
      }
    }
    tables.push_back(rows);
  }
  return tables;
}

// How far a printed table misses its statics, beyond what its printed digits can hide
// (moments to five figures, shears to the pound, elevations to 0.01 ft, pressures to 0.01
// psf), as a part of its largest moment: the worst interval.
double StaticsMiss(const std::vector<Row>& t) {
  double largest = 0;
  for (const Row& r : t) largest = std::max(largest, std::fabs(r.moment));
  double worst = 0;
  for (std::size_t k = 0; k + 1 < t.size(); ++k) {
    const Row &a = t[k], &b = t[k + 1];
    const double d = a.z - b.z;
    // Between rows the net pressure is linear, the shear quadratic: exact areas.
    const double moment = b.moment - a.moment - (d * (a.shear + b.shear) / 2 + d * d * (a.pressure - b.pressure) / 12);
    const double hidden = 5e-5 * (std::fabs(a.moment) + std::fabs(b.moment)) +
                          0.01 * (std::fabs(a.shear) + std::fabs(b.shear)) / 2 + 0.5 * d +
                          0.01 * d * (std::fabs(a.pressure) + std::fabs(b.pressure)) / 6;
    worst = std::max(worst, std::max(0.0, std::fabs(moment) - hidden) / largest);
    const double shear = b.shear - a.shear - d * (a.pressure + b.pressure) / 2;
    const double shearHidden = 1.0 + 0.01 * (std::fabs(a.pressure) + std::fabs(b.pressure)) / 2;
    if (d != 0) worst = std::max(worst, std::max(0.0, std::fabs(shear) - shearHidden) / largest);
  }
  return worst;
}

// The values of the summary line "LABEL ... :" (the label ends the line's words before
// the colon, so the input echo's lines do not count).
std::vector<double> Values(const std::string& report, const std::string& label) {
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    std::string head = line.substr(0, colon);
    head.erase(head.find_last_not_of(' ') + 1);
    if (head.size() < label.size() || head.compare(head.size() - label.size(), label.size(), label) != 0) continue;
    std::vector<double> v;
    std::istringstream in(line.substr(colon + 1));
    for (double x; in >> x;) v.push_back(x);
    return v;
  }
  return {};
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> w;
  for (std::string s; in >> s;) w.push_back(s);
  return w;
}

std::string Fixed(double v, int digits) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*f", digits, v);
  return buf;
}

// The analysis file made a design at passive factor fs: the same active factor (the
// factor itself where the analysis applies one to both), the wall without its bottom,
// and the seepage gradient the analysis printed in place of an automatic one.
std::string DesignOf(const std::string& analysis, double fs, std::optional<double> gradient) {
  std::istringstream in(analysis);
  std::ostringstream out;
  bool anchored = analysis.find("ANCHORED") != std::string::npos;
  for (std::string line; std::getline(in, line);) {
    const std::vector<std::string> w = Words(line);
    if (!w.empty() && w[0] == "CONTROL") {
      line = "CONTROL " + w[1] + " DESIGN " + (w.size() > 3 ? w[3] : Fixed(fs, 2)) + " " + Fixed(fs, 2);
    } else if (!w.empty() && w[0] == "WALL") {
      line = "WALL " + w[1] + (anchored ? " " + w[2] : "");
    } else if (!w.empty() && w[0] == "WATER" && w.back() == "AUTOMATIC" && gradient) {
      line = line.substr(0, line.rfind("AUTOMATIC")) + Fixed(*gradient, 4);
    }
    out << line << "\n";
  }
  return out.str();
}

struct Tip {
  std::optional<double> elev;  // the design's tip of the method
  bool above = false;          // refused because the tip lies above the first level below the dredge
};

class Runner {
 public:
  explicit Runner(std::filesystem::path dir) : dir_(std::move(dir)) {}

  support::SolveFileRun Solve(const std::string& file, const std::string& wedge, std::string& report) {
    const auto in = dir_ / ("p" + std::to_string(++n_) + ".dat");
    const auto rep = dir_ / ("p" + std::to_string(n_) + ".rep");
    std::ofstream(in) << file;
    const auto run = RunSolveFile({"--answer-no", "--wedge", wedge, in.string(), rep.string()}, dir_);
    report = ReadBytes(rep);
    return run;
  }

  Tip DesignTip(const std::string& file, const std::string& wedge, int method) {
    std::string report;
    const auto run = Solve(file, wedge, report);
    Tip t;
    t.above = run.output.find("IS ABOVE ELEVATION") != std::string::npos;
    const std::string label = file.find("ANCHORED") != std::string::npos ? "WALL BOTTOM ELEVATION (FT)"
                                                                           : "WALL BOTTOM ELEV. (FT)";
    const std::vector<double> v = Values(report, label);
    if (static_cast<int>(v.size()) >= method) t.elev = v[static_cast<std::size_t>(method - 1)];
    return t;
  }

 private:
  std::filesystem::path dir_;
  int n_ = 0;
};

// Every factor the analysis prints is one the wall has.
void ExpectFactorsTheWallHas(Runner& runner, const std::string& file, const std::string& wedge,
                             const std::string& report, double bottom) {
  const std::vector<double> fs = Values(report, "FACTOR OF SAFETY");
  const std::vector<double> gradient = Values(report, "SEEPAGE GRADIENT");
  const auto tables = ResultsTables(report);
  ASSERT_FALSE(fs.empty());
  ASSERT_EQ(tables.size(), fs.size());
  for (std::size_t k = 0; k < fs.size(); ++k) {
    const int method = static_cast<int>(k) + 1;
    SCOPED_TRACE("method " + std::to_string(method) + ", factor " + Fixed(fs[k], 2));
    EXPECT_LT(StaticsMiss(tables[k]), 1e-3);
    EXPECT_NEAR(tables[k].back().z, bottom, 0.1 + 0.005);  // printed to 0.01 ft
    const std::optional<double> g = gradient.size() > k ? std::optional<double>(gradient[k]) : std::nullopt;
    const Tip lower = runner.DesignTip(DesignOf(file, fs[k] - 0.03, g), wedge, method);
    const Tip higher = runner.DesignTip(DesignOf(file, fs[k] + 0.03, g), wedge, method);
    EXPECT_TRUE(lower.above || (lower.elev && *lower.elev >= bottom - 0.2)) << "tip at factor - 0.03 below the bottom";
    ASSERT_TRUE(higher.elev.has_value());
    EXPECT_LE(*higher.elev, bottom + 0.2) << "tip at factor + 0.03 above the bottom";
  }
}

// A cantilever in clay over sand with a horizontal line load: at factors below about
// 0.65 the fixed failure surface leaves the passive side holding the wall within the
// first level below the dredge, so the design tip leaps past the given bottom and no
// factor brings it there. The second wall adds a rising front, a third layer and a
// distributed load.
const char* kClayOverSand =
    "'CANTILEVER, CLAY OVER SAND, LEVEL, HORIZONTAL LINE LOAD\n"
    "CONTROL CANTILEVER ANALYSIS\n"
    "WALL 31.4 21.4 29E6 80.4\n"
    "SURFACE RIGHTSIDE 2 0 31.4\n200 31.4\n"
    "SURFACE LEFTSIDE 2 0 24.8\n200 24.8\n"
    "SOIL BOTH STRENGTHS 2\n103 99 0 1171 0 0 17.2 0\n115 108 34 0 22 0\n"
    "HORIZONTAL LINE 1 29.6 1444\n"
    "FINISHED\n";

const char* kClayOverSandsRisingFront =
    "'CANTILEVER, CLAY OVER SANDS, RISING FRONT, HORIZONTAL LOADS\n"
    "CONTROL CANTILEVER ANALYSIS\n"
    "WALL 31.40 21.40 29E6 80.4\n"
    "SURFACE RIGHTSIDE 4 0 31.40\n2.40 31.60\n8.40 29.10\n22.60 29.80\n"
    "SURFACE LEFTSIDE 2 0 24.80\n11.90 27.40\n"
    "SOIL BOTH STRENGTHS 3\n103 99 0 1171 0 0 17.20 0\n115 108 34 0 22 0 7.60 0\n110 107 38 0 24 0\n"
    "HORIZONTAL LINE 1 29.60 1444\n"
    "HORIZONTAL DISTRIBUTED 2 30.00 133 27.10 153\n"
    "FINISHED\n";

// An anchored wall in layered soil with surcharges behind and sloping ground on both
// sides: by the fixed earth method the coarse search once stopped at 0.53 with its
// table 10 % of the largest moment out of balance.
const char* kAnchoredLayered =
    "'ANCHORED, CLAY OVER SANDS, SURCHARGES\n"
    "CONTROL ANCHORED ANALYSIS 1.22\n"
    "WALL 39.30 35.00 12.20 29E6 290.6\n"
    "SURFACE RIGHTSIDE 3 0 37.10\n9.50 35.40\n22.50 34.80\n"
    "SURFACE LEFTSIDE 4 0 22.70\n6.70 23.90\n16.70 25.00\n26.40 25.60\n"
    "SOIL BOTH STRENGTHS 3\n109 109 0 429 0 0 11.70 0.03\n126 121 28 0 14 0 2.50 0\n132 120 35 0 13 0\n"
    "WATER ELEVATIONS 62.4 22.00 20.70\n"
    "VERTICAL UNIFORM 282 0\n"
    "VERTICAL RAMP RIGHTSIDE 3.5 10.2 332\n"
    "VERTICAL VARIABLE RIGHTSIDE 2 1.3 342 3.1 390\n"
    "FINISHED\n";

// A cantilever with layered c-phi soil and a small given seepage gradient, whose factor
// lies where the design tip does not deepen steadily with the factor (0.4 gives a
// shallower tip than 0.47): its factor of about 0.56 is sound and kept.
const char* kLayeredSeepage =
    "'CANTILEVER, LAYERED C-PHI SOIL, SEEPAGE\n"
    "CONTROL CANTILEVER ANALYSIS\n"
    "WALL 37.70 15.00 29E6 234.5\n"
    "SURFACE RIGHTSIDE 1 0 37.70\n"
    "SURFACE LEFTSIDE 1 0 22.80\n"
    "SOIL RIGHTSIDE STRENGTHS 3\n135 124 0 665 0 0 31.40 0.01\n130 119 37 120 11 0 27.80 0\n128 125 36 0 20 0\n"
    "SOIL LEFTSIDE STRENGTHS 3\n137 124 26 0 5 0 13.50 0\n108 106 25 124 11 36 8.80 0\n101 100 35 95 0 14\n"
    "WATER ELEVATIONS 62.4 30.70 22.40 23.40 0.04\n"
    "HORIZONTAL DISTRIBUTED 2 36.20 31 34.00 124\n"
    "FINISHED\n";

// No factor brings the design tip to the bottom: the search says between which factors
// it gave up, and prints none.
TEST_F(AnalysisFactorTest, WallsNoFactorBringsToTheirBottomEndWithTheBracket) {
  Runner runner(dir_);
  const struct {
    const char* what;
    const char* file;
  } cases[] = {
      {"clay over sand, line load", kClayOverSand},
      {"clay over sands, rising front", kClayOverSandsRisingFront},
  };
  for (const auto& c : cases) {
    for (const std::string wedge : {"F", "S"}) {
      SCOPED_TRACE(std::string(c.what) + ", wedge " + wedge);
      std::string report;
      const auto run = runner.Solve(c.file, wedge, report);
      EXPECT_EQ(run.status, 1);
      EXPECT_NE(run.output.find("=== INCONSISTENT RESULTS [0]"), std::string::npos) << run.output;
      EXPECT_NE(run.output.find("Factor of safety appears to be between"), std::string::npos) << run.output;
      EXPECT_TRUE(Values(report, "FACTOR OF SAFETY").empty());
      EXPECT_TRUE(ResultsTables(report).empty());
    }
  }
}

TEST_F(AnalysisFactorTest, PrintedFactorsAreOnesTheWallHas) {
  Runner runner(dir_);
  const struct {
    const char* what;
    const char* file;
    double bottom;
  } cases[] = {
      {"anchored, layered, surcharges", kAnchoredLayered, 12.2},
      {"cantilever, layered, given seepage", kLayeredSeepage, 15.0},
  };
  for (const auto& c : cases) {
    for (const std::string wedge : {"F", "S"}) {
      SCOPED_TRACE(std::string(c.what) + ", wedge " + wedge);
      std::string report;
      const auto run = runner.Solve(c.file, wedge, report);
      ASSERT_EQ(run.status, 0) << run.output;
      ExpectFactorsTheWallHas(runner, c.file, wedge, report, c.bottom);
    }
  }
}

}  // namespace
