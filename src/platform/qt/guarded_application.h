// The application object of the desktop program. A failure that escapes an event handler
// would otherwise end the program and take the user's unsaved work with it; here it is
// shown in a message box and the program goes on, its input and report files untouched.
#pragma once

#include <QApplication>

namespace platform {

class GuardedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace platform
