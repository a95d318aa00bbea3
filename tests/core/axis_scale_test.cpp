#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <set>
#include <string>

#include "core/graph/AxisScale.h"

using tally::AxisScale;

TEST(AxisScale, NewScaleIsMinusOneToOneWithUnitsFromThatRange) {
  AxisScale s;
  EXPECT_EQ(s.getMin(), -1);
  EXPECT_EQ(s.getMax(), 1);
  EXPECT_DOUBLE_EQ(s.getTickUnit(), 0.2);
  EXPECT_DOUBLE_EQ(s.getMinorTickUnit(), 0.1);
  EXPECT_EQ(s.getMaxTicks(), 10);
  EXPECT_EQ(s.getMaxMinorTicks(), 50);
  EXPECT_TRUE(s.autoScale && s.minorAutoScale && s.showTicks && s.showMinorTicks &&
              s.showTickLabels && s.showAxis);
  EXPECT_TRUE(s.axisLabel.empty());
}

TEST(AxisScale, AutomaticUnitsFollowOneTwoFiveWithStrictComparisons) {
  struct Case {
    double min, max;
    int maxTicks;
    double major, minor;
  } cases[] = {
      // range 2, m 10: e = floor(log10 0.2) = -1, base 0.1; 2 > 1 -> 0.2; 2 > 2 no.
      // minor bound 50 intervals: 2 > 0.1*50 = 5 no -> 0.1.
      {-1, 1, 10, 0.2, 0.1},
      // range 10: base 1, 10 > 10 no -> 1 (exactly m intervals accepted); minor 1.
      {-5, 5, 10, 1, 1},
      // range 7: base 0.1; 7 > 1 -> 0.2 (7 > 2) -> 0.5 (7 > 5) -> 1. minor: 7 > 5 -> 0.2 (7 > 10 no).
      {0, 7, 10, 1, 0.2},
      // range 37: base 1 -> 2 (37 > 20) -> 5; minor: 37 > 50 no -> 1.
      {0, 37, 10, 5, 1},
      // range 253: base 10 -> 20 (253 > 200) -> 50; minor: 253 > 500 no -> 10.
      {-3, 250, 10, 50, 10},
      // range 1000: base 100, 1000 > 1000 no -> 100; minor 100.
      {0, 1000, 10, 100, 100},
      // m 4: e = floor(log10 250) = 2, base 100; 1000 > 400 -> 200 (1000 > 800) -> 500.
      // minor bound 20 intervals: 1000 > 2000 no -> 100.
      {0, 1000, 4, 500, 100},
      // m 20: base 0.01 (log10 0.05 -> -2); 1 > 0.2 -> 0.02 (1 > 0.4) -> 0.05; minor 1 > 1 no -> 0.01.
      {0, 1, 20, 0.05, 0.01},
      // base 1e-4; 0.003 > 0.001 -> 2e-4 (0.003 > 0.002) -> 5e-4; minor 0.003 > 0.005 no -> 1e-4.
      {0, 0.003, 10, 0.0005, 0.0001},
      {0, 10, 10, 1, 1},
  };
  for (const Case& c : cases) {
    AxisScale s;
    ASSERT_TRUE(s.setMaxTicks(c.maxTicks));
    ASSERT_TRUE(s.setRange(c.min, c.max));
    EXPECT_DOUBLE_EQ(s.getTickUnit(), c.major) << c.min << ".." << c.max << " m=" << c.maxTicks;
    EXPECT_DOUBLE_EQ(s.getMinorTickUnit(), c.minor) << c.min << ".." << c.max << " m=" << c.maxTicks;
  }
}

TEST(AxisScale, NextNiceUnitWalksOneTwoFive) {
  double u = 1e-3;
  const double expected[] = {2e-3, 5e-3, 1e-2, 2e-2, 5e-2, 0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50};
  for (double e : expected) {
    u = AxisScale::nextNiceUnit(u);
    EXPECT_NEAR(u, e, e * 1e-12);
  }
}

