#include "entry/heading_control_window.h"

#include <QLabel>

#include "entry/entry_common.h"
#include "model/input_file.h"
#include "model/problem_data.h"
#include "platform/text.h"
#include "platform/qt/latin1.h"

using entry::BoxNumber;
using entry::FillNumber;
using entry::ReadNumber;

namespace {

constexpr double kBox = 315;   // height of a one-line box

}  // namespace

HEADCONT::HEADCONT() : platform::Form("HEADCONT") {
  setCaption("HEADING, CONTROL AND WALL DATA");
  setClientSize(9450, 6525);
  panHeadCont = addPanel("panHeadCont", 2400, 180, 4575, 495);

  fraHeading = addFrame("fraHeading", "Heading", 720, 960, 8010, 1770);
  for (int i = 0; i < 4; ++i) addTextBoxElement("txtHead", i, 150, 300 + 345 * i, 7710, kBox, fraHeading);
  txtHead = &textBoxArray("txtHead");

  fraWallType = addFrame("fraWallType", "Wall Type", 720, 2880, 1575, 1095);
  optCantilever = addOption("optCantilever", "Cantilever", 150, 330, 1350, 300, fraWallType);
  optAnchored = addOption("optAnchored", "Anchored", 150, 690, 1350, 300, fraWallType);

  fraWallTop = addFrame("fraWallTop", "Wall Top", 2520, 2880, 1695, 1095);
  txtWallTop = addTextBox("txtWallTop", 150, 330, 1395, kBox, fraWallTop);
  addLabel("lblWallTop", "Elevation (FT)", 150, 690, 1395, 285, fraWallTop);

  fraMode = addFrame("fraMode", "Mode", 4380, 2880, 1455, 1095);
  optDesign = addOption("optDesign", "Design", 150, 330, 1230, 300, fraMode);
  optAnalysis = addOption("optAnalysis", "Analysis", 150, 690, 1230, 300, fraMode);

  fraSafety = addFrame("fraSafety", "Level 1 Safety Factors", 6000, 2880, 2730, 1095);
  addLabel("lblActive", "Active", 150, 360, 1000, 285, fraSafety);
  txtFSA1 = addTextBox("txtFSA1", 1200, 330, 1380, kBox, fraSafety);
  addLabel("lblPassive", "Passive", 150, 720, 1000, 285, fraSafety);
  txtFSP1 = addTextBox("txtFSP1", 1200, 690, 1380, kBox, fraSafety);

  fraFSOption = addFrame("fraFSOption", "Safety Factor Option", 6000, 2880, 2730, 1095);
  optFSOption1 = addOption("optFSOption1", "Active FS = Passive FS", 150, 330, 2500, 300, fraFSOption);
  optFSOption2 = addOption("optFSOption2", "Active FS Input", 150, 690, 1700, 300, fraFSOption);
  txtFSAAnalysis = addTextBox("txtFSAAnalysis", 1860, 675, 750, kBox, fraFSOption);

  fraAnchor = addFrame("fraAnchor", "Anchor", 1500, 4260, 1695, 1095);
  txtAnchorEl = addTextBox("txtAnchorEl", 150, 330, 1395, kBox, fraAnchor);
  addLabel("lblAnchorEl", "Elevation (FT)", 150, 690, 1395, 285, fraAnchor);

  fraWallProps = addFrame("fraWallProps", "Wall Properties", 3600, 4260, 5130, 1335);
  addLabel("lblWallBot", "Elevation at Bottom (FT)", 150, 330, 3000, 285, fraWallProps);
  txtWallBot = addTextBox("txtWallBot", 3300, 300, 1680, kBox, fraWallProps);
  addLabel("lblWallE", "Modulus of Elasticity (PSI)", 150, 690, 3000, 285, fraWallProps);
  txtWallE = addTextBox("txtWallE", 3300, 660, 1680, kBox, fraWallProps);
  addLabel("lblWallI", "Moment of Inertia (IN^4)", 150, 1050, 3000, 285, fraWallProps);
  txtWallI = addTextBox("txtWallI", 3300, 1005, 1680, kBox, fraWallProps);

  cmdFinished = addButton("cmdFinished", "&Finished", 4200, 5760, 975, 375);
  connect(cmdFinished, &QPushButton::clicked, this, [this] { cmdFinished_Click(); });
  setFinishedButtons({cmdFinished});

  // The designed order: the heading lines, the options, the wall top, then the boxes
  // Load numbers for the mode shown.
  int t = 0;
  for (int i = 0; i < 4; ++i) setTabIndex((*txtHead)(i), t++);
  for (QWidget* w : {static_cast<QWidget*>(optCantilever), static_cast<QWidget*>(optAnchored),
                     static_cast<QWidget*>(txtWallTop), static_cast<QWidget*>(optDesign),
                     static_cast<QWidget*>(optAnalysis)})
    setTabIndex(w, t++);

  connect(optCantilever, &platform::OptionButton::Click, this, [this] { optCantilever_Click(); });
  connect(optAnchored, &platform::OptionButton::Click, this, [this] { optAnchored_Click(); });
  connect(optDesign, &platform::OptionButton::Click, this, [this] { optDesign_Click(); });
  connect(optAnalysis, &platform::OptionButton::Click, this, [this] { optAnalysis_Click(); });
  connect(optFSOption1, &platform::OptionButton::Click, this, [this] { optFSOption1_Click(); });
  connect(optFSOption2, &platform::OptionButton::Click, this, [this] { optFSOption2_Click(); });
  // Every Change handler only marks the input as edited.
  onArrayChange("txtHead", [](int) { InputChanged = 1; });
  for (QLineEdit* box : {txtWallTop, txtAnchorEl, txtFSA1, txtFSP1, txtFSAAnalysis, txtWallBot, txtWallE, txtWallI})
    connect(box, &QLineEdit::textChanged, this, [] { InputChanged = 1; });
  addHelpMenu();
}

