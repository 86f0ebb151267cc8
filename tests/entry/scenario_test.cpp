// Keyboard entry as a user does it, through the main window and the modal runner: a new
// problem typed in, saved, opened again and solved, against the same problem written by
// hand; and an opened example edited.
#include <QImage>
#include <fstream>
#include <sstream>

#include "entry/heading_control_window.h"
#include "entry/input_hub.h"
#include "entry/soil_layer_window.h"
#include "entry/surface_window.h"
#include "keyboard_entry_fixture.h"

using platform::Answer;

namespace {

// The same problem as the scenario types it.
const char* const kByHand =
    "'KEYBOARD ENTRY SCENARIO\n"
    "'TWO LAYERS RETAINED, ONE IN FRONT\n"
    "CONTROL CANTILEVER DESIGN 1.0 1.5\n"
    "WALL 12\n"
    "SURFACE RIGHTSIDE 2 0 10\n"
    " 20 11\n"
    "SURFACE LEFTSIDE 2 0 0\n"
    " 15 -1\n"
    "SOIL RIGHTSIDE STRENGTHS 2\n"
    " 120 110 32 0 20 0 4 0\n"
    " 125 118 28 100 18 50\n"
    "SOIL LEFTSIDE STRENGTHS 1\n"
    " 125 118 30 0 15 0\n"
    "FINISHED\n";

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The report without the lines that name its files.
std::string withoutFileNames(const std::string& report, const std::vector<std::string>& names) {
  std::istringstream in(report);
  std::string line, out;
  while (std::getline(in, line)) {
    bool named = false;
    for (const std::string& n : names) named = named || (!n.empty() && line.find(n) != std::string::npos);
    if (!named) out += line + "\n";
  }
  return out;
}

}  // namespace

class EntryScenario : public EntryTest {
 protected:
  void open(const std::string& path) {
    dialogs.answerOpen(path);
    box("INPUT COMPLETE", Answer::OK);
    window->mnuFileItem_Click(kFileOpen);
  }
  // Solves the open problem to its end and returns the report.
  std::string solve(bool wedges = false) {
    // Ground given by more than one point is loaded by wedges: the user picks the sweep.
    if (wedges) runner.on("WEDGMETH", [](platform::Form& f) { f.control<QPushButton>("cmdSweep")->click(); });
    window->mnuSolveItem_Click(0);
    window->cmdContinue_Click();
    window->cmdOK_Click();
    return readFile(CurrentOutputFile);
  }
};

TEST_F(EntryScenario, ANewProblemTypedInSavesOpensAndSolvesAsTheSameProblemByHand) {
  start();
  window->mnuFileItem_Click(kFileNew);  // File > New
  runner.on("KEYIN", [&](platform::Form& hub) {
    keepPicture(hub, "keyin_enter");
    runner.on("HEADCONT", [&](platform::Form& f) {
      type(f, "txtHead(0)", "KEYBOARD ENTRY SCENARIO");
      type(f, "txtHead(1)", "TWO LAYERS RETAINED, ONE IN FRONT");
      f.control<platform::OptionButton>("optCantilever")->click();
      f.control<platform::OptionButton>("optDesign")->click();
      type(f, "txtWallTop", "12");
      type(f, "txtFSA1", "1.0");
      type(f, "txtFSP1", "1.5");
      keepPicture(f, "headcont_new");
      click(f, "cmdFinished");
    });
    click(hub, "cmdHeadCont");
    runner.on("SURFACE", [&](platform::Form& f) {
      for (const auto& [name, text] : std::vector<std::pair<QString, QString>>{
               {"txtRightDist(0)", "0"}, {"txtRightElev(0)", "10"}, {"txtRightDist(1)", "20"}, {"txtRightElev(1)", "11"},
               {"txtLeftDist(0)", "0"}, {"txtLeftElev(0)", "0"}, {"txtLeftDist(1)", "15"}, {"txtLeftElev(1)", "-1"}})
        type(f, name, text);
      click(f, "cmdFinished");
    });
    click(hub, "cmdSurface");
    runner.on("LAYRDATA", [&](platform::Form& f) {
      click(f, "cmdEnterRightside");
      f.control<platform::OptionButton>("optStrengths")->click();
      click(f, "cmdOK");
      for (const auto& [name, text] : std::vector<std::pair<QString, QString>>{
               {"txtSATWt(0)", "120"}, {"txtMSTWt(0)", "110"}, {"txtIntFrict(0)", "32"}, {"txtWallFrict(0)", "20"},
               {"txtElev(0)", "4"}, {"txtSATWt(1)", "125"}, {"txtMSTWt(1)", "118"}, {"txtIntFrict(1)", "28"},
               {"txtCohes(1)", "100"}, {"txtWallFrict(1)", "18"}, {"txtAdhes(1)", "50"}})
        type(f, name, text);
      click(f, "cmdFinished");
      click(f, "cmdEnterLeftside");
      f.control<platform::OptionButton>("optStrengths")->click();
      click(f, "cmdOK");
      for (const auto& [name, text] : std::vector<std::pair<QString, QString>>{
               {"txtSATWt(0)", "125"}, {"txtMSTWt(0)", "118"}, {"txtIntFrict(0)", "30"}, {"txtWallFrict(0)", "15"}})
        type(f, name, text);
      click(f, "cmdFinished");
      click(f, "cmdFinishedAction");
    });
    click(hub, "cmdLayerData");
    for (const char* p : {"panHeadCont", "panSurface", "panLayerData"}) EXPECT_EQ(colourOf(hub, p), kCyan) << p;
    keepPicture(hub, "keyin_entered");
    click(hub, "cmdFinished");
  });
  window->mnuEditItem_Click(0);
  ASSERT_EQ(AbortRun, 0);
  EXPECT_TRUE(item("mnuSaveItem", kSaveInputData)->isEnabled());
  EXPECT_TRUE(topOn("mnuSolve"));

  const std::string typed = (dir / "user" / "typed.dat").string();
  dialogs.answerSaveAs(typed);
  window->mnuSaveItem_Click(kSaveInputData);  // File > Save > Input Data
  ASSERT_TRUE(fs::exists(typed));

  box("SAVE OUTPUT DATA?", Answer::No);
  open(typed);
  const std::string typedReport = solve(true);
  const std::string byHand = user("byhand.dat", kByHand);
  box("SAVE OUTPUT DATA?", Answer::No);
  open(byHand);
  const std::string handReport = solve(true);
  ASSERT_NE(handReport.find("SUMMARY"), std::string::npos);
  EXPECT_EQ(withoutFileNames(typedReport, {"typed.dat"}), withoutFileNames(handReport, {"byhand.dat"}));
  box("SAVE OUTPUT DATA?", Answer::No);
  window->close();
}

