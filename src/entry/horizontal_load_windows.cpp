#include "entry/horizontal_load_windows.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "entry/entry_common.h"
#include "entry/window_font.h"
#include "entry/entry_rows.h"
#include "entry/load_pictures.h"
#include "model/input_rules.h"
#include "model/problem_data.h"
#include "platform/qt/controls.h"
#include "platform/qt/latin1.h"

namespace {

constexpr int kLineRows = 5;
constexpr int kDistRows = 11;

// The last row in which the elevation or the load box is not blank.
int CountRows(const platform::TextBoxArray& elev, const platform::TextBoxArray& load) {
  int count = 0;
  for (int i = 0; i < elev.size(); ++i)
    if (!entry::IsBlank(elev(i)) || !entry::IsBlank(load(i))) count = i + 1;
  return count;
}

// Loads above the wall top act on wall that is not there; the input file refuses them, so
// the window does too once the wall is known.
bool BelowWallTop(double elevation) {
  return HeadContDone == 0 || input_rules::HorizontalLoadNotAboveWallTop(elevation, WallTopElev);
}

}  // namespace

// ---------------------------------------------------------------------------------------

HORCON::HORCON() : platform::Form("HORCON") {
  setCaption("HORIZONTAL LOADS");
  setClientSize(9450, 6525);
  entry::UseDesignedFont(this);
  addHelpMenu();
  fraHorLoadSects = addFrame("fraHorLoadSects", "", 0, 0, 4815, 4155);
  panHorizontal = addPanel("panHorizontal", 120, 240, 4575, 555, fraHorLoadSects);
  panHorizontal->setCaption("Select Data Section to be Entered");
  entry::AvailabilityNote(*this, "Label5", 270, 960, 4275, fraHorLoadSects);
  panHorizLine = addPanel("panHorizLine", 870, 1440, 3075, 615, fraHorLoadSects);
  cmdHorizLine = addButton("cmdHorizLine", "Horizontal &Line Loads", 60, 60, 2955, 495, panHorizLine);
  panHorizDist = addPanel("panHorizDist", 870, 2220, 3075, 615, fraHorLoadSects);
  cmdHorizDist = addButton("cmdHorizDist", "Horizontal &Distributed Loads", 60, 60, 2955, 495, panHorizDist);
  cmdFinished = addButton("cmdFinished", "&Finished", 1920, 3360, 975, 375, fraHorLoadSects);
  connect(cmdHorizLine, &QPushButton::clicked, this, [this] { cmdHorizLine_Click(); });
  connect(cmdHorizDist, &QPushButton::clicked, this, [this] { cmdHorizDist_Click(); });
  connect(cmdFinished, &QPushButton::clicked, this, [this] { cmdFinished_Click(); });
  setFinishedButtons({cmdFinished});
}

void HORCON::Form_Load() {
  copyMainWindowGeometryAsFixedDialog();
  place(fraHorLoadSects, (Width() - 4815) / 2, (Height() - 4155) / 2, 4815, 4155);
  panHorizLine->setBackColor(entry::kWhite);
  panHorizDist->setBackColor(entry::kWhite);
  entry::ShowStatus(panHorizLine, NumHorizLineLoads > 0);
  entry::ShowStatus(panHorizDist, NumHorizDistPoints > 0);
}

void HORCON::cmdHorizLine_Click() {
  ChoiceIndex = 1;
  platform::ShowModal<HORLOAD>();
  entry::ShowStatus(panHorizLine, NumHorizLineLoads > 0);
}

void HORCON::cmdHorizDist_Click() {
  ChoiceIndex = 2;
  platform::ShowModal<HORLOAD>();
  entry::ShowStatus(panHorizDist, NumHorizDistPoints > 0);
}

// ---------------------------------------------------------------------------------------

