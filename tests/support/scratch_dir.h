// A fresh folder for a test's files, removed when the test ends, and the bytes of a file.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

namespace support {

// The whole file, byte for byte; empty when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// A new, empty folder below the system's temporary folder, its name starting with
// `prefix`; empty when none can be made.
inline std::filesystem::path MakeScratchDir(const std::string& prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

inline void RemoveScratchDir(const std::filesystem::path& dir) {
  std::error_code ec;
  if (!dir.empty()) std::filesystem::remove_all(dir, ec);
}

// A test whose files live in dir_, a folder of its own.
class ScratchDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = MakeScratchDir("queldar-test");
    ASSERT_FALSE(dir_.empty());
  }
  void TearDown() override { RemoveScratchDir(dir_); }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  // Writes `bytes` as the file `name` in dir_ and returns its path.
  std::string WriteFile(const std::string& name, const std::string& bytes) const {
    const std::string path = PathOf(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  static std::string ReadBytes(const std::filesystem::path& path) { return support::ReadBytes(path); }

  std::filesystem::path dir_;
};

}  // namespace support
