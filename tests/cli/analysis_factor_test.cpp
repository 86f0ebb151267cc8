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

  // Every question is answered No, or Yes where answerYes is set.
  support::SolveFileRun Solve(const std::string& file, const std::string& wedge, std::string& report,
                              bool answerYes = false) {
    const auto in = dir_ / ("p" + std::to_string(++n_) + ".dat");
    const auto rep = dir_ / ("p" + std::to_string(n_) + ".rep");
    std::ofstream(in) << file;
    std::vector<std::string> args = {"--wedge", wedge, in.string(), rep.string()};
    if (!answerYes) args.insert(args.begin(), "--answer-no");
    const auto run = RunSolveFile(args, dir_);
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

// A cantilever in clay over sand with a horizontal line load, its bottom 3.4 ft below
// the dredge line. Below a factor of about 0.65 the running force turns negative within
// the first foot below the dredge, and the designs once stopped there as if the tip lay
// above it; the analysis then saw the tip leap past the bottom. The moments put the tip
// below that level, moving steadily with the factor through the bottom. The second wall
// adds a rising front, a third layer and a distributed load.
// 10 ft of clay, c 200, on both sides, half a foot of embedment: the design tip lies
// within the first foot below the dredge line up to a factor of about 0.44, where the
// running force turns negative above the first level under it.
const char* kClayHalfFoot =
    "'CANTILEVER IN CLAY, HALF A FOOT OF EMBEDMENT\n"
    "CONTROL CANTILEVER ANALYSIS\n"
    "WALL 10 -0.5 29E6 38.3\n"
    "SURFACE RIGHTSIDE 1 0 10\n"
    "SURFACE LEFTSIDE 1 0 0\n"
    "SOIL BOTH STRENGTHS 1\n110 110 0 200 0 0\n"
    "FINISHED\n";

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

// The boxes a run showed, but the one that says the input file was read.
std::vector<std::string> BoxesShown(const std::string& output) {
  std::vector<std::string> boxes;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("=== ", 0) == 0 && line.rfind("=== INPUT COMPLETE", 0) != 0) {
      std::string text;
      std::getline(in, text);
      boxes.push_back(line.substr(4) + " " + text);
    }
  }
  return boxes;
}

// Walls whose search passes trial factors at which the wall cannot be designed: the soil
// needs no wall there (nothing drives it, or its design bottom lies above the first level
// under the dredge), there is no tip (none down the grid, or the net pressure never
// changes sign), or the reduced strengths are past what the method computes. Each has a
// factor, which the analysis finds without showing the trials' boxes.
const char* kClayBenchedFront =  // by the sweep: stands by itself at 1.0 and 1.2
    "'CANTILEVER IN CLAY, BENCHED FRONT\n"
    "CONTROL CANTILEVER ANALYSIS\n"
    "WALL 13.29 -3.83 29E6 220.4\n"
    "SURFACE RIGHTSIDE 1 0 13.29\n"
    "SURFACE LEFTSIDE 4 0 0\n18.89 0\n25.97 -5.19\n75.97 -5.19\n"
    "SOIL RIGHTSIDE STRENGTHS 1\n101.36 98.08 0 820.08 0 0\n"
    "SOIL LEFTSIDE STRENGTHS 3\n116.09 103.69 10.98 581.67 5.95 0 -11.86 0\n"
    "101.75 96.34 35.12 0 0 0 -25.08 -0.08\n123.61 119.41 26.87 0 26.42 0\n"
    "FINISHED\n";

