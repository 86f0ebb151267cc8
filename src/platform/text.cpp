#include "platform/text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <ctime>
#include <string>
#include <system_error>

namespace platform::text {

namespace {

// The shortest decimal form of |value|: digits without leading zeros (or "0") and the
// decimal exponent of the first digit, so |value| = d.ddd x 10^exp10.
struct Decimal {
  std::string digits;
  int exp10 = 0;
};

Decimal ShortestDecimal(double value) {
  Decimal d;
  const double a = std::fabs(value);
  if (a == 0.0) {
    d.digits = "0";
    return d;
  }
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific);
  const std::string s(buf, res.ptr);
  const auto e = s.find('e');
  for (std::size_t i = 0; i < e; ++i)
    if (s[i] != '.') d.digits += s[i];
  d.exp10 = std::stoi(s.substr(e + 1));
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// Adds one unit in the last place of a digit string; returns true when a carry runs
// off the front (the caller then puts a "1" there).
bool IncrementDigits(std::string& s) {
  for (std::size_t i = s.size(); i-- > 0;) {
    if (s[i] == '9') {
      s[i] = '0';
    } else {
      s[i] = static_cast<char>(s[i] + 1);
      return false;
    }
  }
  return true;
}

bool AllZeros(std::string_view s) {
  for (char c : s)
    if (c >= '1' && c <= '9') return false;
  return true;
}

// A numeric mask split into its parts. Characters outside the number (if any) are
// written as they stand before and after it.
struct Mask {
  std::string prefix, suffix;
  int minIntDigits = 0;     // '0' before the point
  int intPlaces = 0;        // '0' and '#' before the point
  bool grouping = false;    // ',' before the point
  bool point = false;
  int reqDecimals = 0;      // '0' after the point
  int decimals = 0;         // '0' and '#' after the point
  bool exponent = false;
  char expLetter = 'E';
  bool expSignAlways = false;
  int expDigits = 0;
};

Mask ParseMask(std::string_view m) {
  Mask k;
  std::size_t i = 0;
  auto isNum = [](char c) { return c == '#' || c == '0' || c == '.' || c == ','; };
  while (i < m.size() && !isNum(m[i])) k.prefix += m[i++];
  for (; i < m.size() && (m[i] == '#' || m[i] == '0' || m[i] == ','); ++i) {
    if (m[i] == ',') {
      k.grouping = true;
    } else {
      ++k.intPlaces;
      if (m[i] == '0') ++k.minIntDigits;
    }
  }
  if (i < m.size() && m[i] == '.') {
    k.point = true;
    for (++i; i < m.size() && (m[i] == '#' || m[i] == '0'); ++i) {
      ++k.decimals;
      if (m[i] == '0') k.reqDecimals = k.decimals;
    }
  }
  if (i + 1 < m.size() && (m[i] == 'E' || m[i] == 'e') && (m[i + 1] == '+' || m[i + 1] == '-')) {
    k.exponent = true;
    k.expLetter = m[i];
    k.expSignAlways = m[i + 1] == '+';
    for (i += 2; i < m.size() && (m[i] == '0' || m[i] == '#'); ++i) ++k.expDigits;
  }
  k.suffix = std::string(m.substr(i));
  return k;
}

std::string Group(const std::string& intDigits) {
  std::string out;
  const std::size_t n = intDigits.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += ',';
    out += intDigits[i];
  }
  return out;
}

// Integer and fraction digits of a fixed-point result, before the mask's padding.
std::string Assemble(const Mask& k, std::string intDigits, std::string frac, bool negative,
                     std::string expText = {}) {
  // Optional decimals drop their trailing zeros.
  while (static_cast<int>(frac.size()) > k.reqDecimals && frac.back() == '0') frac.pop_back();
  std::size_t lead = 0;
  while (lead < intDigits.size() && intDigits[lead] == '0') ++lead;
  intDigits.erase(0, lead);
  while (static_cast<int>(intDigits.size()) < k.minIntDigits) intDigits.insert(0, "0");
  const bool zero = AllZeros(intDigits) && AllZeros(frac);
  std::string out;
  if (negative && !zero) out += '-';
  out += k.prefix;
  out += k.grouping ? Group(intDigits) : intDigits;
  if (k.point) out += '.';
  out += frac;
  out += expText;
  out += k.suffix;
  return out;
}

std::string FormatFixed(const Mask& k, const Decimal& d, bool negative) {
  // Exact fixed-point digits of the shortest form.
  std::string intPart, frac;
  const int before = d.exp10 + 1;  // digits before the point
  if (before <= 0) {
    frac = std::string(static_cast<std::size_t>(-before), '0') + d.digits;
  } else if (before >= static_cast<int>(d.digits.size())) {
    intPart = d.digits + std::string(static_cast<std::size_t>(before) - d.digits.size(), '0');
  } else {
    intPart = d.digits.substr(0, static_cast<std::size_t>(before));
    frac = d.digits.substr(static_cast<std::size_t>(before));
  }
  if (d.digits == "0") intPart = "0", frac.clear();
  // Half away from zero at the mask's last decimal.
  const auto places = static_cast<std::size_t>(k.decimals);
  if (frac.size() > places) {
    const bool up = frac[places] >= '5';
    frac.resize(places);
    if (up) {
      std::string all = intPart + frac;
      if (IncrementDigits(all)) all.insert(0, "1");
      intPart = all.substr(0, all.size() - places);
      frac = all.substr(all.size() - places);
    }
  }
  frac.resize(places, '0');
  return Assemble(k, intPart, frac, negative);
}

std::string FormatExponent(const Mask& k, const Decimal& d, bool negative) {
  // The mantissa holds intPlaces digits before the point (at least one).
  const int intDigits = std::max(1, k.intPlaces);
  const auto sig = static_cast<std::size_t>(intDigits + k.decimals);
  std::string digits = d.digits;
  int exp10 = d.exp10;
  const bool zero = digits == "0";
  if (!zero) {
    if (digits.size() > sig) {
      const bool up = digits[sig] >= '5';
      digits.resize(sig);
      if (up && IncrementDigits(digits)) {
        // The mantissa reached the next power of ten: renormalise.
        digits.insert(0, "1");
        digits.pop_back();
        ++exp10;
      }
    }
  } else {
    exp10 = intDigits - 1;
  }
  digits.resize(sig, '0');
  const int shown = exp10 - (intDigits - 1);
  std::string e(1, k.expLetter);
  if (shown < 0) e += '-';
  else if (k.expSignAlways) e += '+';
  std::string ed = std::to_string(std::abs(shown));
  while (static_cast<int>(ed.size()) < k.expDigits) ed.insert(0, "0");
  e += ed;
  return Assemble(k, digits.substr(0, static_cast<std::size_t>(intDigits)),
                  digits.substr(static_cast<std::size_t>(intDigits)), negative, e);
}

constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

constexpr const char* kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The strict field pattern: [+-]? (digits [. digits?] | . digits) ([Ee] [+-]? digits)?
// On success gives the mantissa (without sign) and where the exponent starts.
bool MatchNumber(std::string_view s, bool& negative, std::string_view& mantissa,
                 std::string_view& exponent) {
  std::size_t i = 0;
  negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  const std::size_t start = i;
  std::size_t intDigits = 0, fracDigits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++intDigits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++fracDigits;
  }
  if (intDigits + fracDigits == 0) return false;
  mantissa = s.substr(start, i - start);
  exponent = {};
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    const std::size_t e = i++;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
    exponent = s.substr(e + 1, i - e - 1);
  }
  return i == s.size();
}

