#include "core/stats/Statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "core/stats/ExactSum.h"
#include "core/stats/Refresh.h"

using namespace tally;

namespace {

// A sorted set with count written, as the refresh leaves it.
DataSet setOf(std::vector<FrequencyPair> pairs) {
  DataSet s;
  s.pairs = std::move(pairs);
  sortPairs(s);
  for (const auto& p : s.pairs) s.count += p.frequency;
  if (!s.pairs.empty()) {
    s.minimum = s.pairs.front().value;
    s.maximum = s.pairs.back().value;
  }
  return s;
}

DataSet oneTo(int n) {
  std::vector<FrequencyPair> p;
  for (int i = 1; i <= n; ++i) p.push_back({double(i), 1});
  return setOf(p);
}

PointList classPoints(const Grouping& g, std::vector<double> h) {
  PointList pts;
  for (size_t k = 0; k < h.size(); ++k) pts.push_back({g.midpoint(int(k)), h[k]});
  return pts;
}

}  // namespace

TEST(Quartiles, ByHalvesForAllFourParities) {
  struct Case {
    int n;
    double q1, median, q3;
  } cases[] = {
      // N = 2J+1, J odd (N = 7, J = 3): median rank 4; halves 1..3, 5..7.
      {7, 2, 4, 6},
      // N = 2J+1, J even (N = 9, J = 4): median rank 5; halves 1..4 -> (2+3)/2, 6..9 -> (7+8)/2.
      {9, 2.5, 5, 7.5},
      // N = 5, J = 2: halves 1..2 -> 1.5, 4..5 -> 4.5.
      {5, 1.5, 3, 4.5},
      // N = 2J, J even (N = 8, J = 4): median (4+5)/2; halves 1..4 -> 2.5, 5..8 -> 6.5.
      {8, 2.5, 4.5, 6.5},
      // N = 2J, J odd (N = 6, J = 3): median (3+4)/2; halves 1..3 -> 2, 4..6 -> 5.
      {6, 2, 3.5, 5},
      // N = 10, J = 5: median (5+6)/2; halves 1..5 -> 3, 6..10 -> 8.
      {10, 3, 5.5, 8},
  };
  for (const auto& c : cases) {
    Quartiles q = ungroupedQuartiles(oneTo(c.n));
    EXPECT_EQ(q.q1, c.q1) << "N=" << c.n;
    EXPECT_EQ(q.median, c.median) << "N=" << c.n;
    EXPECT_EQ(q.q3, c.q3) << "N=" << c.n;
  }
}

TEST(Quartiles, RanksCountEachPairItsWholeFrequency) {
  // 1,1,1,2,5,5 (N = 6): median (rank 3 + rank 4)/2 = (1+2)/2; Q1 rank 2 = 1; Q3 rank 5 = 5.
  Quartiles q = ungroupedQuartiles(setOf({{1, 3}, {2, 1}, {5, 2}}));
  EXPECT_EQ(q.median, 1.5);
  EXPECT_EQ(q.q1, 1);
  EXPECT_EQ(q.q3, 5);
  DataSet s = setOf({{1, 3}, {2, 1.9}});
  EXPECT_EQ(rankValue(s, 2, true), 1);  // rank 3 is also 1
  EXPECT_EQ(rankValue(s, 4, false), 2);  // 1.9 counts once
  EXPECT_EQ(rankValue(s, 5, false), 0);  // beyond the observations
}

TEST(Quartiles, TinyOrEmptySetsGiveNumbersNotCrashes) {
  for (int n = 0; n <= 3; ++n) {
    Quartiles q = ungroupedQuartiles(oneTo(n));
    EXPECT_TRUE(std::isfinite(q.q1) && std::isfinite(q.median) && std::isfinite(q.q3));
  }
}

TEST(UngroupedPercentile, InterpolatesBetweenNeighbours) {
  DataSet tens = setOf({{10, 1}, {20, 1}, {30, 1}, {40, 1}});
  // position (4-1)*25/100 + 1 = 1.75 -> 10 + 0.75*(20-10)
  EXPECT_EQ(ungroupedPercentile(tens, 25), 17.5);
  EXPECT_EQ(ungroupedPercentile(tens, 0), 10);
  EXPECT_EQ(ungroupedPercentile(tens, 100), 40);
  // position 2*75/100 + 1 = 2.5 -> -1 + 0.5*(0 - -1)
  EXPECT_EQ(ungroupedPercentile(setOf({{-2, 1}, {-1, 1}, {0, 1}}), 75), -0.5);
  // 1,1,1,5: position 2.5 lies between two copies of 1.
  EXPECT_EQ(ungroupedPercentile(setOf({{1, 3}, {5, 1}}), 50), 1);
  EXPECT_EQ(ungroupedPercentile(DataSet{}, 50), 0);
}

