// The screen in twips: size and twips per pixel from the screen's logical DPI.
#pragma once

namespace platform {

struct ScreenTwips {
  double width = 0, height = 0;        // twips
  double twipsPerPixelX = 15, twipsPerPixelY = 15;
};

// The primary screen (15 twips per pixel and 800 x 600 pixels when there is none).
ScreenTwips screen();
double TwipsPerPixelX();
double TwipsPerPixelY();

// Registers the Liberation fonts in place of the fonts the windows name, so that
// "Arial", "MS Sans Serif", "Courier New" and "Times New Roman" resolve everywhere.
void InstallFontSubstitutions();

}  // namespace platform
