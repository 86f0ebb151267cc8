#include "platform/services.h"

#include "platform/headless.h"

#include <cstdio>
#include <string>

namespace platform {

Services& services() {
  static Services s;
  return s;
}

namespace {
HeldBoxes* innermostHold = nullptr;
}  // namespace

HeldBoxes::HeldBoxes() : outer_(innermostHold) { innermostHold = this; }

HeldBoxes::~HeldBoxes() { innermostHold = outer_; }

std::vector<HeldBoxes::Box> HeldBoxes::Take() {
  std::vector<Box> taken;
  taken.swap(boxes_);
  return taken;
}

void HeldBoxes::Show(const std::vector<Box>& boxes) {
  HeldBoxes* const self = innermostHold;
  innermostHold = outer_;
  for (const Box& b : boxes) MsgBox(b.text, b.buttons, b.title);
  innermostHold = self;
}

Answer MsgBox(std::string_view text, int buttons, std::string_view title) {
  if (innermostHold && BoxButtons(buttons) == kBoxOK) {
    innermostHold->boxes_.push_back({std::string(text), buttons, std::string(title)});
    return Answer::OK;
  }
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
