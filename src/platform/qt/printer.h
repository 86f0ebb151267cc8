// The printer: each document goes to the default printer when the machine has one,
// otherwise into a PDF file in the user's documents folder, named after the program,
// the document and the time, and an information box names the file. A failure is
// reported in a message box and never passes for success.
#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

#include "platform/services.h"

namespace platform {

class QtPrinterFactory : public PrinterFactory {
 public:
  std::unique_ptr<Printer> open(std::string_view document) override;

  // PDF files go here instead of the documents folder (tests).
  void setPdfFolder(const QString& folder) { pdfFolder_ = folder; }
  // Writes PDF files even when a default printer exists (tests).
  void setForcePdf(bool on) { forcePdf_ = on; }
  // The PDF file a document would get in a folder at a time (no file is made).
  static QString pdfPath(const QString& folder, std::string_view document, const QDateTime& when);
  // The folder PDF files go to: the documents folder, created when missing.
  QString pdfFolder() const;

 private:
  QString pdfFolder_;
  bool forcePdf_ = false;
};

}  // namespace platform
