#include "platform/qt/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QListView>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>

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

void QtFileDialogs::fitColumns(QFileDialog& d) {
  // Long names and the modification time are shown whole: the detail columns take their
  // contents' width, and the dialog opens wide enough for them where the screen allows.
  const QFontMetrics fm(d.font());
  QSize want(fm.averageCharWidth() * 140, fm.height() * 30);
  if (const QScreen* screen = d.screen()) want = want.boundedTo(screen->availableGeometry().size() * 9 / 10);
  d.resize(d.size().expandedTo(want));
  // The places beside the folder show their names whole too.
  // The splitter has its sizes only once the dialog is laid out on the screen.
  QTimer::singleShot(0, &d, [&d, fm] {
    auto* split = d.findChild<QSplitter*>("splitter");
    auto* places = d.findChild<QListView*>("sidebar");
    if (!split || !places || split->count() != 2) return;
    const int side = places->sizeHintForColumn(0) + 2 * places->frameWidth() + fm.averageCharWidth() * 2;
    const int total = split->sizes().value(0) + split->sizes().value(1);
    if (split->sizes().value(0) < side && total > 2 * side) split->setSizes({side, total - side});
  });
  if (auto* tree = d.findChild<QTreeView*>("treeView")) {
    tree->header()->setStretchLastSection(false);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  }
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
  fitColumns(d);
  d.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
  const bool accepted = d.exec() == QDialog::Accepted;
  takeAnswer(s, d, accepted);
}

}  // namespace platform
