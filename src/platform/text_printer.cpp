#include "platform/text_printer.h"

namespace platform {

namespace {
Printer* current = nullptr;
}

Printer* textPrinter() { return current; }
void setTextPrinter(Printer* printer) { current = printer; }

}  // namespace platform
