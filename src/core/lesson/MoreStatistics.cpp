#include "core/lesson/MoreStatistics.h"

#include <cfloat>
#include <cmath>

#include "core/NumberText.h"
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
  for (const auto& p : points) {
    if (!(p.y > 0)) continue;
    const long double x = p.x, f = p.y;
    s.n += f;
    s.sumX += f * x;
    s.sumX2 += f * x * x;
  }
  return s;
}

std::string sumText(long double v) {
  if (!std::isfinite(v)) return std::string();
  const double d = static_cast<double>(v);
  if (std::isfinite(d) && (v == 0 || std::fabs(d) >= DBL_MIN)) return formatStatistic(d);
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

MoreLabels moreStatistics(const DataSet& set, const SetDisplay& d, DataType type) {
  MoreLabels l;
  if (!d.hasStatistics) return l;
  const ObservationSums s = observationSums(observationPoints(set, d, type));
  l.sumX = sumText(s.sumX);
  l.sumX2 = sumText(s.sumX2);
  l.sampleStdDev = standardDeviationText(set.sumSquares, set.count, true, set.deviationScale);
  l.populationStdDev = standardDeviationText(set.sumSquares, set.count, false, set.deviationScale);
  if (type != AlreadyGroupedContinuous) {
    int distinct = 0;
    for (const auto& p : set.pairs)
      if (wholeCount(p.frequency) > 0) ++distinct;
    l.distinctValues = formatInt("%d", distinct);
  }
  return l;
}

}  // namespace tally
