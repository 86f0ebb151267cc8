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
    const QString given = parts[i + 1].trimmed();
    QStringList patterns;
    for (QString p : given.split(';', Qt::SkipEmptyParts)) {
      p = p.trimmed();
      if (p == "*.*") p = "*";
      // Names on this file system are case-sensitive; the patterns were written for one
      // that is not, so "*.DAT" must find "wall.dat" too.
      for (const QString& v : {p, p.toLower(), p.toUpper()})
        if (!v.isEmpty() && !patterns.contains(v)) patterns << v;
    }
    QString desc = parts[i].trimmed();
    // "Input Files (*.dat)" already names its pattern: do not say it twice.
    const int open = desc.lastIndexOf('(');
    if (desc.endsWith(')') && open >= 0) {
      QString inside = desc.mid(open + 1, desc.size() - open - 2);
      inside.remove(' ');
      QString plain = given;
      plain.remove(' ');
      if (inside.compare(plain, Qt::CaseInsensitive) == 0) desc = desc.left(open).trimmed();
    }
    out << QString("%1 (%2)").arg(desc, patterns.join(' '));
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
