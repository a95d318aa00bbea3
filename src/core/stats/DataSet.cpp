#include "core/stats/DataSet.h"

#include <algorithm>
#include <cmath>

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
  std::stable_sort(set.pairs.begin(), set.pairs.end(),
                   [](const FrequencyPair& a, const FrequencyPair& b) {
                     return comparePairs(a, b) < 0;
                   });
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
