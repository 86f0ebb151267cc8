// Plain-text printing: the input listing and the report go to the printer line by line.
// The windows install a real printer; tests install the recording one below.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct TextPrinter {
  virtual ~TextPrinter() = default;
  virtual void setFont(std::string_view name, double points) = 0;
  virtual void printLine(std::string_view line) = 0;  // breaks pages itself
  virtual bool endDoc() = 0;                          // false: failed, already reported
};

// The printer text is sent to; nullptr until one is installed.
TextPrinter* textPrinter();
void setTextPrinter(TextPrinter* printer);

// Keeps what was printed, for tests.
class RecordingTextPrinter : public TextPrinter {
 public:
  struct Document {
    std::string fontName;
    double fontPoints = 0;
    std::vector<std::string> lines;
    bool ended = false;
  };

  void setFont(std::string_view name, double points) override {
    current().fontName = std::string(name);
    current().fontPoints = points;
  }
  void printLine(std::string_view line) override { current().lines.emplace_back(line); }
  bool endDoc() override {
    current().ended = true;
    open_ = false;
    return true;
  }

  std::vector<Document> documents;

 private:
  Document& current() {
    if (!open_) {
      documents.emplace_back();
      open_ = true;
    }
    return documents.back();
  }
  bool open_ = false;
};

}  // namespace platform
