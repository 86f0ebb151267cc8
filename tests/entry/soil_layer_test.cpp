#include "entry/soil_layer_window.h"

#include "keyboard_entry_fixture.h"

using platform::Answer;

namespace {

const char* const kGridTail =
    "\n\n     Choose OK to continue SOIL LAYER\n          DATA entry.\n     Choose CANCEL to delete ALL SOIL LAYER\n"
    "          DATA and exit.";
const std::string kNoLayer = std::string("DATA MISSING [49] At least one soil layer is required.") + kGridTail;
const std::string kMissing = std::string("DATA MISSING [49] At least one required data value is missing.") + kGridTail;
const std::string kInvalid = std::string("INVALID DATA [49] At least one required data value is invalid.") + kGridTail;

// One grid row by column name.
using Row = std::vector<std::pair<const char*, const char*>>;

void option(platform::Form& f, const char* name) { f.control<platform::OptionButton>(name)->click(); }

}  // namespace

class LayerTest : public EntryTest {
 protected:
  static void typeRows(platform::Form& f, const std::vector<Row>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i)
      for (const auto& [column, text] : rows[i]) type(f, QString("%1(%2)").arg(column).arg(i), text);
  }
  // From the action frame to the grid of a side with a data type chosen.
  static void openGrid(platform::Form& f, const char* sideButton, const char* type) {
    click(f, sideButton);
    option(f, type);
    click(f, "cmdOK");
  }
  // One grid Finished on the right side of a fresh window; the message answered OK.
  void gridFinished(const char* type, const std::vector<Row>& rows, const std::string& expected) {
    boxes.clearShown();
    if (!expected.empty()) box(expected.substr(0, expected.find(" [")), Answer::OK);
    show<LAYRDATA>([&](LAYRDATA& f) {
      openGrid(f, "cmdEnterRightside", type);
      typeRows(f, rows);
      click(f, "cmdFinished");
      EXPECT_EQ(shown(f, "fraSoilDataAction"), expected.empty());
      f.unload();
    });
    if (expected.empty()) EXPECT_TRUE(boxes.boxes().empty()) << lastBox();
    else EXPECT_EQ(lastBox(), expected);
  }
};

