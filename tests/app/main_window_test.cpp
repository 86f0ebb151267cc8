#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <stdexcept>

#include "app/splash_form.h"
#include "app/viewers.h"
#include "app_fixture.h"
#include "flow/windows.h"
#include "plots/result_window.h"
#include "pressures/pressure_data.h"
#include "wall/wall_data.h"

using platform::Answer;

namespace {

const char* const kSand =
    "SOIL RIGHTSIDE STRENGTHS 1\n"
    "120 110 30 0 0 0\n"
    "SOIL LEFTSIDE STRENGTHS 1\n"
    "120 110 30 0 0 0\n"
    "FINISHED\n";

std::string problem(const char* control, const char* wall) {
  return std::string("'MENU STATES\n") + control + "\n" + wall + "\n" +
         "SURFACE RIGHTSIDE 1 0 10\nSURFACE LEFTSIDE 1 0 0\n" + kSand;
}

// One row of the menu table: 1 on, 0 off, -1 not looked at.
struct MenuRow {
  const char* state;
  int fileMenu, newOpenExit, save, print, saveInput, saveOutput, editMenu;
  const char* editCaption;
  int viewMenu, view02, view3, view45, view6, solveMenu;
};

}  // namespace

class MenuStates : public AppTest {
 protected:
  void expectRow(const MenuRow& r) {
    SCOPED_TRACE(r.state);
    const auto check = [](int want, bool got, const char* what) {
      if (want >= 0) {
        EXPECT_EQ(want == 1, got) << what;
      }
    };
    check(r.fileMenu, topOn("mnuFile"), "File menu");
    for (int i : {kFileNew, kFileOpen, kFileExit})
      check(r.newOpenExit, item("mnuFileItem", i)->isEnabled(), "New/Open/Exit");
    check(r.save, item("mnuFileItem", kFileSave)->isEnabled(), "Save");
    check(r.print, item("mnuFileItem", kFilePrint)->isEnabled(), "Print");
    check(r.saveInput, item("mnuSaveItem", kSaveInputData)->isEnabled(), "Save > Input Data");
    check(r.saveOutput, item("mnuSaveItem", kSaveOutputData)->isEnabled(), "Save > Output Data");
    check(r.editMenu, topOn("mnuEdit"), "Edit menu");
    if (r.editCaption) {
      EXPECT_EQ(item("mnuEditItem", 0)->text().toStdString(), r.editCaption);
    }
    check(r.viewMenu, topOn("mnuView"), "View menu");
    for (int i : {kViewInputFile, kViewOutputFile, kViewInputPlots})
      check(r.view02, item("mnuViewItem", i)->isEnabled(), "View 0-2");
    check(r.view3, item("mnuViewItem", kViewCantileverPlots)->isEnabled(), "View 3");
    for (int i : {kViewFreeEarthPlots, kViewFixedEarthPlots})
      check(r.view45, item("mnuViewItem", i)->isEnabled(), "View 4-5");
    check(r.view6, item("mnuViewItem", kViewRoweCurves)->isEnabled(), "View 6");
    check(r.solveMenu, topOn("mnuSolve"), "Solve menu");
    EXPECT_TRUE(topOn("mnuHelp"));
  }
  void open(const std::string& path) {
    dialogs.answerOpen(path);
    box("INPUT COMPLETE", Answer::OK);
    window->mnuFileItem_Click(kFileOpen);
  }
  QWidget* widget(const char* name) { return window->findChild<QWidget*>(name); }
};

