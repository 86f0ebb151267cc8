#include "platform/qt/screen.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>

namespace platform {

ScreenTwips screen() {
  ScreenTwips s;
  double pxW = 800, pxH = 600;
  if (QScreen* sc = QGuiApplication::primaryScreen()) {
    const double dx = sc->logicalDotsPerInchX(), dy = sc->logicalDotsPerInchY();
    if (dx > 0) s.twipsPerPixelX = 1440.0 / dx;
    if (dy > 0) s.twipsPerPixelY = 1440.0 / dy;
    pxW = sc->geometry().width();
    pxH = sc->geometry().height();
  }
  s.width = pxW * s.twipsPerPixelX;
  s.height = pxH * s.twipsPerPixelY;
  return s;
}

double TwipsPerPixelX() { return screen().twipsPerPixelX; }
double TwipsPerPixelY() { return screen().twipsPerPixelY; }

void InstallFontSubstitutions() {
  QFont::insertSubstitution("Arial", "Liberation Sans");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("Courier New", "Liberation Mono");
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
}

}  // namespace platform
