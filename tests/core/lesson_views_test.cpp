// The models behind the lesson pages: frequency table, stem-and-leaf, dot plot and
// the "More" statistics.
#include <gtest/gtest.h>

#include <cmath>

#include "core/lesson/DotPlot.h"
#include "core/lesson/FrequencyTable.h"
#include "core/lesson/MoreStatistics.h"
#include "core/lesson/StemAndLeaf.h"
#include "core/stats/Refresh.h"
#include "core/stats/Statistics.h"
#include "TestSets.h"

using namespace tally;

namespace {

DataSet pairsOf(std::vector<FrequencyPair> pairs) {
  DataSet s;
  s.pairs = std::move(pairs);
  return s;
}


RefreshInputs inputsFor(DataType type, Grouping grouping = Grouping{}) {
  RefreshInputs in;
  in.type = type;
  in.classes = in.histogram = grouping;
  in.barWidth[0] = in.barWidth[1] = barWidth(type, 1);
  return in;
}

struct Row {
  const char* label;
  double frequency, relative, cumulative, cumulativePercent;
};

}  // namespace

TEST(FrequencyTable, RowsForEachDataTypeWithEmptyClassesAndValuesOutside) {
  struct Case {
    const char* what;
    DataType type;
    Grouping grouping;
    DataSet set;
    bool classes;
    std::vector<Row> rows;
  } cases[] = {
      // 1, 2, 2, 3 (n = 4): 25 %, 50 %, 25 %; cumulative 1, 3, 4 -> 25, 75, 100.
      {"values", UngroupedDiscrete, Grouping{}, setOfValues({2, 1, 3, 2}), false,
       {{"1", 1, 25, 1, 25}, {"2", 2, 50, 3, 75}, {"3", 1, 25, 4, 100}}},
      // 1 x2, 4 x1, 7 x5 (n = 8): 25, 12.5, 62.5; cumulative 2, 3, 8 -> 25, 37.5, 100.
      {"values with frequencies", GroupedDiscrete, Grouping{}, pairsOf({{7, 5}, {1, 2}, {4, 1}}),
       false, {{"1", 2, 25, 2, 25}, {"4", 1, 12.5, 3, 37.5}, {"7", 5, 62.5, 8, 100}}},
      // Columns 0-5 .. 15-20 of 1, 2, 12, 13, 14, 25: 25 lies in none; of 6,
      // 2 -> 33.33 %, 3 -> 50 %, the closing row 1 -> 16.67 %.
      {"histogram columns", UngroupedContinuous, Grouping{0, 5, 4},
       setOfValues({1, 2, 12, 13, 14, 25}), true,
       {{"0 - < 5", 2, 100.0 * 2 / 6, 2, 100.0 * 2 / 6},
        {"5 - < 10", 0, 0, 2, 100.0 * 2 / 6},
        {"10 - < 15", 3, 50, 5, 100.0 * 5 / 6},
        {"15 - < 20", 0, 0, 5, 100.0 * 5 / 6},
        {kOutsideClassesLabel, 1, 100.0 / 6, 6, 100}}},
      // A value below the first class is outside too: -5 x1, 3 x2, 15 x1 in 0-10, 10-20.
      {"grouped continuous", GroupedContinuous, Grouping{0, 10, 2},
       pairsOf({{-5, 1}, {3, 2}, {15, 1}}), true,
       {{"0 - < 10", 2, 50, 2, 50}, {"10 - < 20", 1, 25, 3, 75},
        {kOutsideClassesLabel, 1, 25, 4, 100}}},
      // Classes 2, 0, 3: the empty class is a row; nothing outside.
      {"already grouped", AlreadyGroupedContinuous, Grouping{0, 10, 3},
       pairsOf({{5, 2}, {25, 3}}), true,
       {{"0 - < 10", 2, 40, 2, 40}, {"10 - < 20", 0, 0, 2, 40}, {"20 - < 30", 3, 60, 5, 100}}},
  };
  for (auto& c : cases) {
    DataSet other;
    const RefreshInputs in = inputsFor(c.type, c.grouping);
    const RefreshResult r = refreshAnalysis(c.set, other, in);
    const FrequencyTableRows t = buildFrequencyTable(c.set, r.sets[0], in);
    EXPECT_EQ(t.classes, c.classes) << c.what;
    ASSERT_EQ(t.rows.size(), c.rows.size()) << c.what;
    for (size_t k = 0; k < c.rows.size(); ++k) {
      const FrequencyRow& got = t.rows[k];
      const Row& want = c.rows[k];
      EXPECT_EQ(got.label, want.label) << c.what << " row " << k;
      EXPECT_EQ(got.frequency, want.frequency) << c.what << " row " << k;
      EXPECT_DOUBLE_EQ(got.relativePercent, want.relative) << c.what << " row " << k;
      EXPECT_EQ(got.cumulative, want.cumulative) << c.what << " row " << k;
      EXPECT_DOUBLE_EQ(got.cumulativePercent, want.cumulativePercent) << c.what << " row " << k;
      EXPECT_EQ(got.outside, std::string(want.label) == kOutsideClassesLabel) << c.what;
    }
    // The last cumulative percentage is exactly 100, not 99.99999.
    EXPECT_EQ(t.rows.back().cumulativePercent, 100) << c.what;
    // Nothing for a set that shows no statistics.
    EXPECT_TRUE(buildFrequencyTable(other, r.sets[1], in).rows.empty()) << c.what;
  }
}

