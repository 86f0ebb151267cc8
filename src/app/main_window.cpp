#include "app/main_window.h"
#include "flow/windows.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QThread>
#include <memory>

#include "app/pictures.h"
#include "app/splash_form.h"
#include "app/viewers.h"
#include "entry/input_hub.h"
#include "entry/pile_sections_window.h"
#include "flow/help_menu.h"
#include "flow/main_menus.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "flow/working_files.h"
#include "platform/qt/latin1.h"
#include "platform/qt/screen.h"
#include "plots/result_window.h"
#include "plots/input_plot_window.h"
#include "plots/rowe_curves_window.h"
#include "plots/soil_pressure_plot_window.h"
#include "pressures/pressures.h"
#include "wall/rowe.h"
#include "flow/solve_flow.h"
#include "wall/wall.h"

namespace {

DIRADERU* theMainWindow = nullptr;

}  // namespace

namespace {

// Swallows the user's input: keys, clicks, wheel and touch.
class InputDropper : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    switch (e->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
        return true;
      default:
        return QObject::eventFilter(watched, e);
    }
  }
};

}  // namespace

void SplashWait(double seconds) {
  InputDropper dropper;
  qApp->installEventFilter(&dropper);
  QElapsedTimer timer;
  timer.start();
  QCoreApplication::processEvents();
  while (timer.elapsed() < static_cast<qint64>(seconds * 1000.0)) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  }
  // What came in during the last pass goes the same way.
  QCoreApplication::processEvents();
  qApp->removeEventFilter(&dropper);
}

DIRADERU* MainWindow() { return theMainWindow; }

DIRADERU::DIRADERU() : platform::Form("DIRADERU") {
  theMainWindow = this;
  setMainWindow(this);
  setCaption("QUELDAR");
  setClientSize(9450, 6525);
  QPalette pal = client()->palette();
  pal.setColor(QPalette::Window, QColor(192, 192, 192));
  client()->setPalette(pal);
  client()->setAutoFillBackground(true);

  Image1 = new platform::PictureBox(client());
  Image1->setObjectName("Image1");
  Image1->setPaint([this](platform::Canvas& c) {
    app::DrawWallPicture(c, Image1->ScaleWidth(), Image1->ScaleHeight());
  });

  panDone = new platform::Panel(client());
  panDone->setObjectName("panDone");
  panDone->setBackColor({192, 192, 192});
  panDone->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  panDone->setCaption(kSolutionAborted);
  place(panDone, 0, 0, 6135, 1455);
  cmdOK = addButton("cmdOK", "&OK", 2670, 840, 975, 375, panDone);
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  panDone->hide();

  fraSoilOut = new QGroupBox(client());
  fraSoilOut->setObjectName("fraSoilOut");
  fraSoilOut->setAutoFillBackground(true);
  place(fraSoilOut, 0, 0, 4995, 3735);
  SSPanel1 = new platform::Panel(fraSoilOut);
  SSPanel1->setObjectName("SSPanel1");
  SSPanel1->setCaption("Soil Pressure Calculations Complete");
  place(SSPanel1, 120, 300, 4755, 675);
  cmdVuOutFile = addButton("cmdVuOutFile", "&View Output File", 1490, 1080, 2025, 495, fraSoilOut);
  cmdPlotPres = addButton("cmdPlotPres", "&Plot Initial Pressures", 1490, 1740, 2025, 495, fraSoilOut);
  cmdContinue = addButton("cmdContinue", "&Continue Solution", 1490, 2400, 2025, 495, fraSoilOut);
  cmdDiscontinue = addButton("cmdDiscontinue", "&Discontinue Solution", 1490, 3060, 2025, 495, fraSoilOut);
  connect(cmdVuOutFile, &QPushButton::clicked, this, [this] { cmdVuOutFile_Click(); });
  connect(cmdPlotPres, &QPushButton::clicked, this, [this] { cmdPlotPres_Click(); });
  connect(cmdContinue, &QPushButton::clicked, this, [this] { cmdContinue_Click(); });
  connect(cmdDiscontinue, &QPushButton::clicked, this, [this] { cmdDiscontinue_Click(); });
  fraSoilOut->hide();

  QMenu* file = addTopMenu("mnuFile", "&File");
  platform::MenuArray& fileItems = addMenuItems(
      file, "mnuFileItem", {"&New", "&Open", "-", "&Save", "-", "&Print", "-", "E&xit"},
      [this](int i) { mnuFileItem_Click(i); });
  addSubmenuItems(fileItems(kFileSave), "mnuSaveItem", {"&Input Data", "&Output Data"},
                  [this](int i) { mnuSaveItem_Click(i); });
  addSubmenuItems(fileItems(kFilePrint), "mnuPrintItem", {"&Input File", "&Output File"},
                  [this](int i) { mnuPrintItem_Click(i); });
  QMenu* edit = addTopMenu("mnuEdit", "&Edit");
  addMenuItems(edit, "mnuEditItem", {"&Enter Input data"}, [this](int i) { mnuEditItem_Click(i); });
  QMenu* view = addTopMenu("mnuView", "&View");
  addMenuItems(view, "mnuViewItem",
               {"Current &Input File", "&OutPut File", "Input &Plots", "&Cantilever Wall Results Plots",
                "&Free Earth Method Results Plots", "F&ixed Earth Method Results Plots",
                "&Rowe's Moment Reduction Curves"},
               [this](int i) { mnuViewItem_Click(i); });
  QMenu* solve = addTopMenu("mnuSolve", "&Solve");
  addMenuItems(solve, "mnuSolveItem", {"&Continue Solution"}, [this](int i) { mnuSolveItem_Click(i); });
  addHelpMenu();

  flow::windows().endProgram = [this] { endProgram(); };
  flow::windows().cantileverPlots = [] { ShowResultWindow(plots::ResultWindowKind::Cantilever); };
  flow::windows().freeEarthPlots = [] { ShowResultWindow(plots::ResultWindowKind::FreeEarth); };
  flow::windows().fixedEarthPlots = [] { ShowResultWindow(plots::ResultWindowKind::FixedEarth); };
  flow::windows().inputPlots = ShowInputPlots;
  flow::windows().soilPressurePlots = ShowSoilPressurePlots;
  flow::windows().roweCurves = ShowRoweCurves;
  flow::windows().keyIn = [] { platform::ShowModal<KEYIN>(); };
  flow::windows().wedgeChooser = [this] {
    syncMenus();
    platform::ShowModal<WEDGMETH>();
  };
  flow::windows().pileSections = [] { platform::ShowModal<ROWEPILE>(); };
  flow::windows().aboutBox = ShowAboutSplash;
}

