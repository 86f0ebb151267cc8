#include "platform/qt/form.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "platform/qt/controls.h"
#include "platform/qt/latin1.h"
#include "platform/qt/modal_runner.h"
#include "platform/qt/screen.h"

namespace platform {

namespace {

std::vector<Form*>& shownForms() {
  static std::vector<Form*> forms;
  return forms;
}

bool platformDrawsFrame() {
  const QString n = QGuiApplication::platformName();
  return n != "offscreen" && n != "minimal" && n != "minimalegl";
}

Form* theMainWindow = nullptr;

std::function<void(int)>& helpMenuHandler() {
  static std::function<void(int)> handler;
  return handler;
}

// The frame a shown window had on this desktop, for windows not shown yet.
int learnedFrameWidth = -1;
int learnedFrameHeight = -1;

}  // namespace

QAction* MenuArray::operator()(int index) const {
  if (index < 0 || index >= size()) return nullptr;
  return items[static_cast<std::size_t>(index)];
}

class Form::AccessKeys : public QObject {
 public:
  using QObject::QObject;
  // Installed once on the application, so that it sees a stroke whichever control of a
  // form has the focus: a filter on the form alone would miss the menu bar, which uses up
  // the letter of a greyed title while it holds the keyboard.
  static void install() {
    static QPointer<AccessKeys> filter;
    if (filter || !QCoreApplication::instance()) return;
    filter = new AccessKeys(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
  }

 protected:
  bool eventFilter(QObject* receiver, QEvent* e) override {
    if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress) return false;
    if (!receiver->isWidgetType()) return false;
    auto* form = qobject_cast<Form*>(static_cast<QWidget*>(receiver)->window());
    if (!form) return false;
    auto* key = static_cast<QKeyEvent*>(e);
    QAbstractButton* b = form->buttonOverOffMenu(*key);
    if (!b) return false;
    // Taking the override keeps the stroke from the shortcut map, where the greyed title
    // would make it ambiguous; the key press that follows presses the button.
    key->accept();
    if (e->type() == QEvent::KeyPress) {
      // As a button's own access key does: the focus moves to it, out of the menu bar.
      if (b->focusPolicy() != Qt::NoFocus) b->setFocus(Qt::ShortcutFocusReason);
      b->click();
    }
    return true;
  }
};

Form::Form(const QString& name, QWidget* parent) : QDialog(parent) {
  setObjectName(name);
  setWindowTitle(name);
  setSizeGripEnabled(false);
  AccessKeys::install();
  client_ = new QWidget(this);
  client_->setObjectName("client");
  relayout();
}

Form::~Form() {
  if (theMainWindow == this) theMainWindow = nullptr;
  auto& forms = shownForms();
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

void Form::load() {
  if (loaded_) return;
  loaded_ = true;
  Form_Load();
}

void Form::unload() {
  if (unloaded_) return;
  done(QDialog::Rejected);
}

void Form::done(int r) {
  unloading_ = true;
  QDialog::done(r);
  unloading_ = false;
  unloaded_ = true;
}

void Form::reject() { onCloseRequest(); }

void Form::setFinishedButtons(std::vector<QAbstractButton*> perStage) {
  finishedButtons_.assign(perStage.begin(), perStage.end());
}

void Form::onCloseRequest() {
  for (const QPointer<QAbstractButton>& b : finishedButtons_) {
    if (b && b->isVisibleTo(this) && b->isEnabled()) {
      b->click();
      return;
    }
  }
}

void Form::closeEvent(QCloseEvent* e) {
  if (unloading_) {
    e->accept();
    return;
  }
  e->ignore();
  onCloseRequest();
}

QAbstractButton* Form::buttonOverOffMenu(const QKeyEvent& e) const {
  if ((e.modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier || !menuBar_) return nullptr;
  const QKeySequence key(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(e.key())));
  bool offTitle = false;
  for (QAction* a : menuBar_->actions()) {
    if (a->isSeparator() || QKeySequence::mnemonic(a->text()) != key) continue;
    if (a->isEnabled() && a->isVisible()) return nullptr;  // the menu's own letter
    offTitle = true;
  }
  if (!offTitle) return nullptr;
  QAbstractButton* found = nullptr;
  for (QAbstractButton* b : findChildren<QAbstractButton*>()) {
    if (!b->isVisible() || !b->isEnabled() || QKeySequence::mnemonic(b->text()) != key) continue;
    if (found) return nullptr;  // two buttons share it: left as Qt has it
    found = b;
  }
  return found;
}

void Form::keyPressEvent(QKeyEvent* e) {
  int code = VbKeyCode(e->key());
  int shift = 0;
  if (e->modifiers() & Qt::ShiftModifier) shift |= 1;
  if (e->modifiers() & Qt::ControlModifier) shift |= 2;
  if (e->modifiers() & Qt::AltModifier) shift |= 4;
  if (code != 0) {
    Form_KeyDown(code, shift);
    if (code == 0) {
      e->accept();
      return;
    }
  }
  if (e->key() == Qt::Key_Escape && shift == 0) {
    e->accept();
    if (cancelButton_ && cancelButton_->isVisible() && cancelButton_->isEnabled())
      cancelButton_->click();
    else
      onCloseRequest();
    return;
  }
  if (e->key() == Qt::Key_F4 && shift == 4) {
    // Alt+F4 without a window manager to turn it into a close request.
    e->accept();
    onCloseRequest();
    return;
  }
  QDialog::keyPressEvent(e);
}

void Form::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  relayout();
}

void Form::setVisible(bool visible) {
  if (visible && !isVisible()) {
    for (QPushButton* b : findChildren<QPushButton*>())
      if (!b->isDefault()) b->setAutoDefault(false);
    applyTabOrder();
    // Without a focus of its own, QDialog hands it to the default button whenever the
    // first control in the tab order is another button; the form's first stop takes it.
    if (!focusWidget())
      if (QWidget* first = firstTabStop()) first->setFocus(Qt::TabFocusReason);
  }
  QDialog::setVisible(visible);
}

QWidget* Form::firstTabStop() const {
  auto takesFocus = [this](QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this);
  };
  for (const auto& entry : tabOrder_)
    if (entry.second && takesFocus(entry.second)) return entry.second;
  for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
    if (isAncestorOf(w) && takesFocus(w)) return w;
  return nullptr;
}

