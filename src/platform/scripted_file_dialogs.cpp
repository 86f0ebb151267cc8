#include "platform/scripted_file_dialogs.h"

namespace platform {

namespace {
const char* actionName(ScriptedFileDialogs::Action a) {
  return a == ScriptedFileDialogs::Action::Open ? "open" : "save as";
}
}  // namespace

void ScriptedFileDialogs::show(Action action, FileDialogState& s) {
  shown.push_back({action, s});
  std::string problem;
  if (script.empty()) {
    problem = std::string("unexpected ") + actionName(action) + " dialog \"" + s.dialogTitle + "\"";
  } else if (script.front().action != action) {
    problem = std::string("expected a ") + actionName(script.front().action) + " dialog, got " +
              actionName(action) + " \"" + s.dialogTitle + "\"";
  }
  if (!problem.empty()) {
    failures.push_back(problem);
    if (fail) fail(problem);
    s.fileName.clear();
    s.fileTitle.clear();
    return;
  }
  const std::string path = script.front().path;
  script.pop_front();
  if (path.empty()) {
    s.fileName.clear();
    s.fileTitle.clear();
    return;
  }
  s.fileName = path;
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) {
    s.fileTitle = path;
  } else {
    s.fileTitle = path.substr(slash + 1);
    s.initDir = slash == 0 ? "/" : path.substr(0, slash);
  }
}

}  // namespace platform
