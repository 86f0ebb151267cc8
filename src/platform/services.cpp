#include "platform/services.h"

#include "platform/headless.h"

#include <cstdio>
#include <string>

namespace platform {

Services& services() {
  static Services s;
  return s;
}

Answer MsgBox(std::string_view text, int buttons, std::string_view title) {
  SetPointer(0);
  const std::string_view shown = title.empty() ? std::string_view(kProgramTitle) : title;
  if (MessageBoxes* boxes = services().messageBoxes) return boxes->show(text, buttons, shown);
  // Nobody installed message boxes: say it on the error stream rather than lose it.
  std::fprintf(stderr, "=== %.*s [%d]\n%.*s\n===\n", static_cast<int>(shown.size()), shown.data(),
               BoxCode(buttons), static_cast<int>(text.size()), text.data());
  return BoxButtons(buttons) == kBoxYesNo ? Answer::Yes : Answer::OK;
}

void SetPointer(int code) {
  if (Pointer* p = services().pointer) p->set(code);
}

std::chrono::system_clock::time_point Now() {
  if (Clock* c = services().clock) return c->now();
  return SystemClock().now();
}

void WaitSeconds(double seconds) {
  if (Clock* c = services().clock) return c->waitSeconds(seconds);
  SystemClock().waitSeconds(seconds);
}

}  // namespace platform
