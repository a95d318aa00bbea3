#include "core/stats/Refresh.h"

#include <gtest/gtest.h>

#include "core/stats/Statistics.h"
#include "SameResult.h"
#include "TestSets.h"

using namespace tally;

namespace {


RefreshInputs inputs(DataType type) {
  RefreshInputs in;
  in.type = type;
  double width = isContinuousType(type) ? kContinuousBarWidth : discreteBarWidth(1);
  in.barWidth[0] = in.barWidth[1] = width;
  return in;
}

}  // namespace

TEST(Refresh, ThreeDistinctValuesGetStatisticsTwoDoNot) {
  DataSet a = setOfValues({8, 4, 6}), b = setOfValues({4, 4, 6});
  RefreshResult r = refreshAnalysis(a, b, inputs(UngroupedDiscrete));
  EXPECT_TRUE(r.sets[0].hasStatistics);
  EXPECT_EQ(r.sets[0].labels.n, "3");
  EXPECT_EQ(a.pairs.front().value, 4);  // sorted by the refresh
  EXPECT_EQ(r.sets[0].columns, (PointList{{4, 1}, {6, 1}, {8, 1}}));
  EXPECT_FALSE(r.sets[1].hasStatistics);
  // Only n is shown, with the reason: 4, 4, 6 has two distinct values.
  EXPECT_TRUE(r.sets[1].tooFewValues);
  EXPECT_EQ(r.sets[1].labels.n, "3");
  r.sets[1].labels.n.clear();
  EXPECT_TRUE(r.sets[1].labels.empty());
  EXPECT_FALSE(r.sets[1].labels.extremeCaptionsEnabled.has_value());
  EXPECT_TRUE(r.sets[1].columns.empty());
  EXPECT_EQ(b.count, 2);  // the number of pairs, not of observations
}

TEST(Refresh, UngroupedLabelsAndBoxPlot) {
  DataSet a = setOfValues({3, 1, 2, 4, 5, 6, 7, 8}), b;
  RefreshInputs in = inputs(UngroupedDiscrete);
  in.percentile[0] = 25;
  RefreshResult r = refreshAnalysis(a, b, in);
  const SetLabels& l = r.sets[0].labels;
  EXPECT_EQ(l.n, "8");
  EXPECT_EQ(l.mean, "4.5");
  EXPECT_EQ(l.mode, "(more than\n 2 modes)");
  EXPECT_EQ(l.minimum, "1");
  EXPECT_EQ(l.q1, "2.5");
  EXPECT_EQ(l.median, "4.5");
  EXPECT_EQ(l.q3, "6.5");
  EXPECT_EQ(l.maximum, "8");
  EXPECT_EQ(l.range, "7");
  EXPECT_EQ(l.iqr, "4");
  // squares about 4.5: 2*(12.25 + 6.25 + 2.25 + 0.25) = 42; sqrt(42/8) = 2.2913
  EXPECT_EQ(l.stdDev, "2.291");
  EXPECT_EQ(a.sumSquares, 42);
  // position 7*25/100 + 1 = 2.75 -> 2.75
  EXPECT_EQ(l.percentile, "2.75");
  EXPECT_EQ(l.sliderPercentile, "");
  EXPECT_EQ(l.extremeCaptionsEnabled, std::optional<bool>(true));
  EXPECT_EQ(a.count, 8);
  EXPECT_EQ(a.minimum, 1);
  EXPECT_EQ(a.maximum, 8);
  EXPECT_EQ(a.maxFrequency, 1);
  // Set 1 is drawn left of the axis (R = -1).
  ASSERT_EQ(r.sets[0].boxLines.size(), 4u);
  EXPECT_EQ(r.sets[0].boxLines[1], (PointList{{-5, 4.5}, {-3, 4.5}}));
  EXPECT_TRUE(r.sets[0].outliers.empty());
  EXPECT_TRUE(r.sets[0].ogive.empty());
  EXPECT_EQ(r.sets[0].barWidth, 0.75);
}

TEST(Refresh, ScalesComeFromTheSetsOnShowOnly) {
  DataSet a = setOfValues({10, 20, 30}), b;
  RefreshInputs in = inputs(UngroupedDiscrete);
  // Set 2 never filled gives nothing: 10..30, margin 0.2*20 = 4.
  RefreshResult r = refreshAnalysis(a, b, in);
  ASSERT_TRUE(r.boxRangeSet);
  EXPECT_DOUBLE_EQ(r.boxYMin, 6);
  EXPECT_DOUBLE_EQ(r.boxYMax, 34);

  b = setOfValues({1, 2, 3, 3, 3, 3, 3, 3});
  refreshAnalysis(a, b, in);
  b.pairs.clear();  // emptied in the grid: its old extremes and frequency 6 are stale
  r = refreshAnalysis(a, b, in);
  EXPECT_FALSE(r.sets[1].hasStatistics);
  EXPECT_EQ(b.count, 0);
  EXPECT_DOUBLE_EQ(r.boxYMin, 6);
  EXPECT_DOUBLE_EQ(r.boxYMax, 34);
  // E = 1 (Set 1's), not the 6 threes of the emptied set.
  EXPECT_DOUBLE_EQ(r.yMax, 1.2);
  EXPECT_DOUBLE_EQ(r.xMax, 36);

  // Neither set on show: nothing to scale to.
  a.pairs.resize(2);
  r = refreshAnalysis(a, b, in);
  EXPECT_FALSE(r.boxRangeSet);
  EXPECT_FALSE(r.columnRangesSet);
}

