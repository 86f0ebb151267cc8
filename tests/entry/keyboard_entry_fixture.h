// The entry windows under test: scripted boxes and modal runner from the window tests, a
// problem reset before each test, and small helpers to type, click and read back as a
// user would.
#pragma once

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <string>

#include "app/app_fixture.h"
#include "entry/entry_common.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/qt/controls.h"

class EntryTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    // Every OK/Cancel message here drops typed data on Cancel: only a button may answer it.
    boxes.okCancelMustBeAnswered = true;
    NewLine = "\n";
    ResetInputData();
  }

  // Shows window F through the modal runner; `user` plays on it and must leave it closed.
  template <class F>
  void show(std::function<void(F&)> user) {
    runner.on(F().objectName(), [user](platform::Form& f) { user(static_cast<F&>(f)); });
    platform::ShowModal<F>();
  }

  static QLineEdit* textBox(platform::Form& f, const QString& name) {
    auto* b = f.control<QLineEdit>(name);
    EXPECT_NE(b, nullptr) << name.toStdString();
    return b;
  }
  static void type(platform::Form& f, const QString& name, const QString& text) { textBox(f, name)->setText(text); }
  static void click(platform::Form& f, const QString& name) {
    auto* b = f.control<QPushButton>(name);
    ASSERT_NE(b, nullptr) << name.toStdString();
    ASSERT_TRUE(b->isVisibleTo(&f)) << name.toStdString() << " is hidden";
    b->click();
  }
  static platform::Rgb colourOf(platform::Form& f, const QString& panel) {
    return f.control<platform::Panel>(panel)->backColor();
  }
  static bool shown(platform::Form& f, const QString& name) {
    auto* w = f.findChild<QWidget*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w && w->isVisibleTo(&f);
  }
  // The last message box shown: "TITLE [code] text".
  std::string lastBox() const { return boxes.last(); }

  // "_x1.5" when the run draws at QT_SCALE_FACTOR 1.5, else "".
  static std::string scaleTag() {
    const QByteArray f = qgetenv("QT_SCALE_FACTOR");
    return f.isEmpty() || f == "1" ? std::string() : "_x" + f.toStdString();
  }
  // Keeps a picture of the window for a person to look at.
  static void keepPicture(platform::Form& f, const std::string& name) {
    fs::path dir = artifacts() / "entry";
    fs::create_directories(dir);
    const QImage shot = f.grab().toImage();
    EXPECT_TRUE(shot.save(QString::fromStdString((dir / (name + scaleTag() + ".png")).string())));
  }
};

inline constexpr platform::Rgb kWhite = entry::kWhite;
inline constexpr platform::Rgb kCyan = entry::kLightCyan;