// Reads a text that matched the pattern. False when its value is not finite.
bool ParseNumber(std::string_view s, double& value) {
  bool negative = false;
  std::string_view mantissa, exponent;
  if (!MatchNumber(s, negative, mantissa, exponent)) return false;
  const std::string body = std::string(mantissa) + (exponent.empty() ? "" : "e" + std::string(exponent));
  double v = 0;
  auto res = std::from_chars(body.data(), body.data() + body.size(), v, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    // Too large or too small for a double. Work out which from the decimal exponent of
    // the first significant digit; a value too small is an ordinary zero.
    long long pos = 0;  // exponent of the first nonzero digit, roughly
    const auto point = mantissa.find('.');
    const std::string_view ip = mantissa.substr(0, point);
    const std::string_view fp = point == std::string_view::npos ? std::string_view{} : mantissa.substr(point + 1);
    const auto firstInt = ip.find_first_not_of('0');
    if (firstInt != std::string_view::npos) {
      pos = static_cast<long long>(ip.size() - firstInt) - 1;
    } else {
      const auto firstFrac = fp.find_first_not_of('0');
      if (firstFrac == std::string_view::npos) {
        value = negative ? -0.0 : 0.0;
        return true;
      }
      pos = -static_cast<long long>(firstFrac) - 1;
    }
    long long ex = 0;
    bool expNeg = false;
    std::size_t j = 0;
    if (j < exponent.size() && (exponent[j] == '+' || exponent[j] == '-')) expNeg = exponent[j++] == '-';
    for (; j < exponent.size(); ++j) {
      ex = ex * 10 + (exponent[j] - '0');
      if (ex > 1'000'000'000'000LL) break;
    }
    if (expNeg) ex = -ex;
    if (pos + ex < 0) {
      value = negative ? -0.0 : 0.0;
      return true;
    }
    return false;
  }
  if (res.ec != std::errc() || res.ptr != body.data() + body.size()) return false;
  if (!std::isfinite(v)) return false;
  value = negative ? -v : v;
  return true;
}

}  // namespace

