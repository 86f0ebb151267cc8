// The twips canvas on a QPainter, for picture boxes, images and the printer.
// The painter is never scaled: every coordinate is converted to device units, so fonts
// and pen widths keep their own sizes.
#pragma once

#include <QColor>
#include <QFont>
#include <string>

#include "platform/services.h"

class QPainter;
class QPaintDevice;

namespace platform {

inline QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// What a surface keeps between two drawings (a picture box keeps its font, pen and
// text position from one Paint to the next).
struct CanvasState {
  double currentX = 0, currentY = 0;
  int drawWidth = 1;
  int drawStyle = 0;
  std::string fontName = "MS Sans Serif";
  double fontSize = 8.25;
  bool bold = false;
  Rgb foreColor{0, 0, 0};
};

class PainterCanvas : public Canvas {
 public:
  // dpiX, dpiY: device units per inch. penScale: device pixels per DrawWidth unit (1 on
  // screen; DPI / 600 on paper, or a width of 2 at 1200 DPI would be a hairline).
  PainterCanvas(QPainter& painter, double dpiX, double dpiY, double penScale = 1.0,
                const CanvasState& state = {});
  // The canvas for a device at its own logical DPI.
  static PainterCanvas forDevice(QPainter& painter, const CanvasState& state = {});

  void setDrawWidth(int px) override;
  void setDrawStyle(int style) override;
  void setFont(std::string_view name, double points, bool bold = false) override;
  void setForeColor(Rgb c) override;
  void line(double x1, double y1, double x2, double y2, Rgb c) override;
  void box(double x1, double y1, double x2, double y2, Rgb c, bool filled) override;
  void pset(double x, double y, Rgb c) override;
  void circle(double x, double y, double r, Rgb c) override;
  void print(std::string_view text, bool stayOnLine = false) override;
  double textWidth(std::string_view s) const override;
  double textHeight(std::string_view s) const override;

  CanvasState state() const;
  double dpiX() const { return dpiX_; }
  double dpiY() const { return dpiY_; }
  // Twips to device units, through single precision as the plots hand them over.
  double toDeviceX(double twips) const;
  double toDeviceY(double twips) const;

 private:
  void applyPen(Rgb c);
  QPainter& p_;
  double dpiX_, dpiY_, penScale_;
  int drawWidth_ = 1, drawStyle_ = 0;
  std::string fontName_;
  double fontSize_ = 8.25;
  bool bold_ = false;
  Rgb foreColor_;
  QFont font_;
};

}  // namespace platform
