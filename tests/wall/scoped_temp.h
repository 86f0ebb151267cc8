// A scratch folder made the temporary folder (TEMP) for one test; TEMP is put back and
// the folder removed afterwards.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class ScopedTempFolder {
 public:
  ScopedTempFolder() {
    const char* old = std::getenv("TEMP");
    hadTemp_ = old != nullptr;
    if (old) oldTemp_ = old;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::path("/tmp") /
            ("queldar_wall_" + std::to_string(::getpid()) + "_" + (info ? info->name() : "x"));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    ::setenv("TEMP", path_.c_str(), 1);
  }
  ~ScopedTempFolder() {
    if (hadTemp_) ::setenv("TEMP", oldTemp_.c_str(), 1); else ::unsetenv("TEMP");
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::string oldTemp_;
  bool hadTemp_ = false;
};