TEST(FrequencyTable, CopyTextIsTabSeparatedWithAHeader) {
  DataSet a = setOfValues({1, 2, 12, 13, 14, 25}), b;
  const RefreshInputs in = inputsFor(UngroupedContinuous, Grouping{0, 5, 4});
  const RefreshResult r = refreshAnalysis(a, b, in);
  EXPECT_EQ(frequencyTableText(buildFrequencyTable(a, r.sets[0], in)),
            "Class\tFrequency\tRelative frequency (%)\tCumulative frequency\tCumulative %\n"
            "0 - < 5\t2\t33.33\t2\t33.33\n"
            "5 - < 10\t0\t0\t2\t33.33\n"
            "10 - < 15\t3\t50\t5\t83.33\n"
            "15 - < 20\t0\t0\t5\t83.33\n"
            "Outside the classes\t1\t16.67\t6\t100\n");
  // Both sets: each under its name, a blank line between; a set without rows is left out.
  DataSet c = setOfValues({3, 3, 4, 5});
  const RefreshInputs discrete = inputsFor(UngroupedDiscrete);
  const RefreshResult both = refreshAnalysis(c, a, discrete);
  const FrequencyTableRows tables[2] = {buildFrequencyTable(c, both.sets[0], discrete),
                                        buildFrequencyTable(a, both.sets[1], discrete)};
  const std::string names[2] = {"Class A", "Class B"};
  const std::string text = frequencyTablesText(names, tables);
  EXPECT_EQ(text.substr(0, text.find("Class B")),
            "Class A\nValue\tFrequency\tRelative frequency (%)\tCumulative frequency\tCumulative %\n"
            "3\t2\t50\t2\t50\n"
            "4\t1\t25\t3\t75\n"
            "5\t1\t25\t4\t100\n\n");
  EXPECT_EQ(text.substr(text.find("Class B")), "Class B\n" + frequencyTableText(tables[1]));
  const FrequencyTableRows onlySecond[2] = {FrequencyTableRows{}, tables[1]};
  EXPECT_EQ(frequencyTablesText(names, onlySecond), "Class B\n" + frequencyTableText(tables[1]));
}

