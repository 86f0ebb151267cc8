// Runs the built solve_file the way a user or a script does, and checks what it prints,
// what it writes and its exit status.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "support/solve_file_runner.h"

namespace fs = std::filesystem;

namespace {

using RunResult = support::SolveFileRun;

class SolveFileTest : public support::ScratchDirTest {
 protected:
  static RunResult Solve(const std::vector<std::string>& args) { return support::RunSolveFile(args); }
};

const char* const kProblem =
    "'A CANTILEVER WALL\n"
    "CONTROL CANTILEVER DESIGN\n"
    "WALL 10\n"
    "SURFACE RIGHTSIDE 1 0 10\n"
    "SURFACE LEFTSIDE 1 0 0\n"
    "SOIL BOTH STRENGTHS 1\n"
    "120 110 30 0 0 0\n"
    "FINISHED\n";

}  // namespace

TEST_F(SolveFileTest, AValidFileGivesInputCompleteAndAReport) {
  const std::string input = WriteFile("wall.dat", kProblem);
  const std::string report = PathOf("wall.out");
  const RunResult run = Solve({input, report});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "=== INPUT COMPLETE [64]\nInput file processed: " + input +
                            "\n\n     No errors detected.\n===\n");
  const std::string text = ReadBytes(report);
  EXPECT_EQ(text.rfind("  PROGRAM QUELDAR-DESIGN/ANALYSIS OF ANCHORED OR CANTILEVER SHEET PILE WALLS\r\n", 0), 0u);
  EXPECT_NE(text.find("*  INPUT DATA  *\r\n"), std::string::npos);
  EXPECT_NE(text.find("       'A CANTILEVER WALL \r\n"), std::string::npos);
  // The input section ends with its water data and five blank lines; the soil pressure
  // section of the design follows with five blank lines of its own.
  std::string between = "NONE";
  for (int i = 0; i < 11; ++i) between += "\r\n";
  EXPECT_NE(text.find(between + "  PROGRAM QUELDAR"),
            std::string::npos);
}

TEST_F(SolveFileTest, DesignWritesTheSoilPressureSectionAndDiscontinueEndsThere) {
  const std::string input = WriteFile("wall.dat", kProblem);
  for (const char* option : {"", "--discontinue"}) {
    SCOPED_TRACE(option);
    const std::string report = PathOf(std::string("wall") + option + ".out");
    std::vector<std::string> args = {input, report};
    if (*option) args.insert(args.begin(), option);
    const RunResult run = Solve(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output.find("=== ", 1), std::string::npos) << run.output;  // INPUT COMPLETE only
    const std::string text = ReadBytes(report);
    EXPECT_NE(text.find("*   SOIL PRESSURES FOR   *\r\n"), std::string::npos);
    EXPECT_NE(text.find("RIGHTSIDE SOIL PRESSURES DETERMINED BY COULOMB COEFFICIENTS\r\n"),
              std::string::npos);
  }
}

TEST_F(SolveFileTest, WedgeOptionAnswersTheWedgeMethodChooser) {
  std::string problem = kProblem;
  // A second ground point behind the wall makes the right side a wedge side.
  problem.replace(problem.find("SURFACE RIGHTSIDE 1 0 10\n"), 25, "SURFACE RIGHTSIDE 2 0 10\n                    20 10\n");
  const std::string input = WriteFile("wedge.dat", problem);
  struct Case {
    std::vector<std::string> options;
    const char* method;
  };
  for (const Case& c : {Case{{}, "SWEEP SEARCH"}, Case{{"--wedge", "S"}, "SWEEP SEARCH"},
                        Case{{"--wedge", "F"}, "FIXED SURFACE"}}) {
    SCOPED_TRACE(c.method);
    const std::string report = PathOf("wedge.out");
    std::vector<std::string> args = c.options;
    args.push_back(input);
    args.push_back(report);
    const RunResult run = Solve(args);
    EXPECT_EQ(run.status, 0) << run.output;
    const std::string text = ReadBytes(report);
    EXPECT_NE(text.find("RIGHTSIDE SOIL PRESSURES DETERMINED BY " + std::string(c.method) +
                        " WEDGE METHOD.\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("LEFTSIDE SOIL PRESSURES DETERMINED BY COULOMB COEFFICIENTS\r\n"),
              std::string::npos);
  }
  EXPECT_EQ(Solve({"--wedge", "X", input, PathOf("r.out")}).status, 2);
  EXPECT_EQ(Solve({input, PathOf("r.out"), "--wedge"}).status, 2);
}

TEST_F(SolveFileTest, AFailedPressurePassWritesNoSoilPressureSection) {
  std::string problem = kProblem;
  // Left soil too weak for any passive resistance.
  problem.replace(problem.find("SOIL BOTH STRENGTHS 1\n120 110 30 0 0 0\n"), 38,
                  "SOIL RIGHTSIDE STRENGTHS 1\n120 110 30 0 0 0\n"
                  "SOIL LEFTSIDE COEFFICIENTS 1\n120 110 0.2 0.2\n");
  const std::string input = WriteFile("weak.dat", problem);
  const std::string report = PathOf("weak.out");
  const RunResult run = Solve({input, report});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("=== INVALID NET ACTIVE PRESSURE DISTRIBUTION [0]\n"), std::string::npos)
      << run.output;
  EXPECT_EQ(ReadBytes(report).find("SOIL PRESSURES FOR"), std::string::npos);
}

