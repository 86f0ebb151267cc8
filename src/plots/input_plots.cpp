#include "plots/input_plots.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/text.h"
#include "plots/plot_pen.h"
#include "plots/plot_scale.h"

namespace plots {

using platform::text::Format;

namespace {

std::string elevationLabel(double e) { return "EL= " + Format(e, "###0.0"); }

}  // namespace

// ---- system sketch ----

SketchScales ComputeSketchScales() {
  SketchScales s;
  s.elevMax = WallTopElev;
  s.elevMin = WallTopElev - 10;
  if (WallType == "A") s.elevMin = AnchorElev;
  if (RunMode == "A") s.elevMin = WallBottomElev;
  for (int side = 1; side <= 2; ++side) {
    const int n = NumSurfacePoints(side);
    double& extent = s.extent[side - 1];
    extent = 10;
    // A side without surface points has no last point to measure, nor a ground at the wall.
    if (n > 0) {
      if (SurfaceDist(side, n) > 0) extent = SurfaceDist(side, n);
      if (SurfaceElev(side, 1) < s.elevMin) s.elevMin = SurfaceElev(side, 1);
    }
    if (n > 1)
      for (int i = 1; i <= n; ++i) {
        s.elevMax = MaxOf(s.elevMax, SurfaceElev(side, i));
        s.elevMin = MinOf(s.elevMin, SurfaceElev(side, i));
      }
    if (WaterDataType == "E") {
      s.elevMax = MaxOf(s.elevMax, WaterElev(side));
      s.elevMin = MinOf(s.elevMin, WaterElev(side));
    }
    for (int i = 1; i <= NumSoilLayers(side) - 1; ++i) s.elevMin = MinOf(s.elevMin, LayerBottomElev(side, i));
  }
  s.elevMin -= 1;
  s.extent[0] += 1;
  s.extent[1] += 1;
  return s;
}

namespace {

struct Sketch {
  PlotPen& pen;
  SketchScales s;
  LabelColumn column{pen};
  double H() const { return s.elevMax - s.elevMin + 1; }
  double y(double e) const { return 5400 * (1 - (e - s.elevMin) / H()); }
  double x(int side, double d) const {
    const double g = side == 1 ? 1 : -1;
    return 1920 + 7200 * (g * d + s.extent[1]) / (s.extent[0] + s.extent[1]);
  }
  double wallX() const { return 1920 + 7200 * s.extent[1] / (s.extent[0] + s.extent[1]); }
  double face(int side) const { return wallX() + (side == 1 ? 72 : -72); }
  static double outer(int side) { return (2 - side) * 7200.0 + 1920; }
  // Labels stand in one column left of the drawing: x 960 on screen, 2520 on the page.
  double labelX() const { return pen.paper ? 2520 - pen.dx : 960; }
  void label(double e, double yy) { column.centred(elevationLabel(e), labelX(), yy); }
};

// Where a layer boundary leaves the ground, walking the surface segments outward: the
// distance, or a negative value when it stays under the ground to the edge.
double boundaryCrossing(int side, double L, double k) {
  const int n = NumSurfacePoints(side);
  if (n < 2) return -1;
  double D0 = 0, S0 = SurfaceElev(side, 1);
  int first = 1;
  if (!(SurfaceDist(side, 1) > 0)) {
    D0 = SurfaceDist(side, 1);
    first = 2;
  }
  for (int i = first; i <= n; ++i) {
    const double D = SurfaceDist(side, i), S = SurfaceElev(side, i);
    if (D > 0 && (S - L) / D < k) {
      const double m = D != D0 ? (S - S0) / (D - D0) : 0;
      if (k == m) return D;
      return (S0 - m * D0 - L) / (k - m);
    }
    D0 = D;
    S0 = S;
  }
  return -1;
}

}  // namespace

void DrawSystemSketch(Canvas& c, bool paper) {
  PlotPen pen(c, paper, paper ? 1680 : 0, paper ? 4320 : 0);
  Sketch k{pen, ComputeSketchScales()};
  if (!(k.H() > 0)) return;
  k.column.setBounds(0, 5400);  // the drawing's height
  const double xw = k.wallX();

  // The wall, down to the bottom of the drawing in design, to its tip in analysis.
  const double yb = RunMode == "A" ? k.y(WallBottomElev) : 5400;
  pen.box(xw - 72, k.y(WallTopElev), xw + 72, yb, kBlack, true);
  k.label(WallTopElev, k.y(WallTopElev));
  if (RunMode == "A") {
    const std::string s = elevationLabel(WallBottomElev);
    if (paper)
      k.column.centred(s, k.labelX(), yb);
    else
      k.column.standing(s, k.labelX(), yb);
  }
  if (!paper) c.setDrawWidth(2);

  for (int side = 1; side <= 2; ++side) {
    const int n = NumSurfacePoints(side);
    if (n == 0) continue;  // no ground entered on this side yet
    const double y0 = k.y(SurfaceElev(side, 1)), xf = k.face(side);
    if (n == 1) {
      pen.line(xf, y0, Sketch::outer(side), y0, kBlack);
    } else {
      if (SurfaceDist(side, 1) > 0) {
        pen.line(xf, y0, k.x(side, SurfaceDist(side, 1)), y0, kBlack);
      } else {
        pen.moveTo(xf, y0);
      }
      for (int i = 2; i <= n; ++i) pen.lineTo(k.x(side, SurfaceDist(side, i)), k.y(SurfaceElev(side, i)), kBlack);
    }
    k.label(SurfaceElev(side, 1), y0);
  }

  for (int side = 1; side <= 2; ++side) {
    for (int i = 1; i <= NumSoilLayers(side) - 1; ++i) {
      const double L = LayerBottomElev(side, i), slope = LayerBottomSlope(side, i);
      // A boundary that starts above the ground at the wall is no boundary in the soil.
      if (NumSurfacePoints(side) > 0 && L > SurfaceElev(side, 1)) continue;
      double xe = Sketch::outer(side), ye = k.y(L + slope * k.s.extent[side - 1]);
      const double d = boundaryCrossing(side, L, slope);
      if (d >= 0) {
        xe = k.x(side, d);
        if (!paper) xe = side == 1 ? std::min(xe, 9120.0) : std::max(xe, 1920.0);
        ye = k.y(L + slope * d);
      }
      pen.line(k.face(side), k.y(L), xe, ye, pen.ink(kBrown));
      k.label(L, k.y(L));
    }
  }

  if (WaterDataType == "E") {
    const Rgb blue = pen.ink(kBlue);
    for (int side = 1; side <= 2; ++side) {
      const double yw = k.y(WaterElev(side));
      pen.line(k.face(side), yw, Sketch::outer(side), yw, blue);
      const double xm = k.x(side, k.s.extent[side - 1] / 2);
      pen.line(xm, yw, xm + 144, yw - 144, blue);
      pen.lineTo(xm - 144, yw - 144, blue);
      pen.lineTo(xm, yw, blue);
      pen.line(xm - 216, yw + 72, xm + 216, yw + 72, blue);
      pen.line(xm - 144, yw + 144, xm + 144, yw + 144, blue);
      pen.line(xm - 72, yw + 216, xm + 72, yw + 216, blue);
      k.label(WaterElev(side), yw);
    }
  }

  if (WallType == "A") {
    c.setDrawWidth(3);
    const double ya = k.y(AnchorElev);
    const Rgb red = pen.ink(kRed);
    pen.line(xw + 72, ya, 9120, ya, red);
    pen.line(9120, ya, 9048, ya - 72, red);
    pen.lineTo(9048, ya + 72, red);
    pen.lineTo(9120, ya, red);
    k.label(AnchorElev, ya);
  }
  k.column.draw();
}

// ---- vertical surcharge diagrams ----

int SurchargeCount() {
  int n = 0;
  for (int side = 1; side <= 2; ++side)
    n += NumLineLoads(side) + NumUniformLoads(side) + NumStripLoads(side) +
         NumRampLoads(side) + NumTriangularLoads(side) + NumVariablePoints(side);
  return n;
}

namespace {

struct Diagram {
  PlotPen& pen;
  double D = 0, Q = 0;
  double across = 3600;  // twips from the wall to the largest distance (2880 for ramps)
  // A distance or load scale of 0 puts everything at the wall or on the base line.
  double x(int side, double d) const { return D > 0 ? 5040 + (3 - 2 * side) * d / D * across : 5040; }
  double y(double q) const { return Q > 0 ? 3024 - q / Q * 1440 : 3024; }
  Rgb sideColour(int side) const { return pen.ink(side == 1 ? kRed : kGreen); }
  Rgb fill(int side) const { return pen.paper ? kLightGrey : sideColour(side); }
};

void drawWall(PlotPen& pen) {
  for (double y : {1008.0, 2160.0, 3312.0, 4464.0}) pen.line(5040, y, 5040, y + 864, kBlack);
  pen.box(4968, 3888, 5112, 5328, kBlack, true);
  pen.line(5184, 3888, 8640, 3888, kBlack);
  pen.line(4896, 3888, 1440, 3888, kBlack);
}

void drawDistanceFrame(PlotPen& pen, double D) {
  pen.line(1440, 3672, 1440, 3816, kBlack);
  pen.line(1512, 3672, 1440, 3744, kBlack);
  pen.lineTo(1512, 3816, kBlack);
  pen.line(1440, 3744, 8640, 3744, kBlack);
  pen.line(5040, 3672, 5040, 3816, kBlack);
  pen.line(4968, 3672, 5112, 3816, kBlack);
  pen.line(4968, 3816, 5112, 3672, kBlack);
  pen.line(8640, 3672, 8640, 3816, kBlack);
  pen.line(8568, 3672, 8640, 3744, kBlack);
  pen.line(8640, 3744, 8568, 3816, kBlack);
  const std::string s = Format(D, "####0.00") + " (FT)";
  pen.centred(s, 6840, 3600);
  pen.centred(s, 3240, 3600);
}

// An arrow pointing down onto the base line, with a closed head.
void downArrow(PlotPen& pen, double x, double y, Rgb col) {
  pen.line(x, y, x, 3024, col);
  pen.lineTo(x - 72, 2952, col);
  pen.lineTo(x + 72, 2952, col);
  pen.lineTo(x, 3024, col);
}

template <class Dist, class Load>
void scalePass(Diagram& g, const platform::Array<int, 2>& count, Dist dist, Load load) {
  for (int side = 1; side <= 2; ++side)
    for (int i = 1; i <= count(side); ++i) {
      g.D = MaxOf(g.D, dist(side, i));
      g.Q = MaxOf(g.Q, load(side, i));
    }
}

std::string maxTitle(const char* head, double Q, const char* unit) {
  return std::string(head) + Format(Q, "####0.00") + unit;
}

}  // namespace

void DrawSurchargeDiagram(Canvas& c, int choice, bool paper) {
  if (choice < 2 || choice > 7) return;
  PlotPen pen(c, paper, paper ? 1440 : 0, paper ? 4320 : 0);
  c.setDrawWidth(2);
  Diagram g{pen};
  // A load type whose loads are all 0 has no load scale: the frame is drawn, no load.
  switch (choice) {
    case 2: {
      scalePass(g, NumLineLoads, [](int s, int i) { return LineLoadDist(s, i); },
                [](int s, int i) { return LineLoad(s, i); });
      if (g.Q > 0)
        for (int side = 1; side <= 2; ++side)
          for (int i = 1; i <= NumLineLoads(side); ++i)
            downArrow(pen, g.x(side, LineLoadDist(side, i)), g.y(LineLoad(side, i)),
                      g.sideColour(side));
      pen.centred(maxTitle("VERTICAL LINE LOADS (MAX. = ", g.Q, " PLF)"), 5040, 852);
      drawDistanceFrame(pen, g.D);
      drawWall(pen);
      break;
    }
    case 3: {
      g.Q = MaxOf(UniformLoad(1), UniformLoad(2));
      for (int side = 1; side <= 2; ++side) {
        const double q = UniformLoad(side);
        if (!(q > 0) || !(g.Q > 0)) continue;
        const double k = 3 - 2 * side, top = g.y(q);
        pen.box(5040, 3024, 5040 + k * 3600, top, g.fill(side), true);
        pen.centred((side == 1 ? "RIGHTSIDE " : "LEFTSIDE ") + Format(q, "####0.00") + " (PSF)",
                    5040 + k * 1800, top - 144);
      }
      drawWall(pen);
      pen.centred("UNIFORM SURCHARGE LOADS", 5040, 576);
      break;
    }
    case 4: {
      scalePass(g, NumStripLoads, [](int s, int i) { return StripEndDist(s, i); },
                [](int s, int i) { return StripLoad(s, i); });
      if (g.Q > 0)
        for (int side = 1; side <= 2; ++side)
          for (int i = 1; i <= NumStripLoads(side); ++i)
            pen.box(g.x(side, StripStartDist(side, i)), g.y(StripLoad(side, i)),
                    g.x(side, StripEndDist(side, i)), 3024, g.fill(side), true);
      pen.centred(maxTitle("VERTICAL STRIP LOADS (MAX. = ", g.Q, " PSF)"), 5040, 852);
      drawDistanceFrame(pen, g.D);
      drawWall(pen);
      break;
    }
    case 5: {
      g.across = 2880;
      for (int side = 1; side <= 2; ++side)
        if (NumRampLoads(side) > 0) {
          g.D = MaxOf(g.D, RampEndDist(side));
          g.Q = MaxOf(g.Q, RampLoad(side));
        }
      if (g.Q > 0)
        for (int side = 1; side <= 2; ++side) {
          if (NumRampLoads(side) == 0) continue;
          const double k = 3 - 2 * side;
          const double xs = g.x(side, RampStartDist(side)), xe = g.x(side, RampEndDist(side));
          const double xf = 5040 + k * 3600, y = g.y(RampLoad(side));
          const Rgb col = g.sideColour(side);
          pen.line(xs, 3024, xf, 3024, col);
          pen.line(xs, 3024, xe, y, col);
          pen.lineTo(xe, 3024, col);
          pen.line(xe, y, xf, y, col);
          pen.line(xf, y, xf - k * 72, y - 72, col);
          pen.line(xf, y, xf - k * 72, y + 72, col);
          pen.centred(Format(RampLoad(side), "####0.00"), (xe + xf) / 2, y - 144);
        }
      pen.centred("VERTICAL RAMP LOADS (PSF)", 5040, 852);
      pen.line(4968, 3672, 5112, 3816, kBlack);
      pen.line(5112, 3672, 4968, 3816, kBlack);
      pen.lineTo(5112, 3816, kBlack);
      // Each side with a ramp gets the dimension of its ramp's end; a side without one,
      // whatever distance it still holds, gets none.
      for (int side = 1; side <= 2; ++side) {
        if (NumRampLoads(side) == 0) continue;
        const double k = 3 - 2 * side, xr = g.x(side, RampEndDist(side));
        pen.line(5040, 3744, xr, 3744, kBlack);
        pen.line(xr, 3672, xr, 3816, kBlack);
        pen.line(xr - k * 72, 3672, xr, 3744, kBlack);
        pen.line(xr, 3744, xr - k * 72, 3816, kBlack);
        pen.centred(Format(RampEndDist(side), "####0.00") + " (FT)", (xr + 5040) / 2, 3600);
      }
      drawWall(pen);
      break;
    }
    case 6: {
      scalePass(g, NumTriangularLoads, [](int s, int i) { return TriEndDist(s, i); },
                [](int s, int i) { return TriPeakLoad(s, i); });
      if (g.Q > 0)
        for (int side = 1; side <= 2; ++side)
          for (int i = 1; i <= NumTriangularLoads(side); ++i) {
            const Rgb col = g.sideColour(side);
            const double xs = g.x(side, TriStartDist(side, i));
            pen.line(xs, 3024, g.x(side, TriPeakDist(side, i)), g.y(TriPeakLoad(side, i)), col);
            pen.lineTo(g.x(side, TriEndDist(side, i)), 3024, col);
            pen.lineTo(xs, 3024, col);
          }
      pen.centred(maxTitle("VERTICAL TRIANGULAR LOADS (MAX. = ", g.Q, " PSF)"), 5040, 852);
      drawDistanceFrame(pen, g.D);
      drawWall(pen);
      break;
    }
    case 7: {
      scalePass(g, NumVariablePoints, [](int s, int i) { return VarLoadDist(s, i); },
                [](int s, int i) { return VarLoadValue(s, i); });
      if (g.Q > 0)
        for (int side = 1; side <= 2; ++side) {
          const int n = NumVariablePoints(side);
          const Rgb col = g.sideColour(side);
          const auto px = [&](int i) { return g.x(side, VarLoadDist(side, i)); };
          const auto py = [&](int i) { return g.y(VarLoadValue(side, i)); };
          if (n == 1) {
            // One point has no outline: it is a load at one distance, drawn as an arrow.
            if (VarLoadValue(side, 1) > 0) downArrow(pen, px(1), py(1), col);
            continue;
          }
          for (int i = 2; i <= n; ++i) {
            pen.line(px(i - 1), 3024, px(i - 1), py(i - 1), col);
            pen.lineTo(px(i), py(i), col);
            pen.lineTo(px(i), 3024, col);
          }
          if (n >= 2) pen.lineTo(px(1), 3024, col);
        }
      pen.centred(maxTitle("VERTICAL VARIABLE LOADS (MAX. = ", g.Q, " PSF)"), 5040, 852);
      drawDistanceFrame(pen, g.D);
      drawWall(pen);
      break;
    }
    default: break;
  }
}

// ---- horizontal loads and input water pressures ----

void DrawHorizontalDiagram(Canvas& c, int choice, bool paper) {
  if (choice < 8 || choice > 10) return;
  PlotPen pen(c, paper, paper ? 1440 : 0, paper ? 4320 : 0);
  // The points of the plot: elevation and value.
  std::vector<std::pair<double, double>> pts;
  const char* title = "";
  if (choice == 8) {
    for (int i = 1; i <= std::min(NumHorizLineLoads, 5); ++i) pts.emplace_back(HorizLineElev(i), HorizLineLoad(i));
    title = "HORIZONTAL LINE LOADS (PLF)";
  } else if (choice == 9) {
    for (int i = 1; i <= std::min(NumHorizDistPoints, 11); ++i) pts.emplace_back(HorizDistElev(i), HorizDistLoad(i));
    title = "HORIZONTAL DISTRIBUTED LOADS (PSF)";
  } else {
    for (int i = 1; i <= std::min(NumWaterPressPoints, 21); ++i) pts.emplace_back(WaterPressElev(i), WaterPressValue(i));
    title = "INPUT WATER PRESSURES (PSF)";
  }
  const int n = static_cast<int>(pts.size());
  const auto E = [&](int i) { return pts[static_cast<std::size_t>(i - 1)].first; };
  const auto V = [&](int i) { return pts[static_cast<std::size_t>(i - 1)].second; };

  // A water table may begin above the wall top (water standing over the wall): the
  // figure then starts at the table's top, so no point is drawn above the frame.
  double S = 0, B = 100000, T = WallTopElev;
  for (int i = 1; i <= n; ++i) {
    S = MaxOf(S, std::fabs(V(i)));
    B = MinOf(B, E(i));
    T = MaxOf(T, E(i));
  }
  S = RoundPlotScale(S);  // 0 when every value is 0: frame and labels, no load
  B -= 1;
  const double D = T - B + 1;
  const auto y = [&](double el) { return 1008 + 4320 * (T - el) / D; };
  const bool drawable = S > 0 && D > 0;

  c.setDrawWidth(2);
  pen.line(2160, 1008, 7920, 1008, kBlack);
  const std::string scale = Format(S, "0");
  pen.line(2160, 938, 2160, 1078, kBlack);
  pen.centred(scale, 2160, 796);
  pen.line(7920, 938, 7920, 1078, kBlack);
  pen.centred(scale, 7920, 796);
  pen.centred("0", 5040, 796);
  pen.centred(title, 5040, 432);
  pen.line(5040, 1008, 5040, 5320, kBlack);
  if (!(D > 0)) return;

  const Rgb red = choice == 10 ? kRed : pen.ink(kRed);
  LabelColumn column(pen);
  column.setBounds(0, 5400);
  if (choice == 8) {
    for (int i = 1; i <= n; ++i) {
      if (V(i) == 0 || !drawable) continue;
      const double yy = y(E(i)), x = 5040 - 2880 * V(i) / S, d = V(i) > 0 ? -1 : 1;
      pen.line(5040, yy, x, yy, red);
      pen.lineTo(x - 72 * d, yy - 72, red);
      pen.lineTo(x - 72 * d, yy + 72, red);
      pen.lineTo(x, yy, red);
      column.centred(elevationLabel(E(i)), 1080, yy);
    }
    return;
  }
  const auto x = [&](int i) { return 5040 + 2880 * V(i) / S; };
  for (int i = 1; i <= n - 1; ++i) {
    if (drawable) {
      pen.line(5040, y(E(i)), x(i), y(E(i)), red);
      pen.lineTo(x(i + 1), y(E(i + 1)), red);
      pen.lineTo(5040, y(E(i + 1)), red);
    }
    column.centred(elevationLabel(E(i)), 1080, y(E(i)));
  }
  if (n >= 1) column.centred(elevationLabel(E(n)), 1080, y(E(n)));
  if (!drawable) return;
  for (int i = 1; i <= n; ++i) {
    if (V(i) == 0) continue;
    const double head = V(i) > 0 ? 5112 : 4968, yy = y(E(i));
    pen.line(head, yy - 72, 5040, yy, red);
    pen.line(5040, yy, head, yy + 72, red);
  }
}

void DrawInputPlot(Canvas& c, int choice, bool paper) {
  if (choice == 1) DrawSystemSketch(c, paper);
  else if (choice >= 2 && choice <= 7) DrawSurchargeDiagram(c, choice, paper);
  else if (choice >= 8 && choice <= 10) DrawHorizontalDiagram(c, choice, paper);
}

}  // namespace plots
