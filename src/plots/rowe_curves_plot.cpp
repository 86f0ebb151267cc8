#include "plots/rowe_curves_plot.h"

#include <algorithm>
#include <string>

#include "model/problem_data.h"
#include "platform/text.h"
#include "plots/plot_pen.h"
#include "wall/rowe.h"
#include "wall/wall_data.h"

namespace plots {

double RoweChartX(double logRho) { return (logRho + 3.5) / 2 * 7200 + 1440; }
double RoweChartY(double ratio) { return 4752 - ratio / 1.2 * 4320; }

void DrawRoweChart(Canvas& c, bool paper) {
  PlotPen pen(c, paper, paper ? 1440 : 0, paper ? 4320 : 0);
  const auto X = RoweChartX;
  const auto Y = RoweChartY;
  const Rgb black = kBlack, grey = paper ? kWhite : kLightGrey;
  c.setDrawWidth(2);
  const std::string title = "ROWE'S MOMENT REDUCTION FOR SAND (ALPHA= " + platform::text::Format(RoweAlpha, "0.00") + ")";
  pen.centred(title, 5040, 288);
  double v = 1.2;
  for (int k = 1; k <= 7; ++k) {
    const double y = 432 + 720.0 * (k - 1);
    pen.line(1440, y, 8640, y, black);
    if (k == 7) v = 0;
    const std::string s = platform::text::Format(v, "0.0");
    pen.textAt(s, 1152 - pen.width(s), y - pen.height(s) / 2);
    v -= 0.2;
  }
  pen.line(216, 2592, 648, 2592, black);
  pen.centred("M", 432, 2484);
  pen.centredTop("Mo", 432, 2538 + pen.height("Mo") / 2);
  for (int k = 1; k <= 5; ++k) {
    const double x = 1440 + 1800.0 * (k - 1);
    pen.line(x, 432, x, 4752, black);
    const std::string s = platform::text::NumberToTextPlain(-3.5 + 0.5 * (k - 1));
    pen.centredTop(s, x, 4752 + pen.height(s) / 2);
  }
  pen.centred("LOG(H^4/EI)", 5040, 5256);

  if (RoweSoilType == 2) {
    // The sand curves say nothing about a wall in clay; the report holds its reduction.
    // The note stands across three of the grid's verticals: on a patch of the chart's
    // own background, so that no line runs through its letters. The patch stays inside
    // the frame, whose sides stay whole.
    const double w = pen.width(kRoweClayNote), h = pen.height(kRoweClayNote);
    pen.box(std::max(5040 - w / 2 - 72, 1440.0 + 30), 2232 - h / 2 - 36, std::min(5040 + w / 2 + 72, 8640.0 - 30),
            2232 + h / 2 + 36, paper ? kWhite : kPictureBackground, true);
    pen.centred(kRoweClayNote, 5040, 2232);
    return;
  }

  const auto C = [](int i, int k) { return RoweCurveAtAlpha(i, k); };
  const Rgb green = pen.ink({0, 255, 0}), blue = pen.ink(kBlue), red = pen.ink(kRed);
  pen.pset(1440, Y(C(1, 1)), grey);
  for (int k = 2; k <= 151; ++k) {
    const double x = (k - 351) / 100.0;
    pen.lineTo(X(x), Y(RoweLooseCoefficient(x)), green);
  }
  pen.lineTo(X(-1.5), Y(RoweLooseCoefficient(-2.0)), green);
  pen.pset(1440, Y(C(2, 1)), grey);
  double prev = Y(C(2, 1));
  for (int k = 2; k <= 201; ++k) {
    const double x = (k - 351) / 100.0;
    double y = Y(RoweDenseCoefficient(x));
    if (y < prev) y = prev;  // the drawn curve never rises
    pen.lineTo(X(x), y, blue);
    prev = y;
  }
  pen.line(7200, Y(C(2, 4)), 7560, Y(C(2, 4)) - 576, blue);
  const double denseTop = Y(C(2, 4)) - 576 - pen.height("DENSE") / 2;
  pen.textAt("DENSE", 7632, denseTop);
  // The two curves end close together, and their names would print over each other:
  // the LOOSE leader then reaches higher, so that its name stands clear above DENSE.
  double looseTop = Y(C(1, 4)) - 612 - (paper ? pen.height("LOOSE") / 2 : 0);
  double lift = 0;
  const bool overlap = 7272 + pen.width("LOOSE") > 7632 && looseTop + pen.height("LOOSE") > denseTop &&
                       looseTop < denseTop + pen.height("DENSE");
  if (overlap) lift = looseTop + pen.height("LOOSE") - denseTop + 36;
  looseTop -= lift;
  pen.line(6840, Y(C(1, 4)), 7200, Y(C(1, 4)) - 576 - lift, green);
  pen.textAt("LOOSE", 7272, looseTop);

  // Each section's name stands on a leader up and to the right of its point. A name that
  // would pass the right edge stands to the left instead, and one that would pass the top
  // edge or run into the title hangs below its point: every name stays inside the picture
  // on screen and inside the box on paper, clear of the title.
  const double titleWidth = pen.width(title), titleBottom = 288 + pen.height(title) / 2;
  for (int i = 1; i <= NumPileSections && i <= 13; ++i) {
    const double lr = PileLogRho(i), ratio = PileMomentRatio(i);
    if (!(lr >= -3.5 && lr <= -1.5 && ratio <= 1.2)) continue;
    const std::string& name = PileSectionName(i);
    const double x = X(lr), y = Y(ratio), w = pen.width(name), h = pen.height(name);
    const bool right = x + 432 + w <= kRoweChartRight;
    const double left = right ? x + 432 : std::max(0.0, x - 432 - w);
    const double topAbove = y - 576 - h / 2;
    const bool underTitle = left < 5040 + titleWidth / 2 && left + w > 5040 - titleWidth / 2;
    const bool above = topAbove >= 0 && !(underTitle && topAbove < titleBottom);
    const double leaderY = above ? y - 576 : y + 576;
    pen.circle(x, y, 72, red);
    pen.pset(x, y, grey);
    pen.lineTo(right ? x + 360 : x - 360, leaderY, red);
    pen.textAt(name, left, leaderY - h / 2);
  }
}

}  // namespace plots