const char* kSoftClayRisingBackfill =  // by the fixed surface: no tip at 1.6, no sign change at 1.8
    "'CANTILEVER IN SOFT CLAY, RISING BACKFILL\n"
    "CONTROL CANTILEVER ANALYSIS\n"
    "WALL 4.09 -10.19 29E6 38.3\n"
    "SURFACE RIGHTSIDE 2 0 4.09\n59.77 11.14\n"
    "SURFACE LEFTSIDE 1 0 0\n"
    "SOIL RIGHTSIDE STRENGTHS 1\n113.71 100.17 0 268.68 0 0\n"
    "SOIL LEFTSIDE STRENGTHS 1\n113.71 100.17 0 268.68 0 0\n"
    "WATER ELEVATIONS 62.4 2.1 -0.77\n"
    "VERTICAL UNIFORM 128.43 0\n"
    "HORIZONTAL DISTRIBUTED 2 3.57 127.88 1.46 151.95\n"
    "FINISHED\n";

const char* kSandsOverClaySlopingFront =  // by the sweep: fixed earth passes 0.6, friction above 45
    "'ANCHORED, SANDS OVER CLAY, SLOPING FRONT\n"
    "CONTROL ANCHORED ANALYSIS 1.2\n"
    "WALL 12.51 11.76 -7.99 29E6 110\n"
    "SURFACE RIGHTSIDE 1 0 12.51\n"
    "SURFACE LEFTSIDE 4 0 0\n4.69 0\n26.47 -5.56\n76.47 -5.56\n"
    "SOIL RIGHTSIDE STRENGTHS 3\n118.81 114.31 26.58 0 9.96 0 -3.14 0\n"
    "132.07 121.84 31.95 0 19.94 0 -18.22 0\n109.32 92.36 0 1445.23 0 0\n"
    "SOIL LEFTSIDE STRENGTHS 1\n132.35 123.22 35.9 0 0 0\n"
    "WATER ELEVATIONS 62.4 -0.6 -3.16\n"
    "FINISHED\n";

const char* kClaysStripLoad =  // by the fixed surface: turns about its anchor the wrong way at 1.0
    "'ANCHORED IN CLAYS, STRIP LOAD\n"
    "CONTROL ANCHORED ANALYSIS\n"
    "WALL 6.6 3.39 -8.15 29E6 281\n"
    "SURFACE RIGHTSIDE 1 0 3.6\n"
    "SURFACE LEFTSIDE 1 0 -5.15\n"
    "SOIL RIGHTSIDE STRENGTHS 3\n108.82 95.65 0 490.24 0 0 -6.5 -0.15\n"
    "100.06 85 0 456.43 0 0 -16.26 -0.15\n112.71 94.53 0 1664.5 0 0\n"
    "SOIL LEFTSIDE STRENGTHS 2\n109.94 104.25 10.52 243.11 3.51 48.78 -11.09 0\n106.85 96.78 0 383.53 0 0\n"
    "VERTICAL UNIFORM 0 205.31\n"
    "VERTICAL STRIP RIGHTSIDE 1 14.96 26.52 1450.78\n"
    "FINISHED\n";

// A cantilever whose retained ground rises at 52 degrees from the wall: up to a factor of
// 1.3 its passive coefficient at the surface cannot be computed, so the search starts
// higher. With the ground rising at 70 degrees none can be computed up to 5.0.
std::string SteepBackfill(const char* rise) {
  return std::string("'CANTILEVER, STEEP BACKFILL\n"
                     "CONTROL CANTILEVER ANALYSIS\n"
                     "WALL 24.90 0.60 29E6 77.0\n"
                     "SURFACE RIGHTSIDE 3 0 23.30\n") +
         rise + " 26.00\n13.40 25.80\n"
                "SURFACE LEFTSIDE 3 0 10.30\n14.00 10.80\n19.20 10.70\n"
                "SOIL RIGHTSIDE STRENGTHS 1\n111 96 38 184 7 62\n"
                "SOIL LEFTSIDE STRENGTHS 1\n117 106 0 1299 0 0\n"
                "HORIZONTAL LINE 1 22.90 99\n"
                "FINISHED\n";
}

