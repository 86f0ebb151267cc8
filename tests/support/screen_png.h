// The screen as a user sees it: the given windows drawn where they stand, in order, the
// rest dark; saved as a PNG whose name carries the scale factor the run uses, so the
// normal and the 1.5x runs leave pictures side by side.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <string>

namespace support {

inline void SaveScreenPng(QScreen* screen, std::initializer_list<QWidget*> windows, const QString& folder,
                          const std::string& name) {
  const QRect avail = screen->availableGeometry();
  const qreal ratio = screen->devicePixelRatio();
  QPixmap shot(avail.size() * ratio);
  shot.setDevicePixelRatio(ratio);
  shot.fill(QColor(40, 40, 40));
  {
    QPainter p(&shot);
    for (QWidget* w : windows) p.drawPixmap(w->pos() - avail.topLeft(), w->grab());
  }
  QDir().mkpath(folder);
  const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
  const std::string file = name + (scale.isEmpty() || scale == "1" ? "" : "@" + scale.toStdString()) + ".png";
  EXPECT_TRUE(shot.save(folder + "/" + QString::fromStdString(file))) << file;
}

}  // namespace support
