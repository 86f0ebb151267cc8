#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fixture.h"
#include "platform/files.h"
#include "platform/script_doubles.h"
#include "support/scratch_dir.h"

namespace pressures_test {
namespace {

// The line so far padded so that `text` ends in column `last` (columns from 1); a text
// too wide follows directly.
void At(std::string& line, const std::string& text, int last) {
  const int pad = last - static_cast<int>(text.size()) - static_cast<int>(line.size());
  if (pad > 0) line += std::string(static_cast<std::size_t>(pad), ' ');
  line += text;
}

class ReportTest : public PressureTest {
 protected:
  platform::ScopedServices services;  // fixed clock: 9 December 2026, 2:07:12
  std::filesystem::path dir;

  void SetUp() override {
    PressureTest::SetUp();
    platform::services().messageBoxes = &boxes;
    dir = support::MakeScratchDir("queldar_report");
    ASSERT_FALSE(dir.empty());
    CurrentOutputFile = (dir / "report.out").string();
    std::ofstream(CurrentOutputFile, std::ios::binary) << "INPUT SECTION\r\n";
    OutputLineCount = 1;
    SurfaceElev(1, 1) = 10;
  }
  void TearDown() override {
    if (!HasFailure()) std::filesystem::remove_all(dir);
    PressureTest::TearDown();
  }

  std::vector<std::string> Lines() {
    std::vector<std::string> out;
    const std::string s = support::ReadBytes(CurrentOutputFile);
    std::size_t pos = 0;
    while (pos < s.size()) {
      const std::size_t e = s.find("\r\n", pos);
      EXPECT_NE(e, std::string::npos) << "every line ends in CR LF";
      if (e == std::string::npos) break;
      out.push_back(s.substr(pos, e - pos));
      pos = e + 2;
    }
    return out;
  }

  static std::string F1(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    return std::string(buf) == "-0.0" ? std::string("0.0") : std::string(buf);
  }