TEST_F(MenuStates, WalkThroughTheLifeOfACantileverDesign) {
  start();
  ASSERT_FALSE(window->endRequested());
  EXPECT_EQ(DisclaimerAnswer, 1);
  EXPECT_EQ(fs::current_path(), dir);
  const MenuRow start{"start", 1, 1, 0, 0, 0, 1, 1, "&Enter Input data", 0, 0, 0, 0, 0, 0};
  expectRow(start);
  window->mnuFileItem_Click(kFileNew);
  expectRow({"no data", 1, 1, 0, 0, 0, 1, 1, "&Enter Input Data", 0, 0, 0, 0, 0, 0});
  dialogs.cancelOpen();
  window->mnuFileItem_Click(kFileOpen);
  expectRow({"open cancelled", 1, 1, 0, 0, 0, 1, 0, "&Enter Input Data", 0, 0, 0, 0, 0, 0});
  window->mnuFileItem_Click(kFileNew);
  EXPECT_TRUE(topOn("mnuEdit"));

  open(user("cantilever.dat", problem("CONTROL CANTILEVER DESIGN", "WALL 10")));
  const MenuRow opened{"opened", 1, 1, 1, 1, 0, 1, 1, "&Edit Input Data", 1, 1, 0, 0, 0, 1};
  expectRow(opened);
  runner.on("VUINPTFL", [](platform::Form& f) {
    auto& v = static_cast<VUINPTFL&>(f);
    EXPECT_TRUE(v.textBox()->toPlainText().startsWith("'MENU STATES\nCONTROL CANTILEVER DESIGN"));
    EXPECT_EQ(v.caption(), CurrentInputFile);
    v.mnuFinished_Click();
  });
  window->mnuViewItem_Click(kViewInputFile);
  QImage mainImage = window->grab().toImage();
  EXPECT_FALSE(mainImage.isNull());
  mainImage.save(QString::fromStdString((artifacts() / "main_window.png").string()));

  window->mnuSolveItem_Click(0);
  const MenuRow solving{"review", 0, -1, -1, -1, -1, -1, 0, nullptr, 0, -1, -1, -1, -1, 0};
  expectRow(solving);
  EXPECT_TRUE(widget("fraSoilOut")->isVisible());
  EXPECT_FALSE(widget("Image1")->isVisible());
  EXPECT_TRUE(widget("cmdVuOutFile")->hasFocus() || !window->isActiveWindow());
  QImage review = window->grab().toImage();
  review.save(QString::fromStdString((artifacts() / "review.png").string()));
  // The review's frame sits in the middle of the window, over the picture.
  EXPECT_NE(review.pixelColor(review.width() / 2, review.height() / 2), mainImage.pixelColor(mainImage.width() / 2, mainImage.height() / 2));

  // The report so far ends with the soil pressure section.
  runner.on("VUINECHO", [](platform::Form& f) {
    auto* viewer = static_cast<VUINECHO*>(&f);
    EXPECT_NE(viewer->textBox()->toPlainText().indexOf("SOIL PRESSURES FOR"), -1);
    viewer->mnuFinished_Click();
  });
  window->cmdVuOutFile_Click();

  window->cmdContinue_Click();
  EXPECT_TRUE(widget("panDone")->isVisible());
  EXPECT_FALSE(widget("fraSoilOut")->isVisible());
  EXPECT_EQ(window->findChild<platform::Panel*>("panDone")->caption(), "SOLUTION COMPLETE");
  expectRow(solving);
  window->cmdOK_Click();
  expectRow({"complete", 1, 1, 1, 1, 0, 1, 1, "&Edit Input Data", 1, 1, 1, 0, 0, 0});
  EXPECT_TRUE(widget("Image1")->isVisible());

  // View > OutPut File shows the whole report.
  runner.on("VUINECHO", [](platform::Form& f) {
    auto* viewer = static_cast<VUINECHO*>(&f);
    EXPECT_NE(viewer->textBox()->toPlainText().indexOf("SUMMARY"), -1);
    EXPECT_EQ(viewer->caption(), CurrentOutputFile);
    viewer->mnuFinished_Click();
  });
  window->mnuViewItem_Click(kViewOutputFile);
  // View > Cantilever Wall Results Plots shows CANPLOT over the solution.
  runner.on("CANPLOT", [](platform::Form& f) {
    EXPECT_EQ(f.caption(), "CANTILEVER WALL RESULTS");
    static_cast<ResultPlotWindow&>(f).mnuFinished_Click(4);
  });
  window->mnuViewItem_Click(kViewCantileverPlots);

  // Exit by the window's close box: the prompts, then the deletion.
  const std::string report = CurrentOutputFile;
  box("SAVE OUTPUT DATA?", Answer::No);
  window->close();
  EXPECT_TRUE(window->endRequested());
  EXPECT_FALSE(fs::exists(report));
}

