// The results file: its name and place, its exact size, a faithful round trip, and
// refusal of a file that is missing, cut short or damaged.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "model/problem.h"
#include "model/problem_data.h"
#include "model/temp_files.h"
#include "platform/script_doubles.h"
#include "pressures/pressure_data.h"
#include "rankine_fixture.h"
#include "scoped_temp.h"
#include "wall/wall.h"

namespace fs = std::filesystem;

namespace {

class ResultsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = temp_.path();
    TempFileCount = 8;
    RankineSand sand;
    sand.Apply();
    for (int p = 1; p <= 301; ++p) {
      ResultElev(p) = 10 - p * 0.5;
      ResultMoment(p) = p * 11.25;
      ResultShear(p) = -p * 3.5;
      ResultDeflection(p) = p * 1e-3;
      ResultNetPressure(p) = 7.0 * p;
    }
    WedgeMarkActive(1, 5) = "*";
    WedgeMarkPassive(2, 300) = "*";
    NetWaterPressure(3, 2) = 62.4;
  }
  static void Scramble() {
    for (int p = 1; p <= 301; ++p) {
      ResultElev(p) = ResultMoment(p) = GridElev(p) = -1;
      WedgeMarkActive(1, p) = WedgeMarkPassive(2, p) = "";
      NetWaterPressure(p, 1) = NetWaterPressure(p, 2) = -1;
      ActivePressure(2, p, 1) = -1;
    }
    NumGridPoints = 7;
  }
  ScopedTempFolder temp_;
  fs::path dir_;
  platform::ScopedServices services;
};

TEST_F(ResultsFile, WritesTheLayoutIntoTheTemporaryFolderAndReadsItBack) {
  const int grid = NumGridPoints;
  const double g7 = GridElev(7), a = ActivePressure(2, 40, 1);
  WriteResultsFile(1);
  ASSERT_EQ(AbortRun, 0);
  EXPECT_EQ(ResultsFileNames(1), (dir_ / "ZZ10").string());
  EXPECT_TRUE(IsListedTempFile(ResultsFileNames(1)));
  // 38530 bytes and one more per "*".
  EXPECT_EQ(fs::file_size(ResultsFileNames(1)), 38532u);

  // Byte layout: little-endian doubles from byte 1, the count at byte 12041, the marks
  // from byte 33715, the net water pressure in the last 4816 bytes.
  std::ifstream in(ResultsFileNames(1), std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  auto dbl = [&](std::size_t at) {
    unsigned long long u = 0;
    for (int i = 7; i >= 0; --i) u = (u << 8) | static_cast<unsigned char>(bytes[at + i]);
    double d;
    std::memcpy(&d, &u, 8);
    return d;
  };
  EXPECT_EQ(dbl(0), ResultElev(1));
  EXPECT_EQ(dbl(2408), ResultMoment(1));
  EXPECT_EQ(static_cast<unsigned char>(bytes[12040]) | (static_cast<unsigned char>(bytes[12041]) << 8), grid);
  EXPECT_EQ(dbl(12042 + 6 * 8), g7);
  EXPECT_EQ(bytes.substr(33714, 2), "**");
  EXPECT_EQ(dbl(bytes.size() - 4816 + (2 * 2 + 1) * 8), 62.4);

  // A second solution does not overwrite the first file.
  WriteResultsFile(2);
  WriteResultsFile(1);
  EXPECT_EQ(ResultsFileNames(1), (dir_ / "ZZ11").string());
  EXPECT_EQ(ResultsFileNames(2), (dir_ / "ZZ20").string());

  Scramble();
  ReadResultsFile(1);
  ASSERT_EQ(AbortRun, 0);
  EXPECT_EQ(NumGridPoints, grid);
  EXPECT_EQ(GridElev(7), g7);
  EXPECT_EQ(ResultElev(10), 10 - 5.0);
  EXPECT_EQ(ResultMoment(301), 301 * 11.25);
  EXPECT_EQ(ActivePressure(2, 40, 1), a);
  EXPECT_EQ(WedgeMarkActive(1, 5), "*");
  EXPECT_EQ(WedgeMarkPassive(2, 300), "*");
  EXPECT_EQ(WedgeMarkActive(1, 6), "");
  EXPECT_EQ(NetWaterPressure(3, 2), 62.4);
  EXPECT_TRUE(services.boxes.boxes().empty());
}

TEST_F(ResultsFile, RefusesAFileThatDoesNotMatch) {
  struct Case {
    const char* what;
    void (*damage)(const std::string& path);
  };
  const Case cases[] = {
      {"cut short", [](const std::string& p) { fs::resize_file(p, 38000); }},
      {"one byte too many", [](const std::string& p) { std::ofstream(p, std::ios::app | std::ios::binary) << 'x'; }},
      {"a mark that is not a star",
       [](const std::string& p) {
         std::fstream f(p, std::ios::in | std::ios::out | std::ios::binary);
         f.seekp(33714);
         f.put('#');
       }},
      {"a count out of range",
       [](const std::string& p) {
         std::fstream f(p, std::ios::in | std::ios::out | std::ios::binary);
         f.seekp(12040);
         f.put(0x2E).put(0x01);  // 302
       }},
      {"a value that is not a number",
       [](const std::string& p) {
         std::fstream f(p, std::ios::in | std::ios::out | std::ios::binary);
         f.seekp(8 * 5);
         const unsigned char nan[8] = {0, 0, 0, 0, 0, 0, 0xF8, 0x7F};
         f.write(reinterpret_cast<const char*>(nan), 8);
       }},
      {"removed", [](const std::string& p) { fs::remove(p); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AbortRun = 0;
    services.boxes.clear();
    WriteResultsFile(1);
    ASSERT_EQ(AbortRun, 0);
    c.damage(ResultsFileNames(1));
    Scramble();
    services.boxes.expect("RESULTS FILE ERROR", platform::Answer::OK);
    ReadResultsFile(1);
    EXPECT_EQ(AbortRun, 1);
    // Nothing of the file is used.
    EXPECT_EQ(NumGridPoints, 7);
    EXPECT_EQ(ResultElev(1), -1);
    EXPECT_EQ(GridElev(2), -1);
    ASSERT_EQ(services.boxes.boxes().size(), 1u);
    EXPECT_NE(services.boxes.boxes()[0].text.find(ResultsFileNames(1)), std::string::npos);
    EXPECT_NE(services.boxes.boxes()[0].text.find("     UNABLE TO CONTINUE."), std::string::npos);
    RankineSand().Apply();
    WedgeMarkActive(1, 5) = "*";
    WedgeMarkPassive(2, 300) = "*";
  }
}

TEST_F(ResultsFile, AFolderThatCannotBeWrittenIsACalculationError) {
  ::setenv("TEMP", (dir_ / "missing" / "deeper").c_str(), 1);
  services.boxes.expect("RESULTS FILE ERROR", platform::Answer::OK);
  WriteResultsFile(1);
  EXPECT_EQ(AbortRun, 1);
  ASSERT_EQ(services.boxes.boxes().size(), 1u);
  EXPECT_EQ(services.boxes.boxes()[0].text,
            "THE RESULTS FILE\n" + (dir_ / "missing" / "deeper" / "ZZ10").string() +
                "\nCOULD NOT BE CREATED.\n\n     UNABLE TO CONTINUE.");
}

}  // namespace
