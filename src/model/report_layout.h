// What every section of the report shares: the counted line writer, the banner, the
// title box, the heading block and the way a later section reopens the report.
//
// A section writer looks like this:
//
//   ReportSection out = ReportSection::Append();   // close all, reopen for appending
//   WriteReportBanner(out, 2, 28, 2, 63);
//   WriteTitleBox(out, 30, {"*  SOIL PRESSURES  *"});
//   out.line(Line().spc(5).text("...").value(x, "####0.00", 24));
//   out.AddToOutputLineCount();
//
// The count is kept by the writer from the lines it really wrote, so the save and print
// commands, which copy OutputLineCount lines, always get the whole report.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/text.h"

class ReportSection {
 public:
  // Writes to the report already open as OutFileNum (the input section: a new file).
  static ReportSection Current();
  // The protocol of every later section: close all open files, take a free file number
  // into OutFileNum, open CurrentOutputFile for appending.
  static ReportSection Append();

  void line(const platform::text::Line& l);
  void line(std::string_view s = {});
  void blank(int n = 1);

  // The lines this section wrote.
  long count() const { return count_; }
  // The input section starts the report: OutputLineCount := count.
  void SetOutputLineCount() const;
  // Every later section: OutputLineCount += count. When the report could not be opened
  // or its lines could not be written, it says so and sets AbortRun = 1 instead: a
  // report that silently lacks a section must never pass for a complete solution.
  void AddToOutputLineCount() const;

 private:
  explicit ReportSection(int fileNum, bool opened = true) : fileNum_(fileNum), failed_(!opened) {}
  int fileNum_;
  long count_ = 0;
  bool failed_ = false;
};

// Banner: program line at indent P, second line at indent Q, date at indent D and the
// time from column T, then a blank line. The date and time come from the services' clock.
void WriteReportBanner(ReportSection& out, int P, int Q, int D, int T);

// A line of asterisks, the title lines (all of one width), a line of asterisks, each at
// the indent.
void WriteTitleBox(ReportSection& out, int indent, std::initializer_list<std::string_view> titles);

// The section's heading title at indent 5, then every heading line at indent 7.
void WriteHeadingBlock(ReportSection& out, std::string_view title);

// Right-aligns a text so that its last character is in lastColumn; a text too wide
// follows the previous item directly.
platform::text::Line& RightAligned(platform::text::Line& l, std::string_view text, int lastColumn);