TEST_F(MenuStates, AnchoredDesignEnablesTheFreeAndFixedEarthViewsAndRowe) {
  start();
  open(user("anchored.dat", problem("CONTROL ANCHORED DESIGN", "WALL 10 8")));
  window->mnuSolveItem_Click(0);
  ASSERT_TRUE(widget("fraSoilOut")->isVisible());
  // The pile sections: two close requests, Accept of the defaults and then Done.
  runner.on("ROWEPILE", [](platform::Form& f) {
    f.close();
    f.close();
  });
  window->cmdContinue_Click();
  EXPECT_EQ(window->findChild<platform::Panel*>("panDone")->caption(), "SOLUTION COMPLETE");
  window->cmdOK_Click();
  expectRow({"anchored complete", 1, 1, 1, 1, 0, 1, 1, "&Edit Input Data", 1, 1, 0, 1,
             RoweSoilType != 0 ? 1 : 0, 0});
  EXPECT_EQ(RoweSoilType, 1);  // sand
}

TEST_F(MenuStates, AnalysisGoesStraightToTheNotice) {
  start();
  open(user("analysis.dat", problem("CONTROL CANTILEVER ANALYSIS", "WALL 10 -15 29E6 100")));
  window->mnuSolveItem_Click(0);
  EXPECT_FALSE(widget("fraSoilOut")->isVisible());
  EXPECT_TRUE(widget("panDone")->isVisible());
  EXPECT_EQ(window->findChild<platform::Panel*>("panDone")->caption(), "SOLUTION COMPLETE");
  window->cmdOK_Click();
  expectRow({"analysis complete", 1, 1, 1, 1, 0, 1, 1, "&Edit Input Data", 1, 1, 1, 0, 0, 0});
}

TEST_F(MenuStates, DiscontinueAndAnAbortedSolutionLeaveTheResultViewsOff) {
  start();
  open(user("cantilever.dat", problem("CONTROL CANTILEVER DESIGN", "WALL 10")));
  window->mnuSolveItem_Click(0);
  window->cmdDiscontinue_Click();
  EXPECT_EQ(AbortRun, 2);
  expectRow({"discontinued", 1, 1, 1, 1, 0, 1, 1, "&Edit Input Data", 1, 1, 0, 0, 0, 0});
  EXPECT_FALSE(widget("fraSoilOut")->isVisible() || widget("panDone")->isVisible());

  // A run mode that is neither design nor analysis ends in the aborted notice.
  box("SAVE OUTPUT DATA?", Answer::No);
  open(user("cantilever2.dat", problem("CONTROL CANTILEVER DESIGN", "WALL 10")));
  RunMode = "X";
  window->mnuSolveItem_Click(0);
  EXPECT_EQ(window->findChild<platform::Panel*>("panDone")->caption(),
            "SOLUTION ABORTED DUE TO CALCULATION ERRORS");
  window->cmdOK_Click();
  expectRow({"aborted", 1, 1, 1, 1, 0, 1, 1, "&Edit Input Data", 1, 1, 0, 0, 0, 0});
}

TEST_F(MenuStates, AltF4RunsExit) {
  start();
  open(user("cantilever.dat", problem("CONTROL CANTILEVER DESIGN", "WALL 10")));
  const std::string report = CurrentOutputFile;
  box("SAVE OUTPUT DATA?", Answer::No);
  QTest::keyClick(window.get(), Qt::Key_F4, Qt::AltModifier);
  EXPECT_TRUE(window->endRequested());
  EXPECT_FALSE(fs::exists(report));
}

TEST_F(AppTest, DeclineEndsTheProgramBeforeAnyFileIsTouched) {
  start("okbutton1");
  EXPECT_EQ(DisclaimerAnswer, -1);
  EXPECT_TRUE(window->endRequested());
  EXPECT_EQ(fs::current_path(), startDir);
  EXPECT_TRUE(fs::is_empty(dir / "user"));
}

TEST_F(AppTest, TheAcknowledgementNeedsAnAnswer) {
  // A click on the panel is not an answer; the close box and Esc are Decline.
  for (int way = 0; way < 2; ++way) {
    runner.on("splash_form", [way](platform::Form& f) {
      QTest::mouseClick(f.findChild<QWidget*>("Panel3D1"), Qt::LeftButton, {}, QPoint(2, 2));
      EXPECT_FALSE(f.isUnloaded());
      EXPECT_EQ(f.control<QPushButton>("okbutton0")->text(), "&ACCEPT");
      EXPECT_EQ(f.control<QPushButton>("okbutton1")->text(), "&DECLINE");
      if (way == 0) {
        f.grab().save(QString::fromStdString((artifacts() / "acknowledgement.png").string()));
        f.close();
      } else {
        QTest::keyClick(&f, Qt::Key_Escape);
      }
    });
    window = std::make_unique<DIRADERU>();
    window->load();
    EXPECT_TRUE(window->endRequested());
    EXPECT_EQ(DisclaimerAnswer, -1);
  }
}

