// The open and save-as dialogs on QFileDialog, driven by the properties the windows set.
#pragma once

#include <QStringList>
#include <string_view>

#include "platform/services.h"

class QFileDialog;

namespace platform {

// "desc|pattern|desc|pattern" as Qt name filters: "desc (pattern)", with "*.*" as "*"
// and ";"-separated patterns as blank-separated ones.
QStringList QtNameFilters(std::string_view filter);

class QtFileDialogs : public FileDialogs {
 public:
  void showOpen(FileDialogState& s) override { show(s, true); }
  void showSaveAs(FileDialogState& s) override { show(s, false); }

  // Sets a dialog up from the state (for tests and for show()).
  static void configure(QFileDialog& d, const FileDialogState& s, bool open);
  // Takes the answer of a dialog into the state; an empty selection is a cancel.
  static void takeAnswer(FileDialogState& s, const QFileDialog& d, bool accepted);
  // Sizes the dialog and its detail columns so that names and times are not cut.
  static void fitColumns(QFileDialog& d);

 private:
  void show(FileDialogState& s, bool open);
};

}  // namespace platform