TEST(StemAndLeaf, TextbookCases) {
  struct Case {
    const char* what;
    std::vector<FrequencyPair> data;
    bool split;
    int leafExponent;
    std::string text;  // stemAndLeafText of the one set
  } cases[] = {
      {"two-digit scores", {{58, 2}, {43, 1}, {45, 1}, {51, 1}, {62, 1}, {67, 1}}, false, 0,
       "4 | 3 5\n5 | 1 8 8\n6 | 2 7\nKey: 4 | 3 means 43\n"},
      // Unit 0.01 would give stems 12..37 (26); at 0.1 values are cut, not rounded:
      // 2.38 -> 2.3, 3.71 -> 3.7.
      {"decimals", {{1.25, 1}, {2.38, 1}, {3.5, 1}, {3.71, 1}}, false, -1,
       "1 | 2\n2 | 3\n3 | 5 7\nKey: 1 | 2 means 1.2\n"},
      // -12 on stem -1, -5 and -0.5 on "-0", 3 on 0; the stems run -1, -0, 0, 1.
      {"negatives", {{-12, 1}, {-5, 1}, {-0.5, 1}, {3, 1}, {14, 1}}, false, 0,
       "-1 | 2\n-0 | 0 5\n0 | 3\n1 | 4\nKey: -1 | 2 means -12\n"},
      {"one stem", {{47, 1}, {41, 2}, {42, 1}}, false, 0, "4 | 1 1 2 7\nKey: 4 | 1 means 41\n"},
      // 3 to 498 at unit 1 would need stems 0..49; at 10 they are 0..4, empty ones listed.
      {"more than 20 possible stems", {{3, 1}, {150, 1}, {498, 1}}, false, 1,
       "0 | 0\n1 | 5\n2 |\n3 |\n4 | 9\nKey: 1 | 5 means 150\n"},
      // 0 to 199 is exactly 20 stems at unit 1; 0 to 200 is 21.
      {"twenty stems", {{0, 1}, {105, 1}, {199, 1}}, false, 0, ""},
      {"twenty-one stems", {{0, 1}, {105, 1}, {200, 1}}, false, 1,
       "0 | 0\n1 | 0\n2 | 0\nKey: 1 | 0 means 100\n"},
      // Whole numbers keep unit 1 even when all are tens.
      {"tens", {{40, 1}, {50, 1}, {60, 1}}, false, 0, "4 | 0\n5 | 0\n6 | 0\nKey: 4 | 0 means 40\n"},
      {"split stems", {{43, 1}, {45, 1}, {51, 1}, {58, 1}}, true, 0,
       "4 | 3\n4 | 5\n5 | 1\n5 | 8\nKey: 4 | 3 means 43\n"},
      // Split negative stems in value order: -9..-5 before -4..-0.
      {"split negatives", {{-7, 1}, {-2, 1}, {3, 1}}, true, 0,
       "-0 | 7\n-0 | 2\n0 | 3\nKey: -0 | 7 means -7\n"},
      // Empty halves inside are kept, those at the ends left off: 6 .. 14 -> 0 (5-9), 1 (0-4).
      {"split ends", {{6, 1}, {14, 1}, {9, 1}}, true, 0, "0 | 6 9\n1 | 4\nKey: 1 | 4 means 14\n"},
      {"split gap", {{3, 1}, {12, 1}, {27, 1}}, true, 0,
       "0 | 3\n0 |\n1 | 2\n1 |\n2 |\n2 | 7\nKey: 1 | 2 means 12\n"},
      // 1e300, 2e300, 3e300: unit 1e299, stems 1, 2, 3; a key too long for plain
      // decimals takes an exponent.
      {"huge values", {{1e300, 1}, {2e300, 1}, {3e300, 1}}, false, 299,
       "1 | 0\n2 | 0\n3 | 0\nKey: 1 | 0 means 1e+300\n"},
      // 2.5e-300 needs the place 1e-301: stems 1, 2, 3 there.
      {"tiny values", {{1e-300, 1}, {2.5e-300, 1}, {3e-300, 1}}, false, -301,
       "1 | 0\n2 | 5\n3 | 0\nKey: 2 | 5 means 2.5e-300\n"},
      // Decimals up to twenty characters stay plain: 0.000123 at unit 1e-6.
      {"small decimals", {{0.000123, 1}, {0.000125, 1}, {0.000131, 1}}, false, -6,
       "12 | 3 5\n13 | 1\nKey: 12 | 3 means 0.000123\n"},
  };
  for (const auto& c : cases) {
    DataSet s = pairsOf(c.data);
    sortPairs(s);
    const StemAndLeafPlot plot = buildStemAndLeaf(&s, nullptr, c.split);
    EXPECT_EQ(plot.leafExponent, c.leafExponent) << c.what;
    const std::string text = stemAndLeafText(plot, 0);
    if (!c.text.empty()) {
      EXPECT_EQ(text, c.text) << c.what;
    }
    // At most 20 stems, split or not.
    EXPECT_LE(plot.lines.size(), c.split ? 40u : 20u) << c.what;
  }
}

TEST(StemAndLeaf, BackToBackSharesTheStemsAndLeavesGrowOutward) {
  DataSet a = pairsOf({{43, 1}, {45, 1}, {51, 1}});
  DataSet b = pairsOf({{47, 1}, {52, 2}, {60, 1}});
  const StemAndLeafPlot plot = buildStemAndLeaf(&a, &b, false);
  EXPECT_EQ(backToBackText(plot),
            "5 3 | 4 | 7\n"
            "  1 | 5 | 2 2\n"
            "    | 6 | 0\n"
            "Key: 4 | 3 means 43\n");
  // Each side on its own stems of the shared plot.
  EXPECT_EQ(stemAndLeafText(plot, 1), "4 | 7\n5 | 2 2\n6 | 0\nKey: 4 | 3 means 43\n");
  // A set beyond the listing limit shows its leaf counts.
  DataSet many = pairsOf({{43, 20000}, {51, 1}, {58, 2}});
  EXPECT_EQ(stemAndLeafText(buildStemAndLeaf(&many, nullptr, false), 0),
            "4 | (20000)\n5 | (3)\nKey: 4 | 3 means 43\n");
  EXPECT_TRUE(buildStemAndLeaf(nullptr, nullptr, false).empty());
}