TEST(AxisScale, RefusedRangesKeepRangeAndUnits) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double bad[][2] = {{3, 3}, {4, 2}, {0, inf}, {-inf, 0}, {nan, 1}, {0, nan},
                           {-1e308, 1e308}};  // the last one's width overflows
  for (auto& r : bad) {
    AxisScale s(0, 7);
    EXPECT_FALSE(s.setRange(r[0], r[1])) << r[0] << ".." << r[1];
    EXPECT_EQ(s.getMin(), 0);
    EXPECT_EQ(s.getMax(), 7);
    EXPECT_DOUBLE_EQ(s.getTickUnit(), 1);
    EXPECT_DOUBLE_EQ(s.getMinorTickUnit(), 0.2);
  }
  AxisScale fallback(5, 5);
  EXPECT_EQ(fallback.getMin(), -1);
  EXPECT_EQ(fallback.getMax(), 1);
}

TEST(AxisScale, TinyAndHugeRangesStillFindAUnit) {
  // Below 1e-300 the starting unit 10^e would underflow to 0 and never grow.
  AxisScale tiny;
  ASSERT_TRUE(tiny.setRange(0, 1e-310));
  EXPECT_GT(tiny.getTickUnit(), 0);
  EXPECT_GT(tiny.getMinorTickUnit(), 0);
  AxisScale huge;
  ASSERT_TRUE(huge.setRange(-1e300, 1e300));
  EXPECT_TRUE(std::isfinite(huge.getTickUnit()));
  EXPECT_GE(huge.getTickUnit() * 10, 2e300);
}

TEST(AxisScale, FixedUnitSurvivesRangeChangesWhileMinorFollows) {
  AxisScale s;
  EXPECT_TRUE(s.setTickUnit(0.25));
  EXPECT_FALSE(s.autoScale);
  ASSERT_TRUE(s.setRange(0, 100));
  EXPECT_DOUBLE_EQ(s.getTickUnit(), 0.25);
  // The minor unit is still automatic: range 100, base 10 (log10 10 = 1), 100 > 10 * 50 no -> 10.
  EXPECT_DOUBLE_EQ(s.getMinorTickUnit(), 10);
  // Switching the flag back does not recompute until the next range.
  s.autoScale = true;
  EXPECT_DOUBLE_EQ(s.getTickUnit(), 0.25);
  s.setRange(0, 100);
  EXPECT_DOUBLE_EQ(s.getTickUnit(), 10);
}

TEST(AxisScale, SettersRefuseOutOfBoundValues) {
  AxisScale s;
  EXPECT_FALSE(s.setTickUnit(0));
  EXPECT_FALSE(s.setTickUnit(-1));
  EXPECT_FALSE(s.setMinorTickUnit(0));
  EXPECT_FALSE(s.setMaxTicks(1));
  EXPECT_FALSE(s.setMaxMinorTicks(1));
  EXPECT_TRUE(s.autoScale);
  EXPECT_TRUE(s.minorAutoScale);
  EXPECT_EQ(s.getMaxTicks(), 10);
  EXPECT_EQ(s.getMaxMinorTicks(), 50);
  EXPECT_TRUE(s.setMaxTicks(2));
  EXPECT_EQ(s.getMaxTicks(), 2);
  EXPECT_DOUBLE_EQ(s.getTickUnit(), 0.2);  // units wait for the next range
}

TEST(AxisScale, TickPositionsListZeroThenPositivesThenNegatives) {
  struct Case {
    double min, max, unit;
    std::vector<double> expected;
  } cases[] = {
      {-5, 5, 1, {0, 1, 2, 3, 4, -1, -2, -3, -4}},
      {2, 5, 1, {3, 4}},
      {-5, -2, 1, {-3, -4}},
      {0, 3, 1, {0, 1, 2}},
      {1000, 1003.5, 1, {1001, 1002, 1003}},
  };
  for (const Case& c : cases) {
    AxisScale s;
    ASSERT_TRUE(s.setRange(c.min, c.max));
    ASSERT_TRUE(s.setTickUnit(c.unit));
    std::vector<double> out{42};
    EXPECT_EQ(s.tickPositions(out, tally::MajorTicks), int(c.expected.size()));
    EXPECT_EQ(out, c.expected) << c.min << ".." << c.max;
  }
}

