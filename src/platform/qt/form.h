// The base of every window: a QDialog measured in twips, with menus as control arrays,
// the shared Help menu, one close policy and the TabIndex order.
//
// Geometry. Left, Top, Width and Height are the outer rectangle; ScaleWidth and
// ScaleHeight the client area below the menu bar. Where the platform draws no frame
// (offscreen, in the tests) the outer height adds a fixed caption allowance, so a window
// lays itself out the same headless and on a desktop.
//
// Access keys. While a window's menus are off, a greyed menu title still claims its
// letter, so a shown button with the same letter would only take the focus (Qt takes the
// two as ambiguous), and a menu bar that holds the keyboard (after a menu item chosen
// from the keyboard) takes the letter for its greyed title outright. The form presses
// such a button at the first stroke whatever inside it has the keyboard; with the title
// on, its letter opens the menu as usual.
//
// Closing. Esc and the close box (Alt+F4 included) never close a form by themselves:
// both reach onCloseRequest(), which each window fills as its own rules say. Only
// unload() closes.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace platform {

class OptionButton;
class Panel;
class PictureBox;

// A menu control array: items indexed from 0, separators ("-") kept as actions so the
// indexes stay as designed.
struct MenuArray {
  QMenu* menu = nullptr;            // the menu that holds the items
  std::vector<QAction*> items;
  QAction* operator()(int index) const;   // nullptr when out of range
  int size() const { return static_cast<int>(items.size()); }
};

// A control array of text boxes or labels: elements indexed from 0. Element i of the
// array txtDist is the object "txtDist(i)", the naming rule the menu arrays follow too.
template <class W>
struct ControlArray {
  std::vector<W*> items;
  W* operator()(int index) const {
    return index >= 0 && index < size() ? items[static_cast<std::size_t>(index)] : nullptr;
  }
  int size() const { return static_cast<int>(items.size()); }
};
using TextBoxArray = ControlArray<QLineEdit>;
using LabelArray = ControlArray<QLabel>;

// The object name of element `index` of a control array.
QString ArrayElementName(const QString& arrayName, int index);

// The key codes and Shift bits Form_KeyDown compares against.
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyF4 = 115;
inline constexpr int kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;

class Form : public QDialog {
  Q_OBJECT
 public:
  // name: the window's name (DIRADERU, KEYIN), also its object name.
  explicit Form(const QString& name, QWidget* parent = nullptr);
  ~Form() override;

  // Form_Load: runs once per showing, on a freshly built form, before it is shown.
  virtual void Form_Load() {}
  // Keys the form receives: KeyCode as the original runtime numbers them (27 Esc,
  // 112.. F1..), Shift 1 shift, 2 ctrl, 4 alt. Setting KeyCode to 0 stops the default
  // handling (Esc as a close request, Enter on the default button).
  virtual void Form_KeyDown(int& KeyCode, int Shift) {}
  // The close box, Esc and Alt+F4 come here. The default runs the Finished of the stage
  // shown (see setFinishedButtons); a form without Finished buttons stays open.
  virtual void onCloseRequest();
  // Entry windows: a close request does what the Finished button of the stage shown does,
  // so the window closes only when that handler (or a Cancel in its message) closes it.
  // One button per stage; the request clicks the first of them that is shown and enabled.
  void setFinishedButtons(std::vector<QAbstractButton*> perStage);

  // Loads the form: Form_Load, once.
  void load();
  // Closes the form ("Unload Me"); a modal showing returns.
  void unload();
  bool isUnloaded() const { return unloaded_; }
  bool isLoaded() const { return loaded_; }

