// Problems through the water, surcharge and horizontal-load windows as a user drives
// them: what they store is written as an input data file that solves to the same report
// as the file written by hand; the pile sections window after an anchored design.
#include <QLineEdit>
#include <sstream>

#include "app_fixture.h"
#include "cli/solve_pipeline.h"
#include "entry/horizontal_load_windows.h"
#include "entry/pile_sections_window.h"
#include "entry/surcharge_storage.h"
#include "entry/surcharge_windows.h"
#include "entry/water_window.h"
#include "platform/qt/controls.h"
#include "platform/qt/latin1.h"
#include "support/solve_file_runner.h"
#include "wall/wall_data.h"

using platform::Answer;

namespace {

// The problem without the sections these windows enter, and the same with them as a
// person writes them by hand.
const char* const kBase =
    "'ANCHORED WALL ENTERED AT THE KEYBOARD\n"
    "CONTROL  ANCHORED  DESIGN  1.00  1.50\n"
    "WALL  24  21\n"
    "SURFACE  RIGHTSIDE  1  0  22\n"
    "SURFACE  LEFTSIDE   1  0  8\n"
    "SOIL  BOTH  STRENGTHS  1\n"
    "  122  110  32  0  16  0\n";
const char* const kByHand =
    "WATER  ELEVATIONS  62.4  16  4  4  AUTOMATIC\n"
    "VERTICAL  STRIP  RIGHTSIDE  1  6  14  500\n"
    "VERTICAL  RAMP  RIGHTSIDE  2  6  300\n"
    "HORIZONTAL  LINE  1  20  1000\n";

void Type(QLineEdit* box, const char* text) { box->setText(platform::fromLatin1(text)); }

// The report's lines, without the date and time of each section's banner.
std::vector<std::string> ReportBody(const fs::path& report) {
  std::istringstream in(support::ReadBytes(report));
  std::vector<std::string> body;
  for (std::string line; std::getline(in, line);)
    if (line.find("TIME:") == std::string::npos) body.push_back(line);
  return body;
}

// The first line where two reports differ, with its number; "" when they agree.
std::string FirstDifference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    const std::string x = i < a.size() ? a[i] : "<end>", y = i < b.size() ? b[i] : "<end>";
    if (x != y) return "line " + std::to_string(i + 1) + ":\n" + x + "\n" + y;
  }
  return "";
}

// The rows of the moment reduction's section table: name and the four numbers as printed.
std::vector<std::string> SectionRows(const std::string& report) {
  std::istringstream in(report);
  std::vector<std::string> rows;
  std::string line;
  while (std::getline(in, line) && line.find("NAME      (IN^3)") == std::string::npos) {}
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(' ') == std::string::npos) break;
    rows.push_back(line);
  }
  return rows;
}

class KeyboardEntry : public AppTest {
 protected:
  // Reads a file as File > Open does.
  void read(const std::string& path) {
    cli::Options o;
    o.input = path;
    box("INPUT COMPLETE", Answer::OK);
    ASSERT_EQ(cli::OpenInputFile(o), cli::Step::Continue);
  }
  std::string write(const std::string& name) {
    cli::Options o;
    o.writeInput = (dir / "user" / name).string();
    EXPECT_EQ(cli::WriteInputFile(o), cli::Step::Continue);
    return o.writeInput;
  }
  // solve_file's report of an input file.
  std::vector<std::string> solve(const std::string& input, const std::string& name) {
    const fs::path out = dir / "user" / name;
    const support::SolveFileRun run = support::RunSolveFile({input, out.string()}, dir);
    EXPECT_EQ(run.status, 0) << run.output;
    return ReportBody(out);
  }
};

TEST_F(KeyboardEntry, AnAnchoredDesignEnteredInTheWindowsSolvesLikeTheFileByHand) {
  read(user("base.dat", std::string(kBase) + "FINISHED\n"));
  runner.on("WATER", [](platform::Form& f) {
    auto& w = static_cast<WATER&>(f);
    w.cmdWaterEls->click();
    Type(w.txtWaterWt, "62.4");
    Type(w.txtWaterElR, "16");
    Type(w.txtWaterElL, "4");
    w.optAutoSeep->setValue(true);
    Type(w.txtSeepEl, "4");
    w.cmdFinishedElevData->click();
  });
  platform::ShowModal<WATER>();

  runner.on("SURCHCON", [](platform::Form& f) {
    auto& chooser = static_cast<SURCHCON&>(f);
    chooser.buttons[3]->click();  // strips
    chooser.buttons[4]->click();  // ramps
    chooser.cmdFinished->click();
  });
  runner.on("SURCHARG", [](platform::Form& f) {
    auto& w = static_cast<SURCHARG&>(f);
    const char* row[] = {"6", "14", "500"};
    for (int c = 0; c < 3; ++c) Type(w.types[3].boxes[0][0][static_cast<std::size_t>(c)], row[c]);
    w.types[3].finished->click();
  });
  runner.on("SURCHARG", [](platform::Form& f) {
    auto& w = static_cast<SURCHARG&>(f);
    const char* row[] = {"2", "6", "300"};
    for (int c = 0; c < 3; ++c) Type(w.types[4].boxes[0][0][static_cast<std::size_t>(c)], row[c]);
    w.close();  // a close request finishes the frame shown
  });
  platform::ShowModal<SURCHCON>();

  runner.on("HORCON", [](platform::Form& f) {
    auto& chooser = static_cast<HORCON&>(f);
    chooser.cmdHorizLine->click();
    chooser.close();
  });
  runner.on("HORLOAD", [](platform::Form& f) {
    auto& w = static_cast<HORLOAD&>(f);
    Type(w.findChild<QLineEdit*>("txtElevHorLine(0)"), "20");
    Type(w.findChild<QLineEdit*>("txtHorLine(0)"), "1000");
    w.cmdFinHorLine->click();
  });
  platform::ShowModal<HORCON>();
  EXPECT_EQ(NumStripLoads(1) + NumRampLoads(1) + NumHorizLineLoads, 3);

  const std::string typed = write("typed.dat");
  const std::string byHand = user("by-hand.dat", std::string(kBase) + kByHand + "FINISHED\n");
  const std::vector<std::string> report = solve(typed, "typed.out");
  EXPECT_GT(report.size(), 300u);
  EXPECT_EQ(FirstDifference(report, solve(byHand, "by-hand.out")), "");
}

