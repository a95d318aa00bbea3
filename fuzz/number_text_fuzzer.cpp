// Cell-number reading: any cell text.
//   - a text that reads as a number reads as a finite one, the same every time,
//     and its leading number is that same value;
//   - a leading number is finite;
//   - the number's shortest text reads back as exactly the number, every format
//     the program shows numbers in gives a finite text, and the cell format "%g"
//     reads as a number again;
//   - every shown text (values, statistics in each decimals setting, read-outs,
//     dialog fields) has no exponent for 1e-4 <= |x| < 1e15, is never "-0", reads
//     back within half a unit of its last digit (plus the doubles' own rounding),
//     and a fixed setting of N places shows exactly N places in the plain span.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "FuzzCheck.h"
#include "core/NumberText.h"

namespace {

// The value of one unit in the last digit of a shown text.
double lastDigitUnit(const std::string& shown) {
  const size_t e = shown.find('e');
  const std::string mantissa = shown.substr(0, e);
  const size_t point = mantissa.find('.');
  const int places = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
  const int exponent = e == std::string::npos ? 0 : std::atoi(shown.c_str() + e + 1);
  return std::pow(10.0, exponent - places);
}

void checkShown(double v, const std::string& shown, int places) {
  const double magnitude = std::fabs(v);
  const bool plainSpan = magnitude >= 1e-4 && magnitude < 1e15;
  if (plainSpan)
    fuzz::require(shown.find('e') == std::string::npos, "no exponent from 1e-4 to 1e15", shown);
  fuzz::require(shown[0] != '-' || shown.find_first_of("123456789") != std::string::npos,
                "no negative zero", shown);
  if (places > 0 && plainSpan) {
    const size_t point = shown.find('.');
    fuzz::require(point != std::string::npos && shown.size() - point - 1 == size_t(places),
                  "fixed places shown", shown);
  }
  if (magnitude > 1e300) return;  // a rounded-up largest double need not read back
  double back = 0;
  fuzz::require(tally::parseNumber(shown, back), "a shown number reads back", shown);
  const double slack = 4 * std::ldexp(1.0, std::ilogb(std::max(magnitude, 1e-300)) - 52);
  fuzz::require(std::fabs(back - v) <= 0.5 * lastDigitUnit(shown) * (1 + 1e-12) + slack,
                "within half a unit of the last digit", shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput guard(data, size);
  const std::string text(reinterpret_cast<const char*>(data), size);

  double v = 0, again = 1;
  const bool number = tally::parseNumber(text, v);
  fuzz::require(number == tally::parseNumber(text, again), "reading is repeatable");
  double lead = 0;
  const bool leading = tally::leadingNumber(text, lead);
  if (leading) fuzz::require(std::isfinite(lead), "leading number finite", fuzz::shown(text));
  fuzz::require(tally::leadingNumber(text) == (leading ? lead : 0.0), "leading number or 0");
  if (!number) return 0;

  fuzz::require(std::isfinite(v), "a cell number is finite", fuzz::shown(text));
  fuzz::require(v == again || (v != v && again != again), "the same text, the same number");
  // A text that reads whole (and holds no NUL, which ends the C text) has that leading number.
  // Cells also take non-breaking spaces around a number, which the leading-number
  // reader (descriptions, properties) does not skip.
  if (text.find('\0') == std::string::npos && text.find("\xC2\xA0") == std::string::npos)
    fuzz::require(leading && lead == v, "whole number equals its leading number", fuzz::shown(text));

  char shortest[64];
  const auto r = std::to_chars(shortest, shortest + sizeof shortest, v);
  double back = 0;
  fuzz::require(tally::parseNumber(std::string(shortest, r.ptr), back) && back == v,
                "shortest text reads back exactly", std::string(shortest, r.ptr));
  for (const char* format : {"%g", "%.4g", "%.5g", "%.12g"}) {
    const std::string shown = tally::formatNumber(format, v);
    fuzz::require(!fuzz::hasNonFinite(shown), "formatted number finite", shown);
  }
  checkShown(v, tally::valueText(v), 0);
  checkShown(v, tally::readoutText(v), 0);
  checkShown(v, tally::fieldText(v), 0);
  checkShown(v, tally::formatStatistic(v), 0);
  for (int places = 0; places <= tally::kMaxDecimals; ++places)
    checkShown(v, tally::formatStatistic(v, places), places);
  // What the grid writes reads as a number again (a rounded "%.4g" of the largest
  // double may not: it is only shown).
  double read = 0;
  fuzz::require(tally::parseNumber(tally::formatNumber("%g", v), read),
                "a value written into a cell reads as a number", tally::formatNumber("%g", v));
  return 0;
}
