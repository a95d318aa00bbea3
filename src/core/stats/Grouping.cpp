#include "core/stats/Grouping.h"

#include <cmath>

#include "core/NumberText.h"

namespace tally {

int Grouping::classOf(double v) const {
  for (int k = 0; k < classes(); ++k)
    if (contains(k, v)) return k;
  return -1;
}

bool Grouping::usable() const {
  return std::isfinite(startValue) && std::isfinite(groupSize) && groupSize > 0 &&
         groupCount > 0;
}

std::string Grouping::classLabel(int k) const {
  return formatNumber("%g", lower(k)) + " - < " + formatNumber("%g", upper(k));
}

bool isValidGrouping(const Grouping& g) {
  return std::isfinite(g.startValue) && std::isfinite(g.groupSize) &&
         g.groupSize > 0 && g.groupCount >= 1 && g.groupCount <= 100;
}

std::string modalClassText(double lower, double upper) {
  return formatNumber("%g", lower) + " < " + formatNumber("%g", upper);
}

}  // namespace tally