TEST_F(AppTest, TheAboutBoxClosesOnEscOrAClickAndLeavesTheProgramRunning) {
  start();
  runner.on("splash_form", [](platform::Form& f) {
    EXPECT_EQ(f.control<QPushButton>("okbutton0")->text(), "OK");
    f.grab().save(QString::fromStdString((artifacts() / "about.png").string()));
    QTest::keyClick(&f, Qt::Key_Escape);
  });
  runner.on("splash_form", [](platform::Form& f) {
    QTest::mouseClick(f.findChild<QWidget*>("Panel3D1"), Qt::LeftButton, {}, QPoint(2, 2));
  });
  window->menuArray("mnuHelpItem")(3)->trigger();
  window->menuArray("mnuHelpItem")(3)->trigger();
  EXPECT_FALSE(window->endRequested());
  window->menuArray("mnuHelpItem")(0)->trigger();
  window->menuArray("mnuHelpItem")(1)->trigger();
  EXPECT_EQ(help.calls, (std::vector<std::string>{"contents", "search:"}));
}

TEST_F(AppTest, TheWedgeChooserCannotBeLeftWithoutAChoice) {
  struct Case { const char* before[2]; const char* button; const char* after[2]; };
  const Case cases[] = {{{"W", "C"}, "cmdSweep", {"S", "C"}},
                        {{"W", "W"}, "cmdFixed", {"F", "F"}},
                        {{"C", "W"}, "cmdFixed", {"C", "F"}}};
  for (const Case& c : cases) {
    PressureMethod(1) = c.before[0];
    PressureMethod(2) = c.before[1];
    runner.on("WEDGMETH", [&c](platform::Form& f) {
      f.close();
      QTest::keyClick(&f, Qt::Key_Escape);
      EXPECT_FALSE(f.isUnloaded());
      EXPECT_TRUE(f.findChild<QWidget*>("panWedgMeth")->isVisible());
      f.control<QPushButton>(c.button)->click();
    });
    platform::ShowModal<WEDGMETH>();
    EXPECT_EQ(PressureMethod(1), c.after[0]);
    EXPECT_EQ(PressureMethod(2), c.after[1]);
  }
}

TEST_F(AppTest, ViewerCaptionsShowTheFileNameAsTheFileSystemHasIt) {
  fs::create_directories(dir / "user" / "gr\xC3\xBCn");
  CurrentInputFile = user("gr\xC3\xBCn/w\xC3\xA4nde.dat", "'A\r\n");
  CurrentOutputFile = user("gr\xC3\xBCn/w\xC3\xA4nde.out", "REPORT\r\n");
  for (const std::string* name : {&CurrentInputFile, &CurrentOutputFile}) {
    const QString expected = QString::fromUtf8(name->c_str());
    const char* form = name == &CurrentInputFile ? "VUINPTFL" : "VUINECHO";
    runner.on(form, [expected](platform::Form& f) {
      EXPECT_EQ(f.windowTitle(), expected);
      static_cast<TextViewer&>(f).mnuFinished_Click();
    });
  }
  platform::ShowModal<VUINPTFL>();
  platform::ShowModal<VUINECHO>();
}

TEST_F(AppTest, ViewersShowAHeadingKeptInUtf8AsWrittenBesideLatin1Lines) {
  CurrentOutputFile = user("report.out", "       'QUAY \xe2\x80\x93 CAF\xc3\xa9 \r\n       'CAF\xc9\r\nEND");
  runner.on("VUINECHO", [](platform::Form& f) {
    EXPECT_EQ(static_cast<VUINECHO&>(f).textBox()->toPlainText(),
              QString::fromUtf8("       'QUAY \u2013 CAF\u00e9 \n       'CAF\u00c9\nEND"));
    static_cast<VUINECHO&>(f).mnuFinished_Click();
  });
  platform::ShowModal<VUINECHO>();
}

TEST_F(AppTest, ViewersShowTheFilesWithinTheirLimits) {
  EXPECT_EQ(InputViewerText(""), "");
  EXPECT_EQ(InputViewerText("AB\n"), "AB");
  CurrentInputFile = user("empty.dat", "");
  runner.on("VUINPTFL", [](platform::Form& f) {
    EXPECT_EQ(static_cast<VUINPTFL&>(f).textBox()->toPlainText(), "");
    static_cast<VUINPTFL&>(f).mnuFinished_Click();
  });
  platform::ShowModal<VUINPTFL>();
  for (long size : {48000L, 48001L}) {
    CurrentOutputFile = user("report.out", std::string(static_cast<std::size_t>(size), 'x'));
    if (size > 48000) box("QUELDAR", Answer::OK, "file and view it after after exiting QUELDAR.");
    runner.on("VUINECHO", [this](platform::Form& f) {
      auto& v = static_cast<VUINECHO&>(f);
      EXPECT_EQ(v.textBox()->toPlainText().size(), 48000);
      box("QUELDAR", Answer::OK, "Changes made in this window are ignored.");
      QTest::mouseClick(v.textBox()->viewport(), Qt::LeftButton);
      v.onCloseRequest();
    });
    platform::ShowModal<VUINECHO>();
  }
}

// Enter acts on the button that has the focus, as a click would; where a window has a
// default button it takes Enter only while no other button has the focus.
TEST_F(MenuStates, EnterPressesTheFocusedButtonOfTheReviewAndOfTheNotice) {
  start();
  open(user("cantilever.dat", problem("CONTROL CANTILEVER DESIGN", "WALL 10")));
  window->mnuSolveItem_Click(0);
  ASSERT_TRUE(widget("fraSoilOut")->isVisible());
  runner.on("VUINECHO", [](platform::Form& f) { static_cast<VUINECHO&>(f).mnuFinished_Click(); });
  QTest::keyClick(widget("cmdVuOutFile"), Qt::Key_Return);
  EXPECT_EQ(runner.pending(), 0);
  QTest::keyClick(widget("cmdContinue"), Qt::Key_Return);
  ASSERT_TRUE(widget("panDone")->isVisible());
  QTest::keyClick(widget("cmdOK"), Qt::Key_Return);
  EXPECT_FALSE(widget("panDone")->isVisible());
  EXPECT_TRUE(topOn("mnuFile"));
}

// At the review the menus are off, and "&View Output File" shares its letter with the
// greyed "&View" title: Alt+V opens the report at the first stroke, as Alt+C continues.
TEST_F(MenuStates, TheReviewsButtonsAnswerTheirAccessKeysAtTheFirstStroke) {
  start();
  open(user("cantilever.dat", problem("CONTROL CANTILEVER DESIGN", "WALL 10")));
  window->mnuSolveItem_Click(0);
  ASSERT_TRUE(widget("fraSoilOut")->isVisible());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  bool viewed = false;
  runner.on("VUINECHO", [&viewed](platform::Form& f) {
    viewed = true;
    static_cast<VUINECHO&>(f).mnuFinished_Click();
  });
  QTest::keyClick(window.get(), Qt::Key_V, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return viewed; }, 2000));
  EXPECT_TRUE(widget("fraSoilOut")->isVisible());
  QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return widget("panDone")->isVisible(); }, 2000));
  window->cmdOK_Click();
  EXPECT_TRUE(topOn("mnuView"));
}

TEST_F(AppTest, EnterAcceptsUnlessDeclineHasTheFocus) {
  runner.on("splash_form", [](platform::Form& f) { QTest::keyClick(&f, Qt::Key_Return); });
  window = std::make_unique<DIRADERU>();
  window->load();
  EXPECT_EQ(DisclaimerAnswer, 1);
  EXPECT_FALSE(window->endRequested());
  window.reset();
  runner.on("splash_form", [](platform::Form& f) {
    auto* decline = f.control<QPushButton>("okbutton1");
    ASSERT_NE(decline, nullptr);
    decline->setFocus();
    QTest::keyClick(decline, Qt::Key_Return);
  });
  window = std::make_unique<DIRADERU>();
  window->load();
  EXPECT_EQ(DisclaimerAnswer, -1);
  EXPECT_TRUE(window->endRequested());
}

