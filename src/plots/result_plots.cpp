#include "plots/result_plots.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "model/problem_data.h"
#include "platform/text.h"
#include "plots/plot_page.h"
#include "plots/plot_pen.h"
#include "pressures/pressure_data.h"
#include "wall/wall_data.h"

namespace plots {

using platform::Canvas;
using platform::Rgb;

namespace {

constexpr Rgb kGrey{200, 200, 200};

// Paper draws the screen figure moved by this much.
constexpr double kPaperDx = 1440, kPaperDy = 4320;

// The single frame of the deflection, moment, shear, net soil and net water plots, in
// screen twips.
constexpr double kLeft = 2160, kRight = 7920, kTop = 1008, kBottom = 5328;
constexpr double kWidth = kRight - kLeft, kHeight = kBottom - kTop;

const ResultWindowConfig kWindows[] = {
    {ResultWindowKind::Cantilever, "CANPLOT", "CANTILEVER WALL RESULTS", 1, false,
     "FOR CANTILEVER WALL DESIGN", "FOR CANTILEVER WALL ANALYSIS", "Design &Pressures",
     "&Net Soil Pressure", "Net &Water Pressures", 360, "Cantilever Wall Results Plot"},
    {ResultWindowKind::FreeEarth, "FREEPLOT", "ANCHORED WALL RESULTS BY FREE EARTH METHOD", 1, true,
     "FOR ANCHORED WALL DESIGN BY FREE EARTH METHOD", "FOR ANCHORED WALL ANALYSIS BY FREE EARTH METHOD",
     "&Pressures", "&Net Soil Pressures", "Net &Water Pressures", 420, "Free Earth Method Results Plot"},
    {ResultWindowKind::FixedEarth, "FIXDPLOT", "ANCHORED WALL RESULTS BY FIXED EARTH METHOD", 2, true,
     "FOR ANCHORED WALL DESIGN BY FIXED EARTH METHOD", "FOR ANCHORED WALL ANALYSIS BY FIXED EARTH METHOD",
     "&Pressures", "&Net Soil Pressure", "Net &Water Pressure", 420, "Fixed Earth Method Results Plot"},
};

std::string Elev(double e) { return platform::text::Format(e, "###0.00"); }

enum class Align { Top, Centre, Bottom };

// Where a plot draws: the target, its offset and the elevation scale of its window.
struct Surface {
  Canvas& c;
  const ResultWindowConfig& w;
  const ResultScales& s;
  PlotTarget target;
  double ox = 0, oy = 0;
  double top = 0, tip = 0;  // WallTopElev, TipElev(r)

  Surface(Canvas& canvas, const ResultWindowConfig& win, const ResultScales& scales, PlotTarget t)
      : c(canvas), w(win), s(scales), target(t) {
    if (paper()) ox = kPaperDx, oy = kPaperDy;
    top = WallTopElev;
    tip = TipElev(w.method);
    // The window's font, in which the screen texts are measured; paper keeps the page's.
    if (!paper()) c.setFont("MS Sans Serif", 8.25, true);
  }
  bool paper() const { return target == PlotTarget::Paper; }
  // A wall top level with its tip (or no numbers at all) has no elevation scale: the
  // frame and its labels are drawn, nothing placed by elevation.
  bool hasElevationScale() const { return top - tip > 0 && std::isfinite(top - tip); }
  double y(double e) const { return oy + kTop + kHeight * (top - e) / (top - tip); }

  // A text placed by its top left corner: on screen by the text position, on paper by a
  // white point there first.
  void put(double x, double yTop, const std::string& text) {
    if (paper()) c.pset(x, yTop, kWhite);
    c.currentX = x;
    c.currentY = yTop;
    c.print(text);
  }
  // A text centred on x, its top, centre or bottom at y.
  void label(double x, double yAt, Align a, const std::string& text) {
    const double h = c.textHeight(text);
    put(x - c.textWidth(text) / 2, topOf(yAt, a, h), text);
  }
  static double topOf(double yAt, Align a, double h) {
    return a == Align::Top ? yAt : a == Align::Centre ? yAt - h / 2 : yAt - h;
  }

