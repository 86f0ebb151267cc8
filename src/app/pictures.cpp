#include "app/pictures.h"

#include <array>

namespace app {

using platform::Rgb;

void DrawWallPicture(platform::Canvas& c, double w, double h) {
  const Rgb sky{200, 222, 240}, soil{176, 140, 96}, soilDark{150, 116, 76}, water{90, 140, 210},
      steel{70, 70, 80}, rod{40, 40, 40}, line{0, 0, 0};
  c.box(0, 0, w, h, sky, true);
  const double wallX = w * 0.46, wallTop = h * 0.18, wallTip = h * 0.90;
  const double groundRight = h * 0.24, groundLeft = h * 0.58, waterLeft = h * 0.50;
  // Retained soil on the right, in bands, and the embedment soil on the left.
  c.box(wallX, groundRight, w, h, soil, true);
  for (double y = groundRight + h * 0.12; y < h; y += h * 0.12) {
    c.box(wallX, y, w, y + h * 0.02, soilDark, true);
  }
  c.box(0, waterLeft, wallX, groundLeft, water, true);
  c.box(0, groundLeft, wallX, h, soil, true);
  c.line(0, groundLeft, wallX, groundLeft, line);
  c.line(wallX, groundRight, w, groundRight, line);
  // The sheet piles: a corrugated strip from the top to the tip.
  const double half = w * 0.012;
  c.box(wallX - half, wallTop, wallX + half, wallTip, steel, true);
  c.setDrawWidth(2);
  for (double y = wallTop; y < wallTip; y += h * 0.04) {
    c.line(wallX - half, y, wallX + half, y + h * 0.02, Rgb{120, 120, 130});
  }
  // The anchor rod and its deadman in the retained soil.
  const double anchorY = wallTop + (groundRight - wallTop) + h * 0.06;
  c.line(wallX + half, anchorY, w * 0.86, anchorY, rod);
  c.box(w * 0.86, anchorY - h * 0.05, w * 0.88, anchorY + h * 0.05, rod, true);
  c.setDrawWidth(1);
  c.line(wallX - half, wallTop, wallX + half, wallTop, line);
}

Rgb ColourBarBox(int i) {
  int r = 0, g = 0, b = 255;
  for (int k = 0; k < i; ++k) {
    if (k >= 1 && k <= 12) g += 21;
    else if (k >= 13 && k <= 24) b -= 21;
    else if (k >= 25 && k <= 36) r += 21;
    else if (k >= 37 && k <= 48) g -= 21;
  }
  return Rgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}

void PaintSplashBanner(platform::Canvas& c, double tppX, double tppY, const BannerColours& colours) {
  const Rgb grey{170, 170, 170}, red{219, 0, 0};
  const std::array<const char*, 3> block1{"QUELDAR", "Sheet Pile Walls", "Design and Analysis"};
  const std::array<const char*, 5> block2{"Sheet", "Pile", "Wall", "Design", "Program"};
  c.setFont("MS Sans Serif", 12);
  // Block 1: three passes, the last on top, giving a light and a dark edge.
  const struct { Rgb colour; int offset; } passes1[] = {
      {colours.windowBackground, 0}, {colours.windowText, 2}, {grey, 1}};
  for (const auto& pass : passes1) {
    double y = 75 + pass.offset * tppY;
    c.setForeColor(pass.colour);
    for (const char* text : block1) {
      c.currentX = 1770 + pass.offset * tppX;
      c.currentY = y;
      c.print(text);
      y += c.textHeight(text);
    }
  }
  // Block 2: large initials in the first four words.
  for (int pass = 1; pass <= 3; ++pass) {
    const int offset = pass == 1 ? 0 : pass == 2 ? 2 : 1;
    c.currentX = 100 + offset * tppX;
    for (int word = 0; word < 5; ++word) {
      const std::string text = block2[static_cast<std::size_t>(word)];
      Rgb rest = pass == 1 ? colours.windowBackground : pass == 2 ? red : grey;
      if (pass == 2 && word == 4) rest = colours.windowText;
      if (word < 4) {
        const Rgb initial = pass == 3 ? red : rest;
        c.setFont("Times New Roman", 18);
        c.setForeColor(initial);
        c.currentY = 1050 + offset * tppY;
        c.print(text.substr(0, 1), true);
        c.setFont("MS Sans Serif", 12);
        c.setForeColor(rest);
        c.currentY = 1120 + offset * tppY;
        c.print(text.substr(1) + " ", true);
      } else {
        c.setFont("MS Sans Serif", 12);
        c.setForeColor(rest);
        c.currentY = 1120 + offset * tppY;
        c.print(text, true);
      }
    }
  }
  // The colour bar: blue through cyan, green and yellow to red.
  for (int i = 0; i < 50; ++i) {
    const double x = 150 + 117.0 * i;
    c.box(x, 1500, x + 117, 1680, ColourBarBox(i), true);
  }
}

}  // namespace app
