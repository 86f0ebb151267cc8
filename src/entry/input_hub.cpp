#include "entry/input_hub.h"

#include <QGroupBox>
#include <QLabel>

#include "entry/entry_common.h"
#include "entry/heading_control_window.h"
#include "entry/horizontal_load_windows.h"
#include "entry/soil_layer_window.h"
#include "entry/surcharge_windows.h"
#include "entry/surface_window.h"
#include "entry/water_window.h"
#include "flow/main_menus.h"
#include "model/input_rules.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/text.h"

using entry::ShowStatus;

namespace {

constexpr double kFrameWidth = 4815;
constexpr double kFrameHeight = 6015;

}  // namespace

int SurchargeCount() {
  int n = 0;
  for (int s = 1; s <= 2; ++s) {
    n += NumLineLoads(s) + NumUniformLoads(s) + NumStripLoads(s) + NumRampLoads(s) +
         NumTriangularLoads(s) + NumVariablePoints(s);
  }
  return n;
}

KEYIN::KEYIN() : platform::Form("KEYIN") {
  setCaption("KEYBOARD INPUT");
  setClientSize(9450, 6525);
  fraInputSects = addFrame("fraInputSects", "", 0, 0, kFrameWidth, kFrameHeight);
  panKeyIn = addPanel("panKeyIn", 120, 180, 4575, 555, fraInputSects);
  Label2 = addLabel("Label2", "(Sections indicated in red are required.)", 550, 780, 3800, 255,
                    fraInputSects);
  platform::SetForeColor(Label2, entry::kRed);
  Label5 = entry::AvailabilityNote(*this, "Label5", 270, 1020, 4275, fraInputSects);

  struct Section {
    const char* panel;
    const char* button;
    const char* caption;
    bool required;
    void (KEYIN::*click)();
    platform::Panel** field;
  };
  const Section sections[] = {
      {"panHeadCont", "cmdHeadCont", "&Heading, Wall and Control Data", true, &KEYIN::cmdHeadCont_Click, &panHeadCont},
      {"panSurface", "cmdSurface", "Soil &Surface Data", true, &KEYIN::cmdSurface_Click, &panSurface},
      {"panLayerData", "cmdLayerData", "Soil &Layer Data", true, &KEYIN::cmdLayerData_Click, &panLayerData},
      {"panWaterData", "cmdWaterData", "&Water Data", false, &KEYIN::cmdWaterData_Click, &panWaterData},
      {"panSurcharge", "cmdSurcharge", "S&urface Surcharge Data", false, &KEYIN::cmdSurcharge_Click, &panSurcharge},
      {"panHorizontal", "cmdHorizontal", "Applied &Horizontal Loads", false, &KEYIN::cmdHorizontal_Click, &panHorizontal},
  };
  int k = 0;
  for (const Section& s : sections) {
    platform::Panel* pan = addPanel(s.panel, 870, 1440 + 660 * k, 3075, 615, fraInputSects);
    QPushButton* b = addButton(s.button, s.caption, 60, 60, 2955, 495, pan);
    if (s.required) platform::SetForeColor(b, entry::kRed);
    connect(b, &QPushButton::clicked, this, [this, click = s.click] { (this->*click)(); });
    setTabIndex(b, k);
    *s.field = pan;
    ++k;
  }
  cmdFinished = addButton("cmdFinished", "&Finished", 1920, 5520, 975, 375, fraInputSects);
  connect(cmdFinished, &QPushButton::clicked, this, [this] { cmdFinished_Click(); });
  setTabIndex(cmdFinished, k);
  setFinishedButtons({cmdFinished});
  addHelpMenu();
}

void KEYIN::Form_Load() {
  copyMainWindowGeometryAsFixedDialog();
  InputChanged = 0;
  AbortRun = 0;
  for (platform::Panel* p : {panHeadCont, panSurface, panLayerData, panWaterData, panSurcharge, panHorizontal})
    p->setBackColor(entry::kWhite);
  place(fraInputSects, (Width() - kFrameWidth) / 2, 0, kFrameWidth, kFrameHeight);
  panKeyIn->setCaption("Select Data Section to be Entered");
  if (NumHeadingLines != 0) {
    HeadContDone = 1;
    panHeadCont->setBackColor(entry::kLightCyan);
    panSurface->setBackColor(entry::kLightCyan);
    panLayerData->setBackColor(entry::kLightCyan);
    if (!WaterDataType.empty()) panWaterData->setBackColor(entry::kLightCyan);
    if (SurchargeCount() > 0) panSurcharge->setBackColor(entry::kLightCyan);
    if (NumHorizLineLoads + NumHorizDistPoints > 0) panHorizontal->setBackColor(entry::kLightCyan);
    panKeyIn->setCaption("Select Data Section to be Edited");
  }
}

void KEYIN::cmdHeadCont_Click() {
  platform::ShowModal<HEADCONT>();
  ShowStatus(panHeadCont, HeadContDone != 0);
}

