#include "support/qt_test_main.h"

int main(int argc, char** argv) { return QtTestMain(argc, argv); }
