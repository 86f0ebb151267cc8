#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "input_file_fixture.h"
#include "model/input_echo.h"
#include "model/report_layout.h"
#include "rich_problems.h"

namespace {

class InputEchoTest : public InputFileTest {
 protected:
  // Reads the text and writes the input section into a new report; returns its lines.
  std::vector<std::string> Echo(const std::string& file) {
    EXPECT_EQ(Read(file), 0);
    return EchoProblem();
  }
  std::vector<std::string> EchoProblem() {
    CurrentOutputFile = PathOf("report.out");
    OutFileNum = platform::files::FreeFile();
    EXPECT_TRUE(platform::files::Open(CurrentOutputFile, platform::files::Mode::Output, OutFileNum));
    WriteInputEcho();
    platform::files::Close(OutFileNum);
    const auto lines = CrLfLines(CurrentOutputFile);
    EXPECT_EQ(OutputLineCount, static_cast<long>(lines.size()));
    return lines;
  }
  // The lines from the first one equal to `from` up to, not including, the first one
  // after it equal to `to`.
  static std::vector<std::string> Between(const std::vector<std::string>& lines,
                                          const std::string& from, const std::string& to) {
    auto first = std::find(lines.begin(), lines.end(), from);
    EXPECT_NE(first, lines.end()) << from;
    auto last = std::find(first, lines.end(), to);
    return {first, last};
  }
};

}  // namespace

TEST_F(InputEchoTest, TheWholeSectionOfASimpleProblem) {
  const auto lines = Echo(kSimpleProblem);
  const std::string strengthRow = " 120.00  110.00    30.00    0.00     0.00    0.00" + sp(18) + "DEF  DEF";
  const std::vector<std::string> expected = {
      "  PROGRAM QUELDAR-DESIGN/ANALYSIS OF ANCHORED OR CANTILEVER SHEET PILE WALLS",
      sp(28) + "BY CLASSICAL METHODS",
      "  DATE: 9-DECEMBER-2026" + sp(39) + "TIME: 2:07:12",  // TIME: from column 63
      "",
      sp(30) + "****************",
      sp(30) + "*  INPUT DATA  *",
      sp(30) + "****************",
      "",
      sp(5) + "   I.--HEADING",
      sp(7) + "'SIMPLE WALL ",
      "",
      sp(5) + "  II.--CONTROL",
      sp(10) + "CANTILEVER WALL DESIGN",
      sp(10) + "FACTOR OF SAFETY FOR ACTIVE PRESSURES  = 1.00",
      sp(10) + "FACTOR OF SAFETY FOR PASSIVE PRESSURES = 1.50",
      "",
      sp(5) + " III.--WALL DATA",
      sp(10) + "ELEVATION AT TOP OF WALL    = 10.00 FT.",
      "",
      sp(5) + "  IV.--SURFACE POINT DATA",
      "",
      sp(10) + "  IV.A.--RIGHTSIDE",
      sp(15) + "DIST. FROM" + sp(5) + "ELEVATION",
      sp(15) + "WALL (FT)" + sp(9) + "(FT)",
      sp(20) + "0.00" + sp(9) + "10.00",
      "",
      sp(10) + "  IV.B.--LEFTSIDE",
      sp(15) + "DIST. FROM" + sp(5) + "ELEVATION",
      sp(15) + "WALL (FT)" + sp(9) + "(FT)",
      sp(20) + "0.00" + sp(10) + "0.00",
      "",
      sp(5) + "   V.--SOIL LAYER DATA",
      "",
      sp(10) + " V.A.--RIGHTSIDE",
      sp(15) + "LEVEL 2 FACTOR OF SAFETY FOR ACTIVE PRESSURE  = DEFAULT",
      sp(15) + "LEVEL 2 FACTOR OF SAFETY FOR PASSIVE PRESSURE = DEFAULT",
      "",
      sp(17) + "ANGLE OF" + sp(9) + "ANGLE OF" + sp(24) + "<-SAFETY->",
      "   SAT.   MOIST  INTERNAL  COH-     WALL    ADH-    <--BOTTOM-->  <-FACTOR->",
      "  WGHT.   WGHT.  FRICTION  ESION  FRICTION  ESION   ELEV.  SLOPE  ACT. PASS.",
      "  (PCF)   (PCF)    (DEG)   (PSF)    (DEG)   (PSF)   (FT)  (FT/FT)",
      strengthRow,
      "",
      sp(10) + " V.B.--LEFTSIDE",
      sp(15) + "LEVEL 2 FACTOR OF SAFETY FOR ACTIVE PRESSURE  = DEFAULT",
      sp(15) + "LEVEL 2 FACTOR OF SAFETY FOR PASSIVE PRESSURE = DEFAULT",
      "",
      sp(17) + "ANGLE OF" + sp(9) + "ANGLE OF" + sp(24) + "<-SAFETY->",
      "   SAT.   MOIST  INTERNAL  COH-     WALL    ADH-    <--BOTTOM-->  <-FACTOR->",
      "  WGHT.   WGHT.  FRICTION  ESION  FRICTION  ESION   ELEV.  SLOPE  ACT. PASS.",
      "  (PCF)   (PCF)    (DEG)   (PSF)    (DEG)   (PSF)   (FT)  (FT/FT)",
      strengthRow,
      "",
      sp(5) + "  VI.--WATER DATA",
      sp(10) + "NONE",
      "",
      sp(5) + " VII.--VERTICAL SURCHARGE LOADS",
      sp(10) + "NONE",
      "",
      sp(5) + "VIII.--HORIZONTAL LOADS",
      sp(10) + "NONE",
      "", "", "", "", "",
  };
  EXPECT_EQ(lines, expected);
}

