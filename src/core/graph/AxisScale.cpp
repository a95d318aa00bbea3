#include "core/graph/AxisScale.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/NumberText.h"

namespace tally {

const char* const piSign = "\xCF\x80";

AxisScale::AxisScale() { setRange(-1, 1); }

AxisScale::AxisScale(double min, double max) {
  if (!setRange(min, max)) setRange(-1, 1);
}

bool AxisScale::setRange(double min, double max) {
  if (!std::isfinite(min) || !std::isfinite(max) || !(min < max)) return false;
  if (!std::isfinite(max - min)) return false;
  min_ = min;
  max_ = max;
  computeTickUnits();
  return true;
}

bool AxisScale::setTickUnit(double u) {
  if (!(u > 0) || !std::isfinite(u)) return false;
  tickUnit_ = u;
  autoScale = false;
  return true;
}

bool AxisScale::setMinorTickUnit(double u) {
  if (!(u > 0) || !std::isfinite(u)) return false;
  minorTickUnit_ = u;
  minorAutoScale = false;
  return true;
}

bool AxisScale::setMaxTicks(int n) {
  if (n < 2) return false;
  maxTicks_ = n;
  return true;
}

bool AxisScale::setMaxMinorTicks(int n) {
  if (n < 2) return false;
  maxMinorTicks_ = n;
  return true;
}

double AxisScale::nextNiceUnit(double u) {
  double l = std::log10(u * 0.5);
  // A tolerance, because 0.5 * 2e-5 is not exactly a power of ten in binary.
  if (std::fabs(l - std::round(l)) < 1e-9) return u * 2.5;
  return u * 2;
}

void AxisScale::computeTickUnits() {
  const double range = max_ - min_;
  const double m = maxTicks_;
  // Clamped so that 10^-e never overflows to a zero unit (which would never grow).
  double e = std::floor(std::log10(range / m));
  e = std::clamp(e, -300.0, 300.0);
  const double base = e >= 0 ? std::pow(10.0, e) : 1.0 / std::pow(10.0, -e);
  // Strict comparisons: exactly m intervals of a unit accept that unit.
  // Each pass at least doubles u, so the walk ends once u*m passes the range.
  if (minorAutoScale) {
    double u = base;
    while (range > u * m * 5.0) u = nextNiceUnit(u);
    minorTickUnit_ = u;
  }
  if (autoScale) {
    double u = base;
    while (range > u * m) u = nextNiceUnit(u);
    tickUnit_ = u;
  }
  // 1 is itself a nice unit, and every nice unit above it is whole.
  if (wholeUnits) {
    if (minorAutoScale) minorTickUnit_ = std::max(minorTickUnit_, 1.0);
    if (autoScale) tickUnit_ = std::max(tickUnit_, 1.0);
  }
}

int AxisScale::tickPositions(std::vector<double>& out, int which) const {
  out.clear();
  const double u = which == MajorTicks ? tickUnit_ : minorTickUnit_;
  if ((max_ - min_) / u > maxPositions) return 0;
  // Beyond 2^53 a multiple k no longer steps by one when incremented.
  if (std::max(std::fabs(min_), std::fabs(max_)) / u > 1e15) return 0;
  if (min_ <= 0 && 0 <= max_) out.push_back(0.0);
  // An end computed as 0.1 * 3 lies a rounding error beside the multiple 3 * 0.1;
  // a tick there would sit on the end and have its label cut in half.
  const double lo = min_ + tolerance * u, hi = max_ - tolerance * u;
  // Start at the first multiple near the range instead of counting up from 1.
  for (double k = std::max(1.0, std::floor(min_ / u)); k * u < hi; ++k) {
    if (k * u > lo) out.push_back(k * u);
  }
  for (double k = std::max(1.0, std::floor(-max_ / u)); -k * u > lo; ++k) {
    if (-k * u < hi) out.push_back(-k * u);
  }
  return static_cast<int>(out.size());
}

namespace {

std::string piRewritten(const std::string& text, bool trig) {
  if (!trig || text == "0") return text;
  if (text == "1") return piSign;
  if (text == "-1") return std::string("-") + piSign;
  return text + piSign;
}

// Significant digits of a unit's mantissa (1 for 1, 2, 5; 2 for 0.25), at most 3:
// a unit such as 1/3 is labelled to three digits rather than to seventeen.
int unitDigits(double unit) {
  const double e = std::floor(std::log10(unit));
  for (int d = 1; d < 3; ++d) {
    const double m = unit / std::pow(10.0, e - d + 1);
    if (std::fabs(m - std::round(m)) < 1e-6 * m) return d;
  }
  return 3;
}

// Trailing zeros of the fraction say nothing: "2.50" reads "2.5", "3.0" reads "3".
std::string trimmedFraction(std::string text) {
  if (text.find('.') == std::string::npos) return text;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

}  // namespace

std::string tickLabelText(double position, bool trig) {
  return piRewritten(readoutText(position), trig);
}

std::string tickLabelText(double position, double unit, bool trig) {
  if (!(unit > 0) || !std::isfinite(unit) || !std::isfinite(position))
    return tickLabelText(position, trig);
  const double magnitude = std::fabs(position);
  const int digits = unitDigits(unit);
  const int unitExponent = static_cast<int>(std::floor(std::log10(unit)));
  std::string text;
  if (magnitude == 0) {
    text = "0";
  } else if (magnitude >= 1e-4 && magnitude < 1e15) {
    const int decimals = std::clamp(digits - 1 - unitExponent, 0, 20);
    text = trimmedFraction(fixedText(position, decimals));
  } else {
    // Beyond the plain span an exponent is shorter; the unit still sets the digits.
    const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    const int significant = std::clamp(exponent - unitExponent + digits, 5, 17);
    text = significantText(position, significant);
  }
  return piRewritten(text, trig);
}

std::string AxisScale::labelText(double position, bool trig) const {
  return tickLabelText(position, tickUnit_, trig);
}

}  // namespace tally
