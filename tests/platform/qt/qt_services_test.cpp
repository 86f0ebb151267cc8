#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/qt/clock.h"
#include "platform/qt/pointer.h"
#include "platform/qt/qt_services.h"

TEST(QtServices, FillTheRegistryAndPutBackWhatWasThere) {
  platform::Services& s = platform::services();
  const platform::Services before = s;
  {
    const auto qt = platform::InstallQtServices();
    EXPECT_NE(s.messageBoxes, nullptr);
    EXPECT_NE(s.pointer, nullptr);
    EXPECT_NE(s.fileDialogs, nullptr);
    EXPECT_NE(s.help, nullptr);
    EXPECT_NE(s.printers, nullptr);
    EXPECT_NE(s.modalRunner, nullptr);
    EXPECT_NE(s.clock, nullptr);
    EXPECT_NE(s.messageBoxes, before.messageBoxes);
  }
  EXPECT_EQ(s.messageBoxes, before.messageBoxes);
  EXPECT_EQ(s.pointer, before.pointer);
  EXPECT_EQ(s.modalRunner, before.modalRunner);
}

TEST(QtServices, MsgBoxPutsThePointerBackBeforeTheBox) {
  const auto qt = platform::InstallQtServices();
  platform::BusyPointer busy;
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  bool hourglassDuringBox = true;
  QTimer::singleShot(0, [&] {
    hourglassDuringBox = QApplication::overrideCursor() != nullptr;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "QUELDAR");
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(platform::MsgBox("DO YOU WANT TO SAVE CURRENT INPUT DATA?", 36), platform::Answer::No);
  EXPECT_FALSE(hourglassDuringBox);
}

TEST(QtServices, OneHourglassNeedsOneRestore) {
  platform::QtPointer p;
  p.set(11);
  p.set(11);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  p.set(0);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtServices, ClockWaitsUntilItsDeadline) {
  platform::QtClock clock;
  QElapsedTimer t;
  t.start();
  clock.waitSeconds(0.1);
  EXPECT_GE(t.elapsed(), 100);
  t.restart();
  clock.waitSeconds(0);
  EXPECT_LT(t.elapsed(), 50);
}

TEST(QtServices, WindowsFontsResolveToTheLiberationFonts) {
  // Substitutions are installed by the test program as by the program itself (Qt keeps
  // family names in small letters).
  EXPECT_EQ(QFont::substitute("Arial").toLower(), "liberation sans");
  EXPECT_EQ(QFont::substitute("MS Sans Serif").toLower(), "liberation sans");
  EXPECT_EQ(QFont::substitute("Courier New").toLower(), "liberation mono");
  EXPECT_EQ(QFont::substitute("Times New Roman").toLower(), "liberation serif");
  EXPECT_TRUE(QFontInfo(QFont("Courier New")).fixedPitch());
}
