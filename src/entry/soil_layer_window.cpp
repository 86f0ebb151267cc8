#include "entry/soil_layer_window.h"

#include <QLabel>

#include "entry/entry_common.h"
#include "model/input_rules.h"
#include "model/problem_data.h"

using entry::BoxNumber;
using entry::ReadNumber;

namespace {

constexpr double kGridTop = 1080;
constexpr double kGridHeight = 3885;
constexpr double kActionWidth = 4335, kActionHeight = 3495;
constexpr double kControlWidth = 5925, kControlHeight = 2415;

// The grid's twelve columns, in the order a row is read and tabbed through.
constexpr const char* kStrengthColumns[] = {"txtSATWt", "txtMSTWt", "txtIntFrict", "txtCohes", "txtWallFrict",
                                            "txtAdhes", "txtElev", "txtSlope", "txtFSA3", "txtFSP3"};
constexpr const char* kCoefficientColumns[] = {"txtSATWt", "txtMSTWt", "txtAK", "txtPK", "txtElev"};
constexpr const char* kAllColumns[] = {"txtSATWt", "txtMSTWt", "txtIntFrict", "txtCohes", "txtWallFrict", "txtAdhes",
                                       "txtElev", "txtSlope", "txtFSA3", "txtFSP3", "txtAK", "txtPK"};

}  // namespace

