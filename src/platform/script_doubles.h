// Test doubles for the message boxes, the pointer and the clock, and a guard that
// installs them for one test. Plain C++ so every test program can use them; a box the
// script did not expect throws UnexpectedMessageBox, which the test reports at once, or
// goes to the test's failure report when one is given (boxes shown inside a window's
// event handler, where a throw would end in the program's own error box).
#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace platform {

struct UnexpectedMessageBox : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct RecordedBox {
  std::string title;  // as shown: the program's title when the caller gave none
  std::string text;
  int buttons = 0;          // the code without kBoxMustAnswer
  bool mustAnswer = false;  // Esc and closing do nothing: only a button answers it
  std::string line() const;  // "TITLE [buttons] text"
};

// The name of an answer, for messages ("OK", "Cancel", "Yes", "No").
const char* AnswerName(Answer a);
// True when a box with these buttons can give this answer.
bool ButtonsCanGive(int buttons, Answer a);

class RecordingPointer;

// Answers boxes from a script, in order, and records every box.
class ScriptedMessageBoxes : public MessageBoxes {
 public:
  ScriptedMessageBoxes& expect(Answer answer);
  // textHas: a part the box's text must contain ("" = any text).
  ScriptedMessageBoxes& expect(std::string_view title, Answer answer, std::string_view textHas = {});
  // Boxes beyond the script are answered as a headless run answers them (Yes, or No with
  // answerNo, to a question; OK, or Cancel with answerNo, to OK/Cancel) and recorded.
  ScriptedMessageBoxes& answerTheRest(bool answerNo = false);

  Answer show(std::string_view text, int buttons, std::string_view title) override;

  const std::vector<RecordedBox>& boxes() const { return boxes_; }
  std::string last() const { return boxes_.empty() ? std::string() : boxes_.back().line(); }
  std::size_t remaining() const { return script_.size(); }  // expected boxes not yet shown
  bool done() const { return script_.empty(); }
  void clear();
  void clearShown() { boxes_.clear(); }   // the record only; the script stays
  void clearScript() { script_.clear(); }  // the expected boxes only; the record stays

  // When set, an OK/Cancel box that Esc or its close box could answer is against the
  // script: for windows whose every OK/Cancel message drops typed data on Cancel.
  bool okCancelMustBeAnswered = false;

  // When set, a box against the script is reported here instead of thrown, and answered
  // as scripted (beyond the script: No to a question, else OK).
  std::function<void(const std::string&)> fail;

  // Boxes also go into this pointer's order log, as "box".
  void logTo(RecordingPointer* pointer) { log_ = pointer; }

 private:
  struct Step {
    std::optional<std::string> title;
    Answer answer;
    std::string textHas;
  };
  std::deque<Step> script_;
  std::vector<RecordedBox> boxes_;
  RecordingPointer* log_ = nullptr;
  std::optional<bool> restAnswerNo_;
};

// Records the pointer codes in order; the order log also holds the boxes shown
// ("11", "0", "box", "0").
class RecordingPointer : public Pointer {
 public:
  void set(int code) override;
  const std::vector<int>& codes() const { return codes_; }
  const std::vector<std::string>& order() const { return order_; }
  int current() const { return codes_.empty() ? 0 : codes_.back(); }
  void note(std::string event) { order_.push_back(std::move(event)); }
  void clear() { codes_.clear(), order_.clear(); }

 private:
  std::vector<int> codes_;
  std::vector<std::string> order_;
};

// A clock that stands still until told. waitSeconds records the wait, moves the clock
// on by it and returns at once.
class FixedClock : public Clock {
 public:
  FixedClock();  // 9 December 2026, 2:07:12 local time
  explicit FixedClock(std::chrono::system_clock::time_point t) : now_(t) {}
  std::chrono::system_clock::time_point now() override { return now_; }
  void waitSeconds(double seconds) override;
  void set(std::chrono::system_clock::time_point t) { now_ = t; }
  // A local date and time.
  void setLocal(int year, int month, int day, int hour, int minute, int second);
  const std::vector<double>& waits() const { return waits_; }

 private:
  std::chrono::system_clock::time_point now_;
  std::vector<double> waits_;
};

// Installs the doubles for its lifetime and puts the previous registry back (every
// slot and hook) when it ends.
class ScopedServices {
 public:
  ScopedServices();
  ~ScopedServices();
  ScopedServices(const ScopedServices&) = delete;
  ScopedServices& operator=(const ScopedServices&) = delete;

  ScriptedMessageBoxes boxes;
  RecordingPointer pointer;
  FixedClock clock;

 private:
  Services saved_;
};

}  // namespace platform
