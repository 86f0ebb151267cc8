#include <gtest/gtest.h>

#include <string>

#include "input_file_fixture.h"

using platform::Answer;

namespace {

std::string DataErrorText(const std::string& section, const std::string& line) {
  return "Error detected while attempting to process " + section +
         "\nCurrent input line is:\n\n" + line + "\n\nUnable to continue.";
}

}  // namespace

// ---- splitting a line into fields ----

TEST_F(InputFileTest, ReadDataLineTrimsCapitalisesAndFindsFieldColumns) {
  WriteFile("lines.dat",
            "\n   \n  (a comment\n  abc  de\tf   g  \nx\n");
  InFileNum = platform::files::FreeFile();
  ASSERT_TRUE(platform::files::Open(PathOf("lines.dat"), platform::files::Mode::Input, InFileNum));
  AbortRun = 0;
  ReadDataLine();
  EXPECT_EQ(AbortRun, 0);
  EXPECT_EQ(InputLine, "ABC  DE\tF   G ");  // a tab is an ordinary character
  const int expected[][2] = {{1, 3}, {6, 9}, {13, 13}};
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(FieldPos(k, 1), expected[k - 1][0]) << k;
    EXPECT_EQ(FieldPos(k, 2), expected[k - 1][1]) << k;
  }
  EXPECT_EQ(FieldPos(4, 1), 0);

  ReadDataLine();
  EXPECT_EQ(InputLine, "X ");
  EXPECT_EQ(FieldPos(1, 2), 1);
  EXPECT_EQ(FieldPos(2, 1), 0);

  ReadDataLine();  // end of file: fields cleared, the line kept
  EXPECT_EQ(AbortRun, 1);
  EXPECT_EQ(InputLine, "X ");
  EXPECT_EQ(FieldPos(1, 1), 0);
  EXPECT_EQ(FieldPos(1, 2), 0);
}

TEST_F(InputFileTest, ReadDataLineKeepsTheFirstTwentyFields) {
  std::string line;
  for (int i = 1; i <= 25; ++i) line += std::to_string(i) + " ";
  WriteFile("many.dat", line + "\n");
  InFileNum = platform::files::FreeFile();
  ASSERT_TRUE(platform::files::Open(PathOf("many.dat"), platform::files::Mode::Input, InFileNum));
  ReadDataLine();
  // Fields 1..9 are one digit wide, 10..20 two digits.
  EXPECT_EQ(FieldPos(20, 1), 9 * 2 + 10 * 3 + 1);
  EXPECT_EQ(FieldPos(20, 2), 9 * 2 + 10 * 3 + 2);
}

TEST_F(InputFileTest, CapitalsKeepEveryColumnInPlace) {
  // Latin-1 bytes: e acute and sharp s. The sharp s has no one-letter capital and stays.
  WriteFile("latin.dat", std::string("'caf\xE9 stra\xDF" "e x\n"));
  InFileNum = platform::files::FreeFile();
  ASSERT_TRUE(platform::files::Open(PathOf("latin.dat"), platform::files::Mode::Input, InFileNum));
  ReadDataLine();
  EXPECT_EQ(InputLine, std::string("'CAF\xC9 STRA\xDF" "E X "));
  EXPECT_EQ(FieldPos(3, 1), 14);
}

// ---- whole files that are valid ----

TEST_F(InputFileTest, ReadsASimpleProblem) {
  ASSERT_EQ(Read(kSimpleProblem), 0);
  EXPECT_EQ(NumHeadingLines, 1);
  EXPECT_EQ(HeadingLines(1), "'SIMPLE WALL ");
  EXPECT_EQ(WallType, "C");
  EXPECT_EQ(RunMode, "D");
  EXPECT_EQ(FSActive, 1.0);
  EXPECT_EQ(FSPassive, 1.5);
  EXPECT_EQ(WallTopElev, 10);
  EXPECT_EQ(NumSurfacePoints(1), 1);
  EXPECT_EQ(SurfaceElev(2, 1), 0);
  EXPECT_EQ(SoilDataType(2), "S");
  EXPECT_EQ(LayerPhi(1, 1), 30);
  EXPECT_EQ(LayerBottomElev(1, 1), -200000);
  EXPECT_EQ(LayerBottomElev(2, 1), -200000);
  EXPECT_EQ(InputLine, "FINISHED ");
  EXPECT_FALSE(platform::files::IsOpen(InFileNum));  // closed at the termination line
  EXPECT_TRUE(services.boxes.boxes().empty());
}

