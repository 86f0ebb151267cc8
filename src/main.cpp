#include "app/main_window.h"
#include "platform/qt/guarded_application.h"
#include "platform/qt/qt_services.h"

int main(int argc, char** argv) {
  platform::GuardedApplication app(argc, argv);
  const auto qtServices = platform::InstallQtServices();
  InstallMainWindowHooks();
  int status = 0;
  {
    DIRADERU window;
    window.load();
    if (window.endRequested()) return 0;  // declined, or no temporary folder
    window.show();
    status = app.exec();
  }
  return status;
}
