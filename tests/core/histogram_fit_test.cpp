#include "core/stats/HistogramFit.h"

#include <gtest/gtest.h>

#include <cmath>

using tally::fitGrouping;

TEST(HistogramFit, ClassroomDataGetOneTwoFiveClassesStartingOnAMultiple) {
  struct Case {
    double lo, hi, n;
    double start, size;
    int count;
  } cases[] = {
      // Heights 148..180 cm, 30 pupils: sqrt 30 ~ 5 classes of 32/5 = 6.4 -> 10; 140..190.
      {148, 180, 30, 140, 10, 5},
      // Temperatures -7..12, 25 days: 19/5 = 3.8 -> 5; -10..15.
      {-7, 12, 25, -10, 5, 5},
      // Years 1980..2020, 41 values: 40/6 = 6.7 -> 10; 1980..2030 (2020 needs its own class).
      {1980, 2020, 41, 1980, 10, 5},
      // Data starting at 0: 0..9, 11 values: 9/3 = 3 -> 5; 0..10.
      {0, 9, 11, 0, 5, 2},
      // Small measurements 0.0012..0.0019, 8 values: 0.0007/3 -> 0.0005.
      {0.0012, 0.0019, 8, 0.001, 0.0005, 2},
  };
  for (const Case& c : cases) {
    const tally::Grouping g = fitGrouping(c.lo, c.hi, c.n);
    EXPECT_NEAR(g.startValue, c.start, 1e-12) << c.lo << ".." << c.hi;
    EXPECT_DOUBLE_EQ(g.groupSize, c.size) << c.lo << ".." << c.hi;
    EXPECT_EQ(g.groupCount, c.count) << c.lo << ".." << c.hi;
  }
}

TEST(HistogramFit, EveryValueFallsInAClassAndTheCountStaysAtMostTwenty) {
  for (double lo : {-1234.5, -3.0, 0.0, 0.001, 7.25, 148.0, 1e6}) {
    for (double spread : {0.0, 0.003, 1.0, 19.0, 250.0, 1e5}) {
      for (double n : {1.0, 3.0, 30.0, 400.0, 5000.0}) {
        const double hi = lo + spread;
        const tally::Grouping g = fitGrouping(lo, hi, n);
        ASSERT_GE(g.groupCount, 1);
        EXPECT_LE(g.groupCount, tally::maxFittedClasses) << lo << " " << spread << " " << n;
        EXPECT_GE(g.classOf(lo), 0) << lo << " " << spread << " " << n;
        EXPECT_GE(g.classOf(hi), 0) << lo << " " << spread << " " << n;
        // The size is 1, 2 or 5 times a power of ten; the start a whole number of sizes.
        const double lead = g.groupSize / std::pow(10.0, std::floor(std::log10(g.groupSize)));
        EXPECT_TRUE(std::fabs(lead - 1) < 1e-9 || std::fabs(lead - 2) < 1e-9 ||
                    std::fabs(lead - 5) < 1e-9)
            << g.groupSize;
        const double k = g.startValue / g.groupSize;
        EXPECT_NEAR(k, std::round(k), 1e-6);
      }
    }
  }
}

TEST(HistogramFit, BothSetsCountAndEmptySetsKeepTheFirstGrouping) {
  tally::DataSet a, b;
  EXPECT_EQ(tally::fitHistogram(a, b), tally::Grouping());
  a.pairs = {{152, 3}, {148, 2}, {171, 4}};
  b.pairs = {{180, 1}, {160, 20}};
  // Values 148..180, n = 21 (the larger set): sqrt -> 5 classes of 6.4 -> 10.
  const tally::Grouping g = tally::fitHistogram(a, b);
  EXPECT_EQ(g.startValue, 140);
  EXPECT_EQ(g.groupSize, 10);
  EXPECT_EQ(g.groupCount, 5);
}

TEST(HistogramFit, TheLargestValueAlwaysHasAClass) {
  struct Case {
    const char* what;
    double lo, hi, n;
  } cases[] = {
      // The example's two classes: scores 5..20, n = 26.
      {"example scores", 5, 20, 26},
      // A largest value a rounding below a bound counts as on it.
      {"a rounding below 20", 0, 20 - 1e-12, 26},
      {"a rounding below 1", 0.05, 0.9999999999999999, 100},
      {"years 1995..2024", 1995, 2024, 30},
  };
  for (const Case& c : cases) {
    const tally::Grouping g = fitGrouping(c.lo, c.hi, c.n);
    EXPECT_GE(g.classOf(c.lo), 0) << c.what;
    EXPECT_GE(g.classOf(c.hi), 0) << c.what;
    EXPECT_LE(g.groupCount, tally::maxFittedClasses) << c.what;
  }
  // The example files as the window loads them: 5 - < 10 .. 20 - < 25.
  tally::DataSet a, b;
  for (double v : {5.0, 20.0, 11.0}) b.pairs.push_back({v, 1});
  a.pairs = {{6, 1}, {19, 1}};
  const tally::Grouping g = tally::fitHistogram(a, b);
  EXPECT_GE(g.classOf(20), 0);
}