TEST_F(InputFileTest, ReadsHandWrittenFilesInSmallLettersWithCommentsCrLfAndBom) {
  const std::string file =
      "\xEF\xBB\xBF(a problem typed by hand)\r\n"
      "  'sheet pile at pier 4\r\n"
      "\r\n"
      "control cantilever design 1.2\r\n"
      "   ( the wall )\r\n"
      "wall 12.5\r\n"
      "surface b 3 0 10\r\n"
      "  5 10\r\n"
      "(between continuation lines)\r\n"
      "  20 8\r\n"
      "soil both strengths 2 1.2\r\n"
      "  120 110 32 0 20 0 4 .1\r\n"
      "  125 115 0 800 0 400 1.3\r\n"
      "finished and more words\r\n"
      "this is never read\r\n";
  ASSERT_EQ(Read(file), 0);
  EXPECT_EQ(HeadingLines(1), "'SHEET PILE AT PIER 4 ");
  EXPECT_EQ(FSActive, 1.2);
  EXPECT_EQ(FSPassive, 1.2);  // a lone field 4 sets both
  EXPECT_EQ(WallTopElev, 12.5);
  for (int side = 1; side <= 2; ++side) {
    SCOPED_TRACE(side);
    EXPECT_EQ(NumSurfacePoints(side), 3);
    EXPECT_EQ(SurfaceDist(side, 3), 20);
    EXPECT_EQ(SurfaceElev(side, 3), 8);
    EXPECT_EQ(SoilDataType(side), "S");
    EXPECT_EQ(NumSoilLayers(side), 2);
    EXPECT_EQ(SideFSActive(side), 1.2);
    EXPECT_EQ(SideFSPassive(side), 0);
    EXPECT_EQ(LayerBottomElev(side, 1), 4);
    EXPECT_EQ(LayerBottomSlope(side, 1), 0.1);
    EXPECT_EQ(LayerWallFriction(side, 1), 20);
    EXPECT_EQ(LayerCohesion(side, 2), 800);
    EXPECT_EQ(LayerAdhesion(side, 2), 400);
    EXPECT_EQ(LayerFSActive(side, 2), 1.3);  // field 7 of the last layer
    EXPECT_EQ(LayerFSPassive(side, 2), 0);
    EXPECT_EQ(LayerBottomElev(side, 2), -200000);
  }
}

TEST_F(InputFileTest, ControlLineFactorsOfSafety) {
  const struct {
    const char* control;
    const char* wall;
    const char* runMode;
    double fsActive, fsPassive;
    int analysisOption;
  } cases[] = {
      {"control cantilever design", "WALL 10", "D", 1.0, 1.5, 0},
      {"CONTROL C D 1.2", "WALL 10", "D", 1.2, 1.2, 0},
      {"CONTROL C D 1.2 2", "WALL 10", "D", 1.2, 2.0, 0},
      {"CONTROL ANCHORED ANALYSIS", "WALL 10 8 -20 29E6 100", "A", 1.0, 1.5, 1},
      {"CONTROL ANCHORED ANALYSIS 1.3 9", "WALL 10 8 -20 29E6 100", "A", 1.3, 1.5, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control);
    std::string file = Replace(kSimpleProblem, "CONTROL CANTILEVER DESIGN", c.control);
    file = Replace(file, "WALL 10", c.wall);
    AnalysisFSOption = 0;
    ASSERT_EQ(Read(file), 0);
    EXPECT_EQ(RunMode, c.runMode);
    EXPECT_EQ(FSActive, c.fsActive);
    EXPECT_EQ(FSPassive, c.fsPassive);  // analysis leaves the reset's 1.5
    EXPECT_EQ(AnalysisFSOption, c.analysisOption);
  }
  EXPECT_EQ(WallType, "A");
  EXPECT_EQ(AnchorElev, 8);
  EXPECT_EQ(WallBottomElev, -20);
  EXPECT_EQ(WallModulusE, 29e6);
  EXPECT_EQ(WallInertia, 100);
}

