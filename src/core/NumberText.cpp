#include "core/NumberText.h"

#include <locale.h>

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

}  // namespace

std::string formatNumber(const char* format, double value) { return vformat(format, value); }

std::string formatInt(const char* format, int value) { return vformat(format, value); }

bool parseNumber(const std::string& text, double& value) {
  if (text.empty()) return false;
  const char* begin = text.c_str();
  char* end = nullptr;
  double v = strtod_l(begin, &end, cLocale());
  if (end == begin || *end != '\0' || end != begin + text.size()) return false;
  if (!std::isfinite(v)) return false;
  value = v;
  return true;
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
