// The results section of the report, line by line against the layout: the summary, the
// complete results with the profile and the pressure table, the line count.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "model/problem_data.h"
#include "platform/files.h"
#include "platform/script_doubles.h"
#include "platform/text.h"
#include "pressures/pressure_data.h"
#include "rankine_fixture.h"
#include "scoped_temp.h"
#include "wall/wall.h"

namespace {

std::string Mask(double v, const char* mask) { return platform::text::Format(v, mask); }

// label, then the value right-aligned to lastColumn.
std::string At(std::string label, const std::string& value, std::size_t lastColumn) {
  label.append(lastColumn - label.size() - value.size(), ' ');
  return label + value;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string l;
  while (std::getline(in, l)) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
  }
  return lines;
}

std::size_t Find(const std::vector<std::string>& lines, const std::string& line, std::size_t from = 0) {
  for (std::size_t i = from; i < lines.size(); ++i)
    if (lines[i] == line) return i;
  return lines.size();
}

class ResultsReport : public ::testing::Test {
 protected:
  void SetUp() override {
    TempFileCount = 8;
    NumHeadingLines = 2;
    HeadingLines(1) = "'TEST WALL";
    HeadingLines(2) = "'DRY SAND";
    PressureMethod(1) = PressureMethod(2) = "C";
    SoilDataType(1) = SoilDataType(2) = "S";
    CurrentOutputFile = (temp.path() / "report.txt").string();
    std::ofstream(CurrentOutputFile, std::ios::binary) << "INPUT\r\n";
    OutputLineCount = 1;
  }
  ScopedTempFolder temp;
  platform::ScopedServices services;
};