void Form::showEvent(QShowEvent* e) {
  auto& forms = shownForms();
  if (std::find(forms.begin(), forms.end(), this) == forms.end()) forms.push_back(this);
  QDialog::showEvent(e);
  if (platformDrawsFrame()) {
    const int dw = frameGeometry().width() - geometry().width();
    const int dh = frameGeometry().height() - geometry().height();
    if (dh > 0) {
      learnedFrameWidth = dw;
      learnedFrameHeight = dh;
    }
    // The window manager frames the window after it is shown, in its own time.
    if (!mainWindowFrame_.isNull()) {
      for (int ms : {40, 200, 600}) {
        QTimer::singleShot(ms, this, [this] { settleOnMainWindow(); });
      }
    }
  }
}

void Form::hideEvent(QHideEvent* e) {
  auto& forms = shownForms();
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
  QDialog::hideEvent(e);
}

Form* Form::topForm() {
  auto& forms = shownForms();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it)
    if ((*it)->isVisible()) return *it;
  return nullptr;
}

// ---- geometry ----

double Form::twipsX(int px) { return px * TwipsPerPixelX(); }
double Form::twipsY(int px) { return px * TwipsPerPixelY(); }
int Form::pixelsX(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelX())); }
int Form::pixelsY(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelY())); }

void Form::place(QWidget* w, double left, double top, double width, double height) {
  w->setGeometry(pixelsX(left), pixelsY(top), std::max(0, pixelsX(width)),
                 std::max(0, pixelsY(height)));
}

int Form::frameExtraWidth() const {
  if (!platformDrawsFrame()) return 0;
  if (isVisible()) {
    const int d = frameGeometry().width() - geometry().width();
    if (frameGeometry().height() > geometry().height()) return d;
  }
  return learnedFrameWidth >= 0 ? learnedFrameWidth : 0;
}

int Form::frameExtraHeight() const {
  if (platformDrawsFrame()) {
    if (isVisible()) {
      const int d = frameGeometry().height() - geometry().height();
      if (d > 0) return d;
    }
    if (learnedFrameHeight > 0) return learnedFrameHeight;
  }
  return pixelsY(kCaptionAllowance);
}

int Form::menuBarHeight() const {
  if (!menuBar_ || menuBar_->actions().isEmpty()) return 0;
  return menuBar_->sizeHint().height();
}

void Form::relayout() {
  const int mbh = menuBarHeight();
  if (menuBar_) menuBar_->setGeometry(0, 0, width(), mbh);
  client_->setGeometry(0, mbh, width(), std::max(0, height() - mbh));
}

