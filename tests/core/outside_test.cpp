#include "core/stats/Outside.h"

#include <gtest/gtest.h>

#include <optional>

using namespace tally;

namespace {

DataSet pairs(std::initializer_list<FrequencyPair> ps) {
  DataSet s;
  s.pairs = ps;
  return s;
}

DataSet values(std::initializer_list<double> vs) {
  DataSet s;
  for (double v : vs) s.pairs.push_back({v, 1});
  return s;
}

Grouping grouping(double start, double size, int count) {
  Grouping g;
  g.startValue = start;
  g.groupSize = size;
  g.groupCount = count;
  return g;
}

// Class 7B of the example: 26 scores, one of them 20.
const std::initializer_list<double> kClass7B = {11, 9,  13, 15, 8,  10, 12, 14, 7,  11, 16, 9,  12,
                                                10, 13, 11, 5,  14, 12, 10, 9,  20, 11, 13, 12, 8};

}  // namespace

TEST(Outside, ValuesNoClassHoldsAreCountedAndListed) {
  struct Case {
    const char* what;
    DataSet set;
    Grouping g;
    GroupingKind kind;
    double count;
    std::string text, reportLine;
  } cases[] = {
      // Columns 0..20 of 2: the last is 18 - < 20, so the 20 falls out.
      {"class 7B", values(kClass7B), grouping(0, 2, 10), HistogramColumns, 1,
       "1 value outside the columns: 20", "Set 2: 1 value outside the columns (20)"},
      {"classes say classes", values(kClass7B), grouping(0, 2, 10), GroupClasses, 1,
       "1 value outside the classes: 20", "Set 2: 1 value outside the classes (20)"},
      {"two values, listed ascending", values({21, 5, 20}), grouping(0, 2, 10), HistogramColumns,
       2, "2 values outside the columns: 20, 21", "Set 2: 2 values outside the columns (20, 21)"},
      // Each observation listed: -3 twice; five listed, then the rest counted.
      {"more than five", pairs({{60, 1}, {-3, 2}, {25, 1}, {30, 1}, {40, 1}, {50, 1}, {4, 9}}),
       grouping(0, 2, 10), GroupClasses, 7, "7 values outside the classes: -3, -3, 25, 30, 40 and 2 more",
       "Set 2: 7 values outside the classes (-3, -3, 25, 30, 40 and 2 more)"},
      {"a value seen 40 times", pairs({{20, 40}}), grouping(0, 2, 10), GroupClasses, 40,
       "40 values outside the classes: 20, 20, 20, 20, 20 and 35 more",
       "Set 2: 40 values outside the classes (20, 20, 20, 20, 20 and 35 more)"},
      // Large values keep every digit; the start of the first class is inside.
      {"populations", values({1234567, 9876543, 0}), grouping(0, 1000000, 5), HistogramColumns, 1,
       "1 value outside the columns: 9876543", "Set 2: 1 value outside the columns (9876543)"},
      {"every value inside", values({0, 5, 19.5}), grouping(0, 2, 10), HistogramColumns, 0, "", ""},
      // A frequency below 1 stands for no observation and is not counted.
      {"no observation", pairs({{30, 0.5}, {3, 1}}), grouping(0, 2, 10), GroupClasses, 0, "", ""},
  };
  for (const Case& c : cases) {
    const OutsideValues o = valuesOutside(c.set, c.g);
    EXPECT_EQ(o.count, c.count) << c.what;
    EXPECT_EQ(o.empty(), c.count == 0) << c.what;
    EXPECT_EQ(outsideText(o, c.kind), c.text) << c.what;
    EXPECT_EQ(outsideReportLine("Set 2", o, c.kind), c.reportLine) << c.what;
  }
}

TEST(Outside, TheWidenQuestionCountsTheValues) {
  EXPECT_EQ(widenClassesQuestion(2), "2 values lie outside these classes. Widen the classes to hold them?");
  EXPECT_EQ(widenClassesQuestion(1), "1 value lies outside these classes. Widen the classes to hold it?");
}

TEST(Outside, WidenedClassesHoldEveryValueWithTheSameSize) {
  struct Case {
    const char* what;
    Grouping g;
    DataSet set1, set2;
    std::optional<Grouping> widened;
  } cases[] = {
      {"class 7B's 20 gets one class more", grouping(0, 2, 10), values(kClass7B), {},
       grouping(0, 2, 11)},
      // Heights from 140, width 5, 8 classes: the 180 cm needs a ninth class.
      {"a boy's 180 cm", grouping(140, 5, 8), values({142, 151, 180}), {}, grouping(140, 5, 9)},
      // The start steps down by whole sizes: 10 -> 0, two classes more, then the top.
      {"below the start", grouping(10, 5, 4), values({3, 12, 22}), {}, grouping(0, 5, 6)},
      {"below 0", grouping(0, 5, 4), values({-12, 3, 10}), {}, grouping(-15, 5, 7)},
      {"both sets count", grouping(0, 2, 10), values({5, 7, 9}), values({-1, 4, 30}),
       grouping(-2, 2, 17)},
      {"already holding every value", grouping(0, 1, 10), values({2, 5, 8}), {}, grouping(0, 1, 10)},
      {"exactly 100 classes", grouping(0, 1, 10), values({0, 50, 99}), {}, grouping(0, 1, 100)},
      // 151 classes of 1 would be needed: beyond the limit of 100 nothing is widened.
      {"beyond 100 classes", grouping(0, 1, 10), values({0, 75, 150}), {}, std::nullopt},
      {"beyond 100 below the start", grouping(1000, 1, 10), values({1, 1005}), {}, std::nullopt},
      {"a value a rounding below the end counts as on it", grouping(0, 0.1, 10),
       values({0.05, 0.9999999999999999}), {}, grouping(0, 0.1, 11)},
  };
  for (const Case& c : cases) {
    const std::optional<Grouping> w = widenedClasses(c.g, c.set1, c.set2);
    ASSERT_EQ(w.has_value(), c.widened.has_value()) << c.what;
    if (!w) continue;
    EXPECT_DOUBLE_EQ(w->startValue, c.widened->startValue) << c.what;
    EXPECT_EQ(w->groupSize, c.widened->groupSize) << c.what;
    EXPECT_EQ(w->groupCount, c.widened->groupCount) << c.what;
    EXPECT_TRUE(valuesOutside(c.set1, *w).empty()) << c.what;
    EXPECT_TRUE(valuesOutside(c.set2, *w).empty()) << c.what;
    EXPECT_TRUE(isValidGrouping(*w)) << c.what;
  }
}