TEST_F(InputEchoTest, AnalysisControlAndWallLines) {
  std::string file = Replace(kSimpleProblem, "CONTROL CANTILEVER DESIGN", "CONTROL A A");
  file = Replace(file, "WALL 10", "WALL 10 8.5 -20 29E6 281.3");
  const auto lines = Echo(file);
  EXPECT_EQ(Between(lines, sp(5) + "  II.--CONTROL", ""),
            (std::vector<std::string>{
                sp(5) + "  II.--CONTROL", sp(10) + "ANCHORED WALL ANALYSIS",
                sp(10) + "SAME FACTOR OF SAFETY APPLIED TO BOTH ACTIVE AND PASSIVE PRESSURES."}));
  EXPECT_EQ(Between(lines, sp(5) + " III.--WALL DATA", ""),
            (std::vector<std::string>{
                sp(5) + " III.--WALL DATA",
                sp(10) + "ELEVATION AT TOP OF WALL    = 10.00 FT.",
                sp(10) + "ELEVATION AT ANCHOR         = 8.50 FT.",
                sp(10) + "ELEVATION AT BOTTOM OF WALL = -20.00 FT.",
                sp(10) + "WALL MODULUS OF ELLASTACITY  = 2.900E+07 PSI.",
                sp(10) + "WALL MOMENT OF INERTIA      = 281.30 IN^4."}));

  const auto given = Echo(Replace(file, "CONTROL A A", "CONTROL A A 1.3"));
  EXPECT_EQ(Between(given, sp(5) + "  II.--CONTROL", "").back(),
            sp(10) + "FACTOR OF SAFETY FOR ACTIVE PRESSURES  = 1.30");
}