double Form::Left() const { return twipsX(x()); }
double Form::Top() const { return twipsY(y()); }
double Form::Width() const { return twipsX(width() + frameExtraWidth()); }
double Form::Height() const { return twipsY(height() + frameExtraHeight()); }
double Form::ScaleWidth() const { return twipsX(width()); }
double Form::ScaleHeight() const { return twipsY(std::max(0, height() - menuBarHeight())); }

void Form::setLeft(double twips) { move(pixelsX(twips), y()); }
void Form::setTop(double twips) { move(x(), pixelsY(twips)); }
void Form::setWidth(double twips) {
  resize(std::max(1, pixelsX(twips) - frameExtraWidth()), height());
  relayout();
}
void Form::setHeight(double twips) {
  resize(width(), std::max(1, pixelsY(twips) - frameExtraHeight()));
  relayout();
}
void Form::setClientSize(double widthTwips, double heightTwips) {
  designedClient_ = QSizeF(widthTwips, heightTwips);
  resize(std::max(1, pixelsX(widthTwips)), std::max(1, pixelsY(heightTwips) + menuBarHeight()));
  relayout();
}

void Form::copyMainWindowGeometry() {
  const Form* main = theMainWindow;
  if (!main || main == this) return;
  // Read before the first change: a form may be the main window's own child.
  const double width = main->Width(), height = main->Height();
  const double left = main->Left(), top = main->Top();
  setWidth(width);
  setHeight(height);
  setLeft(left);
  setTop(top);
  mainWindowFrame_ = QRect(pixelsX(left), pixelsY(top), pixelsX(width), pixelsY(height));
}

void Form::copyMainWindowGeometryAsFixedDialog() {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  copyMainWindowGeometryWhole(Sizing::Fixed);
}

QSize Form::leastClientSize() const {
  if (designedClient_.isEmpty()) return {};
  return {pixelsX(designedClient_.width()), pixelsY(designedClient_.height())};
}

void Form::copyMainWindowGeometryWhole(Sizing sizing) {
  keptWhole_ = true;
  sizing_ = sizing;
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  copyMainWindowGeometry();
  fitWhole(pos(), size());
}

void Form::fitWhole(QPoint wanted, QSize wantedSize) {
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  // A main window made smaller than this window would cut off what the window shows
  // (frames centred in it, a plot and its buttons).
  const QSize least = leastClientSize();
  const int mbh = menuBarHeight();
  resize(std::max({1, wantedSize.width(), least.width()}),
         std::max({1, wantedSize.height() - mbh, least.height()}) + mbh);
  relayout();
  const Form* main = theMainWindow && theMainWindow != this ? theMainWindow : nullptr;
  QScreen* sc = main ? main->screen() : screen();
  if (!sc) sc = QGuiApplication::primaryScreen();
  const int outerWidth = width() + frameExtraWidth(), outerHeight = height() + frameExtraHeight();
  int left = wanted.x(), top = wanted.y();
  if (sc) {
    const QRect avail = sc->availableGeometry();
    left = std::max(avail.left(), std::min(left, avail.left() + avail.width() - outerWidth));
    top = std::max(avail.top(), std::min(top, avail.top() + avail.height() - outerHeight));
  }
  move(left, top);
  if (sizing_ == Sizing::Fixed) setFixedSize(size());
  else setMinimumSize(std::max(0, least.width()), std::max(0, least.height()) + mbh);
  mainWindowFrame_ = QRect(left, top, outerWidth, outerHeight);
}

void Form::settleOnMainWindow() {
  if (mainWindowFrame_.isNull() || !isVisible()) return;
  const int dw = frameGeometry().width() - geometry().width();
  const int dh = frameGeometry().height() - geometry().height();
  if (dh <= 0) return;  // not framed yet
  learnedFrameWidth = dw;
  learnedFrameHeight = dh;
  if (frameGeometry() == mainWindowFrame_) return;
  const QSize client(std::max(1, mainWindowFrame_.width() - dw), std::max(1, mainWindowFrame_.height() - dh));
  if (keptWhole_) {
    // The frame is known now: the window is fitted again with it.
    fitWhole(mainWindowFrame_.topLeft(), client);
    return;
  }
  resize(client);
  move(mainWindowFrame_.topLeft());
  relayout();
}

void Form::setMainWindow(Form* form) { theMainWindow = form; }
Form* Form::mainWindow() { return theMainWindow; }

void Form::centreOnScreen() {
  const ScreenTwips s = platform::screen();
  setLeft((s.width - Width()) / 2);
  setTop((s.height - Height()) / 2);
}