TEST(AxisScale, MinorPositionsUseTheMinorUnitAndAreProductsNotSums) {
  AxisScale s(0, 1);  // base 0.1; minor: 1 > 0.1 * 50 no -> 0.1
  ASSERT_DOUBLE_EQ(s.getMinorTickUnit(), 0.1);
  std::vector<double> out;
  ASSERT_EQ(s.tickPositions(out, tally::MinorTicks), 10);
  // 8 * 0.1 is 0.8, while adding 0.1 eight times gives 0.7999999999999999.
  double sum = 0;
  for (int i = 0; i < 8; ++i) sum += 0.1;
  EXPECT_EQ(out[8], 8 * 0.1);
  EXPECT_NE(out[8], sum);
}

TEST(AxisScale, ATinyFixedUnitOverAWideRangeListsNothing) {
  AxisScale s(0, 100);
  s.setTickUnit(1e-9);
  std::vector<double> out;
  EXPECT_EQ(s.tickPositions(out, tally::MajorTicks), 0);
  AxisScale far(1e18, 1e18 + 1e5);
  far.setTickUnit(100);
  EXPECT_EQ(far.tickPositions(out, tally::MajorTicks), 0);
}

TEST(TickLabelText, NumbersAndPiRewriting) {
  const std::string pi = "\xCF\x80";
  struct Case {
    double v;
    bool trig;
    std::string text;
  } cases[] = {
      {0, false, "0"},         {1, false, "1"},           {-2.5, false, "-2.5"},
      {123456, false, "123456"}, {0.0001, false, "0.0001"},
      {0, true, "0"},          {1, true, pi},             {-1, true, "-" + pi},
      {0.5, true, "0.5" + pi}, {-0.5, true, "-0.5" + pi}, {-2, true, "-2" + pi},
      {2, true, "2" + pi},
  };
  for (const Case& c : cases) EXPECT_EQ(tally::tickLabelText(c.v, c.trig), c.text) << c.v;
}

TEST(TickLabelText, ExactToTheUnitAndPlainFromTenThousandthsToAQuadrillion) {
  const std::string pi = "\xCF\x80";
  struct Case {
    double v, unit;
    bool trig;
    std::string text;
  } cases[] = {
      // Where "%.5g" is already exact and plain, nothing changes.
      {0, 1, false, "0"},          {2.5, 0.5, false, "2.5"},      {3, 0.5, false, "3"},
      {-0.75, 0.25, false, "-0.75"}, {0.0001, 0.0001, false, "0.0001"}, {50, 10, false, "50"},
      // "%.5g" gives 1e+05, 1e+05, 1.0001e+05 here.
      {100000, 1, false, "100000"}, {100001, 1, false, "100001"}, {100002, 1, false, "100002"},
      {1e14 + 5, 5, false, "100000000000005"}, {1984.5, 0.5, false, "1984.5"},
      {0.30000000000000004, 0.1, false, "0.3"}, {-1e-4, 5e-5, false, "-0.0001"},
      // A unit of no short decimal is labelled to three digits of it.
      {1.0 / 3, 1.0 / 3, false, "0.333"},
      // Outside the plain span an exponent, with the digits the unit needs.
      {2e-5, 1e-5, false, "2e-05"}, {1.00002e20, 1e15, false, "1.00002e+20"},
      {0.5, 0.5, true, "0.5" + pi}, {1, 0.5, true, pi}, {-1, 1, true, "-" + pi},
  };
  for (const Case& c : cases)
    EXPECT_EQ(tally::tickLabelText(c.v, c.unit, c.trig), c.text) << c.v << " / " << c.unit;
}

