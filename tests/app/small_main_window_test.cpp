// The windows of the main window that copy its size and place, other than the plots and
// the entry frames: the report viewer, the input file viewer and the wedge-method chooser.
// Over a main window made small (300 x 200 pixels) each grows to what keeps it usable and
// is moved the least to stand whole on the screen; over the main window as it opens each
// covers it exactly. The PNGs show each window where it stands on the screen, over the
// small main window.
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "app/app_fixture.h"
#include "app/viewers.h"
#include "platform/qt/screen.h"
#include "pressures/pressure_data.h"
#include "support/screen_png.h"

using platform::Form;

namespace {

// `w` lies wholly inside the client of `f`.
::testing::AssertionResult WhollyInClient(const Form& f, const QWidget* w) {
  if (!w) return ::testing::AssertionFailure() << "no such control";
  const QRect r(w->mapTo(f.client(), QPoint(0, 0)), w->size());
  if (!w->isVisibleTo(&f)) return ::testing::AssertionFailure() << w->objectName().toStdString() << " hidden";
  if (f.client()->rect().contains(r)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << w->objectName().toStdString() << " at " << r.x() << "," << r.y() << " "
                                       << r.width() << "x" << r.height() << " outside the client "
                                       << f.client()->width() << "x" << f.client()->height();
}

// The menu bar shows each of its titles whole, none folded into its overflow button.
void ExpectWholeMenuBar(const Form& f) {
  QMenuBar* bar = f.menuBar();
  ASSERT_NE(bar, nullptr);
  for (QAction* a : bar->actions()) {
    const QRect r = bar->actionGeometry(a);
    EXPECT_FALSE(r.isEmpty()) << a->text().toStdString() << " folded away";
    EXPECT_TRUE(bar->rect().contains(r)) << a->text().toStdString() << " cut off";
  }
  if (auto* more = bar->findChild<QWidget*>("qt_menubar_ext_button")) {
    EXPECT_FALSE(more->isVisible());
  }
}

// What keeps each window usable.
void ExpectChooserUsable(Form& f) {
  for (const char* name : {"panWedgMeth", "cmdSweep", "cmdFixed"})
    EXPECT_TRUE(WhollyInClient(f, f.findChild<QWidget*>(name)));
  // Centred, to a pixel.
  const QWidget* panel = f.findChild<QWidget*>("panWedgMeth");
  EXPECT_LE(std::abs(panel->x() - (f.client()->width() - panel->x() - panel->width())), 1);
  EXPECT_LE(std::abs(panel->y() - (f.client()->height() - panel->y() - panel->height())), 1);
}

// A viewer that reads: forty columns of a report and five lines of it at least.
constexpr int kReadableColumns = 40, kReadableLines = 5;

void ExpectViewerUsable(Form& f) {
  auto& v = static_cast<TextViewer&>(f);
  QPlainTextEdit* text = v.textBox();
  EXPECT_EQ(text->geometry(), f.client()->rect());
  const QFontMetrics fm(text->font());
  const QWidget* page = text->viewport();
  EXPECT_GE(page->width(), kReadableColumns * fm.horizontalAdvance('0')) << "too few columns";
  EXPECT_GE(page->height(), kReadableLines * fm.lineSpacing()) << "too few lines";
  EXPECT_TRUE(text->verticalScrollBar()->isVisible());
  ExpectWholeMenuBar(f);
}

}  // namespace

class SmallMainWindow : public AppTest {
 protected:
  struct Window {
    const char* name;
    std::function<void()> show;               // shows it modal from the main window
    std::function<void(Form&)> expectUsable;
    std::function<void(Form&)> leave;
  };

