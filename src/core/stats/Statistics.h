#pragma once
// The numbers of the statistics panel for one set: ranks, quartiles by halves,
// percentiles, grouped quantiles, standard deviation, modes, the box-and-whisker
// geometry and the ogive.
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "core/graph/Series.h"
#include "core/stats/DataSet.h"
#include "core/stats/Grouping.h"

namespace tally {

// The point half way between a and b, which cannot overflow.
double midpoint(double a, double b);
// v + frac*(w - v), also where w - v would overflow.
double interpolate(double v, double w, double frac);

// The k-th smallest observation (1-based; each pair counts its whole count, see
// wholeCount). With `average`, the mean of observations k and k+1. 0 when
// there are fewer than k observations.
double rankValue(const DataSet& set, double k, bool average);

struct Quartiles {
  double q1 = 0;
  double median = 0;
  double q3 = 0;
};

// Median and quartiles by halves over the N = observationCount(set) observations
// of the sorted set.
Quartiles ungroupedQuartiles(const DataSet& set);

// Percentile p (0 to 100) by interpolation between neighbouring observations at
// position (n - 1)p/100 + 1 of the sorted set.
double ungroupedPercentile(const DataSet& set, int p);

// The value below which `target` of the classes' total frequency lies, by
// interpolation inside its class. `classes` holds one point per class in class
// order (y = class frequency); lower bounds come from `g`. -1 when the target lies
// beyond the data (or, for target 0, when every class is empty).
double groupedQuantile(const PointList& classes, const Grouping& g, double target);

// scale * sqrt(sumSquares / n) or, for the sample deviation, / (n - 1), the sum of
// squares being sumSquares * scale^2 (see DataSet::deviationScale).
// A sample deviation needs n > 1; NaN otherwise.
double standardDeviation(double sumSquares, double n, bool sample, double scale = 1);
// The deviation as a statistic (formatStatistic); "undefined" for the sample
// deviation of one observation; empty when there is no finite value.
std::string standardDeviationText(double sumSquares, double n, bool sample, double scale = 1,
                                  int decimals = kAutoDecimals);
// A statistic in the chosen decimals (formatStatistic), or empty when it has no
// finite value: no label ever shows "inf" or "nan".
std::string statisticText(double v, int decimals = kAutoDecimals);

// Mean of the x of points weighted by their y (points with y <= 0 left out): the
// exact sum of the products divided by the exact sum of the weights, without
// overflow for any finite data. NaN when no point has weight.
double weightedMean(const PointList& points);

// Sum of y * (x - mean)^2 over the weighted points, as sumSquares * scale^2, each
// term taken with its rounding errors and summed exactly.
struct SpreadSum {
  double sumSquares = 0;
  double scale = 1;  // a power of two; 1 whenever the plain sum is an ordinary double
};
SpreadSum sumOfSquares(const PointList& points, double mean);
// "Std Dev.(s):" or "Std Dev.(p):".
const char* standardDeviationCaption(bool sample);

// The running modal description of Part "modal tracking": fed values (or classes)
// in ascending order with their frequencies.
class ModeTracker {
 public:
  // For ungrouped data pass the value as `lower` and `upper` alike.
  void offer(double lower, double upper, double frequency);

  double maxFrequency() const { return max_; }
  int modeCount() const { return count_; }  // 0, 1, 2, or 3 for more than two
  double firstLower() const { return lower1_; }
  double firstUpper() const { return upper1_; }
  double secondLower() const { return lower2_; }
  double secondUpper() const { return upper2_; }

  // valueText of the mode, "a, b" of two, or "(more than\n 2 modes)".
  std::string ungroupedText() const;
  // modalClassText of the class, of two classes on two lines ("10.8 < 11.2\n 11.2 < 11.6"),
  // or "(more than\n 2 modes)".
  std::string groupedText() const;

 private:
  double max_ = 0;
  int count_ = 0;
  double lower1_ = 0, upper1_ = 0, lower2_ = 0, upper2_ = 0;
};

constexpr const char* kMoreThanTwoModes = "(more than\n 2 modes)";

// Box-and-whisker geometry of one sorted ungrouped set. R = -1 for Set 1, +1 for Set 2.
struct BoxPlot {
  PointList outliers;               // (4R, value) in value order
  std::vector<PointList> lines;     // box, median, upper whisker, lower whisker
};
BoxPlot buildBoxPlot(const DataSet& set, const Quartiles& q, int R);

// Cumulative percentages at the class upper bounds, starting at (lower_0, 0) when
// the first class holds data. `classes` as for groupedQuantile; n > 0.
PointList buildOgive(const PointList& classes, const Grouping& g, double n);

}  // namespace tally