TEST_F(KeyboardEntry, ThePileSectionsAfterTheDesignListTenSectionsOrASoundDefault) {
  start();
  const std::string input = user("anchored.dat", std::string(kBase) + kByHand + "FINISHED\n");
  bool first = true;
  auto openAndSolve = [&] {
    if (!first) box("SAVE OUTPUT DATA?", Answer::No);
    first = false;
    dialogs.answerOpen(input);
    box("INPUT COMPLETE", Answer::OK);
    window->mnuFileItem_Click(kFileOpen);
    window->mnuSolveItem_Click(0);
    window->cmdContinue_Click();
    EXPECT_EQ(window->findChild<platform::Panel*>("panDone")->caption(), "SOLUTION COMPLETE");
    window->cmdOK_Click();
    return support::ReadBytes(CurrentOutputFile);
  };

  runner.on("ROWEPILE", [](platform::Form& f) {
    auto& w = static_cast<ROWEPILE&>(f);
    w.cmdDefAccept->click();
    const char* rows[2][5] = {{"AZ18", "30.5", "220", "25000", "29e6"}, {"AZ26", "48", "410.5", "25000", "30e6"}};
    const char* columns[5] = {"txtName", "txtSectMod", "txtInertia", "txtAllow", "txtEMod"};
    for (int j = 0; j < 2; ++j)
      for (int c = 0; c < 5; ++c) Type(w.textBoxArray(columns[c])(j), rows[j][c]);
    w.cmdDone->click();
  });
  std::vector<std::string> rows = SectionRows(openAndSolve());
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[0], "           PZ40       60.70      490.80            2.40E+04     2.90E+07");
  EXPECT_EQ(rows[8], "           AZ18       30.50      220.00            2.50E+04     2.90E+07");
  EXPECT_EQ(rows[9], "           AZ26       48.00      410.50            2.50E+04     3.00E+07");

  // Closed at each stage (Accept, then Done): the reopened problem's list is the eight
  // defaults, every number sound.
  runner.on("ROWEPILE", [](platform::Form& f) {
    f.close();
    EXPECT_FALSE(f.isUnloaded());
    f.close();
  });
  rows = SectionRows(openAndSolve());
  ASSERT_EQ(rows.size(), 8u);
  for (const std::string& row : rows) EXPECT_NE(row.find("2.40E+04     2.90E+07"), std::string::npos) << row;
  EXPECT_EQ(NumPileSections, 8);
}

TEST_F(KeyboardEntry, ExamplesWithWaterAndLoadsGoThroughTheWindowsUnchanged) {
  for (const char* example : {"anchored-layered-water.dat", "cantilever-surcharges-horizontal.dat",
                              "cantilever-analysis-coefficients.dat"}) {
    SCOPED_TRACE(example);
    const std::string path = std::string(QUELDAR_SOURCE_DIR) + "/examples/" + example;
    read(path);
    // Each section that holds data is opened and finished as it stands.
    if (WaterDataType != "") {
      const bool elevations = WaterDataType == "E";
      runner.on("WATER", [elevations](platform::Form& f) {
        auto& w = static_cast<WATER&>(f);
        (elevations ? w.cmdWaterEls : w.cmdWaterPres)->click();
        f.close();
        if (!f.isUnloaded()) f.close();  // the pressure section returns to the chooser
      });
      platform::ShowModal<WATER>();
    }
    std::vector<int> kinds;
    for (int type = 1; type <= 6; ++type)
      if (entry::SurchargeCount(type, 1) + entry::SurchargeCount(type, 2) > 0) kinds.push_back(type);
    if (!kinds.empty()) {
      runner.on("SURCHCON", [kinds](platform::Form& f) {
        auto& chooser = static_cast<SURCHCON&>(f);
        for (int type : kinds) chooser.buttons[type]->click();
        chooser.close();
      });
      for (std::size_t k = 0; k < kinds.size(); ++k) runner.on("SURCHARG", [](platform::Form& f) { f.close(); });
      platform::ShowModal<SURCHCON>();
    }
    if (NumHorizLineLoads + NumHorizDistPoints > 0) {
      const bool line = NumHorizLineLoads > 0, dist = NumHorizDistPoints > 0;
      runner.on("HORCON", [line, dist](platform::Form& f) {
        auto& chooser = static_cast<HORCON&>(f);
        if (line) chooser.cmdHorizLine->click();
        if (dist) chooser.cmdHorizDist->click();
        chooser.close();
      });
      for (int k = 0; k < int(line) + int(dist); ++k) runner.on("HORLOAD", [](platform::Form& f) { f.close(); });
      platform::ShowModal<HORCON>();
    }
    EXPECT_EQ(runner.pending(), 0);
    const std::string again = write(std::string("again-") + example);
    EXPECT_EQ(FirstDifference(solve(again, "again.out"), solve(path, "before.out")), "");
  }
}

}  // namespace
