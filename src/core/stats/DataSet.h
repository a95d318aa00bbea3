#pragma once
// A data set: distinct values with their frequencies, plus what the refresh keeps about it.
#include <cstdint>
#include <string>
#include <vector>

namespace tally {

struct FrequencyPair {
  double value = 0;      // for already grouped data: any value inside its class
  double frequency = 0;  // greater than 0 while in a set
  bool operator==(const FrequencyPair& o) const {
    return value == o.value && frequency == o.frequency;
  }
};

struct DataSet {
  std::vector<FrequencyPair> pairs;  // sorted ascending by value at each refresh
  double count = 0;                  // n, the total of the whole counts
  double minimum = 0;                // written by a refresh that shows the set
  double maximum = 0;
  double maxFrequency = 0;
  // The sum of squares about the mean is sumSquares * deviationScale^2. The scale is
  // a power of two, 1 unless the squares themselves would overflow or underflow.
  double sumSquares = 0;
  double deviationScale = 1;
  std::string name;
};

// 2^53: above it a double no longer holds every whole number, so a frequency
// beyond it cannot be counted exactly and counts as no number at all.
constexpr double kLargestCount = 9007199254740992.0;

// How many observations a frequency stands for: its whole part, or 0 when it is
// not a count (not positive, not finite, or above kLargestCount).
double wholeCount(double frequency);

// n of the set: the sum of the whole counts of its pairs, exact.
std::uint64_t observationCount(const DataSet& set);

enum DataType {
  UngroupedDiscrete = 0,
  UngroupedContinuous = 1,
  GroupedDiscrete = 2,
  GroupedContinuous = 3,
  AlreadyGroupedContinuous = 4
};

enum GridLayout { ValuesOnly = 0, ValueAndFrequency = 1, Classes = 2 };

// Three-way order of pairs by value: 1 when a is greater, -1 when less, 0 when equal.
int comparePairs(const FrequencyPair& a, const FrequencyPair& b);

// Sorts the pairs ascending by value; equal values keep their list order.
void sortPairs(DataSet& set);

// The grid layout in which a data type shows its set.
GridLayout layoutForType(DataType type);

// True for the types whose column graphs may become histogram columns.
bool isContinuousType(DataType type);
// True for the types whose columns stand at single values, as wide as the column width says.
bool isDiscreteType(DataType type);

}  // namespace tally