const char* kClaysHeldBackByTheAnchor =  // by fixed earth at 1.0 the anchor holds the wall back more than its loads push
    "'ANCHORED, CLAYS OVER SAND, LOADS BEHIND\n"
    "CONTROL ANCHORED ANALYSIS\n"
    "WALL 36.10 30.40 -6.70 29E6 99.0\n"
    "SURFACE RIGHTSIDE 4 0 36.10\n14.70 35.30\n20.90 35.80\n27.50 32.90\n"
    "SURFACE LEFTSIDE 3 0 16.70\n7.80 15.20\n19.80 13.40\n"
    "SOIL BOTH STRENGTHS 3\n125 122 0 1075 0 0 11.70 0\n111 104 0 1498 0 0 0.30 0\n123 122 36 126 4 0\n"
    "VERTICAL RAMP RIGHTSIDE 0.1 6.2 328\n"
    "VERTICAL VARIABLE RIGHTSIDE 2 3.2 0 12.2 343\n"
    "HORIZONTAL DISTRIBUTED 2 35.10 144 28.80 131\n"
    "FINISHED\n";

// Where its design tip falls steeply with the factor, the interpolation steps past the
// bracket of this cantilever; the bracket is halved instead.
const char* kSteepTipClayBetweenSands =
    "'CANTILEVER, CLAY BETWEEN SANDS, LINE LOAD\n"
    "CONTROL CANTILEVER ANALYSIS\n"
    "WALL 18.90 2.30 29E6 388.8\n"
    "SURFACE RIGHTSIDE 1 0 18.90\n"
    "SURFACE LEFTSIDE 1 0 11.30\n"
    "SOIL BOTH STRENGTHS 3\n127 120 34 61 21 0 2.70 0\n126 124 0 1025 0 0 -3.50 0\n117 115 29 0 2 0\n"
    "VERTICAL VARIABLE RIGHTSIDE 2 5.5 374 7.3 270\n"
    "HORIZONTAL LINE 1 17.70 1474\n"
    "FINISHED\n";

// Walls whose designs move steadily through the bottom, whose searches once ended as
// inconsistent or on a trial's own box.
// A short cantilever whose running force turns negative in the first foot below the
// dredge line: its trials once stopped at the first level below it ("between 0.74 and
// 0.74").
const char* kCoefficientsBehindShortCantilever =
    "'SHORT CANTILEVER, COEFFICIENTS BEHIND, SAND IN FRONT\n"
    "CONTROL CANTILEVER ANALYSIS 1.30\n"
    "WALL 8.80 3.60 29E6 136.5\n"
    "SURFACE RIGHTSIDE 1 0 8.80\n"
    "SURFACE LEFTSIDE 1 0 5.70\n"
    "SOIL RIGHTSIDE COEFFICIENTS 1\n106 106 0.374 2.675\n"
    "SOIL LEFTSIDE STRENGTHS 1\n121 109 37 0 3 0\n"
    "FINISHED\n";
// Layers changing near the dredge line, clay below it: trials that once stopped at the
// first level below the zero point, and a bracket "between 0.60 and 0.74".
const char* kLayersClayInFrontLineLoads =
    "'SHORT CANTILEVER, LAYERS, CLAY BELOW THE DREDGE, LINE LOADS\n"
    "CONTROL CANTILEVER ANALYSIS\n"
    "WALL 10.20 1.00 29E6 259.2\n"
    "SURFACE RIGHTSIDE 1 0 9.50\n"
    "SURFACE LEFTSIDE 1 0 4.10\n"
    "SOIL RIGHTSIDE STRENGTHS 3\n120 105 26 0 8 0 4.50 0\n135 121 21 141 13 0 2.30 0\n120 109 0 630 0 87\n"
    "SOIL LEFTSIDE STRENGTHS 2\n115 101 38 0 15 0 1.40 0\n102 100 0 331 0 0\n"
    "VERTICAL LINE RIGHTSIDE 1 4.0 1239\n"
    "VERTICAL UNIFORM 57 0\n"
    "HORIZONTAL LINE 1 7.00 510\n"
    "FINISHED\n";
