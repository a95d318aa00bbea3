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

std::string formatStatistic(double value) {
  std::string text = vformat("%.4g", value);
  const double magnitude = std::fabs(value);
  // "%.4g" turns to an exponent only from 1e4 up (or below 1e-4): round to whole.
  if (text.find('e') != std::string::npos && magnitude >= 1e-4 && magnitude < 1e15)
    text = vformat("%.0f", value);
  return text;
}

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
