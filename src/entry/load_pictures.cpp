#include "entry/load_pictures.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace entry {

using platform::Canvas;
using platform::Rgb;

namespace {

const Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kWall{64, 64, 72}, kLoad{255, 0, 0},
    kSoil{150, 116, 76}, kDimension{0, 0, 160};

// An arrow from (x1, y1) to its head at (x2, y2).
void Arrow(Canvas& c, double x1, double y1, double x2, double y2, double head, Rgb colour) {
  c.line(x1, y1, x2, y2, colour);
  const double len = std::hypot(x2 - x1, y2 - y1);
  if (len <= 0) return;
  const double ux = (x2 - x1) / len, uy = (y2 - y1) / len;
  head = std::min(head, len);
  // Two barbs at 25 degrees either side of the shaft.
  const double cs = std::cos(0.436), sn = std::sin(0.436);
  c.line(x2, y2, x2 - head * (ux * cs - uy * sn), y2 - head * (uy * cs + ux * sn), colour);
  c.line(x2, y2, x2 - head * (ux * cs + uy * sn), y2 - head * (uy * cs - ux * sn), colour);
}

// A text centred on (x, y).
void Label(Canvas& c, const std::string& text, double x, double y, Rgb colour = kBlack) {
  c.setForeColor(colour);
  c.currentX = x - c.textWidth(text) / 2;
  c.currentY = y - c.textHeight(text) / 2;
  c.print(text);
}

// A horizontal dimension from xa to xb at height y, with end ticks and arrows, its label
// just past its far end.
void DimensionH(Canvas& c, double xa, double xb, double y, const std::string& text, double tick) {
  c.line(xa, y - tick, xa, y + tick, kDimension);
  c.line(xb, y - tick, xb, y + tick, kDimension);
  if (xb - xa > 2 * tick) {
    Arrow(c, (xa + xb) / 2, y, xa, y, tick, kDimension);
    Arrow(c, (xa + xb) / 2, y, xb, y, tick, kDimension);
  } else {
    c.line(xa, y, xb, y, kDimension);
  }
  Label(c, text, xb + tick + c.textWidth(text) / 2, y, kDimension);
}

// Soil below a ground line from x1 to x2: short slanted strokes under the line.
void Ground(Canvas& c, double x1, double x2, double y, double step) {
  c.line(x1, y, x2, y, kBlack);
  for (double x = x1 + step / 2; x + step / 2 < x2; x += step) {
    c.line(x, y, x - step / 2, y + step / 2, kSoil);
  }
}

// The load below an outline: arrows at xs, each from the outline's height down to the
// ground at y; height(x) gives the outline's height above the ground.
template <class Height>
void LoadArrows(Canvas& c, const std::vector<double>& xs, double ground, Height height, double head) {
  for (double x : xs) {
    const double hgt = height(x);
    if (hgt > head / 2) Arrow(c, x, ground - hgt, x, ground, head, kLoad);
  }
}

std::vector<double> Spread(double x1, double x2, int n) {
  std::vector<double> xs;
  for (int k = 0; k <= n; ++k) xs.push_back(x1 + (x2 - x1) * k / n);
  return xs;
}

}  // namespace

