#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/qt/painter_canvas.h"
#include "platform/recording_canvas.h"

using platform::CanvasOp;
using platform::PainterCanvas;
using platform::RecordingCanvas;
using platform::Rgb;

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};

// A white image at 96 DPI, as a 96-DPI screen would show it.
QImage image96(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.setDotsPerMeterX(3780);  // 96.01 DPI rounds back to 96
  img.setDotsPerMeterY(3780);
  img.fill(Qt::white);
  return img;
}

bool dark(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 128; }

// The box around every dark pixel.
QRect inkBox(const QImage& img) {
  QRect r;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (dark(img, x, y)) r = r.united(QRect(x, y, 1, 1));
  return r;
}

}  // namespace

TEST(PainterCanvas, A1440TwipLineIsOneInchAt96Dpi) {
  QImage img = image96(200, 40);
  ASSERT_EQ(img.logicalDpiX(), 96);
  {
    QPainter p(&img);
    PainterCanvas c = PainterCanvas::forDevice(p);
    c.line(0, 150, 1440, 150, kBlack);
    EXPECT_DOUBLE_EQ(c.currentX, 1440);
    EXPECT_DOUBLE_EQ(c.currentY, 150);
  }
  const QRect ink = inkBox(img);
  EXPECT_EQ(ink.left(), 0);
  EXPECT_NEAR(ink.right(), 96, 1);
  EXPECT_EQ(ink.top(), 10);  // 150 twips = 10 pixels
  EXPECT_EQ(ink.height(), 1);
}

TEST(PainterCanvas, PenWidthsAreDevicePixelsTimesTheScale) {
  QImage img = image96(100, 100);
  {
    QPainter p(&img);
    // As on a 1200-DPI printer: width 2 becomes 4 device pixels, not a hairline.
    PainterCanvas c(p, 96, 96, 2.0);
    c.setDrawWidth(2);
    c.line(0, 750, 1440, 750, kBlack);
  }
  const QRect ink = inkBox(img);
  EXPECT_EQ(ink.height(), 4);
}

TEST(PainterCanvas, TextIsPlacedByItsTopLeftCorner) {
  QImage img = image96(300, 200);
  double w = 0, h = 0;
  {
    QPainter p(&img);
    PainterCanvas c = PainterCanvas::forDevice(p);
    c.setFont("Arial", 12);
    c.currentX = 1440;
    c.currentY = 1440;
    w = c.textWidth("HEH");
    h = c.textHeight("HEH");
    c.print("HEH");
    // Without ";" the position goes back to the left edge, one line down.
    EXPECT_DOUBLE_EQ(c.currentX, 0);
    EXPECT_DOUBLE_EQ(c.currentY, 1440 + h);
    c.currentX = 100;
    c.print("A", true);
    EXPECT_DOUBLE_EQ(c.currentX, 100 + c.textWidth("A"));
  }
  // Only the first text lies right of x 50 px; find it there.
  const QRect ink = inkBox(img.copy(50, 0, 250, 200)).translated(50, 0);
  ASSERT_FALSE(ink.isNull());
  // Capitals start at or just below the top of the text box and never above it.
  EXPECT_GE(ink.top(), 96);
  EXPECT_LE(ink.top(), 96 + 6);
  EXPECT_GE(ink.left(), 96);
  EXPECT_LE(ink.left(), 96 + 3);
  EXPECT_LE(ink.bottom(), 96 + h / 15);
  EXPECT_LE(ink.right(), 96 + w / 15 + 1);
  // A 12-point font is about 16 pixels high at 96 DPI: the size is not scaled.
  EXPECT_NEAR(h / 15, 16 * 1.15, 5);
}

// A heading may hold a character beyond Latin-1 (typed, or read from a UTF-8 file): it is
// drawn and measured as that one character, not as the bytes' Latin-1 letters.
TEST(PainterCanvas, AHeadingKeptInUtf8IsDrawnAndMeasuredAsItsCharacters) {
  QImage img = image96(300, 100);
  QPainter p(&img);
  PainterCanvas c = PainterCanvas::forDevice(p);
  c.setFont("Arial", 12);
  const std::string enDash = "A\xE2\x80\x93" "B";  // "A–B" in UTF-8
  const std::string latin1 = "A\xB0" "B";         // "A°B" in Latin-1 stays Latin-1
  QFontMetricsF fm(QFont("Arial", 12), &img);
  EXPECT_NEAR(c.textWidth(enDash), fm.horizontalAdvance(QString::fromUtf8("A\u2013B")) * 15, 1e-6);
  EXPECT_NEAR(c.textWidth(latin1), fm.horizontalAdvance(QString::fromLatin1("A\xB0" "B")) * 15, 1e-6);
}

