// Whatever the keyboard-input hub lets through, written as an input file, reads back as
// the same problem: the hub refuses what the reader would refuse, by the reader's rules.
#include <filesystem>
#include <functional>

#include "entry/input_hub.h"
#include "keyboard_entry_fixture.h"
#include "model/input_echo.h"
#include "model/input_file.h"
#include "model/rich_problems.h"
#include "platform/files.h"
#include "support/problem_files.h"
#include "support/scratch_dir.h"

using platform::Answer;

namespace {

const char* const kOkCancel5 = "\n\n     Choose OK to continue data entry.\n     Choose CANCEL to abort this run.";

}  // namespace

class HubRoundTrip : public EntryTest {
 protected:
  // The problem as File > Open leaves it.
  int readFile(const std::string& path) { return support::ReadProblemFile(path); }
  std::string writeFile(const std::string& name) {
    const std::string path = (dir / "user" / name).string();
    support::WriteProblemFile(path);
    return path;
  }
  // The input data section of the report for the problem in memory.
  std::string echo() {
    const std::string path = (dir / "echo.ooo").string();
    CurrentOutputFile = path;
    OutFileNum = platform::files::FreeFile();
    EXPECT_TRUE(platform::files::Open(path, platform::files::Mode::Output, OutFileNum));
    WriteInputEcho();
    platform::files::Close(OutFileNum);
    return support::ReadBytes(path);
  }
  // The hub's Finished on the problem in memory: the title of the message it shows (OK
  // answered, so the hub stays open), or "" when it closes the entry.
  // Every variable that describes the problem, less what no solution or report reads: the
  // factors of an analysis that searches one factor for both sides, the factors of a side
  // given by coefficients, and a uniform load of 0 (the file has no count for it).
  static std::string problem() {
    if (RunMode == "A" && AnalysisFSOption == 1) FSActive = FSPassive = 0;
    for (int side = 1; side <= 2; ++side) {
      if (SoilDataType(side) == "C") {
        SideFSActive(side) = SideFSPassive(side) = 0;
        for (int l = 1; l <= NumSoilLayers(side); ++l) LayerFSActive(side, l) = LayerFSPassive(side, l) = 0;
      }
      if (NumUniformLoads(side) == 1 && UniformLoad(side) == 0) NumUniformLoads(side) = 0;
    }
    return ProblemDump();
  }
  std::string finished(const std::string& expectTitle) {
    if (!expectTitle.empty()) box(expectTitle, Answer::OK);
    boxes.clearShown();
    bool closed = false;
    show<KEYIN>([&](KEYIN& f) {
      f.findChild<QPushButton*>("cmdFinished")->click();
      closed = f.isUnloaded();
      if (!closed) f.unload();
    });
    if (closed) return "";
    EXPECT_EQ(AbortRun, 0);
    return boxes.boxes().empty() ? "(no message)" : boxes.boxes().back().title;
  }
};

