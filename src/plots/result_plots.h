// The wall result plots: the three result windows' settings, their scales, and one
// drawing function per plot over a Canvas, for the screen (a picture box, twips from its
// top left corner) or for paper (the same figure moved by (+1440, +4320) onto the page).
// The drawing reads the program-wide problem, grid, pressures and result profiles; it
// writes nothing but the canvas.
#pragma once

#include <string>

#include "platform/services.h"
#include "plots/plot_scale.h"

namespace plots {

enum class ResultWindowKind { Cantilever, FreeEarth, FixedEarth };

// What sets the three result windows apart.
struct ResultWindowConfig {
  ResultWindowKind kind;
  const char* name;               // CANPLOT, FREEPLOT, FIXDPLOT
  const char* caption;
  int method;                     // the row of the per-method results it reads
  bool anchored;                  // draws the anchor mark
  const char* designSubtitle;
  const char* analysisSubtitle;
  const char* pressuresCaption;   // the top menu mnuPres
  const char* netSoilCaption;     // mnuPresItem(0)
  const char* netWaterCaption;    // mnuPresItem(3)
  double secondHeadingTop;        // Label1(1), twips
  const char* document;           // the printed document's name
};
const ResultWindowConfig& ResultWindow(ResultWindowKind kind);

// The plots of a result window, as the menus choose them (ChoiceIndex).
enum ResultPlot {
  kDeflectionPlot = 1,
  kMomentPlot,
  kShearPlot,
  kNetSoilPlot,
  kLeftSidePlot,
  kRightSidePlot,
  kNetWaterPlot
};

// A window's scales, computed when it opens from the values the solution left (which
// stay untouched, so a window opened again shows the same scales).
struct ResultScales {
  ScaleEnds deflection, moment, shear, netPressure;
  double PassivePressureMax = 0, ActivePressureMax = 0;  // both soil pressure plots
  double WaterPressureMax = 0, WaterPressureMin = 0;     // magnitudes
  bool hasWater() const { return WaterPressureMax > 0 || WaterPressureMin > 0; }
};
ResultScales ComputeResultScales(int method);

enum class PlotTarget { Screen, Paper };

// One plot: frame, labels, elevation axis and curve. On paper the plot section of the
// printed page (the page itself is DrawResultPage).
void DrawDeflectionPlot(platform::Canvas& c, const ResultWindowConfig& w, const ResultScales& s, PlotTarget t);
void DrawMomentPlot(platform::Canvas& c, const ResultWindowConfig& w, const ResultScales& s, PlotTarget t);
void DrawShearPlot(platform::Canvas& c, const ResultWindowConfig& w, const ResultScales& s, PlotTarget t);
void DrawNetSoilPlot(platform::Canvas& c, const ResultWindowConfig& w, const ResultScales& s, PlotTarget t);
void DrawSidePressurePlot(platform::Canvas& c, const ResultWindowConfig& w, const ResultScales& s, int plot,
                          PlotTarget t);  // plot: kLeftSidePlot or kRightSidePlot
void DrawNetWaterPlot(platform::Canvas& c, const ResultWindowConfig& w, const ResultScales& s, PlotTarget t);
// The plot of a number 1 to 7 (anything else draws nothing).
void DrawResultPlot(platform::Canvas& c, const ResultWindowConfig& w, const ResultScales& s, int plot,
                    PlotTarget t);

// The printed page of a plot: font, heading lines, page frame, then the plot. The
// caller ends the document.
void DrawResultPage(platform::Canvas& page, const ResultWindowConfig& w, const ResultScales& s, int plot);

// Where a result window puts the shown plot's picture box, in twips of its client area:
// the full width, 0.76 of the window's outer height, centred on that height.
struct TwipRect {
  double left = 0, top = 0, width = 0, height = 0;
};
TwipRect PlotBoxPlace(double scaleWidth, double outerHeight);

// The subtitle of a window for the run mode in force.
std::string ResultSubtitle(const ResultWindowConfig& w);

}  // namespace plots