TEST(Refresh, ColumnGraphRanges) {
  struct Case {
    std::initializer_list<double> set1, set2;
    double xMin, xMax, yMin, yMax;
    bool origin;
  } cases[] = {
      // a = 10 <= 0.5*30: x 1.2*10 .. 1.2*30, y 0 .. 1.2*E (E = 1)
      {{10, 20, 30}, {}, 12, 36, 0, 1.2, true},
      // 100 lies further from 0 than the data are wide: framed to 100..125 and the
      // half columns (99.625..125.375), a twentieth to spare, ticks of 5; y -0.2*E .. 1.2*E
      {{100, 110, 120}, {105, 115, 125}, 95, 130, -0.2, 1.2, false},
      // a = 10 <= 17.5
      {{10, 20, 30}, {15, 25, 35}, 12, 42, 0, 1.2, true},
      // E is the larger maxFrequency of the two sets (3 copies of 20).
      {{10, 20, 20, 20, 30}, {15, 25, 35}, 12, 42, 0, 3.6, true},
      // Years 1980..2020 (columns 1979.625..2020.375): ticks of 5 round 1977.6..2022.4.
      {{1980, 2000, 2020}, {}, 1975, 2025, -0.2, 1.2, false},
      // 996.6..1063.4 at ticks of 10; 995.6..1084.4 the same.
      {{1000, 1030, 1060}, {}, 990, 1070, -0.2, 1.2, false},
      {{1000, 1040, 1080}, {}, 990, 1090, -0.2, 1.2, false},
      // Three close values far out: the columns (0.75 wide) set the span, 0.95;
      // ticks of 0.2.
      {{5000, 5000.1, 5000.2}, {}, 4999.4, 5000.8, -0.2, 1.2, false},
      // Years 1995..2024 as the issue met them, heights 148..171 cm.
      {{1995, 2000, 2010, 2024}, {}, 1990, 2030, -0.2, 1.2, false},
      {{148, 155, 160, 171}, {150, 162}, 145, 175, -0.2, 1.2, false},
      // Temperatures hold 0: the window keeps 1.2a .. 1.2b with the origin.
      {{-12.5, 0, 8.3}, {}, -15, 1.2 * 8.3, 0, 1.2, true},
  };
  for (const auto& c : cases) {
    DataSet a = setOfValues(c.set1), b = setOfValues(c.set2);
    RefreshResult r = refreshAnalysis(a, b, inputs(UngroupedDiscrete));
    ASSERT_TRUE(r.columnRangesSet);
    EXPECT_DOUBLE_EQ(r.xMin, c.xMin);
    EXPECT_DOUBLE_EQ(r.xMax, c.xMax);
    EXPECT_DOUBLE_EQ(r.yMin, c.yMin);
    EXPECT_DOUBLE_EQ(r.yMax, c.yMax);
    EXPECT_EQ(r.originAlwaysViewable, c.origin);
  }
}

TEST(Refresh, AlreadyGroupedWithOneFilledClass) {
  DataSet a, b;
  a.pairs = {{12, 4}};
  RefreshInputs in = inputs(AlreadyGroupedContinuous);
  in.classes = Grouping{0, 10, 3};
  in.sliderPosition = 25;  // p = 75
  RefreshResult r = refreshAnalysis(a, b, in);
  const SetDisplay& d = r.sets[0];
  ASSERT_TRUE(d.hasStatistics);
  // One filled class shows statistics, so the column graphs get the classes' window
  // although neither set has more than two pairs: 0..1.2*30 by 0..1.2*4.
  EXPECT_TRUE(r.columnRangesSet);
  EXPECT_EQ(r.xMin, 0);
  EXPECT_EQ(r.xMax, 36);
  EXPECT_EQ(r.yMin, 0);
  EXPECT_DOUBLE_EQ(r.yMax, 4.8);
  EXPECT_EQ(d.barWidth, 10);
  EXPECT_EQ(d.columns, (PointList{{5, 0}, {15, 4}, {25, 0}}));
  EXPECT_EQ(d.labels.n, "4");
  EXPECT_EQ(d.labels.mean, "15");
  EXPECT_EQ(d.labels.mode, "10 < 20");
  EXPECT_EQ(d.labels.minimum, "");
  EXPECT_EQ(d.labels.maximum, "");
  EXPECT_EQ(d.labels.range, "");
  EXPECT_EQ(d.labels.extremeCaptionsEnabled, std::optional<bool>(false));
  // median target 2: 10 + 2*10/4 = 15; Q1 12.5, Q3 17.5
  EXPECT_EQ(d.labels.median, "15");
  EXPECT_EQ(d.labels.q1, "12.5");
  EXPECT_EQ(d.labels.q3, "17.5");
  EXPECT_EQ(d.labels.iqr, "5");
  EXPECT_EQ(d.labels.stdDev, "0");
  EXPECT_EQ(d.ogive, (PointList{{10, 0}, {20, 100}, {30, 100}}));
  // slider p = 75: target 3 -> 10 + 3*10/4
  EXPECT_EQ(d.sliderValue, 17.5);
  EXPECT_EQ(d.labels.sliderPercentile, "17.5");
  EXPECT_TRUE(r.sliderPercentShown);
  EXPECT_EQ(r.sliderPercent, 75);
  EXPECT_EQ(a.minimum, 0);
  EXPECT_EQ(a.maximum, 30);
  EXPECT_TRUE(d.boxLines.empty());

  in.sampleStdDev = true;
  a.pairs = {{12, 1}};
  r = refreshAnalysis(a, b, in);
  EXPECT_EQ(r.sets[0].labels.stdDev, "undefined");
}

