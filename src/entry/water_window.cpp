#include "entry/water_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "entry/entry_common.h"
#include "entry/window_font.h"
#include "entry/entry_rows.h"
#include "model/problem_data.h"
#include "platform/qt/controls.h"

namespace {

constexpr int kRows = 11;

}  // namespace

WATER::WATER() : platform::Form("WATER") {
  setCaption("WATER DATA");
  setClientSize(9450, 6525);
  entry::UseDesignedFont(this);
  addHelpMenu();

  // The section chooser.
  fraWaterSects = addFrame("fraWaterSects", "", 0, 0, 4815, 4275);
  panWater = addPanel("panWater", 120, 240, 4575, 555, fraWaterSects);
  panWater->setCaption("Select Data Section to be Entered");
  entry::AvailabilityNote(*this, "Label5", 270, 900, 4275, fraWaterSects);
  panWaterEls = addPanel("panWaterEls", 870, 1320, 3075, 615, fraWaterSects);
  cmdWaterEls = addButton("cmdWaterEls", "Water &Elevation Data", 60, 60, 2955, 495, panWaterEls);
  panWaterPres = addPanel("panWaterPres", 870, 1980, 3075, 615, fraWaterSects);
  cmdWaterPres = addButton("cmdWaterPres", "Water &Pressure Data", 60, 60, 2955, 495, panWaterPres);
  panDelete = addPanel("panDelete", 870, 2640, 3075, 615, fraWaterSects);
  cmdDelete = addButton("cmdDelete", "&Delete All Water Data", 60, 60, 2955, 495, panDelete);
  cmdFinishedWaterData = addButton("cmdFinishedWaterData", "&Finished", 1920, 3480, 975, 375, fraWaterSects);

  // The elevation section.
  fraWaterEls = addFrame("fraWaterEls", "Water Elevation Data", 0, 0, 7635, 2055);
  fraWaterProps = addFrame("fraWaterProps", "", 120, 240, 3135, 1335, fraWaterEls);
  addLabel("lblWaterWt", "Water Unit Weight (PCF)", 120, 250, 1980, 255, fraWaterProps);
  txtWaterWt = addTextBox("txtWaterWt", 2160, 210, 855, 315, fraWaterProps);
  QLabel* els = addLabel("lblWaterEls", "Water Elevations (FT)", 120, 600, 2895, 255, fraWaterProps);
  els->setAlignment(Qt::AlignCenter);
  addLabel("lblWaterElR", "Rightside", 120, 940, 735, 255, fraWaterProps);
  txtWaterElR = addTextBox("txtWaterElR", 855, 900, 660, 315, fraWaterProps);
  addLabel("lblWaterElL", "Leftside", 1635, 940, 720, 255, fraWaterProps);
  txtWaterElL = addTextBox("txtWaterElL", 2355, 900, 660, 315, fraWaterProps);

  fraSeepType = addFrame("fraSeepType", "Seepage Type", 3375, 240, 1455, 1335, fraWaterEls);
  optNoSeep = addOption("optNoSeep", "None", 150, 300, 1200, 285, fraSeepType);
  optSeepEl = addOption("optSeepEl", "Elev/Grad", 150, 630, 1200, 285, fraSeepType);
  optAutoSeep = addOption("optAutoSeep", "Automatic", 150, 960, 1200, 285, fraSeepType);

  fraSeepData = addFrame("fraSeepData", "", 4950, 240, 2565, 1335, fraWaterEls);
  lblSeepEl = addLabel("lblSeepEl", "Seepage Elevation (FT)", 120, 180, 1500, 450, fraSeepData);
  txtSeepEl = addTextBox("txtSeepEl", 1710, 250, 735, 315, fraSeepData);
  lblSeepGrad = addLabel("lblSeepGrad", " Seepage Gradient (FT/FT)", 60, 690, 1560, 450, fraSeepData);
  txtSeepGrad = addTextBox("txtSeepGrad", 1710, 760, 735, 315, fraSeepData);
  for (QLabel* l : {lblSeepEl, lblSeepGrad}) l->setWordWrap(true);
  cmdFinishedElevData = addButton("cmdFinishedElevData", "&Finished", 3330, 1620, 975, 375, fraWaterEls);

  // The pressure section.
  fraWaterPres = addFrame("fraWaterPres", "Water Pressure Data", 0, 0, 2760, 4695);
  QLabel* elev = addLabel("lblELWPR", " Elevation (FT)", 180, 240, 1140, 255, fraWaterPres);
  QLabel* pres = addLabel("lblWPR", "Pressure (PSF)", 1440, 240, 1140, 255, fraWaterPres);
  elev->setAlignment(Qt::AlignCenter);
  pres->setAlignment(Qt::AlignCenter);
  addTextBoxColumn("txtELWPR", kRows, 240, 540, 1020, 285, 315, fraWaterPres);
  addTextBoxColumn("txtWPR", kRows, 1500, 540, 1020, 285, 315, fraWaterPres);
  cmdFinishedWatPres = addButton("cmdFinishedWatPres", "&Finished", 892, 4110, 975, 375, fraWaterPres);

  connect(cmdWaterEls, &QPushButton::clicked, this, [this] { cmdWaterEls_Click(); });
  connect(cmdWaterPres, &QPushButton::clicked, this, [this] { cmdWaterPres_Click(); });
  connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
  connect(cmdFinishedWaterData, &QPushButton::clicked, this, [this] { cmdFinishedWaterData_Click(); });
  connect(cmdFinishedElevData, &QPushButton::clicked, this, [this] { cmdFinishedElevData_Click(); });
  connect(cmdFinishedWatPres, &QPushButton::clicked, this, [this] { cmdFinishedWatPres_Click(); });
  connect(optNoSeep, &platform::OptionButton::Click, this, [this] { optNoSeep_Click(); });
  connect(optAutoSeep, &platform::OptionButton::Click, this, [this] { optAutoSeep_Click(); });
  connect(optSeepEl, &platform::OptionButton::Click, this, [this] { optSeepEl_Click(); });
  for (QLineEdit* box : {txtWaterWt, txtWaterElR, txtWaterElL, txtSeepEl, txtSeepGrad})
    connect(box, &QLineEdit::textChanged, this, [] { InputChanged = 1; });
  onArrayChange("txtELWPR", [](int) { InputChanged = 1; });
  onArrayChange("txtWPR", [](int) { InputChanged = 1; });

  // A close request does what the Finished of the section shown does.
  setFinishedButtons({cmdFinishedElevData, cmdFinishedWatPres, cmdFinishedWaterData});
}

