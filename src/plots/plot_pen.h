// What every plot of the plot windows shares: the colours, one pen that draws a plot on
// the screen or moved onto the printed page, the labels placed the way the screen and
// the printer each place text, the column of elevation labels, and the page
// every printed plot stands on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "plots/plot_page.h"

namespace plots {

using platform::Canvas;
using platform::Rgb;

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 127, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kLightGrey{200, 200, 200};
inline constexpr Rgb kBrown{150, 75, 0};

// A plot is drawn with the coordinates of the screen picture; on paper every point moves
// by (dx, dy) and labels are placed through a white point, which moves the printer's
// position without a visible mark.
class PlotPen {
 public:
  PlotPen(Canvas& canvas, bool paper, double dx = 0, double dy = 0)
      : c(canvas), paper(paper), dx(dx), dy(dy) {}

  Canvas& c;
  const bool paper;
  const double dx, dy;

  // The colour of a line: printed plots are black unless a plot names a colour.
  Rgb ink(Rgb screen) const { return paper ? kBlack : screen; }

  void line(double x1, double y1, double x2, double y2, Rgb col) { c.line(x1 + dx, y1 + dy, x2 + dx, y2 + dy, col); }
  void lineTo(double x, double y, Rgb col) { c.line(c.currentX, c.currentY, x + dx, y + dy, col); }
  void box(double x1, double y1, double x2, double y2, Rgb col, bool filled) {
    c.box(x1 + dx, y1 + dy, x2 + dx, y2 + dy, col, filled);
  }
  void pset(double x, double y, Rgb col) { c.pset(x + dx, y + dy, col); }
  void circle(double x, double y, double r, Rgb col) { c.circle(x + dx, y + dy, r, col); }
  void moveTo(double x, double y) {
    c.currentX = x + dx;
    c.currentY = y + dy;
  }

  double width(std::string_view s) const { return c.textWidth(s); }
  double height(std::string_view s) const { return c.textHeight(s); }

  // A text printed from its top-left corner (the text passes through TextBuffer).
  void textAt(std::string_view s, double x, double y);
  // Centred on (cx, cy).
  void centred(std::string_view s, double cx, double cy) { textAt(s, cx - width(s) / 2, cy - height(s) / 2); }
  // Horizontally centred on cx, its top at top.
  void centredTop(std::string_view s, double cx, double top) { textAt(s, cx - width(s) / 2, top); }
  // Horizontally centred on cx, standing on y.
  void standing(std::string_view s, double cx, double y) { textAt(s, cx - width(s) / 2, y - height(s)); }
};

// The column of elevation labels beside a plot. Two elevations a foot or two apart would
// print their labels over each other: a label that would overlap one already in the
// column moves just clear of it, away from it, and the same text at the same place is
// written once (the two sides' surfaces, water or layer bottoms often share an elevation).
// The line a label names stays at its true elevation.
class LabelColumn {
 public:
  explicit LabelColumn(PlotPen& pen) : pen_(pen) {}
  // Places `s` horizontally centred on cx with its top wanted at `top`.
  void place(std::string_view s, double cx, double top);
  void centred(std::string_view s, double cx, double cy) { place(s, cx, cy - pen_.height(s) / 2); }
  void standing(std::string_view s, double cx, double y) { place(s, cx, y - pen_.height(s)); }

 private:
  struct Placed {
    std::string text;
    double wantedTop, top, bottom;
  };
  PlotPen& pen_;
  std::vector<Placed> placed_;
};

// The subtitle of the soil pressure plots: "FOR ANCHORED " or "FOR CANTILEVER ", then
// "WALL DESIGN" or "WALL ANALYSIS".
std::string WallSubtitle();

}  // namespace plots