DIRADERU::~DIRADERU() {
  if (theMainWindow == this) theMainWindow = nullptr;
  flow::windows() = flow::Windows{};
}

void DIRADERU::Form_Load() {
  NewLine = "\n";
  {
    auto splash = std::make_unique<splash_form>(splash_form::Mode::Splash);
    splash->load();
    splash->show();
    splash->repaint();
    SplashWait(splashSeconds);
    splash->ShowDisclaimer();
    platform::RunModal(*splash);
    if (DisclaimerAnswer != 1) {
      ended_ = true;  // Decline: nothing else of the start-up runs, no file is touched
      return;
    }
  }
  centreOnScreen();
  place(Image1, 0, 0, ScaleWidth(), ScaleHeight());
  if (!InitTempFolder(CMDialog1)) {
    ended_ = true;
    return;
  }
  InitRoweTables();
  InitPassiveCoefficientTables();
  ResetInputDataAndMenus();
  SetStartMenus();
  centrePanels();
  syncMenus();
}

void DIRADERU::showEvent(QShowEvent* e) {
  platform::Form::showEvent(e);
  // The window has no default button: Enter clicks the panel button that has the focus.
  for (QPushButton* b : {cmdOK, cmdVuOutFile, cmdPlotPres, cmdContinue, cmdDiscontinue}) b->setAutoDefault(true);
}

void DIRADERU::resizeEvent(QResizeEvent* e) {
  platform::Form::resizeEvent(e);
  // A window made larger or smaller by the user keeps its picture and panels fitted.
  if (isLoaded() && Image1) {
    place(Image1, 0, 0, ScaleWidth(), ScaleHeight());
    centrePanels();
  }
}

void DIRADERU::centrePanels() {
  place(fraSoilOut, (ScaleWidth() - 4995) / 2, (ScaleHeight() - 3735) / 2, 4995, 3735);
  place(panDone, (ScaleWidth() - 6135) / 2, (ScaleHeight() - 1455) / 2, 6135, 1455);
}

void DIRADERU::Form_KeyDown(int& KeyCode, int Shift) {
  if (KeyCode == platform::kKeyF4 && Shift == platform::kAltMask) {
    KeyCode = 0;
    mnuFileItem_Click(kFileExit);
  } else if (KeyCode == platform::kKeyEscape) {
    KeyCode = 0;  // Esc does nothing in the main window
  }
}

void DIRADERU::endProgram() {
  ended_ = true;
  unload();
  QCoreApplication::quit();
}

