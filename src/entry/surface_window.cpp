#include "entry/surface_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "entry/entry_common.h"
#include "model/input_rules.h"
#include "model/problem_data.h"

SURFACE::SURFACE() : platform::Form("SURFACE") {
  setCaption("SURFACE DATA");
  setClientSize(9450, 6525);
  Panel3D1 = addPanel("Panel3D1", 3450, 480, 2955, 495);
  struct SideFrame {
    int side;
    const char* frame;
    const char* caption;
    double left;
    const char* dist;
    const char* elev;
  };
  for (const SideFrame& f : {SideFrame{2, "fraSurfLeft", "Leftside Surface Data", 1425, "txtLeftDist", "txtLeftElev"},
                             SideFrame{1, "fraSurfRight", "Rightside Surface Data", 4920, "txtRightDist", "txtRightElev"}}) {
    QGroupBox* frame = addFrame(f.frame, f.caption, f.left, 1200, 3255, 4095);
    addLabel(QString(f.frame) + "Dist", "Distance From Wall (FT)", 150, 270, 1440, 450, frame)
        ->setAlignment(Qt::AlignCenter);
    addLabel(QString(f.frame) + "Elev", "           Elevation (FT)", 1665, 270, 1440, 450, frame)
        ->setAlignment(Qt::AlignCenter);
    dist_[f.side] = &addTextBoxColumn(f.dist, 11, 150, 750, 1440, 285, 300, frame);
    elev_[f.side] = &addTextBoxColumn(f.elev, 11, 1665, 750, 1440, 285, 300, frame);
    onArrayChange(f.dist, [](int) { InputChanged = 1; });
    onArrayChange(f.elev, [](int) { InputChanged = 1; });
  }
  // Row by row, the right side first, as the eye reads the table on its side.
  int t = 0;
  for (int side : {1, 2})
    for (int i = 0; i < 11; ++i) {
      setTabIndex((*dist_[side])(i), t++);
      setTabIndex((*elev_[side])(i), t++);
    }
  cmdFinished = addButton("cmdFinished", "&Finished", 4320, 5520, 975, 375);
  setTabIndex(cmdFinished, t);
  connect(cmdFinished, &QPushButton::clicked, this, [this] { cmdFinished_Click(); });
  setFinishedButtons({cmdFinished});
  addHelpMenu()(1)->setText("&Search for Help on ...");
}

void SURFACE::Form_Load() {
  copyMainWindowGeometryAsFixedDialog();
  entry::KeepInputChanged keep;
  for (int side : {1, 2})
    for (int i = 0; i < 11; ++i) {
      (*dist_[side])(i)->clear();
      (*elev_[side])(i)->clear();
    }
  Panel3D1->setCaption("Enter Surface Data");
  if (NumSurfacePoints(1) >= 1) {
    Panel3D1->setCaption("Edit Surface Data");
    for (int side : {1, 2})
      for (int j = 1; j <= NumSurfacePoints(side); ++j) {
        entry::FillNumber((*dist_[side])(j - 1), SurfaceDist(side, j));
        entry::FillNumber((*elev_[side])(j - 1), SurfaceElev(side, j));
      }
  }
}

void SURFACE::cmdFinished_Click() {
  if (storeSide(1) && storeSide(2)) unload();
}

bool SURFACE::storeSide(int side) {
  const platform::TextBoxArray& dist = *dist_[side];
  const platform::TextBoxArray& elev = *elev_[side];
  NumSurfacePoints(side) = 0;
  for (int i = 0; i < 11; ++i)
    if (!entry::IsBlank(dist(i))) NumSurfacePoints(side) = i + 1;
  // OK returns to the window; Cancel drops the surface of both sides and closes.
  const auto refuse = [this](std::string_view title) {
    if (entry::OkToContinue(TextBuffer, title)) return;
    NumSurfacePoints(1) = 0;
    NumSurfacePoints(2) = 0;
    unload();
  };
  if (NumSurfacePoints(side) == 0) {
    if (side == 1)
      TextBuffer = entry::Lines({"At least one SURFACE point is required for the right side.", "",
                                 "Choose OK to continue SURFACE DATA entry.", "Choose CANCEL to DELETE ALL SURFACE DATA",
                                 "     and exit."});
    else
      TextBuffer = entry::Lines({"At least one SURFACE point is required for the left side.", "",
                                 "     Choose OK to continue SURFACE DATA entry.",
                                 "Choose CANCEL to DELETE ALL SURFACE DATA and exit."});
    refuse("DATA MISSING");
    return false;
  }
  for (int j = 1; j <= NumSurfacePoints(side); ++j) {
    bool ok = false;
    const entry::BoxNumber d = entry::ReadNumber(dist(j - 1));
    if (d.number()) {
      SurfaceDist(side, j) = d.value;
      ok = j == 1 ? input_rules::DistanceValid(d.value)
                  : input_rules::DistanceIncreases(d.value, SurfaceDist(side, j - 1));
    }
    if (ok) {
      const entry::BoxNumber e = entry::ReadNumber(elev(j - 1));
      ok = e.number();
      if (ok) SurfaceElev(side, j) = e.value;
    }
    if (!ok) {
      TextBuffer = entry::Lines({side == 1 ? "At least one RIGHT SIDE SURFACE DATA value is invalid."
                                           : "At least one LEFT SIDE SURDACE DATA value is invalid.",
                                 "", "     Choose OK to continue SURFACE", "          DATA entry.",
                                 "Choose CANCEL to DELETE ALL SURFACE", "          DATA and exit."});
      refuse("INVALID DATA");
      return false;
    }
  }
  return true;
}
