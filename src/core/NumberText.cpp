#include "core/NumberText.h"

#include <locale.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace tally {
namespace {

locale_t cLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return loc;
}

// Switches the calling thread to the C locale for the lifetime of the guard.
class CLocaleGuard {
 public:
  CLocaleGuard() : previous_(uselocale(cLocale())) {}
  ~CLocaleGuard() { uselocale(previous_); }
  CLocaleGuard(const CLocaleGuard&) = delete;
  CLocaleGuard& operator=(const CLocaleGuard&) = delete;

 private:
  locale_t previous_;
};

std::string vformat(const char* format, ...) {
  CLocaleGuard guard;
  char buffer[128];
  va_list args;
  va_start(args, format);
  int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (n < 0) return std::string();
  if (static_cast<size_t>(n) < sizeof buffer) return std::string(buffer, n);
  std::string big(static_cast<size_t>(n) + 1, '\0');
  va_start(args, format);
  std::vsnprintf(&big[0], big.size(), format, args);
  va_end(args);
  big.resize(static_cast<size_t>(n));
  return big;
}

// The text without the blanks around it: space, TAB and the UTF-8 non-breaking
// space that word processors and web pages put around numbers.
std::string trimBlanks(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  for (;;) {
    if (begin < end && (text[begin] == ' ' || text[begin] == '\t')) {
      ++begin;
    } else if (end - begin >= 2 && text.compare(begin, 2, "\xC2\xA0") == 0) {
      begin += 2;
    } else {
      break;
    }
  }
  for (;;) {
    if (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) {
      --end;
    } else if (end - begin >= 2 && text.compare(end - 2, 2, "\xC2\xA0") == 0) {
      end -= 2;
    } else {
      break;
    }
  }
  return text.substr(begin, end - begin);
}

}  // namespace

std::string formatNumber(const char* format, double value) { return vformat(format, value); }

DecimalDigits shortestDigits(double value) {
  DecimalDigits d;
  d.negative = std::signbit(value);
  if (value == 0) return d;
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                               std::chars_format::scientific);
  const std::string sci(buffer, r.ptr);
  const size_t e = sci.find('e');
  for (size_t i = 0; i < e; ++i)
    if (sci[i] >= '0' && sci[i] <= '9') d.digits += sci[i];
  d.point = std::atoi(sci.c_str() + e + 1) + 1;
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

