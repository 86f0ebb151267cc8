// Claiming a new file name in a folder that other programs may share.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

namespace {
std::string Bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

// Another user of a shared temporary folder swaps a link to one of our files in for the
// name just claimed: what follows is written to the file claimed, never to the target.
TEST(FilesCreateNew, WritesGoThroughTheClaimNotThroughALinkSwappedInAfterIt) {
  const fs::path dir = support::MakeScratchDir("queldar_create_open");
  ASSERT_FALSE(dir.empty());
  const fs::path target = dir / "precious.txt";
  for (const f::Mode mode : {f::Mode::Binary, f::Mode::Output, f::Mode::Append}) {
    SCOPED_TRACE(static_cast<int>(mode));
    std::ofstream(target, std::ios::binary) << "precious";
    const std::string name = (dir / "ZZ10").string();
    const int n = f::FreeFile();
    ASSERT_EQ(f::CreateNewOpen(name, mode, n), f::NewFile::Created);
    // The swap, between the claim and the write.
    fs::remove(name);
    fs::create_symlink(target, name);
    if (mode == f::Mode::Binary) {
      EXPECT_TRUE(f::PutDouble(n, 1.5));
    } else {
      EXPECT_TRUE(f::PrintLine(n, "RESULTS"));
    }
    EXPECT_TRUE(f::CloseChecked(n));
    EXPECT_EQ(Bytes(target), "precious");
    // Reading our own file back refuses the link in its place.
    EXPECT_FALSE(f::Open(name, f::Mode::Binary, n, f::Links::Refuse));
    EXPECT_FALSE(f::IsOpen(n));
    EXPECT_EQ(Bytes(target), "precious");
    fs::remove(name);
  }
  // A name held by a link, dangling or not, is taken and never followed.
  fs::create_symlink(dir / "nowhere", dir / "ZZ11");
  fs::create_symlink(target, dir / "ZZ12");
  EXPECT_EQ(f::CreateNewOpen((dir / "ZZ11").string(), f::Mode::Binary, 1), f::NewFile::Taken);
  EXPECT_EQ(f::CreateNewOpen((dir / "ZZ12").string(), f::Mode::Output, 1), f::NewFile::Taken);
  EXPECT_FALSE(fs::exists(dir / "nowhere"));
  EXPECT_EQ(Bytes(target), "precious");
  // Reading input may not be claimed; a number in use may not be reused.
  EXPECT_EQ(f::CreateNewOpen((dir / "IN").string(), f::Mode::Input, 1), f::NewFile::Failed);
  ASSERT_TRUE(f::Open(target.string(), f::Mode::Input, 1));
  EXPECT_EQ(f::CreateNewOpen((dir / "ZZ13").string(), f::Mode::Binary, 1), f::NewFile::Failed);
  f::CloseAll();
  fs::remove_all(dir);
}