TEST_F(InputFileTest, CountsRoundHalfToEven) {
  ASSERT_EQ(Read(Replace(kSimpleProblem, "SURFACE RIGHTSIDE 1 0 10",
                         "SURFACE RIGHTSIDE 2.5 0 10\n5 10")),
            0);
  EXPECT_EQ(NumSurfacePoints(1), 2);
  ASSERT_EQ(Read(Replace(kSimpleProblem, "SURFACE RIGHTSIDE 1 0 10",
                         "SURFACE RIGHTSIDE 3.5 0 10\n5 10\n6 10\n7 10")),
            0);
  EXPECT_EQ(NumSurfacePoints(1), 4);
}

TEST_F(InputFileTest, ReadsWaterSurchargesAndHorizontalLoads) {
  const std::string file = SimpleProblemEndingWith(
      "WATER ELEVATIONS 62.4 8 -2 -2 auto-whatever\n"
      "VERTICAL LINE B 2 2 500 6 800\n"
      "VERTICAL UNIFORM 0 250\n"
      "VERTICAL STRIP R 2 0 5 0\n"
      "  5 10 300\n"
      "VERTICAL RAMP L 0 4 100\n"
      "VERTICAL RAMP R 1 1 200\n"
      "VERTICAL TRIANGULAR LEFTSIDE 1 0 0 6 400\n"
      "VERTICAL VARIABLE R 3 0 100 5 200\n"
      "  5 50\n"
      "HORIZONTAL LINE 2 9 1000 7 -500\n"
      "HORIZONTAL DISTRIBUTED 3 10 0 5 200\n"
      "  0 -100\n"
      "FINISHED\n");
  ASSERT_EQ(Read(file), 0);
  EXPECT_EQ(WaterDataType, "E");
  EXPECT_EQ(WaterUnitWeight, 62.4);
  EXPECT_EQ(SeepageOption, "A");
  EXPECT_EQ(SeepageElev, -2);
  EXPECT_EQ(SeepageGradient(1), 0);
  // Line loads given for both sides.
  for (int side = 1; side <= 2; ++side) {
    EXPECT_EQ(NumLineLoads(side), 2);
    EXPECT_EQ(LineLoadDist(side, 1), 2);
    EXPECT_EQ(LineLoad(side, 1), 500);
    EXPECT_EQ(LineLoadDist(side, 2), 6);
    EXPECT_EQ(LineLoad(side, 2), 800);
  }
  EXPECT_EQ(NumUniformLoads(1), 0);
  EXPECT_EQ(NumUniformLoads(2), 1);
  EXPECT_EQ(UniformLoad(2), 250);
  EXPECT_EQ(NumStripLoads(1), 2);
  EXPECT_EQ(StripLoad(1, 1), 0);  // the first strip may carry 0
  EXPECT_EQ(StripEndDist(1, 2), 10);
  EXPECT_EQ(NumStripLoads(2), 0);
  EXPECT_EQ(NumRampLoads(1), 1);  // ramps come in either order
  EXPECT_EQ(NumRampLoads(2), 1);
  EXPECT_EQ(RampEndDist(1), 1);
  EXPECT_EQ(RampLoad(2), 100);
  EXPECT_EQ(NumTriangularLoads(2), 1);
  EXPECT_EQ(TriEndDist(2, 1), 6);
  EXPECT_EQ(NumVariablePoints(1), 3);
  EXPECT_EQ(VarLoadDist(1, 3), 5);  // equal distances allowed
  EXPECT_EQ(VarLoadValue(1, 3), 50);
  EXPECT_EQ(NumHorizLineLoads, 2);
  EXPECT_EQ(HorizLineLoad(2), -500);
  EXPECT_EQ(NumHorizDistPoints, 3);
  EXPECT_EQ(HorizDistElev(3), 0);
  EXPECT_EQ(HorizDistLoad(3), -100);
}

TEST_F(InputFileTest, WaterVariants) {
  ASSERT_EQ(Read(SimpleProblemEndingWith("WATER E 62.4 8 -2 -2 0.25\nFINISHED\n")), 0);
  EXPECT_EQ(SeepageOption, "G");
  EXPECT_EQ(SeepageGradient(1), 0.25);
  EXPECT_EQ(SeepageGradient(2), 0.25);

  ASSERT_EQ(Read(SimpleProblemEndingWith("WATER E 62.4 8 -2\nFINISHED\n")), 0);
  EXPECT_EQ(SeepageOption, "");

  ASSERT_EQ(Read(SimpleProblemEndingWith("WATER PRESSURES 3 10 0 5 300\n 0 0\nFINISHED\n")), 0);
  EXPECT_EQ(WaterDataType, "P");
  EXPECT_EQ(NumWaterPressPoints, 3);
  EXPECT_EQ(WaterPressValue(2), 300);
  EXPECT_EQ(WaterPressElev(3), 0);
}

