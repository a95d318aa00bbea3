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

// The shortest text that reads back as exactly this double, in the familiar
// "%g" look (1234567, 0.0001, 1e+20) but with as many digits as the value needs.
// For everything the program writes where a person or the program reads it again.
std::string exactText(double value);

// True when the text, apart from blanks (space, TAB, non-breaking space) before
// and after it, is one finite number. "nan", "inf" and overflowing texts such as
// "1e999" are not numbers.
bool parseNumber(const std::string& text, double& value);

// Why a cell's text does not count as a number; empty when it is a number or blank.
// A decimal comma is pointed out, since it is the usual slip in pasted data.
std::string notNumberReason(const std::string& text);

// The leading number of a text ("12abc" -> 12), 0 when there is none.
double leadingNumber(const std::string& text);
// The same, but false (value untouched) when the text starts with no finite number.
bool leadingNumber(const std::string& text, double& value);

}  // namespace tally
