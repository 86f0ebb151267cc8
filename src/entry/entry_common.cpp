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
  const std::string text = BoxText(box);
  if (text.empty()) return {};
  if (!platform::text::IsNumeric(text)) return {BoxNumber::NotNumeric, 0};
  return {BoxNumber::Number, platform::text::Val(text)};
}

void FillNumber(QLineEdit* box, double value) {
  box->setText(platform::fromLatin1(platform::text::NumberToText(value)));
}

void FillNumberPlain(QLineEdit* box, double value) {
  box->setText(platform::fromLatin1(platform::text::NumberToTextPlain(value)));
}

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  bool first = true;
  for (std::string_view line : lines) {
    if (!first) text += NewLine;
    text += line;
    first = false;
  }
  return text;
}

bool OkToContinue(const std::string& text, std::string_view title) {
  return platform::MsgBox(text, 49, title) == platform::Answer::OK;
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
