#include "core/stats/Refresh.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/NumberText.h"
#include "core/graph/DataFrame.h"
#include "core/stats/Statistics.h"

namespace tally {
namespace {

// Values, counts and extremes: valueText, blank where an extreme difference overflows.
std::string plain(double v) { return std::isfinite(v) ? valueText(v) : std::string(); }

// One column per class, as high as the class frequency, at the class midpoint.
PointList classColumns(const DataSet& set, const Grouping& g) {
  const std::vector<double> h = classFrequencies(set.pairs, g);
  PointList columns;
  for (int k = 0; k < g.classes(); ++k) columns.push_back({g.midpoint(k), h[static_cast<size_t>(k)]});
  return columns;
}

void clearSetDisplay(SetDisplay& d) {
  double width = d.barWidth;
  d = SetDisplay();
  d.barWidth = width;
}

// Mean and spread from the column points (value or class midpoint, whole count);
// an empty class counts with frequency 0.
double meanAndSpread(DataSet& set, const PointList& columns) {
  const double mean = weightedMean(columns);
  const SpreadSum spread = sumOfSquares(columns, mean);
  set.sumSquares = spread.sumSquares;
  set.deviationScale = spread.scale;
  return mean;
}

void computeUngrouped(DataSet& set, const ModeTracker& modes, int R, const RefreshInputs& in,
                      int index, SetDisplay& d) {
  const double n = set.count;
  const double mean = meanAndSpread(set, d.columns);
  const Quartiles q = ungroupedQuartiles(set);

  SetLabels& l = d.labels;
  l.n = plain(n);
  l.mean = statisticText(mean, in.decimals);
  l.mode = modes.ungroupedText();
  l.extremeCaptionsEnabled = true;
  l.minimum = plain(set.minimum);
  l.q1 = statisticText(q.q1, in.decimals);
  l.median = statisticText(q.median, in.decimals);
  l.q3 = statisticText(q.q3, in.decimals);
  l.maximum = plain(set.maximum);
  l.range = plain(set.maximum - set.minimum);
  l.iqr = statisticText(q.q3 - q.q1, in.decimals);
  l.stdDev = standardDeviationText(set.sumSquares, n, in.sampleStdDev, set.deviationScale,
                                  in.decimals);
  l.percentile = statisticText(ungroupedPercentile(set, in.percentile[index]), in.decimals);

  BoxPlot box = buildBoxPlot(set, q, R);
  d.outliers = std::move(box.outliers);
  d.boxLines = std::move(box.lines);
  // The box stands between 3R and 5R: its centre line is at 4R.
  d.boxMarks = true;
  d.boxMean = {4.0 * R, mean};
  d.boxValues = {{set.minimum, l.minimum}, {q.q1, l.q1}, {q.median, l.median},
                 {q.q3, l.q3},             {set.maximum, l.maximum}};
}

void computeGrouped(DataSet& set, const ModeTracker& modes, const RefreshInputs& in, int index,
                    SetDisplay& d) {
  const Grouping& g = in.classes;
  const double n = set.count;
  const double mean = meanAndSpread(set, d.columns);
  const double q1 = groupedQuantile(d.columns, g, 0.25 * n);
  const double q3 = groupedQuantile(d.columns, g, 0.75 * n);

  SetLabels& l = d.labels;
  l.n = plain(n);
  l.mean = statisticText(mean, in.decimals);
  l.mode = modes.groupedText();
  l.extremeCaptionsEnabled = false;
  l.q1 = statisticText(q1, in.decimals);
  l.median = statisticText(groupedQuantile(d.columns, g, 0.5 * n), in.decimals);
  l.q3 = statisticText(q3, in.decimals);
  l.iqr = statisticText(q3 - q1, in.decimals);
  l.stdDev = standardDeviationText(set.sumSquares, n, in.sampleStdDev, set.deviationScale,
                                  in.decimals);
  l.percentile =
      statisticText(groupedPercentile(d.columns, g, n, in.percentile[index]), in.decimals);

  d.ogive = buildOgive(d.columns, g, n);
  if (!d.ogive.empty()) {
    d.sliderValue = groupedPercentile(d.columns, g, n, sliderPercent(in.sliderPosition));
    l.sliderPercentile = statisticText(d.sliderValue, in.decimals);
  }
}

// What the refresh of one set wrote into it: only its count (a set with too few
// values), also its extremes and largest frequency (no observation counted), or
// all of its sums too.
enum class SetPath { Blank, Empty, Full };

// One set's share of the refresh: sorts it, writes what the path says into it and
// fills its display. Depends on nothing but the set's pairs, the inputs and `i`.
SetPath refreshSet(DataSet& set, const RefreshInputs& in, int i, SetDisplay& d) {
  const bool grouped = in.type == AlreadyGroupedContinuous;
  const Grouping& cls = in.classes;
  const Grouping& hist = in.histogram;
  d.barWidth = in.barWidth[i];

  const bool enough = set.pairs.size() > 2 || (grouped && !set.pairs.empty());
  if (!enough) {
    clearSetDisplay(d);
    if (!set.pairs.empty() && !grouped) {
      // Five 5s and four 6s: a blank column would give no hint why.
      d.tooFewValues = true;
      d.labels.n = plain(static_cast<double>(observationCount(set)));
    }
    set.count = static_cast<double>(set.pairs.size());
    return SetPath::Blank;
  }

  sortPairs(set);
  ModeTracker modes;
  if (grouped) {
    set.minimum = cls.startValue;
    set.maximum = cls.end();
    d.barWidth = cls.groupSize;
    d.columns = classColumns(set, cls);
    for (int k = 0; k < cls.classes(); ++k)
      modes.offer(cls.lower(k), cls.upper(k), d.columns[static_cast<size_t>(k)].y);
  } else {
    if (in.fitBarWidth) d.barWidth = fittedBarWidth(set, in.columnWidth);
    set.minimum = set.pairs.front().value;
    set.maximum = set.pairs.back().value;
    for (const auto& p : set.pairs) {
      const double f = wholeCount(p.frequency);
      modes.offer(p.value, p.value, f);
      d.columns.push_back({p.value, f});
    }
  }
  // n in whole observations, the same count the ranks walk.
  const double n = grouped ? totalHeight(d.columns) : static_cast<double>(observationCount(set));
  set.maxFrequency = modes.maxFrequency();
  set.count = n;

  if (n == 0) {
    clearSetDisplay(d);
    // Every value outside the classes: the set is blank, but says why.
    if (grouped) {
      d.outside = valuesOutside(set, cls);
      d.outsideText = outsideText(d.outside, GroupClasses);
    }
    return SetPath::Empty;
  }

  d.hasStatistics = true;
  if (grouped)
    computeGrouped(set, modes, in, i, d);
  else
    computeUngrouped(set, modes, i == 0 ? -1 : 1, in, i, d);

  if (isContinuousType(in.type) && hist.groupSize > 0) {
    d.barWidth = hist.groupSize;
    d.columns = classColumns(set, hist);
    for (const auto& c : d.columns) set.maxFrequency = std::max(set.maxFrequency, c.y);
    d.outside = valuesOutside(set, hist);
    d.outsideText = outsideText(d.outside, HistogramColumns);
  } else if (grouped) {
    d.outside = valuesOutside(set, cls);
    d.outsideText = outsideText(d.outside, GroupClasses);
  }
  // Relative to every observation, those outside the columns or classes included,
  // as the Frequency Table counts them.
  d.graphColumns = in.relativeFrequency
                       ? relativeColumns(d.columns, static_cast<double>(observationCount(set)))
                       : d.columns;
  return SetPath::Full;
}

}  // namespace

bool SetLabels::empty() const {
  return n.empty() && mean.empty() && mode.empty() && minimum.empty() && q1.empty() &&
         median.empty() && q3.empty() && maximum.empty() && range.empty() && iqr.empty() &&
         stdDev.empty() && percentile.empty() && sliderPercentile.empty();
}

namespace {

// Both sets refreshed (by `eachSet`), then the scales they share.
template <typename EachSet>
RefreshResult refreshBoth(DataSet& set1, DataSet& set2, const RefreshInputs& in, EachSet eachSet) {
  RefreshResult out;
  DataSet* sets[2] = {&set1, &set2};
  const bool grouped = in.type == AlreadyGroupedContinuous;
  const Grouping& cls = in.classes;
  const Grouping& hist = in.histogram;
  double lo = 0, hi = 0;

  for (int i = 0; i < 2; ++i) eachSet(*sets[i], i, out.sets[i]);

  // The scales come from the sets on show only: a set without statistics, never
  // filled or emptied since, has no extremes or frequencies to give.
  bool anyShown = false;
  double E = 0;
  for (int i = 0; i < 2; ++i) {
    if (!out.sets[i].hasStatistics) continue;
    const DataSet& set = *sets[i];
    lo = anyShown ? std::min(lo, set.minimum) : set.minimum;
    hi = anyShown ? std::max(hi, set.maximum) : set.maximum;
    if (in.relativeFrequency)
      for (const WorldPoint& c : out.sets[i].graphColumns) E = std::max(E, c.y);
    else
      E = std::max(E, set.maxFrequency);
    anyShown = true;
  }
  if (anyShown) {
    // One y axis for both box plots. 0.2 (hi - lo) taken apart so that extremes of
    // two signs cannot overflow it.
    const double span = hi - lo;
    const double margin = std::isfinite(span) ? 0.2 * span : 0.2 * hi - 0.2 * lo;
    if (std::isfinite(lo - margin) && std::isfinite(hi + margin)) {
      out.boxRangeSet = true;
      out.boxYMin = lo - margin;
      out.boxYMax = hi + margin;
      if (zeroIsFar(lo, hi)) {
        const AxisFrame f = frameToData(lo, hi);
        out.boxYMin = f.min;
        out.boxYMax = f.max;
      }
    }
  }
  if (out.sets[0].hasStatistics && !out.sets[0].ogive.empty()) out.sliderPercentShown = true;
  if (out.sets[1].hasStatistics && !out.sets[1].ogive.empty()) out.sliderPercentShown = true;
  out.sliderPercent = sliderPercent(in.sliderPosition);

  // Without a set on show there is nothing to scale to: the graphs keep their window.
  if (!anyShown) return out;

  double a = lo, b = hi;
  double half = 0;  // room for the columns standing at the smallest and largest value
  if (isContinuousType(in.type) && hist.groupSize > 0) {
    a = hist.startValue;
    b = hist.end();
  } else if (grouped && cls.groupSize > 0) {
    a = cls.startValue;
    b = cls.end();
  } else {
    // Classroom data often start at 0: the column standing there would be cut in
    // half at the window's edge, so the range starts at its left side.
    half = std::max(out.sets[0].barWidth, out.sets[1].barWidth) / 2;
    if (a >= 0 && a - half < 0) a -= half;
  }
  out.columnRangesSet = true;
  if (zeroIsFar(a, b)) {
    // Data far from 0 (years, heights in cm) are framed to their own span at nice
    // ticks: on 0..2020 years would be a hairline. The frequency axis still
    // starts below 0, so every column stands on its base.
    const AxisFrame f = frameToData(a - half, b + half);
    out.xMin = f.min;
    out.xMax = f.max;
    out.yMin = -0.2 * E;
    out.originAlwaysViewable = false;
  } else {
    out.xMin = 1.2 * a;
    out.xMax = 1.2 * b;
    out.yMin = 0;
    out.originAlwaysViewable = true;
  }
  out.yMax = 1.2 * E;
  // Data near the largest doubles give no finite window: the graphs keep theirs.
  for (double v : {out.xMin, out.xMax, out.yMin, out.yMax})
    if (!std::isfinite(v)) out.columnRangesSet = false;
  return out;
}

}  // namespace

RefreshResult refreshAnalysis(DataSet& set1, DataSet& set2, const RefreshInputs& in) {
  return refreshBoth(set1, set2, in,
                     [&in](DataSet& set, int i, SetDisplay& d) { refreshSet(set, in, i, d); });
}

RefreshResult refreshAnalysis(DataSet& set1, DataSet& set2, const RefreshInputs& in,
                              RefreshMemo& memo) {
  return refreshBoth(set1, set2, in, [&in, &memo](DataSet& set, int i, SetDisplay& d) {
    memo.refreshSet(set, in, i, d);
  });
}

namespace {

// Bit for bit: 0 and -0 are written differently, and a NaN is the same NaN.
bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool sameGrouping(const Grouping& a, const Grouping& b) {
  return sameBits(a.startValue, b.startValue) && sameBits(a.groupSize, b.groupSize) &&
         a.groupCount == b.groupCount;
}

bool sameInputs(const RefreshInputs& a, const RefreshInputs& b) {
  return a.type == b.type && sameGrouping(a.classes, b.classes) &&
         sameGrouping(a.histogram, b.histogram) && sameBits(a.barWidth[0], b.barWidth[0]) &&
         sameBits(a.barWidth[1], b.barWidth[1]) && a.sampleStdDev == b.sampleStdDev &&
         a.fitBarWidth == b.fitBarWidth && sameBits(a.columnWidth, b.columnWidth) &&
         a.percentile[0] == b.percentile[0] && a.percentile[1] == b.percentile[1] &&
         a.sliderPosition == b.sliderPosition && a.decimals == b.decimals &&
         a.relativeFrequency == b.relativeFrequency;
}

bool samePairs(const std::vector<FrequencyPair>& a, const std::vector<FrequencyPair>& b) {
  if (a.size() != b.size()) return false;
  for (size_t k = 0; k < a.size(); ++k)
    if (!sameBits(a[k].value, b[k].value) || !sameBits(a[k].frequency, b[k].frequency))
      return false;
  return true;
}

}  // namespace

void RefreshMemo::refreshSet(DataSet& set, const RefreshInputs& in, int i, SetDisplay& d) {
  Kept& k = kept[i == 1 ? 1 : 0];
  if (k.valid && sameInputs(k.in, in) && samePairs(k.pairs, set.pairs)) {
    // The same pairs are sorted already; the set gets what the refresh wrote.
    d = k.display;
    set.count = k.count;
    if (k.path >= static_cast<int>(SetPath::Empty)) {
      set.minimum = k.minimum;
      set.maximum = k.maximum;
      set.maxFrequency = k.maxFrequency;
    }
    if (k.path >= static_cast<int>(SetPath::Full)) {
      set.sumSquares = k.sumSquares;
      set.deviationScale = k.deviationScale;
    }
    return;
  }
  ++computed;
  k.path = static_cast<int>(tally::refreshSet(set, in, i, d));
  k.valid = true;
  k.in = in;
  k.pairs = set.pairs;
  k.display = d;
  k.count = set.count;
  k.minimum = set.minimum;
  k.maximum = set.maximum;
  k.maxFrequency = set.maxFrequency;
  k.sumSquares = set.sumSquares;
  k.deviationScale = set.deviationScale;
}

PointList relativeColumns(const PointList& columns, double observations) {
  PointList relative;
  if (!(observations > 0)) return relative;
  for (const WorldPoint& c : columns) relative.push_back({c.x, 100 * c.y / observations});
  return relative;
}

double fittedBarWidth(const DataSet& set, double columnWidth) {
  // Data around 0.001 under a 0.75 wide column, or half sizes 4.5, 5 overlapping.
  double gap = 0;
  for (size_t k = 1; k < set.pairs.size(); ++k) {
    const double g = set.pairs[k].value - set.pairs[k - 1].value;
    if (g > 0 && std::isfinite(g) && (gap == 0 || g < gap)) gap = g;
  }
  const double setting = discreteBarWidth(columnWidth);
  return gap > 0 ? std::min(setting, 0.75 * gap) : setting;
}

int sliderPercent(int position) { return 100 - std::clamp(position, 0, 100); }

std::string percentText(int p) { return formatInt("%d%%", p); }

double groupedPercentile(const PointList& classPoints, const Grouping& classes, double n, int p) {
  // p * n is a whole number, exact in a double, and so is its hundredth whenever
  // it is one: p / 100.0 * n would make 28% of 25 come out as 7.000000000000001.
  return groupedQuantile(classPoints, classes, p * n / 100);
}

double totalHeight(const PointList& columns) {
  double n = 0;
  for (const auto& c : columns) n += c.y;
  return n;
}

std::string percentileText(const DataSet& set, const PointList& classPoints,
                           const Grouping& classes, DataType type, int p, int decimals) {
  if (type == AlreadyGroupedContinuous)
    return statisticText(groupedPercentile(classPoints, classes, set.count, p), decimals);
  return statisticText(ungroupedPercentile(set, p), decimals);
}

bool isValidPercentileEntry(double p) { return p >= 0 && p <= 100; }

}  // namespace tally