TEST_F(ResultsReport, CantileverDesign) {
  RankineSand sand;
  sand.Apply();
  RunDesign();
  ASSERT_EQ(AbortRun, 0);
  // A profile left over from an earlier solution must not mark the last row.
  ResultElev(TipIndex(1) + 1) = ResultElev(TipIndex(1));
  WriteResultsReport();
  platform::files::CloseAll();
  const auto lines = ReadLines(CurrentOutputFile);
  ASSERT_EQ(static_cast<long>(lines.size()), OutputLineCount);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(lines[i], "");
  EXPECT_EQ(lines[6], "  PROGRAM QUELDAR-DESIGN/ANALYSIS OF ANCHORED OR CANTILEVER SHEET PILE WALLS");
  const std::vector<std::string> summary = {
      "                         ****************************",
      "                         *  SUMMARY OF RESULTS FOR  *",
      "                         *  CANTILEVER WALL DESIGN  *",
      "                         ****************************",
      "",
      "      I.--HEADING",
      "       'TEST WALL",
      "       'DRY SAND",
      "",
      "     II.--SUMMARY",
      "",
      "          RIGHTSIDE SOIL PRESSURES DETERMINED BY COULOMB COEFFICIENTS",
      "          AND THEORY OF ELLASTICITY EQUATIONS FOR SURCHARGE LOADS.",
      "",
      "          LEFTSIDE SOIL PRESSURES DETERMINED BY COULOMB COEFFICIENTS",
      "          AND THEORY OF ELLASTICITY EQUATIONS FOR SURCHARGE LOADS.",
      "",
      "     WALL BOTTOM ELEV. (FT)     :      -10.04",
      "           PENETRATION (FT)     :       10.04",
      "",
      At("     MAX. BEND. MOMENT (LB-FT)  :", "1.2500E+04", 45),
      "           AT ELEVATION (FT)    :       -5.00",
      "",
      At("     MAX. SCALED DEFL. (LB-IN^3):", Mask(MaxDeflection(1, 1), "0.0000E+00"), 45),
      At("           AT ELEVATION (FT)    :", Mask(MaxDeflection(1, 2), "####0.00"), 45),
      "",
      "               NOTE:  DIVIDE SCALED DEFLECTION MODULUS OF",
      "                      ELLASTICITY IN PSI TIMES PILE MOMENT",
      "                      OF INERTIA IN IN^4 TO OBTAIN DEFLECTION",
      "                      IN INCHES.",
      "",
      "",
      "",
      "",
      "",
  };
  for (std::size_t i = 0; i < summary.size(); ++i) EXPECT_EQ(lines[10 + i], summary[i]) << i;
  EXPECT_EQ(lines[10 + summary.size()].substr(0, 10), "  PROGRAM ");

  const std::size_t box = Find(lines, "                         * COMPLETE OF RESULTS FOR  *");
  ASSERT_LT(box, lines.size());
  EXPECT_EQ(lines[box + 1], "                         *  CANTILEVER WALL DESIGN  *");
  EXPECT_EQ(lines[box + 4], "       I.--HEADING");
  EXPECT_EQ(lines[box + 8], "      II.--RESULTS");
  EXPECT_EQ(lines[box + 10], "                     BENDING                        SCALED         NET");
  EXPECT_EQ(lines[box + 11], "      ELEVATION      MOMENT          SHEAR        DEFLECTION     PRESSURE");
  EXPECT_EQ(lines[box + 12], "         (FT)        (LB-FT)          (LB)         (LB-IN^3)       (PSF)");
  const int n = TipIndex(1);
  for (int p = 1; p <= n; ++p) {
    const std::string& row = lines[box + 12 + p];
    std::string expected = At("", Mask(ResultElev(p), "####0.00"), 14);
    // Column 15 holds the marker: blank on a smooth profile, and the entry left over
    // after the last point does not make the last row a "+".
    expected = At(expected, Mask(ResultMoment(p), "0.0000E+00"), 28);
    expected = At(expected, Mask(ResultShear(p), "####0."), 42);
    expected = At(expected, Mask(ResultDeflection(p), "0.0000E+00"), 60);
    expected = At(expected, Mask(ResultNetPressure(p), "####0.00"), 73);
    EXPECT_EQ(row, expected) << p;
  }
  std::size_t at = box + 12 + n + 1;
  EXPECT_EQ(lines[at + 1], "               NOTE:  DIVIDE SCALED DEFLECTION MODULUS OF");
  at += 5;
  EXPECT_EQ(lines[at + 1], "     III.--WATER AND SOIL PRESSURES");
  EXPECT_EQ(lines[at + 3], "                             <-------------SOIL PRESSURES-------------->");
  EXPECT_EQ(lines[at + 4], "                  WATER      <----LEFTSIDE----->      <---RIGHTSIDE---->");
  EXPECT_EQ(lines[at + 5], "   ELEVATION    PRESSURE     PASSIVE      ACTIVE      ACTIVE     PASSIVE");
  EXPECT_EQ(lines[at + 6], "      (FT)        (PSF)       (PSF)        (PSF)       (PSF)      (PSF)");
  // Point 1 without a marker, then one row per point down to the first below the tip.
  EXPECT_EQ(lines[at + 7], "     10.00            0.          0.          0.          0.          0.");
  int rows = 0;
  for (int p = 2; p <= NumGridPoints; ++p) {
    ++rows;
    if (GridElev(p) < TipElev(1)) break;
  }
  const std::size_t lastRow = at + 7 + rows;
  EXPECT_EQ(lines[lastRow].substr(0, 11), At("", Mask(GridElev(TipIndex(1) + 1), "####0.00"), 10) + " ");
  // The tip row prints the pressures at the tip itself.
  EXPECT_EQ(lines[lastRow - 1],
            At(At(At(At(At(At("", Mask(TipElev(1), "####0.00"), 10) + " ", "0.", 24),
                           Mask(sand.PassiveLeft(TipElev(1)), "#####0."), 36),
                        Mask(sand.ActiveLeft(TipElev(1)), "#####0."), 48),
                     Mask(sand.ActiveRight(TipElev(1)), "#####0."), 60),
               Mask(sand.PassiveRight(TipElev(1)), "#####0."), 72));
  for (std::size_t i = lastRow + 1; i < lines.size(); ++i) EXPECT_EQ(lines[i], "");
  EXPECT_EQ(lines.size() - lastRow - 1, 5u);
}

}  // namespace

