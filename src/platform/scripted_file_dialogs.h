// Test doubles for the file dialogs and the help viewer: they answer from a script and
// remember what they were shown, so no test ever waits on a real dialog.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace platform {

class ScriptedFileDialogs : public FileDialogs {
 public:
  enum class Action { Open, SaveAs };
  // One answer of the script: the full path chosen, or "" for Cancel. The dialog's
  // FileTitle becomes the name part, and the next InitDir the folder part.
  struct Answer {
    Action action;
    std::string path;
  };
  void answerOpen(std::string path) { script.push_back({Action::Open, std::move(path)}); }
  void answerSaveAs(std::string path) { script.push_back({Action::SaveAs, std::move(path)}); }
  void cancelOpen() { answerOpen(""); }
  void cancelSaveAs() { answerSaveAs(""); }

  void showOpen(FileDialogState& s) override { show(Action::Open, s); }
  void showSaveAs(FileDialogState& s) override { show(Action::SaveAs, s); }

  struct Shown {
    Action action;
    FileDialogState state;  // the properties as the program set them before showing
  };
  std::deque<Answer> script;
  std::vector<Shown> shown;
  // Called with a description when the program shows a dialog the script does not expect
  // (tests point it at their failure report). The dialog then answers Cancel.
  std::function<void(const std::string&)> fail;
  std::vector<std::string> failures;

 private:
  void show(Action action, FileDialogState& s);
};

// The help viewer double: records each call as "contents", "search:KEYWORD" or "quit".
class RecordingHelp : public Help {
 public:
  void contents() override { calls.push_back("contents"); }
  void search(std::string_view keyword) override { calls.push_back("search:" + std::string(keyword)); }
  void quit() override { calls.push_back("quit"); }
  std::vector<std::string> calls;
};

}  // namespace platform