// A trial whose design swings about its tip without settling, between trials that design.
const char* kClayUnderSandsHeavyLineLoad =
    "'CANTILEVER, SANDS OVER CLAY, HEAVY LINE LOAD\n"
    "CONTROL CANTILEVER ANALYSIS 1.48\n"
    "WALL 22.98 -7.85 29E6 268.5\n"
    "SURFACE RIGHTSIDE 1 0 22.98\n"
    "SURFACE LEFTSIDE 1 0 10.30\n"
    "SOIL RIGHTSIDE STRENGTHS 3\n132 123 37 124 19 18 11.00 0\n127 112 28 0 12 0 4.40 0\n116 115 0 499 0 0\n"
    "SOIL LEFTSIDE STRENGTHS 2\n117 112 37 0 8 0 4.10 0\n105 100 0 512 0 0\n"
    "VERTICAL LINE RIGHTSIDE 1 15.0 1658\n"
    "FINISHED\n";
// An anchored wall whose fixed earth trials inside the bracket fall outside its tips.
const char* kAnchoredSlopingLayers =
    "'ANCHORED, SLOPING LAYERS, WATER\n"
    "CONTROL ANCHORED ANALYSIS 1.00\n"
    "WALL 17.10 12.90 -8.20 29E6 114.7\n"
    "SURFACE RIGHTSIDE 3 0 17.10\n11.00 17.40\n19.30 18.30\n"
    "SURFACE LEFTSIDE 3 0 -0.20\n6.60 -1.90\n8.90 -2.40\n"
    "SOIL RIGHTSIDE STRENGTHS 3\n127 112 35 0 12 0 12.50 0.13\n115 111 15 267 8 0 4.30 0\n134 123 33 0 19 0\n"
    "SOIL LEFTSIDE STRENGTHS 2\n113 101 32 130 3 8 -2.90 0\n104 103 19 56 3 0\n"
    "WATER ELEVATIONS 62.4 10.40 -1.40\n"
    "VERTICAL UNIFORM 479 0\n"
    "FINISHED\n";

// Walls whose wedges fit the soil figures only down to a level that moves with the
// factor: below it a trial cannot be computed, and the search steps back from it.
// A short cantilever in front of stiff clay: at a factor of 1 the fixed surface's wedges
// fit only above the given bottom, 8.5 ft below the dredge line; from about 3 on they
// fit below it, and the designs reach the bottom at about 3.26.
const char* kBottomBelowTheWedgesAtFirst =
    "'SHORT CANTILEVER, STIFF CLAY IN FRONT, LINE LOADS\n"
    "CONTROL CANTILEVER ANALYSIS\n"
    "WALL 5.30 -9.50 29E6 383.4\n"
    "SURFACE RIGHTSIDE 1 0 5.30\n"
    "SURFACE LEFTSIDE 1 0 -1.00\n"
    "SOIL RIGHTSIDE STRENGTHS 3\n121 113 33 0 21 0 2.70 0\n116 101 26 0 3 0 0.80 0.12\n115 107 20 322 13 0\n"
    "SOIL LEFTSIDE STRENGTHS 1\n136 122 0 1886 0 0\n"
    "VERTICAL LINE RIGHTSIDE 1 3.0 1248\n"
    "HORIZONTAL LINE 1 1.90 480\n"
    "FINISHED\n";
// A cantilever whose second layer behind has a sloping bottom: by the sweep, the
// design at a factor of 1 needs a tip below the level its wedges fit to, while from
// about 1.1 on they fit and the tips move steadily through the bottom.
const char* kDippingLayerTipBelowTheWedges =
    "'CANTILEVER, SLOPING LAYER BOTTOM BEHIND THE WALL\n"
    "CONTROL CANTILEVER ANALYSIS\n"
    "WALL 12.90 -5.90 29E6 368.6\n"
    "SURFACE RIGHTSIDE 1 0 12.90\n"
    "SURFACE LEFTSIDE 1 0 2.70\n"
    "SOIL RIGHTSIDE STRENGTHS 3\n127 117 37 0 23 0 1.40 0\n131 118 26 0 17 0 -4.50 0.10\n117 113 15 233 8 64\n"
    "SOIL LEFTSIDE STRENGTHS 2\n118 103 33 0 11 0 0.80 0\n130 117 26 409 1 0\n"
    "VERTICAL UNIFORM 107 0\n"
    "FINISHED\n";

