#include "platform/qt/pointer.h"

#include <QApplication>

namespace platform {

void QtPointer::set(int code) {
  if (code == 11) {
    // One override at most: a second hourglass must not need a second restore.
    if (QApplication::overrideCursor())
      QApplication::changeOverrideCursor(Qt::WaitCursor);
    else
      QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  }
  code_ = code == 11 ? 11 : 0;
}

}  // namespace platform
