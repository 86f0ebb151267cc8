// The pictures of the main window and of the splash, drawn at run time: a sheet pile
// wall in soil, and the splash banner with its colour bar.
#pragma once

#include <string>

#include "platform/services.h"

namespace app {

// A sheet pile wall retaining soil on its right, embedded below the ground on its left,
// with an anchor rod and water, filling width x height twips.
void DrawWallPicture(platform::Canvas& c, double width, double height);

// The splash banner: block 1 (three lines, embossed), block 2 (five words with large
// initials), and the 50-box colour bar. Offsets are in pixels, converted with the
// screen's twips per pixel.
struct BannerColours {
  platform::Rgb windowBackground{255, 255, 255};
  platform::Rgb windowText{0, 0, 0};
};
void PaintSplashBanner(platform::Canvas& c, double twipsPerPixelX, double twipsPerPixelY,
                       const BannerColours& colours);

// The colour of box i (0 to 49) of the colour bar.
platform::Rgb ColourBarBox(int i);

}  // namespace app
