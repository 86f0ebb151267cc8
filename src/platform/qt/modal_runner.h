// Modal showing of forms: the Qt runner (window-modal, so the help window stays usable)
// and a scripted runner for tests, which plays a scripted action on each form shown and
// fails when a form is shown unexpectedly or left open.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/services.h"

namespace platform {

class QtModalRunner : public ModalRunner {
 public:
  void showModal(Form& form) override;
};

class ScriptedModalRunner : public ModalRunner {
 public:
  using Action = std::function<void(Form&)>;
  // Queues what the user does on the next showing of the named form. Each action must
  // leave the form closed (through its own buttons, menus or close request).
  ScriptedModalRunner& on(const QString& formName, Action action);
  void showModal(Form& form) override;

  // Names of the forms shown, in order.
  std::vector<std::string> shown;
  std::vector<std::string> failures;
  // Called with each failure as it happens (tests point it at their failure report).
  std::function<void(const std::string&)> fail;
  // Actions queued but never used.
  int pending() const;

 private:
  void report(const std::string& what);
  std::map<QString, std::deque<Action>> script_;
};

}  // namespace platform
