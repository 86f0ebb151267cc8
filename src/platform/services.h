// The platform services the computing code may use. main.cpp fills the registry with
// the Qt implementations, solve_file with headless ones, tests with scripted doubles.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

inline constexpr const char* kProgramTitle = "QUELDAR";

enum class Answer { OK = 1, Cancel = 2, Yes = 6, No = 7 };

// Button codes: the buttons in the low three bits plus an icon. The program shows 0 OK,
// 1 OK/Cancel, 4 Yes/No, 36 Yes/No (question), 48 OK (exclamation), 49 OK/Cancel
// (exclamation), 64 OK (information).
inline constexpr int kBoxOK = 0;
inline constexpr int kBoxOKCancel = 1;
inline constexpr int kBoxYesNoCancel = 3;
inline constexpr int kBoxYesNo = 4;
inline constexpr int kBoxCritical = 16;
inline constexpr int kBoxQuestion = 32;
inline constexpr int kBoxExclamation = 48;
inline constexpr int kBoxInformation = 64;
// Added to an OK/Cancel code: the box must be answered with one of its buttons, so Esc,
// the close box and Alt+F4 do nothing. For boxes whose Cancel throws away what the user
// typed, where one stray key must not do it. A Yes/No box is always answered so.
inline constexpr int kBoxMustAnswer = 0x1000;
// The buttons of a code, without its icon, and its icon.
constexpr int BoxButtons(int code) { return code & 7; }
constexpr int BoxIcon(int code) { return code & 0x70; }
// The code as the platform's boxes know it (buttons and icon), without kBoxMustAnswer.
constexpr int BoxCode(int code) { return code & ~kBoxMustAnswer; }
// True when only a button answers the box: Esc and closing do nothing.
constexpr bool BoxMustBeAnswered(int code) {
  return (code & kBoxMustAnswer) != 0 || BoxButtons(code) == kBoxYesNo;
}

struct MessageBoxes {
  virtual ~MessageBoxes() = default;
  // title is never empty here: MsgBox puts the program's title in its place.
  virtual Answer show(std::string_view text, int buttons, std::string_view title) = 0;
};

struct Pointer {
  virtual ~Pointer() = default;
  virtual void set(int code) = 0;  // 0 default, 11 hourglass
};

struct FileDialogState {
  std::string dialogTitle, filter;
  int filterIndex = 1;
  std::string initDir, fileName, fileTitle;
};
struct FileDialogs {
  virtual ~FileDialogs() = default;
  virtual void showOpen(FileDialogState&) = 0;    // cancel leaves fileName ""
  virtual void showSaveAs(FileDialogState&) = 0;
};

struct Help {
  virtual ~Help() = default;
  virtual void contents() = 0;
  virtual void search(std::string_view keyword) = 0;
  virtual void quit() = 0;
};

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A drawing surface in twips, origin top-left, y down.
class Canvas {
 public:
  virtual ~Canvas() = default;
  double currentX = 0, currentY = 0;
  virtual void setDrawWidth(int px) = 0;
  virtual void setDrawStyle(int style) = 0;  // 0 solid, 1 dash
  virtual void setFont(std::string_view name, double points, bool bold = false) = 0;
  virtual void setForeColor(Rgb) = 0;
  virtual void line(double x1, double y1, double x2, double y2, Rgb) = 0;  // current := end
  void lineTo(double x, double y, Rgb c) { line(currentX, currentY, x, y, c); }
  virtual void box(double x1, double y1, double x2, double y2, Rgb, bool filled) = 0;
  virtual void pset(double x, double y, Rgb) = 0;  // current := (x, y)
  virtual void circle(double x, double y, double r, Rgb) = 0;
  virtual void print(std::string_view text, bool stayOnLine = false) = 0;  // top-left at current
  virtual double textWidth(std::string_view) const = 0;
  virtual double textHeight(std::string_view) const = 0;
};

struct Printer {
  virtual ~Printer() = default;
  virtual Canvas& page() = 0;                      // origin = printable area
  virtual void printLine(std::string_view) = 0;    // plain text, breaks pages itself
  virtual bool endDoc() = 0;                       // false: failed, already reported
};
struct PrinterFactory {
  virtual ~PrinterFactory() = default;
  // nullptr: no printer could be had; the user has already been told.
  virtual std::unique_ptr<Printer> open(std::string_view document) = 0;
};

class Form;
struct ModalRunner {
  virtual ~ModalRunner() = default;
  virtual void showModal(Form&) = 0;
};

struct Clock {
  virtual ~Clock() = default;
  virtual std::chrono::system_clock::time_point now() = 0;
  virtual void waitSeconds(double) = 0;
};

struct Services {
  MessageBoxes* messageBoxes = nullptr;
  Pointer* pointer = nullptr;
  FileDialogs* fileDialogs = nullptr;
  Help* help = nullptr;
  PrinterFactory* printers = nullptr;
  ModalRunner* modalRunner = nullptr;
  Clock* clock = nullptr;
};

// The one registry. Empty slots fall back to headless defaults (see headless.h).
Services& services();

// Shows a message box; an empty title shows the program's title. The pointer is put
// back to the default first, as every handler expects before its own messages.
Answer MsgBox(std::string_view text, int buttons = 0, std::string_view title = {});

void SetPointer(int code);

// Holds back the boxes with an OK button only that are shown while it lives, answering
// them OK, so that a computation tried only to learn something (a trial of a search) can
// show its messages later or never. Boxes that ask a question are shown at once. Holds
// nest: the newest one holds.
class HeldBoxes {
 public:
  struct Box {
    std::string text;
    int buttons = 0;
    std::string title;  // as given: empty for the program's title
  };
  HeldBoxes();
  ~HeldBoxes();
  HeldBoxes(const HeldBoxes&) = delete;
  HeldBoxes& operator=(const HeldBoxes&) = delete;
  const std::vector<Box>& boxes() const { return boxes_; }
  // Takes the boxes held so far, leaving none.
  std::vector<Box> Take();
  // Shows boxes past this hold (to the one around it, if any), in order.
  void Show(const std::vector<Box>& boxes);

 private:
  friend Answer MsgBox(std::string_view, int, std::string_view);
  HeldBoxes* outer_;
  std::vector<Box> boxes_;
};

// The time and the waits through the installed clock; the system clock when none is.
std::chrono::system_clock::time_point Now();
void WaitSeconds(double seconds);

// Shows the hourglass while alive; restores the default pointer on every exit.
class BusyPointer {
 public:
  BusyPointer() { SetPointer(11); }
  ~BusyPointer() { SetPointer(0); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace platform