TEST(StemAndLeaf, NamesStandOverTheirLeaves) {
  DataSet a = pairsOf({{43, 1}, {45, 1}, {51, 1}});
  DataSet b = pairsOf({{47, 1}, {52, 2}, {60, 1}});
  const StemAndLeafPlot plot = buildStemAndLeaf(&a, &b, false);
  // Short names: the plot stays where it is, the first name ends over the left leaves.
  EXPECT_EQ(backToBackText(plot, "7A", "7B"),
            " 7A |   | 7B\n"
            "5 3 | 4 | 7\n"
            "  1 | 5 | 2 2\n"
            "    | 6 | 0\n"
            "Key: 4 | 3 means 43\n");
  // A first name wider than the leaves moves the plot right; "\xC3\xA9" is one letter.
  const std::string wide = backToBackText(plot, "Caf\xC3\xA9 7", "B");
  EXPECT_EQ(wide,
            "Caf\xC3\xA9 7 |   | B\n"
            "   5 3 | 4 | 7\n"
            "     1 | 5 | 2 2\n"
            "       | 6 | 0\n"
            "Key: 4 | 3 means 43\n");
  EXPECT_TRUE(backToBackText(StemAndLeafPlot{}, "A", "B").empty());
  // Past the page's limit a side counts its leaves; the other side keeps them.
  DataSet big = pairsOf({{43, 60}, {51, 41}});
  const StemAndLeafPlot counted = buildStemAndLeaf(&big, &b, false);
  EXPECT_EQ(backToBackText(counted, "A", "B", 100),
            "   A |   | B\n"
            "(60) | 4 | 7\n"
            "(41) | 5 | 2 2\n"
            "     | 6 | 0\n"
            "Key: 4 | 3 means 43\n");
  EXPECT_NE(backToBackText(counted, "A", "B", 101).find("1 1 1 1"), std::string::npos);
}

TEST(DotPlot, FullDotsThenSmallerThenSeveralObservationsPerDot) {
  struct Case {
    double tallest;
    int height;
    double scale, perDot;
  } cases[] = {
      {5, 10, 1, 1},   {10, 10, 1, 1},  // fits
      {20, 10, 0.5, 1}, {25, 10, 0.4, 1},  // shrinks down to 0.4
      // 26 needs 2 per dot: 13 dots, drawn 10/13 of full size.
      {26, 10, 10.0 / 13, 2},
      // 1000 in 25 dots of the smallest size: 50 per dot gives 20, drawn half size.
      {1000, 10, 0.5, 50},
      // A band of no height counts as one dot: room for 2 small ones.
      {3, 0, 0.5, 2},
  };
  for (const auto& c : cases) {
    const DotScale s = dotScaleFor(c.tallest, c.height);
    EXPECT_DOUBLE_EQ(s.dotScale, c.scale) << c.tallest << " in " << c.height;
    EXPECT_EQ(s.perDot, c.perDot) << c.tallest << " in " << c.height;
    // The tallest stack always fits the band.
    EXPECT_LE(std::ceil(c.tallest / s.perDot) * s.dotScale, std::max(1, c.height) + 1e-9);
    EXPECT_GE(s.dotScale, kSmallestDotScale);
  }
}