TEST(Refresh, GroupedExampleAndRangesFromTheClasses) {
  // Classes 0-10, 10-20, 20-30 holding 2, 5, 3, plus a value beyond the classes.
  DataSet a, b;
  a.pairs = {{25, 3}, {1, 2}, {12, 5}, {31, 9}};
  RefreshInputs in = inputs(AlreadyGroupedContinuous);
  in.classes = Grouping{0, 10, 3};
  RefreshResult r = refreshAnalysis(a, b, in);
  const SetLabels& l = r.sets[0].labels;
  EXPECT_EQ(l.n, "10");
  EXPECT_EQ(l.mean, "16");  // (5*2 + 15*5 + 25*3)/10
  EXPECT_EQ(l.median, "16");
  EXPECT_EQ(l.q1, "11");
  // squares about 16: 2*121 + 5*1 + 3*81 = 490; sqrt(49) = 7
  EXPECT_EQ(l.stdDev, "7");
  ASSERT_TRUE(r.columnRangesSet);
  // a = 0, b = 30 from the classes: x 0 .. 36; E = 5
  EXPECT_DOUBLE_EQ(r.xMin, 0);
  EXPECT_DOUBLE_EQ(r.xMax, 36);
  EXPECT_DOUBLE_EQ(r.yMax, 6);
}

TEST(Refresh, EmptyMiddleClassStillCountsInTheDeviation) {
  DataSet a, b;
  a.pairs = {{1, 2}, {25, 2}};
  RefreshInputs in = inputs(AlreadyGroupedContinuous);
  in.classes = Grouping{0, 10, 3};
  RefreshResult r = refreshAnalysis(a, b, in);
  // mean (5*2 + 25*2)/4 = 15; squares 2*100 + 0 + 2*100 = 400; sqrt(400/4) = 10
  EXPECT_EQ(r.sets[0].labels.mean, "15");
  EXPECT_EQ(r.sets[0].labels.stdDev, "10");
  EXPECT_EQ(r.sets[0].labels.mode, "0 < 10\n 20 < 30");
}

TEST(Refresh, HistogramColumnsForContinuousData) {
  DataSet a = setOfValues({1, 2, 6, 7, 8, 12, 19, 19.5, 20}), b;
  RefreshInputs in = inputs(UngroupedContinuous);
  in.histogram = Grouping{0, 5, 4};
  RefreshResult r = refreshAnalysis(a, b, in);
  // [0,5): 1,2  [5,10): 6,7,8  [10,15): 12  [15,20): 19, 19.5; 20 is past the last column
  EXPECT_EQ(r.sets[0].columns, (PointList{{2.5, 2}, {7.5, 3}, {12.5, 1}, {17.5, 2}}));
  EXPECT_EQ(r.sets[0].barWidth, 5);
  EXPECT_EQ(a.maxFrequency, 3);
  EXPECT_EQ(r.sets[0].labels.maximum, "20");  // statistics still from the values
  EXPECT_DOUBLE_EQ(r.xMin, 0);
  EXPECT_DOUBLE_EQ(r.xMax, 24);
  EXPECT_DOUBLE_EQ(r.yMax, 3.6);

  // Discrete data ignore the histogram grouping.
  DataSet c = setOfValues({1, 2, 6}), d;
  RefreshInputs disc = inputs(GroupedDiscrete);
  disc.histogram = Grouping{0, 5, 4};
  r = refreshAnalysis(c, d, disc);
  EXPECT_EQ(r.sets[0].columns, (PointList{{1, 1}, {2, 1}, {6, 1}}));
  EXPECT_EQ(r.sets[0].barWidth, 0.75);
}