// Seepage that leaves the soil in front of the wall without weight stops the pressures;
// that box is the only one, since the net diagrams of an ended solution are not made.
TEST_F(SolveFileTest, AStoppedPressurePassShowsOnlyItsOwnBox) {
  const std::string input = WriteFile("seep.dat",
                                      "'SEEPAGE TOO STRONG\n"
                                      "CONTROL CANTILEVER DESIGN 1.0 1.5\n"
                                      "WALL 10\n"
                                      "SURFACE RIGHTSIDE 1 0 10\n"
                                      "SURFACE LEFTSIDE 1 0 0\n"
                                      "SOIL BOTH STRENGTHS 1\n"
                                      "100 100 30 0 0 0\n"
                                      "WATER ELEVATIONS 62.4 10 0 10 0.9\n"  // (1 + 0.9) 62.4 > 100
                                      "FINISHED\n");
  const RunResult run = Solve({input, PathOf("seep.out")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("=== IMPROPER SOIL WEIGHT [0]\n"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("INVALID NET ACTIVE PRESSURE DISTRIBUTION"), std::string::npos) << run.output;
}

// A horizontal load pulling the wall back toward its retained side, under a strong
// embedment: both methods balance only with the anchor pushing the wall. A tie rod cannot
// push, so the design stops rather than report a negative anchor force as a result.
TEST_F(SolveFileTest, ADesignThatNeedsTheAnchorToPushStops) {
  const std::string input = WriteFile("push.dat",
                                      "'ANCHOR IN COMPRESSION\n"
                                      "CONTROL ANCHORED DESIGN 0.84 1.35\n"
                                      "WALL 11.8 9.7\n"
                                      "SURFACE RIGHTSIDE 1 0 11.8\n"
                                      "SURFACE LEFTSIDE 1 0 5.2\n"
                                      "SOIL RIGHTSIDE STRENGTHS 1\n"
                                      "111 109 39.6 0 0 0\n"
                                      "SOIL LEFTSIDE STRENGTHS 1\n"
                                      "113 103 22.9 995 0 0\n"
                                      "WATER ELEVATIONS 62.4 2.8 1.3\n"
                                      "HORIZONTAL LINE 1 9.5 -402\n"
                                      "FINISHED\n");
  const std::string report = PathOf("push.out");
  const RunResult run = Solve({input, report});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("=== QUELDAR [0]\nCONDITIONS ENCOUNTERED WHERE ANCHORED WALL TENDS\n"
                            "TO ROTATE COUNTERCLOCKWISE ABOUT ANCHOR OR\nANCHOR FORCE IS COMPRESSION.\n"
                            "\n     UNABLE TO CONTINUE.\n==="),
            std::string::npos)
      << run.output;
  EXPECT_EQ(ReadBytes(report).find("ANCHOR FORCE (LB)"), std::string::npos);
}

TEST_F(SolveFileTest, AnAnalysisSeepagePathOfNoLengthStops) {
  const std::string input = WriteFile("path.dat",
                                      "'ANALYSIS WITH THE LEFT WATER BELOW THE WALL BOTTOM\n"
                                      "CONTROL CANTILEVER ANALYSIS\n"
                                      "WALL 10 -10 29E6 38.3\n"
                                      "SURFACE RIGHTSIDE 1 0 10\n"
                                      "SURFACE LEFTSIDE 1 0 0\n"
                                      "SOIL BOTH STRENGTHS 1\n"
                                      "120 110 30 0 0 0\n"
                                      "WATER ELEVATIONS 62.4 8 -20 0 AUTOMATIC\n"
                                      "FINISHED\n");
  const RunResult run = Solve({input, PathOf("path.out")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("=== IMPROPER SEEPAGE PATH [0]\nSeepage path length is zero or "
                            "negative\n     for the given wall bottom.\n\nUNABLE TO CONTINUE.\n==="),
            std::string::npos)
      << run.output;
}

TEST_F(SolveFileTest, AFaultyFileGivesItsMessageAndStatusOne) {
  std::string bad = kProblem;
  bad.replace(bad.find("120 110 30"), 10, "120 110 50");
  const std::string input = WriteFile("bad.dat", bad);
  const std::string report = PathOf("bad.out");
  const RunResult run = Solve({input, report});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "=== DATA ERROR IN INPUT FILE: " + input +
                            " [48]\nError detected while attempting to process SOIL LAYER DATA\n"
                            "Current input line is:\n\n120 110 50 0 0 0 \n\nUnable to continue.\n===\n");
  EXPECT_FALSE(fs::exists(report));  // a failed Open writes no report
}

TEST_F(SolveFileTest, UsageErrorsAndUnreadableInputGiveStatusTwo) {
  EXPECT_EQ(Solve({}).status, 2);
  EXPECT_EQ(Solve({"only-one"}).status, 2);
  EXPECT_EQ(Solve({"a", "b", "c"}).status, 2);
  EXPECT_EQ(Solve({"--bogus", "a", "b"}).status, 2);
  EXPECT_EQ(Solve({"a", "b", "--write-input"}).status, 2);

  const RunResult missing = Solve({PathOf("missing.dat"), PathOf("r.out")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.output.rfind("=== FILE ERROR [48]\nFile:  " + PathOf("missing.dat") +
                                     "  cannot be opened for reading.", 0),
            0u);
  EXPECT_EQ(Solve({dir_.string(), PathOf("r.out")}).status, 2);  // a folder

  const std::string input = WriteFile("wall.dat", kProblem);
  EXPECT_EQ(Solve({input, PathOf("no/such/folder/r.out")}).status, 2);
}

TEST_F(SolveFileTest, AShortFileAsksWhetherToGoOn) {
  const std::string input = WriteFile("short.dat", "'X\nC C D\nWAL 5\nSU B 1 0 5\nSO B C 1\n1 1 1 1\nF\n");
  ASSERT_LT(fs::file_size(input), 75u);
  const std::string question = "=== INCOMPLETE INPUT FILE! [36]\nFile: " + input +
                               " does not appear to be a complete input file.\n\n"
                               "Do you want to continue?\n===\n";
  const RunResult yes = Solve({input, PathOf("r.out")});
  // Read and solved: the wall retains nothing, so its design stops at the rotation check.
  EXPECT_EQ(yes.status, 1);
  EXPECT_NE(yes.output.find("=== IMPROPER WALL ROTATION [0]"), std::string::npos);
  EXPECT_EQ(yes.output.rfind(question + "=== INPUT COMPLETE [64]", 0), 0u) << yes.output;

  const RunResult no = Solve({"--answer-no", input, PathOf("r2.out")});
  EXPECT_EQ(no.status, 1);
  EXPECT_EQ(no.output, question);
  EXPECT_FALSE(fs::exists(PathOf("r2.out")));
}

TEST_F(SolveFileTest, WriteInputGivesAFileThatReadsBackToTheSameReport) {
  const std::string input = WriteFile("wall.dat", std::string(kProblem));
  const std::string written = PathOf("written.dat");
  ASSERT_EQ(Solve({"--write-input", written, input, PathOf("first.out")}).status, 0);
  ASSERT_TRUE(fs::exists(written));
  EXPECT_NE(ReadBytes(written).find("SOIL LEFTSIDE  STRENGTHS   1 "), std::string::npos);
  ASSERT_EQ(Solve({written, PathOf("second.out")}).status, 0);
  // The reports differ at most in the banners' date and time lines, which every section
  // repeats and which change when the two runs fall on either side of a second.
  auto body = [&](const std::string& path) {
    const std::string text = ReadBytes(path);
    std::string kept;
    std::size_t at = 0;
    while (at < text.size()) {
      std::size_t end = text.find('\n', at);
      end = end == std::string::npos ? text.size() : end + 1;
      const std::string line = text.substr(at, end - at);
      if (line.find("DATE: ") == std::string::npos) kept += line;
      at = end;
    }
    return kept;
  };
  EXPECT_EQ(body(PathOf("first.out")), body(PathOf("second.out")));
}

TEST_F(SolveFileTest, EveryExampleOpensAndGivesAReport) {
  int examples = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(QUELDAR_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() != ".dat") continue;
    SCOPED_TRACE(entry.path().string());
    ++examples;
    const std::string report = PathOf(entry.path().stem().string() + ".out");
    const RunResult run = Solve({entry.path().string(), report});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(ReadBytes(report).find("VIII.--HORIZONTAL LOADS"), std::string::npos);
  }
  EXPECT_GE(examples, 2);
}

// A file a user wrote never crashes or hangs the program, whatever it holds.
TEST_F(SolveFileTest, NeverCrashesOrHangsOnHostileFiles) {
  std::vector<std::string> files;
  std::mt19937 rng(20261210);
  for (int i = 0; i < 6; ++i) {
    std::string bytes(static_cast<std::size_t>(1000 + i * 20000), '\0');
    for (char& c : bytes) c = static_cast<char>(rng() & 0xFF);
    files.push_back(bytes);
  }
  // Random bytes after a valid start, so the reader gets deep into the file.
  std::string start = kProblem;
  start.erase(start.find("FINISHED"));
  for (int i = 0; i < 4; ++i) {
    std::string bytes = start;
    for (int k = 0; k < 3000; ++k) {
      const char pool[] = "0123456789.-+E VLUSRTHDFBWATERC\n\n(";
      bytes += pool[rng() % (sizeof pool - 1)];
    }
    files.push_back(bytes);
  }
  std::string fields = start + "VERTICAL LINE R 5";
  for (int k = 0; k < 200000; ++k) fields += " 1";
  files.push_back(fields + "\nFINISHED\n");
  const std::string digits(1000000, '9');
  files.push_back(start + "VERTICAL LINE R " + digits + " 1 1\nFINISHED\n");
  files.push_back(start + "VERTICAL LINE R 1 " + digits + " 1\nFINISHED\n");
  files.push_back(start + "VERTICAL LINE R 1 0." + digits + " 1\nFINISHED\n");
  files.push_back(start + "VERTICAL LINE R 1 1E" + digits + " 1\nFINISHED\n");
  files.push_back(std::string(kProblem).insert(0, "\n\n\n\n\r\r\r(" + std::string(500000, 'x') + "\n"));

  for (std::size_t i = 0; i < files.size(); ++i) {
    SCOPED_TRACE(i);
    const std::string input = WriteFile("hostile.dat", files[i]);
    const RunResult run = Solve({input, PathOf("hostile.out")});
    EXPECT_TRUE(run.status == 0 || run.status == 1) << "status " << run.status;
    // Every box is complete.
    EXPECT_EQ(run.output.rfind("===\n"), run.output.size() - 4);
  }
}

TEST_F(SolveFileTest, OneFileNamedForTwoPurposesIsAUsageError) {
  const std::string input = WriteFile("wall.dat", kProblem);
  const std::string report = PathOf("wall.out");
  fs::create_symlink(input, dir_ / "link.dat");
  fs::create_directory(dir_ / "sub");
  const std::string viaSub = (dir_ / "sub" / ".." / "wall.dat").string();
  const std::vector<std::vector<std::string>> cases = {
      {input, input},
      {input, viaSub},
      {input, PathOf("link.dat")},
      {"--write-input", input, input, report},
      {"--write-input", report, input, report},
      {"--write-input", PathOf("link.dat"), input, report},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args[0] + " " + args[1]);
    const RunResult run = Solve(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(ReadBytes(input), kProblem);
    EXPECT_FALSE(fs::exists(report));
  }
  EXPECT_EQ(Solve({"--write-input", PathOf("back.dat"), input, report}).status, 0);
}
