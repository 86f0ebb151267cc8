// SURCHCON and SURCHARG: the chooser's panels, the entry window's filling, Change and
// Delete buttons, Finished and close requests, with a picture of each frame.
#include <QGroupBox>

#include "entry/surcharge_storage.h"
#include "entry/surcharge_windows.h"
#include "entry_fixture.h"
#include "platform/qt/controls.h"

using platform::Answer;

namespace {

class SurchargeWindows : public EntryWindowTest {
 protected:
  std::unique_ptr<SURCHARG> open(int type) {
    ChoiceIndex = type;
    auto w = std::make_unique<SURCHARG>();
    w->load();
    w->show();
    return w;
  }
  // The box of a side's row (from 1) and column.
  static QLineEdit* cell(SURCHARG& w, int type, int side, int row, int col) {
    return w.types[type].boxes[static_cast<std::size_t>(side - 1)][static_cast<std::size_t>(row - 1)]
                              [static_cast<std::size_t>(col)];
  }
};

TEST_F(SurchargeWindows, LoadingFillsTheStoredRowsAndShowsDeleteForSidesWithData) {
  NumLineLoads(1) = 3;
  for (int i = 1; i <= 3; ++i) {
    LineLoadDist(1, i) = 2.5 * i;
    LineLoad(1, i) = 250;
  }
  InputChanged = 0;
  auto w = open(entry::kLineLoads);
  EXPECT_TRUE(w->types[1].frame->isVisibleTo(w.get()));
  EXPECT_FALSE(w->types[3].frame->isVisibleTo(w.get()));
  EXPECT_EQ(text(cell(*w, 1, 1, 1, 1)), " 250");
  EXPECT_EQ(text(cell(*w, 1, 1, 2, 0)), " 5");
  EXPECT_EQ(text(cell(*w, 1, 1, 4, 0)), "");
  EXPECT_EQ(cell(*w, 1, 1, 1, 0)->objectName(), "txtDLLR(0)");
  EXPECT_TRUE(w->types[1].del[0]->isVisibleTo(w.get()));
  EXPECT_FALSE(w->types[1].del[1]->isVisibleTo(w.get()));
  EXPECT_EQ(InputChanged, 0);
  // Typing shows that side's Delete button and marks the input edited.
  type(cell(*w, 1, 2, 1, 0), "4");
  EXPECT_TRUE(w->types[1].del[1]->isVisibleTo(w.get()));
  EXPECT_EQ(InputChanged, 1);
  type(cell(*w, 1, 2, 1, 1), "100");
  // Finished reads back what it showed.
  w->types[1].finished->click();
  EXPECT_TRUE(w->isUnloaded());
  EXPECT_EQ(NumLineLoads(1), 3);
  EXPECT_EQ(LineLoad(1, 3), 250);
  EXPECT_EQ(NumLineLoads(2), 1);
}

TEST_F(SurchargeWindows, UniformLoadOnTheLeftOnly) {
  NumUniformLoads(2) = 1;
  UniformLoad(2) = 100;
  UniformLoad(1) = 7;
  auto w = open(entry::kUniformLoads);
  EXPECT_EQ(text(find(*w, "txtQUL")), " 100");
  EXPECT_EQ(text(find(*w, "txtQUR")), "");
  EXPECT_TRUE(find<QPushButton>(*w, "cmdDelUnifLoad")->isVisibleTo(w.get()));
  find<QPushButton>(*w, "cmdDelUnifLoad")->click();
  EXPECT_EQ(NumUniformLoads(2), 0);
  EXPECT_EQ(UniformLoad(1), 0);
  EXPECT_EQ(UniformLoad(2), 0);
  EXPECT_EQ(text(find(*w, "txtQUL")), "");
  EXPECT_FALSE(w->isUnloaded());
  w->types[2].finished->click();
  EXPECT_TRUE(w->isUnloaded());
}

TEST_F(SurchargeWindows, DeleteOneSideThenMessagesOkAndCancel) {
  NumStripLoads(1) = 1;
  StripStartDist(1, 1) = 0;
  StripEndDist(1, 1) = 5;
  StripLoad(1, 1) = 100;
  NumStripLoads(2) = 1;
  InputChanged = 0;
  auto w = open(entry::kStripLoads);
  find<QPushButton>(*w, "cmdDelStripR")->click();
  EXPECT_EQ(NumStripLoads(1), 0);
  EXPECT_EQ(StripLoad(1, 1), 100) << "the values stay, no longer counted";
  EXPECT_EQ(InputChanged, 1);
  EXPECT_FALSE(find<QPushButton>(*w, "cmdDelStripR")->isVisibleTo(w.get()));
  EXPECT_EQ(text(cell(*w, 3, 1, 1, 2)), "");
  EXPECT_EQ(NumStripLoads(2), 1);

  type(cell(*w, 3, 1, 1, 0), "5");
  type(cell(*w, 3, 1, 1, 1), "5");
  type(cell(*w, 3, 1, 1, 2), "100");
  box("INVALID DATA", Answer::OK, "STRIP LOAD");
  w->close();  // a close request runs the Finished of the frame shown
  EXPECT_FALSE(w->isUnloaded());
  EXPECT_EQ(NumStripLoads(2), 1) << "the left side is not counted after a failure on the right";
  box("INVALID DATA", Answer::Cancel);
  w->types[3].finished->click();
  EXPECT_TRUE(w->isUnloaded());
  EXPECT_EQ(NumStripLoads(1), 0);
  EXPECT_EQ(NumStripLoads(2), 0);
}

TEST_F(SurchargeWindows, TabRunsThroughTheRightSideThenTheLeftThenFinished) {
  auto w = open(entry::kTriangularLoads);
  std::vector<QWidget*> order;
  QWidget* first = cell(*w, 5, 1, 1, 0);
  QWidget* at = first;
  for (int k = 0; k < 41; ++k) {
    order.push_back(at);
    at = at->nextInFocusChain();
    while (!at->focusPolicy() || !(at->focusPolicy() & Qt::TabFocus) || !at->isVisibleTo(w.get()))
      at = at->nextInFocusChain();
  }
  EXPECT_EQ(order[1], cell(*w, 5, 1, 1, 1));
  EXPECT_EQ(order[4], cell(*w, 5, 1, 2, 0));
  EXPECT_EQ(order[20], cell(*w, 5, 2, 1, 0));
  EXPECT_EQ(order[40], w->types[5].finished);
  w->types[5].finished->click();
}

TEST_F(SurchargeWindows, TheChooserColoursEachKindFromTheCounts) {
  NumRampLoads(2) = 1;
  SURCHCON chooser;
  chooser.load();
  chooser.show();
  EXPECT_EQ(chooser.panels[4]->backColor(), (platform::Rgb{0, 255, 255}));
  EXPECT_EQ(chooser.panels[1]->backColor(), (platform::Rgb{255, 255, 255}));
  png(chooser, "surcharge_chooser");
  runner.on("SURCHARG", [this](platform::Form& f) {
    EXPECT_EQ(ChoiceIndex, 1);
    auto& w = static_cast<SURCHARG&>(f);
    type(cell(w, 1, 2, 1, 0), "3");
    type(cell(w, 1, 2, 1, 1), "500");
    w.types[1].finished->click();
  });
  runner.on("SURCHARG", [this](platform::Form& f) {
    auto& w = static_cast<SURCHARG&>(f);
    find<QPushButton>(w, "cmdDelRampL")->click();
    w.close();
  });
  chooser.buttons[1]->click();
  EXPECT_EQ(chooser.panels[1]->backColor(), (platform::Rgb{0, 255, 255}));
  EXPECT_EQ(NumLineLoads(2), 1);
  chooser.buttons[4]->click();
  EXPECT_EQ(chooser.panels[4]->backColor(), (platform::Rgb{255, 255, 255}));
  chooser.close();  // its Finished
  EXPECT_TRUE(chooser.isUnloaded());
}

TEST_F(SurchargeWindows, PngOfEveryFrameFilled) {
  // Two rows (or points) on each side of every kind, so the frames show their boxes in use.
  NumLineLoads(1) = NumLineLoads(2) = 2;
  NumUniformLoads(1) = NumUniformLoads(2) = 1;
  NumStripLoads(1) = NumStripLoads(2) = 2;
  NumRampLoads(1) = NumRampLoads(2) = 1;
  NumTriangularLoads(1) = NumTriangularLoads(2) = 2;
  NumVariablePoints(1) = NumVariablePoints(2) = 11;
  for (int s = 1; s <= 2; ++s) {
    for (int i = 1; i <= 11; ++i) {
      VarLoadDist(s, i) = 2.5 * i;
      VarLoadValue(s, i) = 1000 + 10 * i;
      if (i > 5) continue;
      LineLoadDist(s, i) = 12.5 * i, LineLoad(s, i) = 1500;
      StripStartDist(s, i) = 10 * i, StripEndDist(s, i) = 10 * i + 5, StripLoad(s, i) = 250;
      TriStartDist(s, i) = 10 * i, TriPeakDist(s, i) = 10 * i + 2, TriEndDist(s, i) = 10 * i + 4.5;
      TriPeakLoad(s, i) = 400;
    }
    UniformLoad(s) = 250;
    RampStartDist(s) = 2, RampEndDist(s) = 6.5, RampLoad(s) = 300;
  }
  const char* names[7] = {"", "line", "uniform", "strip", "ramp", "triangular", "variable"};
  for (int type = 1; type <= 6; ++type) {
    auto w = open(type);
    const auto& t = w->types[type];
    // The frame and its Finished lie inside the window's client area.
    const QRect frame = t.frame->geometry();
    EXPECT_TRUE(w->client()->rect().contains(frame)) << names[type];
    png(*w, std::string("surcharge_") + names[type]);
    t.finished->click();
    EXPECT_TRUE(w->isUnloaded()) << names[type];
  }
}

}  // namespace