TEST_F(InputEchoTest, SoilTablesWithFactorsAndCoefficients) {
  const auto lines = Echo(kRichDesign);
  const auto right = Between(lines, sp(10) + " V.A.--RIGHTSIDE", "");
  EXPECT_EQ(right[1], sp(15) + "LEVEL 2 FACTOR OF SAFETY FOR ACTIVE PRESSURE  = DEFAULT");
  EXPECT_EQ(right[2], sp(15) + "LEVEL 2 FACTOR OF SAFETY FOR PASSIVE PRESSURE = 1.50");
  const auto rows = Between(lines, "  (PCF)   (PCF)    (DEG)   (PSF)    (DEG)   (PSF)   (FT)  (FT/FT)",
                            "");
  ASSERT_EQ(rows.size(), 4u);
  // Columns end at 7, 15, 24, 32, 41, 49, 57, 64, 70, 75.
  EXPECT_EQ(rows[1], " 120.00  110.00    32.00    0.00    20.00    0.00   10.00   0.10   DEF  DEF");
  EXPECT_EQ(rows[2], " 125.00  115.00     0.00  800.00     0.00  400.00    0.00  -0.05  1.30 1.40");
  EXPECT_EQ(rows[3], " 130.00  120.00    36.00    0.00    24.00    0.00" + sp(18) + "DEF 1.60");

  const auto left = Between(lines, sp(10) + " V.B.--LEFTSIDE", "");
  EXPECT_EQ(left, (std::vector<std::string>{
                      sp(10) + " V.B.--LEFTSIDE",
                      sp(16) + "SAT." + sp(5) + "MOIST" + sp(7) + "ACTIVE" + sp(8) + "PASSIVE" +
                          sp(7) + "BOTTOM",
                      sp(15) + "WEIGHT" + sp(5) + "WEIGHT" + sp(4) + "COEFFICIENT" + sp(3) +
                          "COEFFICIENT" + sp(3) + "ELEVATION",
                      sp(16) + "(PCF)" + sp(5) + "(PCF)" + sp(35) + "(FT)",
                      // Columns end at 20, 30, 43, 57, 70; the last layer has no bottom.
                      sp(14) + "125.00    115.00         0.28          5.20       -12.50",
                      sp(14) + "130.00    120.00         0.26          6.00" + sp(13)}));
}

TEST_F(InputEchoTest, WaterVariants) {
  const std::string water = sp(5) + "  VI.--WATER DATA";
  EXPECT_EQ(Between(Echo(kRichDesign), water, ""),
            (std::vector<std::string>{water,
                                      sp(10) + "UNIT WEIGHT" + sp(9) + "= 62.40 (PCF)",
                                      sp(10) + "RIGHTSIDE ELEVATION = 15.00 (FT)",
                                      sp(10) + "LEFTSIDE ELEVATION  = 2.00 (FT)",
                                      sp(10) + "SEEPAGE ELEVATION   = 2.00 (FT)",
                                      sp(10) + "SEEPAGE GRADIENT    = 0.0125 (FT/FT)"}));
  const auto automatic = Between(Echo(kRichAnalysis), water, "");
  EXPECT_EQ(automatic.back(), sp(10) + "SEEPAGE GRADIENT    = AUTOMATIC");
  const auto none = Between(Echo(SimpleProblemEndingWith("WATER E 62.4 8 8\nFINISHED\n")), water, "");
  EXPECT_EQ(none.back(), sp(10) + "NO SEEPAGE");
  EXPECT_EQ(Between(Echo(kRichPressures), water, ""),
            (std::vector<std::string>{water, sp(10) + "ELEVATION" + sp(6) + "NET WATER",
                                      sp(13) + "(FT)" + sp(6) + "PRESSURE (PSF)",
                                      sp(13) + "10.00" + sp(11) + "0.00",
                                      sp(14) + "5.00" + sp(9) + "312.00",
                                      sp(14) + "0.00" + sp(9) + "312.00",
                                      sp(12) + "-15.00" + sp(11) + "0.00"}));
}