// Relative heights: each column's count as a percentage of the set's observations,
// those the columns or classes leave out included; the counts stay in `columns`
// for the statistics, and the frequency axis reaches 1.2 times the tallest share.
TEST(Refresh, RelativeFrequencyColumns) {
  struct Case {
    const char* what;
    DataType type;
    std::vector<FrequencyPair> set1;
    Grouping grouping;  // histogram (types 1, 3) or classes (type 4)
    PointList counts, percents;
    double yMax;
  } cases[] = {
      // 1, 2, 2, 3, 3, 3, 3, 4 (n = 8): 1/8 = 12.5%, 2/8 = 25%, 4/8 = 50%.
      {"discrete", UngroupedDiscrete, {{1, 1}, {2, 2}, {3, 4}, {4, 1}}, Grouping{},
       {{1, 1}, {2, 2}, {3, 4}, {4, 1}}, {{1, 12.5}, {2, 25}, {3, 50}, {4, 12.5}}, 60},
      // Histogram [0,5) [5,10): 1, 2 | 6, 7, 8; 20 lies past the columns but is one of
      // the 6 observations: 2/6 = 33.33%, 3/6 = 50%.
      {"histogram", UngroupedContinuous, {{1, 1}, {2, 1}, {6, 1}, {7, 1}, {8, 1}, {20, 1}},
       Grouping{0, 5, 2}, {{2.5, 2}, {7.5, 3}}, {{2.5, 100.0 * 2 / 6}, {7.5, 50}}, 60},
      // Classes 0-10, 10-20 holding 1 and 3, and 4 more beyond the classes (n = 8):
      // 12.5%, 37.5%.
      {"classes", AlreadyGroupedContinuous, {{5, 1}, {15, 3}, {25, 4}}, Grouping{0, 10, 2},
       {{5, 1}, {15, 3}}, {{5, 12.5}, {15, 37.5}}, 45},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RefreshInputs in = inputs(c.type);
    if (c.type == AlreadyGroupedContinuous)
      in.classes = c.grouping;
    else
      in.histogram = c.grouping;
    for (bool relative : {false, true}) {
      DataSet a, b;
      a.pairs = c.set1;
      in.relativeFrequency = relative;
      const RefreshResult r = refreshAnalysis(a, b, in);
      ASSERT_TRUE(r.sets[0].hasStatistics);
      EXPECT_EQ(r.sets[0].columns, c.counts);
      const PointList& drawn = r.sets[0].graphColumns;
      const PointList& expected = relative ? c.percents : c.counts;
      ASSERT_EQ(drawn.size(), expected.size());
      for (size_t k = 0; k < drawn.size(); ++k) {
        EXPECT_EQ(drawn[k].x, expected[k].x);
        EXPECT_DOUBLE_EQ(drawn[k].y, expected[k].y);
      }
      double tallest = 0;
      for (const WorldPoint& p : c.counts) tallest = std::max(tallest, p.y);
      EXPECT_DOUBLE_EQ(r.yMax, relative ? c.yMax : 1.2 * tallest);
      // The statistics never change with the way the columns are drawn.
      EXPECT_EQ(r.sets[0].labels.n, c.type == AlreadyGroupedContinuous
                                        ? valueText(totalHeight(c.counts))
                                        : valueText(static_cast<double>(observationCount(a))));
    }
  }
  EXPECT_TRUE(relativeColumns({{1, 3}}, 0).empty());
}

// The box plot's marks: the mean on the box's centre line (x = 4R) and the five
// numbers with the Statistics page's texts, in the chosen decimals.
TEST(Refresh, BoxPlotMarksTheMeanAndTheFiveNumbers) {
  // Set 1: 1, 2, 3, 4, 20 -> mean 6, Q1 1.5, median 3, Q3 12 (halves 1,2 and 4,20).
  // Set 2: 2, 4, 4, 5 -> mean 3.75, Q1 3, median 4, Q3 4.5.
  DataSet a = setOfValues({1, 2, 3, 4, 20}), b = setOfValues({2, 4, 4, 5});
  RefreshInputs in = inputs(UngroupedDiscrete);
  in.decimals = 2;
  RefreshResult r = refreshAnalysis(a, b, in);
  ASSERT_TRUE(r.sets[0].boxMarks);
  EXPECT_EQ(r.sets[0].boxMean, (WorldPoint{-4, 6}));
  EXPECT_EQ(r.sets[1].boxMean, (WorldPoint{4, 3.75}));
  const std::pair<double, std::string> expected[2][5] = {
      {{1, "1"}, {1.5, "1.50"}, {3, "3.00"}, {12, "12.00"}, {20, "20"}},
      {{2, "2"}, {3, "3.00"}, {4, "4.00"}, {4.5, "4.50"}, {5, "5"}}};
  for (int s = 0; s < 2; ++s) {
    const SetDisplay& d = r.sets[s];
    ASSERT_EQ(d.boxValues.size(), 5u);
    for (int k = 0; k < 5; ++k) {
      EXPECT_EQ(d.boxValues[k].value, expected[s][k].first) << s << " " << k;
      EXPECT_EQ(d.boxValues[k].text, expected[s][k].second) << s << " " << k;
    }
    EXPECT_EQ(d.boxValues[1].text, d.labels.q1);
    EXPECT_EQ(d.boxValues[4].text, d.labels.maximum);
  }
  // Already grouped data draw an ogive, not a box: no marks.
  DataSet c, e;
  c.pairs = {{5, 2}, {15, 3}};
  RefreshInputs g = inputs(AlreadyGroupedContinuous);
  g.classes = Grouping{0, 10, 2};
  r = refreshAnalysis(c, e, g);
  ASSERT_TRUE(r.sets[0].hasStatistics);
  EXPECT_FALSE(r.sets[0].boxMarks);
  EXPECT_TRUE(r.sets[0].boxValues.empty());
}