TEST_F(EntryScenario, AnOpenedExampleEditedAtTheKeyboardSolvesWithTheNewValue) {
  start();
  open(std::string(QUELDAR_SOURCE_DIR) + "/examples/cantilever-sand.dat");
  runner.on("KEYIN", [&](platform::Form& hub) {
    keepPicture(hub, "keyin_edit");
    runner.on("LAYRDATA", [&](platform::Form& f) {
      click(f, "cmdEnterRightside");
      EXPECT_TRUE(f.control<platform::OptionButton>("optStrengths")->value());
      click(f, "cmdOK");
      EXPECT_EQ(textBox(f, "txtIntFrict(0)")->text(), " 30");
      type(f, "txtIntFrict(0)", "34");
      click(f, "cmdFinished");
      click(f, "cmdFinishedAction");
    });
    click(hub, "cmdLayerData");
    click(hub, "cmdFinished");
  });
  box("SAVE OUTPUT DATA?", Answer::No);  // the report of the opened file
  window->mnuEditItem_Click(0);
  ASSERT_EQ(AbortRun, 0);
  EXPECT_EQ(LayerPhi(1, 1), 34);
  EXPECT_EQ(InputChanged, 1);
  const std::string report = solve();
  // The input echo's right-side layer row carries the new angle, the left side the old.
  const std::size_t right = report.find(" 100.00  100.00    34.00    0.00");
  const std::size_t left = report.find(" 100.00  100.00    30.00    0.00");
  EXPECT_NE(right, std::string::npos) << report.substr(0, 3000);
  EXPECT_NE(left, std::string::npos);
  EXPECT_LT(right, left);
  box("SAVE INPUT DATA?", Answer::No);
  box("SAVE OUTPUT DATA?", Answer::No);
  window->close();
}

TEST_F(EntryScenario, AWallTopLoweredBelowAHorizontalLoadIsRefusedAndOkKeepsEverything) {
  start();
  open(std::string(QUELDAR_SOURCE_DIR) + "/examples/cantilever-surcharges-horizontal.dat");
  const auto wallTop = [&](platform::Form& hub, const char* top) {
    runner.on("HEADCONT", [top](platform::Form& f) {
      type(f, "txtWallTop", top);
      click(f, "cmdFinished");
    });
    click(hub, "cmdHeadCont");
  };
  runner.on("KEYIN", [&](platform::Form& hub) {
    // The line load and the distributed load's top point stand at 12 ft, the old top.
    wallTop(hub, "10");
    box("INCONSISTENT WALL/HORIZONTAL LOAD DATA", Answer::OK, "Horizontal line load 1 at elevation 12 ft");
    click(hub, "cmdFinished");
    EXPECT_FALSE(hub.isUnloaded());
    EXPECT_EQ(AbortRun, 0);
    EXPECT_EQ(NumHorizLineLoads, 1);
    EXPECT_EQ(HorizLineElev(1), 12);
    EXPECT_EQ(NumHorizDistPoints, 2);
    wallTop(hub, "12");
    click(hub, "cmdFinished");
    EXPECT_TRUE(hub.isUnloaded());
  });
  box("SAVE OUTPUT DATA?", Answer::No);  // the report of the opened file
  window->mnuEditItem_Click(0);
  EXPECT_EQ(AbortRun, 0);
  EXPECT_EQ(WallTopElev, 12);
  box("SAVE INPUT DATA?", Answer::No);
  box("SAVE OUTPUT DATA?", Answer::No);
  window->close();
}
