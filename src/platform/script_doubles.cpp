#include "platform/script_doubles.h"

#include <cmath>
#include <ctime>

#include "platform/headless.h"

namespace platform {

const char* AnswerName(Answer a) {
  switch (a) {
    case Answer::OK: return "OK";
    case Answer::Cancel: return "Cancel";
    case Answer::Yes: return "Yes";
    case Answer::No: return "No";
  }
  return "?";
}

bool ButtonsCanGive(int buttons, Answer a) {
  switch (BoxButtons(buttons)) {
    case kBoxOK: return a == Answer::OK;
    case kBoxOKCancel: return a == Answer::OK || a == Answer::Cancel;
    case kBoxYesNoCancel: return a == Answer::Yes || a == Answer::No || a == Answer::Cancel;
    case kBoxYesNo: return a == Answer::Yes || a == Answer::No;
    default: return false;  // no box of the program has other buttons
  }
}

std::string RecordedBox::line() const { return title + " [" + std::to_string(buttons) + "] " + text; }

ScriptedMessageBoxes& ScriptedMessageBoxes::expect(Answer answer) {
  script_.push_back({std::nullopt, answer, {}});
  return *this;
}

ScriptedMessageBoxes& ScriptedMessageBoxes::expect(std::string_view title, Answer answer,
                                                   std::string_view textHas) {
  script_.push_back({std::string(title), answer, std::string(textHas)});
  return *this;
}

ScriptedMessageBoxes& ScriptedMessageBoxes::answerTheRest(bool answerNo) {
  restAnswerNo_ = answerNo;
  return *this;
}

namespace {
std::string Describe(const RecordedBox& b) {
  return "\"" + b.title + "\" [" + std::to_string(b.buttons) + "] \"" + b.text + "\"";
}
}  // namespace

Answer ScriptedMessageBoxes::show(std::string_view text, int buttons, std::string_view title) {
  boxes_.push_back({std::string(title), std::string(text), BoxCode(buttons), BoxMustBeAnswered(buttons)});
  if (log_) log_->note("box");
  const RecordedBox b = boxes_.back();
  const auto against = [this](const std::string& problem) {
    if (!fail) throw UnexpectedMessageBox(problem);
    fail(problem);
  };
  if (okCancelMustBeAnswered && BoxButtons(buttons) == kBoxOKCancel && !b.mustAnswer)
    against("OK/Cancel box that Esc would answer: " + Describe(b));
  if (script_.empty()) {
    if (restAnswerNo_) return PrintingMessageBoxes::AnswerFor(buttons, *restAnswerNo_);
    against("message box beyond the script: " + Describe(b));
    return ButtonsCanGive(buttons, Answer::No) ? Answer::No : Answer::OK;
  }
  const Step step = script_.front();
  script_.pop_front();
  if (step.title && *step.title != b.title)
    against("message box titled \"" + *step.title + "\" expected, got " + Describe(b));
  if (b.text.find(step.textHas) == std::string::npos)
    against("message box text with \"" + step.textHas + "\" expected, got " + Describe(b));
  if (!ButtonsCanGive(buttons, step.answer))
    against(std::string("scripted answer ") + AnswerName(step.answer) + " cannot come from " + Describe(b));
  return step.answer;
}

void ScriptedMessageBoxes::clear() {
  script_.clear();
  boxes_.clear();
}

void RecordingPointer::set(int code) {
  codes_.push_back(code);
  order_.push_back(std::to_string(code));
}

FixedClock::FixedClock() { setLocal(2026, 12, 9, 2, 7, 12); }

void FixedClock::setLocal(int year, int month, int day, int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  tm.tm_isdst = -1;
  now_ = std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

void FixedClock::waitSeconds(double seconds) {
  waits_.push_back(seconds);
  if (seconds > 0 && std::isfinite(seconds))
    now_ += std::chrono::duration_cast<std::chrono::system_clock::duration>(
        std::chrono::duration<double>(seconds));
}

ScopedServices::ScopedServices() : saved_(services()) {
  boxes.logTo(&pointer);
  Services& s = services();
  s.messageBoxes = &boxes;
  s.pointer = &pointer;
  s.clock = &clock;
}

ScopedServices::~ScopedServices() { services() = saved_; }

}  // namespace platform
