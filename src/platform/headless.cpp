#include "platform/headless.h"

#include <cmath>
#include <string>
#include <thread>

namespace platform {

Answer PrintingMessageBoxes::AnswerFor(int buttons, bool answerNo) {
  switch (BoxButtons(buttons)) {
    case kBoxOKCancel:
      return answerNo ? Answer::Cancel : Answer::OK;
    case kBoxYesNoCancel:
    case kBoxYesNo:
      return answerNo ? Answer::No : Answer::Yes;
    default:
      return Answer::OK;
  }
}

Answer PrintingMessageBoxes::show(std::string_view text, int buttons, std::string_view title) {
  // The text's own line feeds split it into the block's lines.
  std::string block = "=== " + std::string(title) + " [" + std::to_string(BoxCode(buttons)) + "]\n";
  block += text;
  block += "\n===\n";
  if (stream_) {
    stream_->write(block.data(), static_cast<std::streamsize>(block.size()));
    stream_->flush();
  } else if (file_) {
    std::fwrite(block.data(), 1, block.size(), file_);
    std::fflush(file_);
  }
  return AnswerFor(buttons, answerNo_);
}

std::chrono::system_clock::time_point SystemClock::now() { return std::chrono::system_clock::now(); }

void SystemClock::waitSeconds(double seconds) {
  if (!(seconds > 0)) return;
  if (seconds > 3600) seconds = 3600;
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

void InstallHeadlessServices(bool answerNo) {
  static PrintingMessageBoxes boxes(stdout);
  static NoPointer pointer;
  static SystemClock clock;
  boxes.setAnswerNo(answerNo);
  Services& s = services();
  s.messageBoxes = &boxes;
  s.pointer = &pointer;
  s.clock = &clock;
}

}  // namespace platform