TEST_F(LayerTest, GridRowsAreCountedCheckedAndStored) {
  const Row sand = {{"txtSATWt", "125"}, {"txtMSTWt", "115"}, {"txtIntFrict", "30"}};
  const auto with = [](Row r, Row more) {
    r.insert(r.end(), more.begin(), more.end());
    return r;
  };
  struct Case {
    const char* what;
    const char* type;
    std::vector<Row> rows;
    std::string expected;
    int count;
  };
  const Case cases[] = {
      {"an empty grid", "optStrengths", {}, kNoLayer, 0},
      {"a blank row inside the count", "optStrengths", {with(sand, {{"txtElev", "5"}}), {}, sand}, kMissing, 3},
      {"a row with only a bottom counts not", "optStrengths", {sand, {{"txtElev", "1"}, {"txtSlope", "1"}, {"txtFSA3", "2"}}}, "", 1},
      {"a missing bottom inside", "optStrengths", {sand, sand}, kMissing, 2},
      {"no friction and no cohesion", "optStrengths", {{{"txtSATWt", "125"}, {"txtMSTWt", "115"}}}, kInvalid, 1},
      {"friction 45", "optStrengths", {with(sand, {{"txtIntFrict", "45"}})}, "", 1},
      {"friction 45.5", "optStrengths", {with(sand, {{"txtIntFrict", "45.5"}})}, kInvalid, 1},
      {"clay: friction 0, cohesion 200", "optStrengths", {{{"txtSATWt", "110"}, {"txtMSTWt", "110"}, {"txtCohes", "200"}}}, "", 1},
      {"wall friction equal to friction", "optStrengths", {with(sand, {{"txtWallFrict", "30"}})}, "", 1},
      {"wall friction above friction", "optStrengths", {with(sand, {{"txtWallFrict", "30.1"}})}, kInvalid, 1},
      {"negative wall friction, refused as by the file", "optStrengths", {with(sand, {{"txtWallFrict", "-5"}})}, kInvalid, 1},
      {"adhesion up to cohesion", "optStrengths", {with(sand, {{"txtCohes", "100"}, {"txtAdhes", "100"}})}, "", 1},
      {"adhesion above cohesion, refused as by the file", "optStrengths", {with(sand, {{"txtCohes", "100"}, {"txtAdhes", "101"}})}, kInvalid, 1},
      {"a unit weight of 0", "optStrengths", {with(sand, {{"txtMSTWt", "0"}})}, kInvalid, 1},
      {"a unit weight with a unit", "optStrengths", {with(sand, {{"txtSATWt", "125pcf"}})}, kInvalid, 1},
      {"bottoms 10, 10", "optStrengths", {with(sand, {{"txtElev", "10"}}), with(sand, {{"txtElev", "10"}}), sand}, kInvalid, 3},
      {"bottoms 10, 12", "optStrengths", {with(sand, {{"txtElev", "10"}}), with(sand, {{"txtElev", "12"}}), sand}, kInvalid, 3},
      {"bottoms 10, 5", "optStrengths", {with(sand, {{"txtElev", "10"}, {"txtSlope", "-0.1"}}), with(sand, {{"txtElev", "5"}}), sand}, "", 3},
      {"a negative level-3 factor", "optStrengths", {with(sand, {{"txtFSP3", "-1"}})}, kInvalid, 1},
      {"coefficients: Ka 0 passes", "optCoefficients", {{{"txtSATWt", "120"}, {"txtMSTWt", "110"}, {"txtAK", "0"}, {"txtPK", "3"}}}, "", 1},
      {"coefficients: Kp 0 fails", "optCoefficients", {{{"txtSATWt", "120"}, {"txtMSTWt", "110"}, {"txtAK", ".3"}, {"txtPK", "0"}}}, kInvalid, 1},
      {"coefficients: a blank Kp is invalid", "optCoefficients", {{{"txtSATWt", "120"}, {"txtMSTWt", "110"}, {"txtAK", ".3"}}}, kInvalid, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetInputData();
    gridFinished(c.type, c.rows, c.expected);
    EXPECT_EQ(NumSoilLayers(1), c.count);
  }
  // A passing grid stores its rows; the last layer reaches down without limit.
  ResetInputData();
  gridFinished("optStrengths", {with(sand, {{"txtElev", "10"}, {"txtSlope", "-0.1"}}), with(sand, {{"txtElev", "7"}})}, "");
  EXPECT_EQ(NumSoilLayers(1), 2);
  EXPECT_EQ(LayerBottomElev(1, 1), 10);
  EXPECT_EQ(LayerBottomSlope(1, 1), -0.1);
  EXPECT_EQ(LayerBottomElev(1, 2), -200000) << "a bottom typed into the last row is ignored";
  EXPECT_EQ(LayerPhi(1, 2), 30);
  EXPECT_EQ(LayerCohesion(1, 2), 0);
  EXPECT_EQ(LayerFSActive(1, 2), 0);
  EXPECT_EQ(SoilDataType(1), "S");
}

TEST_F(LayerTest, CancelDropsBothSidesAndTheNoLayerCancelAlsoTheTypes) {
  for (bool noLayer : {true, false}) {
    SCOPED_TRACE(noLayer ? "no layer" : "invalid row");
    ResetInputData();
    NumSoilLayers(2) = 2;
    SoilDataType(2) = "C";
    box(noLayer ? "DATA MISSING" : "INVALID DATA", Answer::Cancel);
    show<LAYRDATA>([&](LAYRDATA& f) {
      openGrid(f, "cmdEnterRightside", "optStrengths");
      if (!noLayer) typeRows(f, {{{"txtSATWt", "-1"}, {"txtMSTWt", "1"}, {"txtIntFrict", "1"}}});
      click(f, "cmdFinished");
      EXPECT_TRUE(f.isUnloaded());
    });
    EXPECT_EQ(NumSoilLayers(1), 0);
    EXPECT_EQ(NumSoilLayers(2), 0);
    EXPECT_EQ(SoilDataType(2), noLayer ? "" : "C");
  }
}

TEST_F(LayerTest, ControlDataFactorsAndTheirMessage) {
  const std::string invalid =
      "INVALID DATA [49] At least one data value is invalid.\n\nChoose OK to continue DATA entry.\n"
      "Choose CANCEL to DELETE ALL DATA on this form\n     and exit.";
  show<LAYRDATA>([&](LAYRDATA& f) {
    click(f, "cmdEnterRightside");
    EXPECT_EQ(f.control<platform::Panel>("panHeading")->caption(), "Enter RIGHTSIDE Soil Data");
    EXPECT_EQ(f.control<platform::Panel>("panControlData")->caption(), "Control Data for Rightside Soil");
    click(f, "cmdOK");  // no type chosen: nothing at all
    EXPECT_TRUE(shown(f, "panControlData"));
    EXPECT_TRUE(boxes.boxes().empty());
    option(f, "optStrengths");
    type(f, "txtFSA2", "-1");
    box("INVALID DATA", Answer::OK);
    click(f, "cmdOK");
    EXPECT_EQ(lastBox(), invalid);
    EXPECT_EQ(SideFSActive(1), -1) << "the value stays stored until a valid one is accepted";
    EXPECT_TRUE(shown(f, "panControlData"));
    type(f, "txtFSA2", "");
    type(f, "txtFSP2", "1.2");
    click(f, "cmdOK");
    EXPECT_EQ(SideFSActive(1), 0);
    EXPECT_EQ(SideFSPassive(1), 1.2);
    EXPECT_FALSE(shown(f, "panControlData"));
    EXPECT_TRUE(shown(f, "fraStrengths"));
    EXPECT_FALSE(shown(f, "fraCoeffs"));
    EXPECT_EQ(f.control<QPushButton>("cmdFinished")->text(), "Finished With &Rightside Soil");
    f.unload();
  });
  // Cancel in the control data message drops both sides' layers and types.
  NumSoilLayers(1) = NumSoilLayers(2) = 1;
  SoilDataType(1) = SoilDataType(2) = "S";
  box("INVALID DATA", Answer::Cancel);
  show<LAYRDATA>([&](LAYRDATA& f) {
    click(f, "cmdEnterLeftside");
    type(f, "txtFSP2", "abc");
    click(f, "cmdOK");
    EXPECT_TRUE(f.isUnloaded());
  });
  EXPECT_EQ(NumSoilLayers(1) + NumSoilLayers(2), 0);
  EXPECT_EQ(SoilDataType(1) + SoilDataType(2), "");
}

TEST_F(LayerTest, AChangeOfDataTypeIsAskedAndNoKeepsTheStoredType) {
  NumSoilLayers(1) = NumSoilLayers(2) = 1;
  SoilDataType(1) = SoilDataType(2) = "S";
  LayerSatUnitWeight(1, 1) = 120;
  LayerMoistUnitWeight(1, 1) = 110;
  LayerPhi(1, 1) = 32;
  SideFSActive(1) = 1.5;
  InputChanged = 0;
  show<LAYRDATA>([&](LAYRDATA& f) {
    click(f, "cmdEnterRightside");
    EXPECT_EQ(textBox(f, "txtFSA2")->text(), " 1.5");
    EXPECT_EQ(InputChanged, 1) << "showing a level-2 factor marks the input as edited";
    box("CHANGE SOIL DATA TYPE?", Answer::No);
    option(f, "optCoefficients");
    EXPECT_EQ(lastBox(), "CHANGE SOIL DATA TYPE? [36] Current data are for SOIL STRENGTH DATA.\n"
                         "Do you want to change to SOIL PRESSURE COEFFICIENTS?");
    // No: the option goes back to the stored type, and OK shows the side's own columns.
    EXPECT_TRUE(f.control<platform::OptionButton>("optStrengths")->value());
    EXPECT_FALSE(f.control<platform::OptionButton>("optCoefficients")->value());
    click(f, "cmdOK");
    EXPECT_EQ(SoilDataType(1), "S");
    EXPECT_EQ(NumSoilLayers(1), 1);
    EXPECT_TRUE(shown(f, "fraStrengths"));
    EXPECT_EQ(textBox(f, "txtIntFrict(0)")->text(), " 32");
    EXPECT_EQ(textBox(f, "txtCohes(0)")->text(), " 0") << "a stored 0 shows as 0";
    EXPECT_EQ(textBox(f, "txtFSA3(0)")->text(), "") << "a level-3 factor not given shows empty";
    click(f, "cmdFinished");
    // Yes: the side's layers are dropped and the grid starts empty in the new type.
    click(f, "cmdEnterRightside");
    box("CHANGE SOIL DATA TYPE?", Answer::Yes);
    option(f, "optCoefficients");
    EXPECT_EQ(NumSoilLayers(1), 0);
    EXPECT_EQ(textBox(f, "txtFSA2")->text(), "");
    EXPECT_EQ(f.control<QPushButton>("cmdEnterRightside")->text(), "Enter &Rightside Soil Data");
    click(f, "cmdOK");
    EXPECT_EQ(SoilDataType(1), "C");
    EXPECT_TRUE(shown(f, "fraCoeffs"));
    EXPECT_FALSE(shown(f, "fraStrengths"));
    EXPECT_EQ(textBox(f, "txtSATWt(0)")->text(), "");
    f.unload();
  });
}

TEST_F(LayerTest, CloseRequestsRunTheFinishedOfTheStageShown) {
  show<LAYRDATA>([&](LAYRDATA& f) {
    EXPECT_EQ(f.control<QPushButton>("cmdEnterRightside")->text(), "Enter &Rightside Soil Data");
    EXPECT_EQ(colourOf(f, "panRightside"), kWhite);
    // The action frame: its Finished, which wants both sides.
    box("INSUFFICIENT DATA", Answer::OK);
    f.close();
    EXPECT_EQ(lastBox(), "INSUFFICIENT DATA [49] Insufficient SOIL LAYER DATA have been provided.\n\n"
                         "     Choose OK to continue SOIL LAYER\n          DATA entry.\n"
                         "     Choose CANCEL to DELETE ALL SOIL LAYER\n          DATA and exit.");
    // The control panel: its OK, which does nothing without a type.
    click(f, "cmdEnterRightside");
    f.close();
    EXPECT_TRUE(shown(f, "panControlData"));
    option(f, "optStrengths");
    f.close();
    EXPECT_TRUE(shown(f, "fraUnitWt")) << "the close request ran OK";
    // The grid: a failed Finished keeps its count only while the grid stays open.
    typeRows(f, {{{"txtSATWt", "120"}, {"txtMSTWt", "110"}}});
    box("INVALID DATA", Answer::OK);
    f.close();
    EXPECT_EQ(NumSoilLayers(1), 1);
    EXPECT_FALSE(f.isUnloaded());
    box("INVALID DATA", Answer::Cancel);
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.isUnloaded());
  });
  EXPECT_EQ(NumSoilLayers(1), 0) << "the window never closes on layers that failed their checks";
  EXPECT_EQ(NumSoilLayers(2), 0);
}