TEST(PainterCanvas, PointsBoxesAndCirclesMoveTheCurrentPoint) {
  QImage img = image96(200, 200);
  QPainter p(&img);
  PainterCanvas c = PainterCanvas::forDevice(p);
  c.pset(2700, 2550, kRed);
  EXPECT_EQ(c.currentX, 2700);
  EXPECT_EQ(c.currentY, 2550);
  c.box(150, 150, 1500, 1200, kBlack, true);
  EXPECT_EQ(c.currentX, 1500);
  EXPECT_EQ(c.currentY, 1200);
  c.circle(750, 750, 300, kBlack);
  EXPECT_EQ(c.currentX, 750);
  EXPECT_EQ(c.currentY, 750);
  c.lineTo(1500, 750, kBlack);
  EXPECT_EQ(c.currentX, 1500);
  p.end();
  EXPECT_TRUE(dark(img, 50, 50));  // inside the filled box
  EXPECT_EQ(img.pixelColor(180, 170), QColor(255, 0, 0));
}

TEST(RecordingCanvas, FakeMetricsMakeLabelPositionsHandComputable) {
  RecordingCanvas c;
  // A label centred on x 6480 with its top at 4536, placed the way the printed plots do:
  // a white point at the top-left corner, then the text.
  const std::string s = "FOR CANTILEVER WALL DESIGN";
  const double w = c.textWidth(s), h = c.textHeight(s);
  EXPECT_EQ(w, 2600);
  EXPECT_EQ(h, 200);
  c.pset(6480 - w / 2, 4536, {255, 255, 255});
  c.print(s);
  const CanvasOp* t = c.findText(s);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->x1, 5180);
  EXPECT_EQ(t->y1, 4536);
  EXPECT_EQ(c.currentX, 0);
  EXPECT_EQ(c.currentY, 4736);
  c.currentX = 100;
  c.print("AB", true);
  EXPECT_EQ(c.currentX, 300);
  EXPECT_EQ(c.currentY, 4736);

  c.setDrawWidth(3);
  c.line(1, 2, 3, 4, {255, 0, 0});
  const auto lines = c.all(CanvasOp::Kind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].drawWidth, 3);
  EXPECT_EQ(lines[0].color, (Rgb{255, 0, 0}));
  EXPECT_EQ(c.texts(), (std::vector<std::string>{s, "AB"}));
}

TEST(PainterCanvas, DashesKeepTheirScreenLengthOnPaper) {
  // A 1200-DPI page, a pen of DrawWidth 1 (2 device pixels): the dashes must be about as
  // long as on a 96-DPI screen (4 pixels = 1/24 inch), not 8 device pixels that print as
  // a solid line.
  auto firstDash = [](double dpi, double penScale) {
    const int px = static_cast<int>(dpi) + 40;
    QImage img(px, 40, QImage::Format_RGB32);
    img.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
    img.setDotsPerMeterY(static_cast<int>(dpi / 0.0254 + 0.5));
    img.fill(Qt::white);
    {
      QPainter p(&img);
      PainterCanvas c(p, dpi, dpi, penScale);
      c.setDrawStyle(1);
      c.line(0, 20 * 1440 / dpi, 1440, 20 * 1440 / dpi, kBlack);
    }
    int run = 0;
    for (int x = 0; x < img.width(); ++x) {
      if (dark(img, x, 20)) ++run;
      else if (run > 0) return run;
    }
    return 0;  // no gap at all
  };
  const int screen = firstDash(96, 1.0);
  EXPECT_GE(screen, 3);
  EXPECT_LE(screen, 6);
  const int paper = firstDash(1200, 2.0);
  EXPECT_NEAR(paper / 1200.0, screen / 96.0, 2.0 / 96) << paper << " device pixels";
}
