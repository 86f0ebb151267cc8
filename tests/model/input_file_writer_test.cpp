#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <unistd.h>

#include "input_file_fixture.h"
#include "model/input_echo.h"
#include "platform/recording_canvas.h"
#include "platform/text_printer.h"
#include "rich_problems.h"

namespace {

// The input data section of the problem in memory, as the report file holds it.
std::string EchoBytes() {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("queldar-echo-" + std::to_string(getpid()))).string();
  CurrentOutputFile = path;
  OutFileNum = platform::files::FreeFile();
  EXPECT_TRUE(platform::files::Open(path, platform::files::Mode::Output, OutFileNum));
  WriteInputEcho();
  platform::files::Close(OutFileNum);
  const std::string bytes = support::ReadBytes(path);
  std::filesystem::remove(path);
  return bytes;
}

}  // namespace

// In the expected lines below, "  " is a two-blank separator and " x " a printed number
// (its sign place and the blank after it), as the format writes them.
TEST_F(InputFileTest, WritesTheSimpleProblemLineByLine) {
  ASSERT_EQ(Read(kSimpleProblem), 0);
  const auto lines = CrLfLines(WriteProblem("written.dat"));
  const std::string layer = std::string("  ") + " 120 " + "  " + " 110 " + "  " + " 30 " + "  " +
                            " 0 " + "  " + " 0 " + "  " + " 0 " + "  " + " " + "  " + " " + "  " + " ";
  const std::vector<std::string> expected = {
      "'SIMPLE WALL ",
      "CONTROL  CANTILEVER  DESIGN  1.00  1.50",
      "WALL   10       ",  // WALL, three blanks, 10, seven blanks
      "SURFACE RIGHTSIDE   1    0    10 ",
      "SURFACE LEFTSIDE   1    0    0 ",
      "SOIL RIGHTSIDE  STRENGTHS   1       ",
      layer,
      "SOIL LEFTSIDE  STRENGTHS   1       ",
      layer,
      "FINISHED",
  };
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(InputLineCount, static_cast<int>(expected.size()));
}

TEST_F(InputFileTest, WriterLinesForFactorsAndSmallNumbers) {
  ASSERT_EQ(Read(kRichPressures), 0);
  auto lines = CrLfLines(WriteProblem("a.dat"));
  ASSERT_EQ(lines.size(), 16u);
  // Anchored analysis with one factor for both sides: two empty factors.
  EXPECT_EQ(lines[1], "CONTROL  ANCHORED  ANALYSIS    ");
  EXPECT_EQ(lines[2], "WALL   10    8  -15   29000000   100");
  EXPECT_EQ(lines[7], std::string("  ") + " 125 " + "  " + " 115 " + "  " + " .3 " + "  " +
                          " 3.3 " + "  " + " ");
  EXPECT_EQ(lines[12], sp(17) + " 0 " + "  " + " 312 ");
  // Only the left side has a uniform load: the right side is written as 0.
  EXPECT_EQ(lines[14], "VERTICAL UNIFORM   0    250 ");

  ASSERT_EQ(Read(kRichDesign), 0);
  lines = CrLfLines(WriteProblem("b.dat"));
  ASSERT_EQ(lines.size(), 37u);
  EXPECT_EQ(lines[2], "CONTROL  ANCHORED  DESIGN  1.25  1.75");
  // A zero active factor before a passive one is written as 0; both zero leave blanks.
  EXPECT_EQ(lines[10], "SOIL RIGHTSIDE  STRENGTHS   3    0   1.5");
  EXPECT_EQ(lines[13], std::string("  ") + " 130 " + "  " + " 120 " + "  " + " 36 " + "  " +
                           " 0 " + "  " + " 24 " + "  " + " 0 " + "  " + " " + "  " + " 0" +
                           "  " + " 1.6");
  EXPECT_EQ(lines[14], "SOIL LEFTSIDE  COEFFICIENTS   2 ");
  EXPECT_EQ(lines[16], std::string("  ") + " 130 " + "  " + " 120 " + "  " + " .26 " + "  " +
                           " 6 " + "  " + " ");
  EXPECT_EQ(lines[17], "WATER ELEVATIONS   62.4    15    2    2   .0125");
  EXPECT_EQ(lines[18], "VERTICAL LINE  RIGHTSIDE   2   2   500   6   800.5");
  EXPECT_EQ(lines[22], sp(20) + " 5 " + "  " + " 10 " + "  " + " 300 ");
  EXPECT_EQ(lines[32], "VERTICAL VARIABLE  LEFTSIDE   2    .5    1000    12    0 ");
  EXPECT_EQ(lines[33], "HORIZONTAL LINE   2   19   1000   7  -500");
  EXPECT_EQ(lines[36], "FINISHED");
}

TEST_F(InputFileTest, WrittenProblemsReadBackTheSame) {
  for (const char* file : {kRichDesign, kRichAnalysis, kRichPressures}) {
    SCOPED_TRACE(file);
    ASSERT_EQ(Read(file), 0);
    const std::string before = ProblemDump();
    const std::string echoBefore = EchoBytes();
    const std::string written = WriteProblem("written.dat");
    const int lines = InputLineCount;
    EXPECT_EQ(static_cast<int>(CrLfLines(written).size()), lines);
    ASSERT_EQ(ReadPath(written), 0);
    EXPECT_EQ(ProblemDump(), before);
    EXPECT_EQ(EchoBytes(), echoBefore);  // the same input data section
    // And once more: the writer's output is stable.
    const std::string again = WriteProblem("again.dat");
    EXPECT_EQ(ReadBytes(again), ReadBytes(written));
  }
}