  // A label of the elevation column, placed with the others by `column` when it draws
  // (so that no two print over each other). `levelAt` is the y of the elevation
  // labelled, where that differs from yAt.
  void columnLabel(double x, double yAt, Align a, const std::string& text,
                   std::optional<double> levelAt = std::nullopt) {
    column.place(text, x, topOf(yAt, a, c.textHeight(text)), levelAt.value_or(yAt));
  }
  LabelColumn column{c, [this](const std::string& text, double left, double top) { put(left, top, text); }};
};

std::string SubtitleOf(const ResultWindowConfig& w) {
  return RunMode == "A" ? w.analysisSubtitle : w.designSubtitle;
}

// ---- the elevation axis of the single-frame plots ----

void DrawElevationAxis(Surface& f, int plot) {
  const bool screen = !f.paper();
  // The cantilever deflection plot hangs its top label below the edge and stands its
  // surface and water labels on their lines; the free earth moment plot lifts "ELEV.".
  const bool hanging = screen && f.w.kind == ResultWindowKind::Cantilever && plot == kDeflectionPlot;
  const bool liftedHeading = screen && f.w.kind == ResultWindowKind::FreeEarth && plot == kMomentPlot;
  const double x = f.ox + 864;
  f.label(x, f.oy + (liftedHeading ? 216 : 288), Align::Top, "ELEV.");
  f.label(x, f.oy + 504, Align::Top, "(FT)");
  // The column runs from under its heading down to the tip's label.
  const double tipBottom = screen ? 5364 : kPaperDy + 5400;
  f.column.setBounds(f.oy + 504 + f.c.textHeight("(FT)"), tipBottom);
  f.columnLabel(x, f.oy + kTop, hanging ? Align::Top : Align::Centre, Elev(f.top));
  // On paper the tip label stands on the page frame's bottom edge.
  f.columnLabel(x, tipBottom, Align::Bottom, Elev(f.tip), f.oy + kBottom);
  if (!f.hasElevationScale()) {
    f.column.draw();
    return;
  }

  const auto mark = [&](double e, Align a, Rgb colour) {
    const double y = f.y(e);
    f.columnLabel(x, y, a, Elev(e));
    f.c.line(f.ox + kLeft, y, f.ox + kRight, y, colour);
  };
  const Align onLine = hanging ? Align::Bottom : Align::Centre;
  for (int side = 1; side <= 2; ++side) {
    mark(SurfaceElev(side, 1), onLine, kBlack);
    for (int k = 1; k <= NumSoilLayers(side) - 1; ++k) {
      const double e = LayerBottomElev(side, k);
      if (e <= f.tip) break;
      mark(e, Align::Centre, kBlack);
    }
    if (WaterDataType == "E") {
      const double e = WaterElev(side);
      if (f.tip < e && e < f.top) mark(e, onLine, screen ? kBlue : kBlack);
    }
  }
  // The anchor of an anchored wall, also on paper: a printed moment or shear diagram
  // whose jump has no level beside it leaves the reader to guess where the anchor is.
  if (f.w.anchored && plot <= kNetSoilPlot) mark(AnchorElev, Align::Centre, screen ? kRed : kBlack);
  f.column.draw();
}

// ---- the single-frame plots ----

struct SingleFramePlot {
  int plot;
  std::string title;
  ScaleEnds ends;            // max at the positive end, min at the negative end
  const char* mask;
  bool positiveLeft;         // deflection grows to the left of its zero line
  bool minLabelAlways;       // else only when min is above 0
  Rgb curve;
};

// The value axis of a single-frame plot.
struct ValueAxis {
  double left, span, max, min;
  bool positiveLeft;
  bool usable() const { return span > 0 && std::isfinite(span); }
  double x(double v) const {
    return positiveLeft ? left + kWidth * (max - v) / span : left + kWidth * (v + min) / span;
  }
  double zero() const { return usable() ? x(0) : left + kWidth / 2; }
};

// Frame, zero line, end labels, titles and (on screen) the elevation axis; returns the
// value axis for the curve, or nothing to draw when either scale has no span.
ValueAxis DrawSingleFrame(Surface& f, const SingleFramePlot& p) {
  ValueAxis ax{f.ox + kLeft, p.ends.span(), p.ends.max, p.ends.min, p.positiveLeft};
  const double x0 = ax.zero();
  f.c.setDrawWidth(2);
  if (f.paper()) DrawElevationAxis(f, p.plot);
  f.c.box(f.ox + kLeft, f.oy + kTop, f.ox + kRight, f.oy + kBottom, kBlack, false);
  f.c.line(x0, f.oy + kTop, x0, f.oy + kBottom, kBlack);

  // The negative end carries its sign: the deflection grows to the left, and an
  // unsigned right-hand label would read as a positive deflection.
  const std::string maxText = platform::text::Format(p.ends.max, p.mask);
  const std::string minText = platform::text::Format(p.ends.min > 0 ? -p.ends.min : 0.0, p.mask);
  const double maxX = f.ox + (p.positiveLeft ? kLeft : kRight);
  const double minX = f.ox + (p.positiveLeft ? kRight : kLeft);
  const bool showMin = p.minLabelAlways || p.ends.min > 0;
  // The "0" of the zero line is left out where it would print over an end label (a zero
  // line at or near an edge): that label and the line itself show where zero is.
  const auto clear = [&](double x, const std::string& text) {
    return std::abs(x - x0) >= (f.c.textWidth(text) + f.c.textWidth("0")) / 2;
  };
  const bool showZero = clear(maxX, maxText) && (!showMin || clear(minX, minText));
  if (f.paper()) {
    // Each label stands on the box's top edge.
    f.label(maxX, f.oy + kTop, Align::Bottom, maxText);
    if (showMin) f.label(minX, f.oy + kTop, Align::Bottom, minText);
    if (showZero) f.label(x0, f.oy + kTop, Align::Bottom, "0");
  } else {
    // One level for all three, from the first label's height.
    const double yTop = 864 - f.c.textHeight(maxText) / 2;
    f.put(maxX - f.c.textWidth(maxText) / 2, yTop, maxText);
    if (showMin) f.put(minX - f.c.textWidth(minText) / 2, yTop, minText);
    if (showZero) f.put(x0 - f.c.textWidth("0") / 2, yTop, "0");
  }
  // The printed cantilever net soil plot has its titles a little lower.
  const bool lowered = f.paper() && f.w.kind == ResultWindowKind::Cantilever && p.plot == kNetSoilPlot;
  f.label(f.ox + 5040, f.oy + (lowered ? 288 : 216), Align::Top, p.title);
  f.label(f.ox + 5040, f.oy + (lowered ? 504 : 432), Align::Top, SubtitleOf(f.w));
  if (!f.paper()) DrawElevationAxis(f, p.plot);
  f.c.setDrawWidth(3);
  if (!f.hasElevationScale()) ax.span = 0;
  return ax;
}

// A result profile from the wall top (drawn on the frame's top edge) to the tip.
void DrawProfilePlot(Surface& f, const SingleFramePlot& p, const platform::Array<double, 301>& values) {
  const ValueAxis ax = DrawSingleFrame(f, p);
  if (!ax.usable()) return;
  const double yTop = f.oy + kTop;
  if (p.plot == kDeflectionPlot) {
    f.c.pset(ax.x(values(1)), yTop, p.curve);
  } else {
    f.c.pset(ax.zero(), yTop, f.paper() ? kWhite : kGrey);
    f.c.lineTo(ax.x(values(1)), yTop, p.curve);
  }
  const int n = std::min(TipIndex(f.w.method), 301);
  for (int i = 2; i <= n; ++i) f.c.lineTo(ax.x(values(i)), f.y(ResultElev(i)), p.curve);
}

Rgb ScreenOrPaper(const Surface& f, Rgb screen, Rgb paper) { return f.paper() ? paper : screen; }

// Printed, the cantilever window keeps its moment and net soil curves red.
Rgb PrintedProfileColour(const Surface& f, int plot) {
  const bool red = f.w.kind == ResultWindowKind::Cantilever && (plot == kMomentPlot || plot == kNetSoilPlot);
  return red ? kRed : kBlack;
}

// ---- the side soil pressure plots ----

// The layout of the left-side (s = 1) and right-side (s = 2) plots in screen twips:
// every position is linear in s, so one is the other's mirror.
struct SideLayout {
  int s;
  double firstFrame() const { return 3360 - 1200.0 * s; }
  double secondFrame() const { return 6960 - 1200.0 * s; }
  double activeZero() const { return 16320 - 7680.0 * s; }
  double activeMax() const { return 7680 - 1920.0 * s; }
  double activeHeading() const { return 12000 - 4800.0 * s; }
  double passiveZero() const { return 5520 - 480.0 * s; }
  double passiveMax() const { return 5280.0 * s - 3120; }
  double passiveHeading() const { return 2400.0 * s + 1200; }
  double titleX() const { return 6600 - 1200.0 * s; }
  double axisX() const { return 7872.0 * s - 7008; }
  int direction() const { return 2 * s - 3; }
  int arraySide() const { return 3 - s; }
};

void DrawSideDiagram(Surface& f, const platform::Array<double, 2, 301, 2>& pressure, int side, double max, double zero,
                     int d, Rgb colour) {
  if (!(max > 0) || !f.hasElevationScale()) return;
  const auto x = [&](double p) { return zero + d * 2880 * p / max; };
  double y1 = f.oy + kTop;
  for (int i = 1; i <= NumGridPoints - 1; ++i) {
    const double xa = x(pressure(side, i, 1));
    const double y2 = f.y(GridElev(i + 1));
    const double xb = x(pressure(side, i + 1, 2));
    f.c.line(zero, y1, xa, y1, colour);
    f.c.line(xa, y1, xb, y2, colour);
    f.c.line(xb, y2, zero, y2, colour);
    if (GridElev(i + 1) <= f.tip) break;
    y1 = y2;
  }
}

}  // namespace

const ResultWindowConfig& ResultWindow(ResultWindowKind kind) {
  return kWindows[static_cast<int>(kind)];
}

std::string ResultSubtitle(const ResultWindowConfig& w) { return SubtitleOf(w); }

ResultScales ComputeResultScales(int r) {
  ResultScales s;
  s.deflection = ScaleEndsOf(DeflectionRange(r, 1), DeflectionRange(r, 2));
  s.moment = ScaleEndsOf(MomentRange(r, 1), MomentRange(r, 2));
  s.shear = ScaleEndsOf(ShearRange(r, 1), ShearRange(r, 2));
  s.netPressure = ScaleEndsOf(NetPressureRange(r, 1), NetPressureRange(r, 2));

  // The soil and water maxima follow the path the diagrams draw: point 1's value just
  // below, then each point's value just above and, above the tip, just below; ending at
  // the first grid point at or below the tip. (Bounding the grid by the count of result
  // points would reach past the tip, down to the far points, and squash the diagrams.)
  const double tip = TipElev(r);
  const int n = std::min(NumGridPoints, 301);
  double active = 0, passive = 0, wMax = 0, wMin = 0;
  if (n >= 1) {
    active = std::max(ActivePressure(1, 1, 1), ActivePressure(2, 1, 1));
    passive = std::max(PassivePressure(1, 1, 1), PassivePressure(2, 1, 1));
    wMax = wMin = NetWaterPressure(1, 1);
  }
  const auto take = [&](int i, int k) {
    for (int side = 1; side <= 2; ++side) {
      active = std::max(active, ActivePressure(side, i, k));
      passive = std::max(passive, PassivePressure(side, i, k));
    }
    wMax = std::max(wMax, NetWaterPressure(i, k));
    wMin = std::min(wMin, NetWaterPressure(i, k));
  };
  for (int i = 2; i <= n; ++i) {
    take(i, 2);
    if (GridElev(i) <= tip) break;
    take(i, 1);
  }
  s.ActivePressureMax = active <= 0.0001 ? 0 : RoundPlotScale(active);
  s.PassivePressureMax = RoundPlotScale(passive);  // 0 when not above 0
  if (WaterDataType != "") {
    const ScaleEnds water = ScaleEndsOf(std::fabs(wMax), wMin);  // both magnitudes
    s.WaterPressureMax = water.max;
    s.WaterPressureMin = water.min;
  }
  return s;
}

void DrawDeflectionPlot(Canvas& c, const ResultWindowConfig& w, const ResultScales& s, PlotTarget t) {
  Surface f(c, w, s, t);
  const std::string title = RunMode == "A" ? "DEFLECTION (IN)" : "SCALED DEFLECTION (LB-IN^3)";
  DrawProfilePlot(f, {kDeflectionPlot, title, s.deflection, "0.00E+00", true, false, ScreenOrPaper(f, kRed, kBlack)},
                  ResultDeflection);
}

void DrawMomentPlot(Canvas& c, const ResultWindowConfig& w, const ResultScales& s, PlotTarget t) {
  Surface f(c, w, s, t);
  DrawProfilePlot(f,
                  {kMomentPlot, "BENDING MOMENT (LB-FT)", s.moment, "0.00E+00", false, false,
                   ScreenOrPaper(f, kRed, PrintedProfileColour(f, kMomentPlot))},
                  ResultMoment);
}

void DrawShearPlot(Canvas& c, const ResultWindowConfig& w, const ResultScales& s, PlotTarget t) {
  Surface f(c, w, s, t);
  DrawProfilePlot(f, {kShearPlot, "SHEAR (LB)", s.shear, "0", false, true, ScreenOrPaper(f, kRed, kBlack)},
                  ResultShear);
}

void DrawNetSoilPlot(Canvas& c, const ResultWindowConfig& w, const ResultScales& s, PlotTarget t) {
  Surface f(c, w, s, t);
  const char* title = f.paper() ? "SOIL PRESSURE (PSF)" : "NET SOIL PRESSURE (PSF)";
  DrawProfilePlot(f,
                  {kNetSoilPlot, title, s.netPressure, "0", false, true,
                   ScreenOrPaper(f, kRed, PrintedProfileColour(f, kNetSoilPlot))},
                  ResultNetPressure);
}

void DrawNetWaterPlot(Canvas& c, const ResultWindowConfig& w, const ResultScales& s, PlotTarget t) {
  Surface f(c, w, s, t);
  const Rgb colour = ScreenOrPaper(f, kBlue, kBlack);
  const ValueAxis ax = DrawSingleFrame(
      f, {kNetWaterPlot, "NET WATER PRESSURES (PSF)", {s.WaterPressureMax, s.WaterPressureMin}, "0", false, true, colour});
  if (!ax.usable()) return;
  const double yTop = f.oy + kTop;
  f.c.pset(ax.zero(), yTop, f.paper() ? kWhite : kGrey);
  f.c.lineTo(ax.x(NetWaterPressure(1, 1)), yTop, colour);
  const int n = std::min(NumGridPoints, 301);
  for (int i = 2; i <= n; ++i) {
    const double y = f.y(GridElev(i));
    f.c.lineTo(ax.x(NetWaterPressure(i, 2)), y, colour);
    if (GridElev(i) <= f.tip) break;
    f.c.lineTo(ax.x(NetWaterPressure(i, 1)), y, colour);
  }
}

void DrawSidePressurePlot(Canvas& c, const ResultWindowConfig& w, const ResultScales& s, int plot, PlotTarget t) {
  Surface f(c, w, s, t);
  const SideLayout L{plot == kRightSidePlot ? 2 : 1};
  const bool screen = !f.paper();
  const double ox = f.ox, oy = f.oy;
  const std::string activeMax = platform::text::Format(s.ActivePressureMax, "0");
  const std::string passiveMax = platform::text::Format(s.PassivePressureMax, "0");
  const double first = ox + L.firstFrame(), second = ox + L.secondFrame();
  const auto frame = [&](double left) { c.box(left, oy + kTop, left + 2880, oy + kBottom, kBlack, false); };

  c.setDrawWidth(2);
  if (screen) {
    // Each frame with its maximum at the far edge and "0" at the zero edge, on one level.
    const auto frameWithScale = [&](double left, const std::string& max, double maxX, double zeroX) {
      frame(left);
      const double yTop = 864 - c.textHeight(max) / 2;
      f.put(maxX - c.textWidth(max) / 2, yTop, max);
      f.put(zeroX - c.textWidth("0") / 2, yTop, "0");
    };
    if (L.s == 1) {
      frameWithScale(first, passiveMax, L.passiveMax(), L.passiveZero());
      frameWithScale(second, activeMax, L.activeMax(), L.activeZero());
    } else {
      frameWithScale(first, activeMax, L.activeMax(), L.activeZero());
      frameWithScale(second, passiveMax, L.passiveMax(), L.passiveZero());
    }
    for (const auto& [heading, x] : {std::pair<const char*, double>{"PASSIVE", L.passiveHeading()},
                                     std::pair<const char*, double>{"ACTIVE", L.activeHeading()}})
      f.label(x, 576 + c.textHeight(heading) / 2, Align::Top, heading);
  } else {
    frame(first);
    frame(second);
    const double row = oy + 864;
    f.label(ox + L.activeZero(), row, Align::Centre, "0");
    f.label(ox + L.activeMax(), row, Align::Centre, activeMax);
    f.label(ox + L.activeHeading(), row, Align::Centre, "ACTIVE");
    f.label(ox + L.passiveZero(), row, Align::Centre, "0");
    f.label(ox + L.passiveMax(), row, Align::Centre, passiveMax);
    f.label(ox + L.passiveHeading(), row, Align::Centre, "PASSIVE");
  }
  const char* title = L.s == 1 ? "LEFTSIDE SOIL PRESSURES (PSF)" : "RIGHTSIDE SOIL PRESSURES (PSF)";
  f.label(ox + L.titleX(), oy + 216, Align::Top, title);
  f.label(ox + L.titleX(), oy + 432, Align::Top, SubtitleOf(w));

  // The elevation column of its own, beside the frames.
  const double xe = ox + L.axisX();
  f.label(xe, oy + 144 + c.textHeight("ELEV.") / 2, Align::Top, "ELEV.");
  f.label(xe, oy + 432 + c.textHeight("(FT)") / 2, Align::Top, "(FT)");
  f.column.setBounds(oy + 432 + 1.5 * c.textHeight("(FT)"), screen ? 5364 : oy + kBottom);
  f.columnLabel(xe, oy + kTop, Align::Centre, Elev(f.top));
  // The tip: on screen just under the frames, on paper centred on their bottom edge.
  if (screen)
    f.columnLabel(xe, 5364, Align::Bottom, Elev(f.tip), kBottom);
  else
    f.columnLabel(xe, oy + kBottom, Align::Centre, Elev(f.tip));
  if (f.hasElevationScale()) {
    const auto mark = [&](double e, Rgb colour) {
      const double y = f.y(e);
      f.columnLabel(xe, y, Align::Centre, Elev(e));
      c.line(first, y, first + 2880, y, screen ? colour : kBlack);
      c.line(second, y, second + 2880, y, screen ? colour : kBlack);
    };
    const auto layers = [&] {
      for (int side = 1; side <= 2; ++side) {
        for (int k = 1; k <= NumSoilLayers(side) - 1; ++k) {
          const double e = LayerBottomElev(side, k);
          if (e <= f.tip) break;
          mark(e, kBlack);
        }
      }
    };
    const auto water = [&] {
      if (WaterDataType != "E") return;
      for (int side = 1; side <= 2; ++side) {
        const double e = WaterElev(side);
        if (f.tip < e && e < f.top) mark(e, kBlue);
      }
    };
    mark(SurfaceElev(1, 1), kBlack);
    mark(SurfaceElev(2, 1), kBlack);
    if (screen) {
      layers();
      water();
    } else {
      water();
      layers();
    }
    if (w.anchored) mark(AnchorElev, kRed);
  }
  f.column.draw();

  const int side = L.arraySide(), d = L.direction();
  const auto passive = [&] {
    DrawSideDiagram(f, PassivePressure, side, s.PassivePressureMax, ox + L.passiveZero(), d,
                    screen ? kGreen : kBlack);
  };
  const auto active = [&] {
    DrawSideDiagram(f, ActivePressure, side, s.ActivePressureMax, ox + L.activeZero(), d, screen ? kRed : kBlack);
  };
  if (screen) {
    c.setDrawWidth(3);
    passive();
    active();
  } else {
    active();
    passive();
  }
}

void DrawResultPlot(Canvas& c, const ResultWindowConfig& w, const ResultScales& s, int plot, PlotTarget t) {
  switch (plot) {
    case kDeflectionPlot: DrawDeflectionPlot(c, w, s, t); break;
    case kMomentPlot: DrawMomentPlot(c, w, s, t); break;
    case kShearPlot: DrawShearPlot(c, w, s, t); break;
    case kNetSoilPlot: DrawNetSoilPlot(c, w, s, t); break;
    case kLeftSidePlot:
    case kRightSidePlot: DrawSidePressurePlot(c, w, s, plot, t); break;
    case kNetWaterPlot: DrawNetWaterPlot(c, w, s, t); break;
    default: break;
  }
}

void DrawResultPage(Canvas& page, const ResultWindowConfig& w, const ResultScales& s, int plot) {
  DrawPlotPage(page);
  DrawResultPlot(page, w, s, plot, PlotTarget::Paper);
}

TwipRect PlotBoxPlace(double scaleWidth, double outerHeight) {
  TwipRect r;
  r.width = scaleWidth;
  r.height = static_cast<float>(0.76 * outerHeight);
  r.left = 0;
  r.top = static_cast<float>((outerHeight - r.height) / 2);
  return r;
}

}  // namespace plots