TEST_F(InputEchoTest, AUniformLoadOnTheLeftOnlyListsEverySubsection) {
  // A right-side value without its count is a leftover and must show as 0.
  UniformLoad(1) = 999;
  const auto lines = Echo(SimpleProblemEndingWith("VERTICAL UNIFORM 0 250\nFINISHED\n"));
  UniformLoad(1) = 999;
  NumUniformLoads(1) = 0;
  const auto again = EchoProblem();
  const std::vector<std::string> expected = {
      sp(5) + " VII.--VERTICAL SURCHARGE LOADS",
      "",
      sp(10) + "VII.A.--VERTICAL LINE LOADS",
      sp(15) + "NONE",
      "",
      sp(10) + "VII.B.--VERTICAL UNIFORM LOADS",
      sp(20) + "LEFTSIDE" + sp(5) + "RIGHTSIDE",
      sp(22) + "(PSF)" + sp(8) + "(PSF)",
      sp(21) + "250.00" + sp(10) + "0.00",
      "",
      sp(10) + "VII.C.--VERTICAL STRIP LOADS",
      sp(15) + "NONE",
      "",
      sp(10) + "VII.D.--VERTICAL RAMP LOADS",
      sp(15) + "NONE",
      "",
      sp(10) + "VII.E.--VERTICAL TRIANGULAR LOADS",
      sp(15) + "NONE",
      "",
      sp(10) + "VII.F.--VERTICAL VARIABLE LOADS",
      sp(15) + "NONE",
  };
  EXPECT_EQ(Between(lines, expected.front(), sp(5) + "VIII.--HORIZONTAL LOADS"),
            [&] { auto e = expected; e.push_back(""); return e; }());
  EXPECT_EQ(Between(again, expected.front(), sp(5) + "VIII.--HORIZONTAL LOADS"),
            Between(lines, expected.front(), sp(5) + "VIII.--HORIZONTAL LOADS"));
}