TEST_F(LayerTest, EachStageGivesTheKeyboardToItsFirstBox) {
  // The button pressed goes with its stage; the keyboard must not leave the window, so
  // the user types on at once without a Tab first.
  show<LAYRDATA>([&](LAYRDATA& f) {
    const auto focused = [&f]() -> std::string { return f.focusWidget() ? f.focusWidget()->objectName().toStdString() : ""; };
    click(f, "cmdEnterRightside");
    EXPECT_EQ(focused(), "optStrengths");
    option(f, "optStrengths");
    click(f, "cmdOK");
    EXPECT_EQ(focused(), "txtSATWt(0)");
    QTest::keyClicks(f.focusWidget(), "125");
    EXPECT_EQ(textBox(f, "txtSATWt(0)")->text(), "125");
    typeRows(f, {{{"txtMSTWt", "115"}, {"txtIntFrict", "30"}}});
    click(f, "cmdFinished");
    EXPECT_EQ(focused(), "cmdEnterRightside");
    // A side with coefficients opens on its own option.
    click(f, "cmdEnterLeftside");
    option(f, "optCoefficients");
    click(f, "cmdOK");
    EXPECT_EQ(focused(), "txtSATWt(0)");
    typeRows(f, {{{"txtSATWt", "120"}, {"txtMSTWt", "110"}, {"txtAK", ".33"}, {"txtPK", "3"}}});
    click(f, "cmdFinished");
    click(f, "cmdEnterLeftside");
    EXPECT_EQ(focused(), "optCoefficients");
    f.unload();
  });
}