void HEADCONT::Form_Load() {
  copyMainWindowGeometryAsFixedDialog();
  entry::KeepInputChanged keep;
  for (int i = 0; i < 4; ++i) (*txtHead)(i)->clear();
  for (platform::OptionButton* o : {optCantilever, optAnchored, optDesign, optAnalysis}) o->setValue(false);
  fraSafety->hide();
  entry::FillNumberPlain(txtFSA1, FSActive);
  entry::FillNumberPlain(txtFSP1, FSPassive);
  fraFSOption->hide();
  place(fraFSOption, 6000, 2880, 2730, 1095);
  optFSOption1->setValue(false);
  optFSOption2->setValue(false);
  txtFSAAnalysis->clear();
  txtFSAAnalysis->setEnabled(false);
  fraAnchor->hide();
  fraWallProps->hide();
  for (QLineEdit* box : {txtAnchorEl, txtWallTop, txtWallE, txtWallI}) box->clear();
  panHeadCont->setCaption("Enter Heading and Control Data");
  if (HeadContDone == 0) {
    RunMode = "";
    WallType = "";
    AnalysisFSOption = 0;
    setTabIndex(txtFSA1, 9);
    setTabIndex(txtFSP1, 10);
    setTabIndex(txtAnchorEl, 11);
    setTabIndex(txtWallBot, 12);
    setTabIndex(txtWallE, 13);
    setTabIndex(txtWallI, 14);
    setTabIndex(cmdFinished, 15);
    return;
  }
  panHeadCont->setCaption("Edit Heading and Control Data");
  for (int i = 1; i <= NumHeadingLines; ++i) (*txtHead)(i - 1)->setText(platform::fromText(HeadingLines(i)));
  FillNumber(txtWallTop, WallTopElev);
  if (WallType == "C") optCantilever->setValue(true);
  if (WallType == "A") optAnchored->setValue(true);
  if (RunMode != "D") {
    optAnalysis->setValue(true);
    if (FSActive > 0) FillNumber(txtFSA1, FSActive);
    fraWallProps->show();
    FillNumber(txtWallBot, WallBottomElev);
    FillNumber(txtWallE, WallModulusE);
    FillNumber(txtWallI, WallInertia);
    fraSafety->hide();
    if (AnalysisFSOption == 1) {
      optFSOption1->setValue(true);
      txtFSAAnalysis->setEnabled(false);
    } else {
      optFSOption2->setValue(true);
      FillNumber(txtFSAAnalysis, FSActive);
    }
    fraFSOption->show();
    if (WallType == "A") {
      fraAnchor->show();
      FillNumber(txtAnchorEl, AnchorElev);
    }
    FillNumber(txtWallTop, WallTopElev);
    setTabIndex(optFSOption1, 9);
    setTabIndex(optFSOption2, 10);
    setTabIndex(txtFSAAnalysis, 11);
    setTabIndex(txtAnchorEl, 12);
    setTabIndex(txtWallBot, 13);
    setTabIndex(txtWallE, 14);
    setTabIndex(txtWallI, 15);
    setTabIndex(cmdFinished, 16);
  } else {
    optDesign->setValue(true);
    FillNumber(txtFSA1, FSActive);
    FillNumber(txtFSP1, FSPassive);
    fraWallProps->hide();
    fraSafety->show();
    fraFSOption->hide();
  }
  if (WallType == "A") {
    fraAnchor->show();
    FillNumber(txtAnchorEl, AnchorElev);
  }
}

