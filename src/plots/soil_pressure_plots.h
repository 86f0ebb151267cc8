// The plots of the initial soil pressure window: the left side's and the right side's
// active and passive pressures (plots 1 and 2), the net soil pressures (plot 3) and the
// net water pressure (plot 4), from the grid and diagrams the solution left.
#pragma once

#include "platform/services.h"

namespace plots {

// The elevation range and the pressure scales shared by the four plots, worked out from
// the grid and the diagrams every time; never stored back.
struct SoilPlotScales {
  double PlotBottomElev = 0;   // ft
  double ActivePressMax = 0;   // psf, 0 when no active pressure exceeds 0.0001
  double PassivePressMax = 0;  // psf, 0 when no passive pressure is positive
  double NetWaterMax = 0;      // psf, magnitudes; 0 without water
  double NetWaterMin = 0;
};
SoilPlotScales ComputeSoilPlotScales();

// The two ends of the net soil scale: P+ from the largest net active (anchored) or net
// passive (cantilever) value, P- from the magnitude of the smallest net active value,
// each rounded up; 0 where there is nothing to round.
struct NetScale {
  double plus = 0, minus = 0;
};
NetScale ComputeNetSoilScale(double PlotBottomElev);

// Draws soil pressure plot `choice` (1 left side, 2 right side, 3 net soil, 4 net
// water). On paper the page's frame and headings are already there (DrawPlotPage).
void DrawSoilPressurePlot(platform::Canvas& c, int choice, bool paper);

}  // namespace plots
