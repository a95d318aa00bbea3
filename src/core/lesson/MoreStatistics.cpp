#include "core/lesson/MoreStatistics.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "core/NumberText.h"
#include "core/stats/ExactSum.h"
#include "core/stats/Statistics.h"

namespace tally {

PointList observationPoints(const DataSet& set, const SetDisplay& d, DataType type) {
  if (type == AlreadyGroupedContinuous) return d.columns;
  // The column graph of continuous data may hold histogram columns: the values
  // themselves come from the pairs.
  PointList points;
  for (const auto& p : set.pairs) {
    const double f = wholeCount(p.frequency);
    if (f > 0) points.push_back({p.value, f});
  }
  return points;
}

ObservationSums observationSums(const PointList& points) {
  ObservationSums s;
  ExactSum n;
  double largest = 0;
  for (const auto& p : points) {
    if (!(p.y > 0)) continue;
    n.add(p.y);
    largest = std::max(largest, std::fabs(p.x));
  }
  s.n = n.value();
  if (!std::isfinite(largest)) {
    s.sumX = s.sumX2 = std::numeric_limits<long double>::quiet_NaN();
    return s;
  }
  if (largest == 0) return s;
  // The sums are exact, rounded once at the end, as the mean's. The values are
  // taken at a scale near 1 (a power of two, so nothing is lost): 1e300 squared
  // would overflow and 1e-300 squared vanish. Counts are at most 2^53 and a set
  // has at most a few thousand values, so no partial can overflow there.
  const int e = std::ilogb(largest);
  ExactSum sumX, sumX2;
  for (const auto& p : points) {
    if (!(p.y > 0)) continue;
    const double x = std::ldexp(p.x, -e);
    const double sq = x * x;
    sumX.addProduct(p.y, x);
    sumX2.addProduct(p.y, sq);
    sumX2.addProduct(p.y, std::fma(x, x, -sq));
  }
  s.sumX = std::ldexp(static_cast<long double>(sumX.value()), e);
  s.sumX2 = std::ldexp(static_cast<long double>(sumX2.value()), 2 * e);
  return s;
}

std::string sumText(long double v, int decimals) {
  if (!std::isfinite(v)) return std::string();
  const double d = static_cast<double>(v);
  if (std::isfinite(d) && (v == 0 || std::fabs(d) >= DBL_MIN)) return formatStatistic(d, decimals);
  // Beyond the doubles: mantissa and decimal exponent taken apart.
  int e = static_cast<int>(std::floor(std::log10(std::fabs(v))));
  double m = static_cast<double>(v / std::pow(10.0L, e));
  std::string mantissa = formatNumber("%.4g", m);
  double back = 0;
  if (parseNumber(mantissa, back) && std::fabs(back) >= 10) {
    ++e;
    mantissa = formatNumber("%.4g", back / 10);
  }
  const std::string exponent = formatInt("%02d", e < 0 ? -e : e);
  return mantissa + (e < 0 ? "e-" : "e+") + exponent;
}

MoreLabels moreStatistics(const DataSet& set, const SetDisplay& d, DataType type,
                          int decimals) {
  MoreLabels l;
  if (!d.hasStatistics) return l;
  const ObservationSums s = observationSums(observationPoints(set, d, type));
  l.sumX = sumText(s.sumX, decimals);
  l.sumX2 = sumText(s.sumX2, decimals);
  l.sampleStdDev =
      standardDeviationText(set.sumSquares, set.count, true, set.deviationScale, decimals);
  l.populationStdDev =
      standardDeviationText(set.sumSquares, set.count, false, set.deviationScale, decimals);
  if (type != AlreadyGroupedContinuous) {
    int distinct = 0;
    for (const auto& p : set.pairs)
      if (wholeCount(p.frequency) > 0) ++distinct;
    l.distinctValues = formatInt("%d", distinct);
  }
  return l;
}

}  // namespace tally
