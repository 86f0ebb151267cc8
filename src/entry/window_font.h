// The entry windows are laid out in twips for the font they were designed with, so they
// use it (through the program's substitution), whatever the desktop's default.
#pragma once

#include <QFont>
#include <QWidget>

namespace entry {

inline void UseDesignedFont(QWidget* w) {
  QFont f("MS Sans Serif");
  f.setPointSizeF(8.25);
  w->setFont(f);
}

}  // namespace entry
