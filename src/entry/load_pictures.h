// The explanatory pictures of the load windows, drawn at run time over a Canvas: which
// distance, elevation and load each box of the window means.
#pragma once

#include "platform/services.h"

namespace entry {

// The picture of a vertical surcharge type (1 line, 2 uniform, 3 strip, 4 ramp,
// 5 triangular, 6 variable): the wall at the left, the ground running right from its top,
// the load as downward arrows and dimension lines measured from the wall, filling
// width x height twips. Any other type draws only the wall and the ground.
void DrawSurchargePicture(platform::Canvas& c, int type, double width, double height);

// The picture of a horizontal load type (1 line loads, 2 distributed load): the wall at the
// right, the load as arrows leaving it toward the left, its elevations dimensioned.
void DrawHorizontalLoadPicture(platform::Canvas& c, int type, double width, double height);

}  // namespace entry