TEST_F(InputFileTest, TheDocumentedDifferencesAfterWritingAndReading) {
  // Keyboard entry can hold what a file cannot give back: small letters, side factors on
  // a coefficient soil, 16+ significant digits. Factors of safety come back whole.
  ASSERT_EQ(Read(kRichDesign), 0);
  HeadingLines(1) = "'lower case";
  FSActive = 1.234;
  SideFSActive(2) = 1.5;
  SurfaceDist(1, 2) = 0.1 + 0.2;  // 0.30000000000000004
  ASSERT_EQ(ReadPath(WriteProblem("diff.dat")), 0);
  EXPECT_EQ(HeadingLines(1), "'LOWER CASE ");
  EXPECT_EQ(FSActive, 1.234);
  EXPECT_EQ(SideFSActive(2), 0);
  EXPECT_EQ(SurfaceDist(1, 2), 0.3);
  EXPECT_EQ(LayerBottomElev(1, 3), -200000);
}

TEST_F(InputFileTest, FactorsOfSafetyKeepTwoDecimalsOnlyWhenTheyReadBackTheSame) {
  struct Case {
    const char* control;  // as the file gives it
    const char* written;  // as the writer gives it back
    double active, passive;
  } cases[] = {
      {"CONTROL CANTILEVER DESIGN 1 1.5", "CONTROL  CANTILEVER  DESIGN  1.00  1.50", 1, 1.5},
      // Three decimals were written as "1.00  1.51" and designed another wall.
      {"CONTROL CANTILEVER DESIGN 1.004 1.506", "CONTROL  CANTILEVER  DESIGN  1.004  1.506", 1.004, 1.506},
      // "0.00" would be refused by the reader.
      {"CONTROL CANTILEVER DESIGN .001 0.00001", "CONTROL  CANTILEVER  DESIGN  .001  1E-05", 0.001, 0.00001},
      {"CONTROL CANTILEVER DESIGN 123.456 1E3", "CONTROL  CANTILEVER  DESIGN  123.456  1000.00", 123.456, 1000},
      {"CONTROL CANTILEVER ANALYSIS 1.2345", "CONTROL  CANTILEVER  ANALYSIS  1.2345  ", 1.2345, 0},
      {"CONTROL CANTILEVER ANALYSIS 0.1", "CONTROL  CANTILEVER  ANALYSIS  0.10  ", 0.1, 0},
  };
  const std::string rest =
      "WALL 10 -10 29E6 100\nSURFACE RIGHTSIDE 1 0 10\nSURFACE LEFTSIDE 1 0 0\n"
      "SOIL BOTH STRENGTHS 1\n100 100 30 0 0 0\nFINISHED\n";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control);
    const std::string file = "'FACTORS\n" + std::string(c.control) + "\n" + rest;
    ASSERT_EQ(Read(file.c_str()), 0);
    const std::string written = WriteProblem("factors.dat");
    EXPECT_EQ(CrLfLines(written)[1], c.written);
    ASSERT_EQ(ReadPath(written), 0);
    EXPECT_EQ(FSActive, c.active);
    if (RunMode == "D") {
      EXPECT_EQ(FSPassive, c.passive);
    }
  }
}

TEST_F(InputFileTest, Utf8HeadingsKeepTheirCharactersInTheReportAndTheWrittenFile) {
  const std::string rest =
      "CONTROL CANTILEVER DESIGN\nWALL 10\nSURFACE RIGHTSIDE 1 0 10\nSURFACE LEFTSIDE 1 0 0\n"
      "SOIL BOTH STRENGTHS 1\n100 100 30 0 0 0\nFINISHED\n";
  const struct {
    const char* heading;
    const char* kept;
  } cases[] = {
      {"'Quay wall \xe2\x80\x93 caf\xc3\xa9", "'QUAY WALL \xe2\x80\x93 CAF\xc3\xa9 "},
      {"'Quay wall caf\xe9", "'QUAY WALL CAF\xc9 "},  // Latin-1
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.heading);
    ASSERT_EQ(Read(std::string(c.heading) + "\n" + rest), 0);
    EXPECT_EQ(HeadingLines(1), c.kept);
    EXPECT_EQ(CrLfLines(WriteProblem("heading.dat"))[0], c.kept);
    EXPECT_NE(EchoBytes().find(std::string(c.kept).substr(1)), std::string::npos);
  }
}

TEST_F(InputFileTest, ThePrinterGetsTheSameLinesAndTheSameCount) {
  ASSERT_EQ(Read(kRichDesign), 0);
  const auto fileLines = CrLfLines(WriteProblem("file.dat"));
  const int fileCount = InputLineCount;

  platform::RecordingPrinterFactory printers;
  auto job = printers.open("Input File");
  platform::setTextPrinter(job.get());
  std::string target = "PRINTER";
  WriteInputData(target);
  platform::setTextPrinter(nullptr);

  ASSERT_EQ(printers.documents.size(), 1u);
  EXPECT_EQ(printers.documents[0].endDocCalls, 1);  // the writer ends the job
  EXPECT_TRUE(printers.documents[0].pages.empty());
  EXPECT_EQ(printers.documents[0].lines, fileLines);
  EXPECT_EQ(InputLineCount, fileCount);
}
