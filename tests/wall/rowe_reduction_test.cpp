// The moment reduction run and its report section: which soil is reduced, whether the
// sections step runs and a section is written, the four variants line by line, the notes,
// and the line count against the file. Expected numbers are worked out here: log10 of
// H^4/EI, the moment ratio, and the chart readings interpolated independently.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>


#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/files.h"
#include "platform/services.h"
#include "platform/text.h"
#include "pressures/pressure_data.h"
#include "support/scratch_dir.h"
#include "closed_forms.h"
#include "wall/rowe.h"

namespace {

using platform::text::Format;
using Lines = std::vector<std::string>;

using closed_forms::Neville;

// An expected report line, its items placed at given columns (counted from 1).
class Cols {
 public:
  Cols& at(int column, const std::string& text) {
    if (column < static_cast<int>(s_.size()) + 1) {
      ADD_FAILURE() << "overlapping expected items at column " << column << ": " << s_;
    }
    s_.append(static_cast<size_t>(column - 1) - s_.size(), ' ');
    s_ += text;
    return *this;
  }
  // The text ending in column end - 1, as Tab(end - length) places it.
  Cols& endingBefore(int end, const std::string& text) {
    return at(end - static_cast<int>(text.size()), text);
  }
  operator std::string() const { return s_; }

 private:
  std::string s_;
};

std::string Blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }
std::string F2(double v) { return Format(v, "#0.00"); }

const char* kDateLine = "<date and time>";

class RoweReduction : public ::testing::Test {
 protected:
  void SetUp() override {
    InitRoweTables();
    ResetInputData();
    dir_ = support::MakeScratchDir("rowe_test");
    ASSERT_FALSE(dir_.empty());
    CurrentOutputFile = (dir_ / "report.out").string();
    {
      std::ofstream f(CurrentOutputFile, std::ios::binary);
      f << "EARLIER SECTION\r\n";
    }
    OutputLineCount = 1;

    NumHeadingLines = 1;
    HeadingLines(1) = "'ROWE TEST WALL ";
    WallType = "A";
    RunMode = "D";
    // H = 40, Beta = 0.05, alpha = 0.7; right surface at the wall top.
    WallTopElev = 20;
    AnchorElev = 18;
    TipElev(1) = -20;
    SurfaceElev(1, 1) = 20;
    SurfaceElev(2, 1) = -8;
    MaxMoment(1, 1) = -50000;  // |M| * 12 = 600000
    SoilDataType(1) = "S";
    NumSoilLayers(1) = 1;
    LayerMoistUnitWeight(1, 1) = 120;
    LayerSatUnitWeight(1, 1) = 125;
    LayerBottomElev(1, 1) = -200000;
    AbortRun = 0;
  }

  void TearDown() override {
    platform::files::CloseAll();
    support::RemoveScratchDir(dir_);
  }

  static void SandLeft() {
    SoilDataType(2) = "S";
    NumSoilLayers(2) = 1;
    LayerPhi(2, 1) = 30;
    LayerCohesion(2, 1) = 0;
    LayerAdhesion(2, 1) = 0;
    LayerBottomElev(2, 1) = -200000;
  }
  static void ClayLeft(double cohesion, double adhesion, double fs) {
    SoilDataType(2) = "S";
    NumSoilLayers(2) = 1;
    LayerPhi(2, 1) = 0;
    LayerCohesion(2, 1) = cohesion;
    LayerAdhesion(2, 1) = adhesion;
    LayerBottomElev(2, 1) = -200000;
    FSPassiveUsed(2, 1, 1) = fs;
  }
  // Grid of the design: wall top, right surface, left surface, tip.
  static void SimpleGrid() {
    NumGridPoints = 4;
    GridElev(1) = 20;
    GridElev(2) = 10;
    GridElev(3) = -8;
    GridElev(4) = -20;
  }

  struct Section {
    const char* name;
    double S, I, allow, E;
  };
  static void SetSections(const std::vector<Section>& list) {
    int i = 0;
    for (const Section& s : list) {
      ++i;
      PileSectionName(i) = s.name;
      PileSectionProps(i, 1) = s.S;
      PileSectionProps(i, 2) = s.I;
      PileAllowStress(i) = s.allow;
      PileEModulus(i) = s.E;
    }
    NumPileSections = i;
  }