// Ranges as the views produce them: classes start / size / count with room on
// both sides, and data ranges scaled by 0.6 / 1.2, over many magnitudes.
TEST(TickLabelText, EveryGeneratedAxisHasDistinctLabelsThatReadBackAsTheirTicks) {
  int axes = 0;
  for (double start : {0.0, 1e-4, 0.3, 7.0, 148.0, 1980.0, 99998.0, 100000.0, 1e9, 123456789.0,
                       1e13, -40.0, -1e6, -0.003}) {
    for (double size : {1e-4, 0.1, 0.25, 1.0, 5.0, 1000.0}) {
      for (int count : {1, 3, 6, 10, 41}) {
        for (int maxTicks : {4, 10, 20}) {
          const double lo[] = {start - 2 * size, start, 0.6 * start};
          const double hi[] = {start + (count + 1) * size, start + count * size,
                               1.2 * (start + count * size)};
          for (int r = 0; r < 3; ++r) {
            AxisScale s;
            s.setMaxTicks(maxTicks);
            if (!s.setRange(lo[r], hi[r])) continue;
            std::vector<double> ticks;
            s.tickPositions(ticks, tally::MajorTicks);
            std::set<std::string> seen;
            for (double t : ticks) {
              const std::string text = s.labelText(t, false);
              ++axes;
              EXPECT_TRUE(seen.insert(text).second)
                  << "repeated " << text << " on " << lo[r] << ".." << hi[r];
              const double back = std::strtod(text.c_str(), nullptr);
              EXPECT_NEAR(back, t, 1e-6 * s.getTickUnit() + 1e-15 * std::fabs(t)) << text;
              if (std::fabs(t) >= 1e-4 && std::fabs(t) < 1e15) {
                EXPECT_EQ(text.find('e'), std::string::npos) << text;
              }
            }
          }
        }
      }
    }
  }
  EXPECT_GT(axes, 10000);
}

TEST(AxisScale, RangeEndsARoundingErrorBesideAMultipleAreNoTicks) {
  // 0.3 - 2 * 0.1 and 0.3 + 6 * 0.1: the classes 0.3 / 0.1 / 5.
  AxisScale s(0.3 - 2 * 0.1, 0.3 + 6 * 0.1);
  ASSERT_DOUBLE_EQ(s.getTickUnit(), 0.1);
  std::vector<double> ticks;
  ASSERT_EQ(s.tickPositions(ticks, tally::MajorTicks), 7);  // 0.2 .. 0.8
  EXPECT_DOUBLE_EQ(ticks.front(), 0.2);
  EXPECT_DOUBLE_EQ(ticks.back(), 0.8);
  // The same over generated class layouts with the class size as the unit.
  for (double start : {0.3, 0.7, 1.1, 2.35, -0.9, 1980.0}) {
    for (double size : {0.1, 0.05, 0.2, 0.3, 0.7}) {
      for (int count = 3; count <= 9; ++count) {
        AxisScale g;
        g.setTickUnit(size);
        g.setMinorTickUnit(size / 5);
        ASSERT_TRUE(g.setRange(start - 2 * size, start + (count + 1) * size));
        for (int which : {tally::MajorTicks, tally::MinorTicks}) {
          const double u = which == tally::MajorTicks ? size : size / 5;
          g.tickPositions(ticks, which);
          for (double t : ticks) {
            if (t == 0) continue;
            EXPECT_GT(t - g.getMin(), 1e-6 * u) << start << " " << size << " " << count;
            EXPECT_GT(g.getMax() - t, 1e-6 * u) << start << " " << size << " " << count;
          }
        }
      }
    }
  }
}

TEST(AxisScale, WholeUnitsNeverGoBelowOne) {
  AxisScale s;
  s.wholeUnits = true;
  ASSERT_TRUE(s.setRange(0, 3.6));  // frequencies 1..3: would be 0.5 and 0.1
  EXPECT_DOUBLE_EQ(s.getTickUnit(), 1);
  EXPECT_DOUBLE_EQ(s.getMinorTickUnit(), 1);
  ASSERT_TRUE(s.setRange(0, 120));  // large counts keep their nice unit
  EXPECT_DOUBLE_EQ(s.getTickUnit(), 20);
  EXPECT_DOUBLE_EQ(s.getMinorTickUnit(), 10);
}