TEST_F(AnalysisFactorTest, TrialsThatFailAtTheirFactorSteerTheSearch) {
  Runner runner(dir_);
  const struct {
    const char* what;
    std::string file;
    const char* wedge;
    double bottom;
  } cases[] = {
      {"cantilever, no wall needed at the first trials", kClayBenchedFront, "S", -3.83},
      {"cantilever, no tip past the factor", kSoftClayRisingBackfill, "F", -10.19},
      {"anchored, strengths past what computes below the fixed earth factor", kSandsOverClaySlopingFront, "S", -7.99},
      {"anchored, no wall needed at the first trials", kClaysStripLoad, "F", -8.15},
      {"cantilever, strengths past what computes at the first trials", SteepBackfill("2.10"), "S", 0.6},
      {"anchored, held back by the anchor at the first trial", kClaysHeldBackByTheAnchor, "F", -6.7},
      {"cantilever, interpolation past the bracket", kSteepTipClayBetweenSands, "F", 2.3},
      {"cantilever, trials in the first foot", kCoefficientsBehindShortCantilever, "F", 3.6},
      {"cantilever, trials in the first foot, layers", kLayersClayInFrontLineLoads, "F", 1.0},
      {"cantilever, trials in the first foot, layers", kLayersClayInFrontLineLoads, "S", 1.0},
      {"cantilever, a trial that does not settle", kClayUnderSandsHeavyLineLoad, "S", -7.85},
      {"anchored, trials outside the bracket's tips", kAnchoredSlopingLayers, "F", -8.2},
      {"cantilever, the bottom below where the wedges fit at the first trials", kBottomBelowTheWedgesAtFirst, "F",
       -9.5},
      {"cantilever, the first trial's tip below where the wedges fit", kDippingLayerTipBelowTheWedges, "S", -5.9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.what) + ", wedge " + c.wedge);
    std::string report;
    const auto run = runner.Solve(c.file, c.wedge, report);
    if (run.status != 0) {
      ADD_FAILURE() << run.output;
      continue;
    }
    EXPECT_TRUE(BoxesShown(run.output).empty()) << run.output;
    ExpectFactorsTheWallHas(runner, c.file, c.wedge, report, c.bottom);
    for (double force : Values(report, "ANCHOR FORCE (LB)")) EXPECT_GT(force, 0);
  }
}

