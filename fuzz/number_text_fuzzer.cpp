// Cell-number reading: any cell text.
//   - a text that reads as a number reads as a finite one, the same every time,
//     and its leading number is that same value;
//   - a leading number is finite;
//   - the number's shortest text reads back as exactly the number, every format
//     the program shows numbers in gives a finite text, and the cell format "%g"
//     reads as a number again.
#include <charconv>
#include <cmath>
#include <string>

#include "FuzzCheck.h"
#include "core/NumberText.h"

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
  // What the grid writes reads as a number again (a rounded "%.4g" of the largest
  // double may not: it is only shown).
  double read = 0;
  fuzz::require(tally::parseNumber(tally::formatNumber("%g", v), read),
                "a value written into a cell reads as a number", tally::formatNumber("%g", v));
  return 0;
}
