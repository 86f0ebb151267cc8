#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label("QUELDAR");
  label.show();
  return app.exec();
}
