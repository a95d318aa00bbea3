#pragma once
// Number <-> text with a decimal point whatever the user's locale, so that
// labels, grid cells and data files read the same everywhere.
#include <string>

namespace tally {

// A finite nonzero magnitude as the decimal digits of the shortest text that reads
// back as it: 0.d1d2...dk times 10^point, no leading or trailing zero digit. Zero
// has no digits. Rounding or truncating these digits is exact decimal work.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int point = 0;
};
DecimalDigits shortestDigits(double value);

// printf-style formatting of one double ("%g", "%.4g", "%.5g", "%.12g", "%g%%").
std::string formatNumber(const char* format, double value);

// Every shown number below follows the same rules:
// - the digits are the decimal rounding, half up (away from zero), of the shortest
//   decimal that reads back as the double, so 13.075 to two places is "13.08"
//   whatever its binary neighbour is;
// - a magnitude from 1e-4 up to (not including) 1e15 never shows an exponent and a
//   whole part keeps every digit (1234567 stays "1234567" where "%g" would write
//   "1.23457e+06"); other magnitudes keep the "%g" look ("1e+15", "1.5e-05");
// - "-0" is written "0"; infinities and NaN as "%g" writes them.

// Decimals of the computed statistics: Auto (four significant digits) or a fixed
// number of places from 0 to kMaxDecimals, as a calculator's fixed mode.
constexpr int kAutoDecimals = -1;
constexpr int kMaxDecimals = 6;
// "auto" (any letter case) or a whole number 0 to kMaxDecimals, blanks around allowed.
bool parseDecimals(const std::string& text, int& decimals);
// "Auto" or the number of places.
std::string decimalsText(int decimals);

// `significant` significant digits ("%.Ng" in the look described above).
std::string significantText(double value, int significant);
// Exactly `decimals` places (trailing zeros kept) for magnitudes from 1e-4 to 1e15
// and for 0; other magnitudes as significantText(value, 4).
std::string fixedText(double value, int decimals);

// Values, counts and class bounds: six significant digits ("%g").
std::string valueText(double value);
// A computed statistic: four significant digits (kAutoDecimals) or fixed places.
std::string formatStatistic(double value, int decimals = kAutoDecimals);
// Graph read-outs and tick labels: five significant digits ("%.5g").
std::string readoutText(double value);
// Numbers in dialog fields a person edits: twelve significant digits ("%.12g").
std::string fieldText(double value);

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
