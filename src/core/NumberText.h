#pragma once
// Number <-> text with a decimal point whatever the user's locale, so that
// labels, grid cells and data files read the same everywhere.
#include <string>

namespace tally {

// printf-style formatting of one double ("%g", "%.4g", "%.5g", "%.12g", "%g%%").
std::string formatNumber(const char* format, double value);
// printf-style formatting of one int ("%d", "%d%%").
std::string formatInt(const char* format, int value);

// True when the whole text (leading blanks allowed) is one finite number.
// "nan", "inf" and overflowing texts such as "1e999" are not numbers.
bool parseNumber(const std::string& text, double& value);

// The leading number of a text ("12abc" -> 12), 0 when there is none.
double leadingNumber(const std::string& text);
// The same, but false (value untouched) when the text starts with no finite number.
bool leadingNumber(const std::string& text, double& value);

}  // namespace tally
