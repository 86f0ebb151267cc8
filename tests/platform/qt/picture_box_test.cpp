#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "platform/qt/controls.h"
#include "platform/qt/form.h"

using platform::Canvas;
using platform::Rgb;

namespace {

// A small plot in the manner of the program's: a frame, labels placed by their top-left
// corners, a dashed reference line, a curve, a circle and a colour bar.
void drawSample(Canvas& c) {
  const Rgb black{0, 0, 0}, red{255, 0, 0}, blue{0, 0, 255};
  c.setFont("Arial", 8.25);
  c.setDrawWidth(1);
  c.box(2160, 1008, 7920, 5328, black, false);
  const std::string title = "BENDING MOMENT (LB-FT)";
  c.currentX = 5040 - c.textWidth(title) / 2;
  c.currentY = 576;
  c.print(title);
  for (int i = 0; i <= 4; ++i) {
    const double y = 1008 + 1080.0 * i;
    const std::string label = std::to_string(20 - 5 * i) + ".00";
    c.currentX = 2088 - c.textWidth(label);
    c.currentY = y - c.textHeight(label) / 2;
    c.print(label);
  }
  c.setDrawStyle(1);
  c.line(2160, 3168, 7920, 3168, blue);
  c.setDrawStyle(0);
  c.setDrawWidth(2);
  c.pset(5040, 1008, red);
  for (int i = 1; i <= 40; ++i) {
    const double t = i / 40.0;
    c.lineTo(5040 + 2400 * t * (1 - t) * 4 * (t < 0.5 ? 1 : -0.5), 1008 + 4320 * t, red);
  }
  c.circle(6480, 2160, 240, black);
  Rgb colour{0, 0, 255};
  for (int i = 0; i < 50; ++i) {
    c.box(150 + 117 * i, 5500, 150 + 117 * i + 117, 5680, colour, true);
    if (i >= 1 && i <= 12) colour.g = static_cast<std::uint8_t>(colour.g + 21);
    if (i >= 13 && i <= 24) colour.b = static_cast<std::uint8_t>(colour.b - 21);
    if (i >= 25 && i <= 36) colour.r = static_cast<std::uint8_t>(colour.r + 21);
    if (i >= 37 && i <= 48) colour.g = static_cast<std::uint8_t>(colour.g - 21);
  }
}

}  // namespace

TEST(PictureBox, PaintsThroughTheCanvasAndKeepsAPngForAPerson) {
  platform::Form form("PICTURE");
  form.setClientSize(9000, 6000);
  auto* pic = new platform::PictureBox(form.client());
  pic->setObjectName("picPlot");
  platform::Form::place(pic, 0, 0, 9000, 6000);
  int paints = 0;
  pic->setPaint([&](Canvas& c) {
    ++paints;
    drawSample(c);
  });
  form.show();
  const QImage shot = pic->grab().toImage();
  ASSERT_GT(paints, 0);
  QDir().mkpath("artifacts");
  ASSERT_TRUE(shot.save("artifacts/picture_box.png"));

  // A few robust pixels: the background, inside the first and last colour boxes.
  const double tx = platform::Form::twipsX(1), ty = platform::Form::twipsY(1);
  auto at = [&](double x, double y) { return shot.pixelColor(int(x / tx), int(y / ty)); };
  EXPECT_EQ(at(8800, 200), QColor(224, 224, 224));
  EXPECT_EQ(at(150 + 58, 5590), QColor(0, 0, 255));
  EXPECT_EQ(at(150 + 117 * 49 + 58, 5590), QColor(252, 0, 3));
  // The picture keeps the pen and font the last Paint left.
  EXPECT_EQ(pic->state().drawWidth, 2);
  EXPECT_EQ(pic->state().fontName, "Arial");

  // The off-screen rendering paints the same picture.
  const QImage again = pic->image();
  EXPECT_EQ(again.size(), shot.size());
  EXPECT_EQ(again.pixelColor(int((150 + 58) / tx), int(5590 / ty)), QColor(0, 0, 255));
}