void HEADCONT::optCantilever_Click() {
  InputChanged = 1;
  WallType = "C";
  fraAnchor->hide();
}

void HEADCONT::optAnchored_Click() {
  InputChanged = 1;
  WallType = "A";
  fraAnchor->show();
}

void HEADCONT::optDesign_Click() {
  InputChanged = 1;
  RunMode = "D";
  fraSafety->show();
  fraFSOption->hide();
  fraWallProps->hide();
}

void HEADCONT::optAnalysis_Click() {
  InputChanged = 1;
  RunMode = "A";
  fraFSOption->show();
  fraSafety->hide();
  fraWallProps->show();
}

void HEADCONT::optFSOption1_Click() {
  InputChanged = 1;
  AnalysisFSOption = 1;
  txtFSAAnalysis->clear();
  txtFSAAnalysis->setEnabled(false);
}

void HEADCONT::optFSOption2_Click() {
  InputChanged = 1;
  AnalysisFSOption = 2;
  txtFSAAnalysis->setEnabled(true);
}

bool HEADCONT::okToContinue(std::string_view title) {
  if (entry::OkToContinue(TextBuffer2, title)) return true;
  HeadContDone = 0;
  unload();
  return false;
}

void HEADCONT::invalid() {
  TextBuffer2 = entry::Lines({"At least one data value is invalid.", "", "   Choose OK to continue data entry.",
                              "   Choose CANCEL to DELETE ALL DATA", "          on this form and exit."});
  okToContinue("INVALID DATA");
}

void HEADCONT::cmdFinished_Click() {
  if (finishedPass()) {
    HeadContDone = 1;
    unload();
  }
}