TEST(Refresh, UnusableClassesBlankTheSetInsteadOfFailing) {
  DataSet a, b;
  a.pairs = {{1, 2}, {2, 3}};
  RefreshInputs in = inputs(AlreadyGroupedContinuous);
  in.classes = Grouping{0, 0, 10};
  RefreshResult r = refreshAnalysis(a, b, in);
  EXPECT_FALSE(r.sets[0].hasStatistics);
  EXPECT_EQ(a.count, 0);
}

TEST(PartialUpdates, SliderSpinAndCycle) {
  EXPECT_EQ(sliderPercent(0), 100);
  EXPECT_EQ(sliderPercent(30), 70);
  EXPECT_EQ(sliderPercent(100), 0);
  EXPECT_EQ(percentText(70), "70%");

  const Grouping g{0, 10, 3};
  PointList classes{{5, 2}, {15, 5}, {25, 3}};
  DataSet grouped;
  grouped.count = 10;
  EXPECT_DOUBLE_EQ(groupedPercentile(classes, g, 10, 50), 16);
  EXPECT_EQ(percentileText(grouped, classes, g, AlreadyGroupedContinuous, 25), "11");
  EXPECT_EQ(percentileText(grouped, classes, g, AlreadyGroupedContinuous, 100), "30");

  DataSet tens = setOfValues({10, 20, 30, 40});
  tens.count = 4;
  EXPECT_EQ(percentileText(tens, {}, g, UngroupedDiscrete, 25), "17.5");

  EXPECT_TRUE(isValidPercentileEntry(0));
  EXPECT_TRUE(isValidPercentileEntry(100));
  EXPECT_FALSE(isValidPercentileEntry(-5));
  EXPECT_FALSE(isValidPercentileEntry(101));

  // Cycle twice: sample and back to the same population text.
  DataSet a = setOfValues({2, 4, 4, 4, 5, 5, 7, 9}), b;
  RefreshResult r = refreshAnalysis(a, b, inputs(UngroupedDiscrete));
  EXPECT_EQ(r.sets[0].labels.stdDev, "2");
  EXPECT_EQ(standardDeviationText(a.sumSquares, a.count, true), "2.138");
  EXPECT_EQ(standardDeviationText(a.sumSquares, a.count, false), r.sets[0].labels.stdDev);
}

TEST(Refresh, ExtremeMagnitudesGiveFiniteStatisticsOrBlanks) {
  // Worked by hand: deviations of +-1 unit about the middle value give the
  // population deviation sqrt(2/3) = 0.8165 units; four values 0.2 apart give
  // sqrt((0.09 + 0.01 + 0.01 + 0.09)/4) = 0.2236 units.
  struct Case {
    const char* what;
    std::initializer_list<double> values;
    const char *mean, *q1, *median, *q3, *range, *iqr, *stdDev, *p25;
  } cases[] = {
      {"squares overflow", {1e300, 2e300, 3e300}, "2e+300", "1e+300", "2e+300", "3e+300",
       "2e+300", "2e+300", "8.165e+299", "1.5e+300"},
      {"squares underflow", {1e-300, 2e-300, 3e-300}, "2e-300", "1e-300", "2e-300", "3e-300",
       "2e-300", "2e-300", "8.165e-301", "1.5e-300"},
      {"sums overflow", {1e308, 1.2e308, 1.4e308, 1.6e308}, "1.3e+308", "1.1e+308", "1.3e+308",
       "1.5e+308", "6e+307", "4e+307", "2.236e+307", "1.15e+308"},
      // Range and IQR span more than the largest double: blank, never "inf".
      {"two signs", {-1.6e308, 0, 1.6e308}, "0", "-1.6e+308", "0", "1.6e+308", "", "", "1.306e+308",
       "-8e+307"},
  };
  for (const auto& c : cases) {
    DataSet a = setOfValues(c.values), b;
    RefreshInputs in = inputs(UngroupedDiscrete);
    in.percentile[0] = 25;
    const SetLabels l = refreshAnalysis(a, b, in).sets[0].labels;
    EXPECT_EQ(l.mean, c.mean) << c.what;
    EXPECT_EQ(l.q1, c.q1) << c.what;
    EXPECT_EQ(l.median, c.median) << c.what;
    EXPECT_EQ(l.q3, c.q3) << c.what;
    EXPECT_EQ(l.range, c.range) << c.what;
    EXPECT_EQ(l.iqr, c.iqr) << c.what;
    EXPECT_EQ(l.stdDev, c.stdDev) << c.what;
    EXPECT_EQ(l.percentile, c.p25) << c.what;
    // Cycle recomputes from what the set keeps: same population text back.
    EXPECT_EQ(standardDeviationText(a.sumSquares, a.count, false, a.deviationScale), c.stdDev)
        << c.what;
  }
}