TEST_F(LayerTest, BothSidesEnteredAndTheTabOrderOfEachGrid) {
  show<LAYRDATA>([&](LAYRDATA& f) {
    keepPicture(f, "layrdata_1_action");
    openGrid(f, "cmdEnterRightside", "optStrengths");
    typeRows(f, {{{"txtSATWt", "125"}, {"txtMSTWt", "115"}, {"txtIntFrict", "30"}, {"txtElev", "5"}},
                 {{"txtSATWt", "110"}, {"txtMSTWt", "110"}, {"txtCohes", "400"}, {"txtAdhes", "200"}}});
    // Row by row through the shown columns: the first row's ten boxes, then the second's.
    QWidget* w = textBox(f, "txtFSP3(0)");
    while (!(w->nextInFocusChain()->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
    EXPECT_EQ(w->nextInFocusChain(), textBox(f, "txtSATWt(1)"));
    keepPicture(f, "layrdata_3_grid_strengths");
    click(f, "cmdFinished");
    EXPECT_EQ(f.control<QPushButton>("cmdEnterRightside")->text(), "Edit &Rightside Soil Data");
    EXPECT_EQ(colourOf(f, "panRightside"), kCyan);
    EXPECT_EQ(f.control<QPushButton>("cmdEnterLeftside")->text(), "Enter &Leftside Soil Data");
    EXPECT_EQ(colourOf(f, "panLeftside"), kWhite);
    click(f, "cmdEnterLeftside");
    option(f, "optCoefficients");
    keepPicture(f, "layrdata_2_control");
    click(f, "cmdOK");
    EXPECT_EQ(f.control<QPushButton>("cmdFinished")->text(), "Finished With &Leftside Soil");
    typeRows(f, {{{"txtSATWt", "120"}, {"txtMSTWt", "110"}, {"txtAK", ".33"}, {"txtPK", "3"}}});
    QWidget* pk = textBox(f, "txtPK(0)");
    QWidget* next = pk->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    EXPECT_EQ(next, textBox(f, "txtElev(0)"));
    keepPicture(f, "layrdata_4_grid_coefficients");
    click(f, "cmdFinished");
    click(f, "cmdFinishedAction");
    EXPECT_TRUE(f.isUnloaded());
  });
  EXPECT_EQ(NumSoilLayers(1), 2);
  EXPECT_EQ(NumSoilLayers(2), 1);
  EXPECT_EQ(LayerAdhesion(1, 2), 200);
  EXPECT_EQ(LayerKp(2, 1), 3);
  // The next showing starts from the right side's count.
  show<LAYRDATA>([&](LAYRDATA& f) {
    EXPECT_EQ(f.control<QPushButton>("cmdEnterLeftside")->text(), "Edit &Leftside Soil Data");
    EXPECT_EQ(colourOf(f, "panLeftside"), kCyan);
    f.close();
    EXPECT_TRUE(f.isUnloaded());
  });
}
