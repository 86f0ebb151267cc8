#include "platform/qt/controls.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include "platform/qt/form.h"
#include "platform/qt/latin1.h"

namespace platform {

// ---- PictureBox ----

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  setBackColor(kDefaultBackColor);
}

void PictureBox::setBackColor(Rgb c) {
  back_ = c;
  QPalette pal = palette();
  pal.setColor(QPalette::Window, toQColor(c));
  setPalette(pal);
  update();
}

double PictureBox::ScaleWidth() const { return Form::twipsX(width()); }
double PictureBox::ScaleHeight() const { return Form::twipsY(height()); }

void PictureBox::paintOn(QPaintDevice& device) {
  QPainter p(&device);
  p.fillRect(QRect(0, 0, device.width(), device.height()), toQColor(back_));
  if (!paint_) return;
  PainterCanvas canvas = PainterCanvas::forDevice(p, state_);
  paint_(canvas);
  state_ = canvas.state();
}

void PictureBox::paintEvent(QPaintEvent*) { paintOn(*this); }

QImage PictureBox::image() {
  QImage img(size(), QImage::Format_RGB32);
  const double dpm = logicalDpiX() / 0.0254;
  img.setDotsPerMeterX(static_cast<int>(dpm + 0.5));
  img.setDotsPerMeterY(static_cast<int>(logicalDpiY() / 0.0254 + 0.5));
  paintOn(img);
  return img;
}

// ---- colours ----

namespace {
Rgb fromQColor(const QColor& c) {
  return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
             static_cast<std::uint8_t>(c.blue())};
}
}  // namespace

void SetForeColor(QWidget* w, Rgb c) {
  QPalette pal = w->palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    pal.setColor(role, toQColor(c));
  w->setPalette(pal);
}

void SetBackColor(QWidget* w, Rgb c) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, toQColor(c));
  pal.setColor(QPalette::Button, toQColor(c));
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

Rgb ForeColor(const QWidget* w) { return fromQColor(w->palette().color(QPalette::WindowText)); }
Rgb BackColor(const QWidget* w) { return fromQColor(w->palette().color(QPalette::Window)); }

// ---- Panel ----

Panel::Panel(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
  setAutoFillBackground(true);
  label_ = new QLabel(this);
  label_->setObjectName("caption");
  label_->setAlignment(Qt::AlignCenter);
  label_->setTextFormat(Qt::PlainText);
  label_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Panel::setCaption(std::string_view latin1) { label_->setText(fromLatin1(latin1)); }
std::string Panel::caption() const { return toLatin1(label_->text()); }

void Panel::setBackColor(Rgb c) {
  QPalette pal = palette();
  pal.setColor(QPalette::Window, toQColor(c));
  setPalette(pal);
}

void Panel::setForeColor(Rgb c) { SetForeColor(label_, c); }

void Panel::setAlignment(Qt::Alignment a) { label_->setAlignment(a); }
void Panel::setWordWrap(bool on) { label_->setWordWrap(on); }

void Panel::setBevelWidth(int px) {
  setLineWidth(px);
  label_->setGeometry(contentsRect());
}

void Panel::resizeEvent(QResizeEvent* e) {
  QFrame::resizeEvent(e);
  label_->setGeometry(contentsRect());
}

void Panel::mousePressEvent(QMouseEvent* e) {
  int button = 0;
  if (e->button() == Qt::LeftButton) button = 1;
  else if (e->button() == Qt::RightButton) button = 2;
  else if (e->button() == Qt::MiddleButton) button = 4;
  int shift = 0;
  if (e->modifiers() & Qt::ShiftModifier) shift |= 1;
  if (e->modifiers() & Qt::ControlModifier) shift |= 2;
  if (e->modifiers() & Qt::AltModifier) shift |= 4;
  const QPointF pos = e->position();
  emit mouseDown(button, shift, pos.x() * Form::twipsX(1), pos.y() * Form::twipsY(1));
  QFrame::mousePressEvent(e);
}

// ---- OptionButton ----

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
  connect(this, &QRadioButton::toggled, this, [this](bool on) {
    if (on) emit Click();
  });
}

void OptionButton::setValue(bool on) {
  if (on) {
    setChecked(true);
    return;
  }
  const bool exclusive = autoExclusive();
  setAutoExclusive(false);
  setChecked(false);
  setAutoExclusive(exclusive);
}

// ---- PrintingGuard ----

PrintingGuard::PrintingGuard(std::initializer_list<QWidget*> hide) {
  for (QWidget* w : hide) {
    if (!w) continue;
    hidden_.push_back(w);
    w->setVisible(false);
  }
  SetPointer(11);
}

PrintingGuard::~PrintingGuard() {
  for (QWidget* w : hidden_) w->setVisible(true);
  SetPointer(0);
}

}  // namespace platform
