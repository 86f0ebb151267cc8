#include "platform/qt/message_boxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "platform/qt/form.h"
#include "platform/qt/latin1.h"

namespace platform {

namespace {

// A box that must be answered (a Yes/No box, or an OK/Cancel box whose Cancel discards
// typed data) takes one of its buttons only: Esc and the close box (or Alt+F4) do
// nothing, so one stray key never discards a report or a typed problem.
class AnswerRequired : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Close) {
      e->ignore();
      return true;
    }
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) return true;
    return QObject::eventFilter(watched, e);
  }
};

}  // namespace

void QtMessageBoxes::configure(QMessageBox& box, std::string_view text, int buttons,
                               std::string_view title) {
  // Plain text always: "0 < gradient < 1." must not be read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(fromText(text));
  box.setWindowTitle(fromText(title.empty() ? std::string_view(kProgramTitle) : title));
  const int kind = BoxButtons(buttons);
  const int icon = BoxIcon(buttons);
  switch (icon) {
    case kBoxCritical: box.setIcon(QMessageBox::Critical); break;
    case kBoxQuestion: box.setIcon(QMessageBox::Question); break;
    case kBoxExclamation: box.setIcon(QMessageBox::Warning); break;
    case kBoxInformation: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
  }
  switch (kind) {
    case kBoxOKCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      if (!BoxMustBeAnswered(buttons)) box.setEscapeButton(QMessageBox::Cancel);
      break;
    case kBoxYesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case kBoxYesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      break;
    default:
      box.setStandardButtons(QMessageBox::Ok);
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
  }
  if (BoxMustBeAnswered(buttons)) box.installEventFilter(new AnswerRequired(&box));
}

Answer QtMessageBoxes::answerOf(QMessageBox::StandardButton b) {
  switch (b) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::OK;
  }
}

Answer QtMessageBoxes::show(std::string_view text, int buttons, std::string_view title) {
  QWidget* parent = Form::topForm();
  if (!parent) parent = QApplication::activeWindow();
  QMessageBox box(parent);
  configure(box, text, buttons, title);
  // Window-modal like the forms, so the help window stays usable.
  if (parent) box.setWindowModality(Qt::WindowModal);
  box.exec();
  const auto clicked = box.standardButton(box.clickedButton());
  if (clicked == QMessageBox::NoButton) {
    // Closed without a button: the Esc answer.
    const int kind = BoxButtons(buttons);
    return kind == kBoxYesNo                                   ? Answer::No
           : (kind == kBoxOKCancel || kind == kBoxYesNoCancel) ? Answer::Cancel
                                                                   : Answer::OK;
  }
  return answerOf(clicked);
}

}  // namespace platform
