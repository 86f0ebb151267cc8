#include "platform/qt/guarded_application.h"

#include <exception>
#include <string>

#include "platform/services.h"

namespace platform {

namespace {

bool reporting = false;

void ReportEscapedFailure(const std::string& what) {
  // A failure while the box itself is up must not stack boxes without end.
  if (reporting) return;
  reporting = true;
  try {
    MsgBox("An unexpected error stopped the last command:\n     " + what +
               "\n\nYour input data and report files are kept.\nSave your work before going on.",
           kBoxOK | kBoxExclamation, "UNEXPECTED ERROR");
  } catch (...) {
  }
  reporting = false;
}

}  // namespace

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ReportEscapedFailure(e.what());
  } catch (...) {
    ReportEscapedFailure("a failure of unknown kind");
  }
  return true;
}

}  // namespace platform
