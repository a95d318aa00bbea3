#include "core/graph/AxisScale.h"

#include <algorithm>
#include <cmath>

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
}

int AxisScale::tickPositions(std::vector<double>& out, int which) const {
  out.clear();
  const double u = which == MajorTicks ? tickUnit_ : minorTickUnit_;
  if ((max_ - min_) / u > maxPositions) return 0;
  // Beyond 2^53 a multiple k no longer steps by one when incremented.
  if (std::max(std::fabs(min_), std::fabs(max_)) / u > 1e15) return 0;
  if (min_ <= 0 && 0 <= max_) out.push_back(0.0);
  // Start at the first multiple near the range instead of counting up from 1.
  for (double k = std::max(1.0, std::floor(min_ / u)); k * u < max_; ++k) {
    if (k * u > min_) out.push_back(k * u);
  }
  for (double k = std::max(1.0, std::floor(-max_ / u)); -k * u > min_; ++k) {
    if (-k * u < max_) out.push_back(-k * u);
  }
  return static_cast<int>(out.size());
}

std::string tickLabelText(double position, bool trig) {
  std::string text = formatNumber("%.5g", position);
  if (!trig || text == "0") return text;
  if (text == "1") return piSign;
  if (text == "-1") return std::string("-") + piSign;
  return text + piSign;
}

}  // namespace tally