  // Every line of the report file; the count must be OutputLineCount.
  Lines ReportLines() const {
    platform::files::CloseAll();
    std::ifstream f(CurrentOutputFile, std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    Lines lines;
    size_t start = 0;
    while (start < all.size()) {
      const size_t end = all.find("\r\n", start);
      EXPECT_NE(end, std::string::npos) << "a line without CR LF";
      if (end == std::string::npos) break;
      lines.push_back(all.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }
  // The lines this run appended, after the earlier section.
  Lines SectionLines() const {
    Lines all = ReportLines();
    EXPECT_EQ(static_cast<long>(all.size()), OutputLineCount) << "OutputLineCount";
    EXPECT_FALSE(all.empty());
    if (all.empty()) return all;
    EXPECT_EQ(all.front(), "EARLIER SECTION");
    return Lines(all.begin() + 1, all.end());
  }

  // The common head: blank lines, banner, title box, heading block.
  static Lines Head(const char* soil) {
    Lines e(5, "");
    e.push_back("   PROGRAM QUELDAR-DESIGN/ANALYSIS OF ANCHORED OR CANTILEVER SHEET PILE WALLS");
    e.push_back(Blanks(29) + "BY CLASSICAL METHODS");
    e.push_back(kDateLine);
    e.push_back("");
    e.push_back(Blanks(20) + "*******************************");
    e.push_back(Blanks(20) + "* PRELIMINARY DESIGN DATA FOR *");
    e.push_back(Blanks(20) + "*  FREE EARTH DESIGN IN " + soil + "  *");
    e.push_back(Blanks(20) + "*******************************");
    e.push_back("");
    e.push_back(Blanks(5) + "  I.--HEADING");
    e.push_back(Blanks(7) + "'ROWE TEST WALL ");
    return e;
  }
  static void PropertyHeadings(Lines& e) {
    e.push_back(Blanks(10) + "SHEET" + Blanks(5) + "SECTION" + Blanks(4) + "MOMENT OF" +
                Blanks(10) + "ALLOWABLE" + Blanks(4) + "MODULUS OF");
    e.push_back(Blanks(11) + "PILE" + Blanks(5) + "MODULUS" + Blanks(5) + "INERTIA" + Blanks(13) +
                "STRESS" + Blanks(5) + "ELLASTICITY");
    e.push_back(Blanks(11) + "NAME" + Blanks(6) + "(IN^3)" + Blanks(6) + "(IN^4)" + Blanks(14) +
                "(PSI)" + Blanks(8) + "(PSI)");
  }
  static void DesignDataHeadings(Lines& e, bool applied) {
    e.push_back("");
    e.push_back(Blanks(5) + "III.--PRELIMINARY DESIGN DATA");
    e.push_back("");
    e.push_back(Blanks(5) + "SHEET");
    e.push_back(Blanks(6) + "PILE" + Blanks(21) + "ROWE'S MOMENT" + Blanks(4) +
                (applied ? "RATIO OF ALLOWABLE MOMENT TO" : "RATIO OF ALLOWABLE MOMENT"));
    e.push_back(Blanks(6) + "NAME" + Blanks(5) + "LOG(H^4/EI)" + Blanks(4) + "REDUCTION COEF." +
                Blanks(5) + (applied ? "REDUCED FREE EARTH MOMENT" : "TO FREE EARTH MOMENT"));
  }

  static void ExpectLines(const Lines& actual, const Lines& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      if (expected[i] == kDateLine) {
        EXPECT_EQ(actual[i].substr(0, 9), "   DATE: ") << "line " << i + 1;
        EXPECT_EQ(actual[i].substr(63, 6), "TIME: ") << "line " << i + 1;
      } else {
        EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
      }
    }
  }

  static double LogRho(double H, double I, double E) { return std::log10(std::pow(H, 4) / (E * I)); }

  // The reduction with a pile sections step that counts its showings and accepts the
  // default sections.
  void RunWithSectionsStep() {
    RunRoweMomentReduction([this] {
      ++sectionsShown_;
      AcceptDefaultPileSections();
    });
  }

  std::filesystem::path dir_;
  int sectionsShown_ = 0;
};

// ---------------------------------------------------------------- classification

TEST_F(RoweReduction, ClassificationDecidesTheSoilTheSectionsStepAndTheSection) {
  struct Case {
    const char* what;
    void (*left)();
    int soilType;  // after the run (an applicable run keeps it)
    bool sectionsStep;
    bool sectionWritten;
  };
  SimpleGrid();
  FSPassiveUsed(2, 1, 1) = 1.5;
  FSPassiveUsed(2, 2, 1) = 1.5;
  const Case cases[] = {
      {"one sand layer", [] { SandLeft(); }, 1, true, true},
      {"sand over a cohesive layer above the tip",
       [] {
         SandLeft();
         NumSoilLayers(2) = 2;
         LayerBottomElev(2, 1) = -15;
         LayerPhi(2, 2) = 0;
         LayerCohesion(2, 2) = 500;
         LayerBottomElev(2, 2) = -200000;
       },
       0, false, false},
      {"sand reaching the tip exactly over a cohesive layer",
       [] {
         SandLeft();
         NumSoilLayers(2) = 2;
         LayerBottomElev(2, 1) = -20;
         LayerPhi(2, 2) = 0;
         LayerCohesion(2, 2) = 500;
         LayerBottomElev(2, 2) = -200000;
       },
       1, true, true},
      {"friction and cohesion in the first layer",
       [] {
         SandLeft();
         LayerCohesion(2, 1) = 100;
       },
       0, false, false},
      {"one clay layer", [] { ClayLeft(3000, 0, 1.5); }, 2, true, true},
      {"clay over a sand layer above the tip",
       [] {
         ClayLeft(3000, 0, 1.5);
         NumSoilLayers(2) = 2;
         LayerBottomElev(2, 1) = -10;
         LayerPhi(2, 2) = 30;
         LayerCohesion(2, 2) = 0;
         LayerBottomElev(2, 2) = -200000;
       },
       0, false, false},
      {"clay over clay",
       [] {
         ClayLeft(3000, 0, 1.5);
         NumSoilLayers(2) = 2;
         LayerBottomElev(2, 1) = -10;
         LayerPhi(2, 2) = 0;
         LayerCohesion(2, 2) = 3000;
         LayerBottomElev(2, 2) = -200000;
       },
       2, true, true},
      {"coefficients", [] {
         SoilDataType(2) = "C";
         NumSoilLayers(2) = 1;
         LayerPhi(2, 1) = 0;
         LayerCohesion(2, 1) = 0;
       },
       0, true, false},
      // Strength values left over from an earlier problem do not make a coefficient soil
      // sand.
      {"coefficients over leftover strengths", [] {
         SoilDataType(2) = "C";
         NumSoilLayers(2) = 1;
         LayerPhi(2, 1) = 30;
         LayerCohesion(2, 1) = 0;
       },
       0, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.left();
    sectionsShown_ = 0;
    const long before = OutputLineCount;
    RoweSoilType = 5;
    RunWithSectionsStep();
    EXPECT_EQ(RoweSoilType, c.soilType);
    EXPECT_EQ(sectionsShown_, c.sectionsStep ? 1 : 0);
    EXPECT_EQ(OutputLineCount > before, c.sectionWritten);
    EXPECT_EQ(static_cast<long>(ReportLines().size()), OutputLineCount);
  }
}

TEST_F(RoweReduction, RatiosOfTheWallGoToTheWriters) {
  SandLeft();
  RunWithSectionsStep();
  EXPECT_DOUBLE_EQ(RoweAlpha, 28.0 / 40.0);
  // PZ40 with the defaults: 24000 psi, 29000000 psi.
  EXPECT_NEAR(PileLogRho(1), LogRho(40, 490.8, 29000000), 1e-12);
  EXPECT_NEAR(PileMomentRatio(1), 24000 * 60.7 / (50000.0 * 12), 1e-12);
  EXPECT_EQ(NumPileSections, 8);
}

TEST_F(RoweReduction, WithoutAWindowTheDefaultSectionsAreAcceptedAsTheyAre) {
  SandLeft();
  RunRoweMomentReduction();
  EXPECT_EQ(NumPileSections, 8);
  for (int i = 1; i <= 8; ++i) {
    EXPECT_EQ(PileAllowStress(i), 24000);
    EXPECT_EQ(PileEModulus(i), 29000000);
  }
  EXPECT_EQ(RoweSoilType, 1);
}

TEST_F(RoweReduction, AWallWithoutBendingMomentHasNothingToReduce) {
  SandLeft();
  MaxMoment(1, 1) = 0;
  RunWithSectionsStep();
  EXPECT_EQ(RoweSoilType, 0);
  EXPECT_EQ(sectionsShown_, 0);
  EXPECT_EQ(OutputLineCount, 1);
  EXPECT_EQ(ReportLines().size(), 1u);
}

// ---------------------------------------------------------------- sand variants

TEST_F(RoweReduction, SandAppliedSectionLineByLine) {
  SandLeft();
  const double H = 40;
  // In range (one of them in the flat part of LOOSE), and one below -3.5.
  SetSections({{"PZ22", 18.1, 84.4, 24000, 29000000},
               {"AAA", 40, 1000, 30000, 29000000},
               {"B", 10, 10, 24000, 29000000},
               {"CC", 10, 5, 24000, 29000000}});
  RoweSoilType = 1;
  double h = H, alpha = 0.7, beta = 0.05;
  int n = NumPileSections;
  ReportRoweReductionSand(h, alpha, beta, n);
  EXPECT_EQ(RoweSoilType, 1);

  Lines e = Head("SAND");
  e.push_back("");
  e.push_back(Blanks(5) + " II.--DESIGN PARAMETERS");
  e.push_back("");
  e.push_back(Blanks(10) + "WALL HEIGHT RATIO (ALPHA)  = 0.70");
  e.push_back(Blanks(10) + "ANCHOR HEIGHT RATIO (BETA) = 0.05");
  e.push_back("");
  e.push_back(Blanks(7) + "SHEET PILE DATA:");
  e.push_back(Blanks(20) + "<SECTION PROPERTIES>");
  e.push_back(Blanks(21) + "(PER FOOT OF WALL)");
  PropertyHeadings(e);
  const auto propertyRow = [](const char* name, const char* S, const char* I, const char* allow) {
    return std::string(Cols()
                           .endingBefore(16, name)
                           .endingBefore(28, S)
                           .endingBefore(40, I)
                           .endingBefore(60, allow)
                           .endingBefore(74, "2.90E+07"));
  };
  e.push_back(propertyRow("PZ22", "18.10", "84.40", "2.40E+04"));
  e.push_back(propertyRow("AAA", "40.00", "1000.00", "3.00E+04"));
  e.push_back(propertyRow("B", "10.00", "10.00", "2.40E+04"));
  e.push_back(propertyRow("CC", "10.00", "5.00", "2.40E+04"));
  DesignDataHeadings(e, true);
  e.push_back(Blanks(30) + "LOOSE" + Blanks(5) + "DENSE" + Blanks(10) + "LOOSE" + Blanks(5) +
              "DENSE");

  // The alpha 0.7 rows of the charts.
  const std::vector<double> nodes{-3.5, -3.0, -2.5, -2.0, -1.5};
  const std::vector<double> loose{1.006, 0.611, 0.383, 0.283};
  const std::vector<double> dense{0.561, 0.422, 0.328, 0.256, 0.183};
  const auto looseAt = [&](double x) {
    return x > -2.0 ? 0.283 : Neville({-3.5, -3.0, -2.5, -2.0}, loose, x);
  };
  const auto reducedRow = [&](const char* name, double x, double ratio) {
    const double l = looseAt(x), d = Neville(nodes, dense, x);
    return std::string(Cols()
                           .endingBefore(11, name)
                           .endingBefore(23, F2(x))
                           .endingBefore(36, F2(l))
                           .endingBefore(46, F2(d))
                           .endingBefore(61, F2(ratio / l))
                           .endingBefore(71, F2(ratio / d)));
  };
  const double x1 = LogRho(H, 84.4, 29e6), x2 = LogRho(H, 1000, 29e6);
  const double x3 = LogRho(H, 10, 29e6), x4 = LogRho(H, 5, 29e6);
  ASSERT_LT(x2, -3.5);
  ASSERT_GT(x4, -2.0);
  e.push_back(reducedRow("PZ22", x1, 24000 * 18.1 / 600000));
  e.push_back(Cols()
                  .endingBefore(11, "AAA")
                  .endingBefore(23, F2(x2))
                  .at(32, "1.00*")
                  .at(42, "1.00*")
                  .endingBefore(61, "2.00")
                  .endingBefore(71, "2.00"));
  e.push_back(reducedRow("B", x3, 0.4));
  e.push_back(reducedRow("CC", x4, 0.4));
  e.push_back("");
  e.push_back(Blanks(10) + "* REDUCTION NOT APPLICABLE DUE TO");
  e.push_back(Blanks(10) + "  LOG(H^4/EI) LESS THAN -3.5 OR GREATER THEN -1.5.");
  for (int i = 0; i < 5; ++i) e.push_back("");
  ExpectLines(SectionLines(), e);

  // The curves at the wall's alpha stay for the curves window.
  for (int k = 1; k <= 5; ++k) EXPECT_NEAR(RoweCurveAtAlpha(2, k), dense[k - 1], 1e-12);
}

TEST_F(RoweReduction, SandAppliedWithEverySectionInRangeHasNoRangeNote) {
  SandLeft();
  // EDGE lies just inside the upper end of the charts (log rho -1.5000001).
  SetSections({{"PZ22", 18.1, 84.4, 24000, 29000000},
               {"EDGE", 10, 1, 24000, 2560000.0 * std::pow(10.0, 1.5000001)}});
  double h = 40, alpha = 0.7, beta = 0.05;
  int n = 2;
  ReportRoweReductionSand(h, alpha, beta, n);
  const Lines s = SectionLines();
  ASSERT_GE(s.size(), 7u);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(s[s.size() - i], "");
  EXPECT_NE(s[s.size() - 6].find("EDGE"), std::string::npos);
  EXPECT_EQ(s[s.size() - 6].find("1.00*"), std::string::npos);
  // At log rho -1.5: LOOSE is the value at -2.0, DENSE the value at -1.5.
  EXPECT_NE(s[s.size() - 6].find("0.28      0.18"), std::string::npos) << s[s.size() - 6];
}

TEST_F(RoweReduction, SandNotApplicableSectionLineByLine) {
  SandLeft();
  // H = 40: alpha 0.5 (left surface at 0) and Beta 0.35 (anchor at 6).
  SurfaceElev(2, 1) = 0;
  AnchorElev = 6;
  SetSections({{"PZ40", 60.7, 490.8, 24000, 29000000}, {"X", 10, 10, 24000, 29000000}});
  RoweSoilType = 1;
  for (int k = 1; k <= 5; ++k) RoweCurveAtAlpha(1, k) = -1;
  double h = 40, alpha = 0.5, beta = 0.35;
  int n = 2;
  ReportRoweReductionSand(h, alpha, beta, n);
  EXPECT_EQ(RoweSoilType, 0);
  EXPECT_EQ(RoweCurveAtAlpha(1, 3), -1) << "only an applying run redraws the curves";

  Lines e = Head("SAND");
  e.push_back("");
  e.push_back(Blanks(5) + "II.--DESIGN PARAMETERS");
  e.push_back("");
  e.push_back(Cols().at(11, "WALL HEIGHT RATIO (ALPHA)  = ").at(43, "0.50"));
  e.push_back(Cols().at(11, "ANCHOR HEIGHT RATIO (BETA) = ").at(43, "0.35"));
  e.push_back("");
  e.push_back(Blanks(7) + "SHEET PILE DATA:");
  e.push_back(Blanks(20) + "<SECTION PROPERTIES>");
  e.push_back(Blanks(21) + "(PER FOOT OF WALL)");
  PropertyHeadings(e);
  e.push_back(Cols()
                  .endingBefore(16, "PZ40")
                  .endingBefore(28, "60.70")
                  .endingBefore(40, "490.80")
                  .endingBefore(60, "2.40E+04")
                  .endingBefore(73, "2.90E+07"));
  e.push_back(Cols()
                  .endingBefore(16, "X")
                  .endingBefore(28, "10.00")
                  .endingBefore(40, "10.00")
                  .endingBefore(60, "2.40E+04")
                  .endingBefore(73, "2.90E+07"));
  DesignDataHeadings(e, false);
  const auto row = [](const char* name, double x, double ratio) {
    Cols c;
    c.endingBefore(11, name).endingBefore(23, F2(x));
    std::string s = std::string(c) + Blanks(11) + "1.0 (***)";
    return std::string(Cols().at(1, s).endingBefore(64, F2(ratio)));
  };
  e.push_back(row("PZ40", LogRho(40, 490.8, 29e6), 24000 * 60.7 / 600000));
  e.push_back(row("X", LogRho(40, 10, 29e6), 0.4));
  e.push_back("");
  e.push_back(Blanks(10) + "*** REDUCTION NOT APPLICABLE DUE TO ALPHA LESS THAN 0.6.");
  e.push_back("");
  e.push_back(Blanks(10) + "*** REDUCTION NOT APPLICABLE DUE TO BETA GREATER THAN 0.3.");
  for (int i = 0; i < 5; ++i) e.push_back("");
  ExpectLines(SectionLines(), e);
}

TEST_F(RoweReduction, ApplicabilityBoundsAndTheirNotes) {
  struct Case {
    const char* what;
    double alpha, beta, rightSurface, leftSurface;
    bool applies;
    Lines notes;  // the lines after the rows, before the trailing blanks
  };
  const std::string head = Blanks(10) + "*** REDUCTION NOT APPLICABLE DUE TO ";
  const Case cases[] = {
      {"bounds included", 0.6, 0.3, 20, -4, true, {}},
      {"alpha 0.8", 0.8, 0.0, 20, 12, true, {}},
      {"beta 0.31", 0.7, 0.31, 20, -8, false, {"", head + "BETA GREATER THAN 0.3."}},
      {"alpha 0.81", 0.81, 0.1, 20, -8, false, {"", head + "ALPHA GREATER THAN 0.8."}},
      {"right surface below the wall top", 0.7, 0.1, 19, -8, false,
       {"", head + "RIGHTSIDE SURFACE", Blanks(10) + "    BELOW TOP OF WALL."}},
      {"right surface level with the left", 0.7, 0.1, 20, 20, false,
       {"", head + "RIGHTSIDE SURFACE", Blanks(1) + "    AT OR BELOW LEFTSIDE SURFACE."}},
  };
  SandLeft();
  SetSections({{"B", 10, 10, 24000, 29000000}});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SurfaceElev(1, 1) = c.rightSurface;
    SurfaceElev(2, 1) = c.leftSurface;
    RoweSoilType = 1;
    const long before = OutputLineCount;
    double h = 40, alpha = c.alpha, beta = c.beta;
    int n = 1;
    ReportRoweReductionSand(h, alpha, beta, n);
    EXPECT_EQ(RoweSoilType, c.applies ? 1 : 0);
    const Lines all = ReportLines();
    ASSERT_EQ(static_cast<long>(all.size()), OutputLineCount);
    const Lines section(all.begin() + before, all.end());
    // The applied tables have a third heading line; the notes come after the one row.
    const size_t rowIndex = 5 + 4 + 4 + 3 + 5 + 7 + 1 + (c.applies ? 7 : 6);
    ASSERT_EQ(section.size(), rowIndex + 1 + c.notes.size() + 5);
    EXPECT_EQ(section[rowIndex].find("1.0 (***)") == std::string::npos, c.applies);
    for (size_t i = 0; i < c.notes.size(); ++i) EXPECT_EQ(section[rowIndex + 1 + i], c.notes[i]);
  }
}

TEST_F(RoweReduction, ALongSectionNameNeverBreaksALine) {
  SandLeft();
  // 25 characters: the name ends past where the section modulus would start.
  SetSections({{"ABCDEFGHIJKLMNOPQRSTUVWXY", 60.7, 490.8, 24000, 29000000}});
  double h = 40, alpha = 0.7, beta = 0.05;
  int n = 1;
  ReportRoweReductionSand(h, alpha, beta, n);
  const Lines s = SectionLines();
  const std::string name = "ABCDEFGHIJKLMNOPQRSTUVWXY";
  // Property row: the Tab to column 23 is passed, so one blank; then the next columns.
  const size_t propRow = 5 + 4 + 4 + 3 + 5 + 7;
  EXPECT_EQ(s[propRow], std::string(Cols()
                                        .at(1, name + " 60.70")
                                        .endingBefore(40, "490.80")
                                        .endingBefore(60, "2.40E+04")
                                        .endingBefore(74, "2.90E+07")));
  const size_t designRow = propRow + 1 + 7;
  const double x = LogRho(40, 490.8, 29e6);
  ASSERT_LT(x, -3.5);
  EXPECT_EQ(s[designRow], std::string(Cols()
                                          .at(1, name + " " + F2(x))
                                          .at(32, "1.00*")
                                          .at(42, "1.00*")
                                          .endingBefore(61, F2(24000 * 60.7 / 600000))
                                          .endingBefore(71, F2(24000 * 60.7 / 600000))));
}

TEST_F(RoweReduction, NoSectionsGiveBothTablesWithTheirHeadingsOnly) {
  SandLeft();
  NumPileSections = 0;
  double h = 40, alpha = 0.7, beta = 0.05;
  int n = 0;
  ReportRoweReductionSand(h, alpha, beta, n);
  EXPECT_EQ(SectionLines().size(), 5u + 4 + 4 + 3 + 5 + 7 + 7 + 5);
}

// ---------------------------------------------------------------- clay variants

TEST_F(RoweReduction, ClayAppliedSectionLineByLine) {
  SimpleGrid();
  // sigma = 120 * 28 = 3360 psf; c = 3000 / 1.5 = 2000; a = 300 (not divided).
  ClayLeft(3000, 300, 1.5);
  const double sn = 2000.0 / 3360 * std::sqrt(1 + 300.0 / 2000);
  SetSections({{"PZ22", 18.1, 84.4, 24000, 29000000},
               {"WIDE", 40, 1000, 30000, 29000000},
               {"LOW", 10, 20, 24000, 29000000}});
  RoweSoilType = 2;
  double h = 40, alpha = 0.7, beta = 0.05;
  int n = 3;
  ReportRoweReductionClay(h, alpha, beta, n);
  EXPECT_EQ(RoweSoilType, 2);

  Lines e = Head("CLAY");
  e.push_back("");
  e.push_back(Blanks(5) + " II.--DESIGN PARAMETERS");
  e.push_back(Blanks(10) + "WALL HEIGHT RATIO (ALPHA)  = 0.70");
  e.push_back(Blanks(10) + "ANCHOR HEIGHT RATIO (BETA) = 0.05");
  e.push_back(Blanks(10) + "STABILITY NUMBER           = " + F2(sn));
  e.push_back("");
  e.push_back(Blanks(7) + "SHEET PILE DATA:");
  e.push_back("");
  e.push_back(Blanks(20) + "<SECTION PROPERTIES>");
  e.push_back(Blanks(21) + "(PER FOOT OF WALL)");
  PropertyHeadings(e);
  const auto propertyRow = [](const char* name, const char* S, const char* I, const char* allow) {
    return std::string(Cols()
                           .endingBefore(15, name)
                           .endingBefore(27, S)
                           .endingBefore(40, I)
                           .endingBefore(58, allow)
                           .endingBefore(73, "2.90E+07"));
  };
  e.push_back(propertyRow("PZ22", "18.10", "84.40", "24000.00"));
  e.push_back(propertyRow("WIDE", "40.00", "1000.00", "30000.00"));
  e.push_back(propertyRow("LOW", "10.00", "20.00", "24000.00"));
  DesignDataHeadings(e, true);

  // At alpha 0.7 the coefficient at log rho x is the quadratic through curves 4, 5, 6.
  const std::vector<double> snNodes{0.5, 0.75, 1.0, 1.25, 1.5, 2.0};
  const auto curve = [&](std::vector<double> ys) {
    if (sn >= 1.5) {
      const double u = 2 * sn - 3;
      return (1 - u) * ys[4] + u * ys[5];
    }
    return Neville(snNodes, ys, sn);
  };
  const double q1 = curve({0.778, 0.711, 0.678, 0.656, 0.639, 0.622});
  const double q2 = curve({0.678, 0.578, 0.544, 0.522, 0.506, 0.489});
  const double q3 = curve({0.683, 0.556, 0.5, 0.472, 0.45, 0.45});
  const auto reducedRow = [&](const char* name, double x, double ratio) {
    const double coef = Neville({-3.1, -2.6, -2.0}, {q1, q2, q3}, x);
    return std::string(Cols()
                           .endingBefore(10, name)
                           .endingBefore(23, F2(x))
                           .endingBefore(43, F2(coef))
                           .endingBefore(64, F2(ratio / coef)));
  };
  const double x1 = LogRho(40, 84.4, 29e6), x2 = LogRho(40, 1000, 29e6), x3 = LogRho(40, 20, 29e6);
  ASSERT_GE(x1, -3.1);
  ASSERT_LT(x2, -3.1);
  ASSERT_LE(x3, -2.0);
  e.push_back(reducedRow("PZ22", x1, 24000 * 18.1 / 600000));
  e.push_back(std::string(Cols().endingBefore(10, "WIDE").endingBefore(23, F2(x2))) + Blanks(11) +
              "1.0 (***)");
  e.back() = Cols().at(1, e.back()).endingBefore(64, "2.00");
  e.push_back(reducedRow("LOW", x3, 0.4));
  e.push_back("");
  e.push_back("*** REDUCTION NOT APPLICABLE DUE TO");
  e.push_back("LOG(H^4/EI) LESS THAN -3.1 RO GREATER THAN -2.0.");
  ExpectLines(SectionLines(), e);
}

TEST_F(RoweReduction, ClayNotApplicableSectionLineByLine) {
  SimpleGrid();
  // Right surface level with the left one: a uniform load alone gives sigma.
  SurfaceElev(1, 1) = -8;
  SurfaceElev(2, 1) = -8;
  NumUniformLoads(1) = 1;
  UniformLoad(1) = 5000;
  ClayLeft(300, 0, 1.0);  // Sn = 300 / 5000 = 0.06
  SetSections({{"PZ22", 18.1, 84.4, 24000, 29000000}});
  RoweSoilType = 2;
  double h = 40, alpha = 0.7, beta = 0.05;
  int n = 1;
  ReportRoweReductionClay(h, alpha, beta, n);
  EXPECT_EQ(RoweSoilType, 0);

  Lines e = Head("CLAY");
  e.push_back("");
  e.push_back(Blanks(5) + " II.--DESIGN PARAMETERS");
  e.push_back(Blanks(10) + "WALL HEIGHT RATIO (ALPHA)  = 0.70");
  e.push_back(Blanks(10) + "ANCHOR HEIGHT RATIO (BETA) = 0.05");
  e.push_back(Blanks(10) + "STABILITY NUMBER           = 0.06");
  e.push_back("");
  e.push_back(Blanks(7) + "SHEET PILE DATA:");
  e.push_back("");
  e.push_back(Blanks(20) + "<SECTION PROPERTIES>");
  e.push_back(Blanks(21) + "(PER FOOT OF WALL)");
  PropertyHeadings(e);
  e.push_back(Cols()
                  .endingBefore(15, "PZ22")
                  .endingBefore(27, "18.10")
                  .endingBefore(40, "84.40")
                  .endingBefore(58, "24000.00")
                  .endingBefore(73, "2.90E+07"));
  DesignDataHeadings(e, false);
  const std::string start = Cols().endingBefore(10, "PZ22").endingBefore(23, F2(LogRho(40, 84.4, 29e6)));
  e.push_back(Cols().at(1, start + Blanks(11) + "1.0 (***)").endingBefore(64, "0.72"));
  const std::string head = Blanks(10) + "*** REDUCTION NOT APPLICABLE DUE TO ";
  e.push_back("");
  e.push_back(head + "RIGHTSIDE SURFACE");
  e.push_back(Blanks(10) + "    BELOW TOP OF WALL.");
  e.push_back("");
  e.push_back(head + "RIGHTSIDE SURFACE");
  e.push_back(Blanks(1) + "    AT OR BELOW LEFTSIDE SURFACE.");
  e.push_back("");
  e.push_back(head + "STABILITY NUMBER");
  e.push_back(Blanks(1) + "    LESS THAN 0.5.");
  for (int i = 0; i < 5; ++i) e.push_back("");
  ExpectLines(SectionLines(), e);
}

TEST_F(RoweReduction, ClayWithoutOverburdenIsNotApplicableInsteadOfDividingByZero) {
  SimpleGrid();
  SurfaceElev(1, 1) = -8;  // level with the left surface, no surcharge: sigma = 0
  SurfaceElev(2, 1) = -8;
  ClayLeft(3000, 0, 1.5);
  SetSections({{"PZ22", 18.1, 84.4, 24000, 29000000}});
  RoweSoilType = 2;
  double h = 40, alpha = 0.7, beta = 0.05;
  int n = 1;
  ReportRoweReductionClay(h, alpha, beta, n);
  EXPECT_EQ(RoweSoilType, 0);
  const Lines s = SectionLines();
  EXPECT_EQ(s[5 + 4 + 4 + 3 + 4], Blanks(10) + "STABILITY NUMBER           = N/A");
  const std::string head = Blanks(10) + "*** REDUCTION NOT APPLICABLE DUE TO ";
  ASSERT_GE(s.size(), 8u);
  EXPECT_EQ(s[s.size() - 7], head + "STABILITY NUMBER");
  EXPECT_EQ(s[s.size() - 6], Blanks(1) + "    GREATER THAN 2.5.");
  for (const std::string& line : s) EXPECT_EQ(line.find("nan"), std::string::npos) << line;
  for (const std::string& line : s) EXPECT_EQ(line.find("inf"), std::string::npos) << line;
}

TEST_F(RoweReduction, ClayStabilityNumberBoundsAndHighNote) {
  SimpleGrid();
  SetSections({{"PZ22", 18.1, 84.4, 24000, 29000000}});
  struct Case {
    double cohesion;  // FS 1, no adhesion: Sn = c / 3360
    bool applies;
    const char* note;
  };
  const Case cases[] = {{0.5 * 3360, true, nullptr},
                        {2.5 * 3360, true, nullptr},
                        {2.6 * 3360, false, "    GREATER THAN 2.5."},
                        {0.45 * 3360, false, "    LESS THAN 0.5."}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cohesion);
    ClayLeft(c.cohesion, 0, 1.0);
    RoweSoilType = 2;
    double h = 40, alpha = 0.7, beta = 0.05;
    int n = 1;
    ReportRoweReductionClay(h, alpha, beta, n);
    EXPECT_EQ(RoweSoilType, c.applies ? 2 : 0);
    const Lines all = ReportLines();
    ASSERT_EQ(static_cast<long>(all.size()), OutputLineCount);
    if (c.note) {
      EXPECT_EQ(all[all.size() - 6], Blanks(1) + c.note);
    }
  }
}

// ---------------------------------------------------------------- clay overburden

TEST_F(RoweReduction, OverburdenWalksTheRetainedSideWithWaterAndSeepage) {
  // Right side: layer 1 (moist 110, sat 120) down to 10, layer 2 (moist 100, sat 130)
  // below; water at 14; seepage from 12 down to the seepage bottom at 0, gradient 0.25;
  // a uniform load of 200. Left surface at -8; grid points above the right surface are
  // passed over.
  NumSoilLayers(1) = 2;
  LayerMoistUnitWeight(1, 1) = 110;
  LayerSatUnitWeight(1, 1) = 120;
  LayerBottomElev(1, 1) = 10;
  LayerMoistUnitWeight(1, 2) = 100;
  LayerSatUnitWeight(1, 2) = 130;
  LayerBottomElev(1, 2) = -200000;
  SurfaceElev(1, 1) = 18;
  WaterDataType = "E";
  WaterElev(1) = 14;
  WaterUnitWeight = 62.4;
  SeepageOption = "A";
  SeepageElev = 12;
  SeepageBottomElev(1) = 0;
  SeepageGradient(1) = 0.25;
  NumUniformLoads(1) = 1;
  UniformLoad(1) = 200;
  const double grid[] = {20, 18, 14, 12, 10, 0, -8, -20};
  NumGridPoints = 8;
  for (int p = 1; p <= 8; ++p) GridElev(p) = grid[p - 1];

  const double w = 62.4, ws = 0.75 * 62.4;
  double expected = 200;
  expected += 4 * 110;         // 18 to 14, moist layer 1
  expected += 2 * (120 - w);   // 14 to 12, submerged, above the seepage path
  expected += 2 * (120 - ws);  // 12 to 10, seepage
  expected += 10 * (130 - ws); // 10 to 0, layer 2 with seepage
  expected += 8 * (130 - w);   // 0 to -8, below the seepage bottom
  EXPECT_NEAR(RoweOverburden(), expected, 1e-9);
}

TEST_F(RoweReduction, OverburdenLayerIndexStaysOnTheLastLayer) {
  // A single right layer whose stored bottom lies on the grid: the walk keeps that layer's
  // weight instead of moving to a layer that does not exist.
  NumSoilLayers(1) = 1;
  LayerMoistUnitWeight(1, 1) = 120;
  LayerBottomElev(1, 1) = 10;
  LayerMoistUnitWeight(1, 2) = 999;
  SimpleGrid();
  EXPECT_NEAR(RoweOverburden(), 28 * 120.0, 1e-9);
}

TEST_F(RoweReduction, OverburdenStartsInTheLayerFoundAtTheRightSurface) {
  // Layers given for both sides: layer 1 ends at 24, above the wall top and the right
  // surface (20), so the retained soil at the wall is layer 2 down to 0, then layer 3.
  NumSoilLayers(1) = 3;
  LayerMoistUnitWeight(1, 1) = 150;
  LayerBottomElev(1, 1) = 24;
  LayerMoistUnitWeight(1, 2) = 100;
  LayerBottomElev(1, 2) = 0;
  LayerMoistUnitWeight(1, 3) = 120;
  LayerBottomElev(1, 3) = -200000;
  const double grid[] = {20, 10, 0, -8, -20};
  NumGridPoints = 5;
  for (int p = 1; p <= 5; ++p) GridElev(p) = grid[p - 1];
  EXPECT_NEAR(RoweOverburden(), 20 * 100.0 + 8 * 120.0, 1e-9);
}

TEST_F(RoweReduction, AverageStrengthOverTheEmbedment) {
  // Left surface -8, tip -20: layer 1 to -12 (c 900, a 200, FS 1.5), layer 2 to -30 (c
  // 1200, a 400, FS 2), layer 3 not reached.
  SoilDataType(2) = "S";
  NumSoilLayers(2) = 3;
  LayerCohesion(2, 1) = 900;
  LayerAdhesion(2, 1) = 200;
  LayerBottomElev(2, 1) = -12;
  FSPassiveUsed(2, 1, 1) = 1.5;
  LayerCohesion(2, 2) = 1200;
  LayerAdhesion(2, 2) = 400;
  LayerBottomElev(2, 2) = -30;
  FSPassiveUsed(2, 2, 1) = 2;
  LayerCohesion(2, 3) = 99999;
  LayerAdhesion(2, 3) = 99999;
  LayerBottomElev(2, 3) = -200000;
  FSPassiveUsed(2, 3, 1) = 1;
  double c = 0, a = 0;
  RoweAverageStrength(c, a);
  EXPECT_NEAR(c, (4 * 600.0 + 8 * 600.0) / 12, 1e-9);
  EXPECT_NEAR(a, (4 * 200.0 + 8 * 400.0) / 12, 1e-9);

  NumSoilLayers(2) = 1;
  RoweAverageStrength(c, a);
  EXPECT_NEAR(c, 600, 1e-9);
  EXPECT_NEAR(a, 200, 1e-9);
}

TEST_F(RoweReduction, AverageStrengthLeavesOutLayersDredgedAwayInFrontOfTheWall) {
  // The layers are given for both sides, and the left side is dredged to -8, below the
  // bottom of layer 1 (-2) and of layer 2 (-8 exactly): at the wall the embedment is layer 3
  // down to -14, then layer 4 to the tip at -20. The average is over those two only.
  SoilDataType(2) = "S";
  NumSoilLayers(2) = 4;
  const double c[] = {300, 500, 1200, 2000}, adh[] = {100, 150, 400, 800}, fs[] = {1, 1, 2, 2.5};
  const double bottom[] = {-2, -8, -14, -200000};
  for (int L = 1; L <= 4; ++L) {
    LayerCohesion(2, L) = c[L - 1];
    LayerAdhesion(2, L) = adh[L - 1];
    FSPassiveUsed(2, L, 1) = fs[L - 1];
    LayerBottomElev(2, L) = bottom[L - 1];
  }
  double cohesion = 0, adhesion = 0;
  RoweAverageStrength(cohesion, adhesion);
  EXPECT_NEAR(cohesion, (6 * 1200 / 2.0 + 6 * 2000 / 2.5) / 12, 1e-9);
  EXPECT_NEAR(adhesion, (6 * 400.0 + 6 * 800.0) / 12, 1e-9);

  // The tip inside the first layer that reaches below the left surface.
  TipElev(1) = -10;
  RoweAverageStrength(cohesion, adhesion);
  EXPECT_NEAR(cohesion, 1200 / 2.0, 1e-9);
  EXPECT_NEAR(adhesion, 400, 1e-9);
}

}  // namespace