TEST_F(HubRoundTrip, WhatFinishedAcceptsReadsBackAsTheSameProblemAndWhatTheReaderRefusesItRefuses) {
  const std::string base = user("rich.dat", kRichDesign);  // wall top 20, anchor 18.5
  const std::string horizontal = "INCONSISTENT WALL/HORIZONTAL LOAD DATA";
  const std::string surface = "INCONSISTENT WALL/SURFACE ELEVATION DATA";
  struct Case {
    const char* what;
    std::function<void()> edit;  // what the section windows leave
    std::string refusedBy;       // "" when the hub accepts
    std::string namedLoad;       // the first line of the horizontal-load message
  };
  const Case cases[] = {
      {"as read", [] {}, "", ""},
      // Horizontal loads against the wall top: the window checks it only once the wall is
      // known, and the top may be lowered afterwards.
      {"a line load at the wall top", [] { HorizLineElev(1) = 20; }, "", ""},
      {"a line load typed above the top before the wall was known", [] { HorizLineElev(1) = 20.5; }, horizontal,
       "Horizontal line load 1 at elevation 20.5 ft"},
      {"a later line load typed above the top", [] { HorizLineElev(2) = 20.25; }, horizontal,
       "Horizontal line load 2 at elevation 20.25 ft"},
      {"five line loads, the last at the top",
       [] {
         NumHorizLineLoads = 5;
         for (int i = 3; i <= 5; ++i) {
           HorizLineElev(i) = 21 - 2 * i + (i == 5 ? 9 : 0);
           HorizLineLoad(i) = 100 * i;
         }
       },
       "", ""},
      {"the distributed load from the wall top", [] { HorizDistElev(1) = 20; }, "", ""},
      {"the distributed load begun above the top", [] { HorizDistElev(1) = 20.001; HorizLineElev(1) = 19; },
       horizontal, "Horizontal distributed load point 1 at elevation 20.001 ft"},
      {"eleven distributed points",
       [] {
         NumHorizDistPoints = 11;
         for (int p = 1; p <= 11; ++p) {
           HorizDistElev(p) = 20 - 2 * (p - 1);
           HorizDistLoad(p) = 10 * p;
         }
       },
       "", ""},
      // Surfaces, seepage and the wall bottom, which the hub checked before.
      {"the right surface at the wall above the top", [] { SurfaceElev(1, 1) = 20.5; }, surface, ""},
      {"the seepage elevation above the right water", [] { SeepageElev = 15.5; }, "INCONSISTENT SEEPAGE DATA", ""},
      {"analysis with its wall bottom at the left surface",
       [] {
         RunMode = "A";
         AnalysisFSOption = 2;
         FSActive = 1.3;
         SurfaceElev(2, 1) = 5;
         WallBottomElev = 5;
         WallModulusE = 29e6;
         WallInertia = 300;
       },
       surface, ""},
      {"analysis with its wall bottom below both surfaces",
       [] {
         RunMode = "A";
         AnalysisFSOption = 1;
         WallBottomElev = -30;
         WallModulusE = 29e6;
         WallInertia = 300;
       },
       "", ""},
      // Counts at the windows' limits.
      {"eleven surface points and eleven layers on the right",
       [] {
         NumSurfacePoints(1) = 11;
         for (int p = 1; p <= 11; ++p) {
           SurfaceDist(1, p) = 5 * (p - 1);
           SurfaceElev(1, p) = 20 - 0.5 * (p - 1);
         }
         NumSoilLayers(1) = 11;
         for (int l = 1; l <= 11; ++l) {
           LayerSatUnitWeight(1, l) = 120;
           LayerMoistUnitWeight(1, l) = 110;
           LayerPhi(1, l) = 30;
           LayerCohesion(1, l) = 0;
           LayerWallFriction(1, l) = 0;
           LayerAdhesion(1, l) = 0;
           LayerBottomElev(1, l) = l < 11 ? 15 - 2 * l : -200000;
           LayerBottomSlope(1, l) = 0;
           LayerFSActive(1, l) = LayerFSPassive(1, l) = 0;
         }
       },
       "", ""},
      // What the windows keep and the file cannot hold, none of which a solution reads.
      {"a uniform load of 0 typed on the left", [] { NumUniformLoads(2) = 1; UniformLoad(2) = 0; }, "", ""},
      {"factors typed for a side given by coefficients",
       [] {
         SideFSActive(2) = 1.5;
         SideFSPassive(2) = 2;
         LayerFSActive(2, 1) = 1.2;
       },
       "", ""},
      {"a water table of eleven points",
       [] {
         WaterDataType = "P";
         NumWaterPressPoints = 11;
         for (int p = 1; p <= 11; ++p) {
           WaterPressElev(p) = 15 - 3 * (p - 1);
           WaterPressValue(p) = 187.5 * (p - 1);
         }
       },
       "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(readFile(base), 0);
    c.edit();
    const std::string refused = finished(c.refusedBy);
    EXPECT_EQ(refused, c.refusedBy);
    if (!c.namedLoad.empty()) {
      EXPECT_EQ(lastBox(), horizontal + " [49] " + c.namedLoad + "\nhas been specified above the top of the wall." +
                               kOkCancel5);
    }
    if (!refused.empty()) continue;
    const std::string report = echo();
    const std::string typed = writeFile("typed.dat");
    const std::string dump = problem();
    boxes.clearShown();
    ASSERT_EQ(readFile(typed), 0) << lastBox();
    EXPECT_EQ(problem(), dump);
    EXPECT_EQ(echo(), report);
  }
}
