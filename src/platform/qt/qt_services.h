// Puts the Qt implementations of the platform services into platform::services().
#pragma once

#include <memory>

#include "platform/services.h"

namespace platform {

class QtMessageBoxes;
class QtPointer;
class QtFileDialogs;
class QtHelp;
class QtPrinterFactory;
class QtModalRunner;
class QtClock;

// Owns the Qt services while they are installed; put back what was there before when it
// goes. Create it after the QApplication and let it go before the QApplication does.
class QtServices {
 public:
  QtServices();
  ~QtServices();
  QtServices(const QtServices&) = delete;
  QtServices& operator=(const QtServices&) = delete;

  QtMessageBoxes& messageBoxes() { return *messageBoxes_; }
  QtPointer& pointer() { return *pointer_; }
  QtFileDialogs& fileDialogs() { return *fileDialogs_; }
  QtHelp& help() { return *help_; }
  QtPrinterFactory& printers() { return *printers_; }
  QtModalRunner& modalRunner() { return *modalRunner_; }
  QtClock& clock() { return *clock_; }

 private:
  Services previous_;
  std::unique_ptr<QtMessageBoxes> messageBoxes_;
  std::unique_ptr<QtPointer> pointer_;
  std::unique_ptr<QtFileDialogs> fileDialogs_;
  std::unique_ptr<QtHelp> help_;
  std::unique_ptr<QtPrinterFactory> printers_;
  std::unique_ptr<QtModalRunner> modalRunner_;
  std::unique_ptr<QtClock> clock_;
};

// Font substitutions, then the services.
std::unique_ptr<QtServices> InstallQtServices();

}  // namespace platform
