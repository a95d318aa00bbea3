#pragma once
// Equal classes on the number line: class k is [startValue + k*groupSize,
// startValue + (k+1)*groupSize) for k = 0 .. groupCount-1.
#include <string>
#include <vector>

#include "core/stats/DataSet.h"

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
  bool contains(int k, double v) const { return k >= 0 && classOf(v) == k; }
  // The class holding v, or -1 when v lies outside every class. The one place
  // where membership is decided: a value within kBoundaryTolerance of the size
  // below a bound counts as on it, so 1.2 lies in "1.2 - < 1.4" although
  // 6 * 0.2 is 1.2000000000000002 in binary.
  int classOf(double v) const;
  // classOf for a grouping already known to be usable(), without checking it again.
  int locate(double v) const;
  // Number of classes to walk; a negative count walks none.
  int classes() const { return groupCount > 0 ? groupCount : 0; }
  // Classes of positive width whose bounds are distinct finite doubles; anything
  // else holds no value at all.
  bool usable() const;

  // Grid label of class k: "LOWER - < UPPER", bounds as valueText.
  std::string classLabel(int k) const;

  bool operator==(const Grouping& o) const {
    return startValue == o.startValue && groupSize == o.groupSize && groupCount == o.groupCount;
  }
};

// Fraction of the group size within which a value counts as on a class bound.
constexpr double kBoundaryTolerance = 1e-9;

// The rules of the grouping dialog's OK button: any finite start (temperatures
// start below 0), size > 0, count 1 to 100, and classes that are usable
// (distinct, finite bounds).
bool isValidGrouping(const Grouping& g);

// Class frequencies: for each class the sum of the whole counts of the pairs in it.
// Values outside every class are left out.
std::vector<double> classFrequencies(const std::vector<FrequencyPair>& pairs, const Grouping& g);

// Modal class text "LOWER < UPPER", bounds as valueText.
std::string modalClassText(double lower, double upper);

}  // namespace tally