namespace {

// Keeps the first `keep` digits, rounding half up on the digit after them: the
// digits are the exact decimal, so a 5 there is a tie or more, never less.
void roundDigits(DecimalDigits& d, int keep) {
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0 || d.digits.empty()) {
    d.digits.clear();
    return;
  }
  const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
  d.digits.resize(static_cast<size_t>(keep));
  if (up) {
    int i = keep - 1;
    for (; i >= 0 && d.digits[static_cast<size_t>(i)] == '9'; --i) d.digits.pop_back();
    if (i < 0) {
      d.digits = "1";
      ++d.point;
    } else {
      ++d.digits[static_cast<size_t>(i)];
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

// Without an exponent, with at least `places` decimals.
std::string plainText(const DecimalDigits& d, int places) {
  std::string whole, fraction;
  const int k = static_cast<int>(d.digits.size());
  if (d.digits.empty()) {
    whole = "0";
  } else if (d.point <= 0) {
    whole = "0";
    fraction = std::string(static_cast<size_t>(-d.point), '0') + d.digits;
  } else if (d.point >= k) {
    whole = d.digits + std::string(static_cast<size_t>(d.point - k), '0');
  } else {
    whole = d.digits.substr(0, static_cast<size_t>(d.point));
    fraction = d.digits.substr(static_cast<size_t>(d.point));
  }
  if (static_cast<int>(fraction.size()) < places)
    fraction.append(static_cast<size_t>(places) - fraction.size(), '0');
  std::string text = d.negative && !d.digits.empty() ? "-" : "";
  text += whole;
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

// "%g"'s exponent form: one digit, the rest of the mantissa, e+XX.
std::string exponentText(const DecimalDigits& d) {
  std::string text = d.negative ? "-" : "";
  text += d.digits.substr(0, 1);
  if (d.digits.size() > 1) text += "." + d.digits.substr(1);
  const int exponent = d.point - 1;
  const int size = std::abs(exponent);
  text += exponent < 0 ? "e-" : "e+";
  if (size < 10) text += '0';
  text += std::to_string(size);
  return text;
}

bool inPlainSpan(double magnitude) { return magnitude >= 1e-4 && magnitude < 1e15; }

}  // namespace

std::string significantText(double value, int significant) {
  if (!std::isfinite(value)) return formatNumber("%g", value);
  significant = std::clamp(significant, 1, 17);
  DecimalDigits d = shortestDigits(value);
  if (d.digits.empty()) return "0";
  if (inPlainSpan(std::fabs(value))) {
    // The whole part keeps every digit.
    roundDigits(d, std::max(significant, d.point));
    return plainText(d, 0);
  }
  roundDigits(d, significant);
  // As "%g": an exponent when the rounded value's is below -4 or reaches the precision.
  const int exponent = d.point - 1;
  if (exponent < -4 || exponent >= significant) return exponentText(d);
  return plainText(d, 0);
}

std::string fixedText(double value, int decimals) {
  if (!std::isfinite(value)) return formatNumber("%g", value);
  decimals = std::clamp(decimals, 0, 30);
  if (value != 0 && !inPlainSpan(std::fabs(value))) return significantText(value, 4);
  DecimalDigits d = shortestDigits(value);
  roundDigits(d, d.point + decimals);
  return plainText(d, decimals);
}

bool parseDecimals(const std::string& text, int& decimals) {
  const std::string trimmed = trimBlanks(text);
  std::string lower;
  for (char c : trimmed) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "auto") {
    decimals = kAutoDecimals;
    return true;
  }
  if (trimmed.size() != 1 || trimmed[0] < '0' || trimmed[0] > '0' + kMaxDecimals) return false;
  decimals = trimmed[0] - '0';
  return true;
}

std::string decimalsText(int decimals) {
  return decimals == kAutoDecimals ? "Auto" : std::to_string(decimals);
}

std::string valueText(double value) { return significantText(value, 6); }

std::string formatStatistic(double value, int decimals) {
  if (decimals == kAutoDecimals) return significantText(value, 4);
  return fixedText(value, std::clamp(decimals, 0, kMaxDecimals));
}

std::string readoutText(double value) { return significantText(value, 5); }

std::string fieldText(double value) { return significantText(value, 12); }

std::string formatInt(const char* format, int value) { return vformat(format, value); }

std::string exactText(double value) {
  if (!std::isfinite(value)) return formatNumber("%g", value);
  char buffer[64];
  // The shortest round trip tells how many significant digits the value needs...
  const auto shortest =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string sci(buffer, shortest.ptr);
  const size_t e = sci.find('e');
  int digits = 0;
  for (size_t i = 0; i < e; ++i)
    if (sci[i] >= '0' && sci[i] <= '9') ++digits;
  const int exponent = std::atoi(sci.c_str() + e + 1);
  // ...and writing in general form with at least enough digits to reach the units
  // keeps 100 as "100" rather than "1e+02"; past 17 digits the exponent is shorter.
  const int precision = std::max(digits, std::min(exponent + 1, 17));
  const auto general = std::to_chars(buffer, buffer + sizeof buffer, value,
                                     std::chars_format::general, precision);
  return std::string(buffer, general.ptr);
}

bool parseNumber(const std::string& text, double& value) {
  const std::string trimmed = trimBlanks(text);
  if (trimmed.empty()) return false;
  // strtod would skip a line end or form feed at the start; those are not blanks.
  if (std::isspace(static_cast<unsigned char>(trimmed[0]))) return false;
  const char* begin = trimmed.c_str();
  char* end = nullptr;
  double v = strtod_l(begin, &end, cLocale());
  if (end == begin || end != begin + trimmed.size()) return false;
  if (!std::isfinite(v)) return false;
  value = v;
  return true;
}

std::string notNumberReason(const std::string& text) {
  double v;
  const std::string trimmed = trimBlanks(text);
  if (trimmed.empty() || parseNumber(trimmed, v)) return std::string();
  std::string withPoint = trimmed;
  const size_t comma = withPoint.find(',');
  if (comma != std::string::npos && withPoint.find(',', comma + 1) == std::string::npos) {
    withPoint[comma] = '.';
    if (parseNumber(withPoint, v)) return "Not a number: use a decimal point";
  }
  const char* begin = trimmed.c_str();
  char* end = nullptr;
  errno = 0;
  const double whole = strtod_l(begin, &end, cLocale());
  if (end == begin + trimmed.size() && std::isinf(whole) && errno == ERANGE)
    return "Not a number: too large";
  return "Not a number";
}

double leadingNumber(const std::string& text) {
  double v = 0.0;
  return leadingNumber(text, v) ? v : 0.0;
}

bool leadingNumber(const std::string& text, double& value) {
  const char* begin = text.c_str();
  char* end = nullptr;
  double v = strtod_l(begin, &end, cLocale());
  if (end == begin || !std::isfinite(v)) return false;
  value = v;
  return true;
}

}  // namespace tally
