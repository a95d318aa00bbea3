#include "core/stats/DataSet.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace tally {

double wholeCount(double frequency) {
  // The comparison is false for NaN as well.
  if (!(frequency > 0 && frequency <= kLargestCount)) return 0;
  return std::trunc(frequency);
}

std::uint64_t observationCount(const DataSet& set) {
  std::uint64_t n = 0;
  for (const auto& p : set.pairs) n += static_cast<std::uint64_t>(wholeCount(p.frequency));
  return n;
}

int comparePairs(const FrequencyPair& a, const FrequencyPair& b) {
  if (a.value > b.value) return 1;
  if (a.value < b.value) return -1;
  return 0;
}

void sortPairs(DataSet& set) {
  auto& pairs = set.pairs;
  auto before = [](const FrequencyPair& a, const FrequencyPair& b) { return a.value < b.value; };
  if (std::is_sorted(pairs.begin(), pairs.end(), before)) return;
  // A set's values are nearly always distinct (reading the grid merges equal
  // ones), and distinct values have one order whatever the sort: the quicker
  // unstable sort is kept unless it put equal values side by side. A NaN
  // compares with nothing and is left to the stable sort.
  const bool anyNaN = std::any_of(pairs.begin(), pairs.end(),
                                  [](const FrequencyPair& p) { return std::isnan(p.value); });
  if (!anyNaN) {
    std::vector<FrequencyPair> listed = pairs;
    std::sort(pairs.begin(), pairs.end(), before);
    const auto equal = [](const FrequencyPair& a, const FrequencyPair& b) {
      return a.value == b.value;
    };
    if (std::adjacent_find(pairs.begin(), pairs.end(), equal) == pairs.end()) return;
    pairs = std::move(listed);
  }
  std::stable_sort(pairs.begin(), pairs.end(), before);
}

GridLayout layoutForType(DataType type) {
  switch (type) {
    case GroupedDiscrete:
    case GroupedContinuous:
      return ValueAndFrequency;
    case AlreadyGroupedContinuous:
      return Classes;
    default:
      return ValuesOnly;
  }
}

bool isContinuousType(DataType type) {
  return type == UngroupedContinuous || type == GroupedContinuous;
}

bool isDiscreteType(DataType type) {
  return type == UngroupedDiscrete || type == GroupedDiscrete;
}

}  // namespace tally
