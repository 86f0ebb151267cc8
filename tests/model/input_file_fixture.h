// A scratch folder, the scripted services and helpers to read and write input data files.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/input_file.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/files.h"
#include "platform/script_doubles.h"
#include "support/problem_files.h"
#include "support/scratch_dir.h"

class InputFileTest : public support::ScratchDirTest {
 protected:
  void TearDown() override {
    platform::files::CloseAll();
    support::ScratchDirTest::TearDown();
  }

  // The file's lines, each of which must end in CR LF.
  static std::vector<std::string> CrLfLines(const std::string& path) {
    const std::string bytes = ReadBytes(path);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
      const std::size_t end = bytes.find("\r\n", start);
      if (end == std::string::npos) {
        ADD_FAILURE() << "a line without CR LF: " << bytes.substr(start);
        break;
      }
      lines.push_back(bytes.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }

  // Reads the text as File > Open does: a reset problem, the file open as InFileNum.
  int Read(const std::string& content, const std::string& name = "problem.dat") {
    const std::string path = WriteFile(name, content);
    return ReadPath(path);
  }
  int ReadPath(const std::string& path) { return support::ReadProblemFile(path); }

  // Writes the problem in memory as a data file and returns its path.
  std::string WriteProblem(const std::string& name) {
    const std::string path = PathOf(name);
    support::WriteProblemFile(path);
    return path;
  }

  platform::ScopedServices services;
};

// A valid cantilever design in sand; tests replace lines of it.
inline const char* const kSimpleProblem =
    "'SIMPLE WALL\n"
    "CONTROL CANTILEVER DESIGN\n"
    "WALL 10\n"
    "SURFACE RIGHTSIDE 1 0 10\n"
    "SURFACE LEFTSIDE 1 0 0\n"
    "SOIL RIGHTSIDE STRENGTHS 1\n"
    "120 110 30 0 0 0\n"
    "SOIL LEFTSIDE STRENGTHS 1\n"
    "120 110 30 0 0 0\n"
    "FINISHED\n";

// The simple problem with the text `extra` put in place of the termination line.
inline std::string SimpleProblemEndingWith(const std::string& extra) {
  std::string s = kSimpleProblem;
  s.erase(s.rfind("FINISHED\n"));
  return s + extra;
}

// The text with the first `from` replaced by `to`; a `from` it does not hold fails the test.
inline std::string Replace(std::string s, const std::string& from, const std::string& to) {
  const auto at = s.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) s.replace(at, from.size(), to);
  return s;
}

// n blanks.
inline std::string sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }
