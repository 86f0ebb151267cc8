#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/qt/controls.h"
#include "platform/qt/form.h"
#include "platform/qt/modal_runner.h"
#include "platform/qt/screen.h"
#include "platform/script_doubles.h"
#include "support/key_strokes.h"

using platform::Form;

namespace {

// Restores the registry a test changes.
struct RegistryGuard {
  platform::Services saved = platform::services();
  ~RegistryGuard() { platform::services() = saved; }
};

class TestForm : public Form {
 public:
  explicit TestForm(bool closesOnRequest = false) : Form("TESTFORM"), closes_(closesOnRequest) {
    ok = addButton("cmdOK", "&OK", 120, 120, 975, 375);
    cancel = addButton("cmdCancel", "&Cancel", 1200, 120, 975, 375);
    QObject::connect(ok, &QPushButton::clicked, this, [this] { ++okClicks; unload(); });
  }
  void Form_Load() override { ++loads; }
  void Form_KeyDown(int& KeyCode, int Shift) override { keys.emplace_back(KeyCode, Shift); }
  void onCloseRequest() override {
    ++closeRequests;
    if (closes_) unload();
  }
  QPushButton* ok;
  QPushButton* cancel;
  int loads = 0, okClicks = 0, closeRequests = 0;
  std::vector<std::pair<int, int>> keys;

 private:
  bool closes_;
};

}  // namespace

TEST(FormGeometry, TwipsFollowTheScreenDpi) {
  const platform::ScreenTwips s = platform::screen();
  ASSERT_GT(s.twipsPerPixelX, 0);
  // The twips per pixel come from the logical DPI, not from a fixed 15.
  EXPECT_DOUBLE_EQ(s.twipsPerPixelX, 1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInchX());
  EXPECT_DOUBLE_EQ(s.width, QGuiApplication::primaryScreen()->geometry().width() * s.twipsPerPixelX);
}

TEST(FormGeometry, ClientAreaAndOuterSizeInTwips) {
  TestForm f;
  QMenu* file = f.addTopMenu("mnuFile", "&File");
  f.addMenuItems(file, "mnuFileItem", {"&New"}, nullptr);
  const double tx = platform::TwipsPerPixelX(), ty = platform::TwipsPerPixelY();
  f.setClientSize(9450, 6525);
  EXPECT_NEAR(f.ScaleWidth(), 9450, tx / 2);
  EXPECT_NEAR(f.ScaleHeight(), 6525, ty / 2);
  // No frame offscreen: the outer height is client + menu bar + the caption allowance.
  const double menu = Form::twipsY(f.menuBar()->sizeHint().height());
  EXPECT_GT(menu, 0);
  EXPECT_NEAR(f.Height(), f.ScaleHeight() + menu + Form::kCaptionAllowance, ty);
  EXPECT_NEAR(f.Width(), f.ScaleWidth(), tx / 2);
  // Controls sit below the menu bar.
  EXPECT_EQ(f.client()->y(), f.menuBar()->sizeHint().height());

  // Outer sizes read back as set, and a menu added later keeps the client size.
  f.setWidth(7200);
  f.setHeight(7200);
  EXPECT_NEAR(f.Width(), 7200, tx / 2);
  EXPECT_NEAR(f.Height(), 7200, ty / 2);
  f.setLeft(1500);
  f.setTop(600);
  EXPECT_NEAR(f.Left(), 1500, tx / 2);
  EXPECT_NEAR(f.Top(), 600, ty / 2);
  f.show();
  EXPECT_NEAR(f.Height(), 7200, ty / 2) << "the height must not change when the form shows";
  EXPECT_NEAR(f.Left(), 1500, tx / 2);
}

TEST(FormGeometry, CopiesTheMainWindow) {
  const double t = platform::TwipsPerPixelX();
  {
    TestForm main;
    main.setWidth(9600);
    main.setHeight(7500);
    main.setLeft(450);
    main.setTop(300);
    Form::setMainWindow(&main);
    TestForm f;
    f.copyMainWindowGeometry();
    EXPECT_NEAR(f.Width(), 9600, t / 2);
    EXPECT_NEAR(f.Height(), 7500, t / 2);
    EXPECT_NEAR(f.Left(), 450, t / 2);
    EXPECT_NEAR(f.Top(), 300, t / 2);
  }
  // A main window gone is forgotten: nothing is copied from it.
  EXPECT_EQ(Form::mainWindow(), nullptr);
  TestForm f;
  f.setWidth(3000);
  f.copyMainWindowGeometry();
  EXPECT_NEAR(f.Width(), 3000, t / 2);
}

TEST(FormGeometry, AnEntryFrameIsFixedNeverSmallerThanDesignedAndWhollyOnTheScreen) {
  const double t = platform::TwipsPerPixelX();
  const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
  const double screenLeft = Form::twipsX(avail.left()), screenTop = Form::twipsY(avail.top());
  const double screenRight = Form::twipsX(avail.left() + avail.width());
  const double screenBottom = Form::twipsY(avail.top() + avail.height());
  // Designed with a client of 6000 by 4000, no menu: outer 6000 by 4360 offscreen.
  const double designedHeight = 4000 + Form::kCaptionAllowance;
  struct Case {
    const char* what;
    double width, height, left, top;  // the main window
    double wantWidth, wantHeight, wantLeft, wantTop;
  };
  const Case cases[] = {
      {"over a main window on the screen: its place and size", 7200, 5400, 600, 450, 7200, 5400, 600, 450},
      {"a small main window partly off the screen at the top left", 3000, 2000, -1500, -900, 6000, designedHeight,
       screenLeft, screenTop},
      {"a main window off the screen at the bottom right", 6600, 4800, screenRight - 1000, screenBottom - 500, 6600,
       4800, screenRight - 6600, screenBottom - 4800},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestForm main;
    main.setWidth(c.width);
    main.setHeight(c.height);
    main.setLeft(c.left);
    main.setTop(c.top);
    Form::setMainWindow(&main);
    TestForm f;
    f.setClientSize(6000, 4000);
    f.copyMainWindowGeometryAsFixedDialog();
    EXPECT_NEAR(f.Width(), c.wantWidth, t);
    EXPECT_NEAR(f.Height(), c.wantHeight, t);
    EXPECT_NEAR(f.Left(), c.wantLeft, t);
    EXPECT_NEAR(f.Top(), c.wantTop, t);
    // A dialog frame with its close box, which neither minimises, maximises nor resizes.
    const Qt::WindowFlags flags = f.windowFlags();
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_EQ(f.windowType(), Qt::Dialog);
    f.show();
    const QSize shown = f.size();
    f.resize(shown * 2);
    EXPECT_EQ(f.size(), shown);
    EXPECT_NEAR(f.Left(), c.wantLeft, t) << "the place holds once shown";
    Form::setMainWindow(nullptr);
  }
}

TEST(FormMenus, ControlArraysKeepSeparatorIndexes) {
  TestForm f;
  std::vector<int> clicked;
  QMenu* file = f.addTopMenu("mnuFile", "&File");
  auto& items = f.addMenuItems(file, "mnuFileItem",
                               {"&New", "&Open", "-", "&Save", "-", "&Print", "-", "E&xit"},
                               [&](int i) { clicked.push_back(i); });
  std::vector<int> saves;
  f.addSubmenuItems(items(3), "mnuSaveItem", {"&Input Data", "&Output Data"},
                    [&](int i) { saves.push_back(100 + i); });
  ASSERT_EQ(items.size(), 8);
  EXPECT_TRUE(items(2)->isSeparator());
  EXPECT_EQ(items(7)->text(), "E&xit");
  EXPECT_EQ(items(8), nullptr);
  items(7)->trigger();
  items(1)->trigger();
  f.menuArray("mnuSaveItem")(1)->trigger();
  EXPECT_EQ(clicked, (std::vector<int>{7, 1}));
  EXPECT_EQ(saves, (std::vector<int>{101}));
  EXPECT_EQ(f.findChild<QAction*>("mnuFileItem(5)"), items(5));
  // A top menu is switched as a whole.
  f.topMenu("mnuFile")->menuAction()->setEnabled(false);
  EXPECT_FALSE(f.topMenu("mnuFile")->menuAction()->isEnabled());
}

TEST(FormMenus, SharedHelpMenuHandsTheIndexToTheHandler) {
  std::vector<int> got;
  Form::setHelpMenuHandler([&](int i) { got.push_back(i); });
  TestForm f;
  auto& help = f.addHelpMenu();
  ASSERT_EQ(help.size(), 4);
  EXPECT_EQ(help(0)->text(), "&Contents");
  EXPECT_EQ(help(1)->text(), "&Search for help on ...");
  EXPECT_TRUE(help(2)->isSeparator());
  EXPECT_EQ(help(3)->text(), "&About QUELDAR");
  help(3)->trigger();
  help(0)->trigger();
  help(1)->trigger();
  EXPECT_EQ(got, (std::vector<int>{3, 0, 1}));
  Form::setHelpMenuHandler(nullptr);
}

// A greyed menu title with a shown button's letter: Alt+letter presses the button at the
// first stroke (not only focus it); with the title on and the button gone, the letter is
// the menu's again.
TEST(FormAccessKeys, AShownButtonOutranksAGreyedMenuTitleOfItsLetter) {
  Form f("KEYS");
  int done = 0, deflections = 0;
  QPushButton* b = f.addButton("cmdDone", "&Done", 120, 120, 975, 375);
  QObject::connect(b, &QPushButton::clicked, &f, [&] { ++done; });
  QAction* title = f.addTopItem("mnuDefl", 0, "&Deflections", [&](int) { ++deflections; });
  f.show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  title->setEnabled(false);
  QTest::keyClick(&f, Qt::Key_D, Qt::AltModifier);
  EXPECT_EQ(done, 1);
  // The same with the focus on a control, which passes the key up to the form.
  b->setFocus();
  QTest::keyClick(b, Qt::Key_D, Qt::AltModifier);
  EXPECT_EQ(done, 2);
  title->setEnabled(true);
  b->hide();
  QTest::keyClick(&f, Qt::Key_D, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return deflections == 1; }, 1000));
  EXPECT_EQ(done, 2);
}

// A plot chosen from a menu by the keyboard leaves the keyboard with the menu bar, which
// takes the letters of its titles for itself, greyed ones too. The shown button still
// gets its letter at the first stroke, and the menus theirs once they are on again.
TEST(FormAccessKeys, AButtonOutranksAGreyedTitleWhileTheMenuBarHasTheKeyboard) {
  Form f("KEYS");
  int prints = 0, dones = 0;
  QPushButton* print = f.addButton("cmdPrint", "&Print", 120, 120, 975, 375);
  QPushButton* done = f.addButton("cmdDone", "&Done", 120, 600, 975, 375);
  QAction* defl = f.addTopItem("mnuDefl", 0, "&Deflections", [](int) {});
  QMenu* pres = f.addTopMenu("mnuPres", "&Pressures");
  const auto menusOn = [&](bool on) {
    defl->setEnabled(on);
    pres->menuAction()->setEnabled(on);
    print->setVisible(!on);
    done->setVisible(!on);
  };
  f.addMenuItems(pres, "mnuPresItem", {"&Net Soil", "&Rightside"}, [&](int) { menusOn(false); });
  QObject::connect(print, &QPushButton::clicked, &f, [&] { ++prints; });
  QObject::connect(done, &QPushButton::clicked, &f, [&] { ++dones; menusOn(true); });
  menusOn(true);
  f.show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  const auto popupOpen = [] { return QApplication::activePopupWidget() != nullptr; };
  for (const char* first : {"print", "done"}) {
    SCOPED_TRACE(first);
    const int printsBefore = prints, donesBefore = dones;
    support::Stroke(f, Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor(popupOpen, 1000));
    support::Stroke(f, Qt::Key_N);
    ASSERT_TRUE(QTest::qWaitFor([&] { return print->isVisible() && !popupOpen(); }, 1000));
    if (std::string(first) == "print") {
      support::Stroke(f, Qt::Key_P, Qt::AltModifier);
      EXPECT_TRUE(QTest::qWaitFor([&] { return prints == printsBefore + 1; }, 1000));
    }
    support::Stroke(f, Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dones == donesBefore + 1; }, 1000));
    EXPECT_TRUE(pres->menuAction()->isEnabled());
  }
  // The menus on: the title's letter opens its menu again.
  support::Stroke(f, Qt::Key_P, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == pres; }, 1000));
  support::Stroke(f, Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !popupOpen(); }, 1000));
  EXPECT_EQ(prints, 1);
}

TEST(FormClosing, EscAndCloseBoxOnlyAskTheForm) {
  TestForm f;
  f.show();
  QTest::keyClick(&f, Qt::Key_Escape);
  EXPECT_TRUE(f.isVisible());
  EXPECT_FALSE(f.close()) << "the close box must not close a form by itself";
  EXPECT_TRUE(f.isVisible());
  QTest::keyClick(&f, Qt::Key_F4, Qt::AltModifier);
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(f.closeRequests, 3);
  // Form_KeyDown saw Esc (27), then Alt (18) and F4 (115), both with Shift 4.
  EXPECT_EQ(f.keys, (std::vector<std::pair<int, int>>{{27, 0}, {18, 4}, {115, 4}}));

  TestForm closing(true);
  closing.show();
  QTest::keyClick(&closing, Qt::Key_Escape);
  EXPECT_FALSE(closing.isVisible());
  EXPECT_TRUE(closing.isUnloaded());
}

TEST(FormClosing, CancelButtonTakesEsc) {
  TestForm f;
  int cancels = 0;
  QObject::connect(f.cancel, &QPushButton::clicked, [&] { ++cancels; });
  f.setCancelButton(f.cancel);
  f.show();
  QTest::keyClick(&f, Qt::Key_Escape);
  EXPECT_EQ(cancels, 1);
  EXPECT_EQ(f.closeRequests, 0);
}

TEST(FormKeys, EnterClicksTheDefaultButtonOnly) {
  TestForm f;
  auto* box = new QLineEdit(f.client());
  f.setDefaultButton(f.cancel);
  int cancels = 0;
  QObject::connect(f.cancel, &QPushButton::clicked, [&] { ++cancels; });
  f.show();
  box->setFocus();
  f.ok->setFocus();
  QTest::keyClick(f.ok, Qt::Key_Return);
  EXPECT_EQ(cancels, 1);
  EXPECT_EQ(f.okClicks, 0) << "the focused button must not take Enter";
}

TEST(FormKeys, TabOrderFollowsTabIndex) {
  TestForm f;
  auto* a = new QLineEdit(f.client());
  auto* b = new QLineEdit(f.client());
  f.setTabIndex(f.ok, 3);
  f.setTabIndex(b, 0);
  f.setTabIndex(f.cancel, 2);
  f.setTabIndex(a, 1);
  f.show();
  // The next widget that takes focus by Tab after each one.
  auto next = [](QWidget* w) {
    QWidget* n = w->nextInFocusChain();
    while (n != w && !(n->focusPolicy() & Qt::TabFocus)) n = n->nextInFocusChain();
    return n;
  };
  EXPECT_EQ(next(b), a);
  EXPECT_EQ(next(a), f.cancel);
  EXPECT_EQ(next(f.cancel), f.ok);
}

TEST(ModalShowing, ScriptedRunnerPlaysTheScriptOnAFreshForm) {
  RegistryGuard guard;
  platform::ScriptedModalRunner runner;
  platform::services().modalRunner = &runner;
  int seenLoads = -1;
  runner.on("TESTFORM", [&](Form& f) {
    auto& t = static_cast<TestForm&>(f);
    seenLoads = t.loads;
    EXPECT_TRUE(f.isVisible());
    QTest::mouseClick(t.ok, Qt::LeftButton);
  });
  platform::ShowModal<TestForm>();
  EXPECT_EQ(seenLoads, 1);
  EXPECT_EQ(runner.shown, (std::vector<std::string>{"TESTFORM"}));
  EXPECT_TRUE(runner.failures.empty());
  EXPECT_EQ(runner.pending(), 0);
}

TEST(ModalShowing, ScriptedRunnerFailsOnFormsLeftOpenOrUnexpected) {
  RegistryGuard guard;
  platform::ScriptedModalRunner runner;
  platform::services().modalRunner = &runner;
  std::vector<std::string> reported;
  runner.fail = [&](const std::string& m) { reported.push_back(m); };
  runner.on("TESTFORM", [](Form&) {});
  platform::ShowModal<TestForm>();
  platform::ShowModal<TestForm>();
  EXPECT_EQ(reported, (std::vector<std::string>{"form TESTFORM was left open", "unexpected form TESTFORM"}));
}

TEST(ModalShowing, AFormUnloadedByItsLoadIsNeverShown) {
  RegistryGuard guard;
  platform::ScriptedModalRunner runner;
  platform::services().modalRunner = &runner;
  struct Refuses : TestForm {
    void Form_Load() override { unload(); }
  };
  platform::ShowModal<Refuses>();
  EXPECT_TRUE(runner.shown.empty());
  EXPECT_TRUE(runner.failures.empty());
}

TEST(ModalShowing, QtRunnerIsWindowModalAndReturnsOnUnload) {
  TestForm owner;
  owner.show();
  TestForm f(true);
  QTimer::singleShot(0, &f, [&] {
    EXPECT_EQ(f.windowModality(), Qt::WindowModal);
    EXPECT_EQ(f.parentWidget(), &owner) << "the form shown last must be the one blocked";
    QTest::keyClick(&f, Qt::Key_Escape);
  });
  platform::QtModalRunner().showModal(f);
  EXPECT_TRUE(f.isUnloaded());
  EXPECT_EQ(f.closeRequests, 1);
}

TEST(Controls, OptionButtonsRunClickWhenCodeSetsThem) {
  QWidget w;
  platform::OptionButton a("A", &w), b("B", &w);
  int aClicks = 0, bClicks = 0;
  QObject::connect(&a, &platform::OptionButton::Click, [&] { ++aClicks; });
  QObject::connect(&b, &platform::OptionButton::Click, [&] { ++bClicks; });
  a.setValue(true);
  EXPECT_EQ(aClicks, 1);
  b.setValue(true);
  EXPECT_FALSE(a.value());
  EXPECT_EQ(bClicks, 1);
  b.setValue(false);  // exclusive buttons cannot normally be cleared
  EXPECT_FALSE(b.value());
  EXPECT_FALSE(a.value());
  EXPECT_TRUE(b.autoExclusive());
}

TEST(Controls, PanelShowsItsCaptionAndReportsMouseDown) {
  platform::Panel p;
  p.resize(200, 80);
  p.setCaption("SOLUTION COMPLETE");
  EXPECT_EQ(p.caption(), "SOLUTION COMPLETE");
  std::vector<int> buttons;
  QObject::connect(&p, &platform::Panel::mouseDown,
                   [&](int button, int, double x, double) { buttons.push_back(button); EXPECT_GT(x, 0); });
  p.show();
  QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(buttons, (std::vector<int>{1}));
}

TEST(Controls, PlacedInTwipsFoundByNameAndTextBoxesFireChangeFromCode) {
  Form f("HEADCONT");
  f.setClientSize(9000, 6000);
  QGroupBox* frame = f.addFrame("fraWall", "Wall Type", 150, 150, 3000, 1500);
  platform::OptionButton* cant = f.addOption("optCantilever", "&Cantilever", 150, 300, 2000, 300, frame);
  platform::PictureBox* pic = f.addPicture("picSketch", 3300, 150, 4500, 3000);
  QLineEdit* top = f.addTextBox("txtWallTop", 150, 2000, 1200, 300);
  f.addLabel("lblWallTop", "Top elevation (ft)", 1500, 2000, 2000, 300);
  platform::Panel* status = f.addPanel("panStatus", 150, 2500, 3000, 400);
  EXPECT_EQ(f.control<QLineEdit>("txtWallTop"), top);
  EXPECT_EQ(f.control<platform::OptionButton>("optCantilever"), cant);
  EXPECT_EQ(cant->parentWidget(), frame);
  EXPECT_EQ(status->parentWidget(), f.client());
  const double tx = platform::TwipsPerPixelX();
  EXPECT_NEAR(Form::twipsX(pic->x()), 3300, tx / 2);
  EXPECT_NEAR(pic->ScaleWidth(), 4500, tx / 2);
  int changes = 0;
  QObject::connect(top, &QLineEdit::textChanged, [&] { ++changes; });
  top->setText(" 20");
  EXPECT_EQ(changes, 1);
}

TEST(Controls, PrintingGuardPutsButtonsAndPointerBackOnEveryExit) {
  platform::ScopedServices s;
  TestForm f;
  f.show();
  try {
    platform::PrintingGuard guard({f.ok, f.cancel});
    EXPECT_FALSE(f.ok->isVisible());
    EXPECT_FALSE(f.cancel->isVisible());
    EXPECT_EQ(s.pointer.current(), 11);
    throw std::runtime_error("printer gone");
  } catch (const std::runtime_error&) {
  }
  EXPECT_TRUE(f.ok->isVisible());
  EXPECT_TRUE(f.cancel->isVisible());
  EXPECT_EQ(s.pointer.codes(), (std::vector<int>{11, 0}));
}

TEST(FormKeys, TheLowestTabIndexHasTheFocusWhenTheFormShows) {
  // A default button elsewhere must not take the focus from the first stop, even when that
  // stop is another button (QDialog would give it to the default button).
  for (const char* first : {"cmdA", "txtA"}) {
    SCOPED_TRACE(first);
    Form f("KEYIN");
    QPushButton* finished = f.addButton("cmdFinished", "&Finished", 100, 100, 900, 300);
    QPushButton* button = f.addButton("cmdA", "&A", 100, 600, 900, 300);
    QLineEdit* box = f.addTextBox("txtA", 100, 1100, 900, 300);
    f.setDefaultButton(finished);
    QWidget* firstStop = std::string(first) == "cmdA" ? static_cast<QWidget*>(button) : box;
    QWidget* second = firstStop == button ? static_cast<QWidget*>(box) : button;
    f.setTabIndex(finished, 2);
    f.setTabIndex(second, 1);
    f.setTabIndex(firstStop, 0);
    f.show();
    EXPECT_EQ(f.focusWidget(), firstStop);
  }
  // A focus the form set itself stays.
  Form g("ABOUT");
  QPushButton* ok = g.addButton("okbutton", "OK", 100, 100, 900, 300);
  QPushButton* other = g.addButton("cmdOther", "Other", 100, 600, 900, 300);
  g.setTabIndex(other, 0);
  g.setTabIndex(ok, 1);
  ok->setFocus();
  g.show();
  EXPECT_EQ(g.focusWidget(), ok);
}

TEST(FormKeys, RenumberingAShownFormReordersTheTabChain) {
  Form f("LAYRDATA");
  QLineEdit* a = f.addTextBox("txtA", 100, 100, 900, 300);
  QLineEdit* b = f.addTextBox("txtB", 100, 600, 900, 300);
  QLineEdit* c = f.addTextBox("txtC", 100, 1100, 900, 300);
  f.setTabIndex(a, 0);
  f.setTabIndex(b, 1);
  f.setTabIndex(c, 2);
  f.show();
  // The next section numbers the same boxes the other way round.
  f.setTabIndex(c, 0);
  f.setTabIndex(b, 1);
  f.setTabIndex(a, 2);
  auto next = [](QWidget* w) {
    QWidget* n = w->nextInFocusChain();
    while (n != w && !(n->focusPolicy() & Qt::TabFocus)) n = n->nextInFocusChain();
    return n;
  };
  EXPECT_EQ(next(c), b);
  EXPECT_EQ(next(b), a);
}

TEST(FormKeys, ATabIndexSetAtRunTimeMovesTheControlAndPushesTheOthersOn) {
  // The designed order, then a Load that numbers the boxes of one type from 0 as the
  // entry windows do: the others move up behind them, as when the original runtime
  // renumbers, instead of sharing numbers with them.
  class Entry : public Form {
   public:
    Entry() : Form("SURCHCON") {
      a1 = addTextBox("txtA1", 100, 100, 900, 300);
      cancel = addButton("cmdCancel", "&Cancel", 100, 600, 900, 300);
      b1 = addTextBox("txtB1", 100, 1100, 900, 300);
      b2 = addTextBox("txtB2", 100, 1600, 900, 300);
      finished = addButton("cmdFinished", "&Finished", 100, 2100, 900, 300);
      setTabIndex(a1, 0);
      setTabIndex(cancel, 1);
      setTabIndex(b1, 2);
      setTabIndex(b2, 3);
      setTabIndex(finished, 4);
    }
    void Form_Load() override {
      a1->hide();
      setTabIndex(b1, 0);
      setTabIndex(b2, 1);
      setTabIndex(finished, 2);
    }
    QWidget *a1, *cancel, *b1, *b2, *finished;
  };
  Entry f;
  f.load();
  f.show();
  auto next = [](QWidget* w) {
    QWidget* n = w->nextInFocusChain();
    while (n != w && !((n->focusPolicy() & Qt::TabFocus) && n->isVisible())) n = n->nextInFocusChain();
    return n;
  };
  EXPECT_EQ(f.focusWidget(), f.b1);
  EXPECT_EQ(next(f.b1), f.b2);
  EXPECT_EQ(next(f.b2), f.finished);
  EXPECT_EQ(next(f.finished), f.cancel);
}

TEST(ControlArrays, ElementsAreFoundByIndexAndByOneNamingRule) {
  Form f("SURFACE");
  f.setClientSize(9000, 6000);
  QGroupBox* frame = f.addFrame("fraSurfRight", "Rightside Surface Data", 100, 100, 3255, 4095);
  platform::TextBoxArray& dist = f.addTextBoxColumn("txtRightDist", 11, 200, 600, 1200, 285, 300, frame);
  QLabel* heading = f.addLabelElement("lblHead", 2, "Elevation (FT)", 1500, 300, 1500, 285, frame);
  ASSERT_EQ(dist.size(), 11);
  EXPECT_EQ(dist(11), nullptr);
  EXPECT_EQ(dist(-1), nullptr);
  EXPECT_EQ(dist(3)->parentWidget(), frame);
  // One naming rule for every array, menus included: name(index).
  EXPECT_EQ(dist(3)->objectName(), "txtRightDist(3)");
  EXPECT_EQ(f.control<QLineEdit>("txtRightDist(10)"), dist(10));
  EXPECT_EQ(&f.textBoxArray("txtRightDist"), &dist);
  EXPECT_EQ(f.labelArray("lblHead")(2), heading);
  EXPECT_EQ(f.labelArray("lblHead")(0), nullptr) << "elements not built stay empty";
  EXPECT_EQ(f.textBoxArray("txtNone").size(), 0);
  // Rows step down the column.
  EXPECT_NEAR(Form::twipsY(dist(1)->y() - dist(0)->y()), 300, platform::TwipsPerPixelY());

  // Change gets the element's index, from typing and from code alike.
  std::vector<int> changed;
  f.onArrayChange("txtRightDist", [&](int i) { changed.push_back(i); });
  dist(4)->setText("12");
  f.show();
  QTest::keyClicks(dist(0), "5");
  EXPECT_EQ(changed, (std::vector<int>{4, 0}));
}

TEST(Controls, LabelsAndButtonsCarryForeAndBackColours) {
  Form f("KEYIN");
  QLabel* note = f.addLabel("Label2", "(Sections indicated in red are required.)", 100, 100, 4000, 225);
  QPushButton* b = f.addButton("cmdHeadCont", "&Heading", 100, 400, 2955, 495);
  platform::Panel* pan = f.addPanel("panHeadCont", 100, 900, 3075, 615);
  platform::SetForeColor(note, {255, 0, 0});
  platform::SetBackColor(note, {0, 255, 255});
  platform::SetForeColor(b, {255, 0, 0});
  pan->setBackColor({0, 255, 255});
  EXPECT_EQ(platform::ForeColor(note), (platform::Rgb{255, 0, 0}));
  EXPECT_EQ(platform::BackColor(note), (platform::Rgb{0, 255, 255}));
  EXPECT_TRUE(note->autoFillBackground());
  EXPECT_EQ(b->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
  EXPECT_EQ(pan->backColor(), (platform::Rgb{0, 255, 255}));
  f.show();
  // The colour reaches the screen: a pixel of the label's ground is light cyan.
  const QImage img = note->grab().toImage();
  EXPECT_EQ(img.pixelColor(img.width() - 2, img.height() - 2), QColor(0, 255, 255));
}

TEST(FormClosing, ACloseRequestRunsTheFinishedOfTheStageShown) {
  // Three stages, each with its own Finished; only the stage shown answers the request,
  // and the form closes only when that handler closes it.
  Form f("LAYRDATA");
  f.setClientSize(6000, 4000);
  QGroupBox* action = f.addFrame("fraAction", "", 0, 0, 3000, 2000);
  QGroupBox* grid = f.addFrame("fraGrid", "", 0, 0, 3000, 2000);
  QPushButton* finAction = f.addButton("cmdFinishedAction", "&Finished", 100, 300, 975, 375, action);
  QPushButton* ok = f.addButton("cmdOK", "&OK", 100, 300, 975, 375, grid);
  QPushButton* fin = f.addButton("cmdFinished", "&Finished", 3100, 300, 975, 375);
  std::vector<std::string> ran;
  bool gridPasses = false;
  QObject::connect(finAction, &QPushButton::clicked, [&] { ran.push_back("action"); });
  QObject::connect(ok, &QPushButton::clicked, [&] { ran.push_back("ok"); });
  QObject::connect(fin, &QPushButton::clicked, [&] {
    ran.push_back("grid");
    if (gridPasses) f.unload();
  });
  f.setFinishedButtons({finAction, ok, fin});
  grid->hide();
  fin->hide();
  f.show();
  QTest::keyClick(&f, Qt::Key_Escape);
  action->hide();
  grid->show();
  EXPECT_FALSE(f.close());
  grid->hide();
  fin->show();
  fin->setEnabled(false);
  QTest::keyClick(&f, Qt::Key_F4, Qt::AltModifier);   // a disabled Finished is not run
  fin->setEnabled(true);
  QTest::keyClick(&f, Qt::Key_Escape);
  EXPECT_TRUE(f.isVisible());
  gridPasses = true;
  EXPECT_TRUE(f.close() || f.isUnloaded());
  EXPECT_TRUE(f.isUnloaded());
  EXPECT_EQ(ran, (std::vector<std::string>{"action", "ok", "grid", "grid"}));
}
