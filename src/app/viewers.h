// The text viewers of the main window: VUINECHO (the report) and VUINPTFL (the input
// data file), and the wedge-method chooser WEDGMETH.
#pragma once

#include <QPlainTextEdit>

#include "platform/qt/controls.h"
#include "platform/qt/form.h"

class QAction;

// The text a viewer shows, from the file's bytes (Latin-1): the report up to 48000
// characters, the input file without its last character (an empty file shows empty).
inline constexpr long long kReportViewLimit = 48000;
std::string InputViewerText(const std::string& bytes);

// A viewer copies the main window but never shows fewer columns or lines of its text.
inline constexpr int kLeastViewerColumns = 48;
inline constexpr int kLeastViewerLines = 6;

class TextViewer : public platform::Form {
  Q_OBJECT
 public:
  TextViewer(const QString& name, const QString& boxName);
  void onCloseRequest() override { mnuFinished_Click(); }
  virtual void mnuFinished_Click() { unload(); }
  QPlainTextEdit* textBox() const { return text_; }
  QSize leastClientSize() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* e) override;
  void fitText();
  void setViewText(const std::string& latin1);
  QPlainTextEdit* text_ = nullptr;
};

class VUINECHO : public TextViewer {
  Q_OBJECT
 public:
  VUINECHO();
  void Form_Load() override;
};

class VUINPTFL : public TextViewer {
  Q_OBJECT
 public:
  VUINPTFL();
  void Form_Load() override;
  void mnuFinished_Click() override;
};

class WEDGMETH : public platform::Form {
  Q_OBJECT
 public:
  WEDGMETH();
  void Form_Load() override;
  // The chooser is left only by one of its two buttons.
  void onCloseRequest() override {}
  void Form_KeyDown(int& KeyCode, int Shift) override {
    if (KeyCode == 27) KeyCode = 0;
  }
  void cmdFixed_Click();
  void cmdSweep_Click();
  // The panel with its two buttons and a margin all round: a main window made smaller
  // would hide the only ways out of the chooser.
  QSize leastClientSize() const override;

  static constexpr double kPanelWidth = 7140, kPanelHeight = 1995, kPanelMargin = 240;

 protected:
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void centrePanel();
  platform::Panel* panWedgMeth = nullptr;
};
