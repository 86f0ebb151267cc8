#include "entry/input_hub.h"

#include "entry/surface_window.h"
#include "keyboard_entry_fixture.h"

using platform::Answer;

namespace {

// The required sections of a complete design problem, as the section windows leave them.
void completeProblem() {
  NumHeadingLines = 1;
  HeadingLines(1) = "'HUB";
  HeadContDone = 1;
  RunMode = "D";
  WallType = "C";
  WallTopElev = 20;
  NumSurfacePoints(1) = NumSurfacePoints(2) = 1;
  SurfaceElev(1, 1) = 15;
  SurfaceElev(2, 1) = 5;
  NumSoilLayers(1) = NumSoilLayers(2) = 1;
}

const char* const kMissingHead = "The following required data have not been provided.\n\n";
const char* const kMissingTail = "\n\nChoose OK to continue data entry.\nChoose CANCEL to abort this run.";
const char* const kOkCancel5 = "\n\n     Choose OK to continue data entry.\n     Choose CANCEL to abort this run.";

}  // namespace

class HubTest : public EntryTest {};

TEST_F(HubTest, FinishedRefusesMissingSectionsAndContradictionsInItsOrder) {
  struct Case {
    const char* what;
    std::function<void()> setUp;
    std::string title, text;  // "" title: Finished passes
  };
  const std::string seepage = std::string("Seepage elevation is inconsistent with Surface\nand/or water elevations.") + kOkCancel5;
  const std::string above = std::string("Right or left side surface has been specified\nabove the top of the wall.") + kOkCancel5;
  const std::string bottom = std::string("Wall bottom has been specified above the soil surface.") + kOkCancel5;
  // Water by levels 12 (right) and 4 (left): seepage between min(15, 12) and min(5, 4).
  const auto water = [](const char* type, double seep) {
    completeProblem();
    WaterDataType = type;
    WaterElev(1) = 12;
    WaterElev(2) = 4;
    SeepageOption = "A";
    SeepageElev = seep;
  };
  const Case cases[] = {
      {"nothing entered", [] {}, "DATA MISSING",
       std::string(kMissingHead) + "     HEADING, CONTROL, AND WALL DATA.\n     SOIL SURFACE DATA.\n"
           "     RIGHT SIDE SOIL LAYER DATA.\n     LEFT SIDE SOIL LAYER DATA." + kMissingTail},
      {"only the heading", [] { HeadContDone = 1; }, "DATA MISSING",
       std::string(kMissingHead) + "\n     SOIL SURFACE DATA.\n     RIGHT SIDE SOIL LAYER DATA.\n"
           "     LEFT SIDE SOIL LAYER DATA." + kMissingTail},
      {"surface on one side, left layers missing",
       [] { completeProblem(); NumSurfacePoints(1) = 0; NumSoilLayers(2) = 0; }, "DATA MISSING",
       std::string(kMissingHead) + "\n     LEFT SIDE SOIL LAYER DATA." + kMissingTail},
      {"complete", [] { completeProblem(); }, "", ""},
      {"seepage at the right bound", [&] { water("E", 12); }, "", ""},
      {"seepage at the left bound", [&] { water("E", 4); }, "", ""},
      {"seepage above the right bound", [&] { water("E", 12.01); }, "INCONSISTENT SEEPAGE DATA", seepage},
      {"seepage below the left bound", [&] { water("E", 3.99); }, "INCONSISTENT SEEPAGE DATA", seepage},
      {"no seepage: its elevation is not looked at", [&] { water("E", 99); SeepageOption = ""; }, "", ""},
      {"a pressure table has no levels to compare", [&] { water("P", 99); }, "", ""},
      {"surface at the wall top", [] { completeProblem(); SurfaceElev(1, 1) = 20; }, "", ""},
      {"left surface above the wall top", [] { completeProblem(); SurfaceElev(2, 1) = 20.5; },
       "INCONSISTENT WALL/SURFACE ELEVATION DATA", above},
      {"analysis: wall bottom at the lower surface", [] { completeProblem(); RunMode = "A"; WallBottomElev = 5; },
       "INCONSISTENT WALL/SURFACE ELEVATION DATA", bottom},
      {"analysis: wall bottom below both surfaces", [] { completeProblem(); RunMode = "A"; WallBottomElev = 4.9; }, "", ""},
      {"design: the wall bottom is not looked at", [] { completeProblem(); WallBottomElev = 50; }, "", ""},
  };
  for (const Case& c : cases) {
    for (Answer answer : {Answer::OK, Answer::Cancel}) {
      SCOPED_TRACE(std::string(c.what) + (answer == Answer::OK ? " / OK" : " / Cancel"));
      ResetInputData();
      c.setUp();
      if (c.title.empty() && answer == Answer::Cancel) continue;
      if (!c.title.empty()) box(c.title, answer);
      boxes.clearShown();
      bool closed = false;
      show<KEYIN>([&](KEYIN& f) {
        AbortRun = 7;  // Finished starts from 0
        click(f, "cmdFinished");
        closed = f.isUnloaded();
        if (!closed) f.unload();
      });
      if (c.title.empty()) {
        EXPECT_TRUE(boxes.boxes().empty()) << lastBox();
        EXPECT_TRUE(closed);
        EXPECT_EQ(AbortRun, 0);
        continue;
      }
      EXPECT_EQ(lastBox(), c.title + " [49] " + c.text);
      // Cancel throws the typed problem away: one stray Esc or close must not answer it.
      EXPECT_TRUE(boxes.boxes().back().mustAnswer);
      EXPECT_EQ(closed, answer == Answer::Cancel);
      EXPECT_EQ(AbortRun, answer == Answer::Cancel ? 1 : 0);
    }
  }
}

