#include "model/report_layout.h"

#include "model/problem_data.h"
#include "platform/files.h"
#include "platform/services.h"

namespace files = platform::files;
namespace text = platform::text;
using platform::text::Line;

ReportSection ReportSection::Current() { return ReportSection(OutFileNum); }

ReportSection ReportSection::Append() {
  files::CloseAll();
  OutFileNum = files::FreeFile();
  const bool opened = files::Open(CurrentOutputFile, files::Mode::Append, OutFileNum);
  return ReportSection(OutFileNum, opened);
}

void ReportSection::line(const Line& l) { line(l.str()); }

void ReportSection::line(std::string_view s) {
  // Only a line that reached the file counts.
  if (files::PrintLine(fileNum_, s)) {
    ++count_;
  } else {
    failed_ = true;
  }
}

void ReportSection::blank(int n) {
  for (int i = 0; i < n; ++i) line();
}

void ReportSection::SetOutputLineCount() const { OutputLineCount = count_; }

void ReportSection::AddToOutputLineCount() const {
  // A full disk shows only when the buffered lines are pushed to the file.
  if (!failed_ && files::Flush(fileNum_)) {
    OutputLineCount += count_;
    return;
  }
  platform::MsgBox("File:  " + CurrentOutputFile + "  cannot be written." + NewLine + NewLine +
                       "     Unable to continue.",
                   48, "FILE ERROR");
  AbortRun = 1;
}

void WriteReportBanner(ReportSection& out, int P, int Q, int D, int T) {
  const auto now = platform::Now();
  out.line(Line()
               .spc(P)
               .text("PROGRAM QUELDAR-DESIGN/ANALYSIS OF ANCHORED OR CANTILEVER")
               .text(" SHEET PILE WALLS"));
  out.line(Line().spc(Q).text("BY CLASSICAL METHODS"));
  out.line(Line()
               .spc(D)
               .text("DATE: ")
               .text(text::UpperLatin1(text::FormatDate(now, "d-mmmm-yyyy")))
               .tab(T)
               .text("TIME: ")
               .text(text::UpperLatin1(text::FormatDate(now, "H:MM:SS"))));
  out.blank();
}

void WriteTitleBox(ReportSection& out, int indent,
                   std::initializer_list<std::string_view> titles) {
  const std::size_t width = titles.size() ? titles.begin()->size() : 0;
  const std::string stars(width, '*');
  out.line(Line().spc(indent).text(stars));
  for (std::string_view t : titles) out.line(Line().spc(indent).text(t));
  out.line(Line().spc(indent).text(stars));
}

void WriteHeadingBlock(ReportSection& out, std::string_view title) {
  out.line(Line().spc(5).text(title));
  for (int i = 1; i <= NumHeadingLines; ++i) out.line(Line().spc(7).text(HeadingLines(i)));
}

Line& RightAligned(Line& l, std::string_view text, int lastColumn) {
  const int pad = lastColumn + 1 - static_cast<int>(text.size()) - l.column();
  if (pad > 0) l.spc(pad);
  return l.text(text);
}