TEST_F(InputEchoTest, SurchargeAndHorizontalTables) {
  const auto lines = Echo(kRichDesign);
  EXPECT_EQ(Between(lines, sp(10) + "VII.A.--VERTICAL LINE LOADS", sp(10) + "VII.B.--VERTICAL UNIFORM LOADS"),
            (std::vector<std::string>{
                sp(10) + "VII.A.--VERTICAL LINE LOADS", "", sp(15) + "VII.A.1.--RIGHTSIDE",
                sp(20) + "DIST. FROM" + sp(5) + "LINE LOAD", sp(20) + "WALL (FT)" + sp(8) + " (PLF)",
                sp(25) + "2.00" + sp(8) + "500.00", sp(25) + "6.00" + sp(8) + "800.50", "",
                sp(15) + "VII.A.2.--LEFTSIDE",
                sp(20) + "DIST. FROM" + sp(5) + "LINE LOAD", sp(20) + "WALL (FT)" + sp(8) + " (PLF)",
                sp(25) + "2.00" + sp(8) + "500.00", sp(25) + "6.00" + sp(8) + "800.50", ""}));
  EXPECT_EQ(Between(lines, sp(15) + "VII.C.1.--RIGHTSIDE", ""),
            (std::vector<std::string>{sp(15) + "VII.C.1.--RIGHTSIDE",
                                      sp(15) + "<-DIST. FROM WALL->",
                                      sp(17) + "START" + sp(7) + "END" + sp(6) + "STRIP LOAD",
                                      sp(18) + "(FT)" + sp(7) + "(FT)" + sp(8) + "(PSF)",
                                      sp(18) + "0.00" + sp(7) + "5.00" + sp(9) + "0.00",
                                      sp(18) + "5.00" + sp(6) + "10.00" + sp(7) + "300.00"}));
  EXPECT_EQ(Between(lines, sp(15) + "VII.D.1.--RIGHTSIDE", ""),
            (std::vector<std::string>{sp(15) + "VII.D.1.--RIGHTSIDE",
                                      sp(15) + "<---DIST. FORM WALL--->",
                                      sp(15) + "START RAMP" + sp(5) + "END RAMP" + sp(5) + "RAMP LOAD",
                                      sp(18) + "(FT)" + sp(10) + "(FT)" + sp(9) + "(PSF)",
                                      sp(18) + "1.00" + sp(10) + "1.00" + sp(8) + "200.00"}));
  EXPECT_EQ(Between(lines, sp(15) + "VII.E.2.--LEFTSIDE", ""),
            (std::vector<std::string>{
                sp(15) + "VII.E.2.--LEFTSIDE", sp(15) + "<------DIST. FROM WALL------->",
                sp(18) + "START" + sp(5) + "PEAK" + sp(7) + "END" + sp(5) + "PEAK LOAD",
                sp(18) + "(FT)" + sp(6) + "(FT)" + sp(6) + "(FT)" + sp(8) + "(PSF)",
                sp(18) + "0.00" + sp(6) + "0.00" + sp(7) + "6.00" + sp(6) + "400.00",
                sp(18) + "6.00" + sp(6) + "8.00" + sp(7) + "8.00" + sp(7) + "50.00"}));
  EXPECT_EQ(Between(lines, sp(15) + "VII.F.2.--LEFTSIDE", ""),
            (std::vector<std::string>{sp(15) + "VII.F.2.--LEFTSIDE",
                                      sp(15) + "DIST. FROM" + sp(6) + "VARIABLE",
                                      sp(15) + "WALL (FT)" + sp(6) + "LOAD (PSF)",
                                      sp(18) + "0.50" + sp(9) + "1000.00",
                                      sp(17) + "12.00" + sp(12) + "0.00"}));
  const auto horizontal = Between(lines, sp(5) + "VIII.--HORIZONTAL LOADS", "");
  EXPECT_EQ(horizontal.size(), 1u);
  EXPECT_EQ(Between(lines, sp(10) + "VIII.A.--HORIZONTAL LINE LOADS", ""),
            (std::vector<std::string>{sp(10) + "VIII.A.--HORIZONTAL LINE LOADS",
                                      sp(15) + "ELEVATION" + sp(5) + "LINE LOAD",
                                      sp(18) + "(FT)" + sp(9) + "(PLF)",
                                      sp(17) + "19.00" + sp(7) + "1000.00",
                                      sp(18) + "7.00" + sp(7) + "-500.00"}));
  EXPECT_EQ(Between(lines, sp(10) + "VIII.B.--HORIZONTAL DISTRIBUTED LOADS", ""),
            (std::vector<std::string>{sp(10) + "VIII.B.--HORIZONTAL DISTRIBUTED LOADS",
                                      sp(15) + "ELEVATION" + sp(4) + "DIST. LOAD",
                                      sp(18) + "(FT)" + sp(9) + "(PSF)",
                                      sp(17) + "20.00" + sp(10) + "0.00",
                                      sp(17) + "15.00" + sp(8) + "200.00",
                                      sp(18) + "0.00" + sp(7) + "-100.00"}));
  // The section ends in five blank lines.
  ASSERT_GE(lines.size(), 5u);
  EXPECT_TRUE(std::all_of(lines.end() - 5, lines.end(), [](const std::string& l) { return l.empty(); }));
  EXPECT_FALSE(lines[lines.size() - 6].empty());
}

