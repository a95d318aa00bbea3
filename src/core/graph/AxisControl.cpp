#include "core/graph/AxisControl.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "core/NumberText.h"

namespace tally {

std::string axisRangeProblem(const AxisRange& r) {
  if (!std::isfinite(r.min) || !std::isfinite(r.max) || !std::isfinite(r.unit))
    return "From, To and Tick unit must be numbers.";
  if (!(r.min < r.max)) return "From must be less than To.";
  if (!(r.unit > 0)) return "The tick unit must be greater than 0.";
  // Taken apart so that ends of two signs near the largest doubles cannot overflow.
  const double span = r.max - r.min;
  if (!std::isfinite(span) || span > std::numeric_limits<double>::max() / 4)
    return "The range from From to To is too wide to draw.";
  // A range too narrow for its ends to be told apart in pixels draws nothing.
  if (span <= 1e-9 * std::max(std::fabs(r.min), std::fabs(r.max)))
    return "From and To are too close together to draw.";
  // A hair over the limit is rounding in the unit (40 / 0.2), not one tick more.
  if (span / r.unit > kMaxAxisTicks * (1 + 1e-9))
    return "A tick unit of " + exactText(r.unit) + " gives more than " +
           valueText(kMaxAxisTicks) + " ticks from " + exactText(r.min) + " to " +
           exactText(r.max) + ": choose a larger unit.";
  return std::string();
}

std::optional<AxisRange> readAxisRange(const std::string& from, const std::string& to,
                                       const std::string& unit, std::string& problem) {
  const std::pair<const std::string*, const char*> fields[] = {
      {&from, "From"}, {&to, "To"}, {&unit, "Tick unit"}};
  double values[3] = {0, 0, 0};
  for (int k = 0; k < 3; ++k) {
    if (!parseNumber(*fields[k].first, values[k])) {
      // "Not a number: use a decimal point" names the usual slip; keep its advice.
      const std::string why = notNumberReason(*fields[k].first);
      const size_t colon = why.find(':');
      problem = std::string(fields[k].second) + " is not a number" +
                (colon == std::string::npos ? std::string() : why.substr(colon)) + ".";
      return std::nullopt;
    }
  }
  const AxisRange range{values[0], values[1], values[2]};
  problem = axisRangeProblem(range);
  if (!problem.empty()) return std::nullopt;
  return range;
}

}  // namespace tally
