#pragma once
// Equal classes on the number line: class k is [startValue + k*groupSize,
// startValue + (k+1)*groupSize) for k = 0 .. groupCount-1.
#include <string>

namespace tally {

struct Grouping {
  double startValue = 0;
  double groupSize = 1;
  int groupCount = 10;

  double lower(int k) const { return startValue + k * groupSize; }
  double upper(int k) const { return startValue + (k + 1) * groupSize; }
  double midpoint(int k) const { return lower(k) + groupSize / 2; }
  // Upper bound of the last class: values at or above it belong to no class.
  double end() const { return startValue + groupCount * groupSize; }
  bool contains(int k, double v) const { return lower(k) <= v && v < upper(k); }
  // The class holding v, or -1 when v lies outside every class.
  int classOf(double v) const;
  // Number of classes to walk; a negative count walks none.
  int classes() const { return groupCount > 0 ? groupCount : 0; }
  // Classes of positive, finite width; anything else holds no value at all.
  bool usable() const;

  // Grid label of class k: "%g - < %g".
  std::string classLabel(int k) const;

  bool operator==(const Grouping& o) const {
    return startValue == o.startValue && groupSize == o.groupSize && groupCount == o.groupCount;
  }
};

// The rules of the grouping dialog's OK button: any finite start (temperatures
// start below 0), size > 0, count 1 to 100.
bool isValidGrouping(const Grouping& g);

// Modal class text "%g < %g".
std::string modalClassText(double lower, double upper);

}  // namespace tally
