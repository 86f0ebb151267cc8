// solve_file ended by SIGINT or SIGTERM in the middle of a solution leaves no results
// files in the temporary folder, which it chooses as the main window does.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fcntl.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/scratch_dir.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

// A tall anchored design by the sweep search: its results files stay a while, until
// the moment reduction is done.
const char* const kSlowProblem =
    "'A TALL ANCHORED WALL\n"
    "CONTROL ANCHORED DESIGN\n"
    "WALL 200 195\n"
    "SURFACE RIGHTSIDE 3 0 200\n100 210\n2000 210\n"
    "SURFACE LEFTSIDE 2 0 100\n2000 100\n"
    "SOIL RIGHTSIDE STRENGTHS 3\n"
    "120 110 30 0 15 0 170 0\n"
    "125 115 32 0 16 0 140 0\n"
    "125 115 36 0 17 0\n"
    "SOIL LEFTSIDE STRENGTHS 2\n"
    "125 115 34 0 17 0 80 0\n"
    "125 115 36 0 17 0\n"
    "FINISHED\n";

std::vector<fs::path> ResultsFiles(const fs::path& dir) {
  std::vector<fs::path> out;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(dir, ec))
    if (e.path().filename().string().rfind("ZZ", 0) == 0) out.push_back(e.path());
  return out;
}

class SolveFileSignal : public support::ScratchDirTest {};

TEST_F(SolveFileSignal, EndedBySigtermOrSigintItDeletesItsResultsFiles) {
  const std::string input = (dir_ / "slow.dat").string();
  std::ofstream(input, std::ios::binary) << kSlowProblem;
  const fs::path temp = dir_ / "tmp";
  fs::create_directory(temp);
  // TEMP names a file, not a folder: the next choice, TMPDIR, takes the results files.
  std::ofstream(dir_ / "not-a-folder") << "x";
  const std::string envTemp = "TEMP=" + (dir_ / "not-a-folder").string();
  const std::string envTmpdir = "TMPDIR=" + temp.string();
  std::vector<std::string> env = {envTemp, envTmpdir};
  for (char** e = environ; *e; ++e) {
    const std::string s = *e;
    if (s.rfind("TEMP=", 0) != 0 && s.rfind("TMPDIR=", 0) != 0) env.push_back(s);
  }
  std::vector<char*> envp;
  for (auto& s : env) envp.push_back(s.data());
  envp.push_back(nullptr);

  for (const int sig : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(sig);
    bool caught = false;
    // The run is stopped the moment a results file shows; one that ends first is run again.
    for (int attempt = 0; attempt < 5 && !caught; ++attempt) {
      std::string a0 = QUELDAR_SOLVE_FILE, a1 = "--wedge", a2 = "S", a3 = input,
                  a4 = (dir_ / "slow.out").string();
      char* argv[] = {a0.data(), a1.data(), a2.data(), a3.data(), a4.data(), nullptr};
      posix_spawn_file_actions_t actions;
      posix_spawn_file_actions_init(&actions);
      posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
      pid_t pid = 0;
      ASSERT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv, envp.data()), 0);
      posix_spawn_file_actions_destroy(&actions);
      int status = 0;
      bool ended = false;
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
      while (!ended && std::chrono::steady_clock::now() < deadline) {
        if (!ResultsFiles(temp).empty()) {
          kill(pid, SIGSTOP);
          if (!ResultsFiles(temp).empty()) {
            caught = true;
            kill(pid, sig);
            kill(pid, SIGCONT);
          } else {
            kill(pid, SIGCONT);
          }
          break;
        }
        ended = waitpid(pid, &status, WNOHANG) == pid;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
      }
      if (!ended) {
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
      }
      if (caught) {
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << status;
      }
      EXPECT_TRUE(ResultsFiles(temp).empty());
    }
    EXPECT_TRUE(caught) << "every run ended before a results file could be seen";
  }
  // Nothing went to the other folders.
  EXPECT_TRUE(ResultsFiles(dir_).empty());
}

}  // namespace
