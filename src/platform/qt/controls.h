// The controls the windows need beyond plain Qt widgets: picture boxes that paint
// through the twips Canvas, 3-D panels with a caption and colours, and option buttons
// whose Click also runs when code sets them.
#pragma once

#include <QFrame>
#include <QImage>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <vector>
#include <string>
#include <string_view>

#include "platform/qt/painter_canvas.h"

#include <QLabel>

namespace platform {

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  static constexpr Rgb kDefaultBackColor{224, 224, 224};

  explicit PictureBox(QWidget* parent = nullptr);

  // The Paint handler: draws the whole picture on a fresh canvas each time. The font,
  // pen and text position it leaves are where the next Paint starts.
  void setPaint(std::function<void(Canvas&)> paint) { paint_ = std::move(paint); }
  void setBackColor(Rgb c);
  Rgb backColor() const { return back_; }
  CanvasState& state() { return state_; }

  double ScaleWidth() const;
  double ScaleHeight() const;
  // Asks for a Paint (the picture is erased to its background first).
  void refresh() { update(); }
  // The picture as it stands, rendered off the screen (at the widget's DPI).
  QImage image();

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  void paintOn(QPaintDevice& device);
  std::function<void(Canvas&)> paint_;
  Rgb back_ = kDefaultBackColor;
  CanvasState state_;
};

// Fore and back colours of any control (labels, buttons, frames): the text colour and a
// filled background, as the window's designer set them.
void SetForeColor(QWidget* w, Rgb c);
void SetBackColor(QWidget* w, Rgb c);
Rgb ForeColor(const QWidget* w);
Rgb BackColor(const QWidget* w);

class Panel : public QFrame {
  Q_OBJECT
 public:
  explicit Panel(QWidget* parent = nullptr);
  void setCaption(std::string_view latin1);
  std::string caption() const;
  void setBackColor(Rgb c);
  void setForeColor(Rgb c);
  Rgb backColor() const { return BackColor(this); }
  Rgb foreColor() const { return ForeColor(label_); }
  void setAlignment(Qt::Alignment a);
  void setWordWrap(bool on);
  void setBevelWidth(int px);
  int bevelWidth() const { return lineWidth(); }
  QLabel* captionLabel() const { return label_; }

 signals:
  // MouseDown: button 1 left, 2 right, 4 middle; shift as for keys; x, y in twips.
  void mouseDown(int button, int shift, double x, double y);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  QLabel* label_;
};

class OptionButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit OptionButton(const QString& caption = {}, QWidget* parent = nullptr);
  bool value() const { return isChecked(); }
  // Sets or clears the option; setting it runs Click as a click by the user would.
  // Clearing works even though Qt's exclusive buttons cannot be unchecked directly.
  void setValue(bool on);

 signals:
  void Click();
};

// While a window prints: its buttons hidden (in the order given) and the hourglass on;
// both come back, in the same order, on every way out, a failure included.
class PrintingGuard {
 public:
  explicit PrintingGuard(std::initializer_list<QWidget*> hide);
  ~PrintingGuard();
  PrintingGuard(const PrintingGuard&) = delete;
  PrintingGuard& operator=(const PrintingGuard&) = delete;

 private:
  std::vector<QWidget*> hidden_;
};

}  // namespace platform
