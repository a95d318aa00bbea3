#include "core/graph/DataFrame.h"

#include <algorithm>
#include <cmath>

#include "core/graph/AxisScale.h"

namespace tally {
namespace {

// Ticks the frame aims at, as the axes draw at most ten.
constexpr double kFrameTicks = 10;
// Fraction of the data's span to spare on each side.
constexpr double kRoom = 0.05;

double spanOf(double lo, double hi) {
  const double span = hi - lo;
  if (span > 0) return span;
  return std::fabs(lo);
}

}  // namespace

bool zeroIsFar(double lo, double hi) {
  if (!(lo <= hi) || !std::isfinite(lo) || !std::isfinite(hi)) return false;
  if (lo <= 0 && hi >= 0) return false;
  const double distance = lo > 0 ? lo : -hi;
  return distance > spanOf(lo, hi);
}

AxisFrame frameToData(double lo, double hi) {
  AxisFrame f;
  if (!(lo <= hi) || !std::isfinite(lo) || !std::isfinite(hi)) return f;
  const bool far = zeroIsFar(lo, hi);
  double span = spanOf(lo, hi);
  if (!(span > 0)) span = 1;  // 0..0
  double a = lo - kRoom * span, b = hi + kRoom * span;
  if (!far) {
    // 0 stays in view, and the data's own side of 0 gets no room beyond it.
    if (lo >= 0) a = 0;
    if (hi <= 0) b = 0;
  }
  if (!std::isfinite(a) || !std::isfinite(b) || !(b > a)) return f;
  double unit = std::pow(10.0, std::floor(std::log10((b - a) / kFrameTicks)));
  for (int step = 0; step < 4 && (b - a) / unit > kFrameTicks; ++step)
    unit = AxisScale::nextNiceUnit(unit);
  // A unit within a rounding of the ends keeps them where they are.
  const double tol = 1e-9;
  const double min = std::floor(a / unit + tol) * unit;
  const double max = std::ceil(b / unit - tol) * unit;
  if (!std::isfinite(min) || !std::isfinite(max) || !(max > min)) return f;
  f.min = min;
  f.max = max;
  f.unit = unit;
  f.keepsZero = min <= 0 && max >= 0;
  return f;
}

}  // namespace tally