  // Geometry in twips.
  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;
  double ScaleWidth() const;
  double ScaleHeight() const;
  void setLeft(double twips);
  void setTop(double twips);
  void setWidth(double twips);
  void setHeight(double twips);
  void setClientSize(double widthTwips, double heightTwips);
  // Takes the main window's Width, Height, Left and Top (in that order), as every
  // window does when it loads; nothing while no main window is set.
  void copyMainWindowGeometry();
  // Whether a window that copies the main window can then be resized by the user.
  enum class Sizing { Fixed, Resizable };
  // Copies the main window as above, but never smaller than leastClientSize(), and then
  // moves the window as little as needed for the whole frame to be on the screen; a frame
  // larger than the screen keeps its top-left corner on it. A fixed window keeps that
  // size; a resizable one can be made larger, never smaller than its least size.
  void copyMainWindowGeometryWhole(Sizing sizing);
  // The entry windows' frame: a fixed dialog frame (title and close box, no minimise,
  // maximise or resizing) that copies the main window whole, as above.
  void copyMainWindowGeometryAsFixedDialog();
  // The least client, below the menu bar, in pixels, that shows what the window holds:
  // by default the client it was designed with (setClientSize); none when it has none.
  virtual QSize leastClientSize() const;
  // The program's main window, whose geometry the other windows copy. A form set here
  // stops being the main window when it is destroyed.
  static void setMainWindow(Form* form);
  static Form* mainWindow();
  // Centres the outer rectangle on the screen.
  void centreOnScreen();
  // The outer height added above the client when the platform draws no frame.
  static constexpr double kCaptionAllowance = 360;

  void setCaption(std::string_view latin1);
  std::string caption() const;

  // The client area, parent of the form's controls (placed in twips).
  QWidget* client() const { return client_; }
  // Places a control in its container, in twips.
  static void place(QWidget* w, double left, double top, double width, double height);
  static double twipsX(int px);
  static double twipsY(int px);
  static int pixelsX(double twips);
  static int pixelsY(double twips);

  // Menus. A top menu is switched with menuAction()->setEnabled. The first one adds the
  // menu bar: the client keeps its size and the outer height grows by the bar.
  QMenu* addTopMenu(const QString& name, const QString& caption);
  QMenu* topMenu(const QString& name) const;
  // A menu bar item that opens no menu, as the only element `index` of its control array
  // (mnuFinished(4)): a click runs onClick(index). Elements below `index` stay nullptr.
  QAction* addTopItem(const QString& arrayName, int index, const QString& caption,
                      std::function<void(int)> onClick);
  // Adds the items of a control array to a menu; onClick gets the item's index.
  MenuArray& addMenuItems(QMenu* menu, const QString& arrayName, const QStringList& captions,
                          std::function<void(int)> onClick);
  // Makes one item open a submenu holding another control array.
  MenuArray& addSubmenuItems(QAction* item, const QString& arrayName, const QStringList& captions,
                             std::function<void(int)> onClick);
  MenuArray& menuArray(const QString& arrayName);   // empty array when unknown
  // The shared Help menu: mnuHelp "&Help" with mnuHelpItem "&Contents",
  // "&Search for help on ...", "-", "&About QUELDAR". A click hands the index to the
  // handler set for every form's Help menu (nothing happens while none is set).
  MenuArray& addHelpMenu();
  static void setHelpMenuHandler(std::function<void(int index)> handler);
  QMenuBar* menuBar() const { return menuBar_; }

  // Buttons: one default (Enter), the others never take Enter.
  QPushButton* addButton(const QString& name, const QString& caption, double left, double top,
                         double width, double height, QWidget* container = nullptr);
  void setDefaultButton(QPushButton* b);
  // The other controls, named and placed in twips in the client or in a container.
  // Text boxes fire Change as textChanged, which code filling them also fires.
  QLabel* addLabel(const QString& name, const QString& caption, double left, double top,
                   double width, double height, QWidget* container = nullptr);
  QLineEdit* addTextBox(const QString& name, double left, double top, double width, double height,
                        QWidget* container = nullptr);
  QGroupBox* addFrame(const QString& name, const QString& caption, double left, double top,
                      double width, double height, QWidget* container = nullptr);
  Panel* addPanel(const QString& name, double left, double top, double width, double height,
                  QWidget* container = nullptr);
  OptionButton* addOption(const QString& name, const QString& caption, double left, double top,
                          double width, double height, QWidget* container = nullptr);
  PictureBox* addPicture(const QString& name, double left, double top, double width, double height,
                         QWidget* container = nullptr);
  // Control arrays, element by element: `index` is the element's number, its place in
  // twips in the client or in a container. The array is found again by its name.
  QLineEdit* addTextBoxElement(const QString& arrayName, int index, double left, double top,
                               double width, double height, QWidget* container = nullptr);
  QLabel* addLabelElement(const QString& arrayName, int index, const QString& caption, double left,
                          double top, double width, double height, QWidget* container = nullptr);
  // A column of `count` text boxes, element i with its top at top + i * step.
  TextBoxArray& addTextBoxColumn(const QString& arrayName, int count, double left, double top,
                                 double width, double height, double step,
                                 QWidget* container = nullptr);
  TextBoxArray& textBoxArray(const QString& arrayName);   // empty array when unknown
  LabelArray& labelArray(const QString& arrayName);
  // The Change handler of a text box array, handed the element's index; it fires when
  // the user types and when code fills a box.
  void onArrayChange(const QString& arrayName, std::function<void(int)> change);
  // The button Esc clicks instead of making a close request.
  void setCancelButton(QPushButton* b) { cancelButton_ = b; }

