#include "core/stats/Grouping.h"

#include <gtest/gtest.h>

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
