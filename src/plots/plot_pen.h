// What every plot of the plot windows shares: the colours, one pen that draws a plot on
// the screen or moved onto the printed page, the labels placed the way the screen and
// the printer each place text, the column of elevation labels, and the page
// every printed plot stands on.
#pragma once

#include <functional>
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
inline constexpr Rgb kPictureBackground{224, 224, 224};  // what a picture is erased to

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

// One label of an elevation column: the top it wants, its height, and the y of the line
// it names, which gives its place in the column.
struct ColumnSlot {
  double wantedTop, height, level;
};

// The tops of a column's labels, so that no two overlap. The labels keep the order of
// their lines; one that has room stays where it wants to be; labels that crowd each other
// spread from there by the least moves (the least sum of their squares), so a group of
// them stays centred on its lines and none drifts far from its own. The column keeps
// within lo .. hi, unless the wanted places already reach beyond or the labels cannot all
// fit in it.
std::vector<double> PlaceColumnLabels(const std::vector<ColumnSlot>& slots, double lo, double hi);

// The column of elevation labels beside a plot. Labels are gathered as the plot draws its
// lines, then placed together by PlaceColumnLabels and printed in the order given: two
// elevations a foot apart would otherwise print their labels over each other. The same
// text at the same place is written once (the two sides' grounds, water or layer bottoms
// often share an elevation). The lines stay at their true elevations.
class LabelColumn {
 public:
  // Prints a text from its top-left corner.
  using Print = std::function<void(const std::string& text, double left, double top)>;
  // Measures in `measure`'s font and prints through `print`.
  LabelColumn(const Canvas& measure, Print print);
  // Prints through the pen (white points on paper).
  explicit LabelColumn(PlotPen& pen);
  LabelColumn(const LabelColumn&) = delete;
  LabelColumn& operator=(const LabelColumn&) = delete;
  ~LabelColumn() { draw(); }

  // The room the column has, in the coordinates the labels are given in.
  void setBounds(double lo, double hi) { lo_ = lo, hi_ = hi; }
  // `s` horizontally centred on cx, its top wanted at `top`, naming the line at `level`.
  void place(std::string_view s, double cx, double top, double level);
  void centred(std::string_view s, double cx, double cy) { place(s, cx, cy - height(s) / 2, cy); }
  void standing(std::string_view s, double cx, double y) { place(s, cx, y - height(s), y); }
  // Places and prints the labels gathered so far; once.
  void draw();

 private:
  double height(std::string_view s) const { return measure_.textHeight(s); }
  struct Label {
    std::string text;
    double cx, width;
    ColumnSlot slot;
  };
  const Canvas& measure_;
  Print print_;
  std::vector<Label> labels_;
  double lo_, hi_;
};

// The subtitle of the soil pressure plots: "FOR ANCHORED " or "FOR CANTILEVER ", then
// "WALL DESIGN" or "WALL ANALYSIS".
std::string WallSubtitle();

}  // namespace plots
