#include "plots/plot_pen.h"

#include <algorithm>
#include <cmath>

#include "model/problem_data.h"

namespace plots {

void PlotPen::textAt(std::string_view s, double x, double y) {
  TextBuffer = std::string(s);
  if (paper) {
    c.pset(x + dx, y + dy, kWhite);
  } else {
    c.currentX = x + dx;
    c.currentY = y + dy;
  }
  c.print(TextBuffer);
}

void LabelColumn::place(std::string_view s, double cx, double top) {
  const double h = pen_.height(s);
  for (const Placed& p : placed_)
    if (p.text == s && p.wantedTop == top) return;
  double t = top;
  // Each pass clears one overlap; a few labels never need more passes than there are.
  for (std::size_t pass = 0; pass <= placed_.size(); ++pass) {
    const Placed* hit = nullptr;
    for (const Placed& p : placed_)
      if (t < p.bottom && t + h > p.top) {
        hit = &p;
        break;
      }
    if (!hit) break;
    t = top >= hit->wantedTop ? hit->bottom : hit->top - h;
  }
  placed_.push_back({std::string(s), top, t, t + h});
  pen_.centredTop(s, cx, t);
}

void DrawPlotPage(Canvas& page) {
  page.setFont("Arial", 8.25);
  PlotPen pen(page, true);
  for (int i = 1; i <= std::min(NumHeadingLines, 2); ++i)
    pen.textAt(HeadingLines(i), 1440, 3744 + 288.0 * (i - 1));
  page.setDrawWidth(2);
  page.setDrawStyle(0);
  page.box(1440, 4320, 11160, 9720, kBlack, false);
}

std::string WallSubtitle() {
  std::string s = WallType == "C" ? "FOR CANTILEVER " : "FOR ANCHORED ";
  if (RunMode == "D") s += "WALL DESIGN";
  else if (RunMode == "A") s += "WALL ANALYSIS";
  return s;
}

}  // namespace plots