  std::vector<Window> windows() {
    std::string lines;
    for (int i = 1; i <= 60; ++i)
      lines += "LINE " + std::to_string(100 + i) + std::string(68, '.') + " END\r\n";
    CurrentInputFile = user("long.dat", lines);
    CurrentOutputFile = user("long.out", lines);
    const auto finished = [](Form& f) { static_cast<TextViewer&>(f).mnuFinished_Click(); };
    return {{"VUINECHO", [] { platform::ShowModal<VUINECHO>(); }, ExpectViewerUsable, finished},
            {"VUINPTFL", [] { platform::ShowModal<VUINPTFL>(); }, ExpectViewerUsable, finished},
            {"WEDGMETH",
             [] {
               PressureMethod(1) = "W";
               platform::ShowModal<WEDGMETH>();
             },
             ExpectChooserUsable, [](Form& f) { f.control<QPushButton>("cmdSweep")->click(); }}};
  }

  // The main window 300 x 200 pixels (outer size) with its top-left corner at `at`.
  void smallMainWindow(QPoint at) {
    window->setWidth(Form::twipsX(300));
    window->setHeight(Form::twipsY(200));
    window->setLeft(Form::twipsX(at.x()));
    window->setTop(Form::twipsY(at.y()));
  }

  // The screen as a user sees it: the main window and the window over it where they
  // stand, the rest dark.
  void screenPng(Form& f, const std::string& name) {
    support::SaveScreenPng(f.screen(), {window.get(), &f}, QString::fromStdString((artifacts() / "windows").string()),
                           "small_main_" + name);
  }
};

TEST_F(SmallMainWindow, EachWindowStaysUsableAndWhollyOnTheScreen) {
  start();
  const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
  // Near the top-left corner the window keeps the main window's place; overhanging the
  // bottom-right corner it has to move.
  const std::pair<const char*, QPoint> places[] = {{"near_top_left", avail.topLeft() + QPoint(40, 30)},
                                                   {"over_bottom_right", avail.bottomRight() - QPoint(150, 100)}};
  for (const Window& w : windows()) {
    for (const auto& [where, at] : places) {
      const std::string name = std::string(w.name) + "_" + where;
      SCOPED_TRACE(name);
      smallMainWindow(at);
      bool shown = false;
      runner.on(w.name, [&, at = at](Form& f) {
        shown = true;
        ASSERT_TRUE(f.isVisible());
        w.expectUsable(f);
        // Never smaller than the main window, placed where it was or moved the least onto
        // the screen.
        const int outerWidth = Form::pixelsX(f.Width()), outerHeight = Form::pixelsY(f.Height());
        EXPECT_GE(outerWidth, 300);
        EXPECT_GE(outerHeight, 200);
        EXPECT_EQ(f.x(), std::min(at.x(), avail.left() + avail.width() - outerWidth));
        EXPECT_EQ(f.y(), std::min(at.y(), avail.top() + avail.height() - outerHeight));
        EXPECT_GE(f.x(), avail.left());
        EXPECT_GE(f.y(), avail.top());
        screenPng(f, name);
        // Still resizable: larger at will, never smaller than what keeps it usable.
        const QSize size = f.size();
        f.resize(size / 2);
        w.expectUsable(f);
        f.resize(size + QSize(60, 40));
        EXPECT_EQ(f.size(), size + QSize(60, 40));
        w.expectUsable(f);
        w.leave(f);
      });
      w.show();
      EXPECT_TRUE(shown);
    }
  }
}

TEST_F(SmallMainWindow, OverTheMainWindowAsItOpensEachWindowCoversItExactly) {
  start();
  const double t = platform::TwipsPerPixelX();
  for (const Window& w : windows()) {
    SCOPED_TRACE(w.name);
    runner.on(w.name, [&](Form& f) {
      EXPECT_NEAR(f.Left(), window->Left(), t);
      EXPECT_NEAR(f.Top(), window->Top(), t);
      EXPECT_NEAR(f.Width(), window->Width(), t);
      EXPECT_NEAR(f.Height(), window->Height(), t);
      w.expectUsable(f);
      w.leave(f);
    });
    w.show();
  }
}
