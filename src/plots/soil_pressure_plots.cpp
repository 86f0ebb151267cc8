#include "plots/soil_pressure_plots.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/text.h"
#include "plots/plot_pen.h"
#include "plots/plot_scale.h"
#include "pressures/pressure_data.h"
#include "pressures/pressures.h"

namespace plots {

using platform::text::Format;

SoilPlotScales ComputeSoilPlotScales() {
  SoilPlotScales s;
  const int n = NumGridPoints;
  const double Ed = MinOf(SurfaceElev(1, 1), SurfaceElev(2, 1));
  s.PlotBottomElev = Ed - 3 * (WallTopElev - Ed);
  if (Ed - 30 < s.PlotBottomElev) s.PlotBottomElev = Ed - 30;
  if (n >= 3 && s.PlotBottomElev < GridElev(n - 2)) s.PlotBottomElev = GridElev(n - 2);
  // The plots end at the last point whose pressures the wedge method computed.
  const double computedTo = WedgePressuresComputedTo();
  if (s.PlotBottomElev < computedTo) s.PlotBottomElev = computedTo;
  if (n < 1) return s;

  double a = std::max(ActivePressure(1, 1, 1), ActivePressure(2, 1, 1));
  double p = std::max(PassivePressure(1, 1, 1), PassivePressure(2, 1, 1));
  const auto take = [&](int i, int k) {
    for (int side = 1; side <= 2; ++side) {
      if (ActivePressure(side, i, k) > a) a = ActivePressure(side, i, k);
      if (PassivePressure(side, i, k) > p) p = PassivePressure(side, i, k);
    }
  };
  for (int i = 2; i <= n; ++i) {
    take(i, 2);
    if (GridElev(i) < s.PlotBottomElev || GridElev(i) <= computedTo) break;
    take(i, 1);
  }
  s.ActivePressMax = a > 0.0001 ? RoundPlotScale(a) : 0;
  s.PassivePressMax = RoundPlotScale(p);  // a passive maximum not above 0 leaves no diagram

  if (WaterDataType.empty()) return s;
  double hi = NetWaterPressure(1, 1), lo = NetWaterPressure(1, 1);
  for (int i = 2; i <= n; ++i) {
    hi = MaxOf(hi, NetWaterPressure(i, 2));
    lo = MinOf(lo, NetWaterPressure(i, 2));
    if (GridElev(i) <= s.PlotBottomElev) break;
    hi = MaxOf(hi, NetWaterPressure(i, 1));
    lo = MinOf(lo, NetWaterPressure(i, 1));
  }
  lo = std::fabs(lo);
  hi = std::fabs(hi);
  s.NetWaterMin = lo > 0.0001 ? RoundPlotScale(lo) : 0;
  s.NetWaterMax = hi > 0.0001 ? RoundPlotScale(hi) : 0;
  return s;
}

namespace {

// One value of a diagram's walk down the wall: the elevation and the value there.
struct WalkPoint {
  double elev, value;
};

// The walk of a net diagram from the wall top to the first grid point at or below the
// plot bottom: the value just below the top, then at each point the value just above it
// and, above the bottom, the one just below it.
std::vector<WalkPoint> walk(const platform::Array<double, 301, 2>& d, double bottom) {
  std::vector<WalkPoint> out;
  if (NumGridPoints < 1) return out;
  out.push_back({GridElev(1), d(1, 1)});
  for (int i = 2; i <= NumGridPoints; ++i) {
    out.push_back({GridElev(i), d(i, 2)});
    if (GridElev(i) <= bottom) break;
    out.push_back({GridElev(i), d(i, 1)});
  }
  return out;
}

// The elevation axis of all four plots: the wall top at y 1008, the plot bottom at 5328.
struct ElevAxis {
  double bottom;
  bool valid() const { return WallTopElev - bottom > 0; }
  double y(double el) const { return 1008 + 4320 * (WallTopElev - el) / (WallTopElev - bottom); }
};

std::string elevText(double el) { return Format(el, "###0.00"); }

// The reference lines: each elevation labelled in the column and drawn across the boxes.
// `order` runs them as the plot wants them; `spans` are the boxes' x ranges.
void referenceLine(PlotPen& pen, LabelColumn& labels, const ElevAxis& ax, double column, double el,
                   const std::vector<std::pair<double, double>>& spans, Rgb col) {
  const double y = ax.y(el);
  labels.centred(elevText(el), column, y);
  for (const auto& [x1, x2] : spans) pen.line(x1, y, x2, y, col);
}

void layerLines(PlotPen& pen, LabelColumn& labels, const ElevAxis& ax, double column, int side,
                const std::vector<std::pair<double, double>>& spans) {
  for (int layer = 1; layer <= NumSoilLayers(side) - 1; ++layer) {
    if (LayerBottomElev(side, layer) <= ax.bottom) break;
    referenceLine(pen, labels, ax, column, LayerBottomElev(side, layer), spans, kBlack);
  }
}

void waterLine(PlotPen& pen, LabelColumn& labels, const ElevAxis& ax, double column, int side,
               const std::vector<std::pair<double, double>>& spans) {
  if (WaterDataType != "E") return;
  const double w = WaterElev(side);
  if (w > ax.bottom && w < WallTopElev) referenceLine(pen, labels, ax, column, w, spans, pen.ink(kBlue));
}

// ---- side plots ----

struct SideLayout {
  int side;
  double box1[2], box2[2];
  double passiveAxis, passiveSign, activeAxis, activeSign;
  double passiveLabelX, activeLabelX;  // the labels of the maxima; "0" stands on each axis
  double passiveWordX, activeWordX;
  const char* title;
  double titleX, column;
};

constexpr SideLayout kLeftSide{2, {2160, 5040}, {5760, 8640}, 5040, -1, 8640, -1, 2160, 5760,
                               3600, 7200, "LEFTSIDE INITIAL PRESSURES (PSF)", 5400, 864};
constexpr SideLayout kRightSide{1, {960, 3840}, {4560, 7440}, 4560, 1, 960, 1, 7440, 3840,
                                6000, 2400, "RIGHTSIDE INITIAL PRESSURES (PSF)", 4200, 8736};

void drawSidePlot(PlotPen& pen, const SideLayout& L, const SoilPlotScales& s) {
  Canvas& c = pen.c;
  const bool paper = pen.paper;
  const ElevAxis ax{s.PlotBottomElev};
  if (!paper) c.setDrawWidth(2);
  const auto scaleRow = [&](const std::string& text, double x) { pen.centred(text, x, 864); };
  pen.box(L.box1[0], 1008, L.box1[1], 5328, kBlack, false);
  const bool leftPlot = L.side == 2;
  // Box 1 holds the passive diagram in the left-side plot, the active one in the right.
  if (leftPlot) {
    scaleRow(Format(s.PassivePressMax, "0"), L.passiveLabelX);
    scaleRow("0", L.passiveAxis);
  } else {
    scaleRow(Format(s.ActivePressMax, "0"), L.activeLabelX);
    scaleRow("0", L.activeAxis);
  }
  pen.box(L.box2[0], 1008, L.box2[1], 5328, kBlack, false);
  if (leftPlot) {
    scaleRow(Format(s.ActivePressMax, "0"), L.activeLabelX);
    scaleRow("0", L.activeAxis);
  } else {
    scaleRow(Format(s.PassivePressMax, "0"), L.passiveLabelX);
    scaleRow("0", L.passiveAxis);
  }
  for (const auto& [word, x] : {std::pair{"PASSIVE", L.passiveWordX}, std::pair{"ACTIVE", L.activeWordX}}) {
    if (paper)
      pen.centred(word, x, 864);
    else
      pen.centredTop(word, x, 576 + pen.height(word) / 2);
  }
  pen.centredTop(L.title, L.titleX, 216);
  pen.centredTop(paper ? TextBuffer2 : WallSubtitle(), L.titleX, 432);
  pen.centredTop("ELEV.", L.column, 144 + pen.height("ELEV.") / 2);
  pen.centredTop("(FT)", L.column, 432 + pen.height("(FT)") / 2);
  LabelColumn labels(pen);
  labels.setBounds(432 + 1.5 * pen.height("(FT)"), 5328);
  labels.centred(elevText(WallTopElev), L.column, 1008);
  if (!ax.valid()) return;

  const std::vector<std::pair<double, double>> spans{{L.box1[0], L.box1[1]}, {L.box2[0], L.box2[1]}};
  referenceLine(pen, labels, ax, L.column, SurfaceElev(1, 1), spans, kBlack);
  referenceLine(pen, labels, ax, L.column, SurfaceElev(2, 1), spans, kBlack);
  for (int side = 1; side <= 2; ++side) layerLines(pen, labels, ax, L.column, side, spans);
  for (int side = 1; side <= 2; ++side) waterLine(pen, labels, ax, L.column, side, spans);
  const std::string bottom = elevText(s.PlotBottomElev);
  if (paper)
    labels.centred(bottom, L.column, 5328);
  else
    labels.standing(bottom, L.column, 5328);
  labels.draw();

  if (!paper) c.setDrawWidth(3);
  const auto diagram = [&](const platform::Array<double, 2, 301, 2>& P, double axis, double sign, double max, Rgb col) {
    if (!(max > 0) || NumGridPoints < 2) return;
    const auto x = [&](double p) { return axis + sign * 2880 * p / max; };
    double y1 = 1008;
    for (int i = 1; i <= NumGridPoints - 1; ++i) {
      const double xa = x(P(L.side, i, 1)), y2 = ax.y(GridElev(i + 1)), xb = x(P(L.side, i + 1, 2));
      pen.line(axis, y1, xa, y1, col);
      pen.line(xa, y1, xb, y2, col);
      pen.line(xb, y2, axis, y2, col);
      if (GridElev(i + 1) <= s.PlotBottomElev) break;
      y1 = y2;
    }
  };
  diagram(PassivePressure, L.passiveAxis, L.passiveSign, s.PassivePressMax, pen.ink(kGreen));
  diagram(ActivePressure, L.activeAxis, L.activeSign, s.ActivePressMax, pen.ink(kRed));
}

// ---- net plots ----

void drawNetPlot(PlotPen& pen, int choice, const SoilPlotScales& s) {
  Canvas& c = pen.c;
  const bool paper = pen.paper, cantilever = WallType == "C";
  const ElevAxis ax{s.PlotBottomElev};
  NetScale scale;
  if (choice == 3) {
    scale = ComputeNetSoilScale(s.PlotBottomElev);
  } else {
    scale.plus = s.NetWaterMax;
    scale.minus = s.NetWaterMin;
  }
  const double span = scale.plus + scale.minus;
  // Without a scale (every value 0) the zero line stands in the middle and no curve is drawn.
  const double x0 = span > 0 ? 2160 + 5760 * scale.minus / span : 5040;
  const auto x = [&](double p) { return 2160 + 5760 * (p + scale.minus) / span; };

  c.setDrawWidth(2);
  if (paper && choice == 4) c.setDrawStyle(0);
  pen.box(2160, 1008, 7920, 5328, kBlack, false);
  pen.line(x0, 1008, x0, 5328, kBlack);
  const auto scaleLabel = [&](const std::string& text, double xx) {
    if (paper)
      pen.standing(text, xx, 1008);
    else
      pen.centred(text, xx, 864);
  };
  scaleLabel(Format(scale.plus, "0"), 7920);
  scaleLabel(Format(scale.minus, "0"), 2160);
  scaleLabel("0", x0);
  const char* title = choice == 4 ? "INITIAL NET WATER PRESSURES (PSF)"
                      : cantilever ? "INITIAL NET PRESSURES (PSF)"
                                   : "INITIAL NET ACTIVE PRESSURES (PSF)";
  pen.centredTop(title, 5040, paper || choice == 3 ? 144 : 216);
  pen.centredTop(paper ? TextBuffer2 : WallSubtitle(), 5040, choice == 3 ? 360 : 432);
  pen.centredTop("ELEV.", 864, 288);
  pen.centredTop("(FT)", 864, 504);
  LabelColumn labels(pen);
  labels.setBounds(504 + pen.height("(FT)"), 5328);
  labels.centred(elevText(WallTopElev), 864, 1008);
  if (ax.valid()) labels.standing(elevText(s.PlotBottomElev), 864, paper ? 5400 : 5328);
  if (ax.valid()) {
    const std::vector<std::pair<double, double>> spans{{2160, 7920}};
    for (int side = 1; side <= 2; ++side) {
      referenceLine(pen, labels, ax, 864, SurfaceElev(side, 1), spans, kBlack);
      layerLines(pen, labels, ax, 864, side, spans);
      waterLine(pen, labels, ax, 864, side, spans);
    }
  }
  labels.draw();

  const auto curve = [&](const platform::Array<double, 301, 2>& d, Rgb col) {
    if (!(span > 0) || !ax.valid()) return;
    const std::vector<WalkPoint> w = walk(d, s.PlotBottomElev);
    if (w.empty()) return;
    pen.pset(x0, 1008, paper ? kWhite : kLightGrey);
    pen.lineTo(x(w[0].value), 1008, col);
    for (std::size_t i = 1; i < w.size(); ++i) pen.lineTo(x(w[i].value), ax.y(w[i].elev), col);
  };
  if (choice == 3) {
    c.setDrawWidth(paper ? 1 : 3);
    curve(NetPressureA, pen.ink(kRed));
    if (cantilever) {
      if (paper) c.setDrawStyle(1);
      curve(NetPressureP, pen.ink(kGreen));
      // The legend tells the two curves apart: by colour on screen, by dash on paper.
      const double ly = paper ? 648 : 720, a0 = paper ? 2880 : 2736;
      if (paper) c.setDrawStyle(0);
      pen.line(a0, ly, a0 + 720, ly, pen.ink(kRed));
      pen.textAt("NET ACTIVE", paper ? 3744 : 3600, ly - pen.height("NET ACTIVE") / 2);
      if (paper) c.setDrawStyle(1);
      pen.line(5472, ly, 6192, ly, pen.ink(kGreen));
      pen.textAt("NET PASSIVE", 6312, ly - pen.height("NET PASSIVE") / 2);
    }
  } else {
    c.setDrawWidth(3);
    curve(NetWaterPressure, paper ? kRed : kBlue);
  }
}

}  // namespace

NetScale ComputeNetSoilScale(double PlotBottomElev) {
  NetScale s;
  const std::vector<WalkPoint> a = walk(NetPressureA, PlotBottomElev);
  const std::vector<WalkPoint> p = walk(NetPressureP, PlotBottomElev);
  if (a.empty()) return s;
  double aMax = a[0].value, aMin = a[0].value, pMax = p[0].value;
  for (const WalkPoint& w : a) {
    if (w.value > aMax) aMax = w.value;
    if (w.value < aMin) aMin = w.value;
  }
  for (const WalkPoint& w : p)
    if (w.value > pMax) pMax = w.value;
  s.plus = RoundPlotScale(WallType == "C" ? pMax : aMax);
  s.minus = RoundPlotScale(std::fabs(aMin));
  return s;
}

void DrawSoilPressurePlot(Canvas& c, int choice, bool paper) {
  PlotPen pen(c, paper, paper ? 1440 : 0, paper ? 4320 : 0);
  const SoilPlotScales s = ComputeSoilPlotScales();
  // The printed page carries the subtitle the print prepares; it is the screen's text.
  if (paper) TextBuffer2 = WallSubtitle();
  if (choice == 1 || choice == 2) {
    drawSidePlot(pen, choice == 1 ? kLeftSide : kRightSide, s);
    if (paper) SideIndex = 3 - choice;
  } else if (choice == 3 || choice == 4) {
    drawNetPlot(pen, choice, s);
  }
}

}  // namespace plots