void Form::setCaption(std::string_view latin1) { setWindowTitle(fromLatin1(latin1)); }
std::string Form::caption() const { return toLatin1(windowTitle()); }

// ---- menus ----

QMenuBar* Form::ensureMenuBar() {
  if (!menuBar_) {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName("menuBar");
    menuBar_->setNativeMenuBar(false);
  }
  return menuBar_;
}

QMenu* Form::addTopMenu(const QString& name, const QString& caption) {
  const int heightBefore = menuBarHeight();
  QMenu* m = ensureMenuBar()->addMenu(caption);
  m->setObjectName(name);
  m->menuAction()->setObjectName(name);
  // The client keeps its size; the window grows by the menu bar.
  const int grow = menuBarHeight() - heightBefore;
  if (grow != 0) resize(width(), height() + grow);
  relayout();
  return m;
}

QAction* Form::addTopItem(const QString& arrayName, int index, const QString& caption,
                          std::function<void(int)> onClick) {
  const int heightBefore = menuBarHeight();
  QAction* a = ensureMenuBar()->addAction(caption);
  a->setObjectName(QString("%1(%2)").arg(arrayName).arg(index));
  QObject::connect(a, &QAction::triggered, this, [onClick = std::move(onClick), index] {
    if (onClick) onClick(index);
  });
  MenuArray& arr = menus_[arrayName];
  if (arr.size() <= index) arr.items.resize(static_cast<std::size_t>(index) + 1, nullptr);
  arr.items[static_cast<std::size_t>(index)] = a;
  const int grow = menuBarHeight() - heightBefore;
  if (grow != 0) resize(width(), height() + grow);
  relayout();
  return a;
}

QMenu* Form::topMenu(const QString& name) const {
  if (!menuBar_) return nullptr;
  for (QAction* a : menuBar_->actions())
    if (a->menu() && a->menu()->objectName() == name) return a->menu();
  return nullptr;
}

MenuArray& Form::addMenuItems(QMenu* menu, const QString& arrayName, const QStringList& captions,
                              std::function<void(int)> onClick) {
  MenuArray& arr = menus_[arrayName];
  arr.menu = menu;
  for (const QString& caption : captions) {
    const int index = arr.size();
    QAction* a = nullptr;
    if (caption == "-") {
      a = menu->addSeparator();
    } else {
      a = menu->addAction(caption);
      QObject::connect(a, &QAction::triggered, this, [onClick, index] {
        if (onClick) onClick(index);
      });
    }
    a->setObjectName(QString("%1(%2)").arg(arrayName).arg(index));
    arr.items.push_back(a);
  }
  return arr;
}

MenuArray& Form::addSubmenuItems(QAction* item, const QString& arrayName,
                                 const QStringList& captions, std::function<void(int)> onClick) {
  auto* sub = new QMenu(this);
  sub->setObjectName(arrayName);
  item->setMenu(sub);
  return addMenuItems(sub, arrayName, captions, std::move(onClick));
}

MenuArray& Form::menuArray(const QString& arrayName) { return menus_[arrayName]; }

MenuArray& Form::addHelpMenu() {
  QMenu* help = addTopMenu("mnuHelp", "&Help");
  return addMenuItems(help, "mnuHelpItem",
                      {"&Contents", "&Search for help on ...", "-", "&About QUELDAR"}, [](int index) {
                        if (const auto& handler = helpMenuHandler()) handler(index);
                      });
}

void Form::setHelpMenuHandler(std::function<void(int index)> handler) {
  helpMenuHandler() = std::move(handler);
}

// ---- buttons and tab order ----

QPushButton* Form::addButton(const QString& name, const QString& caption, double left, double top,
                             double width, double height, QWidget* container) {
  auto* b = new QPushButton(caption, container ? container : client_);
  b->setObjectName(name);
  b->setAutoDefault(false);
  place(b, left, top, width, height);
  return b;
}

namespace {
template <class W>
W* named(W* w, const QString& name, double left, double top, double width, double height) {
  w->setObjectName(name);
  Form::place(w, left, top, width, height);
  return w;
}
}  // namespace

QLabel* Form::addLabel(const QString& name, const QString& caption, double left, double top,
                       double width, double height, QWidget* container) {
  auto* l = new QLabel(caption, container ? container : client_);
  l->setTextFormat(Qt::PlainText);
  l->setWordWrap(true);
  return named(l, name, left, top, width, height);
}

QLineEdit* Form::addTextBox(const QString& name, double left, double top, double width,
                            double height, QWidget* container) {
  return named(new QLineEdit(container ? container : client_), name, left, top, width, height);
}

