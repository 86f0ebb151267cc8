// Keys struck as the user strikes them, on a window that is the active one.
#pragma once

#include <QTest>
#include <QWidget>
#include <functional>

namespace support {

// Shows a window as the user has it, the active one, so that its access keys reach it.
inline bool ShowActive(QWidget& w) {
  w.show();
  w.activateWindow();
  return QTest::qWaitForWindowActive(&w);
}

// One stroke of Alt+key, and its effect awaited (a button Qt presses by its own access
// key clicks a moment later).
inline bool AltKey(QWidget& w, Qt::Key key, const std::function<bool()>& effect) {
  QTest::keyClick(&w, key, Qt::AltModifier);
  return QTest::qWaitFor(effect, 2000);
}

}  // namespace support
