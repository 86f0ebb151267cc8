// The load windows' explanatory pictures: each stays inside its picture, names the
// quantities of its boxes, and puts each dimension where its load is drawn.
#include <gtest/gtest.h>

#include <algorithm>

#include "entry/load_pictures.h"
#include "platform/recording_canvas.h"

using platform::CanvasOp;
using platform::RecordingCanvas;

namespace {

// Everything drawn lies inside 0..w by 0..h, texts by their whole box.
void ExpectInside(const RecordingCanvas& c, double w, double h) {
  for (const CanvasOp& op : c.ops) {
    switch (op.kind) {
      case CanvasOp::Kind::Line:
      case CanvasOp::Kind::Box:
      case CanvasOp::Kind::FilledBox:
        EXPECT_GE(std::min(op.x1, op.x2), 0);
        EXPECT_LE(std::max(op.x1, op.x2), w);
        EXPECT_GE(std::min(op.y1, op.y2), 0);
        EXPECT_LE(std::max(op.y1, op.y2), h);
        break;
      case CanvasOp::Kind::Text:
        EXPECT_GE(op.x1, 0) << op.text;
        EXPECT_LE(op.x1 + RecordingCanvas::kCharWidth * static_cast<double>(op.text.size()), w) << op.text;
        EXPECT_GE(op.y1, 0) << op.text;
        EXPECT_LE(op.y1 + RecordingCanvas::kTextHeight, h) << op.text;
        break;
      default:
        break;
    }
  }
}

// The far end of the dimension labelled `text`: its label starts one tick past it.
double DimensionEnd(const RecordingCanvas& c, const std::string& text, double tick) {
  const CanvasOp* t = c.findText(text);
  return t ? t->x1 - tick : -1;
}

TEST(LoadPictures, EachStaysInsideAndNamesItsBoxes) {
  const struct {
    int type;
    bool horizontal;
    std::vector<std::string> marks;
  } pictures[] = {
      {1, false, {"QL", "DL"}},
      {2, false, {"QU"}},
      {3, false, {"QS", "DS1", "DS2"}},
      {4, false, {"QR", "DR1", "DR2"}},
      {5, false, {"QT", "DT1", "DT2", "DT3"}},
      {6, false, {"QVi", "QVi+1", "DVi", "DVi+1"}},
      {1, true, {"HL", "EL"}},
      {2, true, {"DLi", "DLi+1", "ELi", "ELi+1"}},
  };
  // The sizes the windows give them, and a wider one.
  for (const auto& [w, h] : {std::pair{5550.0, 1170.0}, std::pair{7065.0, 2100.0}, std::pair{8505.0, 2600.0},
                             std::pair{1800.0, 2370.0}, std::pair{1920.0, 4200.0}}) {
    for (const auto& p : pictures) {
      if (p.horizontal != (w < h)) continue;
      SCOPED_TRACE(std::to_string(p.type) + (p.horizontal ? " horizontal" : " vertical") +
                   " at " + std::to_string(w));
      RecordingCanvas c;
      if (p.horizontal) {
        entry::DrawHorizontalLoadPicture(c, p.type, w, h);
      } else {
        entry::DrawSurchargePicture(c, p.type, w, h);
      }
      ExpectInside(c, w, h);
      for (const std::string& mark : p.marks) EXPECT_NE(c.findText(mark), nullptr) << mark;
      // Loads are red, and there is at least one arrow of them.
      const auto lines = c.all(CanvasOp::Kind::Line);
      EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                              [](const CanvasOp& l) { return l.color == platform::Rgb{255, 0, 0}; }));
    }
  }
}

TEST(LoadPictures, DistancesAreMeasuredFromTheWallToTheirLoad) {
  RecordingCanvas c;
  entry::DrawSurchargePicture(c, 5, 4800, 1800);
  // The peak of the triangle (the top of its red outline) stands over the end of the DT2
  // dimension, and the three distances grow in their order.
  const auto lines = c.all(CanvasOp::Kind::Line);
  double peakX = 0, peakY = 1e9;
  for (const CanvasOp& l : lines) {
    if (!(l.color == platform::Rgb{255, 0, 0})) continue;
    for (auto [x, y] : {std::pair{l.x1, l.y1}, std::pair{l.x2, l.y2}}) {
      if (y < peakY) peakY = y, peakX = x;
    }
  }
  const double tick = 1800 * 0.035;
  const double dt1 = DimensionEnd(c, "DT1", tick), dt2 = DimensionEnd(c, "DT2", tick),
               dt3 = DimensionEnd(c, "DT3", tick);
  EXPECT_LT(dt1, dt2);
  EXPECT_LT(dt2, dt3);
  EXPECT_NEAR(dt2, peakX, 1.0);
}

}  // namespace

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include "platform/qt/painter_canvas.h"

namespace {

// The pictures as a person sees them, for the artifacts folder.
TEST(LoadPictures, RenderedForAPersonToLookAt) {
  const QString dir = QCoreApplication::applicationDirPath() + "/../artifacts";
  QDir().mkpath(dir);
  for (int k = 1; k <= 8; ++k) {
    QImage image(480, 180, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    platform::PainterCanvas c(painter, 144, 144);
    if (k <= 6) {
      entry::DrawSurchargePicture(c, k, 4800, 1800);
    } else {
      entry::DrawHorizontalLoadPicture(c, k - 6, 4800, 1800);
    }
    painter.end();
    EXPECT_TRUE(image.save(dir + QString("/load_picture_%1.png").arg(k)));
  }
}

}  // namespace
