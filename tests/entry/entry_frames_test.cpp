// Every entry window is a fixed dialog frame shown whole: over a main window made smaller
// than the windows and pushed partly off the screen, each keeps the size it was designed
// with, stands wholly on the screen, and none of its frames is cut off at an edge. The
// PNGs show each window where it stands on the screen.
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <functional>
#include <memory>

#include "entry/heading_control_window.h"
#include "entry/horizontal_load_windows.h"
#include "entry/input_hub.h"
#include "entry/pile_sections_window.h"
#include "entry/soil_layer_window.h"
#include "entry/surcharge_windows.h"
#include "entry/surface_window.h"
#include "entry/water_window.h"
#include "entry_fixture.h"
#include "platform/qt/controls.h"
#include "platform/qt/screen.h"
#include "support/screen_png.h"
#include "wall/wall.h"

namespace {

class EntryFrames : public EntryWindowTest {
 protected:
  static void screenPng(platform::Form& f, QScreen* screen, const std::string& name) {
    support::SaveScreenPng(screen, {&f}, QCoreApplication::applicationDirPath() + "/../artifacts", name);
  }

  template <class W>
  static std::function<std::unique_ptr<platform::Form>()> opens(std::function<void(W&)> then = nullptr) {
    return [then] {
      auto w = std::make_unique<W>();
      w->load();
      w->show();
      if (then) then(*w);
      return std::unique_ptr<platform::Form>(std::move(w));
    };
  }
};

struct Showing {
  std::string name;
  std::function<void()> before;
  std::function<std::unique_ptr<platform::Form>()> open;
};

}  // namespace

TEST_F(EntryFrames, PngEveryEntryWindowWholeOnTheScreenOverASmallMainWindow) {
  // A main window smaller than any entry window, its top-left corner off the screen.
  mainStandIn->setWidth(3000);
  mainStandIn->setHeight(2400);
  mainStandIn->setLeft(-1500);
  mainStandIn->setTop(-1200);
  InitRoweTables();
  const auto choice = [](int k) { return [k] { ChoiceIndex = k; }; };
  const std::vector<Showing> showings = {
      {"frame_keyin", nullptr, opens<KEYIN>()},
      {"frame_headcont", nullptr, opens<HEADCONT>()},
      {"frame_surface", nullptr, opens<SURFACE>()},
      {"frame_layrdata_action", nullptr, opens<LAYRDATA>()},
      {"frame_layrdata_grid", nullptr, opens<LAYRDATA>([](LAYRDATA& w) {
         w.control<QPushButton>("cmdEnterRightside")->click();
         w.control<platform::OptionButton>("optStrengths")->setValue(true);
         w.control<QPushButton>("cmdOK")->click();
       })},
      {"frame_water", nullptr, opens<WATER>()},
      {"frame_water_elevations", nullptr, opens<WATER>([](WATER& w) { w.control<QPushButton>("cmdWaterEls")->click(); })},
      {"frame_water_pressures", nullptr, opens<WATER>([](WATER& w) { w.control<QPushButton>("cmdWaterPres")->click(); })},
      {"frame_surcharge_chooser", nullptr, opens<SURCHCON>()},
      {"frame_surcharge_1", choice(1), opens<SURCHARG>()},
      {"frame_surcharge_2", choice(2), opens<SURCHARG>()},
      {"frame_surcharge_3", choice(3), opens<SURCHARG>()},
      {"frame_surcharge_4", choice(4), opens<SURCHARG>()},
      {"frame_surcharge_5", choice(5), opens<SURCHARG>()},
      {"frame_surcharge_6", choice(6), opens<SURCHARG>()},
      {"frame_horizontal_chooser", nullptr, opens<HORCON>()},
      {"frame_horizontal_1", choice(1), opens<HORLOAD>()},
      {"frame_horizontal_2", choice(2), opens<HORLOAD>()},
      {"frame_pile_sections", nullptr, opens<ROWEPILE>()},
  };
  for (const Showing& s : showings) {
    SCOPED_TRACE(s.name);
    if (s.before) s.before();
    std::unique_ptr<platform::Form> f = s.open();
    // A fixed dialog frame: no minimise, no maximise, no resizing.
    EXPECT_EQ(f->minimumSize(), f->maximumSize());
    EXPECT_FALSE(f->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(f->windowFlags() & Qt::WindowCloseButtonHint);
    const QSize before = f->size();
    f->resize(before / 2);
    EXPECT_EQ(f->size(), before);
    // Never smaller than designed, so no frame centred in it is cut off.
    EXPECT_GE(f->ScaleWidth(), 9450 - platform::TwipsPerPixelX());
    EXPECT_GE(f->ScaleHeight(), 6525 - platform::TwipsPerPixelY());
    for (QWidget* child : f->client()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (!child->isVisibleTo(f.get())) continue;
      EXPECT_TRUE(f->client()->rect().contains(child->geometry()))
          << child->objectName().toStdString() << " cut off";
    }
    // Wholly on the screen, the frame included, when the screen can hold it; else its
    // top-left corner (title and menus) on it.
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect avail = screen->availableGeometry();
    const QRect outer(f->x(), f->y(), platform::Form::pixelsX(f->Width()), platform::Form::pixelsY(f->Height()));
    if (outer.width() <= avail.width()) {
      EXPECT_GE(outer.left(), avail.left());
      EXPECT_LE(outer.right(), avail.right());
    } else {
      EXPECT_EQ(outer.left(), avail.left());
    }
    if (outer.height() <= avail.height()) {
      EXPECT_GE(outer.top(), avail.top());
      EXPECT_LE(outer.bottom(), avail.bottom());
    } else {
      EXPECT_EQ(outer.top(), avail.top());
    }
    screenPng(*f, screen, s.name);
    f->unload();
  }
}