HORLOAD::HORLOAD() : platform::Form("HORLOAD") {
  setCaption("HORIZONTAL LOADS");
  setClientSize(9450, 6525);
  entry::UseDesignedFont(this);
  addHelpMenu();

  fraHorLine = addFrame("fraHorLine", "Horizontal Line Loads", 0, 0, 4455, 3375);
  fraHorLineData = addFrame("fraHorLineData", "", 120, 240, 2295, 2430, fraHorLine);
  QLabel* elev = addLabel("lblElev", "Elevation (FT)", 120, 150, 960, 420, fraHorLineData);
  QLabel* load = addLabel("lblLineLd", "Line Load (PLF)", 1170, 150, 1005, 420, fraHorLineData);
  for (QLabel* l : {elev, load}) {
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  }
  addTextBoxColumn("txtElevHorLine", kLineRows, 120, 660, 960, 285, 330, fraHorLineData);
  addTextBoxColumn("txtHorLine", kLineRows, 1170, 660, 1005, 285, 330, fraHorLineData);
  imgHorLine = addPicture("imgHorLine", 2535, 300, 1800, 2370, fraHorLine);
  cmdFinHorLine = addButton("cmdFinHorLine", "&Finished", 240, 2850, 975, 375, fraHorLine);
  cmdDelHorLine = addButton("cmdDelHorLine", "&Delete Line Loads", 1455, 2850, 2055, 375, fraHorLine);

  fraHorDist = addFrame("fraHorDist", "Horizontal Distributed Loads", 0, 0, 4695, 5055);
  fraLeft = addFrame("fraLeft", "", 120, 240, 2415, 4260, fraHorDist);
  QLabel* delev = addLabel("Label3", "Elevation  (FT)", 120, 150, 1020, 420, fraLeft);
  QLabel* dload = addLabel("Label4", "  Load   (PSF)", 1230, 150, 1065, 420, fraLeft);
  for (QLabel* l : {delev, dload}) {
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  }
  addTextBoxColumn("txtElHorDist", kDistRows, 120, 630, 1020, 270, 320, fraLeft);
  addTextBoxColumn("txtHorDist", kDistRows, 1230, 630, 1065, 270, 320, fraLeft);
  imgHorDist = addPicture("imgHorDist", 2655, 300, 1920, 4200, fraHorDist);
  cmdFinHorDist = addButton("cmdFinHorDist", "&Finished", 240, 4560, 975, 375, fraHorDist);
  cmdDelHorDist = addButton("cmdDelHorDist", "&Delete Distributed Loads", 1455, 4560, 2415, 375, fraHorDist);

  for (platform::PictureBox* p : {imgHorLine, imgHorDist}) {
    p->setBackColor({255, 255, 255});
    const int type = p == imgHorLine ? 1 : 2;
    p->setPaint([p, type](platform::Canvas& c) {
      entry::DrawHorizontalLoadPicture(c, type, p->ScaleWidth(), p->ScaleHeight());
    });
  }
  connect(cmdFinHorLine, &QPushButton::clicked, this, [this] { cmdFinHorLine_Click(); });
  connect(cmdFinHorDist, &QPushButton::clicked, this, [this] { cmdFinHorDist_Click(); });
  connect(cmdDelHorLine, &QPushButton::clicked, this, [this] { cmdDelHorLine_Click(); });
  connect(cmdDelHorDist, &QPushButton::clicked, this, [this] { cmdDelHorDist_Click(); });
  auto lineChange = [this](int) {
    cmdDelHorLine->show();
    InputChanged = 1;
  };
  auto distChange = [this](int) {
    cmdDelHorDist->show();
    InputChanged = 1;
  };
  onArrayChange("txtElevHorLine", lineChange);
  onArrayChange("txtHorLine", lineChange);
  onArrayChange("txtElHorDist", distChange);
  onArrayChange("txtHorDist", distChange);
  fraHorLine->hide();
  fraHorDist->hide();
  setFinishedButtons({cmdFinHorLine, cmdFinHorDist});
}

void HORLOAD::Form_Load() {
  copyMainWindowGeometryAsFixedDialog();
  entry::KeepInputChanged keep;
  shown_ = ChoiceIndex == 1 || ChoiceIndex == 2 ? ChoiceIndex : 0;
  const bool line = shown_ == 1;
  if (shown_ == 0) return;
  QGroupBox* frame = line ? fraHorLine : fraHorDist;
  const double w = line ? 4455 : 4695, h = line ? 3375 : 5055;
  place(frame, (ScaleWidth() - w) / 2, (ScaleHeight() - h) / 2, w, h);
  fraHorLine->setVisible(line);
  fraHorDist->setVisible(!line);
  const platform::TextBoxArray& elev = textBoxArray(line ? "txtElevHorLine" : "txtElHorDist");
  const platform::TextBoxArray& load = textBoxArray(line ? "txtHorLine" : "txtHorDist");
  for (int i = 0; i < elev.size(); ++i) {
    setTabIndex(elev(i), 2 * i);
    setTabIndex(load(i), 2 * i + 1);
    elev(i)->clear();
    load(i)->clear();
  }
  QPushButton* del = line ? cmdDelHorLine : cmdDelHorDist;
  setTabIndex(line ? cmdFinHorLine : cmdFinHorDist, 2 * elev.size());
  setTabIndex(del, 2 * elev.size() + 1);
  del->hide();
  const int count = line ? NumHorizLineLoads : NumHorizDistPoints;
  for (int i = 1; i <= count && i <= elev.size(); ++i) {
    del->show();
    entry::FillNumber(elev(i - 1), line ? HorizLineElev(i) : HorizDistElev(i));
    entry::FillNumber(load(i - 1), line ? HorizLineLoad(i) : HorizDistLoad(i));
  }
}

