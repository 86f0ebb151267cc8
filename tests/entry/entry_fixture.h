// The set-up of the entry window tests: scripted message boxes and modal runner, the main
// window's size for the windows to copy, a fresh problem, and PNGs of the windows for a
// person to look at (named for the scale the test program runs at).
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <string>

#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/scripted_file_dialogs.h"
#include "platform/qt/form.h"
#include "platform/qt/latin1.h"
#include "platform/qt/modal_runner.h"
#include "platform/script_doubles.h"

class EntryWindowTest : public ::testing::Test {
 protected:
  std::unique_ptr<platform::Form> mainStandIn;
  void SetUp() override {
    platform::Services& s = platform::services();
    s.messageBoxes = &boxes;
    boxes.fail = [](const std::string& what) { ADD_FAILURE() << what; };
    // Every OK/Cancel message here drops typed data on Cancel: only a button may answer it.
    boxes.okCancelMustBeAnswered = true;
    s.modalRunner = &runner;
    runner.fail = [](const std::string& what) { ADD_FAILURE() << what; };
    // The entry windows copy the main window's place and size: a stand-in of the usual size.
    mainStandIn = std::make_unique<platform::Form>("DIRADERU");
    mainStandIn->setWidth(9570);
    mainStandIn->setHeight(7245);
    mainStandIn->setLeft(600);
    mainStandIn->setTop(600);
    platform::Form::setMainWindow(mainStandIn.get());
    ResetInputData();
  }
  void TearDown() override {
    platform::Form::setMainWindow(nullptr);
    mainStandIn.reset();
    EXPECT_TRUE(boxes.done()) << "boxes expected but not shown";
    EXPECT_EQ(runner.pending(), 0) << "forms expected but not shown";
  }

  void box(const std::string& title, platform::Answer a = platform::Answer::OK, const std::string& textHas = "") {
    boxes.expect(title, a, textHas);
  }
  // The message boxes shown since the last call, by title.
  std::vector<std::string> titlesShown() {
    std::vector<std::string> titles;
    for (const platform::RecordedBox& b : boxes.boxes()) titles.push_back(b.title);
    boxes.clearShown();
    return titles;
  }

  template <class W = QLineEdit>
  static W* find(platform::Form& f, const QString& name) {
    W* w = f.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  static QLineEdit* element(platform::Form& f, const QString& array, int index) {
    return find(f, platform::ArrayElementName(array, index));
  }
  static void type(QLineEdit* box, const char* text) { box->setText(platform::fromLatin1(text)); }
  static void click(platform::Form& f, const QString& button) {
    if (QPushButton* b = find<QPushButton>(f, button)) b->click();
  }
  static std::string text(const QLineEdit* box) { return platform::toLatin1(box->text()); }

  // Saves the window as it stands: name.png, or name@1.5.png under QT_SCALE_FACTOR=1.5.
  static void png(QWidget& w, const std::string& name) {
    const QString dir = QCoreApplication::applicationDirPath() + "/../artifacts";
    QDir().mkpath(dir);
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    const QString file = QString::fromStdString(name) + (scale.isEmpty() ? "" : "@" + QString(scale)) + ".png";
    EXPECT_TRUE(w.grab().save(dir + "/" + file)) << file.toStdString();
  }

  platform::ScopedServices services;
  platform::ScriptedMessageBoxes boxes;
  platform::ScriptedModalRunner runner;
};