// One pass of Finished: true when everything is stored; false after its message.
bool HEADCONT::finishedPass() {
  // Stage 1: the required items that are blank, all of them at once.
  TextBuffer = "";
  HeadContDone = 0;
  NumHeadingLines = 0;
  for (int i = 0; i < 4; ++i) {
    // Every character is kept, as the input file keeps it: one outside Latin-1 (an en
    // dash) would otherwise turn into "?" here but not in a file.
    InputLine = platform::text::Trim(platform::toText((*txtHead)(i)->text()));
    if (InputLine.empty()) continue;
    if (InputLine.front() != '\'') InputLine = "'" + InputLine;
    ++NumHeadingLines;
    HeadingLines(NumHeadingLines) = AsReadLine(InputLine);
  }
  const auto missing = [](const char* line) {
    if (!TextBuffer.empty()) TextBuffer += NewLine;
    TextBuffer += line;
  };
  if (NumHeadingLines == 0) missing("     HEADING");
  if (WallType != "A" && WallType != "C") missing("     WALL TYPE");
  if (entry::IsBlank(txtWallTop)) missing("     WALL TOP ELEVATION");
  if (RunMode != "D" && RunMode != "A") missing("     MODE");
  if (WallType == "A" && entry::IsBlank(txtAnchorEl)) missing("     ANCHOR ELEVATION");
  const auto showMissing = [this] {
    TextBuffer2 = entry::Lines({"The following required data are missing:", "", TextBuffer, "",
                                "     Choose OK to continue DATA entry.", "     Choose CANCEL to DELETE ALL DATA",
                                "          on this form and exit."});
    if (okToContinue("DATA MISSING")) TextBuffer = "";
  };
  if (!TextBuffer.empty()) {
    showMissing();
    return false;
  }

  // Stage 2: the values, the first bad one reported alone.
  if (RunMode == "D") {
    const BoxNumber fsa = ReadNumber(txtFSA1);
    if (fsa.blank()) {
      FSActive = 1.0;
    } else {
      if (!fsa.number()) return invalid(), false;
      FSActive = fsa.value;
      if (FSActive < 0) return invalid(), false;
      if (FSActive == 0) FSActive = 1.0;
    }
    const BoxNumber fsp = ReadNumber(txtFSP1);
    if (fsp.blank()) {
      FSPassive = FSActive;
    } else {
      if (!fsp.number()) return invalid(), false;
      FSPassive = fsp.value;
      if (FSPassive < 0) return invalid(), false;
      if (FSPassive == 0) FSPassive = FSActive;
    }
  } else if (AnalysisFSOption == 2) {
    const BoxNumber fsa = ReadNumber(txtFSAAnalysis);
    if (!fsa.number()) return invalid(), false;
    FSActive = fsa.value;
    if (!(FSActive > 0)) return invalid(), false;
  }
  const BoxNumber top = ReadNumber(txtWallTop);
  if (!top.number()) return invalid(), false;
  WallTopElev = top.value;
  if (WallType == "A") {
    const BoxNumber anchor = ReadNumber(txtAnchorEl);
    if (!anchor.number()) return invalid(), false;
    AnchorElev = anchor.value;
    if (AnchorElev > WallTopElev) return invalid(), false;
  }
  if (RunMode == "A") {
    const BoxNumber bottom = ReadNumber(txtWallBot);
    if (bottom.blank()) {
      TextBuffer += NewLine + "ELEVATION AT BOTTOM OF WALL";
    } else {
      if (!bottom.number()) return invalid(), false;
      WallBottomElev = bottom.value;
      if (!(WallBottomElev < WallTopElev)) return invalid(), false;
      if (WallType == "A" && !(WallBottomElev < AnchorElev)) return invalid(), false;
    }
    const BoxNumber e = ReadNumber(txtWallE);
    if (e.blank()) {
      TextBuffer += NewLine + "MODULUS OF ELLASTICITY";
    } else {
      if (!e.number()) return invalid(), false;
      WallModulusE = e.value;
      if (!(WallModulusE > 0)) return invalid(), false;
    }
    const BoxNumber inertia = ReadNumber(txtWallI);
    if (inertia.blank()) {
      TextBuffer += NewLine + "MOMENT OF INERTIA";
    } else {
      if (!inertia.number()) return invalid(), false;
      WallInertia = inertia.value;
      if (!(WallInertia > 0)) return invalid(), false;
    }
    if (AnalysisFSOption < 1) TextBuffer += NewLine + "FACTOR OF SAFETY OPTION FOR ANALYSIS";
  }
  if (!TextBuffer.empty()) {
    showMissing();
    return false;
  }
  return true;
}