TEST(Refresh, SumsBehindTheMeanAndDeviationAreExact) {
  // Worked with exact fractions: the large values cancel and leave the small ones,
  // which a running double sum loses (it showed 0 for the first).
  struct Case {
    std::initializer_list<double> values;
    const char *mean, *population, *sample;
  } cases[] = {
      // (2 + 0) / 5; squares 2(1.5e308)^2 + 2(1e308)^2 = 6.5e616 over 5 and 4.
      {{-1.5e308, -1e308, 1e308, 1.5e308, 2}, "0.4", "1.14e+308", "1.275e+308"},
      {{1e16, 1, -1e16}, "0.3333", "8.165e+15", "1e+16"},
      {{1e100, 1, -1e100, 2}, "0.75", "7.071e+99", "8.165e+99"},
      // A tiny value beside the largest ones keeps its digits.
      {{1e308, -1e308, 1e-300}, "3.333e-301", "8.165e+307", "1e+308"},
      // 0.1 + 0.2 + 0.3 is 0.6000000000000001 in a running sum.
      {{0.1, 0.2, 0.3}, "0.2", "0.08165", "0.1"},
  };
  for (const auto& c : cases) {
    DataSet a = setOfValues(c.values), b;
    const SetLabels l = refreshAnalysis(a, b, inputs(UngroupedDiscrete)).sets[0].labels;
    EXPECT_EQ(l.mean, c.mean) << c.mean;
    EXPECT_EQ(l.stdDev, c.population) << c.mean;
    EXPECT_EQ(standardDeviationText(a.sumSquares, a.count, true, a.deviationScale), c.sample)
        << c.mean;
  }
  // Frequencies weigh exactly too: 0.1 three times and 0.4 once average 0.175.
  DataSet a, b;
  a.pairs = {{0.1, 3}, {0.4, 1}, {0.25, 0}};
  a.pairs.push_back({0.3, 0.5});  // a count below one holds no observation
  RefreshResult r = refreshAnalysis(a, b, inputs(GroupedDiscrete));
  EXPECT_EQ(r.sets[0].labels.mean, "0.175");
  EXPECT_EQ(formatStatistic(weightedMean({{0.1, 3}, {0.4, 1}}), 6), "0.175000");
}

TEST(Refresh, DecimalsApplyToComputedStatisticsOnly) {
  // 2009, 2010, 2012: mean 2010.333, population deviation sqrt(14/9) = 1.2472,
  // Q1 2009, median 2010, Q3 2012.
  struct Case {
    int decimals;
    const char *mean, *median, *stdDev, *p25;
  } cases[] = {
      {kAutoDecimals, "2010", "2010", "1.247", "2010"},  // four digits: 2009.5 rounds up
      {0, "2010", "2010", "1", "2010"},  // 2009.5 rounds half up
      {2, "2010.33", "2010.00", "1.25", "2009.50"},
      {6, "2010.333333", "2010.000000", "1.247219", "2009.500000"},
  };
  for (const auto& c : cases) {
    DataSet a = setOfValues({2012, 2009, 2010}), b;
    RefreshInputs in = inputs(UngroupedDiscrete);
    in.decimals = c.decimals;
    in.percentile[0] = 25;
    const SetLabels l = refreshAnalysis(a, b, in).sets[0].labels;
    EXPECT_EQ(l.mean, c.mean) << c.decimals;
    EXPECT_EQ(l.median, c.median) << c.decimals;
    EXPECT_EQ(l.stdDev, c.stdDev) << c.decimals;
    EXPECT_EQ(l.percentile, c.p25) << c.decimals;
    EXPECT_EQ(percentileText(a, {}, Grouping{}, UngroupedDiscrete, 25, c.decimals), c.p25);
    // Values and counts keep their own digits.
    EXPECT_EQ(l.n, "3");
    EXPECT_EQ(l.minimum, "2009");
    EXPECT_EQ(l.maximum, "2012");
    EXPECT_EQ(l.range, "3");
    EXPECT_EQ(l.mode, "(more than\n 2 modes)");
  }
}

TEST(Refresh, LargeValuesAndCountsShowEveryDigit) {
  // "1.23457e+06" beside Q1 "1234567" before; n of a million was "1e+06".
  DataSet a = setOfValues({1234567, 5000000, 9876543}), b;
  const SetLabels l = refreshAnalysis(a, b, inputs(UngroupedDiscrete)).sets[0].labels;
  EXPECT_EQ(l.minimum, "1234567");
  EXPECT_EQ(l.maximum, "9876543");
  EXPECT_EQ(l.range, "8641976");
  EXPECT_EQ(l.q1, "1234567");
  DataSet many, none;
  many.pairs = {{1, 400000}, {2, 500000}, {3, 100000}};
  EXPECT_EQ(refreshAnalysis(many, none, inputs(GroupedDiscrete)).sets[0].labels.n, "1000000");
}