// A run that ends without a factor shows one box, which says what was found of the wall.
TEST_F(AnalysisFactorTest, WallsWithoutAFactorShowOneBoxThatSaysWhy) {
  Runner runner(dir_);
  const struct {
    const char* what;
    std::string file;
    const char* wedge;
    const char* box;   // the start of the one box shown: its title and first line
    const char* also;  // more of its text
  } cases[] = {
      // A line load pulling the wall back near its anchor: at the factor its fixed earth
      // tip reaches the bottom the anchor would have to push.
      {"anchor in compression",
       "'ANCHORED, LINE LOAD PULLING BACK\n"
       "CONTROL ANCHORED ANALYSIS\n"
       "WALL 9.23 6.96 -4.81 29E6 84.4\n"
       "SURFACE RIGHTSIDE 2 0 9.23\n26.93 11.46\n"
       "SURFACE LEFTSIDE 6 0 0\n15.48 0.09\n35.33 0.15\n49.86 -0.3\n61.89 -0.04\n65.91 -1.86\n"
       "SOIL RIGHTSIDE STRENGTHS 2\n116.52 96.95 0 532.61 0 192.39 4.31 0\n125.34 110.69 33.27 0 0 0\n"
       "SOIL LEFTSIDE STRENGTHS 1\n125.34 110.69 33.27 0 0 0\n"
       "VERTICAL TRIANGULAR RIGHTSIDE 1 11.12 18.77 25.51 872.06\n"
       "HORIZONTAL LINE 1 5.73 -460.35\n"
       "FINISHED\n",
       "S", "QUELDAR [0] CONDITIONS ENCOUNTERED WHERE ANCHORED WALL TENDS", "ANCHOR FORCE IS COMPRESSION."},
      // A stiff clay 6 ft high stands by itself up to a factor of 2c / (gamma H) = 7.6.
      {"no wall needed up to 5.0",
       "'CANTILEVER, STIFF CLAY STANDING BY ITSELF\n"
       "CONTROL CANTILEVER ANALYSIS\n"
       "WALL 6 -6 29E6 38.3\n"
       "SURFACE RIGHTSIDE 1 0 6\n"
       "SURFACE LEFTSIDE 1 0 0\n"
       "SOIL BOTH STRENGTHS 1\n110 110 0 2500 0 0\n"
       "FINISHED\n",
       "F", "LARGE FACTOR OF SAFETY [4] Factor of safety for this system", "greater than 5.00."},
      {"strengths past what computes up to 5.0", SteepBackfill("1.00"), "S",
       "IMPROPER SURFACE SLOPE [0] Passive pressure coefficient at the ground surface", "UNABLE TO CONTINUE."},
      // Clay, sand and clay with the front falling away: the design tip is -13.68 at a
      // passive factor of 0.705 and there is none down the grid from 0.709. The bottom,
      // -17.1, lies in the leap; the two trials nearest it print alike.
      {"a tip that leaps from above the bottom to none",
       "'CANTILEVER, CLAY SAND CLAY, FRONT FALLING AWAY\n"
       "CONTROL CANTILEVER ANALYSIS 1.41\n"
       "WALL 12.40 -17.10 29E6 153.7\n"
       "SURFACE RIGHTSIDE 1 0 12.40\n"
       "SURFACE LEFTSIDE 3 0 -1.20\n11.70 -3.00\n22.00 -4.30\n"
       "SOIL BOTH STRENGTHS 3\n122 118 0 585 0 0 -3.00 0\n131 116 37 0 12 0 -6.00 0\n105 105 0 433 0 0\n"
       "VERTICAL UNIFORM 446 0\n"
       "HORIZONTAL LINE 1 9.60 222\n"
       "FINISHED\n",
       "F", "INCONSISTENT RESULTS [0] Inconsistent results have been encountered",
       "Factor of safety appears to be between 0.71 and 0.71"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string report;
    const auto run = runner.Solve(c.file, c.wedge, report);
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> boxes = BoxesShown(run.output);
    EXPECT_EQ(boxes.size(), 1u) << run.output;
    EXPECT_EQ(boxes.empty() ? std::string::npos : boxes[0].rfind(c.box, 0), 0u) << run.output;
    EXPECT_NE(run.output.find(c.also), std::string::npos) << run.output;
    EXPECT_TRUE(Values(report, "FACTOR OF SAFETY").empty());
  }
}

// The factors a run asked the user to search past, in the order asked.
std::vector<std::string> FactorsAskedAbout(const std::string& output) {
  std::vector<std::string> asked;
  const std::string lead = "appears to be greater than ";
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(lead, 0) == 0) asked.push_back(line.substr(lead.size(), line.size() - lead.size() - 1));
  }
  return asked;
}

