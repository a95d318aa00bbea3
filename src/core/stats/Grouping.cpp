#include "core/stats/Grouping.h"

#include <cmath>

#include "core/NumberText.h"

namespace tally {

int Grouping::classOf(double v) const { return usable() ? locate(v) : -1; }

int Grouping::locate(double v) const {
  if (!std::isfinite(v)) return -1;
  const double t = std::floor((v - startValue) / groupSize + kBoundaryTolerance);
  // Also false for a NaN quotient; the range check keeps the cast defined.
  if (!(t >= -1 && t <= groupCount)) return -1;
  int k = static_cast<int>(t);
  // The quotient may round differently from the bounds the labels show; the
  // bounds as computed have the last word, with the same tolerance.
  const double tolerance = kBoundaryTolerance * groupSize;
  if (k < groupCount && v >= lower(k + 1) - tolerance)
    ++k;
  else if (k >= 0 && v < lower(k) - tolerance)
    --k;
  return k >= 0 && k < groupCount ? k : -1;
}

bool Grouping::usable() const {
  if (!(std::isfinite(startValue) && std::isfinite(groupSize) && groupSize > 0 && groupCount > 0))
    return false;
  // A size too small for the start makes neighbouring bounds the same double.
  for (int k = 0; k < groupCount; ++k)
    if (!(lower(k) < upper(k))) return false;
  return std::isfinite(end());
}

std::string Grouping::classLabel(int k) const {
  return valueText(lower(k)) + " - < " + valueText(upper(k));
}

bool isValidGrouping(const Grouping& g) {
  return g.groupCount <= 100 && g.usable();
}

std::vector<double> classFrequencies(const std::vector<FrequencyPair>& pairs, const Grouping& g) {
  std::vector<double> h(static_cast<size_t>(g.classes()), 0.0);
  if (!g.usable()) return h;
  for (const auto& p : pairs) {
    const int k = g.locate(p.value);
    if (k >= 0) h[static_cast<size_t>(k)] += wholeCount(p.frequency);
  }
  return h;
}

std::string modalClassText(double lower, double upper) {
  return valueText(lower) + " < " + valueText(upper);
}

}  // namespace tally