TEST(DotPlot, StacksOfBothSetsOnOneAxis) {
  DataSet a = pairsOf({{1, 1}, {3, 2}}), b = pairsOf({{5, 1}, {3, 4}});
  sortPairs(b);
  DotPlotModel m = buildDotPlot(&a, &b, 2);
  ASSERT_EQ(m.stacks[0].size(), 2u);
  ASSERT_EQ(m.stacks[1].size(), 2u);
  EXPECT_EQ(m.stacks[1][0].value, 3);
  EXPECT_EQ(m.stacks[1][0].count, 4);
  EXPECT_EQ(m.tallest, 4);
  EXPECT_DOUBLE_EQ(m.valueMin, 1 - 0.2);  // a twentieth of the span 4 to spare
  EXPECT_DOUBLE_EQ(m.valueMax, 5 + 0.2);
  EXPECT_EQ(m.scale.dotScale, 0.5);  // 4 dots in a band of 2
  EXPECT_EQ(m.stacks[1][0].dots, 4u);
  EXPECT_EQ(dotKeyText(m.scale), "");

  // In a band of one dot the 4 need 2 per dot; odd counts round up.
  m = buildDotPlot(&a, &b, 1);
  EXPECT_EQ(m.scale.perDot, 2);
  EXPECT_EQ(m.stacks[0][0].dots, 1u);
  EXPECT_EQ(m.stacks[0][1].dots, 1u);
  EXPECT_EQ(m.stacks[1][0].dots, 2u);
  EXPECT_EQ(dotKeyText(m.scale), "Each dot stands for 2 observations");

  // One value alone gets a frame around it; a count beyond 2^53 counts nothing.
  DataSet one = pairsOf({{7, 3}, {9, 1e300}});
  m = buildDotPlot(&one, nullptr, 10);
  ASSERT_EQ(m.stacks[0].size(), 1u);
  EXPECT_DOUBLE_EQ(m.valueMin, 7 - 0.35);
  EXPECT_DOUBLE_EQ(m.valueMax, 7 + 0.35);
  // Huge counts keep the stack inside the band.
  DataSet huge = pairsOf({{1, 9007199254740992.0}, {2, 1}});
  m = buildDotPlot(&huge, nullptr, 10);
  EXPECT_LE(m.stacks[0][0].dots * m.scale.dotScale, 10.0 + 1e-9);
  EXPECT_TRUE(buildDotPlot(nullptr, nullptr, 10).empty());
}

TEST(MoreStatistics, SumsBothDeviationsAndDistinctValuesIncludingExtremes) {
  struct Case {
    const char* what;
    DataType type;
    DataSet set;
    const char *sumX, *sumX2, *sample, *population, *distinct;
  } cases[] = {
      // 2,4,4,4,5,5,7,9: Σx 40, Σx² 4 + 48 + 50 + 49 + 81 = 232; squares 32 -> σ 2, s √(32/7).
      {"ordinary", UngroupedDiscrete, setOfValues({2, 4, 4, 4, 5, 5, 7, 9}), "40", "232", "2.138",
       "2", "5"},
      // Σx 4.2e308 and Σx² 6.14e616 lie beyond the doubles and still show.
      {"near the largest doubles", UngroupedContinuous, setOfValues({1e308, 1.5e308, 1.7e308}),
       "4.2e+308", "6.14e+616", "", "", "3"},
      // Σx² 1.4e-599 would vanish in doubles.
      {"near the smallest doubles", UngroupedContinuous, setOfValues({1e-300, 2e-300, 3e-300}),
       "6e-300", "1.4e-599", "1e-300", "8.165e-301", "3"},
      // Two signs cancel in Σx but not in Σx².
      {"both signs", UngroupedDiscrete, setOfValues({-1e308, 0, 1e308}), "0", "2e+616", "", "", "3"},
      // 2^53 observations of 1e300: Σx 9.007e315.
      {"huge counts", GroupedDiscrete, pairsOf({{1e300, 9007199254740992.0}, {0, 1}, {1, 1}}),
       "9.007e+315", "9.007e+615", "", "", "3"},
      // Classes 2, 0, 3 of 0-10, 10-20, 20-30 at midpoints 5, 25: Σfx 85, Σfx² 50 + 1875.
      {"classes", AlreadyGroupedContinuous, pairsOf({{5, 2}, {25, 3}}), "85", "1925", "10.95",
       "9.798", ""},
  };
  for (auto& c : cases) {
    DataSet other;
    const RefreshInputs in = inputsFor(c.type, Grouping{0, 10, 3});
    const RefreshResult r = refreshAnalysis(c.set, other, in);
    ASSERT_TRUE(r.sets[0].hasStatistics) << c.what;
    const MoreLabels m = moreStatistics(c.set, r.sets[0], c.type);
    EXPECT_EQ(m.sumX, c.sumX) << c.what;
    EXPECT_EQ(m.sumX2, c.sumX2) << c.what;
    if (*c.sample) {
      EXPECT_EQ(m.sampleStdDev, c.sample) << c.what;
    }
    if (*c.population) {
      EXPECT_EQ(m.populationStdDev, c.population) << c.what;
    }
    // Both deviations are the page's own texts.
    EXPECT_EQ(m.sampleStdDev, standardDeviationText(c.set.sumSquares, c.set.count, true,
                                                    c.set.deviationScale)) << c.what;
    EXPECT_EQ(m.distinctValues, c.distinct) << c.what;
    for (const std::string* t : {&m.sumX, &m.sumX2, &m.sampleStdDev, &m.populationStdDev})
      EXPECT_EQ(t->find_first_of("in"), std::string::npos) << c.what << ": " << *t;
    EXPECT_TRUE(moreStatistics(other, r.sets[1], c.type).sumX.empty());
  }
}

