#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "platform/qt/file_dialogs.h"
#include "platform/qt/message_boxes.h"
#include "platform/scripted_file_dialogs.h"

using platform::Answer;
using platform::FileDialogState;
using platform::QtMessageBoxes;

namespace {

// Runs f on the modal dialog as soon as it is up.
template <class D, class F>
void whenUp(F f) {
  QTimer::singleShot(0, [f] {
    auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr) << "no modal dialog up";
    f(*d);
  });
}

}  // namespace

TEST(QtMessageBoxes, CodesGiveButtonsIconsDefaultsAndEscape) {
  struct Case {
    int code;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton def, esc;
  };
  const Case cases[] = {
      {0, QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok},
      {1, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Cancel},
      {4, QMessageBox::Yes | QMessageBox::No, QMessageBox::NoIcon, QMessageBox::Yes, QMessageBox::NoButton},
      {36, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::Yes, QMessageBox::NoButton},
      {48, QMessageBox::Ok, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok},
      {49, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Cancel},
      {64, QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok},
      {49 | platform::kBoxMustAnswer, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Warning, QMessageBox::Ok,
       QMessageBox::NoButton},
      {1 | platform::kBoxMustAnswer, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoIcon, QMessageBox::Ok,
       QMessageBox::NoButton},
  };
  for (const Case& c : cases) {
    QMessageBox box;
    QtMessageBoxes::configure(box, "0 < gradient < 1.", c.code, "");
    SCOPED_TRACE(c.code);
    EXPECT_EQ(box.standardButtons(), c.buttons);
    EXPECT_EQ(box.icon(), c.icon);
    EXPECT_EQ(box.standardButton(box.defaultButton()), c.def);
    EXPECT_EQ(box.standardButton(qobject_cast<QAbstractButton*>(box.escapeButton())), c.esc);
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    EXPECT_EQ(box.text(), "0 < gradient < 1.");
    EXPECT_EQ(box.windowTitle(), "QUELDAR");
  }
  QMessageBox box;
  QtMessageBoxes::configure(box, "x", 0, "INVALID DATA");
  EXPECT_EQ(box.windowTitle(), "INVALID DATA");
}

TEST(QtMessageBoxes, FileNamesInTheFileSystemsEncodingReadAsWrittenBesideLatin1Texts) {
  // Names of files come as the file system has them (UTF-8); the program's own texts and
  // lines read from input files are Latin-1. Both must read as the user wrote them.
  struct Case {
    std::string bytes;
    QString shown;
  };
  const Case cases[] = {
      {"Input file processed: /home/j\xC3\xBCrgen/w\xC3\xA4nde.dat", QString::fromUtf8("Input file processed: /home/j\xC3\xBCrgen/w\xC3\xA4nde.dat")},
      {"'W\xC4NDE AM KAI", QString::fromLatin1("'W\xC4NDE AM KAI")},
      {"DO YOU WANT TO SAVE CURRENT INPUT DATA?", "DO YOU WANT TO SAVE CURRENT INPUT DATA?"},
  };
  for (const Case& c : cases) {
    QMessageBox box;
    QtMessageBoxes::configure(box, c.bytes, 0, "DATA ERROR IN INPUT FILE: /tmp/gr\xC3\xBCn.dat");
    EXPECT_EQ(box.text(), c.shown);
    EXPECT_EQ(box.windowTitle(), QString::fromUtf8("DATA ERROR IN INPUT FILE: /tmp/gr\xC3\xBCn.dat"));
  }
}

TEST(QtMessageBoxes, EscAnswersCancelClosesAnOkBoxAndLeavesABoxThatMustBeAnsweredUp) {
  QtMessageBoxes boxes;
  struct Case {
    int code;
    Qt::Key key;
    Answer answer;
  };
  const Case cases[] = {{36, Qt::Key_Return, Answer::Yes}, {1, Qt::Key_Escape, Answer::Cancel},
                        {49, Qt::Key_Escape, Answer::Cancel}, {49, Qt::Key_Return, Answer::OK},
                        {0, Qt::Key_Escape, Answer::OK},      {48, Qt::Key_Escape, Answer::OK},
                        {64, Qt::Key_Return, Answer::OK}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    whenUp<QMessageBox>([key = c.key](QMessageBox& b) { QTest::keyClick(&b, key); });
    EXPECT_EQ(boxes.show("DO YOU WANT TO SAVE?", c.code, "QUELDAR"), c.answer);
  }
  // One stray Esc, the close box or Alt+F4 at a save prompt, or at a message whose Cancel
  // drops typed data: the box stays up until one of its own buttons answers.
  struct MustAnswer {
    int code;
    QMessageBox::StandardButton button;
    Answer answer;
  };
  const MustAnswer mustAnswer[] = {{4, QMessageBox::No, Answer::No},
                                   {4, QMessageBox::Yes, Answer::Yes},
                                   {36, QMessageBox::No, Answer::No},
                                   {36, QMessageBox::Yes, Answer::Yes},
                                   {49 | platform::kBoxMustAnswer, QMessageBox::Cancel, Answer::Cancel},
                                   {49 | platform::kBoxMustAnswer, QMessageBox::Ok, Answer::OK},
                                   {1 | platform::kBoxMustAnswer, QMessageBox::Cancel, Answer::Cancel}};
  for (const MustAnswer& c : mustAnswer) {
    SCOPED_TRACE(c.code);
    bool stillUp = false;
    whenUp<QMessageBox>([&stillUp, button = c.button](QMessageBox& b) {
      QTest::keyClick(&b, Qt::Key_Escape);
      QTest::keyClick(b.focusWidget() ? b.focusWidget() : &b, Qt::Key_Escape);
      b.close();
      QApplication::processEvents();
      stillUp = b.isVisible() && QApplication::activeModalWidget() == &b;
      b.button(button)->click();
    });
    EXPECT_EQ(boxes.show("Choose CANCEL to abort this run.", c.code, "QUELDAR"), c.answer);
    EXPECT_TRUE(stillUp);
  }
}

