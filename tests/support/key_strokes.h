// Keys struck as the user strikes them, on a window that is the active one.
#pragma once

#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <functional>

namespace support {

// Shows a window as the user has it, the active one, so that its access keys reach it.
inline bool ShowActive(QWidget& w) {
  w.show();
  w.activateWindow();
  return QTest::qWaitForWindowActive(&w);
}

// One stroke as the keyboard delivers it: to the window that has the keyboard (an open
// menu while one is open), first through the shortcuts, then as a key press to whatever
// inside that window holds the focus (the menu bar after a menu item chosen from the
// keyboard). A desktop gives the focus back to the window when a menu closes; offscreen
// nothing does, so `window` takes it back here.
inline void Stroke(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  if (!QGuiApplication::focusWindow()) {
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) return;  // the stroke's effect is missed
  }
  QTest::keyClick(QGuiApplication::focusWindow(), key, modifiers);
}

// One stroke of Alt+key, and its effect awaited (a button Qt presses by its own access
// key clicks a moment later).
inline bool AltKey(QWidget& w, Qt::Key key, const std::function<bool()>& effect) {
  Stroke(w, key, Qt::AltModifier);
  return QTest::qWaitFor(effect, 2000);
}

}  // namespace support
