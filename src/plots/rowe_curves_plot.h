// Rowe's chart for walls in sand: the LOOSE and DENSE curves at the wall's alpha and each
// sheet pile section as a point (flexibility number, moment ratio), on the screen picture
// or on the printed page. A wall in clay gets the chart's frame, grid and labels and a
// note instead: the sand curves do not apply to it.
#pragma once

#include "platform/services.h"

namespace plots {

inline constexpr const char* kRoweClayNote =
    "ROWE'S CURVES APPLY TO WALLS IN SAND: THIS WALL IS IN CLAY (SEE THE REPORT)";

// Chart positions: log rho -3.5 .. -1.5 spans x 1440 .. 8640; a ratio v lies at
// 4752 - v / 1.2 * 4320.
double RoweChartX(double logRho);
// The right edge no text passes: the picture on screen is never narrower, and the printed
// box reaches 9720 to the right of the chart's origin.
inline constexpr double kRoweChartRight = 9450;
double RoweChartY(double ratio);

void DrawRoweChart(platform::Canvas& c, bool paper);

}  // namespace plots
