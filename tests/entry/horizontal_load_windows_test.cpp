// HORCON and HORLOAD: counting, checks and their messages, Cancel, Delete, filling and
// close requests, with a picture of each frame.
#include <QGroupBox>
#include <optional>

#include "entry/horizontal_load_windows.h"
#include "entry_fixture.h"
#include "platform/qt/controls.h"

using platform::Answer;

namespace {

class HorizontalLoads : public EntryWindowTest {
 protected:
  std::unique_ptr<HORLOAD> open(int type) {
    ChoiceIndex = type;
    auto w = std::make_unique<HORLOAD>();
    w->load();
    w->show();
    return w;
  }
  void fill(HORLOAD& w, int type, const std::vector<std::pair<const char*, const char*>>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      this->type(element(w, type == 1 ? "txtElevHorLine" : "txtElHorDist", static_cast<int>(i)), rows[i].first);
      this->type(element(w, type == 1 ? "txtHorLine" : "txtHorDist", static_cast<int>(i)), rows[i].second);
    }
  }
};

TEST_F(HorizontalLoads, FinishedCountsChecksAndStores) {
  struct Case {
    const char* name;
    int type;
    std::vector<std::pair<const char*, const char*>> rows;
    std::optional<std::string> title;
    Answer answer;
    bool closes;
    int count;
    int abortRun;
  };
  const Case cases[] = {
      {"no line loads", 1, {}, std::nullopt, Answer::OK, true, 0, 0},
      {"line loads in any order and sign", 1, {{"2", "-300"}, {"8", "0"}, {"5", "1e3"}}, std::nullopt, Answer::OK, true, 3, 0},
      {"a blank row between two", 1, {{"2", "300"}, {"", ""}, {"5", "100"}}, "DATA MISSING", Answer::OK, false, 1, 0},
      {"only a load", 1, {{"", "300"}}, "DATA MISSING", Answer::OK, false, 0, 0},
      {"elevation text", 1, {{"x", "300"}}, "INVALID DATA", Answer::OK, false, 0, 0},
      {"above the wall top", 1, {{"25", "300"}}, "INVALID DATA", Answer::OK, false, 0, 0},
      {"Cancel on a line load ends the run", 1, {{"2", ""}}, "DATA MISSING", Answer::Cancel, true, 0, 1},
      {"a distributed load", 2, {{"20", "0"}, {"10", "100"}, {"0", "-50"}}, std::nullopt, Answer::OK, true, 3, 0},
      {"one point only", 2, {{"20", "0"}}, "INVALID DATA ITEM", Answer::OK, false, 0, 0},
      {"equal elevations", 2, {{"20", "0"}, {"10", "100"}, {"10", "0"}}, "INVALID DATA ITEM", Answer::OK, false, 2, 0},
      {"a lower point above a higher one", 2, {{"10", "0"}, {"20", "100"}}, "INVALID DATA ITEM", Answer::OK, false, 0, 0},
      {"a missing pressure", 2, {{"20", "0"}, {"10", ""}}, "DATA MISSING", Answer::OK, false, 0, 0},
      {"Cancel on the distributed load leaves the run alone", 2, {{"20", "0"}, {"10", ""}}, "DATA MISSING",
       Answer::Cancel, true, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetInputData();
    HeadContDone = 1;
    WallTopElev = 20;
    auto w = open(c.type);
    fill(*w, c.type, c.rows);
    if (c.title) box(*c.title, c.answer);
    (c.type == 1 ? w->cmdFinHorLine : w->cmdFinHorDist)->click();
    EXPECT_TRUE(boxes.done());
    boxes.clearScript();
    EXPECT_EQ(w->isUnloaded(), c.closes);
    EXPECT_EQ(c.type == 1 ? NumHorizLineLoads : NumHorizDistPoints, c.count);
    EXPECT_EQ(AbortRun, c.abortRun);
  }
  EXPECT_EQ(boxes.boxes().size(), 10u);
}

TEST_F(HorizontalLoads, MessagesKeepTheirWording) {
  auto w = open(2);
  fill(*w, 2, {{"20", "0"}, {"", "1"}});
  box("DATA MISSING");
  w->cmdFinHorDist->click();
  EXPECT_EQ(boxes.last(),
            "DATA MISSING [49] At least one required data values i missing.\n\n"
            "     Choose OK to continue HORIZONTAL\n          DISTRIBUTED LOAD DATA entry.\n"
            "Choose CANCEL to delete ALL HORIZONTAL\n          DISTRIBUTED LOAD DATA and exit.");
  w = open(1);
  fill(*w, 1, {{"a", "0"}});
  box("INVALID DATA");
  w->cmdFinHorLine->click();
  EXPECT_EQ(boxes.last(),
            "INVALID DATA [49] At least one data value is invalid.\n\n"
            "Choose OK to continue HORIZONTAL LINE LOAD\n     DATA entry.\n"
            "Choose CANCEL to delete all HORIZONTAL LINE\n     LOAD DATA and exit.");
}

TEST_F(HorizontalLoads, FillingDeleteAndCloseRequests) {
  NumHorizLineLoads = 1;
  HorizLineElev(1) = 10;
  HorizLineLoad(1) = 250;
  InputChanged = 0;
  auto w = open(1);
  EXPECT_EQ(text(element(*w, "txtHorLine", 0)), " 250");
  EXPECT_TRUE(w->cmdDelHorLine->isVisibleTo(w.get()));
  EXPECT_FALSE(w->fraHorDist->isVisibleTo(w.get()));
  EXPECT_EQ(InputChanged, 0);
  png(*w, "horizontal_line_loads");
  w->cmdDelHorLine->click();
  EXPECT_EQ(NumHorizLineLoads, 0);
  EXPECT_EQ(InputChanged, 1);
  EXPECT_EQ(text(element(*w, "txtHorLine", 0)), "");
  EXPECT_FALSE(w->cmdDelHorLine->isVisibleTo(w.get()));
  EXPECT_FALSE(w->isUnloaded());
  fill(*w, 1, {{"10", ""}});
  box("DATA MISSING");
  w->close();
  EXPECT_FALSE(w->isUnloaded());
  fill(*w, 1, {{"10", " 250"}});
  w->reject();
  EXPECT_TRUE(w->isUnloaded());
  EXPECT_EQ(HorizLineLoad(1), 250);

  NumHorizDistPoints = 3;
  for (int i = 1; i <= 3; ++i) HorizDistElev(i) = 12 - 4 * i, HorizDistLoad(i) = 40 * i;
  w = open(2);
  png(*w, "horizontal_distributed_load");
  w->close();
  EXPECT_TRUE(w->isUnloaded());
  EXPECT_EQ(NumHorizDistPoints, 3);
}

TEST_F(HorizontalLoads, TheChooserColoursItsPanelsAfterEachWindow) {
  NumHorizDistPoints = 2;
  HORCON chooser;
  chooser.load();
  chooser.show();
  EXPECT_EQ(chooser.panHorizDist->backColor(), (platform::Rgb{0, 255, 255}));
  EXPECT_EQ(chooser.panHorizLine->backColor(), (platform::Rgb{255, 255, 255}));
  png(chooser, "horizontal_chooser");
  runner.on("HORLOAD", [this](platform::Form& f) {
    EXPECT_EQ(ChoiceIndex, 2);
    auto& w = static_cast<HORLOAD&>(f);
    w.cmdDelHorDist->click();
    w.cmdFinHorDist->click();
  });
  chooser.cmdHorizDist->click();
  EXPECT_EQ(chooser.panHorizDist->backColor(), (platform::Rgb{255, 255, 255}));
  chooser.close();
  EXPECT_TRUE(chooser.isUnloaded());
}

}  // namespace