TEST_F(InputEchoTest, OneSideOnlyAndHorizontalNoneVariants) {
  const auto lines = Echo(SimpleProblemEndingWith(
      "VERTICAL STRIP R 1 0 5 100\nHORIZONTAL DISTRIBUTED 2 5 1 0 1\nFINISHED\n"));
  EXPECT_EQ(Between(lines, sp(15) + "VII.C.2.--LEFTSIDE", ""),
            (std::vector<std::string>{sp(15) + "VII.C.2.--LEFTSIDE", sp(20) + "NONE"}));
  EXPECT_EQ(Between(lines, sp(10) + "VII.B.--VERTICAL UNIFORM LOADS", ""),
            (std::vector<std::string>{sp(10) + "VII.B.--VERTICAL UNIFORM LOADS", sp(20) + "NONE"}));
  EXPECT_EQ(Between(lines, sp(10) + "VIII.A.--HORIZONTAL LINE LOADS", ""),
            (std::vector<std::string>{sp(10) + "VIII.A.--HORIZONTAL LINE LOADS", sp(20) + "NONE"}));

  const auto noDist = Echo(SimpleProblemEndingWith("HORIZONTAL LINE 1 5 100\nFINISHED\n"));
  EXPECT_EQ(Between(noDist, sp(10) + "VIII.B.--HORIZONTAL DISTRIBUTED LOADS", ""),
            (std::vector<std::string>{sp(10) + "VIII.B.--HORIZONTAL DISTRIBUTED LOADS", sp(15) + "NONE"}));
}

TEST_F(InputEchoTest, AValueTooWideForItsColumnIsNeverCut) {
  ASSERT_EQ(Read(kSimpleProblem), 0);
  SurfaceDist(1, 1) = 1e22;
  SurfaceElev(1, 1) = -1e20;
  const auto lines = EchoProblem();
  EXPECT_EQ(Between(lines, sp(10) + "  IV.A.--RIGHTSIDE", "")[3],
            "10000000000000000000000.00 -100000000000000000000.00");
}

// Later sections reopen the report for appending and add the lines they write.
TEST_F(InputEchoTest, AnAppendedSectionAddsExactlyItsLines) {
  const auto first = Echo(kRichDesign);
  ReportSection out = ReportSection::Append();
  WriteReportBanner(out, 2, 28, 2, 63);
  WriteTitleBox(out, 21, {"*  SOIL PRESSURES  *", "*  SECOND  LINE    *"});
  out.blank();
  WriteHeadingBlock(out, "HEADING");
  out.AddToOutputLineCount();
  platform::files::CloseAll();

  const auto all = CrLfLines(CurrentOutputFile);
  EXPECT_EQ(OutputLineCount, static_cast<long>(all.size()));
  EXPECT_EQ(all.size(), first.size() + 4 + 4 + 1 + 3);
  EXPECT_EQ(all[first.size() + 4], sp(21) + "********************");
  EXPECT_EQ(all[first.size() + 6], sp(21) + "*  SECOND  LINE    *");
  EXPECT_EQ(all[first.size() + 9], sp(5) + "HEADING");
  EXPECT_EQ(all.back(), sp(7) + "'EVERY SURCHARGE KIND ");
}

// A later section that cannot reach the report (its folder gone, the disk full) says so
// and ends the run, rather than leaving a report that silently lacks the section while
// the solution is announced complete.
TEST_F(InputEchoTest, ALaterSectionThatCannotBeWrittenSaysSoAndEndsTheRun) {
  Echo(kSimpleProblem);
  const long before = OutputLineCount;
  // A folder that does not exist, and a disk that is full (a short section fails only
  // when the report is flushed).
  for (const std::string& report : {PathOf("gone") + "/report.out", std::string("/dev/full")}) {
    SCOPED_TRACE(report);
    CurrentOutputFile = report;
    services.boxes.clear();
    services.boxes.expect("FILE ERROR", platform::Answer::OK);
    AbortRun = 0;
    ReportSection out = ReportSection::Append();
    WriteReportBanner(out, 2, 28, 2, 63);
    out.AddToOutputLineCount();
    ASSERT_EQ(services.boxes.boxes().size(), 1u);
    EXPECT_EQ(services.boxes.boxes()[0].text,
              "File:  " + report + "  cannot be written.\n\n     Unable to continue.");
    EXPECT_EQ(services.boxes.boxes()[0].buttons, 48);
    EXPECT_EQ(AbortRun, 1);
    platform::files::CloseAll();
  }
  EXPECT_EQ(OutputLineCount, before);
}