// Answering Yes to every question, a run asks each once: a search started again goes on
// past the factors the user agreed to.
TEST_F(AnalysisFactorTest, EachQuestionIsAskedOnce) {
  Runner runner(dir_);
  const std::vector<std::string> fiveToForty = {"5.00", "10.00", "15.00", "20.00", "25.00", "30.00", "35.00", "40.00"};
  const struct {
    const char* what;
    std::string file;
    std::vector<std::string> asked;
    const char* last;  // the start of the last box shown
    std::vector<double> factors;
  } cases[] = {
      // Coefficients on both sides: no factor moves the tip, and the search gives up
      // after its trials, with nothing to search again.
      {"coefficients on both sides, water by pressures",
       "'CANTILEVER, COEFFICIENTS ON BOTH SIDES, WATER BY PRESSURES\n"
       "CONTROL CANTILEVER ANALYSIS\n"
       "WALL 8 -12 29E6 84.4\n"
       "SURFACE RIGHTSIDE 1 0 8\n"
       "SURFACE LEFTSIDE 1 0 0\n"
       "SOIL BOTH COEFFICIENTS 1\n120 110 0.333 3.0\n"
       "WATER PRESSURES 3 6 0 2 249.6\n-30 249.6\n"
       "FINISHED\n",
       fiveToForty, "INCONSISTENT RESULTS", {}},
      // A stiff clay holding a short wall, a line load pulling it back at the top: past
      // 5.0 the tip leaps past the bottom, the search made again with every trial
      // closed as a design too.
      {"stiff clay, the tip leaping past the bottom beyond 5.0",
       "'SHORT CANTILEVER IN STIFF CLAY, LINE LOAD PULLING BACK\n"
       "CONTROL CANTILEVER ANALYSIS\n"
       "WALL 4.20 -0.10 29E6 55.6\n"
       "SURFACE RIGHTSIDE 1 0 4.10\n"
       "SURFACE LEFTSIDE 1 0 0.90\n"
       "SOIL BOTH STRENGTHS 1\n118 106 0 1476 0 0\n"
       "VERTICAL UNIFORM 314 0\n"
       "HORIZONTAL LINE 1 4.00 -146\n"
       "FINISHED\n",
       {"5.00"}, "INCONSISTENT RESULTS [0] Inconsistent", {}},
      // Clays on both sides: the factor past 5.0 is found by the search made again with
      // every trial closed as a design.
      {"clays, a factor past 5.0 found by trials closed as designs",
       "'SHORT CANTILEVER, CLAYS WITH FRICTION\n"
       "CONTROL CANTILEVER ANALYSIS 1.00\n"
       "WALL 7.10 1.70 29E6 239.1\n"
       "SURFACE RIGHTSIDE 1 0 6.10\n"
       "SURFACE LEFTSIDE 1 0 2.40\n"
       "SOIL RIGHTSIDE STRENGTHS 1\n104 104 21 260 7 0\n"
       "SOIL LEFTSIDE STRENGTHS 2\n116 114 21 278 13 0 1.30 0\n116 105 17 401 2 0\n"
       "VERTICAL UNIFORM 488 0\n"
       "FINISHED\n",
       {"5.00"}, "LARGE FACTOR OF SAFETY", {5.80}},
  };
  for (const auto& c : cases) {
    for (const std::string wedge : {"F", "S"}) {
      SCOPED_TRACE(std::string(c.what) + ", wedge " + wedge);
      std::string report;
      const auto run = runner.Solve(c.file, wedge, report, true);
      EXPECT_EQ(FactorsAskedAbout(run.output), c.asked);
      const std::vector<std::string> boxes = BoxesShown(run.output);
      ASSERT_FALSE(boxes.empty());
      EXPECT_EQ(boxes.back().rfind(c.last, 0), 0u) << boxes.back();
      EXPECT_EQ(Values(report, "FACTOR OF SAFETY"), c.factors);
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
      {"clay over sand, line load", kClayOverSand, 21.4},
      {"clay over sands, rising front", kClayOverSandsRisingFront, 21.4},
      {"clay, half a foot of embedment", kClayHalfFoot, -0.5},
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
