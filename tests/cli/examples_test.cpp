// Every example problem solves headless: exit 0, no message but the input notice, and a
// report that ends with the results of each method.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Outcome {
  int status = -1;
  std::string output;
};

Outcome Solve(const std::string& args, const fs::path& temp) {
  const std::string cmd = "TEMP='" + temp.string() + "' timeout 60 '" + std::string(QUELDAR_SOLVE_FILE) + "' " +
                          args + " 2>/dev/null";
  Outcome run;
  FILE* pipe = popen(cmd.c_str(), "r");
  if (!pipe) return run;
  char buf[4096];
  std::size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) run.output.append(buf, n);
  const int raw = pclose(pipe);
  if (WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
  return run;
}

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

int Count(const std::string& s, const std::string& what) {
  int n = 0;
  for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
  return n;
}

class Examples : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/queldar-examples-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  fs::path dir_;
};

TEST_F(Examples, EverySolvesWithItsResults) {
  for (const auto& entry : fs::directory_iterator(fs::path(QUELDAR_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() != ".dat") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const fs::path report = dir_ / (entry.path().stem().string() + ".rpt");
    const Outcome run = Solve("'" + entry.path().string() + "' '" + report.string() + "'", dir_);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(Count(run.output, "=== "), 1) << run.output;  // INPUT COMPLETE only
    const std::string text = Read(report);
    const bool anchored = text.find("ANCHORED WALL") != std::string::npos;
    EXPECT_EQ(Count(text, "*  SUMMARY OF RESULTS FOR  *"), 1);
    EXPECT_EQ(Count(text, "* COMPLETE OF RESULTS FOR  *"), anchored ? 2 : 1);
  }
}

TEST_F(Examples, AnAnalysisAnsweredNoStopsAtTheLargeFactor) {
  // Only the passive factor is searched; the wall reaches deep enough for a factor above 5.
  std::ofstream(dir_ / "deep.dat", std::ios::binary)
      << "'DEEP WALL\nCONTROL CANTILEVER ANALYSIS 1.0\nWALL 10 -40 29E6 38.3\n"
         "SURFACE RIGHTSIDE 1 0 10\nSURFACE LEFTSIDE 1 0 0\nSOIL BOTH STRENGTHS 1\n100 100 30 0 0 0\nFINISHED\n";
  const Outcome no = Solve("--answer-no '" + (dir_ / "deep.dat").string() + "' '" + (dir_ / "deep.rpt").string() + "'", dir_);
  EXPECT_EQ(no.status, 1);
  EXPECT_NE(no.output.find("=== LARGE FACTOR OF SAFETY [4]\nFactor of safety for this system\n"
                           "appears to be greater than 5.00.\n"),
            std::string::npos)
      << no.output;
  EXPECT_EQ(Read(dir_ / "deep.rpt").find("SUMMARY OF RESULTS"), std::string::npos);
}

}  // namespace