  // TabIndex. While the form is built, controls take their places by their numbers (the
  // designed order). From Load on, a number is a place in that order: the control moves
  // there and the ones from that place on move one further, as the original runtime
  // renumbers. The chain is applied when the form shows and at once on a shown form. A
  // form shown with no focus set gives it to the first control in the order that can take it.
  void setTabIndex(QWidget* w, int tabIndex);
  void applyTabOrder();

  // Finds a control, menu item array element or child by object name.
  template <class T>
  T* control(const QString& name) const { return findChild<T*>(name); }

  // The forms shown at the moment, innermost last (a new modal form takes the last one
  // as its parent, so only the window below it is blocked).
  static Form* topForm();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 public:
  void setVisible(bool visible) override;

 public slots:
  void reject() override;  // Esc reaches onCloseRequest
  void done(int r) override;

 private:
  void relayout();
  // The one shown, enabled button whose access key is this Alt+letter while only a
  // switched-off menu title claims the same letter; nullptr otherwise.
  QAbstractButton* buttonOverOffMenu(const QKeyEvent& e) const;
  // Sees the strokes of every form's controls before they do (the menu bar included,
  // which keeps a stroke it takes for its own from the form).
  class AccessKeys;
  QWidget* firstTabStop() const;
  int menuBarHeight() const;
  QMenuBar* ensureMenuBar();
  int frameExtraWidth() const;
  int frameExtraHeight() const;
  // Puts the outer rectangle where copyMainWindowGeometry asked once the window manager
  // has framed the window: before that the frame's size is a guess, and some window
  // managers place the client, not the frame, at the position asked.
  void settleOnMainWindow();

  // Sizes the window as `wantedSize` (without the frame) but never below its least
  // client, moves the outer rectangle from `wanted` to stand wholly on the screen, and
  // fixes or bounds the size as the window's sizing says.
  void fitWhole(QPoint wanted, QSize wantedSize);

  QRect mainWindowFrame_;  // the outer rectangle asked for, in pixels; null when none
  QSizeF designedClient_;  // the client size built with, in twips; empty when none
  bool keptWhole_ = false;  // copied whole (copyMainWindowGeometryWhole)
  Sizing sizing_ = Sizing::Resizable;

  QWidget* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  std::map<QString, MenuArray> menus_;
  std::map<QString, TextBoxArray> textBoxArrays_;
  std::map<QString, LabelArray> labelArrays_;
  std::vector<QPointer<QAbstractButton>> finishedButtons_;
  // The tab order, first stop first, each with the number it was designed with.
  std::vector<std::pair<int, QPointer<QWidget>>> tabOrder_;
  bool loaded_ = false;
  bool unloaded_ = false;
  bool unloading_ = false;
};

// Builds a fresh form, loads it and shows it modal through the registered runner; the
// form is gone when this returns, as the windows are "unloaded when they close".
template <class F, class... Args>
void ShowModal(Args&&... args);

// Shows a loaded form modal: the registered runner, or a Qt runner when none is set.
void RunModal(Form& form);

template <class F, class... Args>
void ShowModal(Args&&... args) {
  F form(std::forward<Args>(args)...);
  form.load();
  if (form.isUnloaded()) return;
  RunModal(form);
}

// Maps a Qt key to the original runtime's KeyCode (0 for keys it had no code for).
int VbKeyCode(int qtKey);

}  // namespace platform
