// What every data entry window shares: reading a box, filling a box from a stored number,
// the status colours, the OK/Cancel messages and the guard that keeps the edit flag while
// a window fills its boxes from code.
#pragma once

#include <string>
#include <string_view>

#include "entry/entry_rows.h"
#include "model/problem_data.h"
#include "platform/services.h"

class QLabel;
class QLineEdit;
class QString;
class QWidget;

namespace platform {
class Form;
class Panel;
}

namespace entry {

inline constexpr platform::Rgb kWhite{255, 255, 255};
inline constexpr platform::Rgb kLightCyan{0, 255, 255};
inline constexpr platform::Rgb kRed{255, 0, 0};
inline constexpr platform::Rgb kGrey{192, 192, 192};

// A box's text, trimmed of leading and trailing blanks.
std::string BoxText(const QLineEdit* box);
bool IsBlank(const QLineEdit* box);

// A box read as a number by ReadBox's rule: blank, not a number, or its value.
struct BoxNumber {
  enum Kind { Blank, NotNumeric, Number } kind = Blank;
  double value = 0;
  bool blank() const { return kind == Blank; }
  bool number() const { return kind == Number; }
};
BoxNumber ReadNumber(const QLineEdit* box);

// Fills a box with a stored number in the general number-to-text form (a leading blank
// when not negative); the plain form leaves the blank out.
void FillNumber(QLineEdit* box, double value);
void FillNumberPlain(QLineEdit* box, double value);

// A message with OK and Cancel and the exclamation icon; true when the answer is OK
// (any other answer counts as Cancel). Every such message of the entry windows drops
// typed data on Cancel, so it must be answered with a button: Esc and closing do nothing.
bool OkToContinue(const std::string& text, std::string_view title);

// The note "(Highlighted sections indicate data are available.)" on light cyan, one
// line across the given width, that every window with status panels carries.
QLabel* AvailabilityNote(platform::Form& form, const QString& name, double left, double top, double width,
                         QWidget* container);

// White for a section without data, light cyan for one with data.
void ShowStatus(platform::Panel* panel, bool hasData);

// Filling boxes from code fires their Change handlers; the edit flag is put back after.
class KeepInputChanged {
 public:
  KeepInputChanged() : saved_(InputChanged) {}
  ~KeepInputChanged() { InputChanged = saved_; }
  KeepInputChanged(const KeepInputChanged&) = delete;
  KeepInputChanged& operator=(const KeepInputChanged&) = delete;

 private:
  int saved_;
};

}  // namespace entry
