#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "platform/qt/printer.h"
#include "platform/recording_canvas.h"
#include "platform/script_doubles.h"

using platform::Answer;
using platform::Rgb;

namespace {

constexpr Rgb kBlack{0, 0, 0};

QStringList pdfsIn(const QString& folder) {
  return QDir(folder).entryList({"*.pdf"}, QDir::Files);
}


QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Keeps a copy of a PDF where a person can look at it.
void keepArtifact(const QString& path, const QString& name) {
  QDir().mkpath("artifacts");
  QFile::remove("artifacts/" + name);
  QFile::copy(path, "artifacts/" + name);
}

}  // namespace

TEST(QtPrinter, WithoutAPrinterAPageBecomesAPdfAndAnInfoBoxNamesIt) {
  platform::ScopedServices s;
  s.boxes.expect("QUELDAR", Answer::OK);
  QTemporaryDir dir;
  const QString folder = dir.filePath("Documents");  // made when missing
  platform::QtPrinterFactory printers;
  printers.setForcePdf(true);
  printers.setPdfFolder(folder);
  {
    auto printer = printers.open("Result Plot");
    ASSERT_NE(printer, nullptr);
    platform::Canvas& page = printer->page();
    page.setFont("Arial", 8.25);
    page.pset(1440, 3744, {255, 255, 255});
    page.print("SHEET PILE WALL  -  HEADING LINE 1");
    page.setDrawWidth(2);
    page.box(1440, 4320, 11160, 9720, kBlack, false);
    page.line(3600, 5328, 9360, 9648, kBlack);
    EXPECT_TRUE(printer->endDoc());
  }
  const QStringList pdfs = pdfsIn(folder);
  ASSERT_EQ(pdfs.size(), 1);
  EXPECT_TRUE(pdfs[0].startsWith("QUELDAR Result Plot ")) << pdfs[0].toStdString();
  const QByteArray bytes = readAll(QDir(folder).filePath(pdfs[0]));
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
  keepArtifact(QDir(folder).filePath(pdfs[0]), "printed_page.pdf");

  ASSERT_EQ(s.boxes.boxes().size(), 1u);
  EXPECT_EQ(s.boxes.boxes()[0].buttons, 64);
  EXPECT_NE(s.boxes.boxes()[0].text.find(pdfs[0].toStdString()), std::string::npos);
}

TEST(QtPrinter, PlainTextBreaksItsOwnPages) {
  platform::ScopedServices s;
  s.boxes.expect(Answer::OK).expect(Answer::OK);
  QTemporaryDir dir;
  platform::QtPrinterFactory printers;
  printers.setForcePdf(true);
  printers.setPdfFolder(dir.path());
  auto print = [&](const std::string& name, int lines) {
    auto printer = printers.open(name);
    for (int i = 1; i <= lines; ++i) printer->printLine("LINE " + std::to_string(i) + " \xC4\xD6\xDC");
    EXPECT_TRUE(printer->endDoc());
    const QStringList found = QDir(dir.path()).entryList({"*" + QString::fromStdString(name) + "*.pdf"});
    EXPECT_EQ(found.size(), 1);
    return found.isEmpty() ? QByteArray() : readAll(dir.filePath(found[0]));
  };
  const QByteArray shortDoc = print("Short", 10);
  const QByteArray longDoc = print("Long", 200);
  EXPECT_EQ(shortDoc.count("/Type /Page\n"), 1);
  // 10-point lines on an A4 page: about 70 a page, so 200 lines take 3 pages.
  EXPECT_GE(longDoc.count("/Type /Page\n"), 3);
  EXPECT_LE(longDoc.count("/Type /Page\n"), 4);
}

TEST(QtPrinter, AFailureIsReportedAndNeverPassesForSuccess) {
  platform::ScopedServices s;
  s.boxes.expect("PRINTER ERROR", Answer::OK);
  QTemporaryDir dir;
  QFile blocker(dir.filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  platform::QtPrinterFactory printers;
  printers.setForcePdf(true);
  printers.setPdfFolder(dir.filePath("file/below"));  // cannot be made
  auto printer = printers.open("Report");
  ASSERT_NE(printer, nullptr);
  printer->page().line(0, 0, 1440, 1440, kBlack);  // drawing still goes somewhere harmless
  printer->printLine("text");
  EXPECT_FALSE(printer->endDoc());
  ASSERT_EQ(s.boxes.boxes().size(), 1u);
  EXPECT_EQ(s.boxes.boxes()[0].buttons, 48);
}

TEST(QtPrinter, PdfNamesNameProgramDocumentAndTimeAndNeverOverwrite) {
  QTemporaryDir dir;
  const QDateTime when(QDate(2026, 12, 10), QTime(14, 5, 9));
  const QString first = platform::QtPrinterFactory::pdfPath(dir.path(), "Input/Plots?", when);
  EXPECT_EQ(QFileInfo(first).fileName(), "QUELDAR Input_Plots_ 2026-12-10 14-05-09.pdf");
  QFile f(first);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  const QString second = platform::QtPrinterFactory::pdfPath(dir.path(), "Input/Plots?", when);
  EXPECT_EQ(QFileInfo(second).fileName(), "QUELDAR Input_Plots_ 2026-12-10 14-05-09 (2).pdf");
}

TEST(RecordingPrinter, RecordsOneDocumentPerOpenWithItsPagesAndLines) {
  platform::ScopedServices s;
  platform::RecordingPrinterFactory printers;
  {
    auto p = printers.open("plot");
    p->page().box(1440, 4320, 11160, 9720, kBlack, false);
    EXPECT_TRUE(p->endDoc());
  }
  {
    auto p = printers.open("report");
    p->printLine("a");
    p->printLine("b");
    EXPECT_TRUE(p->endDoc());
  }
  ASSERT_EQ(printers.documents.size(), 2u);
  EXPECT_EQ(printers.documents[0].name, "plot");
  ASSERT_EQ(printers.documents[0].pages.size(), 1u);
  EXPECT_EQ(printers.documents[0].pages[0].size(), 1u);
  EXPECT_EQ(printers.documents[0].endDocCalls, 1);
  EXPECT_EQ(printers.documents[1].lines, (std::vector<std::string>{"a", "b"}));

  printers.failEndDoc = true;
  s.boxes.expect("PRINTER ERROR", Answer::OK);
  auto p = printers.open("plot");
  p->page();
  EXPECT_FALSE(p->endDoc());
  EXPECT_FALSE(printers.documents[2].succeeded);
  EXPECT_TRUE(s.boxes.done());
}