void KEYIN::cmdSurface_Click() {
  platform::ShowModal<SURFACE>();
  ShowStatus(panSurface, NumSurfacePoints(1) > 0);
}

void KEYIN::cmdLayerData_Click() {
  platform::ShowModal<LAYRDATA>();
  ShowStatus(panLayerData, NumSoilLayers(1) >= 1);
}

void KEYIN::cmdWaterData_Click() {
  platform::ShowModal<WATER>();
  ShowStatus(panWaterData, !WaterDataType.empty());
}

void KEYIN::cmdSurcharge_Click() {
  platform::ShowModal<SURCHCON>();
  ShowStatus(panSurcharge, SurchargeCount() > 0);
}

void KEYIN::cmdHorizontal_Click() {
  platform::ShowModal<HORCON>();
  ShowStatus(panHorizontal, NumHorizLineLoads + NumHorizDistPoints > 0);
}

void KEYIN::finishedMessage(const std::string& text, std::string_view title) {
  if (entry::OkToContinue(text, title)) return;
  AbortRun = 1;
  unload();
}

void KEYIN::cmdFinished_Click() {
  AbortRun = 0;
  TextBuffer = "";
  if (HeadContDone == 0) TextBuffer = "     HEADING, CONTROL, AND WALL DATA.";
  if (NumSurfacePoints(1) + NumSurfacePoints(2) == 0) TextBuffer += NewLine + "     SOIL SURFACE DATA.";
  if (NumSoilLayers(1) == 0) TextBuffer += NewLine + "     RIGHT SIDE SOIL LAYER DATA.";
  if (NumSoilLayers(2) == 0) TextBuffer += NewLine + "     LEFT SIDE SOIL LAYER DATA.";
  if (!TextBuffer.empty()) {
    TextBuffer2 = entry::Lines({"The following required data have not been provided.", "", TextBuffer, "",
                                "Choose OK to continue data entry.", "Choose CANCEL to abort this run."});
    finishedMessage(TextBuffer2, "DATA MISSING");
    return;
  }
  // A seepage elevation belongs to water given by its levels; a pressure table has none
  // to compare with.
  if (WaterDataType == "E" && !SeepageOption.empty()) {
    if (!input_rules::SeepageElevationValid(SeepageElev, WaterElev(1), WaterElev(2), SurfaceElev(1, 1),
                                            SurfaceElev(2, 1))) {
      TextBuffer = entry::Lines({"Seepage elevation is inconsistent with Surface", "and/or water elevations.", "",
                                 "     Choose OK to continue data entry.", "     Choose CANCEL to abort this run."});
      finishedMessage(TextBuffer, "INCONSISTENT SEEPAGE DATA");
      return;
    }
  }
  if (!input_rules::SurfaceNotAboveWallTop(SurfaceElev(1, 1), WallTopElev) ||
      !input_rules::SurfaceNotAboveWallTop(SurfaceElev(2, 1), WallTopElev)) {
    TextBuffer = entry::Lines({"Right or left side surface has been specified", "above the top of the wall.", "",
                               "     Choose OK to continue data entry.", "     Choose CANCEL to abort this run."});
    finishedMessage(TextBuffer, "INCONSISTENT WALL/SURFACE ELEVATION DATA");
    return;
  }
  if (RunMode == "A") {
    if (!input_rules::WallBottomBelowSurfaces(WallBottomElev, SurfaceElev(1, 1), SurfaceElev(2, 1))) {
      TextBuffer = entry::Lines({"Wall bottom has been specified above the soil surface.", "",
                                 "     Choose OK to continue data entry.", "     Choose CANCEL to abort this run."});
      finishedMessage(TextBuffer, "INCONSISTENT WALL/SURFACE ELEVATION DATA");
      return;
    }
  }
  // The horizontal load window checks the wall top only when it knows one, and the top
  // may be lowered after the loads were typed.
  if (const std::string load = HorizontalLoadAboveWallTop(); !load.empty()) {
    TextBuffer = entry::Lines({load, "has been specified above the top of the wall.", "",
                               "     Choose OK to continue data entry.", "     Choose CANCEL to abort this run."});
    finishedMessage(TextBuffer, "INCONSISTENT WALL/HORIZONTAL LOAD DATA");
    return;
  }
  unload();
}

std::string HorizontalLoadAboveWallTop() {
  const auto named = [](const std::string& what, double elev) {
    return what + " at elevation " + platform::text::NumberToTextPlain(elev) + " ft";
  };
  for (int i = 1; i <= NumHorizLineLoads; ++i)
    if (!input_rules::HorizontalLoadNotAboveWallTop(HorizLineElev(i), WallTopElev))
      return named("Horizontal line load " + std::to_string(i), HorizLineElev(i));
  // The points fall from the first, so the first is the one named.
  for (int p = 1; p <= NumHorizDistPoints; ++p)
    if (!input_rules::HorizontalLoadNotAboveWallTop(HorizDistElev(p), WallTopElev))
      return named("Horizontal distributed load point " + std::to_string(p), HorizDistElev(p));
  return "";
}