TEST(GroupedQuantile, InterpolatesInsideTheClass) {
  const Grouping g{0, 10, 3};
  PointList pts = classPoints(g, {2, 5, 3});
  // median: target 5 reached in class 1 (F = 7): 10 + (5-2)*10/5 = 16
  EXPECT_DOUBLE_EQ(groupedQuantile(pts, g, 5), 16);
  // Q1: 10 + (2.5-2)*10/5 = 11;  Q3: 20 + (7.5-7)*10/3 = 21.666...
  EXPECT_DOUBLE_EQ(groupedQuantile(pts, g, 2.5), 11);
  EXPECT_DOUBLE_EQ(groupedQuantile(pts, g, 7.5), 20 + 5.0 / 3);
  EXPECT_EQ(groupedQuantile(pts, g, 10), 30);
  EXPECT_EQ(groupedQuantile(pts, g, 11), -1);  // beyond the data
  EXPECT_EQ(groupedQuantile(pts, g, 0), 0);
  // Target 0 is the lower bound of the first filled class; none filled gives -1.
  EXPECT_EQ(groupedQuantile(classPoints(g, {0, 0, 4}), g, 0), 20);
  EXPECT_EQ(groupedQuantile(classPoints(g, {0, 0, 0}), g, 0), -1);
  // An empty middle class is passed over: target 3 lands in class 2 at 20 + (3-2)*10/3.
  EXPECT_DOUBLE_EQ(groupedQuantile(classPoints(g, {2, 0, 3}), g, 3), 20 + 10.0 / 3);
}

TEST(StandardDeviation, PopulationSampleAndTheUndefinedSample) {
  // 2,4,4,4,5,5,7,9: mean 5, squares 9+1+1+1+0+0+4+16 = 32; sqrt(32/8) = 2.
  EXPECT_EQ(standardDeviation(32, 8, false), 2);
  EXPECT_DOUBLE_EQ(standardDeviation(32, 8, true), std::sqrt(32.0 / 7));
  EXPECT_EQ(standardDeviationText(32, 8, false), "2");
  EXPECT_EQ(standardDeviationText(32, 8, true), "2.138");
  EXPECT_EQ(standardDeviationText(0, 1, true), "undefined");
  EXPECT_EQ(standardDeviationText(0, 1, false), "0");
  EXPECT_STREQ(standardDeviationCaption(true), "Std Dev.(s):");
  EXPECT_STREQ(standardDeviationCaption(false), "Std Dev.(p):");
}

// Ascending by value, equal values (0 and -0 among them) in their list order,
// whether few, many, sorted already or not.
TEST(SortPairs, AscendingWithEqualValuesInListOrder) {
  std::mt19937 random(9);
  for (const int size : {0, 1, 2, 50, 1000})
    for (const int spread : {3, 1000000}) {
      std::vector<FrequencyPair> pairs;
      for (int k = 0; k < size; ++k) {
        const int v = static_cast<int>(random() % static_cast<unsigned>(spread)) - spread / 2;
        pairs.push_back({v == 0 && k % 2 ? -0.0 : v / 4.0, static_cast<double>(k)});
      }
      for (const bool sortedFirst : {false, true}) {
        std::vector<FrequencyPair> expected = pairs;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const FrequencyPair& a, const FrequencyPair& b) {
                           return a.value < b.value;
                         });
        DataSet s;
        s.pairs = sortedFirst ? expected : pairs;
        sortPairs(s);
        ASSERT_EQ(s.pairs.size(), expected.size());
        for (size_t k = 0; k < expected.size(); ++k) {
          // The frequency is the pair's place in the list: equal values keep theirs.
          EXPECT_EQ(s.pairs[k].frequency, expected[k].frequency) << size << ", " << spread;
          EXPECT_EQ(std::signbit(s.pairs[k].value), std::signbit(expected[k].value));
        }
      }
    }
}