TEST(Refresh, DecimalClassesCountEveryValueOnce) {
  // 0.05 0.3 0.6 0.7 in columns of 0.1 from 0: each value in the column its label
  // names (0.3 in "0.3 - < 0.4", 0.6 in "0.6 - < 0.7"), four in all for n = 4.
  DataSet a = setOfValues({0.05, 0.3, 0.6, 0.7}), b;
  RefreshInputs in = inputs(UngroupedContinuous);
  in.histogram = Grouping{0, 0.1, 10};
  RefreshResult r = refreshAnalysis(a, b, in);
  std::vector<double> heights;
  for (const auto& c : r.sets[0].columns) heights.push_back(c.y);
  EXPECT_EQ(heights, (std::vector<double>{1, 0, 0, 1, 0, 0, 1, 1, 0, 0}));
  EXPECT_EQ(r.sets[0].labels.n, "4");

  // The same values as already grouped data: midpoints 0.35, 0.65, 0.75 give the
  // mean 1.75/3 = 0.5833 and the median 0.6 + (1.5 - 1)*0.1/1 = 0.65.
  DataSet c = setOfValues({0.3, 0.6, 0.7}), d;
  in = inputs(AlreadyGroupedContinuous);
  in.classes = Grouping{0, 0.1, 10};
  r = refreshAnalysis(c, d, in);
  EXPECT_EQ(r.sets[0].labels.n, "3");
  EXPECT_EQ(r.sets[0].labels.mean, "0.5833");
  EXPECT_EQ(r.sets[0].labels.median, "0.65");
}

TEST(Refresh, NCountsWholeObservationsOnly) {
  // Frequencies as already grouped data may leave them: 2.5 counts 2; a frequency
  // beyond 2^53 is no count. n, the columns and the ranks agree for every type.
  for (DataType type : {UngroupedDiscrete, GroupedDiscrete, GroupedContinuous,
                        AlreadyGroupedContinuous}) {
    DataSet a, b;
    a.pairs = {{1, 2.5}, {12, 1}, {25, 1}, {27, 1e308}};
    RefreshInputs in = inputs(type);
    in.classes = Grouping{0, 10, 3};
    in.histogram = Grouping{0, 10, 3};
    RefreshResult r = refreshAnalysis(a, b, in);
    double columns = 0;
    for (const auto& c : r.sets[0].columns) columns += c.y;
    EXPECT_EQ(r.sets[0].labels.n, "4") << "type " << type;
    EXPECT_EQ(a.count, 4) << "type " << type;
    EXPECT_EQ(columns, 4) << "type " << type;
    EXPECT_NE(r.sets[0].labels.mean, "") << "type " << type;
  }
}

TEST(Refresh, OgiveSliderHitsExactTargets) {
  // Classes 0-10, 10-20, 20-30 holding 7, 0, 18 (n = 25): 28% is 7 observations,
  // reached at the end of the first class: 10, on the spin control and the slider.
  DataSet a, b;
  a.pairs = {{0, 7}, {20, 18}};
  RefreshInputs in = inputs(AlreadyGroupedContinuous);
  in.classes = Grouping{0, 10, 3};
  in.percentile[0] = 28;
  in.sliderPosition = 72;
  RefreshResult r = refreshAnalysis(a, b, in);
  EXPECT_EQ(r.sets[0].labels.percentile, "10");
  EXPECT_EQ(r.sets[0].sliderValue, 10);
  EXPECT_EQ(r.sets[0].labels.sliderPercentile, "10");
}

TEST(Refresh, RangesBeyondTheDoublesAreNotHanded) {
  // 1.2 x 1.6e308 is no double: the column graphs keep their window, and the box
  // plot's margin of 0.2 x 3.2e308 on both sides would not fit either.
  DataSet a = setOfValues({-1.6e308, 0, 1.6e308}), b;
  RefreshResult r = refreshAnalysis(a, b, inputs(UngroupedDiscrete));
  EXPECT_TRUE(r.sets[0].hasStatistics);
  EXPECT_FALSE(r.columnRangesSet);
  EXPECT_FALSE(r.boxRangeSet);
  // Ordinary extremes still get both.
  a = setOfValues({1e300, 2e300, 3e300});
  r = refreshAnalysis(a, b, inputs(UngroupedDiscrete));
  EXPECT_TRUE(r.columnRangesSet);
  EXPECT_TRUE(r.boxRangeSet);
}

TEST(Refresh, AColumnStandingAtZeroIsShownWhole) {
  // 0 0 1 1 1 2 2 2 2 3 4: the column at 0 (width 0.75) spans -0.375..0.375;
  // a = -0.375 <= 0.5 b, so x-min = 1.2 a = -0.45.
  DataSet a = setOfValues({0, 0, 1, 1, 1, 2, 2, 2, 2, 3, 4}), b;
  RefreshResult r = refreshAnalysis(a, b, inputs(UngroupedDiscrete));
  ASSERT_TRUE(r.columnRangesSet);
  EXPECT_DOUBLE_EQ(r.xMin, -0.45);
  EXPECT_DOUBLE_EQ(r.xMax, 4.8);
}

