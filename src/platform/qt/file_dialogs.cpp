#include "platform/qt/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

#include "platform/qt/form.h"
#include "platform/qt/latin1.h"

namespace platform {

QStringList QtNameFilters(std::string_view filter) {
  const QStringList parts = fromLatin1(filter).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns) {
      p = p.trimmed();
      if (p == "*.*") p = "*";
    }
    out << QString("%1 (%2)").arg(parts[i].trimmed(), patterns.join(' '));
  }
  return out;
}

void QtFileDialogs::configure(QFileDialog& d, const FileDialogState& s, bool open) {
  d.setWindowTitle(fromLatin1(s.dialogTitle));
  if (open) {
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
  } else {
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    // The program asks "OVERWRITE?" itself.
    d.setOption(QFileDialog::DontConfirmOverwrite, true);
  }
  if (!s.initDir.empty()) d.setDirectory(fromPath(s.initDir));
  const QStringList filters = QtNameFilters(s.filter);
  if (!filters.isEmpty()) {
    d.setNameFilters(filters);
    const int i = s.filterIndex - 1;
    d.selectNameFilter(filters[i >= 0 && i < filters.size() ? i : 0]);
  }
  if (!s.fileName.empty()) d.selectFile(fromPath(s.fileName));
}

void QtFileDialogs::takeAnswer(FileDialogState& s, const QFileDialog& d, bool accepted) {
  const QStringList files = d.selectedFiles();
  if (!accepted || files.isEmpty() || files.first().isEmpty()) {
    s.fileName.clear();
    s.fileTitle.clear();
    return;
  }
  const QFileInfo info(files.first());
  s.fileName = toPath(info.absoluteFilePath());
  s.fileTitle = toPath(info.fileName());
  s.initDir = toPath(info.absolutePath());
  const int i = d.nameFilters().indexOf(d.selectedNameFilter());
  if (i >= 0) s.filterIndex = i + 1;
}

void QtFileDialogs::show(FileDialogState& s, bool open) {
  QWidget* parent = Form::topForm();
  QFileDialog d(parent);
  configure(d, s, open);
  d.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
  const bool accepted = d.exec() == QDialog::Accepted;
  takeAnswer(s, d, accepted);
}

}  // namespace platform
