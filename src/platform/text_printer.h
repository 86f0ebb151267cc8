// The print job that plain-text listings go to: the one printer of the program. The
// caller opens a document from services().printers and hands it here; a writer prints
// its lines ("Courier New" 10, the printer breaks pages) and ends the job.
#pragma once

#include "platform/services.h"

namespace platform {

// nullptr when no print job is open.
Printer* textPrinter();
void setTextPrinter(Printer* printer);

}  // namespace platform