TEST(Refresh, BoxRangeIsFramedToDataFarFromZero) {
  struct Case {
    std::initializer_list<double> set1;
    double min, max;
  } cases[] = {
      // Years 1995..2024 and heights 148..171: nice ticks round the data.
      {{1995, 2000, 2010, 2024}, 1990, 2030},
      {{148, 155, 160, 171}, 145, 175},
      // 10..30: 0 is near, the plain fifth to spare stays.
      {{10, 20, 30}, 6, 34},
  };
  for (const auto& c : cases) {
    DataSet a = setOfValues(c.set1), b;
    const RefreshResult r = refreshAnalysis(a, b, inputs(UngroupedDiscrete));
    ASSERT_TRUE(r.boxRangeSet);
    EXPECT_DOUBLE_EQ(r.boxYMin, c.min);
    EXPECT_DOUBLE_EQ(r.boxYMax, c.max);
  }
}

TEST(Refresh, ValuesOutsideTheColumnsOrClassesAreNamed) {
  struct Case {
    const char* what;
    DataType type;
    std::initializer_list<double> set;
    bool statistics;
    std::string text;
  } cases[] = {
      {"histogram columns", UngroupedContinuous, {5, 7, 20, 21}, true,
       "2 values outside the columns: 20, 21"},
      {"grouped continuous", GroupedContinuous, {1, 3, 5, 20}, true,
       "1 value outside the columns: 20"},
      {"already grouped", AlreadyGroupedContinuous, {1, 3, 5, 20}, true,
       "1 value outside the classes: 20"},
      // No class holds a value: the set is blank but still says why.
      {"every value outside", AlreadyGroupedContinuous, {30, 40, 50}, false,
       "3 values outside the classes: 30, 40, 50"},
      {"every value inside", UngroupedContinuous, {1, 3, 5, 19}, true, ""},
      // Discrete columns stand at every value: nothing to leave out.
      {"discrete", UngroupedDiscrete, {1, 3, 5, 20}, true, ""},
  };
  for (const Case& c : cases) {
    RefreshInputs in = inputs(c.type);
    in.classes = {0, 2, 10};
    in.histogram = {0, 2, 10};
    DataSet a = setOfValues(c.set), b;
    const RefreshResult r = refreshAnalysis(a, b, in);
    EXPECT_EQ(r.sets[0].hasStatistics, c.statistics) << c.what;
    EXPECT_EQ(r.sets[0].outsideText, c.text) << c.what;
    EXPECT_EQ(r.sets[1].outsideText, "") << c.what;
  }
}

// A refresh that keeps each set's last refresh computes only a set whose pairs or
// inputs changed, and gives, digit for digit, what refreshing both anew gives.
TEST(Refresh, AKeptRefreshComputesOnlyTheSetThatChanged) {
  struct Step {
    const char* what;
    int setChanged;      // -1: neither set's pairs change
    bool inputsChange;
    long computed;       // sets computed by the step
  } steps[] = {{"first refresh", -1, false, 2},
               {"nothing changed", -1, false, 0},
               {"a value of set 1", 0, false, 1},
               {"a value of set 2", 1, false, 1},
               {"the percentile of set 2", -1, true, 2},
               {"a value of set 1 again", 0, false, 1}};
  DataSet sets[2] = {setOfValues({3, 1, 4, 1, 5, 9, 2, 6}), setOfValues({2, 7, 1, 8, 2, 8, 1, 8})};
  RefreshInputs in = inputs(UngroupedContinuous);
  in.histogram = Grouping{0, 2, 5};
  RefreshMemo memo;
  double shift = 0;
  for (const Step& step : steps) {
    if (step.setChanged >= 0) sets[step.setChanged].pairs[0].value = 10 + (shift += 0.25);
    if (step.inputsChange) in.percentile[1] = 80;
    DataSet fresh[2] = {sets[0], sets[1]};
    const long before = memo.computedSets();
    const RefreshResult kept = refreshAnalysis(sets[0], sets[1], in, memo);
    const RefreshResult full = refreshAnalysis(fresh[0], fresh[1], in);
    EXPECT_EQ(memo.computedSets() - before, step.computed) << step.what;
    same::expectSameResult(kept, full, step.what);
    for (int s = 0; s < 2; ++s) same::expectSameSet(sets[s], fresh[s], step.what);
  }
  // A set too small for statistics keeps the extremes its last full refresh gave
  // it, as refreshing anew does: only its count is written.
  sets[1].pairs.resize(2);
  sets[1].minimum = -7;
  DataSet fresh[2] = {sets[0], sets[1]};
  const RefreshResult first = refreshAnalysis(sets[0], sets[1], in, memo);
  sets[1].minimum = -8;
  fresh[1].minimum = -8;
  const RefreshResult kept = refreshAnalysis(sets[0], sets[1], in, memo);
  const RefreshResult full = refreshAnalysis(fresh[0], fresh[1], in);
  same::expectSameResult(kept, full, "two values");
  same::expectSameSet(sets[1], fresh[1], "two values");
  EXPECT_EQ(sets[1].minimum, -8);
  EXPECT_FALSE(first.sets[1].hasStatistics);
}