void DrawSurchargePicture(Canvas& c, int type, double w, double h) {
  c.setDrawWidth(1);
  c.setDrawStyle(0);
  c.setFont("MS Sans Serif", 8.25);
  c.box(0, 0, w, h, kWhite, true);
  const double th = c.textHeight("D");
  const double tick = std::min(w, h) * 0.035;
  // Dimension levels below the ground: one per distance the type has.
  const int levels = type == 2 ? 0 : type == 3 || type == 4 || type == 6 ? 2 : type == 5 ? 3 : 1;
  const double dimStep = th * 1.05;
  const double firstDim = tick * 1.5 + th * 0.6;  // below the ground's hatching
  const double ground =
      h - 0.03 * h - (levels > 0 ? firstDim + th * 0.6 + (levels - 1) * dimStep : tick * 2);
  const double wallL = 0.05 * w, wallR = 0.08 * w;
  const double x0 = wallR, right = 0.97 * w, span = right - x0;
  const double full = std::max(ground - (0.06 * h + th * 1.4), 0.0);  // full load height
  const double head = std::min(tick * 1.6, full / 3);

  c.box(wallL, 0.04 * h, wallR, h, kWall, true);
  Ground(c, x0, right, ground, tick * 2);

  auto dim = [&](int level, double x, const std::string& text) {
    DimensionH(c, x0, x, ground + firstDim + dimStep * level, text, tick);
  };
  auto loadLabel = [&](const std::string& text, double x, double topOfLoad) {
    Label(c, text, x, topOfLoad - th * 0.7, kLoad);
  };

  switch (type) {
    case 1: {  // one line load at DL
      const double x = x0 + 0.5 * span;
      Arrow(c, x, ground - full, x, ground, head, kLoad);
      loadLabel("QL", x, ground - full);
      dim(0, x, "DL");
      break;
    }
    case 2: {  // uniform over the whole ground
      const double q = full * 0.6;
      c.line(x0, ground - q, right, ground - q, kLoad);
      LoadArrows(c, Spread(x0 + span * 0.03, right - span * 0.03, 10), ground,
                 [&](double) { return q; }, head);
      loadLabel("QU", x0 + 0.5 * span, ground - q);
      break;
    }
    case 3: {  // strip between DS1 and DS2
      const double x1 = x0 + 0.3 * span, x2 = x0 + 0.7 * span, q = full * 0.7;
      c.line(x1, ground - q, x2, ground - q, kLoad);
      LoadArrows(c, Spread(x1, x2, 5), ground, [&](double) { return q; }, head);
      loadLabel("QS", (x1 + x2) / 2, ground - q);
      dim(0, x1, "DS1");
      dim(1, x2, "DS2");
      break;
    }
    case 4: {  // ramp from zero at DR1 to QR at DR2, then level
      const double x1 = x0 + 0.25 * span, x2 = x0 + 0.6 * span, q = full * 0.7;
      c.line(x1, ground, x2, ground - q, kLoad);
      c.line(x2, ground - q, right, ground - q, kLoad);
      auto height = [&](double x) { return x >= x2 ? q : q * (x - x1) / (x2 - x1); };
      LoadArrows(c, Spread(x1, x2, 4), ground, height, head);
      LoadArrows(c, Spread(x2 + (right - x2) / 4, right - span * 0.02, 3), ground, height, head);
      loadLabel("QR", (x2 + right) / 2, ground - q);
      dim(0, x1, "DR1");
      dim(1, x2, "DR2");
      break;
    }
    case 5: {  // triangle: zero at DT1, QT at DT2, zero at DT3
      const double x1 = x0 + 0.25 * span, x2 = x0 + 0.5 * span, x3 = x0 + 0.85 * span,
                   q = full * 0.8;
      c.line(x1, ground, x2, ground - q, kLoad);
      c.line(x2, ground - q, x3, ground, kLoad);
      auto height = [&](double x) {
        return x <= x2 ? q * (x - x1) / (x2 - x1) : q * (x3 - x) / (x3 - x2);
      };
      LoadArrows(c, Spread(x1, x2, 3), ground, height, head);
      LoadArrows(c, Spread(x2, x3, 4), ground, height, head);
      loadLabel("QT", x2, ground - q);
      dim(0, x1, "DT1");
      dim(1, x2, "DT2");
      dim(2, x3, "DT3");
      break;
    }
    case 6: {  // one segment of the variable load, points i and i + 1
      const double x1 = x0 + 0.35 * span, x2 = x0 + 0.8 * span, q1 = full * 0.45, q2 = full * 0.85;
      c.line(x1, ground - q1, x2, ground - q2, kLoad);
      c.setDrawStyle(1);
      c.line(x0 + 0.12 * span, ground - q1 * 0.6, x1, ground - q1, kLoad);
      c.line(x2, ground - q2, right, ground - q2 * 0.8, kLoad);
      c.setDrawStyle(0);
      LoadArrows(c, Spread(x1, x2, 4), ground,
                 [&](double x) { return q1 + (q2 - q1) * (x - x1) / (x2 - x1); }, head);
      loadLabel("QVi", x1, ground - q1);
      loadLabel("QVi+1", x2, ground - q2);
      dim(0, x1, "DVi");
      dim(1, x2, "DVi+1");
      break;
    }
    default:
      break;
  }
}

