// A canvas and a printer that draw nothing and remember every call, for tests of the
// plots. Text metrics are fixed and fake (100 twips per character, 200 twips high, in
// every font) so a label's position follows by hand from the placing rule of a plot.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace platform {

struct CanvasOp {
  enum class Kind { Line, Box, FilledBox, Point, Circle, Text, Font, DrawWidth, DrawStyle, ForeColor };
  Kind kind = Kind::Line;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Text: top-left in x1, y1; Circle: centre, radius in x2
  Rgb color;                               // Text: the fore colour in force
  std::string text;                        // Text; Font: the font name
  int drawWidth = 1;                       // the width and style in force for every op
  int drawStyle = 0;
  double points = 0;                       // Text and Font: the font size in force
  bool bold = false;
  bool stayOnLine = false;                 // Text: printed with ";"
};

class RecordingCanvas : public Canvas {
 public:
  static constexpr double kCharWidth = 100;
  static constexpr double kTextHeight = 200;

  void setDrawWidth(int px) override;
  void setDrawStyle(int style) override;
  void setFont(std::string_view name, double points, bool bold = false) override;
  void setForeColor(Rgb c) override;
  void line(double x1, double y1, double x2, double y2, Rgb c) override;
  void box(double x1, double y1, double x2, double y2, Rgb c, bool filled) override;
  void pset(double x, double y, Rgb c) override;
  void circle(double x, double y, double r, Rgb c) override;
  void print(std::string_view text, bool stayOnLine = false) override;
  double textWidth(std::string_view s) const override;
  double textHeight(std::string_view s) const override;

  std::vector<CanvasOp> ops;

  // Only the ops of one kind, in drawing order.
  std::vector<CanvasOp> all(CanvasOp::Kind kind) const;
  // The first text op with exactly this text, or nullptr.
  const CanvasOp* findText(std::string_view text) const;
  std::vector<std::string> texts() const;
  void clear() { ops.clear(); }

  int drawWidth() const { return drawWidth_; }
  int drawStyle() const { return drawStyle_; }
  const std::string& fontName() const { return fontName_; }
  double fontSize() const { return fontSize_; }
  Rgb foreColor() const { return foreColor_; }

 private:
  CanvasOp make(CanvasOp::Kind kind) const;
  int drawWidth_ = 1, drawStyle_ = 0;
  std::string fontName_ = "MS Sans Serif";
  double fontSize_ = 8.25;
  bool bold_ = false;
  Rgb foreColor_{0, 0, 0};
};

// What a recording printer was asked to print: one entry per document.
struct PrintedDocument {
  std::string name;
  std::vector<std::vector<CanvasOp>> pages;  // drawings, one page per page() use
  std::vector<std::string> lines;            // plain text lines
  int endDocCalls = 0;
  bool succeeded = false;
};

// Hands out recording printers that write into one shared log.
class RecordingPrinterFactory : public PrinterFactory {
 public:
  std::unique_ptr<Printer> open(std::string_view document) override;

  std::vector<PrintedDocument> documents;
  int opened = 0;
  // When set, endDoc reports a failure in a message box (as a real printer that fails
  // would) and returns false.
  bool failEndDoc = false;
  // When set, open() reports the failure and returns nullptr.
  bool failOpen = false;
};

}  // namespace platform
