#include "platform/qt/printer.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <optional>

#include "platform/qt/latin1.h"
#include "platform/qt/painter_canvas.h"
#include "platform/recording_canvas.h"

namespace platform {

namespace {

constexpr const char* kFailureTitle = "PRINTER ERROR";

class QtPrinter : public Printer {
 public:
  QtPrinter(std::string document, QString pdfPath, QString setupProblem)
      : document_(std::move(document)), pdfPath_(std::move(pdfPath)), problem_(std::move(setupProblem)) {
    if (!problem_.isEmpty()) return;
    if (pdfPath_.isEmpty()) {
      printer_ = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    } else {
      printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
      printer_->setOutputFormat(QPrinter::PdfFormat);
      printer_->setOutputFileName(pdfPath_);
      printer_->setPageSize(QPageSize(QPageSize::A4));
    }
    printer_->setFullPage(false);  // the origin is the printable area
    printer_->setDocName(fromLatin1(document_));
    printer_->setCreator(kProgramTitle);
  }

  ~QtPrinter() override {
    canvas_.reset();
    if (painter_.isActive()) painter_.end();
  }

  Canvas& page() override {
    if (!begin()) return discard_;
    if (!canvas_) {
      const double dpi = printer_->resolution();
      CanvasState state;
      state.fontName = "Arial";
      state.fontSize = 8.25;
      canvas_.emplace(painter_, dpi, dpi, dpi / 600.0, state);
    }
    drawn_ = true;
    return *canvas_;
  }

  void printLine(std::string_view line) override {
    if (!begin()) return;
    QFont font("Courier New");
    font.setPointSizeF(10);
    const QFontMetricsF fm(font, printer_.get());
    const double bottom = printer_->pageRect(QPrinter::DevicePixel).height();
    if (textY_ > 0 && textY_ + fm.height() > bottom) {
      if (!printer_->newPage()) {
        problem_ = "The printer did not take a new page.";
        return;
      }
      textY_ = 0;
    }
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(0, textY_ + fm.ascent()), fromText(line));
    textY_ += fm.lineSpacing();
    drawn_ = true;
  }

  bool endDoc() override {
    if (ended_) return ok_;
    ended_ = true;
    canvas_.reset();
    if (problem_.isEmpty() && painter_.isActive() && !painter_.end())
      problem_ = "The document could not be finished.";
    if (problem_.isEmpty() && drawn_ && !pdfPath_.isEmpty()) {
      const QFileInfo info(pdfPath_);
      if (!info.exists() || info.size() == 0) problem_ = "The file " + pdfPath_ + " was not written.";
    }
    if (!problem_.isEmpty()) {
      MsgBox("\"" + document_ + "\" could not be printed." + "\n" + toLatin1(problem_), 48, kFailureTitle);
      ok_ = false;
      return false;
    }
    if (drawn_ && !pdfPath_.isEmpty())
      MsgBox("No printer is set up, so \"" + document_ + "\" was saved as a PDF file:\n" +
                 toLatin1(QDir::toNativeSeparators(pdfPath_)),
             64, {});
    ok_ = true;
    return true;
  }

 private:
  bool begin() {
    if (!problem_.isEmpty() || ended_) return false;
    if (painter_.isActive()) return true;
    if (!painter_.begin(printer_.get())) {
      problem_ = pdfPath_.isEmpty() ? QString("The printer could not be started.")
                                    : "The file " + pdfPath_ + " could not be created.";
      return false;
    }
    return true;
  }

  std::string document_;
  QString pdfPath_;
  QString problem_;
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  std::optional<PainterCanvas> canvas_;
  RecordingCanvas discard_;  // takes the drawing of a document that failed to start
  double textY_ = 0;
  bool drawn_ = false;
  bool ended_ = false;
  bool ok_ = false;
};

QString safeName(std::string_view document) {
  QString out;
  for (const QChar c : fromLatin1(document)) {
    if (c.isLetterOrNumber() || c == ' ' || c == '-' || c == '_' || c == '.')
      out += c;
    else
      out += '_';
  }
  out = out.trimmed();
  return out.isEmpty() ? QString("document") : out;
}

}  // namespace

QString QtPrinterFactory::pdfPath(const QString& folder, std::string_view document,
                                  const QDateTime& when) {
  const QString base = QString("%1 %2 %3").arg(kProgramTitle, safeName(document),
                                                when.toString("yyyy-MM-dd HH-mm-ss"));
  const QDir dir(folder);
  QString path = dir.filePath(base + ".pdf");
  for (int n = 2; QFileInfo::exists(path); ++n) path = dir.filePath(QString("%1 (%2).pdf").arg(base).arg(n));
  return path;
}

QString QtPrinterFactory::pdfFolder() const {
  if (!pdfFolder_.isEmpty()) return pdfFolder_;
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  return folder;
}

std::unique_ptr<Printer> QtPrinterFactory::open(std::string_view document) {
  if (!forcePdf_ && !QPrinterInfo::defaultPrinter().isNull())
    return std::make_unique<QtPrinter>(std::string(document), QString(), QString());
  const QString folder = pdfFolder();
  QString problem;
  if (!QDir().mkpath(folder)) problem = "The folder " + folder + " could not be created.";
  return std::make_unique<QtPrinter>(std::string(document),
                                     pdfPath(folder, document, QDateTime::currentDateTime()), problem);
}

}  // namespace platform
