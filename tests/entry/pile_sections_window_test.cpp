// ROWEPILE: the two stages, what Accept and Done store, Cancel back to the defaults, close
// requests at each stage and the showing after a run, with a picture of each stage.
#include <QGroupBox>
#include <QLabel>

#include "entry/pile_sections_window.h"
#include "entry_fixture.h"
#include "platform/qt/controls.h"
#include "wall/wall.h"
#include "wall/wall_data.h"

using platform::Answer;

namespace {

class PileSectionsWindow : public EntryWindowTest {
 protected:
  void SetUp() override {
    EntryWindowTest::SetUp();
    InitRoweTables();
  }
  std::unique_ptr<ROWEPILE> open() {
    auto w = std::make_unique<ROWEPILE>();
    w->load();
    w->show();
    return w;
  }
  static std::string label(ROWEPILE& w, const char* array, int k) {
    return platform::toLatin1(w.labelArray(array)(k)->text());
  }
  static void row(ROWEPILE& w, int j, std::vector<const char*> texts) {
    const char* columns[5] = {"txtName", "txtSectMod", "txtInertia", "txtAllow", "txtEMod"};
    for (int c = 0; c < 5; ++c) type(w.textBoxArray(columns[c])(j), texts[static_cast<std::size_t>(c)]);
  }
};

TEST_F(PileSectionsWindow, AcceptTheDefaultsThenAddTwoSections) {
  auto w = open();
  EXPECT_EQ(text(w->txtDefAllow), "24.0E3");
  EXPECT_EQ(label(*w, "lblName", 0), "PZ40");
  EXPECT_EQ(label(*w, "lblSectMod", 0), " 60.7");
  EXPECT_EQ(label(*w, "lblAllow", 7), "24.0E3");
  EXPECT_FALSE(w->cmdDone->isVisibleTo(w.get()));
  EXPECT_EQ(platform::ForeColor(w->Label2), (platform::Rgb{255, 0, 0}));
  png(*w, "pile_sections_defaults");
  type(w->txtDefEMod, "30e6");
  EXPECT_EQ(label(*w, "lblEMod", 3), "30e6");
  w->cmdDefAccept->click();
  EXPECT_EQ(label(*w, "lblAllow", 0), "24000");
  EXPECT_EQ(label(*w, "lblEMod", 7), "30000000");
  EXPECT_EQ(PileEModulus(8), 30e6);
  EXPECT_FALSE(w->frmDefAllE->isVisibleTo(w.get()));
  EXPECT_TRUE(w->frmAddData->isVisibleTo(w.get()));
  EXPECT_EQ(NumPileSections, 0) << "the list is stored by Done";
  row(*w, 0, {"AZ18", "30.5", "220", "25000", "29e6"});
  row(*w, 1, {"AZ26", "48", "410.5", "25000", "29e6"});
  png(*w, "pile_sections_additional");
  w->cmdDone->click();
  EXPECT_TRUE(w->isUnloaded());
  EXPECT_EQ(NumPileSections, 10);
  EXPECT_EQ(PileSectionName(10), "AZ26");
  EXPECT_EQ(PileSectionProps(10, 2), 410.5);

  // The next showing starts from the first stage with the added rows and the defaults.
  w = open();
  EXPECT_EQ(text(w->textBoxArray("txtName")(1)), "AZ26");
  EXPECT_EQ(text(w->textBoxArray("txtSectMod")(0)), " 30.5");
  EXPECT_EQ(label(*w, "lblEMod", 0), "29.0E6");
  w->close();  // Accept
  EXPECT_FALSE(w->isUnloaded());
  w->close();  // Done
  EXPECT_TRUE(w->isUnloaded());
  EXPECT_EQ(NumPileSections, 10);
  EXPECT_EQ(PileEModulus(1), 29e6);
}

TEST_F(PileSectionsWindow, TabRunsAcrossEachAdditionalRowThenOnToTheNextRow) {
  auto w = open();
  w->cmdDefAccept->click();
  // The Tab stops from the first name box on, as the keyboard reaches them.
  const auto nextStop = [&w](QWidget* x) {
    do x = x->nextInFocusChain();
    while (!(x->focusPolicy() & Qt::TabFocus) || !x->isEnabled() || !x->isVisibleTo(w.get()));
    return x;
  };
  std::vector<QWidget*> expected;
  for (int j = 0; j < 5; ++j)
    for (const char* column : {"txtName", "txtSectMod", "txtInertia", "txtAllow", "txtEMod"})
      expected.push_back(w->textBoxArray(column)(j));
  expected.push_back(w->cmdDone);
  std::vector<QWidget*> stops{expected.front()};
  while (stops.size() < expected.size()) stops.push_back(nextStop(stops.back()));
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(stops[i]->objectName().toStdString(), expected[i]->objectName().toStdString()) << "stop " << i;
}

TEST_F(PileSectionsWindow, RefusedAcceptAndDoneStoreNothingAndCancelReturnsTheDefaults) {
  PileAllowStress(1) = 1;
  auto w = open();
  type(w->txtDefAllow, "0");
  box("INVALID DATA", Answer::OK);
  w->cmdDefAccept->click();
  EXPECT_TRUE(w->cmdDefAccept->isVisibleTo(w.get()));
  EXPECT_EQ(PileAllowStress(1), 1) << "nothing stored by a refused Accept";
  box("INVALID DATA", Answer::Cancel);
  w->close();  // a close request in the first stage is Accept
  EXPECT_EQ(text(w->txtDefAllow), "24.0E3");
  EXPECT_EQ(label(*w, "lblAllow", 5), "24.0E3");
  EXPECT_FALSE(w->isUnloaded());

  type(w->txtDefAllow, "30000");
  w->cmdDefAccept->click();
  EXPECT_EQ(PileAllowStress(4), 30000);
  row(*w, 0, {"AZ18", "", "220", "25000", "29e6"});
  box("INVALID DATA", Answer::OK);
  w->close();  // a close request in the second stage is Done
  EXPECT_FALSE(w->isUnloaded());
  EXPECT_EQ(NumPileSections, 0) << "a refused Done stores nothing";
  box("INVALID DATA", Answer::Cancel);
  w->cmdDone->click();
  EXPECT_EQ(text(w->textBoxArray("txtName")(0)), "");
  EXPECT_EQ(PileAllowStress(4), 24000) << "Cancel returns the stored defaults with the shown ones";
  EXPECT_TRUE(w->cmdDone->isVisibleTo(w.get()));
  w->cmdDone->click();
  EXPECT_TRUE(w->isUnloaded());
  EXPECT_EQ(NumPileSections, 8);
}

}  // namespace
