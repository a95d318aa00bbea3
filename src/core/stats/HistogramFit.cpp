#include "core/stats/HistogramFit.h"

#include <algorithm>
#include <cmath>

#include "core/graph/AxisScale.h"

namespace tally {

namespace {

// The smallest of 1, 2, 5, 10, 20, ... times a power of ten that is at least u, in
// the steps of the axes' tick units.
double niceSizeAtLeast(double u) {
  double size = std::pow(10.0, std::floor(std::log10(u)));
  for (int step = 0; size < u && step < 4; ++step) size = AxisScale::nextNiceUnit(size);
  return size;
}

}  // namespace

Grouping fitGrouping(double lo, double hi, double n) {
  if (!std::isfinite(lo) || !std::isfinite(hi) || hi < lo) return Grouping();
  // Capped before rounding: a frequency of 1e300 must not overflow the conversion.
  const double root = std::min(std::sqrt(std::max(n, 1.0)), double(maxFittedClasses));
  const int wanted = std::clamp(static_cast<int>(std::lround(root)), 1, maxFittedClasses);
  const double spread = hi - lo;
  double size;
  if (spread > 0 && std::isfinite(spread))
    size = niceSizeAtLeast(spread / wanted);
  else
    size = lo != 0 ? niceSizeAtLeast(std::fabs(lo) / 10) : 1;  // one value: one class round it
  if (!(size > 0) || !std::isfinite(size)) return Grouping();
  for (int attempt = 0; attempt < 60; ++attempt) {
    Grouping g;
    g.groupSize = size;
    g.startValue = std::floor(lo / size) * size;
    // Rounding in start + k * size must not leave the smallest value below the first class.
    if (g.startValue > lo) g.startValue -= size;
    // The last class's upper end is excluded, so hi needs a class of its own above it.
    double count = std::floor((hi - g.startValue) / size) + 1;
    // Extremes of two signs near the largest doubles: no finite count at this size
    // (and the steps below would never end).
    if (!(count <= maxFittedClasses + 1)) {
      size = AxisScale::nextNiceUnit(size);
      continue;
    }
    while (count > 1 && g.startValue + (count - 1) * size > hi) --count;
    while (g.startValue + count * size <= hi && count <= maxFittedClasses) ++count;
    if (count <= maxFittedClasses) {
      g.groupCount = static_cast<int>(count);
      // Classes decide membership with a tolerance: a largest value a rounding
      // below the last bound counts as on it and needs one class more.
      while (g.classOf(hi) < 0 && g.groupCount < maxFittedClasses) ++g.groupCount;
      while (g.classOf(lo) < 0 && g.groupCount < maxFittedClasses) {
        g.startValue -= size;
        ++g.groupCount;
      }
      if (g.classOf(lo) >= 0 && g.classOf(hi) >= 0) return g;
    }
    size = AxisScale::nextNiceUnit(size);
  }
  return Grouping();
}

Grouping fitHistogram(const DataSet& set1, const DataSet& set2) {
  double lo = 0, hi = 0, n = 0;
  bool any = false;
  for (const DataSet* set : {&set1, &set2}) {
    double count = 0;
    for (const FrequencyPair& p : set->pairs) {
      if (!std::isfinite(p.value)) continue;
      lo = any ? std::min(lo, p.value) : p.value;
      hi = any ? std::max(hi, p.value) : p.value;
      any = true;
      count += p.frequency > 0 ? std::trunc(p.frequency) : 0;
    }
    n = std::max(n, count);
  }
  if (!any) return Grouping();
  return fitGrouping(lo, hi, n);
}

}  // namespace tally