TEST_F(HubTest, LoadTellsEntryFromEditAndColoursThePanelsFromTheData) {
  show<KEYIN>([&](KEYIN& f) {
    EXPECT_EQ(f.caption(), "KEYBOARD INPUT");
    EXPECT_EQ(f.control<platform::Panel>("panKeyIn")->caption(), "Select Data Section to be Entered");
    for (const char* p : {"panHeadCont", "panSurface", "panLayerData", "panWaterData", "panSurcharge", "panHorizontal"})
      EXPECT_EQ(colourOf(f, p), kWhite) << p;
    EXPECT_EQ(platform::ForeColor(f.control<QPushButton>("cmdHeadCont")), entry::kRed);
    EXPECT_EQ(platform::ForeColor(f.control<QPushButton>("cmdWaterData")), (platform::Rgb{0, 0, 0}));
    EXPECT_EQ(platform::ForeColor(f.control<QLabel>("Label2")), entry::kRed);
    EXPECT_EQ(platform::BackColor(f.control<QLabel>("Label5")), kCyan);
    box("DATA MISSING", Answer::Cancel);
    f.close();  // a close request runs Finished
    EXPECT_TRUE(f.isUnloaded());
  });
  EXPECT_EQ(AbortRun, 1);

  // A problem read from a file: the three required panels without a test, the others by
  // their data; a uniform load counts as a surcharge.
  ResetInputData();
  NumHeadingLines = 2;
  NumUniformLoads(2) = 1;
  InputChanged = 1;
  show<KEYIN>([&](KEYIN& f) {
    EXPECT_EQ(InputChanged, 0);
    EXPECT_EQ(HeadContDone, 1);
    EXPECT_EQ(f.control<platform::Panel>("panKeyIn")->caption(), "Select Data Section to be Edited");
    for (const char* p : {"panHeadCont", "panSurface", "panLayerData", "panSurcharge"}) EXPECT_EQ(colourOf(f, p), kCyan) << p;
    for (const char* p : {"panWaterData", "panHorizontal"}) EXPECT_EQ(colourOf(f, p), kWhite) << p;
    f.unload();
  });
}

TEST_F(HubTest, SectionPanelsFollowTheDataWhenTheirWindowCloses) {
  show<KEYIN>([&](KEYIN& f) {
    // Surface points on the left side only leave the panel white: it looks at the right.
    runner.on("SURFACE", [](platform::Form& s) {
      NumSurfacePoints(2) = 2;
      s.unload();
    });
    click(f, "cmdSurface");
    EXPECT_EQ(colourOf(f, "panSurface"), kWhite);
    runner.on("SURFACE", [](platform::Form& s) {
      NumSurfacePoints(1) = 1;
      s.unload();
    });
    click(f, "cmdSurface");
    EXPECT_EQ(colourOf(f, "panSurface"), kCyan);
    runner.on("LAYRDATA", [](platform::Form& s) {
      NumSoilLayers(1) = 1;
      s.unload();
    });
    click(f, "cmdLayerData");
    EXPECT_EQ(colourOf(f, "panLayerData"), kCyan);
    runner.on("HEADCONT", [](platform::Form& s) {
      HeadContDone = 0;
      s.unload();
    });
    click(f, "cmdHeadCont");
    EXPECT_EQ(colourOf(f, "panHeadCont"), kWhite);
    // The water, surcharge and horizontal-load sections open their own windows, and their
    // panels follow the data those leave.
    runner.on("WATER", [](platform::Form& s) {
      WaterDataType = "E";
      s.unload();
    });
    click(f, "cmdWaterData");
    EXPECT_EQ(colourOf(f, "panWaterData"), kCyan);
    runner.on("SURCHCON", [](platform::Form& s) { s.unload(); });
    click(f, "cmdSurcharge");
    EXPECT_EQ(colourOf(f, "panSurcharge"), kWhite);
    runner.on("HORCON", [](platform::Form& s) {
      NumHorizLineLoads = 1;
      s.unload();
    });
    click(f, "cmdHorizontal");
    EXPECT_EQ(colourOf(f, "panHorizontal"), kCyan);
    f.unload();
  });
}
