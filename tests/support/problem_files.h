// Reading and writing a problem's input data file as File > Open and File > Save do.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "model/input_file.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/files.h"

namespace support {

// Reads the file into a reset problem, the file open as InFileNum; the reader's result.
inline int ReadProblemFile(const std::string& path) {
  ResetInputData();
  InputFileName = path;
  InFileNum = platform::files::FreeFile();
  EXPECT_TRUE(platform::files::Open(path, platform::files::Mode::Input, InFileNum));
  return ReadInputDataFile();
}

// Writes the problem in memory as an input data file.
inline void WriteProblemFile(const std::string& path) {
  InFileNum = platform::files::FreeFile();
  EXPECT_TRUE(platform::files::Open(path, platform::files::Mode::Output, InFileNum));
  std::string target = "FILE";
  WriteInputData(target);
  platform::files::Close(InFileNum);
}

}  // namespace support
