#pragma once
// Values a grouping leaves out. Histogram columns or classes that do not reach
// every value must say so beside the graph: a score of 20 under columns ending
// at 20 would otherwise vanish and the columns add up to less than n.
#include <optional>
#include <string>
#include <vector>

#include "core/stats/DataSet.h"
#include "core/stats/Grouping.h"

namespace tally {

// What the grouping is called in the texts: histogram columns or classes.
enum GroupingKind { HistogramColumns, GroupClasses };

struct OutsideValues {
  // The distinct values no class holds, ascending, each with its whole count.
  std::vector<FrequencyPair> values;
  // Their observations: the sum of the whole counts.
  double count = 0;
  bool empty() const { return count == 0; }
};

// The values of the set outside every class of g (Grouping::classOf < 0). Pairs
// that stand for no observation (a frequency below 1) are not counted.
OutsideValues valuesOutside(const DataSet& set, const Grouping& g);

// Listed observations: up to kListedOutside, then "and N more".
constexpr int kListedOutside = 5;

// "2 values outside the columns: 20, 21", "1 value outside the classes: 20",
// "7 values outside the columns: 1, 1, 2, 3, 4 and 2 more" (a value seen twice is
// listed twice). Empty when nothing lies outside.
std::string outsideText(const OutsideValues& outside, GroupingKind kind);

// The report's line on standard error, without the line break:
// "Set 2: 1 value outside the classes (20)". Empty when nothing lies outside.
std::string outsideReportLine(const std::string& setName, const OutsideValues& outside,
                              GroupingKind kind);

// The question on choosing Already Grouped Continuous with values outside the
// classes: "2 values lie outside these classes. Widen the classes to hold them?"
std::string widenClassesQuestion(double outsideCount);

// The classes widened to hold every value of both sets with the same size: the
// start steps down by whole sizes until the smallest value is in, the count
// grows until the largest is in. The classes already holding every value come
// back unchanged. Empty when that takes more than kMaxClasses classes (or the
// bounds stop being usable): the classes cannot hold the values at this size,
// and the caller keeps them, the values counted as outside.
constexpr int kMaxClasses = 100;
std::optional<Grouping> widenedClasses(const Grouping& g, const DataSet& set1,
                                       const DataSet& set2);

}  // namespace tally
