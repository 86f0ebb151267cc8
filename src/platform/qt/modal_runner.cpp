#include "platform/qt/modal_runner.h"

#include "platform/qt/form.h"

namespace platform {

void QtModalRunner::showModal(Form& form) {
  if (!form.parentWidget()) {
    if (Form* top = Form::topForm(); top && top != &form) {
      const QRect g = form.geometry();
      form.setParent(top, form.windowFlags());
      form.setGeometry(g);
    }
  }
  form.setWindowModality(Qt::WindowModal);
  form.exec();
}

ScriptedModalRunner& ScriptedModalRunner::on(const QString& formName, Action action) {
  script_[formName].push_back(std::move(action));
  return *this;
}

int ScriptedModalRunner::pending() const {
  int n = 0;
  for (const auto& [name, q] : script_) n += static_cast<int>(q.size());
  return n;
}

void ScriptedModalRunner::report(const std::string& what) {
  failures.push_back(what);
  if (fail) fail(what);
}

void ScriptedModalRunner::showModal(Form& form) {
  const QString name = form.objectName();
  shown.push_back(name.toStdString());
  auto it = script_.find(name);
  if (it == script_.end() || it->second.empty()) {
    report("unexpected form " + name.toStdString());
    form.unload();
    return;
  }
  Action action = std::move(it->second.front());
  it->second.pop_front();
  form.show();
  action(form);
  if (!form.isUnloaded()) {
    report("form " + name.toStdString() + " was left open");
    form.unload();
  }
}

}  // namespace platform
