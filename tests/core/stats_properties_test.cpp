// Properties a statistician would check, over generated data sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "core/NumberText.h"
#include "core/stats/Refresh.h"
#include "core/stats/Statistics.h"

using namespace tally;

namespace {

// Values are multiples of 1/4 so that shifting by a quarter-multiple is exact.
std::vector<DataSet> generatedSets() {
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<int> pairCount(3, 40), quarter(-400, 400), freq(1, 5);
  std::vector<DataSet> sets;
  for (int s = 0; s < 60; ++s) {
    DataSet d;
    int m = pairCount(rng);
    for (int i = 0; i < m; ++i) {
      double v = quarter(rng) / 4.0;
      bool seen = false;
      for (auto& p : d.pairs)
        if (p.value == v) seen = true;
      if (!seen) d.pairs.push_back({v, double(freq(rng))});
    }
    sortPairs(d);
    for (const auto& p : d.pairs) d.count += p.frequency;
    sets.push_back(d);
  }
  return sets;
}

DataSet shifted(const DataSet& d, double c) {
  DataSet s = d;
  for (auto& p : s.pairs) p.value += c;
  return s;
}

double mean(const DataSet& d) {
  double sum = 0;
  for (const auto& p : d.pairs) sum += p.value * p.frequency;
  return sum / d.count;
}

double sumSquares(const DataSet& d) {
  double m = mean(d), ss = 0;
  for (const auto& p : d.pairs) ss += p.frequency * (p.value - m) * (p.value - m);
  return ss;
}

// The window's refresh of one set, as Set 1 with Set 2 empty.
RefreshResult refreshed(DataSet& d) {
  DataSet empty;
  return refreshAnalysis(d, empty, RefreshInputs());
}

double number(const std::string& label) {
  double v = 0;
  EXPECT_TRUE(parseNumber(label, v)) << label;
  return v;
}

}  // namespace

TEST(StatisticsProperties, ShiftMovesLocationAndKeepsSpread) {
  for (double c : {7.25, -103.5}) {
    for (const DataSet& original : generatedSets()) {
      // Fewer than three distinct values show no statistics at all.
      if (original.pairs.size() < 3) continue;
      DataSet d = original, e = shifted(original, c);
      const SetLabels a = refreshed(d).sets[0].labels, b = refreshed(e).sets[0].labels;
      // The refresh's sum of squares against the naive one, then unchanged by the shift.
      EXPECT_NEAR(d.sumSquares, sumSquares(original), 1e-9 * (1 + sumSquares(original)));
      EXPECT_NEAR(e.sumSquares, d.sumSquares, 1e-9 * (1 + d.sumSquares));
      EXPECT_EQ(b.stdDev, a.stdDev);
      EXPECT_EQ(e.maximum - e.minimum, d.maximum - d.minimum);
      EXPECT_EQ(b.range, a.range);
      // The mean label, to its four significant digits, moves with the data.
      const double m = mean(original) + c;
      EXPECT_NEAR(number(b.mean), m, 5e-4 * std::max(1.0, std::abs(m)));

      Quartiles q = ungroupedQuartiles(d), r = ungroupedQuartiles(e);
      EXPECT_EQ(r.q1, q.q1 + c);
      EXPECT_EQ(r.median, q.median + c);
      EXPECT_EQ(r.q3, q.q3 + c);
      EXPECT_EQ(r.q3 - r.q1, q.q3 - q.q1);
      EXPECT_EQ(b.iqr, a.iqr);
      for (int p = 0; p <= 100; p += 5)
        EXPECT_NEAR(ungroupedPercentile(e, p), ungroupedPercentile(d, p) + c, 1e-9) << p;
    }
  }
}

TEST(StatisticsProperties, PercentileNeverFallsAsPRisesAndSpansTheData) {
  for (const DataSet& d : generatedSets()) {
    double previous = ungroupedPercentile(d, 0);
    EXPECT_EQ(previous, d.pairs.front().value);
    for (int p = 1; p <= 100; ++p) {
      double v = ungroupedPercentile(d, p);
      EXPECT_GE(v, previous) << "p=" << p;
      previous = v;
    }
    EXPECT_EQ(previous, d.pairs.back().value);
    Quartiles q = ungroupedQuartiles(d);
    EXPECT_LE(q.q1, q.median);
    EXPECT_LE(q.median, q.q3);
  }
}

// One value per class, each at its class's lower bound: the grouped quantile of
// target t is then start + t*w (t observations lie wholly below, the interpolation
// runs through a class holding one). The ungrouped median of the same N values is
// start + (N/2 - 1/2)*w for either parity, so the grouped median sits exactly half
// a class above it. For the quartiles the halves rule matters: with N even each
// half has J = N/2 values and its median is start + (N/4 - 1/2)*w (or the mirror
// for Q3), again half a class below the grouped one; with N odd the median is left
// out of both halves, which pulls Q1 a further quarter class down and Q3 a quarter
// class up (3/4 and 1/4 class from the grouped values). So the two agree, after
// the half-class shift that turns a lower bound into a midpoint, for the median at
// every N and for the quartiles at even N only; those are the cases checked.
TEST(StatisticsProperties, GroupedAndUngroupedQuartilesAgreeForOneValuePerClass) {
  const double start = 5, w = 2;
  for (int N = 4; N <= 41; ++N) {
    Grouping g{start, w, N};
    DataSet lowerBounds;
    PointList classes;
    for (int k = 0; k < N; ++k) {
      lowerBounds.pairs.push_back({g.lower(k), 1});
      classes.push_back({g.midpoint(k), 1});
    }
    lowerBounds.count = N;
    Quartiles u = ungroupedQuartiles(lowerBounds);
    EXPECT_DOUBLE_EQ(groupedQuantile(classes, g, 0.5 * N), u.median + w / 2) << "N=" << N;
    if (N % 2 == 0) {
      EXPECT_DOUBLE_EQ(groupedQuantile(classes, g, 0.25 * N), u.q1 + w / 2) << "N=" << N;
      EXPECT_DOUBLE_EQ(groupedQuantile(classes, g, 0.75 * N), u.q3 + w / 2) << "N=" << N;
    } else {
      EXPECT_DOUBLE_EQ(groupedQuantile(classes, g, 0.25 * N), u.q1 + 3 * w / 4) << "N=" << N;
      EXPECT_DOUBLE_EQ(groupedQuantile(classes, g, 0.75 * N), u.q3 + w / 4) << "N=" << N;
    }
  }
}