TEST(MoreStatistics, SumsAreTheExactSumsRoundedOnce) {
  struct Case {
    const char* what;
    DataSet set;
    const char *sumX, *sumX2;
  } cases[] = {
      // 1e20 + 1 - 1e20: the 1 is below the last digit of 1e20 in any running sum
      // of doubles or long doubles, but the exact sum keeps it. Σx² = 2e40 + 1.
      {"cancelling", setOfValues({1e20, 1, -1e20}), "1", "2e+40"},
      // 0.1 + 0.2 + 0.3 as doubles: each term's binary value summed exactly is
      // 0.6000000000000000055..., which rounds to the double nearest 0.6.
      {"tenths", setOfValues({0.1, 0.2, 0.3}), "0.6", "0.14"},
      // 2^53 observations of 1 beside a 3 and a 5: Σx = 2^53 + 8, Σx² = 2^53 + 34.
      {"large count", pairsOf({{1, 9007199254740992.0}, {3, 1}, {5, 1}}), "9.007e+15", "9.007e+15"},
  };
  for (auto& c : cases) {
    DataSet other;
    const RefreshInputs in = inputsFor(UngroupedContinuous);
    const RefreshResult r = refreshAnalysis(c.set, other, in);
    ASSERT_TRUE(r.sets[0].hasStatistics) << c.what;
    const ObservationSums s =
        observationSums(observationPoints(c.set, r.sets[0], UngroupedContinuous));
    const MoreLabels m = moreStatistics(c.set, r.sets[0], UngroupedContinuous);
    EXPECT_EQ(m.sumX, c.sumX) << c.what;
    EXPECT_EQ(m.sumX2, c.sumX2) << c.what;
    // The mean the page shows is Σx / n of these very sums.
    EXPECT_EQ(statisticText(static_cast<double>(s.sumX / s.n)), r.sets[0].labels.mean) << c.what;
  }
  // The cancelling case exactly, not only as four digits.
  DataSet set = setOfValues({1e20, 1, -1e20}), other;
  const RefreshInputs in = inputsFor(UngroupedContinuous);
  const RefreshResult r = refreshAnalysis(set, other, in);
  const ObservationSums s = observationSums(observationPoints(set, r.sets[0], UngroupedContinuous));
  EXPECT_EQ(s.sumX, 1.0L);
  EXPECT_EQ(s.n, 3.0L);
}

TEST(MoreStatistics, SumsAndDeviationsFollowTheDecimals) {
  // 2,4,4,4,5,5,7,9: Σx 40, Σx² 232, σ 2, s = √(32/7) = 2.13809...
  DataSet set = setOfValues({2, 4, 4, 4, 5, 5, 7, 9}), other;
  const RefreshInputs in = inputsFor(UngroupedDiscrete);
  const RefreshResult r = refreshAnalysis(set, other, in);
  struct Case {
    int decimals;
    const char *sumX, *sumX2, *sample, *population;
  } cases[] = {
      {kAutoDecimals, "40", "232", "2.138", "2"},
      {0, "40", "232", "2", "2"},
      {2, "40.00", "232.00", "2.14", "2.00"},
      {5, "40.00000", "232.00000", "2.13809", "2.00000"},
  };
  for (const Case& c : cases) {
    const MoreLabels m = moreStatistics(set, r.sets[0], UngroupedDiscrete, c.decimals);
    EXPECT_EQ(m.sumX, c.sumX) << c.decimals;
    EXPECT_EQ(m.sumX2, c.sumX2) << c.decimals;
    EXPECT_EQ(m.sampleStdDev, c.sample) << c.decimals;
    EXPECT_EQ(m.populationStdDev, c.population) << c.decimals;
    EXPECT_EQ(m.distinctValues, "5") << "a count keeps its digits";
  }
}
