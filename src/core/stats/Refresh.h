#pragma once
// The analysis refresh as one pure step: from the two data sets and the settings
// of the window to every label text, point list and axis range the window shows.
// The window reads its controls into RefreshInputs, calls refreshAnalysis and
// writes the RefreshResult back verbatim.
#include <optional>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "core/graph/Series.h"
#include "core/stats/DataSet.h"
#include "core/stats/Grouping.h"
#include "core/stats/Outside.h"

namespace tally {

// Texts of one set's value labels. All empty for a set without statistics.
struct SetLabels {
  std::string n, mean, mode, minimum, q1, median, q3, maximum, range, iqr, stdDev;
  std::string percentile;        // beside the set's "p" spin control
  std::string sliderPercentile;  // "Percentiles Set 1:" / "Set 2:" on the ogive page
  // Whether the "Minimum:", "Maximum:" and "Range:" captions are enabled; unset
  // when the set was blanked, which leaves the captions as they were.
  std::optional<bool> extremeCaptionsEnabled;

  bool empty() const;
};

// Everything the refresh decides for one set.
struct SetDisplay {
  bool hasStatistics = false;  // false: the set was blanked (clearSetDisplay)
  // A blanked set of one or two distinct values: its n is shown (labels.n, the
  // only label set) with the reason there are no statistics.
  bool tooFewValues = false;
  SetLabels labels;
  double barWidth = 1;         // the column-graph series' bar width
  PointList columns;           // the columns' counts: value (or class midpoint), frequency
  // The columns as the column graph draws them: their frequencies, or with
  // relativeFrequency each as a percentage of the set's observations (the
  // Frequency Table's relative frequency). `columns` always keeps the counts.
  PointList graphColumns;
  PointList outliers;          // box-plot outliers series: one point list (may be empty)
  std::vector<PointList> boxLines;  // box-plot lines series: five point lists, or none
  // The box plot's marks of ungrouped data, unset otherwise: the mean (a "+" on
  // the box's centre line) and the five-number summary (minimum, Q1, median, Q3,
  // maximum) at their heights, with the texts of the statistics labels.
  struct BoxValue {
    double value = 0;
    std::string text;
  };
  bool boxMarks = false;
  WorldPoint boxMean;
  std::vector<BoxValue> boxValues;
  PointList ogive;             // ogive series' only point list; empty: the view gets no ogive
  double sliderValue = 0;      // the slider percentile handed to the percentile view
  // Values the histogram columns (types 1, 3) or the classes (type 4) leave out,
  // and the line shown where the graph is: "2 values outside the columns: 20, 21";
  // empty when every value is counted.
  OutsideValues outside;
  std::string outsideText;
};

struct RefreshInputs {
  DataType type = UngroupedDiscrete;
  Grouping classes;            // classDialog
  Grouping histogram;          // histogramDialog
  // The bar widths the column series start from (barWidth of the type and column
  // width); the refresh fits them to the data or the classes.
  double barWidth[2] = {0.75, 0.75};
  bool sampleStdDev = false;
  // While the user has not chosen a column width, a column of ungrouped data is
  // 0.75 of the smallest gap between neighbouring values, and at most the bar
  // width of columnWidth.
  bool fitBarWidth = false;
  double columnWidth = 1;
  int percentile[2] = {50, 50};       // the sets' "p" spin values
  int sliderPosition = 50;            // 0 at the top of the slider: p = 100 - position
  // Places of the computed statistics (kAutoDecimals or 0 to kMaxDecimals); values,
  // counts and class bounds keep their own digits.
  int decimals = kAutoDecimals;
  // The column graphs show relative frequencies (%) instead of frequencies.
  bool relativeFrequency = false;
};

struct RefreshResult {
  SetDisplay sets[2];
  // Shared y axis of the box-and-whisker plot; unset when no set got that far.
  // Framed to the data at nice ticks (frameToData) when 0 lies far outside them.
  bool boxRangeSet = false;
  double boxYMin = 0, boxYMax = 0;
  // Ranges of both column graphs, from the sets that show statistics; unset when
  // neither does or the window would not be finite, and then the column graphs keep
  // their ranges (a set that shows statistics is still handed its columns). When 0
  // lies far outside the columns the x range is framed to them (frameToData) and the
  // origin is not kept in view; the y range always holds 0.
  bool columnRangesSet = false;
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
  bool originAlwaysViewable = true;
  // The slider's percentage, handed to the percentile view when a set has an ogive.
  int sliderPercent = 50;
  bool sliderPercentShown = false;
};

// Sorts both sets and writes their count, minimum, maximum, maxFrequency and
// sumSquares as the window's refresh does; a set without statistics gets
// count := number of pairs and adds nothing to any scale.
RefreshResult refreshAnalysis(DataSet& set1, DataSet& set2, const RefreshInputs& in);

// Each set's last refresh, so that a refresh after an edit of one set computes
// that set alone: a set whose pairs and inputs are the same as last time, bit for
// bit, gets the same display, count and sums again, copied, as computing them
// anew would give.
class RefreshMemo {
 public:
  // Forgets both sets' refreshes.
  void clear() { kept[0].valid = kept[1].valid = false; }
  // How many times a set was computed rather than copied (lets tests see the skip).
  long computedSets() const { return computed; }
  // The refresh of one set (index i), computed or copied.
  void refreshSet(DataSet& set, const RefreshInputs& in, int i, SetDisplay& d);

 private:
  struct Kept {
    bool valid = false;
    RefreshInputs in;
    std::vector<FrequencyPair> pairs;  // as the refresh left them (sorted)
    int path = 0;                      // which of the set's fields the refresh wrote
    SetDisplay display;
    double count = 0, minimum = 0, maximum = 0, maxFrequency = 0, sumSquares = 0,
           deviationScale = 1;
  };
  Kept kept[2];
  long computed = 0;
};

// refreshAnalysis, with each set copied from `memo` when it is unchanged.
RefreshResult refreshAnalysis(DataSet& set1, DataSet& set2, const RefreshInputs& in,
                              RefreshMemo& memo);

// The columns' heights as percentages of `observations`; nothing for no observations.
PointList relativeColumns(const PointList& columns, double observations);

// Bar width of discrete data for a column width, and of continuous data.
inline double discreteBarWidth(double columnWidth) { return 0.75 * columnWidth; }
// The bar width fitted to sorted pairs: 0.75 of the smallest gap between
// neighbouring values, at most discreteBarWidth(columnWidth).
double fittedBarWidth(const DataSet& set, double columnWidth);
constexpr double kContinuousBarWidth = 1;
// The bar width a data type's column series starts from: discrete data by the column
// width, the others one unit (the refresh sets the width of classes and histograms).
inline double barWidth(DataType type, double columnWidth) {
  return isDiscreteType(type) ? discreteBarWidth(columnWidth) : kContinuousBarWidth;
}

// --- Partial updates --------------------------------------------------------

// Slider position to percentage: the top of the slider (position 0) is 100.
int sliderPercent(int position);
// "%d%%" for the slider's text box.
std::string percentText(int p);
// A grouped set's percentile p from its class points (the column-graph points).
double groupedPercentile(const PointList& classPoints, const Grouping& classes, double n, int p);
// The sum of the column heights: n of already grouped data.
double totalHeight(const PointList& columns);
// The spin control's result as a statistic in the chosen decimals: grouped for
// type 4, else by interpolation.
std::string percentileText(const DataSet& set, const PointList& classPoints,
                           const Grouping& classes, DataType type, int p,
                           int decimals = kAutoDecimals);
// The percentile text box accepts 0 to 100.
bool isValidPercentileEntry(double p);

}  // namespace tally
