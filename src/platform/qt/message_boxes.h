// Message boxes on QMessageBox: plain text, the program's button and icon codes, the
// first button the default; Esc answers Cancel, closes an OK box, and does nothing on a
// Yes/No box or on an OK/Cancel box that must be answered (kBoxMustAnswer).
#pragma once

#include <QMessageBox>

#include "platform/services.h"

namespace platform {

class QtMessageBoxes : public MessageBoxes {
 public:
  Answer show(std::string_view text, int buttons, std::string_view title) override;
  // Builds the box a code asks for without showing it (for tests and for show()).
  static void configure(QMessageBox& box, std::string_view text, int buttons, std::string_view title);
  // The answer of the button a box returned.
  static Answer answerOf(QMessageBox::StandardButton b);
};

}  // namespace platform
