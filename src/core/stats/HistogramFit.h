#pragma once
// The histogram grouping chosen from the data, used until the user or the
// analysis description sets one: class sizes 1, 2, 5, 10, ... times a power of
// ten, about the square root of n classes (at most 20), and a start that is a
// multiple of the size, so that heights of 148 to 180 cm show at once.
#include "core/stats/DataSet.h"
#include "core/stats/Grouping.h"

namespace tally {

constexpr int maxFittedClasses = 20;

// Classes holding every value from lo to hi for n observations.
Grouping fitGrouping(double lo, double hi, double n);

// Classes holding the values of both sets; n is the larger set's count.
// Without any value: the dialog's first grouping, 0 / 1 / 10.
Grouping fitHistogram(const DataSet& set1, const DataSet& set2);

}  // namespace tally
