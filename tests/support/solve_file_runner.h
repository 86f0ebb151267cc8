// Runs the built solve_file as a user or a script does and keeps what it printed and its
// exit status, for the tests of the headless driver.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/scratch_dir.h"

namespace support {

struct SolveFileRun {
  int status = -1;     // exit status; -1 when it did not exit normally (a crash)
  std::string output;  // standard output: every message box
};

// `s` as one word for the shell.
inline std::string ShellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Runs solve_file with `args`, each passed as one word. With `temp` given, that folder is
// its TEMP, so that its results files stay with the test's own. A run that takes a minute
// counts as a hang.
inline SolveFileRun RunSolveFile(const std::vector<std::string>& args,
                                 const std::filesystem::path& temp = {}) {
  std::string cmd;
  if (!temp.empty()) cmd = "TEMP=" + ShellQuote(temp.string()) + " ";
  cmd += "timeout 60 " + ShellQuote(QUELDAR_SOLVE_FILE);
  for (const auto& a : args) cmd += " " + ShellQuote(a);
  cmd += " 2>/dev/null";
  SolveFileRun run;
  FILE* pipe = popen(cmd.c_str(), "r");
  if (!pipe) return run;
  char buf[4096];
  std::size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) run.output.append(buf, n);
  const int raw = pclose(pipe);
  if (WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
  return run;
}

}  // namespace support
