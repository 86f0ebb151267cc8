// The text rules every report, file and window shares: format masks, number-to-text,
// the numeric field test, count rounding, Latin-1 capitals and the line builder with
// Spc/Tab columns. One place, so the report, the writer and the reader never disagree.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace platform::text {

// A number through a report mask ("0.00", "####0.00", "#0.0000", "####0.", "0.000E+00",
// "#,##0" ...). Half away from zero on the shortest decimal form; an all-zero result
// has no minus sign; never padded and never cut.
std::string Format(double value, std::string_view mask);

// Date and time masks of the banner: "d-mmmm-yyyy" and "H:MM:SS" (month in mixed case;
// callers put it in capitals).
std::string FormatDate(std::chrono::system_clock::time_point t, std::string_view mask);

// Number-to-text with the leading blank for values not negative (" .5", "-.25",
// " 1E+15"), up to 15 significant digits; reads back to the same value.
std::string NumberToText(double value);
// The same without the leading blank ("24000", "-2.5").
std::string NumberToTextPlain(double value);

// The numeric field test: blanks (character 32) trimmed, optional sign, digits with at
// most one point, optional exponent; the value must be finite.
bool IsNumeric(std::string_view s);
// The value of a text that passed IsNumeric (0 for anything else).
double Val(std::string_view s);

// A count from a double: nearest integer, halves to even.
long RoundCount(double value);

// Blanks are the character 32 only.
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

// Capitals one Latin-1 character at a time; the length never changes.
std::string UpperLatin1(std::string_view s);
// Capitals of a line read from a file: a line that is valid UTF-8 with a multi-byte
// character gets capitals of its ASCII letters only, so every character stays whole (an
// en dash is not three Latin-1 letters); any other line is Latin-1 as above.
std::string UpperText(std::string_view s);

// One output line built item by item. Columns count from 1.
class Line {
 public:
  Line& text(std::string_view s);                  // a literal
  Line& spc(int n);                                 // n blanks
  Line& tab(int column);                            // blanks up to column; one blank if passed
  // The value through the mask, right-aligned so its last character is in lastColumn;
  // a text too wide is written after the previous item, one blank apart.
  Line& value(double v, std::string_view mask, int lastColumn);
  // A text right-aligned to lastColumn by the same rule ("DEF" in a number column).
  Line& right(std::string_view s, int lastColumn);
  Line& zone();                                     // next 14-column print zone
  int column() const { return static_cast<int>(s_.size()) + 1; }
  const std::string& str() const { return s_; }
 private:
  std::string s_;
};

}  // namespace platform::text