TEST(ExactSum, RoundsOnlyTheFinalSum) {
  const double big = 9007199254740992.0;  // 2^53
  struct Case {
    const char* what;
    std::vector<double> terms;
    double sum;
  } cases[] = {
      {"cancelling", {1e100, 1, -1e100}, 1},
      {"tenths", {0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1}, 1},
      {"tiny pieces that add up", {1, 1e-16, 1e-16}, 1.0000000000000002},
      // 2^53 - 0.5 - 2^-54 lies just below the tie 2^53 - 0.5: down to 2^53 - 1.
      {"below a tie", {big, -0.5, std::ldexp(-1.0, -54)}, big - 1},
      // 2^53 + 1 + 2^-100 lies just above the tie 2^53 + 1: up to 2^53 + 2.
      {"above a tie", {big, 1, std::ldexp(1.0, -100)}, big + 2},
      {"above a tie by the smallest double", {big, 1, std::ldexp(1.0, -1074)}, big + 2},
      {"exact tie to even", {big, 1}, big},
      {"nothing", {}, 0},
  };
  for (const Case& c : cases) {
    ExactSum s;
    for (double t : c.terms) s.add(t);
    EXPECT_EQ(s.value(), c.sum) << c.what;
  }
  // (1 + 2^-30)(1 - 2^-30) = 1 - 2^-60: the product's rounding error is kept.
  ExactSum p;
  p.addProduct(1 + std::ldexp(1.0, -30), 1 - std::ldexp(1.0, -30));
  p.add(-1);
  EXPECT_EQ(p.value(), -std::ldexp(1.0, -60));
}

namespace {

// Shewchuk's non-overlapping partials, rounded once at the end: a second way to
// the exactly rounded sum, for terms whose partial sums stay finite.
double sumOfPartials(const std::vector<double>& terms) {
  std::vector<double> partials;
  for (double x : terms) {
    size_t kept = 0;
    for (double y : partials) {
      if (std::fabs(x) < std::fabs(y)) std::swap(x, y);
      const double hi = x + y;
      const double lo = y - (hi - x);
      if (lo != 0) partials[kept++] = lo;
      x = hi;
    }
    partials.resize(kept);
    partials.push_back(x);
  }
  size_t n = partials.size();
  if (n == 0) return 0;
  double hi = partials[--n], lo = 0;
  while (n > 0) {
    const double x = hi, y = partials[--n];
    hi = x + y;
    lo = y - (hi - x);
    if (lo != 0) break;
  }
  if (n > 0 && ((lo < 0 && partials[n - 1] < 0) || (lo > 0 && partials[n - 1] > 0))) {
    const double y = lo * 2, x = hi + y;
    if (y == x - hi) hi = x;
  }
  return hi;
}

}  // namespace

// Terms of every size, sign and spacing, cancelling, below the smallest normal
// double and near the largest: the sum is the exactly rounded one.
TEST(ExactSum, AgreesWithPartialsOverTermsOfEverySize) {
  std::mt19937_64 random(11);
  auto term = [&random](int lowest, int highest) {
    std::uniform_int_distribution<int> exponent(lowest, highest);
    const double mantissa = 1 + static_cast<double>(random() >> 12) * std::ldexp(1.0, -52);
    return std::ldexp(random() % 2 ? mantissa : -mantissa, exponent(random));
  };
  struct Range {
    const char* what;
    int lowest, highest, count;
  } ranges[] = {{"near one", -10, 10, 50},
                {"wide apart", -600, 600, 40},
                {"below the normal doubles", -1080, -1000, 30},
                {"near the largest double", 1000, 1015, 20},
                {"everything", -1074, 1000, 60},
                {"many", -30, 30, 5000}};
  for (const Range& r : ranges)
    for (int round = 0; round < 200; ++round) {
      std::vector<double> terms;
      for (int k = 0; k < r.count; ++k) {
        terms.push_back(term(r.lowest, r.highest));
        // Now and then a term cancelled but for a little.
        if (k % 7 == 3)
          terms.push_back(-terms.back() + term(r.lowest, std::min(r.lowest + 40, r.highest)));
      }
      if (round % 3 == 0) terms.push_back(-sumOfPartials(terms));
      ExactSum s;
      for (double t : terms) s.add(t);
      const double expected = sumOfPartials(terms);
      ASSERT_EQ(s.value(), expected) << r.what << " round " << round;
      ASSERT_EQ(std::signbit(s.value()), std::signbit(expected) && expected != 0) << r.what;
    }
  ExactSum infinite;
  infinite.add(1);
  infinite.add(HUGE_VAL);
  EXPECT_EQ(infinite.value(), HUGE_VAL);
  infinite.add(-HUGE_VAL);
  EXPECT_TRUE(std::isnan(infinite.value()));
}

