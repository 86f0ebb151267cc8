#include "platform/qt/clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

namespace platform {

void QtClock::waitSeconds(double seconds) {
  QElapsedTimer timer;
  timer.start();
  const qint64 deadline = static_cast<qint64>(seconds * 1000.0);
  while (timer.elapsed() < deadline) {
    // Paint events only: what the user does meanwhile waits until the wait is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    QThread::msleep(10);
  }
}

}  // namespace platform