std::string Format(double value, std::string_view mask) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  const Mask k = ParseMask(mask);
  const Decimal d = ShortestDecimal(value);
  const bool negative = std::signbit(value);
  return k.exponent ? FormatExponent(k, d, negative) : FormatFixed(k, d, negative);
}

std::string FormatDate(std::chrono::system_clock::time_point t, std::string_view mask) {
  const std::time_t tt = std::chrono::system_clock::to_time_t(t);
  std::tm tm{};
  localtime_r(&tt, &tm);
  auto two = [](int v) {
    std::string s = std::to_string(v);
    return s.size() < 2 ? "0" + s : s;
  };
  auto lower = [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); };
  std::string out;
  bool afterHour = false;  // "m" after an hour means minutes
  for (std::size_t i = 0; i < mask.size();) {
    const char c = lower(mask[i]);
    std::size_t n = 1;
    while (i + n < mask.size() && lower(mask[i + n]) == c) ++n;
    switch (c) {
      case 'd':
        if (n == 1) out += std::to_string(tm.tm_mday);
        else if (n == 2) out += two(tm.tm_mday);
        else if (n == 3) out += std::string(kDays[tm.tm_wday]).substr(0, 3);
        else out += kDays[tm.tm_wday];
        break;
      case 'm':
        if (afterHour && n <= 2) {
          out += n == 1 ? std::to_string(tm.tm_min) : two(tm.tm_min);
        } else if (n == 1) {
          out += std::to_string(tm.tm_mon + 1);
        } else if (n == 2) {
          out += two(tm.tm_mon + 1);
        } else if (n == 3) {
          out += std::string(kMonths[tm.tm_mon]).substr(0, 3);
        } else {
          out += kMonths[tm.tm_mon];
        }
        break;
      case 'n':
        out += n == 1 ? std::to_string(tm.tm_min) : two(tm.tm_min);
        break;
      case 'y':
        out += n <= 2 ? two(tm.tm_year % 100) : std::to_string(tm.tm_year + 1900);
        break;
      case 'h':
        out += n == 1 ? std::to_string(tm.tm_hour) : two(tm.tm_hour);
        afterHour = true;
        i += n;
        continue;
      case 's':
        out += n == 1 ? std::to_string(tm.tm_sec) : two(tm.tm_sec);
        break;
      default:
        out.append(mask.substr(i, n));
        i += n;
        continue;
    }
    if (c != 'm' && c != 'n') afterHour = false;
    i += n;
  }
  return out;
}

std::string NumberToTextPlain(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0.0) return "0";
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  // Near the top of the double range 15 digits may round past it; fewer digits keep
  // the text readable as a finite value.
  for (int digits = 14; std::fabs(value) > 1e308 && digits > 0; --digits) {
    double back = 0;
    auto rd = std::from_chars(buf, res.ptr, back);
    if (rd.ec == std::errc() && std::isfinite(back)) break;
    res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
  }
  std::string s(buf, res.ptr);
  for (char& c : s)
    if (c == 'e') c = 'E';
  // No 0 before the point of a value below 1.
  if (s.rfind("0.", 0) == 0) s.erase(0, 1);
  else if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
  return s;
}

