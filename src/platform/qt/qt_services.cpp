#include "platform/qt/qt_services.h"

#include "platform/qt/clock.h"
#include "platform/qt/file_dialogs.h"
#include "platform/qt/help_window.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/modal_runner.h"
#include "platform/qt/pointer.h"
#include "platform/qt/printer.h"
#include "platform/qt/screen.h"

namespace platform {

QtServices::QtServices()
    : previous_(services()),
      messageBoxes_(std::make_unique<QtMessageBoxes>()),
      pointer_(std::make_unique<QtPointer>()),
      fileDialogs_(std::make_unique<QtFileDialogs>()),
      help_(std::make_unique<QtHelp>()),
      printers_(std::make_unique<QtPrinterFactory>()),
      modalRunner_(std::make_unique<QtModalRunner>()),
      clock_(std::make_unique<QtClock>()) {
  Services& s = services();
  s.messageBoxes = messageBoxes_.get();
  s.pointer = pointer_.get();
  s.fileDialogs = fileDialogs_.get();
  s.help = help_.get();
  s.printers = printers_.get();
  s.modalRunner = modalRunner_.get();
  s.clock = clock_.get();
}

QtServices::~QtServices() {
  Services& s = services();
  s.messageBoxes = previous_.messageBoxes;
  s.pointer = previous_.pointer;
  s.fileDialogs = previous_.fileDialogs;
  s.help = previous_.help;
  s.printers = previous_.printers;
  s.modalRunner = previous_.modalRunner;
  s.clock = previous_.clock;
}

std::unique_ptr<QtServices> InstallQtServices() {
  InstallFontSubstitutions();
  return std::make_unique<QtServices>();
}

}  // namespace platform