void DrawHorizontalLoadPicture(Canvas& c, int type, double w, double h) {
  c.setDrawWidth(1);
  c.setDrawStyle(0);
  c.setFont("MS Sans Serif", 8.25);
  c.box(0, 0, w, h, kWhite, true);
  const double th = c.textHeight("E");
  const double tick = std::min(w, h) * 0.035;
  const double head = tick * 1.6;
  // The wall stands right of the middle; the elevations are marked on a line right of it,
  // measured from a datum near the bottom.
  const double wallL = 0.56 * w, wallR = 0.62 * w, top = 0.06 * h, bottom = 0.94 * h;
  c.box(wallL, top, wallR, bottom, kWall, true);
  const double datum = bottom - th * 0.2;
  const double dimX = wallR + 2 * tick;
  c.setDrawStyle(1);
  c.line(0.02 * w, datum, 0.98 * w, datum, kBlack);
  c.setDrawStyle(0);
  const std::string datumText = "EL 0";
  Label(c, datumText, 0.02 * w + c.textWidth(datumText) / 2, datum - th * 0.7);
  // A text centred on (x, y), kept inside the picture.
  auto inside = [&](const std::string& text, double x, double y, Rgb colour) {
    const double half = c.textWidth(text) / 2;
    Label(c, text, std::clamp(x, half, std::max(half, w - half)), y, colour);
  };
  // The elevation of a height: an extension line from the wall, a tick and the name.
  auto elevation = [&](double y, const std::string& text) {
    c.line(wallR, y, dimX + tick, y, kDimension);
    inside(text, dimX + tick * 1.5 + c.textWidth(text) / 2, y, kDimension);
  };

  if (type == 1) {
    const double y = top + 0.35 * (bottom - top), xEnd = 0.08 * w;
    Arrow(c, wallL, y, xEnd, y, head, kLoad);
    const double dimY = y - th * 1.1;
    c.line(xEnd, dimY - tick, xEnd, dimY + tick, kDimension);
    c.line(wallL, dimY - tick, wallL, dimY + tick, kDimension);
    Arrow(c, (xEnd + wallL) / 2, dimY, xEnd, dimY, tick, kDimension);
    Arrow(c, (xEnd + wallL) / 2, dimY, wallL, dimY, tick, kDimension);
    inside("HL", (xEnd + wallL) / 2, dimY - tick - th * 0.5, kDimension);
    Arrow(c, dimX, datum, dimX, y, tick, kDimension);
    elevation(y, "EL");
  } else if (type == 2) {
    const double y1 = top + 0.2 * (bottom - top), y2 = top + 0.62 * (bottom - top);
    const double x1 = wallL - 0.22 * w, x2 = wallL - 0.46 * w;
    c.line(x1, y1, x2, y2, kLoad);
    for (int k = 0; k <= 5; ++k) {
      // Arrows leave the wall: tail at the wall, head on the load line.
      Arrow(c, wallL, y1 + (y2 - y1) * k / 5, x1 + (x2 - x1) * k / 5, y1 + (y2 - y1) * k / 5, head, kLoad);
    }
    inside("DLi", x1, y1 - th * 0.8, kLoad);
    inside("DLi+1", x2, y2 + th * 0.8, kLoad);
    Arrow(c, dimX, datum, dimX, y2, tick, kDimension);
    Arrow(c, dimX, y2, dimX, y1, tick, kDimension);
    elevation(y1, "ELi");
    elevation(y2, "ELi+1");
  }
}

}  // namespace entry