TEST_F(AppTest, EnterOnAWedgeMethodButtonChoosesIt) {
  for (const char* button : {"cmdFixed", "cmdSweep"}) {
    PressureMethod(1) = "W";
    PressureMethod(2) = "C";
    runner.on("WEDGMETH", [button](platform::Form& f) {
      QTest::keyClick(f.control<QPushButton>(button), Qt::Key_Return);
      EXPECT_TRUE(f.isUnloaded());
    });
    platform::ShowModal<WEDGMETH>();
    EXPECT_EQ(PressureMethod(1), std::string(button) == "cmdFixed" ? "F" : "S");
  }
}

TEST_F(MenuStates, AResultsFileThatCannotBeReadBackOpensNoResultWindow) {
  // The free earth and fixed earth windows plot what was read back; after a failed read
  // only the read's own message is shown, never a window over the earlier arrays.
  start();
  open(user("anchored.dat", problem("CONTROL ANCHORED DESIGN", "WALL 10 8")));
  window->mnuSolveItem_Click(0);
  // The pile sections: two close requests, Accept of the defaults and then Done.
  runner.on("ROWEPILE", [](platform::Form& f) {
    f.close();
    f.close();
  });
  window->cmdContinue_Click();
  window->cmdOK_Click();
  ASSERT_EQ(AbortRun, 0);
  ASSERT_TRUE(item("mnuViewItem", kViewFixedEarthPlots)->isEnabled());
  fs::remove(ResultsFileNames(2));
  box("RESULTS FILE ERROR", Answer::OK, "IS MISSING.");
  window->mnuViewItem_Click(kViewFixedEarthPlots);
  EXPECT_TRUE(boxes.done());
  // The free earth file is still sound: its window comes.
  runner.on("FREEPLOT", [](platform::Form& f) { static_cast<ResultPlotWindow&>(f).mnuFinished_Click(4); });
  window->mnuViewItem_Click(kViewFreeEarthPlots);
}

TEST_F(MenuStates, AResizedMainWindowKeepsItsPictureAndPanelsFitted) {
  start();
  window->resize(window->width() + 300, window->height() + 200);
  const QWidget* client = window->client();
  EXPECT_EQ(widget("Image1")->geometry(), QRect(QPoint(0, 0), client->size()));
  for (const char* panel : {"fraSoilOut", "panDone"}) {
    const QRect g = widget(panel)->geometry();
    EXPECT_LE(std::abs(g.center().x() - client->width() / 2), 2) << panel;
    EXPECT_LE(std::abs(g.center().y() - client->height() / 2), 2) << panel;
  }
}

TEST(SplashWaitTest, InputThatArrivesDuringTheWaitIsDroppedNotKeptForLater) {
  // A key pressed while the splash is up, before the acknowledgement is shown, must not
  // reach any window afterwards (Enter would accept the acknowledgement unseen).
  QLineEdit box;
  box.show();
  QCoreApplication::postEvent(&box, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
  QCoreApplication::postEvent(&box, new QKeyEvent(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a"));
  SplashWait(0.05);
  QCoreApplication::processEvents();
  EXPECT_EQ(box.text(), "");
  // Afterwards input is taken again.
  QCoreApplication::postEvent(&box, new QKeyEvent(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b"));
  QCoreApplication::processEvents();
  EXPECT_EQ(box.text(), "b");
}

// A window's handler that fails shows the failure and leaves the program running at the
// review, its input and temporary report still there to be saved.
TEST_F(MenuStates, AFailureInAHandlerIsShownAndTheWorkIsKept) {
  start();
  open(user("cantilever.dat", problem("CONTROL CANTILEVER DESIGN", "WALL 10")));
  window->mnuSolveItem_Click(0);
  ASSERT_TRUE(widget("fraSoilOut")->isVisible());
  const std::string input = CurrentInputFile, report = CurrentOutputFile;
  ASSERT_TRUE(fs::exists(input));
  ASSERT_TRUE(fs::exists(report));
  flow::windows().soilPressurePlots = [] { throw std::runtime_error("plot data are damaged"); };
  box("UNEXPECTED ERROR", platform::Answer::OK, "plot data are damaged");
  QTest::mouseClick(window->findChild<QPushButton*>("cmdPlotPres"), Qt::LeftButton);
  EXPECT_TRUE(boxes.done());
  EXPECT_TRUE(widget("fraSoilOut")->isVisible());
  EXPECT_TRUE(fs::exists(input));
  EXPECT_TRUE(fs::exists(report));
  EXPECT_EQ(CurrentOutputFile, report);
}