  // A row as the report prints it, from already formatted texts.
  static std::string RowText(const std::string& elev, const std::string& marker,
                             const std::vector<std::string>& v, bool cantilever) {
    std::string l;
    At(l, elev, 7);
    l += marker;
    At(l, v[0], 15);
    At(l, v[1], 25);
    At(l, v[2], 34);
    At(l, v[3], cantilever ? 44 : 50);
    std::size_t i = 4;
    if (cantilever) At(l, v[i++], 54);
    At(l, v[i++], 64);
    At(l, v[i], 74);
    return l;
  }
};

// Dry sand, 10 ft retained, Ka 1/3 and Kp 3: no diagram jumps anywhere, the zero point
// at -1.25 is a grid point, and the table ends with the first point below d - 30.
TEST_F(ReportTest, CantileverSectionLineByLine) {
  Solve();
  ASSERT_EQ(AbortRun, 0);
  WriteSoilPressureReport();
  const auto lines = Lines();
  ASSERT_EQ(static_cast<long>(lines.size()), OutputLineCount);

  std::vector<std::string> expected = {"INPUT SECTION", "", "", "", "", ""};
  expected.push_back("  PROGRAM QUELDAR-DESIGN/ANALYSIS OF ANCHORED OR CANTILEVER SHEET PILE WALLS");
  expected.push_back(std::string(28, ' ') + "BY CLASSICAL METHODS");
  expected.push_back("  DATE: 9-DECEMBER-2026" + std::string(62 - 23, ' ') + "TIME: 2:07:12");
  expected.push_back("");
  const std::string s28(28, ' ');
  expected.push_back(s28 + "**************************");
  expected.push_back(s28 + "*   SOIL PRESSURES FOR   *");
  expected.push_back(s28 + "* CANTILEVER WALL DESIGN *");
  expected.push_back(s28 + "**************************");
  expected.push_back("");
  expected.push_back("      I.--HEADING");
  expected.push_back("       TEST");
  expected.push_back("");
  expected.push_back("     II.--SOIL PRESSURES");
  for (const char* side : {"RIGHTSIDE", "LEFTSIDE"}) {
    expected.push_back("");
    expected.push_back(std::string(10, ' ') + side +
                       " SOIL PRESSURES DETERMINED BY COULOMB COEFFICIENTS");
    expected.push_back(std::string(10, ' ') +
                       "AND THEORY OF ELLASTICITY EQUATIONS FOR SURCHARGE LOADS.");
  }
  expected.push_back("");
  expected.push_back(std::string(37, ' ') + "<------NET------>");
  expected.push_back("           NET    <---LEFTSIDE--->     (SOIL + WATER)     <--RIGHTSIDE--->");
  expected.push_back("  ELEV.   WATER   PASSIVE   ACTIVE    ACTIVE   PASSIVE    ACTIVE   PASSIVE");
  expected.push_back("  (FT)    (PSF)     (PSF)    (PSF)     (PSF)     (PSF)     (PSF)     (PSF)");
  // Rows: 10, 9, ..., 0, -1, -1.25, -2, ..., -31.
  std::vector<double> elevs;
  for (int e = 10; e >= -1; --e) elevs.push_back(e);
  elevs.push_back(-1.25);
  for (int e = -2; e >= -31; --e) elevs.push_back(e);
  for (double e : elevs) {
    const double dr = 10 - e, dl = std::max(0.0, -e);
    const double ra = 100 * dr / 3, rp = 300 * dr, la = 100 * dl / 3, lp = 300 * dl;
    const double netA = e == -1.25 ? 0 : ra - lp, netP = rp - la;
    // -1.25 rounds half away from zero.
    expected.push_back(RowText(e == -1.25 ? "-1.3" : F1(e), " ", {F1(0), F1(lp), F1(la), F1(netA), F1(netP), F1(ra), F1(rp)},
                               true));
  }
  expected.insert(expected.end(), 5, "");
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
  EXPECT_FALSE(platform::files::IsOpen(OutFileNum));
}

// Anchored wall, a layer boundary at -4 on the left (+ and - rows), water, the
// distributed-load note and the automatic-seepage note, a wedge footnote, and a wall so
// high that the cut-off falls to the last regular point.
TEST_F(ReportTest, AnchoredSectionWithJumpsNotesAndMarks) {
  WallType = "A";
  AnchorElev = 8;
  NumSoilLayers(2) = 2;
  LayerBottomElev(2, 1) = -4;
  SandLayer(2, 2, 20, 0, 0, 100, 120);
  Solve();
  ASSERT_EQ(AbortRun, 0);
  // As a wedge search would have left them.
  PressureMethod(1) = "S";
  WedgeNoSolution(1, 1) = 1;
  WedgeMarkActive(1, PointAt(-3)) = "*";
  NumHorizDistPoints = 2;  // only the note is printed from these
  SeepageOption = "A";
  WaterDataType = "E";
  SeepageGradient(1) = 0.0001;
  WriteSoilPressureReport();
  const auto lines = Lines();
  ASSERT_EQ(static_cast<long>(lines.size()), OutputLineCount);

  auto find = [&](const std::string& s) {
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (lines[i] == s) return static_cast<int>(i);
    ADD_FAILURE() << "missing line: [" << s << "]";
    return -1;
  };
  const std::string s10(10, ' ');
  EXPECT_GE(find(std::string(28, ' ') + "*  ANCHORED WALL DESIGN  *"), 0);
  const int m = find(s10 + "RIGHTSIDE SOIL PRESSURES DETERMINED BY SWEEP SEARCH WEDGE METHOD.");
  EXPECT_EQ(lines[m + 1], "");
  EXPECT_EQ(lines[m + 2], s10 + "LEFTSIDE SOIL PRESSURES DETERMINED BY COULOMB COEFFICIENTS");
  const int n = find(s10 + "NET SOIL PRESSURES INCLUDE APPLIED HORIZONTAL DISTRIBUTED LOADS.");
  EXPECT_EQ(lines[n - 1], "");
  EXPECT_EQ(lines[n + 2], s10 + "SOIL PRESSURES ARE REPORTED FOR A SEEPAGE GRADIENT = 0.0001");
  EXPECT_EQ(lines[n + 3], s10 + "AND MAY CHANGE WITH AUTOMATIC ADJUSTMENT OF THE GRADIENT.");
  EXPECT_GE(find("  ELEV.   WATER   PASSIVE   ACTIVE          ACTIVE        ACTIVE   PASSIVE"), 0);
  EXPECT_GE(find("  (FT)    (PSF)     (PSF)    (PSF)           (PSF)         (PSF)     (PSF)"), 0);

  // Left side at -4: above it phi 30 (Kp 3, Ka 1/3), below it phi 20. Below the
  // dredge the net diagram carries the mean of the two values in both rows.
  const double kp2 = std::pow(std::tan(55 * kDeg), 2), ka2 = std::pow(std::tan(35 * kDeg), 2);
  const double ra = 1400.0 / 3, netA = ra - (1200 + kp2 * 400) / 2;
  const int up = find(RowText("-4.0", "+", {"0.0", F1(1200), F1(400.0 / 3), F1(netA), F1(ra), "4200.0"}, false));
  EXPECT_EQ(lines[up + 1],
            RowText("-4.0", "-", {"0.0", F1(kp2 * 400), F1(ka2 * 400), F1(netA), F1(ra), "4200.0"}, false));

  // The mark follows its value directly, in column 65, and moves nothing after it.
  std::string marked =
      RowText("-3.0", " ", {"0.0", "900.0", "100.0", F1(1300.0 / 3 - 900), "433.3", "3900.0"}, false);
  ASSERT_EQ(marked[64], ' ');
  marked[64] = '*';
  EXPECT_GE(find(marked), 0);

  // The table ends with the upper row of -31; the footnote follows at once.
  const int end = static_cast<int>(lines.size()) - 8;
  EXPECT_EQ(lines[end].substr(0, 8), "  -31.0 ");
  EXPECT_EQ(lines[end + 1], s10 + "* STANDARD WEDGE SOLUTION DOES NOT EXIST FOR INDICATED PRESSURE");
  EXPECT_EQ(lines[end + 2], std::string(12, ' ') + "FOR THIS ELEVATION.");
  for (int i = end + 3; i < static_cast<int>(lines.size()); ++i) EXPECT_EQ(lines[i], "");
}

// A layer of 1e9 pcf deep behind the wall hides no jump above it: the left side's layer
// bottom at -4 still gets its + and - rows with the Rankine values of both layers.
TEST_F(ReportTest, AHeavyLayerDeepBehindTheWallHidesNoJumpAboveIt) {
  WallType = "A";
  AnchorElev = 8;
  NumSoilLayers(2) = 2;
  LayerBottomElev(2, 1) = -4;
  SandLayer(2, 2, 20, 0, 0, 100, 120);
  NumSoilLayers(1) = 2;
  LayerBottomElev(1, 1) = -10;
  SandLayer(1, 2, 30, 0, 0, 1e9, 1e9);
  Solve();
  ASSERT_EQ(AbortRun, 0);
  WriteSoilPressureReport();
  const auto lines = Lines();
  const double kp2 = std::pow(std::tan(55 * kDeg), 2), ka2 = std::pow(std::tan(35 * kDeg), 2);
  const double ra = 1400.0 / 3, netA = ra - (1200 + kp2 * 400) / 2;
  const std::string up = RowText("-4.0", "+", {"0.0", F1(1200), F1(400.0 / 3), F1(netA), F1(ra), "4200.0"}, false);
  const std::string down =
      RowText("-4.0", "-", {"0.0", F1(kp2 * 400), F1(ka2 * 400), F1(netA), F1(ra), "4200.0"}, false);
  const auto at = std::find(lines.begin(), lines.end(), up);
  ASSERT_NE(at, lines.end()) << "missing line: [" << up << "]";
  ASSERT_NE(at + 1, lines.end());
  EXPECT_EQ(*(at + 1), down);
}

TEST_F(ReportTest, AVeryHighWallEndsWithTheFirstFarPoint) {
  WallTopElev = 60;
  SurfaceElev(1, 1) = 60;  // 60 ft retained: cut-off d - 180 lies below the grid's -200 limit
  Solve();
  ASSERT_EQ(AbortRun, 0);
  WriteSoilPressureReport();
  const auto lines = Lines();
  ASSERT_EQ(static_cast<long>(lines.size()), OutputLineCount);
  // The last one-foot point is 60 - 200 = -140; the first far point prints wider than
  // its column and shifts nothing before it.
  const std::string& lastRow = lines[lines.size() - 6];
  EXPECT_EQ(lastRow.substr(0, 8), "-50140.0");
  EXPECT_EQ(lines[lines.size() - 7].substr(0, 8), " -140.0 ");
}

}  // namespace
}  // namespace pressures_test
