// The plots of the input plot window: the system sketch (plot 1), the six vertical
// surcharge diagrams (plots 2 to 7), the horizontal line loads, the horizontal
// distributed load and the input water pressures (plots 8 to 10). Each is drawn from the
// problem data every time, on the screen picture or on the printed page.
#pragma once

#include "platform/services.h"

namespace plots {

// The scales of the system sketch, worked out from the problem data.
struct SketchScales {
  double elevMax = 0, elevMin = 0;  // ft, the top and the bottom (y 5400) of the drawing
  double extent[2] = {10, 10};      // ft, horizontal extent of side 1 (right) and 2 (left)
};
SketchScales ComputeSketchScales();

// Draws input plot `choice` (1 to 10). On paper the page's frame and headings are
// already there (DrawPlotPage) and the plot is moved onto the page.
void DrawInputPlot(platform::Canvas& c, int choice, bool paper);

void DrawSystemSketch(platform::Canvas& c, bool paper);
void DrawSurchargeDiagram(platform::Canvas& c, int choice, bool paper);   // 2 to 7
void DrawHorizontalDiagram(platform::Canvas& c, int choice, bool paper);  // 8 to 10

// The number of vertical surcharge entries of both sides (a variable load counts its
// points); 0 when there is none.
int SurchargeCount();

}  // namespace plots
