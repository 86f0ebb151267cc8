#include "platform/text_printer.h"

namespace platform {

namespace {
TextPrinter* installed = nullptr;
}

TextPrinter* textPrinter() { return installed; }
void setTextPrinter(TextPrinter* printer) { installed = printer; }

}  // namespace platform