TEST_F(InputFileTest, CoefficientSoil) {
  std::string file = Replace(kSimpleProblem, "SOIL RIGHTSIDE STRENGTHS 1\n120 110 30 0 0 0",
                             "SOIL R COEFFICIENTS 2 1.1 1.2\n120 110 .33 3 -5\n125 115 .3 3.5");
  ASSERT_EQ(Read(file), 0);
  EXPECT_EQ(SoilDataType(1), "C");
  EXPECT_EQ(SideFSActive(1), 1.1);
  EXPECT_EQ(SideFSPassive(1), 1.2);
  EXPECT_EQ(LayerKa(1, 1), 0.33);
  EXPECT_EQ(LayerKp(1, 2), 3.5);
  EXPECT_EQ(LayerBottomElev(1, 1), -5);
  EXPECT_EQ(LayerBottomElev(1, 2), -200000);
}

// ---- faults ----

TEST_F(InputFileTest, DataErrorsNameTheirSectionAndQuoteTheLine) {
  const struct {
    const char* what;
    std::string file;
    const char* section;
    const char* line;  // InputLine, with its appended blank
  } cases[] = {
      {"wall type", Replace(kSimpleProblem, "CONTROL CANTILEVER DESIGN", "CONTROL X DESIGN"),
       "CONTROL DATA", "CONTROL X DESIGN "},
      {"run mode", Replace(kSimpleProblem, "CONTROL CANTILEVER DESIGN", "CONTROL C Q"),
       "CONTROL DATA", "CONTROL C Q "},
      {"too few fields", Replace(kSimpleProblem, "CONTROL CANTILEVER DESIGN", "CONTROL C"),
       "CONTROL DATA", "CONTROL C "},
      {"not a control line", Replace(kSimpleProblem, "CONTROL CANTILEVER DESIGN", "KONTROL C D"),
       "CONTROL DATA", "KONTROL C D "},
      {"factor 0", Replace(kSimpleProblem, "CONTROL CANTILEVER DESIGN", "CONTROL C D 0"),
       "CONTROL DATA", "CONTROL C D 0 "},
      {"passive factor", Replace(kSimpleProblem, "CONTROL CANTILEVER DESIGN", "CONTROL C D 1 -1"),
       "CONTROL DATA", "CONTROL C D 1 -1 "},
      {"not numeric", Replace(kSimpleProblem, "CONTROL CANTILEVER DESIGN", "CONTROL C D 12ABC"),
       "CONTROL DATA", "CONTROL C D 12ABC "},
      {"infinite", Replace(kSimpleProblem, "WALL 10", "WALL 1E999"), "WALL DATA", "WALL 1E999 "},
      {"hexadecimal", Replace(kSimpleProblem, "WALL 10", "WALL 0x10"), "WALL DATA", "WALL 0X10 "},
      {"thousands", Replace(kSimpleProblem, "WALL 10", "WALL 1,000"), "WALL DATA", "WALL 1,000 "},
      {"wall missing", Replace(kSimpleProblem, "WALL 10\n", ""), "WALL DATA",
       "SURFACE RIGHTSIDE 1 0 10 "},
      {"anchor above top",
       Replace(Replace(kSimpleProblem, "CANTILEVER", "ANCHORED"), "WALL 10", "WALL 10 10.5"),
       "WALL DATA", "WALL 10 10.5 "},
      {"anchor missing", Replace(kSimpleProblem, "CANTILEVER", "ANCHORED"), "WALL DATA",
       "WALL 10 "},
      {"bottom at anchor",
       Replace(Replace(kSimpleProblem, "CANTILEVER DESIGN", "A A"), "WALL 10", "WALL 10 5 5 1 1"),
       "WALL DATA", "WALL 10 5 5 1 1 "},
      {"modulus 0",
       Replace(Replace(kSimpleProblem, "CANTILEVER DESIGN", "C A"), "WALL 10", "WALL 10 -5 0 1"),
       "WALL DATA", "WALL 10 -5 0 1 "},
      {"left side missing",
       Replace(kSimpleProblem, "SURFACE LEFTSIDE 1 0 0\n", ""), "SOIL SURFACE DATA",
       "SOIL RIGHTSIDE STRENGTHS 1 "},
      {"left before right",
       Replace(kSimpleProblem, "SURFACE RIGHTSIDE 1 0 10\nSURFACE LEFTSIDE 1 0 0",
               "SURFACE LEFTSIDE 1 0 0\nSURFACE RIGHTSIDE 1 0 10"),
       "SOIL SURFACE DATA", "SURFACE LEFTSIDE 1 0 0 "},
      {"right twice", Replace(kSimpleProblem, "SURFACE LEFTSIDE", "SURFACE RIGHTSIDE"),
       "SOIL SURFACE DATA", "SURFACE RIGHTSIDE 1 0 0 "},
      {"side word", Replace(kSimpleProblem, "SURFACE RIGHTSIDE", "SURFACE X"),
       "SOIL SURFACE DATA", "SURFACE X 1 0 10 "},
      {"12 points", Replace(kSimpleProblem, "SURFACE RIGHTSIDE 1", "SURFACE RIGHTSIDE 12"),
       "SOIL SURFACE DATA", "SURFACE RIGHTSIDE 12 0 10 "},
      {"count beyond 16 bits",
       Replace(kSimpleProblem, "SURFACE RIGHTSIDE 1", "SURFACE RIGHTSIDE 65537"),
       "SOIL SURFACE DATA", "SURFACE RIGHTSIDE 65537 0 10 "},
      {"huge count", Replace(kSimpleProblem, "SURFACE RIGHTSIDE 1", "SURFACE RIGHTSIDE 1E300"),
       "SOIL SURFACE DATA", "SURFACE RIGHTSIDE 1E300 0 10 "},
      {"negative distance", Replace(kSimpleProblem, "SURFACE RIGHTSIDE 1 0", "SURFACE R 1 -1"),
       "SOIL SURFACE DATA", "SURFACE R 1 -1 10 "},
      {"surface above top", Replace(kSimpleProblem, "SURFACE RIGHTSIDE 1 0 10", "SU R 1 0 10.01"),
       "SOIL SURFACE DATA", "SU R 1 0 10.01 "},
      {"distances not increasing",
       Replace(kSimpleProblem, "SURFACE RIGHTSIDE 1 0 10", "SURFACE R 2 5 10\n5 9"),
       "SOIL SURFACE DATA", "5 9 "},
      {"soil missing",
       Replace(kSimpleProblem, "SOIL RIGHTSIDE STRENGTHS 1\n120 110 30 0 0 0\n", ""),
       "SOIL LAYER DATA", "SOIL LEFTSIDE STRENGTHS 1 "},
      {"soil type", Replace(kSimpleProblem, "SOIL RIGHTSIDE STRENGTHS", "SOIL R X"),
       "SOIL LAYER DATA", "SOIL R X 1 "},
      {"phi above 45", Replace(kSimpleProblem, "120 110 30 0 0 0\nSOIL L", "120 110 45.5 0 0 0\nSOIL L"),
       "SOIL LAYER DATA", "120 110 45.5 0 0 0 "},
      {"phi and c both 0", Replace(kSimpleProblem, "120 110 30 0 0 0\nSOIL L", "120 110 0 0 0 0\nSOIL L"),
       "SOIL LAYER DATA", "120 110 0 0 0 0 "},
      {"wall friction above phi",
       Replace(kSimpleProblem, "120 110 30 0 0 0\nSOIL L", "120 110 30 0 31 0\nSOIL L"),
       "SOIL LAYER DATA", "120 110 30 0 31 0 "},
      {"adhesion above cohesion",
       Replace(kSimpleProblem, "120 110 30 0 0 0\nSOIL L", "120 110 0 500 0 501\nSOIL L"),
       "SOIL LAYER DATA", "120 110 0 500 0 501 "},
      {"layer without bottom",
       Replace(kSimpleProblem, "SOIL RIGHTSIDE STRENGTHS 1\n120 110 30 0 0 0",
               "SOIL R S 2\n120 110 30 0 0 0 5\n120 110 30 0 0 0"),
       "SOIL LAYER DATA", "120 110 30 0 0 0 5 "},
      {"bottoms not falling",
       Replace(kSimpleProblem, "SOIL RIGHTSIDE STRENGTHS 1\n120 110 30 0 0 0",
               "SOIL R S 3\n120 110 30 0 0 0 5 0\n120 110 30 0 0 0 5 0\n120 110 30 0 0 0"),
       "SOIL LAYER DATA", "120 110 30 0 0 0 5 0 "},
      {"negative layer factor",
       Replace(kSimpleProblem, "120 110 30 0 0 0\nSOIL L", "120 110 30 0 0 0 1 -1\nSOIL L"),
       "SOIL LAYER DATA", "120 110 30 0 0 0 1 -1 "},
      {"unknown line after soil", SimpleProblemEndingWith("XYZ\nFINISHED\n"), "TERMINATION",
       "XYZ "},
      {"water type", SimpleProblemEndingWith("WATER X 62.4 8 8\nFINISHED\n"), "WATER DATA",
       "WATER X 62.4 8 8 "},
      {"water weight", SimpleProblemEndingWith("WATER E 0 8 8\nFINISHED\n"), "WATER DATA",
       "WATER E 0 8 8 "},
      {"seepage without head difference",
       SimpleProblemEndingWith("WATER E 62.4 8 8 0 A\nFINISHED\n"), "WATER DATA",
       "WATER E 62.4 8 8 0 A "},
      {"seepage without gradient", SimpleProblemEndingWith("WATER E 62.4 8 -2 -2\nFINISHED\n"),
       "WATER DATA", "WATER E 62.4 8 -2 -2 "},
      {"seepage elevation too high",
       SimpleProblemEndingWith("WATER E 62.4 8 -2 9 A\nFINISHED\n"), "WATER DATA",
       "WATER E 62.4 8 -2 9 A "},
      {"gradient 0", SimpleProblemEndingWith("WATER E 62.4 8 -2 -2 0\nFINISHED\n"),
       "WATER DATA", "WATER E 62.4 8 -2 -2 0 "},
      {"pressures not falling",
       SimpleProblemEndingWith("WATER P 3 10 0 5 300\n5 0\nFINISHED\n"), "WATER DATA", "5 0 "},
      {"second water line",
       SimpleProblemEndingWith("WATER E 62.4 8 8\nWATER E 62.4 8 8\nFINISHED\n"), "TERMINATION",
       "WATER E 62.4 8 8 "},
      {"unknown vertical kind", SimpleProblemEndingWith("VERTICAL Q R 1 1\nFINISHED\n"),
       "SOIL LAYER DATA", "VERTICAL Q R 1 1 "},
      {"vertical line of one field", SimpleProblemEndingWith("VERTICAL\nFINISHED\n"),
       "SOIL LAYER DATA", "VERTICAL "},
      {"line loads count 5.6",
       SimpleProblemEndingWith("VERTICAL LINE R 5.6 1 1 2 1 3 1 4 1 5 1 6 1\nFINISHED\n"),
       "VERTICAL LINE LOADS", "VERTICAL LINE R 5.6 1 1 2 1 3 1 4 1 5 1 6 1 "},
      {"line load missing", SimpleProblemEndingWith("VERTICAL LINE R 2 1 100 2\nFINISHED\n"),
       "VERTICAL LINE LOADS", "VERTICAL LINE R 2 1 100 2 "},
      {"line load 0", SimpleProblemEndingWith("VERTICAL LINE R 1 1 0\nFINISHED\n"),
       "VERTICAL LINE LOADS", "VERTICAL LINE R 1 1 0 "},
      {"side word missing", SimpleProblemEndingWith("VERTICAL UNIFORM 100\nVERTICAL STRIP\nF\n"),
       "VERTICAL STRIP LOADS", "VERTICAL STRIP "},
      {"kind out of order",
       SimpleProblemEndingWith("VERTICAL STRIP R 1 0 5 100\nVERTICAL LINE R 1 1 100\nF\n"),
       "VERTICAL STRIP LOADS", "VERTICAL LINE R 1 1 100 "},
      {"right strip after left",
       SimpleProblemEndingWith("VERTICAL STRIP L 1 0 5 100\nVERTICAL STRIP R 1 0 5 100\nF\n"),
       "VERTICAL STRIP LOADS", "VERTICAL STRIP R 1 0 5 100 "},
      {"strip after both",
       SimpleProblemEndingWith("VERTICAL STRIP B 1 0 5 100\nVERTICAL STRIP L 1 0 5 100\nF\n"),
       "VERTICAL STRIP LOADS", "VERTICAL STRIP L 1 0 5 100 "},
      {"second strip carries 0",
       SimpleProblemEndingWith("VERTICAL STRIP R 2 0 5 0\n5 10 0\nF\n"), "VERTICAL STRIP LOADS",
       "5 10 0 "},
      {"strip of no width", SimpleProblemEndingWith("VERTICAL STRIP R 1 5 5 100\nF\n"),
       "VERTICAL STRIP LOADS", "VERTICAL STRIP R 1 5 5 100 "},
      {"ramp load 0", SimpleProblemEndingWith("VERTICAL RAMP R 0 5 0\nF\n"),
       "VERTICAL RAMP LOADS", "VERTICAL RAMP R 0 5 0 "},
      {"two right ramps",
       SimpleProblemEndingWith("VERTICAL RAMP R 0 5 1\nVERTICAL RAMP R 0 5 1\nF\n"),
       "VERTICAL RAMP LOADS", "VERTICAL RAMP R 0 5 1 "},
      {"triangle of no width", SimpleProblemEndingWith("VERTICAL TRI R 1 3 3 3 100\nF\n"),
       "VERTICAL TRIANGULAR LOADS", "VERTICAL TRI R 1 3 3 3 100 "},
      {"triangle peak before start", SimpleProblemEndingWith("VERTICAL TRI R 1 3 2 5 100\nF\n"),
       "VERTICAL TRIANGULAR LOADS", "VERTICAL TRI R 1 3 2 5 100 "},
      {"one variable point", SimpleProblemEndingWith("VERTICAL VAR R 1 0 1 2 3\nF\n"),
       "VERTICAL VARIABLE LOADS", "VERTICAL VAR R 1 0 1 2 3 "},
      {"variable distances falling",
       SimpleProblemEndingWith("VERTICAL VAR R 3 0 1 2 3\n1.5 3\nF\n"),
       "VERTICAL VARIABLE LOADS", "1.5 3 "},
      {"horizontal kind", SimpleProblemEndingWith("HORIZONTAL X 1 1 1\nF\n"), "HORIZONTAL LOADS",
       "HORIZONTAL X 1 1 1 "},
      {"horizontal load missing", SimpleProblemEndingWith("HORIZONTAL LINE 2 9 1000 7\nF\n"),
       "HORIZONTAL LOADS", "HORIZONTAL LINE 2 9 1000 7 "},
      {"two horizontal line lines",
       SimpleProblemEndingWith("HORIZONTAL LINE 1 9 1\nHORIZONTAL LINE 1 9 1\nF\n"),
       "HORIZONTAL LOADS", "HORIZONTAL LINE 1 9 1 "},
      {"distributed elevations rising",
       SimpleProblemEndingWith("HORIZONTAL DIST 2 0 1 5 1\nF\n"), "HORIZONTAL LOADS",
       "HORIZONTAL DIST 2 0 1 5 1 "},
      {"horizontal line above top", SimpleProblemEndingWith("HORIZONTAL LINE 2 9 1 10.01 1\nF\n"),
       "HORIZONTAL LOADS", "HORIZONTAL LINE 2 9 1 10.01 1 "},
      {"distributed load above top", SimpleProblemEndingWith("HORIZONTAL DIST 2 10.01 1 5 1\nF\n"),
       "HORIZONTAL LOADS", "HORIZONTAL DIST 2 10.01 1 5 1 "},
      {"horizontal line after distributed",
       SimpleProblemEndingWith("HORIZONTAL DIST 2 5 1 0 1\nHORIZONTAL LINE 1 9 1\nF\n"),
       "TERMINATION", "HORIZONTAL LINE 1 9 1 "},
      {"vertical after horizontal",
       SimpleProblemEndingWith("HORIZONTAL LINE 1 9 1\nVERTICAL UNIFORM 100\nF\n"),
       "TERMINATION", "VERTICAL UNIFORM 100 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = WriteFile("faulty.dat", c.file);
    services.boxes.clear();
    services.boxes.expect("DATA ERROR IN INPUT FILE: " + path, Answer::OK);
    EXPECT_EQ(ReadPath(path), 1);
    EXPECT_EQ(AbortRun, 1);
    ASSERT_EQ(services.boxes.boxes().size(), 1u);
    EXPECT_EQ(services.boxes.boxes()[0].text, DataErrorText(c.section, c.line));
    EXPECT_EQ(services.boxes.boxes()[0].buttons, 48);
    EXPECT_FALSE(platform::files::IsOpen(InFileNum));
  }
}

TEST_F(InputFileTest, AValueIsStoredBeforeItIsTested) {
  services.boxes.expect(Answer::OK);
  EXPECT_EQ(Read(Replace(kSimpleProblem, "120 110 30 0 0 0\nSOIL L", "120 110 46 0 0 0\nSOIL L")), 1);
  EXPECT_EQ(LayerPhi(1, 1), 46);
}

TEST_F(InputFileTest, HeadingFaults) {
  services.boxes.expect("INPUT DATA ERRORS", Answer::OK);
  EXPECT_EQ(Read("'1\n'2\n'3\n'4\n'five\nCONTROL C D\n"), 1);
  EXPECT_EQ(services.boxes.boxes()[0].text,
            "Number of HEADING LINES is greater than 4.\nCurrent input line is:\n\n'FIVE \n\n"
            "Unable to continue.");
  EXPECT_EQ(services.boxes.boxes()[0].buttons, 48);

  services.boxes.clear();
  services.boxes.expect("INPUT DATA ERRORS", Answer::OK);
  EXPECT_EQ(Read("(no heading)\nCONTROL C D\nWALL 10\n"), 1);
  EXPECT_EQ(services.boxes.boxes()[0].text,
            "At least one HEADING LINE is required.\nCurrent input line is:\n\nCONTROL C D \n\n"
            "Unable to continue.");
}

TEST_F(InputFileTest, AnalysisWallBottomMustLieBelowBothSurfaces) {
  std::string file = Replace(kSimpleProblem, "CONTROL CANTILEVER DESIGN", "CONTROL C A");
  file = Replace(file, "WALL 10", "WALL 10 0 29E6 100");  // bottom at the dredge line
  services.boxes.expect("INPUT DATA ERRORS", Answer::OK);
  EXPECT_EQ(Read(file), 1);
  EXPECT_EQ(services.boxes.boxes()[0].text,
            "WALL BOTTOM ELEVATION AND SOIL SURFACE ELEVATIONS\n     ARE INCONSISTENT.\n\n"
            "  Unable to continue.");
  EXPECT_EQ(InputLine, "SURFACE LEFTSIDE 1 0 0 ");  // checked before the soil lines

  services.boxes.clear();
  EXPECT_EQ(Read(Replace(file, "WALL 10 0 ", "WALL 10 -0.01 ")), 0);
}

TEST_F(InputFileTest, AnEndOfFileAnywhereGivesOnlyTheIncompleteMessage) {
  const std::string full = SimpleProblemEndingWith(
      "WATER P 3 10 0 5 300\n0 0\nVERTICAL STRIP R 2 0 5 100\n5 10 300\nHORIZONTAL LINE 1 9 1\n"
      "FINISHED\n");
  // Cut the file after every line but the last: each cut must give the same message.
  std::size_t cut = 0;
  int cuts = 0;
  for (;;) {
    cut = full.find('\n', cut);
    if (cut + 1 >= full.size()) break;
    ++cut;
    const std::string path = WriteFile("cut.dat", full.substr(0, cut) + "(comment only)\n");
    SCOPED_TRACE(full.substr(0, cut));
    services.boxes.clear();
    services.boxes.expect("INCOMPLETE INPUT FILE!", Answer::OK);
    EXPECT_EQ(ReadPath(path), 1);
    ASSERT_EQ(services.boxes.boxes().size(), 1u);
    EXPECT_EQ(services.boxes.boxes()[0].text,
              "File:  " + path + "  is incomplete.\n\n     Unable to continue.");
    ++cuts;
  }
  EXPECT_EQ(cuts, 14);

  for (const char* empty : {"", "(only a comment)\n\n   \n"}) {
    services.boxes.clear();
    services.boxes.expect("INCOMPLETE INPUT FILE!", Answer::OK);
    EXPECT_EQ(Read(empty), 1);
  }
}