void HORLOAD::onCloseRequest() {
  if (shown_ == 0) {
    unload();
    return;
  }
  Form::onCloseRequest();
}

void HORLOAD::cmdFinHorLine_Click() {
  const platform::TextBoxArray& elev = textBoxArray("txtElevHorLine");
  const platform::TextBoxArray& load = textBoxArray("txtHorLine");
  NumHorizLineLoads = CountRows(elev, load);
  const int count = NumHorizLineLoads;
  auto refuse = [this](int passed, entry::Fault fault) {
    NumHorizLineLoads = passed;
    const bool missing = fault == entry::Fault::Missing;
    TextBuffer = entry::Lines({missing ? "At least one required data value is missing."
                                           : "At least one data value is invalid.",
                                   "", "Choose OK to continue HORIZONTAL LINE LOAD", "     DATA entry.",
                                   "Choose CANCEL to delete all HORIZONTAL LINE", "     LOAD DATA and exit."});
    if (entry::OkToContinue(TextBuffer, missing ? "DATA MISSING" : "INVALID DATA")) return;
    NumHorizLineLoads = 0;
    AbortRun = 1;
    unload();
  };
  for (int i = 1; i <= count; ++i) {
    entry::Fault f = entry::ReadBox(platform::toLatin1(elev(i - 1)->text()), HorizLineElev(i));
    if (f == entry::Fault::None && !BelowWallTop(HorizLineElev(i))) f = entry::Fault::Invalid;
    if (f == entry::Fault::None) f = entry::ReadBox(platform::toLatin1(load(i - 1)->text()), HorizLineLoad(i));
    if (f != entry::Fault::None) return refuse(i - 1, f);
  }
  unload();
}

void HORLOAD::cmdFinHorDist_Click() {
  const platform::TextBoxArray& elev = textBoxArray("txtElHorDist");
  const platform::TextBoxArray& load = textBoxArray("txtHorDist");
  NumHorizDistPoints = CountRows(elev, load);
  const int count = NumHorizDistPoints;
  if (count == 0) {
    unload();
    return;
  }
  // A refused point leaves the profile counted up to the points that passed, and never a
  // profile of a single point.
  auto refuse = [this](int passed, entry::Fault fault) {
    NumHorizDistPoints = passed >= 2 ? passed : 0;
    const bool missing = fault == entry::Fault::Missing;
    TextBuffer = entry::Lines(
        {missing ? "At least one required data values i missing." : "At least one data value is invalid.", "",
         "     Choose OK to continue HORIZONTAL", "          DISTRIBUTED LOAD DATA entry.",
         "Choose CANCEL to delete ALL HORIZONTAL", "          DISTRIBUTED LOAD DATA and exit."});
    if (entry::OkToContinue(TextBuffer, missing ? "DATA MISSING" : "INVALID DATA ITEM")) return;
    NumHorizDistPoints = 0;
    unload();
  };
  if (count == 1) return refuse(0, entry::Fault::Invalid);
  for (int i = 1; i <= count; ++i) {
    entry::Fault f = entry::ReadBox(platform::toLatin1(elev(i - 1)->text()), HorizDistElev(i));
    if (f == entry::Fault::None) {
      const bool falls = i == 1 ? BelowWallTop(HorizDistElev(1))
                                : input_rules::ElevationFalls(HorizDistElev(i), HorizDistElev(i - 1));
      if (!falls) f = entry::Fault::Invalid;
    }
    if (f == entry::Fault::None) f = entry::ReadBox(platform::toLatin1(load(i - 1)->text()), HorizDistLoad(i));
    if (f != entry::Fault::None) return refuse(i - 1, f);
  }
  unload();
}

void HORLOAD::cmdDelHorLine_Click() {
  if (NumHorizLineLoads > 0) InputChanged = 1;
  NumHorizLineLoads = 0;
  const platform::TextBoxArray& elev = textBoxArray("txtElevHorLine");
  const platform::TextBoxArray& load = textBoxArray("txtHorLine");
  for (int i = 0; i < elev.size(); ++i) elev(i)->clear();
  for (int i = 0; i < load.size(); ++i) load(i)->clear();
  cmdDelHorLine->hide();
}

void HORLOAD::cmdDelHorDist_Click() {
  if (NumHorizDistPoints > 0) InputChanged = 1;
  NumHorizDistPoints = 0;
  const platform::TextBoxArray& elev = textBoxArray("txtElHorDist");
  const platform::TextBoxArray& load = textBoxArray("txtHorDist");
  for (int i = 0; i < elev.size(); ++i) elev(i)->clear();
  for (int i = 0; i < load.size(); ++i) load(i)->clear();
  cmdDelHorDist->hide();
}
