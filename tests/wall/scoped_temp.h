// A scratch folder made the temporary folder (TEMP) for one test; TEMP is put back and
// the folder removed afterwards.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "support/scoped_env.h"

class ScopedTempFolder {
 public:
  ScopedTempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::path("/tmp") /
            ("queldar_wall_" + std::to_string(::getpid()) + "_" + (info ? info->name() : "x"));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    tempVar_.emplace("TEMP", path_.string());
  }
  ~ScopedTempFolder() {
    tempVar_.reset();
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::optional<support::ScopedEnv> tempVar_;
};