namespace {

// The lines of the report after the input section, with the count checked.
std::vector<std::string> ReportLines() {
  platform::files::CloseAll();
  auto lines = ReadLines(CurrentOutputFile);
  EXPECT_EQ(static_cast<long>(lines.size()), OutputLineCount);
  return lines;
}

TEST_F(ResultsReport, AnchoredDesignHasTwoColumnsAndTwoSections) {
  RankineSand sand;
  sand.top = 20;
  sand.anchor = 18;
  sand.Apply();
  RunDesign();
  ASSERT_EQ(AbortRun, 0);
  const double tip1 = TipElev(1), tip2 = TipElev(2), f1 = AnchorForce(1), f2 = AnchorForce(2);
  WriteResultsReport();
  ASSERT_EQ(AbortRun, 0);
  const auto lines = ReportLines();
  auto two = [](std::string label, double v1, double v2, const char* mask) {
    return At(At(std::move(label), Mask(v1, mask), 55), Mask(v2, mask), 75);
  };
  const std::size_t method = Find(lines, "     METHOD                             :    FREE EARTH         FIXED EARTH");
  ASSERT_LT(method, lines.size());
  EXPECT_EQ(lines[method + 2], two("     WALL BOTTOM ELEVATION (FT)         :", tip1, tip2, "####0.00"));
  EXPECT_EQ(lines[method + 3], two("           PENETRATION (FT)              :", -tip1, -tip2, "####0.00"));
  EXPECT_EQ(lines[method + 3].find(':'), 41u);  // column 42
  EXPECT_EQ(lines[method + 5],
            two("     MAXIMUM BENDING MOMENT (LB-FT)     :", MaxMoment(1, 1), MaxMoment(2, 1), "0.0000E+00"));
  EXPECT_EQ(lines[method + 8].substr(0, 41), "     MAXIMUM SCALED DEFLECTION (LB-IN^3):");
  EXPECT_EQ(lines[method + 11], two("     ANCHOR FORCE (LB)                  :", f1, f2, "0.0000E+00"));
  EXPECT_EQ(lines[method + 13], "               NOTE:  DIVIDE SCALED DEFLECTION MODULUS OF");

  // One complete section per method, method 1 read back from its file.
  const std::size_t s1 = Find(lines, "                         *   BY FREE EARTH METHOD   *");
  const std::size_t s2 = Find(lines, "                         *   BY FIXED EARTH METHOD  *");
  ASSERT_LT(s1, s2);
  ASSERT_LT(s2, lines.size());
  EXPECT_EQ(lines[s1 - 1], "                         *   ANCHORED WALL DESIGN   *");
  EXPECT_EQ(lines[s1 + 7], "      II.--RESULTS (ANCHOR FORCE= " + Mask(f1, "#####0.") + " (LB))");
  EXPECT_EQ(lines[s2 + 7], "      II.--RESULTS (ANCHOR FORCE= " + Mask(f2, "#####0.") + " (LB))");
  // The anchor's reaction doubles its point: first the value from above, then below.
  bool found = false;
  for (std::size_t i = s1; i < s2; ++i) {
    if (lines[i].rfind("         18.00+", 0) == 0) {
      found = true;
      EXPECT_EQ(lines[i + 1].substr(0, 15), "         18.00-");
    }
  }
  EXPECT_TRUE(found);
  // Each profile ends at its method's tip.
  auto lastProfileRow = [&](std::size_t from) {
    std::size_t i = Find(lines, "         (FT)        (LB-FT)          (LB)         (LB-IN^3)       (PSF)", from) + 1;
    while (!lines[i].empty()) ++i;
    return lines[i - 1];
  };
  EXPECT_EQ(lastProfileRow(s1).substr(0, 14), At("", Mask(tip1, "####0.00"), 14));
  EXPECT_EQ(lastProfileRow(s2).substr(0, 14), At("", Mask(tip2, "####0.00"), 14));
  for (std::size_t i = lines.size() - 5; i < lines.size(); ++i) EXPECT_EQ(lines[i], "");
}

TEST_F(ResultsReport, AnalysisSeepageAndWedgeVariants) {
  struct Case {
    const char* wall;
    const char* mode;
    int option;
    std::vector<std::string> expected;  // lines that must appear
  };
  const std::vector<Case> cases = {
      {"C", "A", 1,
       {"                         * CANTILEVER WALL ANALYSIS *",
        "     FACTOR OF SAFETY           :        1.23",
        "     SEEPAGE GRADIENT           :     0.1235",
        "                     BENDING                                       NET",
        "         (FT)        (LB-FT)          (LB)           (IN)          (PSF)"}},
      {"C", "A", 2, {"     PASSIVE FACTOR OF SAFETY   :        1.23"}},
      {"C", "D", 1, {"     SEEPAGE GRADIENT           :     0.1235"}},
      {"A", "A", 1,
       {"                         *  ANCHORED WALL ANALYSIS  *",
        "     FACTOR OF SAFETY                   :          1.23                2.35",
        "     SEEPAGE GRADIENT                   :        0.1235              0.2346"}},
      {"A", "A", 2, {"     PASSIVE FACTOR OF SAFETY           :          1.23                2.35"}},
      {"A", "D", 1, {"     SEEPAGE GRADIENT                   :       0.1235              0.2346"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.wall) + c.mode + std::to_string(c.option));
    SetUp();
    RankineSand sand;
    if (std::string(c.wall) == "A") sand.top = 20, sand.anchor = 18;
    sand.Apply();
    RunDesign();
    ASSERT_EQ(AbortRun, 0);
    RunMode = c.mode;
    AnalysisFSOption = c.option;
    WaterDataType = "E";
    SeepageOption = "A";
    SeepageGradient(1) = 0.12345;
    SeepageGradient(2) = 0.23456;
    FSPassiveUsed(1, 1, 1) = 1.234;
    FSPassiveUsed(1, 1, 2) = 2.345;
    WriteResultsReport();
    const auto lines = ReportLines();
    for (const std::string& e : c.expected) EXPECT_LT(Find(lines, e), lines.size()) << e;
    const bool design = std::string(c.mode) == "D";
    EXPECT_EQ(Find(lines, "               NOTE:  DIVIDE SCALED DEFLECTION MODULUS OF") < lines.size(), design);
    if (!design) {
      const std::string label = std::string(c.wall) == "C" ? "     MAXIMUM DEFLECTION (IN.)   :"
                                                           : "     MAXIMUM DEFLECTION (IN.)           :";
      bool seen = false;
      for (const auto& l : lines) seen = seen || l.rfind(label, 0) == 0;
      EXPECT_TRUE(seen);
    }
  }
}

TEST_F(ResultsReport, WedgeMarksWarningAndFootnote) {
  RankineSand sand;
  sand.Apply();
  PressureMethod(2) = "S";
  RunDesign();
  ASSERT_EQ(AbortRun, 0);
  WedgeNoSolution(1, 2) = 1;
  WedgeMarkActive(2, 3) = "*";
  WedgeMarkPassive(1, 3) = "*";
  WriteResultsReport();
  const auto lines = ReportLines();
  const std::size_t warn = Find(lines, "          *****WARNING:  STANDARD WEDGE SOLUTION DOES NOT EXIST");
  ASSERT_LT(warn, lines.size());
  EXPECT_EQ(lines[warn - 1], "");
  EXPECT_EQ(lines[warn + 1], "                         AT ALL ELEVATIONS.  SEE COMPLETE OUTPUT.");
  EXPECT_LT(Find(lines, "          LEFTSIDE SOIL PRESSURES DETERMINED BY SWEEP SEARCH WEDGE METHOD."), warn);
  // Point 3 (elevation 8): each mark right after the value before the one it belongs to.
  // The left active mark follows the left passive value, the right passive mark the
  // right active value.
  EXPECT_LT(Find(lines, "      8.00            0.          0.*         0.         67.*       600."), lines.size());
  const std::size_t foot = Find(lines, "          *  STANDARD WEDGE SOLUTION DOES NOT EXIST FOR INDICATED PRESSURE");
  ASSERT_LT(foot, lines.size());
  EXPECT_EQ(lines[foot + 1], "             AT THIS ELEVATION.");
  EXPECT_EQ(lines[foot - 1], "");
}

}  // namespace
