#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cfloat>
#include <climits>
#include <cmath>
#include <ctime>
#include <limits>
#include <vector>
#include <string>

#include "platform/text.h"

namespace t = platform::text;

struct MaskCase {
  double value;
  const char* mask;
  const char* expected;
};

TEST(Format, MasksRoundHalfAwayOnTheShortestDecimal) {
  const MaskCase cases[] = {
      // Ties judged on the shortest decimal form, not the binary value.
      {0.125, "0.00", "0.13"},
      {2.675, "0.00", "2.68"},  // stored as 2.67499999...
      {1.005, "0.00", "1.01"},  // stored as 1.00499999...
      {0.995, "0.00", "1.00"},
      {99.995, "###0.00", "100.00"},
      {-0.125, "0.00", "-0.13"},
      {0.05, "0.0", "0.1"},
      {1.00005, "#0.0000", "1.0001"},
      // Leading # never pads; at least one digit before the point.
      {500, "####0.00", "500.00"},
      {0.5, "####0.00", "0.50"},
      {0.1, "##0.0000", "0.1000"},
      {100, "###0.0", "100.0"},
      {-7.25, "##0.00", "-7.25"},
      {-7.25, "####0.0", "-7.3"},
      {0.00005, "0.0000", "0.0001"},
      {0.00004999, "0.0000", "0.0000"},
      // Whole-number masks with a trailing point.
      {12.4, "####0.", "12."},
      {12.5, "#####0.", "13."},
      {-12.5, "####0.", "-13."},
      {0.4, "#####0.", "0."},
      // "0": whole numbers, no grouping.
      {0.5, "0", "1"},
      {2.5, "0", "3"},
      {12345.6, "0", "12346"},
      {-0.4, "0", "0"},
      // No minus on an all-zero result.
      {-0.004, "#0.00", "0.00"},
      {-0.0, "0.00", "0.00"},
      {-0.005, "#0.00", "-0.01"},
      {-0.00001, "0.0000E+00", "-1.0000E-05"},
      // Too wide is never cut.
      {123456.789, "#0.00", "123456.79"},
      {1e20, "#0.00", "100000000000000000000.00"},
      {-98765432.1, "####0.", "-98765432."},
      // Exponent masks: sign always, two digits at least, renormalised mantissa.
      {29000000, "0.000E+00", "2.900E+07"},
      {3000, "0.00E+00", "3.00E+03"},
      {0.2, "0.00E+00", "2.00E-01"},
      {0, "0.00E+00", "0.00E+00"},
      {-0.0, "0.00E+00", "0.00E+00"},
      {9.995, "0.00E+00", "1.00E+01"},
      {99999.5, "0.000E+00", "1.000E+05"},
      {-0.0001234, "0.00E+00", "-1.23E-04"},
      {1.2345e-300, "0.0000E+00", "1.2345E-300"},
      {1.5e100, "0.00E+00", "1.50E+100"},
      {1.25, "0.0E+00", "1.3E+00"},
      // Grouping.
      {1234567.5, "#,##0", "1,234,568"},
      {-999.5, "#,##0", "-1,000"},
      {12, "#,##0", "12"},
      {1234.5, "#,##0.00", "1,234.50"},
      // Optional decimals.
      {2.5, "0.##", "2.5"},
      {2, "0.##", "2."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(t::Format(c.value, c.mask), c.expected) << c.value << " with " << c.mask;
  }
}

TEST(Format, NonFiniteValuesGiveAWordNotAFault) {
  EXPECT_EQ(t::Format(std::numeric_limits<double>::quiet_NaN(), "0.00"), "NAN");
  EXPECT_EQ(t::Format(-std::numeric_limits<double>::infinity(), "0.00E+00"), "-INF");
  // The extremes of the double range stay exact digit strings.
  EXPECT_EQ(t::Format(DBL_MAX, "0").size(), 309u);
  EXPECT_EQ(t::Format(DBL_MIN, "0.00"), "0.00");
  EXPECT_EQ(t::Format(4.9e-324, "0.00E+00"), "5.00E-324");
}

TEST(FormatDate, BannerMasksInLocalTime) {
  std::tm tm{};
  tm.tm_year = 2026 - 1900;
  tm.tm_mon = 11;
  tm.tm_mday = 9;
  tm.tm_hour = 2;
  tm.tm_min = 7;
  tm.tm_sec = 12;
  tm.tm_isdst = -1;
  const auto tp = std::chrono::system_clock::from_time_t(std::mktime(&tm));
  EXPECT_EQ(t::FormatDate(tp, "d-mmmm-yyyy"), "9-December-2026");
  EXPECT_EQ(t::FormatDate(tp, "H:MM:SS"), "2:07:12");
  EXPECT_EQ(t::UpperLatin1(t::FormatDate(tp, "d-mmmm-yyyy")), "9-DECEMBER-2026");

  tm = {};
  tm.tm_year = 2027 - 1900;
  tm.tm_mon = 0;
  tm.tm_mday = 31;
  tm.tm_hour = 23;
  tm.tm_min = 59;
  tm.tm_sec = 5;
  tm.tm_isdst = -1;
  const auto late = std::chrono::system_clock::from_time_t(std::mktime(&tm));
  EXPECT_EQ(t::FormatDate(late, "d-mmmm-yyyy"), "31-January-2027");
  EXPECT_EQ(t::FormatDate(late, "H:MM:SS"), "23:59:05");
}

TEST(NumberToText, GeneralFormWithLeadingBlank) {
  const struct {
    double value;
    const char* text;
    const char* plain;
  } cases[] = {
      {0.5, " .5", ".5"},
      {-0.25, "-.25", "-.25"},
      {0, " 0", "0"},
      {-0.0, " 0", "0"},
      {24000, " 24000", "24000"},
      {-2.5, "-2.5", "-2.5"},
      {-3, "-3", "-3"},
      {29000000, " 29000000", "29000000"},
      {1e14, " 100000000000000", "100000000000000"},
      {1e15, " 1E+15", "1E+15"},
      {0.0001, " .0001", ".0001"},
      {0.00001, " 1E-05", "1E-05"},
      {-1.5e-7, "-1.5E-07", "-1.5E-07"},
      {1.0 / 3.0, " .333333333333333", ".333333333333333"},
      {123456789012345678.0, " 1.23456789012346E+17", "1.23456789012346E+17"},
      {1e300, " 1E+300", "1E+300"},
      {100.25, " 100.25", "100.25"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(t::NumberToText(c.value), c.text) << c.value;
    EXPECT_EQ(t::NumberToTextPlain(c.value), c.plain) << c.value;
  }
}

TEST(NumberToText, WhatIsWrittenReadsBackUnderTheNumericTest) {
  // Values a user types (15 significant digits at most) come back exactly.
  const double exact[] = {0,       0.5,     -0.25,    1,        -1,         0.1,     0.3,
                          2.675,   100.125, 1e15,     1e-5,     -1.5e-7,    24000,   29000000,
                          125.5,   -3.75,   0.0001,   12345.678901234, 999999999999999.0,
                          1e-300,  1.5e300, 0.000123, 98.6,     -0.001,     1e100,   123456789012345e10};
  for (double v : exact) {
    const std::string s = t::NumberToText(v);
    ASSERT_TRUE(t::IsNumeric(s)) << s;
    EXPECT_EQ(t::Val(s), v) << s;
    ASSERT_TRUE(t::IsNumeric(t::NumberToTextPlain(v)));
    EXPECT_EQ(t::Val(t::NumberToTextPlain(v)), v);
  }
  // Any other double comes back within the 15th digit (the 14th at the top of the
  // range, where 15 digits would round past the largest double), and writing it again
  // is stable.
  const double other[] = {0.1 + 0.2, 1.0 / 3.0, -2.0 / 7.0, 3.14159265358979e-12, DBL_MAX, DBL_MIN,
                          4.9e-324, 1.7976931348623e308};
  for (double v : other) {
    const std::string s = t::NumberToText(v);
    ASSERT_TRUE(t::IsNumeric(s)) << s;
    const double back = t::Val(s);
    EXPECT_LE(std::fabs(back - v), std::fabs(v) * 1e-13) << s;
    EXPECT_EQ(t::NumberToText(back), s);
  }
}

TEST(IsNumeric, TheStrictFieldPattern) {
  const struct {
    const char* text;
    bool numeric;
    double value;
  } cases[] = {
      {".5", true, 0.5},
      {"-.25", true, -0.25},
      {"1E3", true, 1000},
      {"1e3", true, 1000},
      {"1E+05", true, 1e5},
      {"2.5E-3", true, 0.0025},
      {"+3", true, 3},
      {"7.", true, 7},
      {"  12  ", true, 12},
      {"0000012.50", true, 12.5},
      {"-0", true, 0},
      {"1E-400", true, 0},  // too small is zero, which is finite
      {"", false, 0},
      {"   ", false, 0},
      {"12ABC", false, 0},
      {"INF", false, 0},
      {"NAN", false, 0},
      {"infinity", false, 0},
      {"0x10", false, 0},
      {"1,000", false, 0},
      {"1E999", false, 0},
      {".", false, 0},
      {"-", false, 0},
      {"+-1", false, 0},
      {"E5", false, 0},
      {"1E", false, 0},
      {"1E+", false, 0},
      {"1.2.3", false, 0},
      {"1 2", false, 0},
      {"- 1", false, 0},
      {"\t1", false, 0},  // a tab is not a blank
      {"1D3", false, 0},
      {"1E3.5", false, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(t::IsNumeric(c.text), c.numeric) << '"' << c.text << '"';
    EXPECT_EQ(t::Val(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(IsNumeric, HugeTextsAreJudgedByTheirValue) {
  const std::string digits400 = "1" + std::string(399, '0');
  EXPECT_FALSE(t::IsNumeric(digits400));
  EXPECT_FALSE(t::IsNumeric("-" + digits400 + ".5"));
  EXPECT_TRUE(t::IsNumeric("0." + std::string(400, '0') + "1"));
  EXPECT_TRUE(t::IsNumeric(std::string(1'000'000, '0') + "1.5"));
  EXPECT_EQ(t::Val(std::string(1'000'000, '0') + "1.5"), 1.5);
  EXPECT_FALSE(t::IsNumeric(std::string(1'000'000, '9')));
  EXPECT_TRUE(t::IsNumeric("1" + std::string(1'000'000, '0') + "E-1000000"));
  EXPECT_EQ(t::Val("1" + std::string(1'000'000, '0') + "E-1000000"), 1.0);
  EXPECT_FALSE(t::IsNumeric("1E99999999999999999999999"));
  EXPECT_TRUE(t::IsNumeric("1E-99999999999999999999999"));
  EXPECT_FALSE(t::IsNumeric(std::string(1'000'000, '1') + "X"));
}

TEST(RoundCount, HalvesGoToEven) {
  const struct {
    double value;
    long count;
  } cases[] = {{2.5, 2},  {3.5, 4},   {0.5, 0},  {1.5, 2},         {-2.5, -2},
               {-0.5, 0}, {2.4999, 2}, {2.51, 3}, {32767.5, 32768}, {-32768.5, -32768},
               {7, 7},    {-1e300, LONG_MIN}, {1e300, LONG_MAX}};
  for (const auto& c : cases) EXPECT_EQ(t::RoundCount(c.value), c.count) << c.value;
  EXPECT_EQ(t::RoundCount(std::numeric_limits<double>::quiet_NaN()), LONG_MIN);
  // The same whatever rounding mode the floating-point unit was left in.
  std::fesetround(FE_UPWARD);
  const long up = t::RoundCount(2.5), up2 = t::RoundCount(2.2);
  std::fesetround(FE_TONEAREST);
  EXPECT_EQ(up, 2);
  EXPECT_EQ(up2, 2);
}

TEST(TextHelpers, BlanksAreCharacter32AndCapitalsKeepTheLength) {
  EXPECT_EQ(t::Trim("  A B  "), "A B");
  EXPECT_EQ(t::Trim(" \tA\t "), "\tA\t");
  EXPECT_EQ(t::LTrim("  A  "), "A  ");
  EXPECT_EQ(t::RTrim("  A  "), "  A");
  EXPECT_EQ(t::Trim("    "), "");
  // Latin-1: e acute and o umlaut get capitals; sharp s, y diaeresis, micro and the
  // division sign stay as they are.
  EXPECT_EQ(t::UpperLatin1("wall \xe9\xf6\xdf\xff\xb5\xf7 z"), "WALL \xc9\xd6\xdf\xff\xb5\xf7 Z");
  EXPECT_EQ(t::UpperLatin1(std::string("a\0b", 3)), std::string("A\0B", 3));
}

TEST(Line, ColumnsSpcTabZonesAndRightAlignedValues) {
  // A value ends in its last column.
  t::Line a;
  a.value(12.5, "####0.00", 24).value(-3, "####0.00", 38);
  EXPECT_EQ(a.str(), std::string(19, ' ') + "12.50" + std::string(9, ' ') + "-3.00");
  EXPECT_EQ(a.column(), 39);

  // Too wide: written after the previous item, one blank apart; the real column goes on.
  t::Line b;
  b.text("AB").value(-123456789.5, "####0.00", 8).value(1, "0.00", 20);
  EXPECT_EQ(b.str(), "AB -123456789.50 1.00");

  // Texts right-aligned by the same rule.
  t::Line r;
  r.value(1.5, "0.00", 64).right("DEF", 70).right("TOO WIDE", 72);
  EXPECT_EQ(r.str(), std::string(60, ' ') + "1.50" + std::string(3, ' ') + "DEF" + " TOO WIDE");

  // Tab to a column: blanks up to it; to the column itself nothing; passed, one blank.
  t::Line c;
  c.spc(2).text("X").tab(10).text("Y").tab(11).text("Z").tab(5).text("W").spc(0).spc(-3);
  EXPECT_EQ(c.str(), "  X      YZ W");

  // Print zones of 14 columns.
  t::Line d;
  d.zone().text("A").zone().text(std::string(14, 'B')).zone().text("C");
  EXPECT_EQ(d.str(), std::string(14, ' ') + "A" + std::string(13, ' ') + std::string(14, 'B') +
                         std::string(14, ' ') + "C");
}

namespace {
// A results row as the report writes it: elevation, moment, shear, deflection, pressure.
std::string ResultsRow(double elev, double moment, double shear, double defl, double press) {
  t::Line l;
  l.value(elev, "####0.00", 14)
      .value(moment, "0.0000E+00", 28)
      .value(shear, "####0.", 42)
      .value(defl, "0.0000E+00", 60)
      .value(press, "####0.00", 73);
  return l.str();
}

std::vector<std::string> Words(const std::string& row) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < row.size();) {
    const auto b = row.find_first_not_of(' ', i);
    if (b == std::string::npos) break;
    const auto e = std::min(row.find(' ', b), row.size());
    out.push_back(row.substr(b, e - b));
    i = e;
  }
  return out;
}
}  // namespace

TEST(Line, AValueThatCannotKeepItsColumnStaysOneBlankFromTheItemBefore) {
  struct Case {
    double elev, moment, shear, defl, press;
    std::string row;
  } cases[] = {
      // Ordinary values end in their columns.
      {10, 312.21, -45, 0.0123, 2.5,
       "         10.00    3.1221E+02          -45.        1.2300E-02         2.50"},
      // A pressure that fills its whole column: before, "3.1221E+022699286466.80".
      {10, 0, 0, 312.21, 2699286466.8,
       "         10.00    0.0000E+00            0.        3.1221E+02 2699286466.80"},
      // Every value too wide still splits into five.
      {-1e13, -3.1e300, -2.7e12, -1e-300, 1.2e13,
       "-10000000000000.00 -3.1000E+300 -2700000000000. -1.0000E-300 12000000000000.00"},
  };
  for (const auto& c : cases) {
    const std::string row = ResultsRow(c.elev, c.moment, c.shear, c.defl, c.press);
    EXPECT_EQ(row, c.row);
    const auto words = Words(row);
    ASSERT_EQ(words.size(), 5u) << row;
    EXPECT_EQ(t::Val(words[4]), t::Val(t::Format(c.press, "####0.00"))) << row;
  }
  // A label ending in its colon keeps a blank from a value too wide for the column.
  t::Line label;
  label.spc(5).text("WALL BOTTOM ELEV. (FT)     :").value(-1e20, "####0.00", 45);
  EXPECT_EQ(label.str(), std::string(5, ' ') + "WALL BOTTOM ELEV. (FT)     : -100000000000000000000.00");
  // A value that starts with its own blank needs none added.
  t::Line own;
  own.text("X").right(" 12", 3);
  EXPECT_EQ(own.str(), "X 12");
}

TEST(TextHelpers, CapitalsOfALineKeepUtf8CharactersWholeAndLatin1AsBefore) {
  const struct {
    const char* line;
    const char* upper;
  } cases[] = {
      // An en dash (E2 80 93) and e acute (C3 A9) in UTF-8: only ASCII letters change.
      {"wall \xe2\x80\x93 phase 2 caf\xc3\xa9", "WALL \xe2\x80\x93 PHASE 2 CAF\xc3\xa9"},
      {"\xf0\x9f\x8c\x8a sea wall", "\xf0\x9f\x8c\x8a SEA WALL"},
      // Latin-1: e acute (E9) alone is no UTF-8, and gets its Latin-1 capital.
      {"caf\xe9 \xdf", "CAF\xc9 \xdf"},
      // Broken or overlong UTF-8 and surrogates are Latin-1 text.
      {"a\xe2\x80", "A\xc2\x80"},
      {"a\xc0\xaf", "A\xc0\xaf"},
      {"a\xed\xa0\x80", "A\xcd\xa0\x80"},
      {"plain ascii", "PLAIN ASCII"},
  };
  for (const auto& c : cases) EXPECT_EQ(t::UpperText(c.line), c.upper) << c.line;
}
