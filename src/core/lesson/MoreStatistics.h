#pragma once
// The "More" rows of the Statistics page: Σx, Σx², both standard deviations side by
// side and the number of distinct values, as a calculator shows them for checking
// hand work.
#include <string>

#include "core/graph/Series.h"
#include "core/stats/DataSet.h"
#include "core/stats/Refresh.h"

namespace tally {

// Σf, Σfx and Σfx² over the observations: the exact sums the mean is taken from,
// each rounded once to a double's digits, held in long double, whose wider
// exponent keeps the sums of data near the largest or smallest doubles (1e308
// squared) finite.
struct ObservationSums {
  long double n = 0;
  long double sumX = 0;
  long double sumX2 = 0;
};

// One point per value with its whole count (types 0 to 3: the set's pairs), or per
// class at its midpoint, empty classes included (already grouped data: the class
// columns of the refresh). The points the mean and the deviation are taken over.
PointList observationPoints(const DataSet& set, const SetDisplay& d, DataType type);
ObservationSums observationSums(const PointList& points);

// A sum as the page writes statistics (formatStatistic, in the chosen decimals); a
// sum beyond the doubles keeps its four significant digits with an exponent
// ("3e+616"). Empty when it has no finite value.
std::string sumText(long double v, int decimals = kAutoDecimals);

struct MoreLabels {
  std::string sumX, sumX2;
  std::string sampleStdDev, populationStdDev;
  std::string distinctValues;  // empty for already grouped data, which hold no values
};

// Captions of the rows, in order.
constexpr const char* kSumXCaption = "\xCE\xA3x:";                  // Σx:
constexpr const char* kSumX2Caption = "\xCE\xA3x\xC2\xB2:";         // Σx²:
constexpr const char* kDistinctValuesCaption = "Distinct values:";

// All empty for a set that shows no statistics. The sums and deviations in the
// chosen decimals, as the page's other statistics.
MoreLabels moreStatistics(const DataSet& set, const SetDisplay& d, DataType type,
                          int decimals = kAutoDecimals);

}  // namespace tally
