#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>


#include "platform/files.h"
#include "support/scoped_env.h"
#include "support/scratch_dir.h"

namespace f = platform::files;
namespace fs = std::filesystem;

namespace {

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = support::MakeScratchDir("queldar_files");
    ASSERT_FALSE(dir_.empty());
  }
  void TearDown() override {
    f::CloseAll();
    fs::remove_all(dir_);
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string bytes(const std::string& p) { return support::ReadBytes(p); }
  static void write(const std::string& p, const std::string& content) {
    std::ofstream(p, std::ios::binary) << content;
  }
  fs::path dir_;
};

using support::ScopedEnv;

}  // namespace

TEST_F(FilesTest, WritesCrLfLatin1AndCountsLines) {
  const int n = f::FreeFile();
  ASSERT_TRUE(f::Open(path("r.txt"), f::Mode::Output, n));
  EXPECT_TRUE(f::PrintLine(n, "  PROGRAM"));
  EXPECT_TRUE(f::PrintLine(n, ""));
  EXPECT_TRUE(f::PrintLine(n, "caf\xe9 \xdf"));
  EXPECT_EQ(f::LinesWritten(n), 3);
  f::Close(n);
  EXPECT_EQ(bytes(path("r.txt")), "  PROGRAM\r\n\r\ncaf\xe9 \xdf\r\n");

  // Append adds, counting from zero again; Output truncates.
  ASSERT_TRUE(f::Open(path("r.txt"), f::Mode::Append, n));
  EXPECT_TRUE(f::PrintLine(n, "MORE"));
  EXPECT_EQ(f::LinesWritten(n), 1);
  f::Close(n);
  EXPECT_EQ(bytes(path("r.txt")), "  PROGRAM\r\n\r\ncaf\xe9 \xdf\r\nMORE\r\n");
  ASSERT_TRUE(f::Open(path("r.txt"), f::Mode::Output, n));
  f::Close(n);
  EXPECT_EQ(f::FileLen(path("r.txt")), 0);
}

TEST_F(FilesTest, ReadsLinesEndingInCrLfOrLf) {
  write(path("in.txt"), std::string("ONE\r\nTWO\nTH\rREE\r\n\r\nLAST\xe9\0X", 26));
  const int n = f::FreeFile();
  ASSERT_TRUE(f::Open(path("in.txt"), f::Mode::Input, n));
  std::string line;
  const std::string expected[] = {"ONE", "TWO", "TH\rREE", "", std::string("LAST\xe9\0X", 7)};
  for (const auto& e : expected) {
    EXPECT_FALSE(f::Eof(n));
    ASSERT_TRUE(f::LineInput(n, line));
    EXPECT_EQ(line, e);
  }
  EXPECT_TRUE(f::Eof(n));
  EXPECT_FALSE(f::LineInput(n, line));
  EXPECT_EQ(line, "");
  // Reading an output file, or writing an input file, is refused.
  EXPECT_FALSE(f::PrintLine(n, "X"));
  f::Close(n);

  write(path("empty.txt"), "");
  ASSERT_TRUE(f::Open(path("empty.txt"), f::Mode::Input, n));
  EXPECT_TRUE(f::Eof(n));
  EXPECT_FALSE(f::LineInput(n, line));
}

TEST_F(FilesTest, ReadsVeryLongLines) {
  std::string fields;
  for (int i = 0; i < 200000; ++i) fields += "1 ";
  const std::string million(1'000'000, '7');
  write(path("long.txt"), fields + "\r\n" + million + "\n");
  const int n = f::FreeFile();
  ASSERT_TRUE(f::Open(path("long.txt"), f::Mode::Input, n));
  std::string line;
  ASSERT_TRUE(f::LineInput(n, line));
  EXPECT_EQ(line.size(), fields.size());
  ASSERT_TRUE(f::LineInput(n, line));
  EXPECT_EQ(line, million);
  EXPECT_TRUE(f::Eof(n));
}

TEST_F(FilesTest, FileNumbersAndOpenFailures) {
  EXPECT_EQ(f::FreeFile(), 1);
  ASSERT_TRUE(f::Open(path("a"), f::Mode::Output, 1));
  ASSERT_TRUE(f::Open(path("b"), f::Mode::Output, 3));
  EXPECT_EQ(f::FreeFile(), 2);
  ASSERT_TRUE(f::Open(path("c"), f::Mode::Output, 2));
  EXPECT_EQ(f::FreeFile(), 4);
  EXPECT_FALSE(f::Open(path("d"), f::Mode::Output, 2));  // number in use
  EXPECT_TRUE(f::IsOpen(2));
  f::Close(2);
  EXPECT_FALSE(f::IsOpen(2));
  EXPECT_EQ(f::FreeFile(), 2);
  f::Close(2);  // closing a closed number is harmless

  EXPECT_FALSE(f::Open(path("missing.txt"), f::Mode::Input, 5));
  EXPECT_FALSE(f::Open(path("no/such/dir/x.txt"), f::Mode::Output, 5));
  EXPECT_FALSE(f::Open(dir_.string(), f::Mode::Input, 5));
  EXPECT_FALSE(f::Open("", f::Mode::Input, 5));
  EXPECT_FALSE(f::Open(path("z"), f::Mode::Output, 0));
  EXPECT_FALSE(f::IsOpen(5));
  std::string line;
  EXPECT_FALSE(f::LineInput(5, line));
  EXPECT_TRUE(f::Eof(5));
  EXPECT_FALSE(f::PrintLine(5, "x"));
}