std::string NumberToText(double value) {
  std::string s = NumberToTextPlain(value);
  if (s[0] != '-') s.insert(0, " ");
  return s;
}

bool IsNumeric(std::string_view s) {
  double v;
  return ParseNumber(Trim(s), v);
}

double Val(std::string_view s) {
  double v = 0;
  return ParseNumber(Trim(s), v) ? v : 0.0;
}

long RoundCount(double value) {
  // Values outside long's range, and NaN, come back as a count no caller accepts.
  if (std::isnan(value)) return LONG_MIN;
  // Independent of the floating-point rounding mode: a tie goes to the even neighbour.
  double r = std::round(value);
  if (std::fabs(r - value) == 0.5 && std::fmod(r, 2.0) != 0.0) r -= std::copysign(1.0, value);
  if (r >= 9.2e18) return LONG_MAX;
  if (r <= -9.2e18) return LONG_MIN;
  return static_cast<long>(r);
}

std::string LTrim(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  return std::string(s.substr(i));
}

std::string RTrim(std::string_view s) {
  std::size_t n = s.size();
  while (n > 0 && s[n - 1] == ' ') --n;
  return std::string(s.substr(0, n));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string UpperLatin1(std::string_view s) {
  std::string out(s);
  for (char& ch : out) {
    const auto c = static_cast<unsigned char>(ch);
    // Latin-1 small letters with a Latin-1 capital 0x20 below; not the sharp s (0xDF),
    // the division sign (0xF7) or y with diaeresis (0xFF).
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
      ch = static_cast<char>(c - 0x20);
  }
  return out;
}

namespace {

// Whether the text is well-formed UTF-8 holding at least one multi-byte character (no
// overlong forms, no surrogates, nothing past U+10FFFF).
bool IsMultiByteUtf8(std::string_view s) {
  bool multiByte = false;
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    std::size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // the range of the second byte
    if (c >= 0xC2 && c <= 0xDF) n = 1;
    else if (c == 0xE0) n = 2, lo = 0xA0;
    else if (c == 0xED) n = 2, hi = 0x9F;
    else if (c >= 0xE1 && c <= 0xEF) n = 2;
    else if (c == 0xF0) n = 3, lo = 0x90;
    else if (c >= 0xF1 && c <= 0xF3) n = 3;
    else if (c == 0xF4) n = 3, hi = 0x8F;
    else return false;
    if (i + n >= s.size()) return false;
    for (std::size_t k = 1; k <= n; ++k) {
      const auto b = static_cast<unsigned char>(s[i + k]);
      if (k == 1 ? (b < lo || b > hi) : (b < 0x80 || b > 0xBF)) return false;
    }
    multiByte = true;
    i += n + 1;
  }
  return multiByte;
}

}  // namespace

std::string UpperText(std::string_view s) {
  if (!IsMultiByteUtf8(s)) return UpperLatin1(s);
  std::string out(s);
  for (char& ch : out)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 0x20);
  return out;
}

Line& Line::text(std::string_view s) {
  s_ += s;
  return *this;
}

Line& Line::spc(int n) {
  if (n > 0) s_.append(static_cast<std::size_t>(n), ' ');
  return *this;
}

Line& Line::tab(int col) {
  if (col < 1) col = 1;
  if (col > column()) s_.append(static_cast<std::size_t>(col - column()), ' ');
  else if (col < column()) s_ += ' ';
  return *this;
}

Line& Line::value(double v, std::string_view mask, int lastColumn) {
  return right(Format(v, mask), lastColumn);
}

Line& Line::right(std::string_view t, int lastColumn) {
  const int start = lastColumn + 1 - static_cast<int>(t.size());
  if (start > column()) s_.append(static_cast<std::size_t>(start - column()), ' ');
  // A value that cannot keep its column still keeps one blank from the item before it,
  // so a table row always splits back into its values.
  else if (!s_.empty() && s_.back() != ' ' && !t.empty() && t.front() != ' ') s_ += ' ';
  s_ += t;
  return *this;
}

Line& Line::zone() {
  const int c = column();
  const int next = ((c - 1) / 14 + 1) * 14 + 1;
  s_.append(static_cast<std::size_t>(next - c), ' ');
  return *this;
}

}  // namespace platform::text
