#include "platform/qt/painter_canvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "platform/qt/latin1.h"

namespace platform {

PainterCanvas::PainterCanvas(QPainter& painter, double dpiX, double dpiY, double penScale,
                             const CanvasState& state)
    : p_(painter), dpiX_(dpiX), dpiY_(dpiY), penScale_(penScale) {
  currentX = state.currentX;
  currentY = state.currentY;
  drawWidth_ = state.drawWidth;
  drawStyle_ = state.drawStyle;
  foreColor_ = state.foreColor;
  setFont(state.fontName, state.fontSize, state.bold);
}

PainterCanvas PainterCanvas::forDevice(QPainter& painter, const CanvasState& state) {
  const QPaintDevice* d = painter.device();
  return PainterCanvas(painter, d ? d->logicalDpiX() : 96, d ? d->logicalDpiY() : 96, 1.0, state);
}

CanvasState PainterCanvas::state() const {
  CanvasState s;
  s.currentX = currentX;
  s.currentY = currentY;
  s.drawWidth = drawWidth_;
  s.drawStyle = drawStyle_;
  s.fontName = fontName_;
  s.fontSize = fontSize_;
  s.bold = bold_;
  s.foreColor = foreColor_;
  return s;
}

double PainterCanvas::toDeviceX(double twips) const {
  return static_cast<double>(static_cast<float>(twips)) * dpiX_ / 1440.0;
}
double PainterCanvas::toDeviceY(double twips) const {
  return static_cast<double>(static_cast<float>(twips)) * dpiY_ / 1440.0;
}

void PainterCanvas::setDrawWidth(int px) { drawWidth_ = std::max(1, px); }
void PainterCanvas::setDrawStyle(int style) { drawStyle_ = style; }
void PainterCanvas::setForeColor(Rgb c) { foreColor_ = c; }

void PainterCanvas::setFont(std::string_view name, double points, bool bold) {
  fontName_ = std::string(name);
  fontSize_ = points;
  bold_ = bold;
  font_ = QFont(fromLatin1(name));
  font_.setPointSizeF(points > 0 ? points : 8.25);
  font_.setBold(bold);
}

void PainterCanvas::applyPen(Rgb c) {
  QPen pen(toQColor(c));
  pen.setCosmetic(true);
  pen.setWidthF(std::max(1.0, drawWidth_ * penScale_));
  switch (drawStyle_) {
    case 1: pen.setStyle(Qt::DashLine); break;
    case 2: pen.setStyle(Qt::DotLine); break;
    case 3: pen.setStyle(Qt::DashDotLine); break;
    case 4: pen.setStyle(Qt::DashDotDotLine); break;
    case 5: pen.setStyle(Qt::NoPen); break;
    default: pen.setStyle(Qt::SolidLine); break;
  }
  // Dashes are measured in pen widths. On paper a pen is DrawWidth x DPI / 600 device
  // pixels, so a dash would be a fifth of a millimetre and the line would print as solid:
  // stretch the pattern to the length it has on a 96-DPI screen.
  const double stretch = dpiX_ / (96.0 * penScale_);
  if (drawStyle_ >= 1 && drawStyle_ <= 4 && std::abs(stretch - 1.0) > 0.01) {
    QList<qreal> pattern = pen.dashPattern();
    for (qreal& step : pattern) step *= stretch;
    pen.setDashPattern(pattern);
  }
  pen.setCapStyle(Qt::SquareCap);
  p_.setPen(pen);
}

void PainterCanvas::line(double x1, double y1, double x2, double y2, Rgb c) {
  applyPen(c);
  p_.drawLine(QPointF(toDeviceX(x1), toDeviceY(y1)), QPointF(toDeviceX(x2), toDeviceY(y2)));
  currentX = x2;
  currentY = y2;
}

void PainterCanvas::box(double x1, double y1, double x2, double y2, Rgb c, bool filled) {
  applyPen(c);
  const QRectF r = QRectF(QPointF(toDeviceX(x1), toDeviceY(y1)),
                          QPointF(toDeviceX(x2), toDeviceY(y2))).normalized();
  if (filled) {
    p_.fillRect(r, toQColor(c));
    p_.setBrush(Qt::NoBrush);
  } else {
    p_.setBrush(Qt::NoBrush);
  }
  p_.drawRect(r);
  currentX = x2;
  currentY = y2;
}

void PainterCanvas::pset(double x, double y, Rgb c) {
  applyPen(c);
  p_.drawPoint(QPointF(toDeviceX(x), toDeviceY(y)));
  currentX = x;
  currentY = y;
}

void PainterCanvas::circle(double x, double y, double r, Rgb c) {
  applyPen(c);
  p_.setBrush(Qt::NoBrush);
  p_.drawEllipse(QPointF(toDeviceX(x), toDeviceY(y)), toDeviceX(r), toDeviceY(r));
  currentX = x;
  currentY = y;
}

void PainterCanvas::print(std::string_view text, bool stayOnLine) {
  const QString s = fromText(text);
  p_.setFont(font_);
  const QFontMetricsF fm(font_, p_.device());
  p_.setPen(QPen(toQColor(foreColor_)));
  p_.drawText(QPointF(toDeviceX(currentX), toDeviceY(currentY) + fm.ascent()), s);
  if (stayOnLine) {
    currentX += textWidth(text);
  } else {
    currentX = 0;
    currentY += textHeight(text);
  }
}

double PainterCanvas::textWidth(std::string_view s) const {
  const QFontMetricsF fm(font_, p_.device());
  return fm.horizontalAdvance(fromText(s)) * 1440.0 / dpiX_;
}

double PainterCanvas::textHeight(std::string_view) const {
  const QFontMetricsF fm(font_, p_.device());
  return fm.height() * 1440.0 / dpiY_;
}

}  // namespace platform
