#include "core/stats/Grouping.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "core/NumberText.h"
#include "core/stats/DataSet.h"

using tally::Grouping;

TEST(Grouping, ClassesIncludeTheLowerBoundAndExcludeTheUpper) {
  Grouping g{0, 10, 5};
  EXPECT_EQ(g.lower(2), 20);
  EXPECT_EQ(g.upper(2), 30);
  EXPECT_EQ(g.midpoint(2), 25);
  EXPECT_EQ(g.end(), 50);
  EXPECT_EQ(g.classOf(0), 0);
  EXPECT_EQ(g.classOf(9.999), 0);
  EXPECT_EQ(g.classOf(10), 1);
  EXPECT_EQ(g.classOf(49.5), 4);
  // 50 is the upper bound of the last class and belongs to no class; so does -0.1.
  EXPECT_EQ(g.classOf(50), -1);
  EXPECT_EQ(g.classOf(-0.1), -1);
}

TEST(Grouping, LabelsUseShortestNumbers) {
  Grouping g{2.5, 2.5, 3};
  EXPECT_EQ(g.classLabel(0), "2.5 - < 5");
  EXPECT_EQ(g.classLabel(2), "7.5 - < 10");
  EXPECT_EQ(tally::modalClassText(10, 20), "10 < 20");
}

TEST(Grouping, DialogRulesAcceptAnyFiniteStartButRefuseZeroSizeAndCountsOutside1To100) {
  struct Case {
    Grouping g;
    bool valid;
  } cases[] = {
      {{0, 1, 10}, true},   {{0, 0.5, 1}, true},  {{3, 2, 100}, true},
      {{-1, 1, 10}, true},  {{-40, 5, 6}, true},  {{0, 0, 10}, false},  {{0, -2, 10}, false},
      {{0, 1, 0}, false},   {{0, 1, 101}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(tally::isValidGrouping(c.g), c.valid)
        << c.g.startValue << "," << c.g.groupSize << "," << c.g.groupCount;
}

TEST(Grouping, ZeroOrNegativeWidthHoldsNoValue) {
  Grouping zero{0, 0, 10};
  EXPECT_FALSE(zero.usable());
  EXPECT_EQ(zero.classOf(0), -1);
  Grouping negative{0, 1, -3};
  EXPECT_EQ(negative.classes(), 0);
  EXPECT_FALSE(negative.usable());
}

TEST(DataSetOrder, SortIsAscendingByValueWithThreeWayCompare) {
  using tally::FrequencyPair;
  EXPECT_EQ(tally::comparePairs({2, 1}, {1, 9}), 1);
  EXPECT_EQ(tally::comparePairs({1, 1}, {2, 1}), -1);
  EXPECT_EQ(tally::comparePairs({2, 1}, {2, 5}), 0);
  tally::DataSet s;
  s.pairs = {{5, 1}, {-3, 2}, {0.5, 1}, {-3.5, 4}};
  tally::sortPairs(s);
  EXPECT_EQ(s.pairs, (std::vector<FrequencyPair>{{-3.5, 4}, {-3, 2}, {0.5, 1}, {5, 1}}));
}

TEST(DataSetOrder, EachTypeHasItsLayout) {
  EXPECT_EQ(tally::layoutForType(tally::UngroupedDiscrete), tally::ValuesOnly);
  EXPECT_EQ(tally::layoutForType(tally::UngroupedContinuous), tally::ValuesOnly);
  EXPECT_EQ(tally::layoutForType(tally::GroupedDiscrete), tally::ValueAndFrequency);
  EXPECT_EQ(tally::layoutForType(tally::GroupedContinuous), tally::ValueAndFrequency);
  EXPECT_EQ(tally::layoutForType(tally::AlreadyGroupedContinuous), tally::Classes);
}

namespace {

// The value a person types for bound k: the decimal the class label shows, read
// back, e.g. "1.2" for 6 x 0.2 (which is 1.2000000000000002 in binary).
double typedBound(const Grouping& g, int k) {
  double v = 0;
  EXPECT_TRUE(tally::parseNumber(tally::formatNumber("%.12g", g.lower(k)), v));
  return v;
}

const double kDecimalSteps[] = {0.1, 0.2, 0.25, 0.3, 0.5, 2.5};

}  // namespace

TEST(ClassMembership, EveryTypedBoundaryLandsInTheClassItOpens) {
  // Scan over common decimal starts and sizes: each value typed on a bound belongs
  // to the class whose label starts with it, a value half a class on stays there,
  // and the last bound is in no class.
  for (double start : {0.0, 0.1, 0.2, 0.25, 0.3, 0.5, 2.5}) {
    for (double size : kDecimalSteps) {
      const Grouping g{start, size, 40};
      SCOPED_TRACE(testing::Message() << "start " << start << " size " << size);
      for (int k = 0; k < g.groupCount; ++k) {
        const double v = typedBound(g, k);
        EXPECT_EQ(g.classOf(v), k) << v;
        EXPECT_TRUE(g.contains(k, v)) << v;
        EXPECT_EQ(g.classOf(v + size / 2), k) << v;
        EXPECT_EQ(g.classLabel(k).rfind(tally::formatNumber("%g", v) + " - < ", 0), 0u);
      }
      EXPECT_EQ(g.classOf(typedBound(g, g.groupCount)), -1);
    }
  }
}

TEST(ClassMembership, OutsideValuesAndNonNumbersBelongToNoClass) {
  const Grouping g{0, 0.1, 10};
  // 1.0 is the end of the last class; a hair below the start is no class either.
  for (double v : {1.0, -0.01, 1e308, -1e308, std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::quiet_NaN()})
    EXPECT_EQ(g.classOf(v), -1) << v;
  EXPECT_EQ(g.classOf(0.9999), 9);
}

TEST(Grouping, ClassesThatAreNotDistinctFiniteNumbersAreRefused) {
  struct Case {
    Grouping g;
    bool usable;
  } cases[] = {
      // 1e17 + 1 is 1e17 again: every bound the same double.
      {{1e17, 1, 3}, false},
      {{1e16, 1, 3}, false},  // 1e16 + 1 rounds back to 1e16
      {{1e16, 2, 3}, true},   // 2 is one step of the doubles there
      {{1e308, 1e308, 2}, false},  // the last bound overflows
      {{0, 1.7e306, 100}, true},
      {{0, 1.8e306, 100}, false},
      {{0.5, 0.1, 100}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.g.startValue << "," << c.g.groupSize << ","
                                    << c.g.groupCount);
    EXPECT_EQ(c.g.usable(), c.usable);
    EXPECT_EQ(tally::isValidGrouping(c.g), c.usable);
  }
  // An unusable grouping holds no value.
  EXPECT_EQ((Grouping{1e17, 1, 3}).classOf(1e17), -1);
}