void WATER::Form_Load() {
  copyMainWindowGeometryAsFixedDialog();
  const struct {
    QGroupBox* frame;
    double width, height;
  } frames[] = {{fraWaterSects, 4815, 4275}, {fraWaterEls, 7635, 2055}, {fraWaterPres, 2760, 4695}};
  for (const auto& f : frames)
    place(f.frame, (Width() - f.width) / 2, (Height() - f.height) / 2, f.width, f.height);
  fraWaterEls->hide();
  fraWaterPres->hide();
  fraSeepData->hide();
  entry::ShowStatus(panWaterEls, WaterDataType == "E");
  entry::ShowStatus(panWaterPres, WaterDataType == "P");
  setTabIndex(cmdWaterEls, 0);
  setTabIndex(cmdWaterPres, 1);
  setTabIndex(cmdDelete, 2);
  setTabIndex(cmdFinishedWaterData, 3);
  panDelete->setVisible(WaterDataType != "");
  fraWaterSects->show();
}

void WATER::cmdWaterEls_Click() {
  fraWaterSects->hide();
  entry::KeepInputChanged keep;
  panWaterEls->setBackColor(entry::kWhite);
  seepageAtOpening_ = SeepageOption;
  txtWaterWt->clear();
  txtWaterElR->clear();
  txtWaterElL->clear();
  optNoSeep->setValue(false);
  optAutoSeep->setValue(false);
  optSeepEl->setValue(false);
  fraSeepData->hide();
  int tab = 0;
  for (QWidget* w : std::initializer_list<QWidget*>{txtWaterWt, txtWaterElL, txtWaterElR, optNoSeep,
                                                    optAutoSeep, optSeepEl, txtSeepEl, txtSeepGrad,
                                                    cmdFinishedElevData})
    setTabIndex(w, tab++);
  if (WaterDataType == "E") {
    entry::FillNumber(txtWaterWt, WaterUnitWeight);
    entry::FillNumber(txtWaterElR, WaterElev(1));
    entry::FillNumber(txtWaterElL, WaterElev(2));
    if (SeepageOption == "A") {
      optAutoSeep->setValue(true);
      lblSeepEl->setEnabled(true);
      entry::FillNumber(txtSeepEl, SeepageElev);
      txtSeepEl->setEnabled(true);
      lblSeepGrad->setEnabled(false);
      txtSeepGrad->setEnabled(false);
      fraSeepData->show();
    } else if (SeepageOption == "G") {
      optSeepEl->setValue(true);
      entry::FillNumber(txtSeepEl, SeepageElev);
      lblSeepEl->setEnabled(true);
      txtSeepEl->setEnabled(true);
      entry::FillNumber(txtSeepGrad, SeepageGradient(1));
      lblSeepGrad->setEnabled(true);
      txtSeepGrad->setEnabled(true);
      fraSeepData->show();
    }
  }
  if (SeepageOption == "") optNoSeep->setValue(true);
  panWaterEls->setBackColor(entry::kLightCyan);
  fraWaterEls->show();
  applyTabOrder();
  txtWaterWt->setFocus();
}

