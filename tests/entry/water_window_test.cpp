// WATER: the elevation and pressure sections' Finished, what opening a section does, the
// Delete button and close requests, with a picture of each frame.
#include <QGroupBox>
#include <QLabel>
#include <functional>
#include <optional>

#include "entry/water_window.h"
#include "entry_fixture.h"
#include "platform/qt/controls.h"

using platform::Answer;

namespace {

class WaterWindow : public EntryWindowTest {
 protected:
  // A fresh window on its elevation section.
  std::unique_ptr<WATER> openElevations() {
    auto w = std::make_unique<WATER>();
    w->load();
    w->show();
    w->cmdWaterEls->click();
    return w;
  }
  std::unique_ptr<WATER> openPressures() {
    auto w = std::make_unique<WATER>();
    w->load();
    w->show();
    w->cmdWaterPres->click();
    return w;
  }
};

TEST_F(WaterWindow, ElevationFinishedChecksInItsOrder) {
  struct Case {
    const char* name;
    const char *weight, *right, *left;
    char seepage;  // 'N' none, 'A' automatic, 'G' given, ' ' none chosen
    const char *seepEl, *gradient;
    std::vector<std::pair<std::string, Answer>> messages;
    bool closes;
    const char* dataType;
    const char* seepageOption;
  };
  const Case cases[] = {
      {"all blank is no water", "", "", "", 'A', "5", "", {}, true, "", ""},
      {"no seepage", "62.4", "16", "4", 'N', "", "", {}, true, "E", ""},
      {"unit weight blank", "", "16", "4", 'N', "", "", {{"DATA MISSING", Answer::OK}}, false, "", ""},
      {"unit weight 0 is missing, not invalid", "0", "16", "4", 'N', "", "", {{"DATA MISSING", Answer::OK}}, false, "", ""},
      {"unit weight text is missing, not invalid", "abc", "16", "4", 'N', "", "", {{"DATA MISSING", Answer::OK}}, false, "", ""},
      {"equal levels with seepage", "62.4", "10", "10", 'A', "5", "", {{"INCONSISTENT WATER ELEVATIONS", Answer::OK}}, false, "", ""},
      {"seepage at the right level passes", "62.4", "16", "4", 'A', "16", "", {}, true, "E", "A"},
      {"seepage above the right level", "62.4", "16", "4", 'A', "16.5", "", {{"INCONSISTENT WATER ELEVATIONS", Answer::OK}}, false, "", "A"},
      {"seepage below the left level warns and passes", "62.4", "16", "4", 'A', "2", "",
       {{"POSSIBLE INCONSISTENT SEEPAGE ELVATION", Answer::OK}}, true, "E", "A"},
      {"gradient 0.5 passes", "62.4", "16", "4", 'G', "4", "0.5", {}, true, "E", "G"},
      {"gradient 0", "62.4", "16", "4", 'G', "4", "0", {{"INCONSISTENT WATER ELEVATIONS", Answer::OK}}, false, "", "G"},
      {"gradient 1", "62.4", "16", "4", 'G', "4", "1", {{"INCONSISTENT WATER ELEVATIONS", Answer::OK}}, false, "", "G"},
      {"gradient text is invalid", "62.4", "16", "4", 'G', "4", "x", {{"INVALID DATA", Answer::OK}}, false, "", "G"},
      {"gradient blank", "62.4", "16", "4", 'G', "4", "", {{"DATA MISSING", Answer::OK}}, false, "", "G"},
      {"no seepage option chosen", "62.4", "16", "4", ' ', "", "", {{"DATA MISSING", Answer::OK}}, false, "", "A"},
      {"Cancel drops the water", "", "16", "4", 'N', "", "", {{"DATA MISSING", Answer::Cancel}}, true, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetInputData();
    SeepageOption = "A";  // left from an earlier problem: no option is chosen at opening
    auto w = openElevations();
    if (c.seepage == 'N') w->optNoSeep->setValue(true);
    if (c.seepage == 'A') w->optAutoSeep->setValue(true);
    if (c.seepage == 'G') w->optSeepEl->setValue(true);
    type(w->txtWaterWt, c.weight);
    type(w->txtWaterElR, c.right);
    type(w->txtWaterElL, c.left);
    type(w->txtSeepEl, c.seepEl);
    type(w->txtSeepGrad, c.gradient);
    for (const auto& [title, answer] : c.messages) box(title, answer);
    w->cmdFinishedElevData->click();
    EXPECT_TRUE(boxes.done());
    boxes.clearScript();
    EXPECT_EQ(w->isUnloaded(), c.closes);
    EXPECT_EQ(WaterDataType, c.dataType);
    EXPECT_EQ(SeepageOption, c.seepageOption);
  }
}

TEST_F(WaterWindow, OkOnTheWaterLevelsMessageClearsTheSeepageChoice) {
  auto w = openElevations();
  w->optAutoSeep->setValue(true);
  type(w->txtWaterWt, "62.4");
  type(w->txtWaterElR, "10");
  type(w->txtWaterElL, "12");
  type(w->txtSeepEl, "5");
  box("INCONSISTENT WATER ELEVATIONS", Answer::OK, "leftside water elevation.");
  w->cmdFinishedElevData->click();
  EXPECT_FALSE(w->isUnloaded());
  EXPECT_FALSE(w->optAutoSeep->value());
  EXPECT_FALSE(w->optSeepEl->value());
  EXPECT_FALSE(w->fraSeepData->isVisibleTo(w.get()));
  EXPECT_EQ(WaterUnitWeight, 62.4);
  // The next Finished asks for a seepage choice again.
  box("DATA MISSING", Answer::OK);
  w->cmdFinishedElevData->click();
  EXPECT_EQ(boxes.last(),
            "DATA MISSING [49] At least one required data value is missing.\n\n\n\n"
            "     Choose OK to continue WATER DATA entry.\n     Choose CANCEL to DELETE ALL WATER\n"
            "          DATA and exit.");
}

TEST_F(WaterWindow, PressureFinishedCountsChecksAndStaysOnTheChooser) {
  struct Case {
    const char* name;
    std::vector<std::pair<const char*, const char*>> rows;
    std::optional<std::string> title;
    int count;
  };
  const Case cases[] = {
      {"one point is too few", {{"10", "0"}}, "DATA MISSING", 0},
      {"a row with only its pressure", {{"10", "0"}, {"", "100"}}, "DATA MISSING", 0},
      {"elevations must fall", {{"10", "0"}, {"5", "100"}, {"5", "200"}}, "INVALID DATA", 2},
      {"rising elevations are refused", {{"5", "0"}, {"10", "100"}}, "INVALID DATA", 0},
      {"pressure text", {{"10", "0"}, {"5", "1e2"}, {"0", "abc"}}, "INVALID DATA", 2},
      {"a good table", {{"10", "0"}, {"5", "1e2"}, {"-30", "100"}}, std::nullopt, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetInputData();
    auto w = openPressures();
    EXPECT_EQ(WaterDataType, "") << "no water until the table is finished";
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
      type(element(*w, "txtELWPR", static_cast<int>(i)), c.rows[i].first);
      type(element(*w, "txtWPR", static_cast<int>(i)), c.rows[i].second);
    }
    if (c.title) box(*c.title);
    w->cmdFinishedWatPres->click();
    EXPECT_EQ(NumWaterPressPoints, c.count);
    EXPECT_FALSE(w->isUnloaded()) << "the pressure section never closes the window";
    EXPECT_EQ(w->fraWaterSects->isVisibleTo(w.get()), !c.title.has_value());
    EXPECT_EQ(WaterDataType, c.title ? "" : "P");
    if (!c.title) {
      EXPECT_EQ(WaterPressValue(2), 100);
      EXPECT_TRUE(w->panDelete->isVisibleTo(w.get()));
      EXPECT_EQ(w->panWaterPres->backColor(), (platform::Rgb{0, 255, 255}));
      EXPECT_EQ(w->panWaterEls->backColor(), (platform::Rgb{255, 255, 255}));
    }
  }
}

TEST_F(WaterWindow, OpeningASectionFillsItAndSwitchesTheForm) {
  WaterDataType = "E";
  WaterUnitWeight = 62.4;
  WaterElev(1) = 16;
  WaterElev(2) = -4;
  SeepageOption = "G";
  SeepageElev = 4;
  SeepageGradient(1) = 0.25;
  InputChanged = 0;
  {
    auto w = openElevations();
    EXPECT_EQ(text(w->txtWaterWt), " 62.4");
    EXPECT_EQ(text(w->txtWaterElL), "-4");
    EXPECT_EQ(text(w->txtSeepGrad), " .25");
    EXPECT_TRUE(w->optSeepEl->value());
    EXPECT_TRUE(w->fraSeepData->isVisibleTo(w.get()));
    EXPECT_EQ(InputChanged, 0);
    png(*w, "water_elevations");
    w->cmdFinishedElevData->click();
    EXPECT_TRUE(w->isUnloaded());
    EXPECT_EQ(SeepageGradient(1), 0.25);
  }
  {
    auto w = std::make_unique<WATER>();
    w->load();
    EXPECT_TRUE(w->panDelete->isVisibleTo(w.get()));
    EXPECT_EQ(w->panWaterEls->backColor(), (platform::Rgb{0, 255, 255}));
    w->show();
    png(*w, "water_chooser");
    w->cmdWaterPres->click();
    EXPECT_EQ(WaterDataType, "E") << "the levels stay until a table is finished";
    EXPECT_EQ(SeepageOption, "G");
    const char* table[4][2] = {{"10", "0"}, {"5", "312"}, {"0", "624"}, {"-5", "624"}};
    for (int i = 0; i < 4; ++i) {
      type(element(*w, "txtELWPR", i), table[i][0]);
      type(element(*w, "txtWPR", i), table[i][1]);
    }
    png(*w, "water_pressures");
  }
}

TEST_F(WaterWindow, StoredWaterStaysUntilTheOtherSectionIsFinishedWithDataOfItsOwn) {
  // Levels with a given gradient, or a table of three points: what the section windows
  // left, with leftovers of the other kind that must not come back.
  const auto levels = [] {
    WaterDataType = "E";
    WaterUnitWeight = 62.4;
    WaterElev(1) = 16;
    WaterElev(2) = 4;
    SeepageOption = "G";
    SeepageElev = 8;
    SeepageGradient(1) = 0.25;
  };
  const auto table = [] {
    WaterDataType = "P";
    SeepageOption = "";
    NumWaterPressPoints = 3;
    const double rows[3][2] = {{10, 0}, {5, 312}, {-5, 312}};
    for (int j = 1; j <= 3; ++j) {
      WaterPressElev(j) = rows[j - 1][0];
      WaterPressValue(j) = rows[j - 1][1];
    }
  };
  enum Leave { Finished, CloseBox };
  struct Case {
    const char* name;
    std::function<void()> stored;
    bool pressures;                          // the section opened
    std::function<void(WATER&)> user;        // what is typed before leaving
    Leave leave;
    const char* kind;                        // WaterDataType afterwards
    bool closes;
  };
  const auto typeTable = [this](WATER& w) {
    const char* rows[2][2] = {{"12", "0"}, {"0", "750"}};
    for (int i = 0; i < 2; ++i) {
      type(element(w, "txtELWPR", i), rows[i][0]);
      type(element(w, "txtWPR", i), rows[i][1]);
    }
  };
  const auto clearLevels = [this](WATER& w) {
    for (QLineEdit* b : {w.txtWaterWt, w.txtWaterElR, w.txtWaterElL}) type(b, "");
  };
  const auto clearTable = [this](WATER& w) {
    for (int i = 0; i < 11; ++i) {
      type(element(w, "txtELWPR", i), "");
      type(element(w, "txtWPR", i), "");
    }
  };
  const Case cases[] = {
      {"levels, the table left blank", levels, true, [](WATER&) {}, Finished, "E", true},
      {"levels, the table closed blank", levels, true, [](WATER&) {}, CloseBox, "E", true},
      {"levels, a table finished", levels, true, typeTable, Finished, "P", false},
      {"levels emptied by the user", levels, false, clearLevels, Finished, "", true},
      {"a table, the levels left blank with a seepage choice",
       table, false, [](WATER& w) { w.optAutoSeep->setValue(true); }, Finished, "P", true},
      {"a table, the levels closed blank", table, false, [](WATER&) {}, CloseBox, "P", true},
      {"a table emptied by the user", table, true, clearTable, Finished, "", true},
      {"a table, levels finished",
       table, false,
       [this](WATER& w) {
         type(w.txtWaterWt, "62.4");
         type(w.txtWaterElR, "9");
         type(w.txtWaterElL, "3");
       },
       Finished, "E", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetInputData();
    c.stored();
    auto w = c.pressures ? openPressures() : openElevations();
    c.user(*w);
    if (c.leave == Finished) {
      (c.pressures ? w->cmdFinishedWatPres : w->cmdFinishedElevData)->click();
    } else {
      w->close();
    }
    EXPECT_EQ(w->isUnloaded(), c.closes);
    EXPECT_EQ(WaterDataType, c.kind);
    const std::string kind = c.kind;
    if (kind == "E" && c.pressures) {  // the stored levels, whole
      EXPECT_EQ(WaterElev(1), 16);
      EXPECT_EQ(SeepageOption, "G");
      EXPECT_EQ(SeepageElev, 8);
      EXPECT_EQ(SeepageGradient(1), 0.25);
    }
    if (kind == "E" && !c.pressures) {
      EXPECT_EQ(WaterElev(1), 9);  // the new levels
    }
    if (kind == "P" && !c.pressures) {  // the stored table, whole
      EXPECT_EQ(NumWaterPressPoints, 3);
      EXPECT_EQ(WaterPressValue(3), 312);
      EXPECT_EQ(SeepageOption, "");
    }
    if (kind == "P" && c.pressures) {
      EXPECT_EQ(NumWaterPressPoints, 2);  // the new table
    }
  }
}

TEST_F(WaterWindow, DeleteAndCloseRequestsAtEachStage) {
  WaterDataType = "P";
  NumWaterPressPoints = 2;
  InputChanged = 0;
  {
    auto w = std::make_unique<WATER>();
    w->load();
    w->show();
    w->cmdDelete->click();
    EXPECT_TRUE(w->isUnloaded());
    EXPECT_EQ(WaterDataType, "");
    EXPECT_EQ(NumWaterPressPoints, 0);
    EXPECT_EQ(InputChanged, 1);
  }
  {
    auto w = std::make_unique<WATER>();
    w->load();
    w->show();
    w->close();  // on the chooser: its Finished
    EXPECT_TRUE(w->isUnloaded());
  }
  {
    auto w = openElevations();
    type(w->txtWaterWt, "62.4");
    box("DATA MISSING", Answer::OK);
    w->close();  // the elevation section's Finished
    EXPECT_FALSE(w->isUnloaded());
    box("DATA MISSING", Answer::Cancel);
    w->reject();  // Esc
    EXPECT_TRUE(w->isUnloaded());
    EXPECT_EQ(WaterDataType, "");
  }
  {
    auto w = openPressures();
    type(element(*w, "txtELWPR", 0), "1");
    box("DATA MISSING", Answer::OK);
    w->close();  // the pressure section's Finished
    EXPECT_FALSE(w->isUnloaded());
    type(element(*w, "txtELWPR", 0), "");
    w->close();
    EXPECT_TRUE(w->isUnloaded()) << "an empty table is no water";
    EXPECT_EQ(WaterDataType, "");
  }
}

}  // namespace
