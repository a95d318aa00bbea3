#include "core/stats/DataSet.h"

#include <algorithm>

namespace tally {

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

}  // namespace tally