void WATER::cmdWaterPres_Click() {
  fraWaterSects->hide();
  entry::KeepInputChanged keep;
  const platform::TextBoxArray& elev = textBoxArray("txtELWPR");
  const platform::TextBoxArray& pres = textBoxArray("txtWPR");
  for (int i = 0; i < kRows; ++i) {
    elev(i)->clear();
    pres(i)->clear();
    setTabIndex(elev(i), 2 * i);
    setTabIndex(pres(i), 2 * i + 1);
  }
  setTabIndex(cmdFinishedWatPres, 2 * kRows);
  if (WaterDataType == "P") {
    for (int j = 1; j <= NumWaterPressPoints && j <= kRows; ++j) {
      entry::FillNumber(elev(j - 1), WaterPressElev(j));
      entry::FillNumber(pres(j - 1), WaterPressValue(j));
    }
  }
  fraWaterPres->show();
  applyTabOrder();
  elev(0)->setFocus();
}

void WATER::optNoSeep_Click() {
  SeepageOption = "";
  fraSeepData->hide();
  txtSeepEl->clear();
  txtSeepGrad->clear();
  lblSeepEl->setEnabled(false);
  lblSeepGrad->setEnabled(false);
}

void WATER::optAutoSeep_Click() {
  SeepageOption = "A";
  fraSeepData->show();
  txtSeepEl->clear();
  lblSeepEl->setEnabled(true);
  txtSeepEl->setEnabled(true);
  txtSeepGrad->clear();
  lblSeepGrad->setEnabled(false);
  txtSeepGrad->setEnabled(false);
  InputChanged = 1;
}

void WATER::optSeepEl_Click() {
  SeepageOption = "G";
  fraSeepData->show();
  txtSeepEl->clear();
  lblSeepEl->setEnabled(true);
  txtSeepEl->setEnabled(true);
  txtSeepGrad->clear();
  txtSeepGrad->setEnabled(true);
  lblSeepGrad->setEnabled(true);
  InputChanged = 1;
}

bool WATER::Continue(const std::string& title, std::vector<std::string> lines) {
  lines.insert(lines.end(), {"     Choose OK to continue WATER DATA entry.",
                             "     Choose CANCEL to DELETE ALL WATER", "          DATA and exit."});
  TextBuffer = entry::Lines(lines);
  if (entry::OkToContinue(TextBuffer, title)) return true;
  WaterDataType = "";
  SeepageOption = "";
  unload();
  return false;
}

// The stored water data change kind only when the new section is finished with data of
// its own: the section button alone, or a section left blank, never drops them. A blank
// section over data of its own kind clears them, as the user emptied it.
void WATER::leaveBlankSection(const char* kind) {
  if (WaterDataType.empty() || WaterDataType == kind) {
    WaterDataType = "";
    SeepageOption = "";
  } else if (WaterDataType == "P") {
    SeepageOption = seepageAtOpening_;
  }
  unload();
}

namespace {

const std::vector<std::string> kMissing{"At least one required data value is missing.", "", "", ""};
const std::vector<std::string> kInvalid{"At least one data value is invalid.", "", "", ""};

}  // namespace