void DIRADERU::mnuFileItem_Click(int Index) {
  switch (Index) {
    case kFileNew: FileNew(); break;
    case kFileOpen: FileOpen(); break;
    case kFileExit: FileExit(); break;
    default: break;
  }
  if (!ended_) syncMenus();
}

void DIRADERU::mnuSaveItem_Click(int Index) {
  SaveItem(Index);
  syncMenus();
}

void DIRADERU::mnuPrintItem_Click(int Index) {
  PrintItem(Index);
  syncMenus();
}

void DIRADERU::mnuEditItem_Click(int) {
  EditInputData();
  syncMenus();
}

void DIRADERU::mnuViewItem_Click(int Index) {
  switch (Index) {
    case kViewInputFile: platform::ShowModal<VUINPTFL>(); break;
    case kViewOutputFile: platform::ShowModal<VUINECHO>(); break;
    case kViewInputPlots: ShowWindowOrNotice(flow::windows().inputPlots); break;
    case kViewCantileverPlots: ShowWindowOrNotice(flow::windows().cantileverPlots); break;
    case kViewFreeEarthPlots:
    case kViewFixedEarthPlots:
      ChoiceIndex = Index == kViewFreeEarthPlots ? 1 : 2;
      AbortRun = 0;  // only this read's outcome counts here
      ReadResultsFile(ChoiceIndex);
      // A read that failed has said so and restored nothing: no window over stale arrays.
      if (AbortRun == 0)
        ShowWindowOrNotice(Index == kViewFreeEarthPlots ? flow::windows().freeEarthPlots
                                                        : flow::windows().fixedEarthPlots);
      break;
    case kViewRoweCurves: ShowWindowOrNotice(flow::windows().roweCurves); break;
    default: break;
  }
  syncMenus();
}

void DIRADERU::mnuSolveItem_Click(int) {
  StartSolution();
  syncMenus();
}

void DIRADERU::cmdVuOutFile_Click() { platform::ShowModal<VUINECHO>(); }

void DIRADERU::cmdPlotPres_Click() { ShowWindowOrNotice(flow::windows().soilPressurePlots); }

void DIRADERU::cmdContinue_Click() {
  ContinueSolution();
  syncMenus();
}

void DIRADERU::cmdDiscontinue_Click() {
  DiscontinueSolution();
  syncMenus();
}

void DIRADERU::cmdOK_Click() {
  CloseResultNotice();
  syncMenus();
}

void DIRADERU::syncMenus() {
  const MainMenuState& m = MainMenus;
  topMenu("mnuFile")->menuAction()->setEnabled(m.fileMenu);
  topMenu("mnuEdit")->menuAction()->setEnabled(m.editMenu);
  topMenu("mnuView")->menuAction()->setEnabled(m.viewMenu);
  topMenu("mnuSolve")->menuAction()->setEnabled(m.solveMenu);
  const auto apply = [this](const char* array, const auto& states) {
    platform::MenuArray& items = menuArray(array);
    for (int i = 0; i < items.size() && i < static_cast<int>(states.size()); ++i) {
      items(i)->setEnabled(states[static_cast<std::size_t>(i)]);
    }
  };
  apply("mnuFileItem", m.fileItem);
  apply("mnuSaveItem", m.saveItem);
  apply("mnuPrintItem", m.printItem);
  apply("mnuViewItem", m.viewItem);
  QAction* edit0 = menuArray("mnuEditItem")(0);
  edit0->setEnabled(m.editItem0);
  if (!m.editCaption.empty()) edit0->setText(platform::fromLatin1(m.editCaption));
  menuArray("mnuSolveItem")(0)->setEnabled(m.solveItem0);
  panDone->setCaption(m.doneCaption);
  panDone->setVisible(m.doneVisible);
  fraSoilOut->setVisible(m.soilOutVisible);
  Image1->setVisible(m.image1Visible);
  if (m.soilOutVisible && !reviewShown_) {
    setTabIndex(cmdVuOutFile, 0);
    setTabIndex(cmdPlotPres, 1);
    setTabIndex(cmdContinue, 2);
    setTabIndex(cmdDiscontinue, 3);
    applyTabOrder();
    cmdVuOutFile->setFocus();
  }
  reviewShown_ = m.soilOutVisible;
  if (m.doneVisible) cmdOK->setFocus();
}

void InstallMainWindowHooks() {
  platform::Form::setHelpMenuHandler([](int index) {
    HelpMenuIndex = index;
    DispatchHelpMenuItem(HelpMenuIndex);
  });
}