TEST(WeightedMean, ExactSumAvoidsOverflowAndCancellation) {
  // (-1.5e308 - 1e308 + 1e308 + 1.5e308 + 2) / 5 = 0.4: the partial sum -2.5e308
  // overflows unless the values are scaled.
  EXPECT_EQ(weightedMean({{-1.5e308, 1}, {-1e308, 1}, {1e308, 1}, {1.5e308, 1}, {2, 1}}), 0.4);
  EXPECT_EQ(weightedMean({{1.7e308, 3}, {-1.7e308, 3}, {6, 1}}), 6.0 / 7);
  EXPECT_EQ(weightedMean({{1.7976931348623157e308, 2}, {1.7976931348623157e308, 1}}),
            1.7976931348623157e308);
  EXPECT_EQ(weightedMean({{1e-320, 1}, {3e-320, 1}}), 2e-320);
  EXPECT_TRUE(std::isnan(weightedMean({{5, 0}})));
  // The spread keeps its scale mechanism: 1e300 +- 1e300 squares as 2e600.
  const SpreadSum spread = sumOfSquares({{0, 1}, {1e300, 1}, {2e300, 1}}, 1e300);
  EXPECT_NE(spread.scale, 1);
  EXPECT_EQ(standardDeviationText(spread.sumSquares, 3, true, spread.scale), "1e+300");
}

TEST(Modes, UngroupedLabels) {
  struct Case {
    std::vector<FrequencyPair> pairs;
    const char* text;
  } cases[] = {
      {{{2, 2}, {5, 2}, {9, 2}}, "(more than\n 2 modes)"},
      {{{-3, 2}, {0, 2}, {5, 1}}, "-3, 0"},
      {{{1, 1}, {2.5, 3}, {4, 2}}, "2.5"},
      // A later larger frequency forgets the earlier tie.
      {{{1, 2}, {2, 2}, {3, 2}, {4, 5}}, "4"},
  };
  for (const auto& c : cases) {
    ModeTracker m;
    for (const auto& p : c.pairs) m.offer(p.value, p.value, p.frequency);
    EXPECT_EQ(m.ungroupedText(), c.text);
  }
}

TEST(Modes, GroupedLabels) {
  ModeTracker two;
  two.offer(0, 10, 1);
  two.offer(10, 20, 4);
  two.offer(20, 30, 2);
  two.offer(30, 40, 4);
  EXPECT_EQ(two.groupedText(), "10 < 20\n 30 < 40");
  EXPECT_EQ(two.maxFrequency(), 4);

  // Both classes keep their bounds: 10.8 to 11.2 and 11.2 to 11.6, not "11 < 11".
  ModeTracker cut;
  cut.offer(10.8, 11.2, 3);
  cut.offer(11.2, 11.6, 3);
  EXPECT_EQ(cut.groupedText(), "10.8 < 11.2\n 11.2 < 11.6");
  // Bounds of millions keep every digit in both lines.
  ModeTracker large;
  large.offer(1234500, 1234600, 2);
  large.offer(1234600, 1234700, 2);
  EXPECT_EQ(large.groupedText(), "1234500 < 1234600\n 1234600 < 1234700");

  // Empty classes before the first filled one tie at 0 and are then forgotten.
  ModeTracker empty;
  empty.offer(0, 10, 0);
  empty.offer(10, 20, 0);
  empty.offer(20, 30, 0);
  empty.offer(30, 40, 2);
  empty.offer(40, 50, 1);
  EXPECT_EQ(empty.groupedText(), "30 < 40");

  ModeTracker three;
  for (int k = 0; k < 3; ++k) three.offer(k, k + 1, 1);
  EXPECT_EQ(three.groupedText(), "(more than\n 2 modes)");
}

