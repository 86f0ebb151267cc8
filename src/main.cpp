#include <QApplication>
#include <QLabel>

#include "platform/qt/qt_services.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const auto qtServices = platform::InstallQtServices();
  QLabel label("QUELDAR");
  label.show();
  return app.exec();
}
