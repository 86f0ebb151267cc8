#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QTextStream>
#include <QScreen>
#include <QTest>

#include "platform/qt/help_window.h"

using platform::HelpWindow;
using platform::QtHelp;

TEST(Help, ContentsSearchAndQuitMapOntoOneWindow) {
  QtHelp help;
  EXPECT_EQ(help.window(), nullptr);
  help.quit();  // nothing open yet: nothing happens
  help.contents();
  HelpWindow* w = help.window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->parentWidget(), nullptr) << "the help window belongs to no form";
  EXPECT_EQ(w->browser()->source().toString(), "qrc:/help/contents.html");
  EXPECT_TRUE(w->browser()->toPlainText().contains("QUELDAR Help"));
  EXPECT_FALSE(w->keywordList()->isVisible());

  help.search("");
  EXPECT_EQ(help.window(), w) << "one help window at a time";
  EXPECT_TRUE(w->keywordList()->isVisible());
  EXPECT_GT(w->keywordList()->width(), 100) << "the index must not open collapsed";
  EXPECT_EQ(w->filterBox()->text(), "");
  EXPECT_EQ(w->focusWidget(), w->filterBox());
  EXPECT_GT(w->keywordList()->count(), 20);

  help.quit();
  EXPECT_FALSE(w->isVisible());
  help.contents();
  EXPECT_TRUE(w->isVisible());
  help.quit();
}

TEST(Help, PartialKeywordsFindTheirTopics) {
  HelpWindow w;
  const QStringList wedge = w.matchingKeywords("WED");
  ASSERT_FALSE(wedge.isEmpty());
  EXPECT_EQ(wedge.first(), "wedge method");
  // Words that start with the text come before words that contain it.
  const QStringList earth = w.matchingKeywords("earth");
  EXPECT_TRUE(earth.contains("fixed earth method"));
  EXPECT_TRUE(w.matchingKeywords("zzz").isEmpty());

  w.filterBox()->setText("pri");
  ASSERT_GT(w.keywordList()->count(), 0);
  EXPECT_EQ(w.keywordList()->item(0)->text(), "print");
  emit w.filterBox()->returnPressed();
  EXPECT_EQ(w.browser()->source().toString(), "qrc:/help/printing.html");
}

TEST(Help, EveryKeywordOpensAPageThatExists) {
  HelpWindow w;
  QFile f(":/help/keywords.txt");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
  QTextStream in(&f);
  int n = 0;
  while (!in.atEnd()) {
    const QString line = in.readLine();
    if (line.startsWith('#') || line.trimmed().isEmpty()) continue;
    const QString keyword = line.section('|', 0, 0);
    const QString page = line.section('|', 1).section('#', 0, 0);
    EXPECT_TRUE(QFile::exists(":/help/" + page)) << line.toStdString();
    EXPECT_TRUE(w.openKeyword(keyword));
    ++n;
  }
  EXPECT_GT(n, 20);
  // The topics the help must cover.
  for (const char* page : {"problem.html", "file_format.html", "solving.html", "report.html",
                           "plots.html", "printing.html", "methods.html"})
    EXPECT_TRUE(QFile::exists(QString(":/help/") + page)) << page;
}

TEST(Help, OpensBesideTheWindowAskingAndEscClosesIt) {
  // Right of the window where the screen has room, else left, else over its right part;
  // always on the screen.
  const QRect screen(0, 0, 1920, 1080);
  const QSize size(760, 560);
  EXPECT_EQ(HelpWindow::besidePosition(QRect(100, 50, 800, 600), size, screen), QPoint(908, 50));
  EXPECT_EQ(HelpWindow::besidePosition(QRect(1000, 50, 800, 600), size, screen), QPoint(232, 50));
  EXPECT_EQ(HelpWindow::besidePosition(QRect(300, 700, 1300, 600), size, screen), QPoint(733, 520));
  EXPECT_EQ(HelpWindow::besidePosition(QRect(0, 0, 1920, 1080), size, screen), QPoint(640, 0));

  QWidget main;
  main.setGeometry(40, 60, 300, 200);
  main.show();
  main.activateWindow();
  QApplication::setActiveWindow(&main);
  QtHelp help;
  help.contents();
  HelpWindow* w = help.window();
  ASSERT_NE(w, nullptr);
  // The test screen is small: beside the window asking as far as it allows.
  EXPECT_EQ(w->pos(), HelpWindow::besidePosition(main.frameGeometry(), w->size(),
                                                 main.screen()->availableGeometry()));
  EXPECT_NE(w->pos(), QPoint(0, 0)) << "not at the screen's corner";

  QTest::keyClick(w->browser(), Qt::Key_Escape);
  EXPECT_FALSE(w->isVisible());
  help.search("");
  QTest::keyClick(w->filterBox(), Qt::Key_Escape);
  EXPECT_FALSE(w->isVisible());
}
