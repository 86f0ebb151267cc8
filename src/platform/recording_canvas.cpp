#include "platform/recording_canvas.h"

#include <utility>

namespace platform {

CanvasOp RecordingCanvas::make(CanvasOp::Kind kind) const {
  CanvasOp op;
  op.kind = kind;
  op.drawWidth = drawWidth_;
  op.drawStyle = drawStyle_;
  op.points = fontSize_;
  op.bold = bold_;
  return op;
}

void RecordingCanvas::setDrawWidth(int px) {
  drawWidth_ = px;
  CanvasOp op = make(CanvasOp::Kind::DrawWidth);
  ops.push_back(op);
}

void RecordingCanvas::setDrawStyle(int style) {
  drawStyle_ = style;
  ops.push_back(make(CanvasOp::Kind::DrawStyle));
}

void RecordingCanvas::setFont(std::string_view name, double points, bool bold) {
  fontName_ = std::string(name);
  fontSize_ = points;
  bold_ = bold;
  CanvasOp op = make(CanvasOp::Kind::Font);
  op.text = fontName_;
  ops.push_back(op);
}

void RecordingCanvas::setForeColor(Rgb c) {
  foreColor_ = c;
  CanvasOp op = make(CanvasOp::Kind::ForeColor);
  op.color = c;
  ops.push_back(op);
}

void RecordingCanvas::line(double x1, double y1, double x2, double y2, Rgb c) {
  CanvasOp op = make(CanvasOp::Kind::Line);
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.color = c;
  ops.push_back(op);
  currentX = x2;
  currentY = y2;
}

void RecordingCanvas::box(double x1, double y1, double x2, double y2, Rgb c, bool filled) {
  CanvasOp op = make(filled ? CanvasOp::Kind::FilledBox : CanvasOp::Kind::Box);
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.color = c;
  ops.push_back(op);
  currentX = x2;
  currentY = y2;
}

void RecordingCanvas::pset(double x, double y, Rgb c) {
  CanvasOp op = make(CanvasOp::Kind::Point);
  op.x1 = x, op.y1 = y, op.color = c;
  ops.push_back(op);
  currentX = x;
  currentY = y;
}

void RecordingCanvas::circle(double x, double y, double r, Rgb c) {
  CanvasOp op = make(CanvasOp::Kind::Circle);
  op.x1 = x, op.y1 = y, op.x2 = r, op.color = c;
  ops.push_back(op);
  currentX = x;
  currentY = y;
}

void RecordingCanvas::print(std::string_view text, bool stayOnLine) {
  CanvasOp op = make(CanvasOp::Kind::Text);
  op.x1 = currentX, op.y1 = currentY, op.color = foreColor_;
  op.text = std::string(text);
  op.stayOnLine = stayOnLine;
  ops.push_back(op);
  if (stayOnLine) {
    currentX += textWidth(text);
  } else {
    currentX = 0;
    currentY += textHeight(text);
  }
}

double RecordingCanvas::textWidth(std::string_view s) const {
  return kCharWidth * static_cast<double>(s.size());
}

double RecordingCanvas::textHeight(std::string_view) const { return kTextHeight; }

std::vector<CanvasOp> RecordingCanvas::all(CanvasOp::Kind kind) const {
  std::vector<CanvasOp> out;
  for (const CanvasOp& op : ops)
    if (op.kind == kind) out.push_back(op);
  return out;
}

const CanvasOp* RecordingCanvas::findText(std::string_view text) const {
  for (const CanvasOp& op : ops)
    if (op.kind == CanvasOp::Kind::Text && op.text == text) return &op;
  return nullptr;
}

std::vector<std::string> RecordingCanvas::texts() const {
  std::vector<std::string> out;
  for (const CanvasOp& op : ops)
    if (op.kind == CanvasOp::Kind::Text) out.push_back(op.text);
  return out;
}

namespace {

class RecordingPrinter : public Printer {
 public:
  RecordingPrinter(RecordingPrinterFactory& owner, std::size_t index)
      : owner_(owner), index_(index) {}
  ~RecordingPrinter() override { flushPage(); }

  Canvas& page() override {
    pageUsed_ = true;
    return canvas_;
  }
  void printLine(std::string_view line) override { doc().lines.emplace_back(line); }
  bool endDoc() override {
    flushPage();
    PrintedDocument& d = doc();
    ++d.endDocCalls;
    if (owner_.failEndDoc) {
      MsgBox("The document \"" + d.name + "\" could not be printed.", 48, "PRINTER ERROR");
      d.succeeded = false;
      return false;
    }
    d.succeeded = true;
    return true;
  }

 private:
  PrintedDocument& doc() { return owner_.documents[index_]; }
  void flushPage() {
    if (!pageUsed_) return;
    doc().pages.push_back(std::move(canvas_.ops));
    canvas_.ops.clear();
    pageUsed_ = false;
  }
  RecordingPrinterFactory& owner_;
  std::size_t index_;
  RecordingCanvas canvas_;
  bool pageUsed_ = false;
};

}  // namespace

std::unique_ptr<Printer> RecordingPrinterFactory::open(std::string_view document) {
  ++opened;
  if (failOpen) {
    MsgBox("No printer is available for \"" + std::string(document) + "\".", 48, "PRINTER ERROR");
    return nullptr;
  }
  PrintedDocument d;
  d.name = std::string(document);
  documents.push_back(std::move(d));
  return std::make_unique<RecordingPrinter>(*this, documents.size() - 1);
}

}  // namespace platform
