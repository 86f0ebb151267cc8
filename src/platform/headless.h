// The services of a run without windows: message boxes printed as text blocks and
// answered at once, no pointer, the system clock. solve_file installs them.
#pragma once

#include <chrono>
#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/services.h"

namespace platform {

// Prints every box as "=== TITLE [CODE]", its text lines and "===", and answers it:
// OK for 0, 48, 64; OK for 1, 49 (Cancel when answering no); Yes for 4, 36 (No when
// answering no).
class PrintingMessageBoxes : public MessageBoxes {
 public:
  explicit PrintingMessageBoxes(std::FILE* out = stdout, bool answerNo = false)
      : file_(out), answerNo_(answerNo) {}
  explicit PrintingMessageBoxes(std::ostream& out, bool answerNo = false)
      : stream_(&out), answerNo_(answerNo) {}
  Answer show(std::string_view text, int buttons, std::string_view title) override;
  void setAnswerNo(bool answerNo) { answerNo_ = answerNo; }

  // The answer a headless run gives to a box with these buttons.
  static Answer AnswerFor(int buttons, bool answerNo);

 private:
  std::FILE* file_ = nullptr;
  std::ostream* stream_ = nullptr;
  bool answerNo_ = false;
};

class NoPointer : public Pointer {
 public:
  void set(int) override {}
};

class SystemClock : public Clock {
 public:
  std::chrono::system_clock::time_point now() override;
  void waitSeconds(double seconds) override;  // sleeps; nothing for 0, negative or NaN
};

// Fills the registry with the headless services (boxes printed to standard output).
// The file dialogs, help, printers, modal runner are left as they are.
void InstallHeadlessServices(bool answerNo);

}  // namespace platform
