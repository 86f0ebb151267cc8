// The page every printed plot stands on: the printer's font, the first two heading lines
// above the frame, line width 2, the solid style and the black page frame from
// (1440, 4320) to (11160, 9720).
#pragma once

#include "platform/services.h"

namespace plots {

void DrawPlotPage(platform::Canvas& page);

}  // namespace plots