TEST(QtFileDialogs, FiltersBecomeQtNameFilters) {
  EXPECT_EQ(platform::QtNameFilters("Input Files (*.dat)|*.dat|All Files (*.*)|*.*"),
            (QStringList{"Input Files (*.dat *.DAT)", "All Files (*)"}));
  EXPECT_EQ(platform::QtNameFilters("Data|*.DAT;*.in|Reports|*.out"),
            (QStringList{"Data (*.DAT *.dat *.in *.IN)", "Reports (*.out *.OUT)"}));
  EXPECT_TRUE(platform::QtNameFilters("").isEmpty());
}

TEST(QtFileDialogs, OpenTakesExistingFilesAndSaveAsDoesNotAskToOverwrite) {
  QTemporaryDir dir;
  FileDialogState s;
  s.dialogTitle = "Open Input Data File";
  s.filter = "Input Files|*.dat|Other|*.in";
  s.filterIndex = 2;
  s.initDir = dir.path().toStdString();
  QFileDialog open;
  platform::QtFileDialogs::configure(open, s, true);
  EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(open.windowTitle(), "Open Input Data File");
  EXPECT_EQ(open.selectedNameFilter(), "Other (*.in *.IN)");
  EXPECT_EQ(open.directory().absolutePath(), dir.path());

  QFileDialog save;
  platform::QtFileDialogs::configure(save, s, false);
  EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
  EXPECT_TRUE(save.testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(QtFileDialogs, AnAnswerSetsNameTitleFolderAndACancelEmptiesTheName) {
  QTemporaryDir dir;
  const QString path = dir.filePath("wall.dat");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  platform::QtFileDialogs dialogs;
  FileDialogState s;
  s.filter = "Input Files|*.dat";
  s.initDir = "/";
  whenUp<QFileDialog>([path](QFileDialog& d) {
    d.selectFile(path);
    QMetaObject::invokeMethod(&d, "accept");
  });
  dialogs.showOpen(s);
  EXPECT_EQ(s.fileName, path.toStdString());
  EXPECT_EQ(s.fileTitle, "wall.dat");
  EXPECT_EQ(s.initDir, dir.path().toStdString());

  whenUp<QFileDialog>([](QFileDialog& d) { d.reject(); });
  dialogs.showSaveAs(s);
  EXPECT_EQ(s.fileName, "");
  EXPECT_EQ(s.fileTitle, "");
}

TEST(ScriptedFileDialogs, AnswersInOrderAndRecordsWhatWasShown) {
  platform::ScriptedFileDialogs d;
  std::vector<std::string> failures;
  d.fail = [&](const std::string& m) { failures.push_back(m); };
  d.answerOpen("/data/walls/anchored.dat");
  d.cancelSaveAs();
  FileDialogState s;
  s.dialogTitle = "Open";
  s.fileName = "old";
  d.showOpen(s);
  EXPECT_EQ(s.fileName, "/data/walls/anchored.dat");
  EXPECT_EQ(s.fileTitle, "anchored.dat");
  EXPECT_EQ(s.initDir, "/data/walls");
  s.dialogTitle = "Save";
  d.showSaveAs(s);
  EXPECT_EQ(s.fileName, "");
  ASSERT_EQ(d.shown.size(), 2u);
  EXPECT_EQ(d.shown[0].state.fileName, "old");
  EXPECT_EQ(d.shown[1].state.dialogTitle, "Save");
  EXPECT_TRUE(failures.empty());
  d.showOpen(s);  // nothing scripted: a failure, answered as a cancel
  EXPECT_EQ(failures.size(), 1u);
  EXPECT_EQ(s.fileName, "");
}

TEST(QtFileDialogs, TheOpenDialogShowsLongNamesAndTimesWhole) {
  QTemporaryDir dir;
  for (const char* name : {"anchored-wall-quay-north-phase-2-revised-layers.dat", "w.dat"}) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  FileDialogState s;
  s.dialogTitle = "OPEN INPUT FILE.";
  s.filter = "Input Files|*.dat";
  s.initDir = dir.path().toStdString();
  platform::QtFileDialogs dialogs;
  whenUp<QFileDialog>([](QFileDialog& d) {
    auto* tree = d.findChild<QTreeView*>("treeView");
    ASSERT_NE(tree, nullptr);
    d.setViewMode(QFileDialog::Detail);
    // The folder is read in the background: wait for both files.
    for (int i = 0; i < 200 && tree->model()->rowCount(tree->rootIndex()) < 2; ++i) QTest::qWait(10);
    QTest::qWait(50);
    EXPECT_EQ(tree->model()->rowCount(tree->rootIndex()), 2);
    // Every name, size, type and time fits its column (the name beside its icon).
    QHeaderView* header = tree->header();
    const QFontMetrics fm = tree->fontMetrics();
    for (int c = 0; c < header->count(); ++c) {
      if (header->isSectionHidden(c)) continue;
      for (int r = 0; r < tree->model()->rowCount(tree->rootIndex()); ++r) {
        const QString text = tree->model()->index(r, c, tree->rootIndex()).data().toString();
        SCOPED_TRACE(text.toStdString());
        EXPECT_GE(header->sectionSize(c), fm.horizontalAdvance(text) + (c == 0 ? tree->iconSize().width() : 0));
      }
    }
    QDir().mkpath("artifacts");
    d.grab().save("artifacts/open_dialog.png");
    d.reject();
  });
  dialogs.showOpen(s);
  EXPECT_EQ(s.fileName, "");
}