QGroupBox* Form::addFrame(const QString& name, const QString& caption, double left, double top,
                          double width, double height, QWidget* container) {
  return named(new QGroupBox(caption, container ? container : client_), name, left, top, width,
               height);
}

Panel* Form::addPanel(const QString& name, double left, double top, double width, double height,
                      QWidget* container) {
  return named(new Panel(container ? container : client_), name, left, top, width, height);
}

OptionButton* Form::addOption(const QString& name, const QString& caption, double left, double top,
                              double width, double height, QWidget* container) {
  return named(new OptionButton(caption, container ? container : client_), name, left, top, width,
               height);
}

PictureBox* Form::addPicture(const QString& name, double left, double top, double width,
                             double height, QWidget* container) {
  return named(new PictureBox(container ? container : client_), name, left, top, width, height);
}

QString ArrayElementName(const QString& arrayName, int index) {
  return QString("%1(%2)").arg(arrayName).arg(index);
}

namespace {
template <class W>
void putElement(ControlArray<W>& arr, int index, W* w) {
  if (index < 0) return;
  const auto i = static_cast<std::size_t>(index);
  if (arr.items.size() <= i) arr.items.resize(i + 1, nullptr);
  arr.items[i] = w;
}
}  // namespace

QLineEdit* Form::addTextBoxElement(const QString& arrayName, int index, double left, double top,
                                   double width, double height, QWidget* container) {
  QLineEdit* box = addTextBox(ArrayElementName(arrayName, index), left, top, width, height, container);
  putElement(textBoxArrays_[arrayName], index, box);
  return box;
}

QLabel* Form::addLabelElement(const QString& arrayName, int index, const QString& caption,
                              double left, double top, double width, double height,
                              QWidget* container) {
  QLabel* l = addLabel(ArrayElementName(arrayName, index), caption, left, top, width, height, container);
  putElement(labelArrays_[arrayName], index, l);
  return l;
}

TextBoxArray& Form::addTextBoxColumn(const QString& arrayName, int count, double left, double top,
                                     double width, double height, double step, QWidget* container) {
  for (int i = 0; i < count; ++i)
    addTextBoxElement(arrayName, i, left, top + i * step, width, height, container);
  return textBoxArrays_[arrayName];
}

TextBoxArray& Form::textBoxArray(const QString& arrayName) { return textBoxArrays_[arrayName]; }
LabelArray& Form::labelArray(const QString& arrayName) { return labelArrays_[arrayName]; }

void Form::onArrayChange(const QString& arrayName, std::function<void(int)> change) {
  const TextBoxArray& arr = textBoxArrays_[arrayName];
  for (int i = 0; i < arr.size(); ++i) {
    if (QLineEdit* box = arr(i))
      QObject::connect(box, &QLineEdit::textChanged, this, [change, i] {
        if (change) change(i);
      });
  }
}

void Form::setDefaultButton(QPushButton* def) {
  for (QPushButton* b : findChildren<QPushButton*>()) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }
  if (def) def->setDefault(true);
}

void Form::setTabIndex(QWidget* w, int tabIndex) {
  tabOrder_.erase(std::remove_if(tabOrder_.begin(), tabOrder_.end(),
                                 [w](const auto& e) { return !e.second || e.second == w; }),
                  tabOrder_.end());
  if (loaded_ || isVisible()) {
    const auto place = static_cast<std::size_t>(std::clamp<int>(tabIndex, 0, static_cast<int>(tabOrder_.size())));
    tabOrder_.insert(tabOrder_.begin() + static_cast<std::ptrdiff_t>(place), {tabIndex, w});
  } else {
    const auto after = std::find_if(tabOrder_.begin(), tabOrder_.end(),
                                    [tabIndex](const auto& e) { return e.first > tabIndex; });
    tabOrder_.insert(after, {tabIndex, w});
  }
  if (isVisible()) applyTabOrder();
}

void Form::applyTabOrder() {
  QWidget* previous = nullptr;
  for (const auto& entry : tabOrder_) {
    if (!entry.second) continue;
    if (previous) QWidget::setTabOrder(previous, entry.second);
    previous = entry.second;
  }
}

// ---- modal showing ----

void RunModal(Form& form) {
  if (ModalRunner* r = services().modalRunner) {
    r->showModal(form);
    return;
  }
  QtModalRunner runner;
  runner.showModal(form);
}

int VbKeyCode(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 65 + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return 48 + (key - Qt::Key_0);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F16) return 112 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
  }
}

}  // namespace platform