TEST(BoxPlot, OutliersBeyondTheFencesAndWhiskersToTheLastValueInside) {
  // 1..8 and 30 (N = 9): Q1 2.5, median 5, Q3 7.5, IQR 5, fences -5 and 15.
  std::vector<FrequencyPair> p;
  for (int i = 1; i <= 8; ++i) p.push_back({double(i), 1});
  p.push_back({30, 1});
  DataSet s = setOf(p);
  Quartiles q = ungroupedQuartiles(s);
  ASSERT_EQ(q.q1, 2.5);
  ASSERT_EQ(q.q3, 7.5);
  BoxPlot left = buildBoxPlot(s, q, -1);
  EXPECT_EQ(left.outliers, (PointList{{-4, 30}}));
  ASSERT_EQ(left.lines.size(), 4u);
  EXPECT_EQ(left.lines[0], (PointList{{-3, 2.5}, {-5, 2.5}, {-5, 7.5}, {-3, 7.5}, {-3, 2.5}}));
  EXPECT_EQ(left.lines[1], (PointList{{-5, 5}, {-3, 5}}));
  EXPECT_EQ(left.lines[2], (PointList{{-4, 7.5}, {-4, 8}}));
  EXPECT_EQ(left.lines[3], (PointList{{-4, 2.5}, {-4, 1}}));

  // Set 2 on the right, with outliers on both sides; a value on a fence stays inside.
  DataSet t = setOf({{-20, 1}, {-5, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {99, 1}});
  Quartiles r = ungroupedQuartiles(t);  // Q1 (-5+2)/2 = -1.5, Q3 (6+7)/2 = 6.5, fences -13.5, 18.5
  BoxPlot right = buildBoxPlot(t, r, 1);
  EXPECT_EQ(right.outliers, (PointList{{4, -20}, {4, 99}}));
  EXPECT_EQ(right.lines[2], (PointList{{4, 6.5}, {4, 7}}));
  EXPECT_EQ(right.lines[3], (PointList{{4, -1.5}, {4, -5}}));
}

TEST(Ogive, CumulativePercentagesAtUpperBounds) {
  const Grouping g{0, 10, 3};
  EXPECT_EQ(buildOgive(classPoints(g, {2, 5, 3}), g, 10),
            (PointList{{0, 0}, {10, 20}, {20, 70}, {30, 100}}));
  // An empty first class gives no starting point at 0 %.
  EXPECT_EQ(buildOgive(classPoints(g, {0, 5, 5}), g, 10),
            (PointList{{10, 0}, {20, 50}, {30, 100}}));
}

TEST(Ranks, TotalsAbove2To53StayExact) {
  // 1 x 2^53, 2 x 1, 3 x 2^53: N = 2^54 + 1 is odd (a double would round it to
  // 2^54). The median is rank 2^53 + 1, the single 2; the halves 1..2^53 and
  // 2^53+2..N hold only 1s and only 3s.
  const double big = 9007199254740992.0;
  DataSet s = setOf({{1, big}, {2, 1}, {3, big}});
  Quartiles q = ungroupedQuartiles(s);
  EXPECT_EQ(q.median, 2);
  EXPECT_EQ(q.q1, 1);
  EXPECT_EQ(q.q3, 3);
  // Percentile 50: position 2^54 * 50/100 + 1 = 2^53 + 1, exactly.
  EXPECT_EQ(ungroupedPercentile(s, 50), 2);
  EXPECT_EQ(rankValue(s, big + 2, false), 3);
}

TEST(GroupedQuantile, PercentileTargetsAreExact) {
  // Classes 0-10, 10-20, 20-30 holding t, 0, n - t with t = p n / 100: the target
  // is reached exactly at the end of the first class, so percentile p is 10 (or,
  // for t = 0, the start of the first filled class, 20). 28% of 25 is the case
  // that once came out as 7.000000000000001 and slid past the empty class to 20.
  const Grouping g{0, 10, 3};
  for (int n = 1; n <= 400; ++n) {
    for (int p = 0; p <= 100; ++p) {
      if (p * n % 100 != 0) continue;
      const int t = p * n / 100;
      if (t == n) continue;  // nothing left for the third class
      const PointList pts = classPoints(g, {double(t), 0, double(n - t)});
      EXPECT_EQ(groupedPercentile(pts, g, n, p), t > 0 ? 10 : 20) << "p " << p << " n " << n;
    }
  }
}

TEST(StandardDeviation, NoFiniteValueIsBlankAndUndefinedIsOnlyForOneSample) {
  EXPECT_EQ(standardDeviationText(0, 1, true), "undefined");
  EXPECT_EQ(standardDeviationText(0, 0, true), "");
  EXPECT_EQ(standardDeviationText(0, 0, false), "");
  EXPECT_EQ(standardDeviationText(std::numeric_limits<double>::infinity(), 3, false), "");
  // A scaled sum of squares: 2 * 2^1000 squared, over 2 observations.
  EXPECT_EQ(standardDeviationText(2, 2, false, std::ldexp(1.0, 1000)),
            statisticText(std::ldexp(1.0, 1000)));
  EXPECT_EQ(statisticText(std::numeric_limits<double>::quiet_NaN()), "");
}
