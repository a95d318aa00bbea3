#pragma once
// Number <-> text with a decimal point whatever the user's locale, so that
// labels, grid cells and data files read the same everywhere.
#include <string>

namespace tally {

// printf-style formatting of one double ("%g", "%.4g", "%.5g", "%.12g", "%g%%").
std::string formatNumber(const char* format, double value);
// A computed statistic: "%.4g", except that a magnitude from 1e-4 to 1e15 never
// shows an exponent and keeps every integer digit (10597.5 -> "10598", not
// "1.06e+04"). Every other "%.4g" text stays as it was.
std::string formatStatistic(double value);
// printf-style formatting of one int ("%d", "%d%%").
std::string formatInt(const char* format, int value);

// True when the whole text (leading blanks allowed) is one finite number.
// "nan", "inf" and overflowing texts such as "1e999" are not numbers.
bool parseNumber(const std::string& text, double& value);

// The leading number of a text ("12abc" -> 12), 0 when there is none.
double leadingNumber(const std::string& text);

}  // namespace tally
