#include "entry/entry_common.h"

#include <QLabel>
#include <QLineEdit>

#include "platform/qt/controls.h"
#include "platform/qt/form.h"
#include "platform/qt/latin1.h"
#include "platform/text.h"

namespace entry {

std::string BoxText(const QLineEdit* box) { return platform::text::Trim(platform::toLatin1(box->text())); }

bool IsBlank(const QLineEdit* box) { return BoxText(box).empty(); }

BoxNumber ReadNumber(const QLineEdit* box) {
  double value = 0;
  switch (ReadBox(platform::toLatin1(box->text()), value)) {
    case Fault::Missing: return {};
    case Fault::Invalid: return {BoxNumber::NotNumeric, 0};
    case Fault::None: break;
  }
  return {BoxNumber::Number, value};
}

void FillNumber(QLineEdit* box, double value) {
  box->setText(platform::fromLatin1(platform::text::NumberToText(value)));
}

void FillNumberPlain(QLineEdit* box, double value) {
  box->setText(platform::fromLatin1(platform::text::NumberToTextPlain(value)));
}

bool OkToContinue(const std::string& text, std::string_view title) {
  return platform::MsgBox(text, platform::kBoxOKCancel | platform::kBoxExclamation | platform::kBoxMustAnswer,
                         title) == platform::Answer::OK;
}

QLabel* AvailabilityNote(platform::Form& form, const QString& name, double left, double top, double width,
                         QWidget* container) {
  QLabel* note = form.addLabel(name, "(Highlighted sections indicate data are available.)", left, top, width, 255,
                               container);
  note->setWordWrap(false);
  note->setAlignment(Qt::AlignCenter);
  QFont f = note->font();
  f.setPointSizeF(8);
  note->setFont(f);
  platform::SetBackColor(note, kLightCyan);
  return note;
}

void ShowStatus(platform::Panel* panel, bool hasData) {
  panel->setBackColor(kWhite);
  if (hasData) panel->setBackColor(kLightCyan);
}

}  // namespace entry
