// Claiming a new file name in a folder that other programs may share.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>


#include "platform/files.h"
#include "support/scratch_dir.h"

namespace f = platform::files;
namespace fs = std::filesystem;

TEST(FilesCreateNew, ClaimsAFreeNameOnlyOnce) {
  const fs::path dir = support::MakeScratchDir("queldar_create_new");
  ASSERT_FALSE(dir.empty());
  const std::string name = (dir / "ZZ10").string();
  EXPECT_EQ(f::CreateNew(name), f::NewFile::Created);
  EXPECT_TRUE(fs::exists(name));
  EXPECT_EQ(fs::file_size(name), 0u);
  // A name that exists is taken, and its contents stay as they are.
  std::ofstream(name, std::ios::binary) << "kept";
  EXPECT_EQ(f::CreateNew(name), f::NewFile::Taken);
  EXPECT_EQ(fs::file_size(name), 4u);
  // A folder that is not there takes no file; neither does an empty name.
  EXPECT_EQ(f::CreateNew((dir / "missing" / "ZZ10").string()), f::NewFile::Failed);
  EXPECT_EQ(f::CreateNew(""), f::NewFile::Failed);
  fs::remove_all(dir);
}
