// The main() of a test program that needs widgets: one application, as the program has it, on the offscreen
// platform, the program's font substitutions, then every test.
//   #include "support/qt_test_main.h"
//   int main(int argc, char** argv) { return QtTestMain(argc, argv); }
#pragma once

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/guarded_application.h"
#include "platform/qt/screen.h"

inline int QtTestMain(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  platform::GuardedApplication app(argc, argv);
  platform::InstallFontSubstitutions();
  return RUN_ALL_TESTS();
}