LAYRDATA::LAYRDATA() : platform::Form("LAYRDATA") {
  setCaption("SOIL LAYER DATA");
  setClientSize(9450, 6525);
  platform::SetBackColor(client(), entry::kGrey);

  panHeading = addPanel("panHeading", 0, 240, 3735, 555);

  fraSoilDataAction = addFrame("fraSoilDataAction", "", 0, 0, kActionWidth, kActionHeight);
  panSoilDataAction = addPanel("panSoilDataAction", 120, 180, 4095, 555, fraSoilDataAction);
  panSoilDataAction->setCaption("Select Desired Action");
  entry::AvailabilityNote(*this, "Label3", 45, 900, 4245, fraSoilDataAction);
  panRightside = addPanel("panRightside", 630, 1320, 3075, 615, fraSoilDataAction);
  cmdEnterRightside = addButton("cmdEnterRightside", "Enter &Rightside Soil Data", 60, 60, 2955, 495, panRightside);
  panLeftside = addPanel("panLeftside", 630, 2100, 3075, 615, fraSoilDataAction);
  cmdEnterLeftside = addButton("cmdEnterLeftside", "Enter &Leftside Soil Data", 60, 60, 2955, 495, panLeftside);
  cmdFinishedAction = addButton("cmdFinishedAction", "&Finished", 1680, 2940, 975, 375, fraSoilDataAction);
  connect(cmdEnterRightside, &QPushButton::clicked, this, [this] { cmdEnterRightside_Click(); });
  connect(cmdEnterLeftside, &QPushButton::clicked, this, [this] { cmdEnterLeftside_Click(); });
  connect(cmdFinishedAction, &QPushButton::clicked, this, [this] { cmdFinishedAction_Click(); });

  panControlData = addPanel("panControlData", 0, 0, kControlWidth, kControlHeight);
  panControlData->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  fraSoilType = addFrame("fraSoilType", "Soil Data Type", 240, 480, 2055, 975, panControlData);
  optStrengths = addOption("optStrengths", "Strengths", 360, 360, 1335, 255, fraSoilType);
  optCoefficients = addOption("optCoefficients", "Coefficients", 360, 600, 1575, 255, fraSoilType);
  fraSafety2 = addFrame("fraSafety2", "Level 2 Safety Factors", 2520, 480, 3135, 1095, panControlData);
  addLabel("lblFSA2", "Active", 360, 360, 700, 285, fraSafety2);
  txtFSA2 = addTextBox("txtFSA2", 1080, 360, 1275, 285, fraSafety2);
  addLabel("lblFSP2", "Passive", 360, 720, 700, 285, fraSafety2);
  txtFSP2 = addTextBox("txtFSP2", 1080, 720, 1275, 285, fraSafety2);
  cmdOK = addButton("cmdOK", "&OK", 2400, 1800, 975, 375, panControlData);
  connect(optStrengths, &platform::OptionButton::Click, this, [this] { optStrengths_Click(); });
  connect(optCoefficients, &platform::OptionButton::Click, this, [this] { optCoefficients_Click(); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  for (QLineEdit* box : {txtFSA2, txtFSP2}) connect(box, &QLineEdit::textChanged, this, [] { InputChanged = 1; });

  // The layer grid: column groups with their headings over 11 rows of boxes.
  const auto heading = [this](QGroupBox* frame, const char* name, const char* text, double left, double top,
                              double width, double height) {
    QLabel* l = addLabel(name, text, left, top, width, height, frame);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    QFont f = l->font();
    f.setPointSizeF(7.5);
    l->setFont(f);
  };
  const auto grid = [this](const char* name, const char* caption) {
    QGroupBox* g = addFrame(name, caption, 0, kGridTop, 900, kGridHeight);
    g->setFlat(true);
    return g;
  };
  const auto columnOf = [this](const char* name, double left, double width, QGroupBox* frame) {
    addTextBoxColumn(name, 11, left, 885, width, 285, 270, frame);
    onArrayChange(name, [](int) { InputChanged = 1; });
  };
  fraUnitWt = grid("fraUnitWt", "");
  heading(fraUnitWt, "lblUnitWt", "Unit Weight (PCF)", 0, 60, 1815, 390);
  heading(fraUnitWt, "lblSatWt", "Saturated", 0, 480, 915, 390);
  heading(fraUnitWt, "lblMstWt", "Moist", 900, 480, 915, 390);
  columnOf("txtSATWt", 0, 915, fraUnitWt);
  columnOf("txtMSTWt", 900, 915, fraUnitWt);
  fraStrengths = grid("fraStrengths", "");
  heading(fraStrengths, "lblIntFrict", "Angle of Internal Friction (DEG)", 0, 30, 915, 840);
  heading(fraStrengths, "lblCohes", "Cohesion (PSF)", 900, 30, 915, 840);
  heading(fraStrengths, "lblWallFrict", "Angle of Wall Friction (DEG)", 1800, 30, 915, 840);
  heading(fraStrengths, "lblAdhes", "Adhesion (PSF)", 2700, 30, 915, 840);
  columnOf("txtIntFrict", 0, 915, fraStrengths);
  columnOf("txtCohes", 900, 915, fraStrengths);
  columnOf("txtWallFrict", 1800, 915, fraStrengths);
  columnOf("txtAdhes", 2700, 915, fraStrengths);
  fraElev = grid("fraElev", "");
  heading(fraElev, "lblElev", "       Bottom Elevation (FT)", 0, 30, 915, 840);
  columnOf("txtElev", 0, 915, fraElev);
  fraSlope = grid("fraSlope", "");
  heading(fraSlope, "lblSlope", "      Bottom Slope (FT/FT)", 0, 30, 930, 840);
  columnOf("txtSlope", 0, 930, fraSlope);
  fraSafety3 = grid("fraSafety3", "");
  heading(fraSafety3, "lblSafety3", "Level 3 Factors of Safety", 0, 60, 1815, 390);
  heading(fraSafety3, "lblFSA3", "Active", 0, 480, 915, 390);
  heading(fraSafety3, "lblFSP3", "Passive", 900, 480, 915, 390);
  columnOf("txtFSA3", 0, 915, fraSafety3);
  columnOf("txtFSP3", 900, 915, fraSafety3);
  fraCoeffs = grid("fraCoeffs", "");
  heading(fraCoeffs, "lblCoeffs", "Pressure Coefficients", 0, 60, 1815, 390);
  heading(fraCoeffs, "lblAK", "Active", 0, 480, 915, 390);
  heading(fraCoeffs, "lblPK", "Passive", 900, 480, 915, 390);
  columnOf("txtAK", 0, 915, fraCoeffs);
  columnOf("txtPK", 900, 915, fraCoeffs);
  cmdFinished = addButton("cmdFinished", "Finished With &Rightside Soil", 3120, 5220, 2895, 375);
  connect(cmdFinished, &QPushButton::clicked, this, [this] { cmdFinished_Click(); });

  setFinishedButtons({cmdFinishedAction, cmdOK, cmdFinished});
  addHelpMenu();
}

void LAYRDATA::Form_Load() {
  copyMainWindowGeometryAsFixedDialog();
  place(panHeading, (Width() - 3735) / 2, 240, 3735, 555);
  panHeading->hide();
  entry::KeepInputChanged keep;
  place(fraSoilDataAction, (Width() - kActionWidth) / 2, (Height() - kActionHeight) / 2, kActionWidth, kActionHeight);
  const bool held = NumSoilLayers(1) != 0;
  cmdEnterRightside->setText(held ? "Edit &Rightside Soil Data" : "Enter &Rightside Soil Data");
  cmdEnterLeftside->setText(held ? "Edit &Leftside Soil Data" : "Enter &Leftside Soil Data");
  panRightside->setBackColor(held ? entry::kLightCyan : entry::kWhite);
  panLeftside->setBackColor(held ? entry::kLightCyan : entry::kWhite);
  fraSoilDataAction->show();
  setTabIndex(cmdEnterRightside, 0);
  setTabIndex(cmdEnterLeftside, 1);
  setTabIndex(cmdFinishedAction, 2);
  panControlData->hide();
  for (QGroupBox* g : {fraUnitWt, fraStrengths, fraElev, fraSlope, fraSafety3, fraCoeffs}) g->hide();
  cmdFinished->hide();
  place(panControlData, (Width() - kControlWidth) / 2, (Height() - kControlHeight) / 2, kControlWidth,
        kControlHeight);
}

void LAYRDATA::enterSide(int side) {
  fraSoilDataAction->hide();
  panHeading->show();
  SideIndex = side;
  const bool right = side == 1;
  if (NumSoilLayers(side) != 0) {
    panHeading->setCaption(right ? "Edit RIGHTSIDE Soil Data" : "Edit LEFTSIDE Soil Data");
    if (SoilDataType(side) == "S") optStrengths->setValue(true);
    if (SoilDataType(side) == "C") optCoefficients->setValue(true);
    // Filling these boxes marks the input as edited, as typing would.
    if (SideFSActive(side) == 0) txtFSA2->clear();
    else entry::FillNumber(txtFSA2, SideFSActive(side));
    if (SideFSPassive(side) == 0) txtFSP2->clear();
    else entry::FillNumber(txtFSP2, SideFSPassive(side));
  } else {
    optStrengths->setValue(false);
    optCoefficients->setValue(false);
    txtFSA2->clear();
    txtFSP2->clear();
    for (QGroupBox* g : {fraUnitWt, fraStrengths, fraElev, fraSlope, fraSafety3, fraCoeffs}) g->hide();
    panHeading->setCaption(right ? "Enter RIGHTSIDE Soil Data" : "Enter LEFTSIDE Soil Data");
  }
  panControlData->setCaption(right ? "Control Data for Rightside Soil" : "Control Data for Leftside Soil");
  setTabIndex(optStrengths, 0);
  setTabIndex(optCoefficients, 1);
  setTabIndex(txtFSA2, 2);
  setTabIndex(txtFSP2, 3);
  setTabIndex(cmdOK, 4);
  panControlData->show();
  // The button pressed has gone with its frame: the keyboard goes to the new stage.
  (optCoefficients->value() ? optCoefficients : optStrengths)->setFocus(Qt::OtherFocusReason);
}

void LAYRDATA::changeDataType(const char* clicked) {
  const int s = SideIndex;
  const bool toCoefficients = std::string_view(clicked) == "C";
  if (NumSoilLayers(s) == 0 || SoilDataType(s) != (toCoefficients ? "S" : "C")) return;
  const std::string question =
      toCoefficients ? entry::Lines({"Current data are for SOIL STRENGTH DATA.",
                                     "Do you want to change to SOIL PRESSURE COEFFICIENTS?"})
                     : entry::Lines({"Current data are for SOIL PRESSURE COEFFICIENTS.",
                                     "Do you want to change to SOIL STRENGTH DATA?"});
  if (platform::MsgBox(question, 36, "CHANGE SOIL DATA TYPE?") != platform::Answer::Yes) {
    // No keeps the side as it is: its type, and the option that shows it, so the grid
    // never shows the other type's columns over values that were never entered.
    (toCoefficients ? optStrengths : optCoefficients)->setValue(true);
    return;
  }
  InputChanged = 1;
  NumSoilLayers(s) = 0;
  (s == 1 ? cmdEnterRightside : cmdEnterLeftside)
      ->setText(s == 1 ? "Enter &Rightside Soil Data" : "Enter &Leftside Soil Data");
  if (toCoefficients) {
    txtFSA2->clear();
    txtFSP2->clear();
  }
}

void LAYRDATA::layOutGrid(bool strengths) {
  const auto put = [](QGroupBox* g, double left, double width) {
    place(g, left, kGridTop, width, kGridHeight);
    g->show();
  };
  if (strengths) {
    put(fraUnitWt, 180, 1830);
    put(fraStrengths, 1995, 3630);
    put(fraElev, 5610, 930);
    put(fraSlope, 6525, 930);
    put(fraSafety3, 7455, 1815);
    fraCoeffs->hide();
  } else {
    put(fraUnitWt, 2370, 1830);
    put(fraCoeffs, 4185, 1815);
    put(fraElev, 6000, 930);
    fraStrengths->hide();
    fraSlope->hide();
    fraSafety3->hide();
  }
}

void LAYRDATA::cmdOK_Click() {
  const int s = SideIndex;
  SoilDataType(s) = "";
  if (optStrengths->value()) SoilDataType(s) = "S";
  if (optCoefficients->value()) SoilDataType(s) = "C";
  if (SoilDataType(s).empty()) return;
  const auto invalid = [this] {
    TextBuffer = entry::Lines({"At least one data value is invalid.", "", "Choose OK to continue DATA entry.",
                               "Choose CANCEL to DELETE ALL DATA on this form", "     and exit."});
    if (entry::OkToContinue(TextBuffer, "INVALID DATA")) return;
    NumSoilLayers(1) = NumSoilLayers(2) = 0;
    SoilDataType(1) = SoilDataType(2) = "";
    unload();
  };
  for (auto [box, factor] : {std::pair{txtFSA2, &SideFSActive(s)}, std::pair{txtFSP2, &SideFSPassive(s)}}) {
    const BoxNumber n = ReadNumber(box);
    if (n.kind == BoxNumber::NotNumeric) return invalid();
    *factor = n.value;
    if (!input_rules::OptionalFactorOfSafetyValid(*factor)) return invalid();
  }
  panControlData->hide();
  const bool strengths = SoilDataType(s) == "S";
  layOutGrid(strengths);
  {
    entry::KeepInputChanged keep;
    for (const char* name : kAllColumns)
      for (int i = 0; i < 11; ++i) column(name)(i)->clear();
    const int n = NumSoilLayers(s);
    for (int k = 1; k <= n; ++k) {
      const int row = k - 1;
      const auto fill = [&](const char* name, double v) { entry::FillNumber(column(name)(row), v); };
      fill("txtSATWt", LayerSatUnitWeight(s, k));
      fill("txtMSTWt", LayerMoistUnitWeight(s, k));
      if (k < n) fill("txtElev", LayerBottomElev(s, k));
      if (!strengths) {
        fill("txtAK", LayerKa(s, k));
        fill("txtPK", LayerKp(s, k));
        continue;
      }
      fill("txtIntFrict", LayerPhi(s, k));
      fill("txtCohes", LayerCohesion(s, k));
      fill("txtWallFrict", LayerWallFriction(s, k));
      fill("txtAdhes", LayerAdhesion(s, k));
      if (k < n) fill("txtSlope", LayerBottomSlope(s, k));
      if (LayerFSActive(s, k) != 0) fill("txtFSA3", LayerFSActive(s, k));
      if (LayerFSPassive(s, k) != 0) fill("txtFSP3", LayerFSPassive(s, k));
    }
    cmdFinished->setText(s == 1 ? "Finished With &Rightside Soil" : "Finished With &Leftside Soil");
    cmdFinished->show();
    int t = 0;
    for (int row = 0; row < 11; ++row) {
      if (strengths)
        for (const char* name : kStrengthColumns) setTabIndex(column(name)(row), t++);
      else
        for (const char* name : kCoefficientColumns) setTabIndex(column(name)(row), t++);
    }
    setTabIndex(cmdFinished, t);
  }
  column("txtSATWt")(0)->setFocus(Qt::OtherFocusReason);
}

void LAYRDATA::layerMessage(const char* title, const char* firstLine, bool clearTypes) {
  TextBuffer = entry::Lines({firstLine, "", "     Choose OK to continue SOIL LAYER", "          DATA entry.",
                             "     Choose CANCEL to delete ALL SOIL LAYER", "          DATA and exit."});
  if (entry::OkToContinue(TextBuffer, title)) return;
  NumSoilLayers(1) = NumSoilLayers(2) = 0;
  if (clearTypes) SoilDataType(1) = SoilDataType(2) = "";
  unload();
}

bool LAYRDATA::storeLayers() {
  const int s = SideIndex;
  const bool strengths = SoilDataType(s) == "S";
  NumSoilLayers(s) = 0;
  for (int row = 0; row < 11; ++row) {
    const char* first = strengths ? "txtIntFrict" : "txtAK";
    const char* second = strengths ? "txtCohes" : "txtPK";
    for (const char* name : {"txtSATWt", "txtMSTWt", first, second})
      if (!entry::IsBlank(column(name)(row))) NumSoilLayers(s) = row + 1;
  }
  const int n = NumSoilLayers(s);
  if (n == 0) {
    layerMessage("DATA MISSING", "At least one soil layer is required.", true);
    return false;
  }
  enum Outcome { Stored, Missing, Invalid };
  // A box that must be given: missing when blank, invalid when not a number, else stored.
  const auto required = [](QLineEdit* box, double& into) {
    const BoxNumber v = ReadNumber(box);
    if (v.blank()) return Missing;
    if (!v.number()) return Invalid;
    into = v.value;
    return Stored;
  };
  // A box that may stay blank: blank stores 0.
  const auto optional = [](QLineEdit* box, double& into) {
    const BoxNumber v = ReadNumber(box);
    if (v.kind == BoxNumber::NotNumeric) return Invalid;
    into = v.value;
    return Stored;
  };
  const auto checkRow = [&](int k) -> Outcome {
    const int row = k - 1;
    const bool last = k == n;
    Outcome o;
    if ((o = required(column("txtSATWt")(row), LayerSatUnitWeight(s, k))) != Stored) return o;
    if (!input_rules::UnitWeightValid(LayerSatUnitWeight(s, k))) return Invalid;
    if ((o = required(column("txtMSTWt")(row), LayerMoistUnitWeight(s, k))) != Stored) return o;
    if (!input_rules::UnitWeightValid(LayerMoistUnitWeight(s, k))) return Invalid;
    if (!last) {
      if ((o = required(column("txtElev")(row), LayerBottomElev(s, k))) != Stored) return o;
      if (k > 1 && !input_rules::ElevationFalls(LayerBottomElev(s, k), LayerBottomElev(s, k - 1))) return Invalid;
    }
    if (!strengths) {
      if (required(column("txtAK")(row), LayerKa(s, k)) != Stored) return Invalid;
      if (!input_rules::PressureCoefficientValid(LayerKa(s, k))) return Invalid;
      if (required(column("txtPK")(row), LayerKp(s, k)) != Stored) return Invalid;
      // Stricter than the file: a passive coefficient of 0 would leave no passive side.
      if (!(LayerKp(s, k) > 0)) return Invalid;
      return Stored;
    }
    if (optional(column("txtIntFrict")(row), LayerPhi(s, k)) != Stored) return Invalid;
    if (!input_rules::FrictionAngleValid(LayerPhi(s, k))) return Invalid;
    if (optional(column("txtCohes")(row), LayerCohesion(s, k)) != Stored) return Invalid;
    if (!input_rules::CohesionValid(LayerCohesion(s, k))) return Invalid;
    if (!input_rules::SoilHasStrength(LayerPhi(s, k), LayerCohesion(s, k))) return Invalid;
    if (optional(column("txtWallFrict")(row), LayerWallFriction(s, k)) != Stored) return Invalid;
    if (!input_rules::WallFrictionValid(LayerWallFriction(s, k), LayerPhi(s, k))) return Invalid;
    if (optional(column("txtAdhes")(row), LayerAdhesion(s, k)) != Stored) return Invalid;
    if (!input_rules::AdhesionValid(LayerAdhesion(s, k), LayerCohesion(s, k))) return Invalid;
    if (!last && optional(column("txtSlope")(row), LayerBottomSlope(s, k)) != Stored) return Invalid;
    if (optional(column("txtFSA3")(row), LayerFSActive(s, k)) != Stored) return Invalid;
    if (!input_rules::OptionalFactorOfSafetyValid(LayerFSActive(s, k))) return Invalid;
    if (optional(column("txtFSP3")(row), LayerFSPassive(s, k)) != Stored) return Invalid;
    if (!input_rules::OptionalFactorOfSafetyValid(LayerFSPassive(s, k))) return Invalid;
    return Stored;
  };
  for (int k = 1; k <= n; ++k) {
    const Outcome o = checkRow(k);
    if (o == Missing) {
      layerMessage("DATA MISSING", "At least one required data value is missing.", false);
      return false;
    }
    if (o == Invalid) {
      layerMessage("INVALID DATA", "At least one required data value is invalid.", false);
      return false;
    }
  }
  return true;
}

void LAYRDATA::cmdFinished_Click() {
  if (!storeLayers()) return;
  const int s = SideIndex;
  if (s == 2) {
    cmdEnterLeftside->setText("Edit &Leftside Soil Data");
    panLeftside->setBackColor(entry::kLightCyan);
  } else {
    cmdEnterRightside->setText("Edit &Rightside Soil Data");
    panRightside->setBackColor(entry::kLightCyan);
  }
  for (QGroupBox* g : {fraUnitWt, fraStrengths, fraElev, fraSlope, fraSafety3, fraCoeffs}) g->hide();
  cmdFinished->hide();
  LayerBottomElev(s, NumSoilLayers(s)) = -200000;
  panHeading->hide();
  fraSoilDataAction->show();
  setTabIndex(cmdEnterRightside, 0);
  setTabIndex(cmdEnterLeftside, 1);
  setTabIndex(cmdFinishedAction, 2);
  cmdEnterRightside->setFocus(Qt::OtherFocusReason);
}

void LAYRDATA::cmdFinishedAction_Click() {
  if (NumSoilLayers(1) != 0 && NumSoilLayers(2) != 0) {
    unload();
    return;
  }
  TextBuffer = entry::Lines({"Insufficient SOIL LAYER DATA have been provided.", "",
                             "     Choose OK to continue SOIL LAYER", "          DATA entry.",
                             "     Choose CANCEL to DELETE ALL SOIL LAYER", "          DATA and exit."});
  if (entry::OkToContinue(TextBuffer, "INSUFFICIENT DATA")) return;
  NumSoilLayers(1) = NumSoilLayers(2) = 0;
  SoilDataType(1) = SoilDataType(2) = "";
  unload();
}
