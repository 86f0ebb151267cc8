// Runs of the program that share one temporary folder: each deletes only the files it made.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/problem.h"
#include "model/problem_data.h"
#include "model/temp_files.h"
#include "flow/working_files.h"
#include "platform/files.h"
#include "support/scratch_dir.h"
#include "wall/wall_data.h"

namespace fs = std::filesystem;

// A listed file is deleted once; a file another run makes later under the same name (the
// smallest free results-file number comes free again) is left alone by a second deletion.
TEST(SharedTempFolder, ADeletedNameIsNotDeletedAgain) {
  const fs::path dir = support::MakeScratchDir("queldar-shared");
  ASSERT_FALSE(dir.empty());
  ResetInputData();
  const std::string name = (dir / "ZZ10").string();
  std::ofstream(name) << "ours";
  AddTempFileName(name);
  ResultsFileNames(1) = name;
  DeleteTempFiles();
  EXPECT_FALSE(fs::exists(name));
  std::ofstream(name) << "another run's";
  DeleteTempFiles();
  EXPECT_TRUE(fs::exists(name));
  ResetInputData();
  fs::remove_all(dir);
}