TEST_F(FilesTest, CloseAllFlushes) {
  ASSERT_TRUE(f::Open(path("a"), f::Mode::Output, 1));
  ASSERT_TRUE(f::Open(path("b"), f::Mode::Append, 2));
  f::PrintLine(1, "A");
  f::PrintLine(2, "B");
  EXPECT_TRUE(f::CloseAllChecked());
  EXPECT_FALSE(f::IsOpen(1));
  EXPECT_FALSE(f::IsOpen(2));
  EXPECT_EQ(bytes(path("a")), "A\r\n");
  EXPECT_EQ(bytes(path("b")), "B\r\n");
  EXPECT_EQ(f::FreeFile(), 1);
}

TEST_F(FilesTest, WriteErrorsAreReported) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ASSERT_TRUE(f::Open("/dev/full", f::Mode::Output, 1));
  bool ok = true;
  for (int i = 0; i < 10000 && ok; ++i) ok = f::PrintLine(1, std::string(100, 'x'));
  EXPECT_FALSE(ok && f::CloseChecked(1));
}

TEST_F(FilesTest, BinaryIsLittleEndianByteByByte) {
  ASSERT_TRUE(f::Open(path("z.bin"), f::Mode::Binary, 1));
  EXPECT_TRUE(f::PutInt16(1, 301));
  EXPECT_TRUE(f::PutInt16(1, -2));
  EXPECT_TRUE(f::PutDouble(1, 1.0));
  EXPECT_TRUE(f::PutBytes(1, "*", 1));
  f::Close(1);
  EXPECT_EQ(bytes(path("z.bin")),
            std::string("\x2d\x01\xfe\xff\x00\x00\x00\x00\x00\x00\xf0\x3f*", 13));
  EXPECT_EQ(f::FileLen(path("z.bin")), 13);

  ASSERT_TRUE(f::Open(path("z.bin"), f::Mode::Binary, 1));
  std::int16_t a = 0, b = 0;
  double d = 0;
  char mark = 0;
  EXPECT_TRUE(f::GetInt16(1, a));
  EXPECT_TRUE(f::GetInt16(1, b));
  EXPECT_TRUE(f::GetDouble(1, d));
  EXPECT_TRUE(f::GetBytes(1, &mark, 1));
  EXPECT_EQ(a, 301);
  EXPECT_EQ(b, -2);
  EXPECT_EQ(d, 1.0);
  EXPECT_EQ(mark, '*');
  EXPECT_FALSE(f::GetDouble(1, d));  // a short read fails
  // Writing after reading goes on at the end.
  EXPECT_TRUE(f::PutDouble(1, -0.5));
  f::Close(1);
  EXPECT_EQ(f::FileLen(path("z.bin")), 21);
  ASSERT_TRUE(f::Open(path("z.bin"), f::Mode::Binary, 1));
  char skip[13];
  EXPECT_TRUE(f::GetBytes(1, skip, 13));
  EXPECT_TRUE(f::GetDouble(1, d));
  EXPECT_EQ(d, -0.5);
  // A text operation on a binary file is refused.
  EXPECT_FALSE(f::PrintLine(1, "x"));
}

TEST_F(FilesTest, PathsAndFolders) {
  const std::string p = f::JoinPath(dir_.string(), "x.txt");
  EXPECT_EQ(p, path("x.txt"));
  EXPECT_EQ(f::JoinPath("", "x.txt"), "x.txt");
  EXPECT_FALSE(f::Exists(p));
  EXPECT_EQ(f::FileLen(p), -1);
  EXPECT_FALSE(f::Kill(p));
  write(p, "12345");
  EXPECT_TRUE(f::Exists(p));
  EXPECT_EQ(f::FileLen(p), 5);
  EXPECT_TRUE(f::Kill(p));
  EXPECT_FALSE(f::Exists(p));
  EXPECT_FALSE(f::Exists(""));

  const std::string here = f::CurrentDir();
  EXPECT_TRUE(f::ChDir(dir_.string()));
  EXPECT_EQ(fs::path(f::CurrentDir()), fs::canonical(dir_));
  EXPECT_FALSE(f::ChDir(path("nowhere")));
  EXPECT_TRUE(f::ChDir(here));

  f::SetProgramFolder(dir_.string());
  EXPECT_EQ(f::ProgramFolder(), dir_.string());
  f::SetProgramFolder("");
  EXPECT_FALSE(f::ProgramFolder().empty());

  {
    ScopedEnv e("QUELDAR_TEST_VAR", "abc");
    EXPECT_EQ(f::Environ("QUELDAR_TEST_VAR"), "abc");
  }
  EXPECT_EQ(f::Environ("QUELDAR_TEST_VAR"), "");
}

TEST(TempFolder, TempTrimmedThenTmpdirThenTheSystemFolder) {
  {
    ScopedEnv temp("TEMP", "  /data/tmp one  ");
    ScopedEnv tmpdir("TMPDIR", "/other");
    EXPECT_EQ(f::TempFolder(), "/data/tmp one");
  }
  {
    ScopedEnv temp("TEMP", "   ");
    ScopedEnv tmpdir("TMPDIR", "/other");
    EXPECT_EQ(f::TempFolder(), "/other");
  }
  {
    ScopedEnv temp("TEMP", nullptr);
    ScopedEnv tmpdir("TMPDIR", nullptr);
    EXPECT_EQ(f::TempFolder(), fs::temp_directory_path().string());
  }
}
