// A scratch folder made the temporary folder (TEMP) for one test; TEMP is put back and
// the folder removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "support/scoped_env.h"
#include "support/scratch_dir.h"

class ScopedTempFolder {
 public:
  ScopedTempFolder() {
    path_ = support::MakeScratchDir("queldar_wall");
    if (path_.empty()) ADD_FAILURE() << "no scratch folder for TEMP";
    else tempVar_.emplace("TEMP", path_.string());
  }
  ~ScopedTempFolder() {
    tempVar_.reset();
    support::RemoveScratchDir(path_);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::optional<support::ScopedEnv> tempVar_;
};