void WATER::cmdFinishedElevData_Click() {
  const auto missing = [this] { Continue("DATA MISSING", kMissing); };
  int filled = 0;
  for (QLineEdit* box : {txtWaterWt, txtWaterElL, txtWaterElR})
    if (!entry::IsBlank(box)) ++filled;
  const int required = entry::IsBlank(txtWaterWt) ? 0 : 3;
  if (filled == 0) return leaveBlankSection("E");
  if (optNoSeep->value()) {
    if (filled != required) return missing();
  } else if (optAutoSeep->value()) {
    if (!entry::IsBlank(txtSeepEl)) ++filled;
    if (filled != 4) return missing();
    SeepageOption = "A";
  } else if (optSeepEl->value()) {
    if (!entry::IsBlank(txtSeepEl)) ++filled;
    if (!entry::IsBlank(txtSeepGrad)) ++filled;
    if (filled != 5) return missing();
    SeepageOption = "G";
  }

  const entry::BoxNumber weight = entry::ReadNumber(txtWaterWt);
  if (!weight.number()) return missing();
  WaterUnitWeight = weight.value;
  if (!(WaterUnitWeight > 0)) return missing();
  const entry::BoxNumber right = entry::ReadNumber(txtWaterElR);
  if (!right.number()) return missing();
  WaterElev(1) = right.value;
  const entry::BoxNumber left = entry::ReadNumber(txtWaterElL);
  if (!left.number()) return missing();
  WaterElev(2) = left.value;

  if (!optNoSeep->value() && !optAutoSeep->value() && !optSeepEl->value()) return missing();
  if (SeepageOption == "") {
    WaterDataType = "E";
    unload();
    return;
  }

  if (!(WaterElev(1) > WaterElev(2))) {
    if (Continue("INCONSISTENT WATER ELEVATIONS",
                 {"For seepage effects to be included, rightside", "water elevation must be greater than the",
                  "leftside water elevation.", ""})) {
      // The seepage has to be chosen again.
      SeepageOption = "";
      optAutoSeep->setValue(false);
      optSeepEl->setValue(false);
      fraSeepData->hide();
    }
    return;
  }
  const entry::BoxNumber seepEl = entry::ReadNumber(txtSeepEl);
  if (!seepEl.number()) return missing();
  SeepageElev = seepEl.value;
  if (SeepageElev > WaterElev(1)) {
    Continue("INCONSISTENT WATER ELEVATIONS",
             {"Seepage elevation must be less than the", "rightside water elevation.", ""});
    return;
  }
  if (SeepageElev < WaterElev(2)) {
    TextBuffer = entry::Lines({"WARNING     WARNING     WARNING", "Seepage elevation is less than leftside water",
                               "elevation, hence may be inconsistent",
                               "depending on leftside soil surface elevations."});
    platform::MsgBox(TextBuffer, 64, "POSSIBLE INCONSISTENT SEEPAGE ELVATION");
  }
  if (SeepageOption == "G") {
    const entry::BoxNumber gradient = entry::ReadNumber(txtSeepGrad);
    if (gradient.blank()) return missing();
    if (!gradient.number()) {
      Continue("INVALID DATA", kInvalid);
      return;
    }
    SeepageGradient(1) = gradient.value;
    if (!(SeepageGradient(1) > 0 && SeepageGradient(1) < 1)) {
      Continue("INCONSISTENT WATER ELEVATIONS",
               {"Seepage gradient must be in the range", "           0 < gradient < 1.", ""});
      return;
    }
  }
  WaterDataType = "E";
  unload();
}

void WATER::cmdFinishedWatPres_Click() {
  const platform::TextBoxArray& elev = textBoxArray("txtELWPR");
  const platform::TextBoxArray& pres = textBoxArray("txtWPR");
  NumWaterPressPoints = 0;
  for (int i = 0; i < kRows; ++i)
    if (!entry::IsBlank(elev(i)) || !entry::IsBlank(pres(i))) NumWaterPressPoints = i + 1;
  if (NumWaterPressPoints == 0) return leaveBlankSection("P");
  // A refused row leaves the table counted up to the rows that passed, and never a table
  // of a single point.
  const int count = NumWaterPressPoints;
  auto refuse = [this](int passed, const char* title, const std::vector<std::string>& lines) {
    NumWaterPressPoints = passed >= 2 ? passed : 0;
    Continue(title, lines);
  };
  if (count == 1) return refuse(0, "DATA MISSING", kMissing);
  for (int j = 1; j <= count; ++j) {
    const entry::BoxNumber e = entry::ReadNumber(elev(j - 1));
    if (e.blank()) return refuse(j - 1, "DATA MISSING", kMissing);
    if (!e.number()) return refuse(j - 1, "INVALID DATA", kInvalid);
    WaterPressElev(j) = e.value;
    // The water computation divides by the fall between points, as the input file demands.
    if (j > 1 && !(WaterPressElev(j) < WaterPressElev(j - 1))) return refuse(j - 1, "INVALID DATA", kInvalid);
    const entry::BoxNumber p = entry::ReadNumber(pres(j - 1));
    if (p.blank()) return refuse(j - 1, "DATA MISSING", kMissing);
    if (!p.number()) return refuse(j - 1, "INVALID DATA", kInvalid);
    WaterPressValue(j) = p.value;
  }
  WaterDataType = "P";
  fraWaterEls->hide();
  fraWaterPres->hide();
  fraWaterSects->show();
  panDelete->show();
  panWaterEls->setBackColor(entry::kWhite);
  panWaterPres->setBackColor(entry::kLightCyan);
}

void WATER::cmdDelete_Click() {
  WaterDataType = "";
  NumWaterPressPoints = 0;
  SeepageOption = "";
  InputChanged = 1;
  unload();
}

void WATER::cmdFinishedWaterData_Click() { unload(); }
