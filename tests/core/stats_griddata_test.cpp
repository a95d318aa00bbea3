#include "core/stats/GridData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "core/NumberText.h"
#include "core/stats/CellNumbers.h"

using namespace tally;
using Pairs = std::vector<FrequencyPair>;

namespace {

CellTable table(std::initializer_list<CellRow> rows) { return CellTable(rows); }

}  // namespace

TEST(ExtractValues, RepeatedValuesCountUp) {
  DataSet s;
  s.pairs = {{99, 1}};  // rebuilt, not adjusted
  extractValues(table({{"3", ""}, {"3", ""}, {"5", "7"}}), s);
  EXPECT_EQ(s.pairs, (Pairs{{3, 2}, {5, 1}}));
}

TEST(ExtractValues, OnlyWholeFiniteNumbersCount) {
  DataSet s;
  // "1,5" (a comma file), "2x", "nan", "inf" and "1e999" are not numbers; the
  // frequency column is never read in this layout.
  extractValues(table({{"1,5", ""}, {"2x", ""}, {"nan", ""}, {"inf", ""}, {"1e999", ""},
                       {"", "4"}, {"-2.5", ""}, {" 7", ""}}),
                s);
  EXPECT_EQ(s.pairs, (Pairs{{-2.5, 1}, {7, 1}}));
}

// A full grid of values, few or many of them repeated, with 0 and -0 among them:
// each value is counted once, where it was first seen, as a search of the pairs
// row by row finds it; a repeated value beside a frequency is reported.
TEST(ExtractValues, ManyRowsCountEachValueWhereItWasFirstSeen) {
  std::mt19937 random(7);
  for (const int distinct : {1, 3, 40, 700, 100000}) {
    CellTable t;
    for (int r = 0; r < kGridRows; ++r) {
      const int k = static_cast<int>(random() % static_cast<unsigned>(distinct)) - distinct / 2;
      const std::string value =
          k == 0 && r % 2 ? "-0" : formatNumber("%g", k * 0.25 + 1e6 * (k % 3));
      t.push_back({value, formatInt("%d", r % 5 + 1)});
    }
    Pairs expected;
    std::vector<double> repeated;
    for (const CellRow& row : t) {
      const double v = std::stod(row[0]);
      auto same = [v](const FrequencyPair& p) { return p.value == v; };
      const auto found = std::find_if(expected.begin(), expected.end(), same);
      if (found != expected.end()) {
        found->frequency += 1;
        repeated.push_back(v);
      } else {
        expected.push_back({v, 1});
      }
    }
    DataSet values;
    extractValues(t, values);
    EXPECT_EQ(values.pairs, expected) << distinct << " distinct values";

    DataSet withFrequencies;
    const ExtractResult read = extractValuesAndFrequencies(t, withFrequencies);
    EXPECT_EQ(read.duplicates, repeated) << distinct;
    ASSERT_EQ(withFrequencies.pairs.size(), expected.size()) << distinct;
    for (size_t k = 0; k < expected.size(); ++k)
      EXPECT_EQ(withFrequencies.pairs[k].value, expected[k].value) << distinct << " pair " << k;
  }
}

TEST(ExtractValuesAndFrequencies, FrequenciesRoundHalfUpAndNonPositiveBecomeZero) {
  DataSet s;
  CellTable t = table({{"1", "2.4"}, {"2", "2.5"}, {"3", "-1"}, {"4", "0"}, {"", "9"}, {"6", ""}});
  ExtractResult r = extractValuesAndFrequencies(t, s);
  EXPECT_EQ(s.pairs, (Pairs{{1, 2}, {2, 3}}));
  EXPECT_EQ(r.rewrites,
            (std::vector<CellWrite>{{0, 1, "2"}, {1, 1, "3"}, {2, 1, "0"}, {3, 1, "0"}}));
  EXPECT_TRUE(r.duplicates.empty());
}

TEST(ExtractValuesAndFrequencies, AFrequencyThatRoundsToNothingAddsNoValue) {
  // 0.3 rounds to 0: no observation, so 7 must not become the minimum of the set.
  DataSet s;
  ExtractResult r = extractValuesAndFrequencies(table({{"7", "0.3"}, {"9", "1"}}), s);
  EXPECT_EQ(s.pairs, (Pairs{{9, 1}}));
  EXPECT_EQ(r.rewrites, (std::vector<CellWrite>{{0, 1, "0"}, {1, 1, "1"}}));
}

TEST(ExtractValuesAndFrequencies, ARepeatedValueKeepsTheFirstRowAndIsReported) {
  DataSet s;
  ExtractResult r = extractValuesAndFrequencies(
      table({{"2.5", "4"}, {"1", "1"}, {"2.5", "7"}, {"2.5", "-3"}, {"2.5", "1"}}), s);
  EXPECT_EQ(s.pairs, (Pairs{{2.5, 4}, {1, 1}}));
  // The row with -3 is rewritten to "0" and is no copy; the other two are.
  EXPECT_EQ(r.duplicates, (std::vector<double>{2.5, 2.5}));
  EXPECT_EQ(duplicateValueMessage(2.5),
            "The value 2.5 has been added more than once.\nOnly the first frequency value will "
            "be used.\n Please select a new value for the copies.");
  // A translated message gets the value where its "%s" stands.
  EXPECT_EQ(duplicateValueMessage(-0.25, "Wert %s doppelt"), "Wert -0.25 doppelt");
}

// Classes 0-10 and 10-20 as in the worked example of the grid.
TEST(AdjustClasses, TheWorkedExamples) {
  const Grouping g{0, 10, 2};
  struct Case {
    const char* what;
    Pairs before;
    std::string class0, class1;
    Pairs after;
  } cases[] = {
      // 2 (x3) and 15 (x1): 5 in class 0 adds 5 - 3 = 2 to the pair of 2.
      {"add", {{2, 3}, {15, 1}}, "5", "1", {{2, 5}, {15, 1}}},
      // 1 in class 0: E = 3 - 1 = 2 < 3, so the pair of 2 drops to 1.
      {"reduce", {{2, 3}, {15, 1}}, "1", "1", {{2, 1}, {15, 1}}},
      // (2,1) and (3,2), 1 typed: E = 2; (2,1) removed (E = 1), (3,2) -> (3,1).
      {"remove then reduce", {{2, 1}, {3, 2}, {15, 1}}, "1", "1", {{3, 1}, {15, 1}}},
      // An empty cell removes every pair of the class.
      {"clear", {{2, 1}, {3, 2}, {15, 1}}, "", "1", {{15, 1}}},
      {"unparsable clears too", {{2, 1}, {15, 1}}, "abc", "1", {{15, 1}}},
      {"zero clears too", {{2, 1}, {15, 1}}, "0", "1", {{15, 1}}},
      // 4 into a class without pairs appends (lower bound, 4).
      {"append", {{15, 1}}, "4", "1", {{15, 1}, {0, 4}}},
      // Equal sums change nothing; class sums truncate (2.7 counts as 2).
      {"equal", {{2, 2.7}, {15, 1}}, "2", "1", {{2, 2.7}, {15, 1}}},
      // A fractional entry is stored as typed: 3.5 - 2 added to the first pair.
      {"fractional", {{2, 2}, {15, 1}}, "3.5", "1", {{2, 3.5}, {15, 1}}},
      // Values outside every class are left alone.
      {"outside", {{-5, 1}, {25, 2}}, "", "", {{-5, 1}, {25, 2}}},
  };
  for (const auto& c : cases) {
    DataSet s;
    s.pairs = c.before;
    adjustClasses(table({{"0 - < 10", c.class0}, {"10 - < 20", c.class1}}), g, s);
    EXPECT_EQ(s.pairs, c.after) << c.what;
  }
}

TEST(AdjustClasses, AClassWithoutWidthChangesNothing) {
  // With size 0 no value ever lies in a class: appending would grow the set on
  // every change.
  DataSet s;
  s.pairs = {{1, 1}};
  for (int i = 0; i < 3; ++i)
    adjustClasses(table({{"", "4"}, {"", "2"}}), Grouping{0, 0, 2}, s);
  EXPECT_EQ(s.pairs, (Pairs{{1, 1}}));
}

TEST(ExtractGridData, DispatchesByType) {
  CellTable t = table({{"3", "2"}, {"3", "4"}});
  DataSet a, b, c;
  extractGridData(UngroupedContinuous, t, Grouping{}, a);
  EXPECT_EQ(a.pairs, (Pairs{{3, 2}}));
  ExtractResult r = extractGridData(GroupedContinuous, t, Grouping{}, b);
  EXPECT_EQ(b.pairs, (Pairs{{3, 2}}));
  EXPECT_EQ(r.duplicates, (std::vector<double>{3}));
  // Column 0 is never read for classes: class 0 = [0,1) gets 2, class 1 = [1,2) gets 4.
  extractGridData(AlreadyGroupedContinuous, t, Grouping{0, 1, 2}, c);
  EXPECT_EQ(c.pairs, (Pairs{{0, 2}, {1, 4}}));
}

TEST(SetToGridRows, ValuesRepeatOncePerObservationThePairCountsFor) {
  DataSet s;
  s.pairs = {{1.5, 2}, {3, 2.5}};
  GridRows g = setToGridRows(s, ValuesOnly, Grouping{});
  // 2.5 counts as 2 observations wherever it is counted, so it gives 2 rows.
  EXPECT_EQ(g.rows, (std::vector<CellRow>{{"1.5", ""}, {"1.5", ""}, {"3", ""}, {"3", ""}}));
  EXPECT_FALSE(g.exceeded);
}

TEST(SetToGridRows, UngroupingStopsAtTheLastGridRow) {
  DataSet s;
  s.pairs = {{1, 600}, {2, 600}};
  GridRows g = setToGridRows(s, ValuesOnly, Grouping{});
  ASSERT_EQ(g.rows.size(), 1000u);
  EXPECT_EQ(g.rows[599][0], "1");
  EXPECT_EQ(g.rows[600][0], "2");
  EXPECT_TRUE(g.exceeded);
  // Exactly 1000 observations fit.
  s.pairs = {{1, 400}, {2, 600}};
  EXPECT_FALSE(setToGridRows(s, ValuesOnly, Grouping{}).exceeded);
}

TEST(SetToGridRows, FrequenciesAndClasses) {
  DataSet s;
  s.pairs = {{2, 3}, {2.5, 1.5}, {15, 1}, {40, 2}};
  // A frequency cell shows the whole number the pair counts for: 1.5 shows 1.
  EXPECT_EQ(setToGridRows(s, ValueAndFrequency, Grouping{}).rows,
            (std::vector<CellRow>{{"2", "3"}, {"2.5", "1"}, {"15", "1"}, {"40", "2"}}));
  // Class 0 truncates 1.5 to 1: 3 + 1 = 4; 40 lies beyond the last class.
  EXPECT_EQ(setToGridRows(s, Classes, Grouping{0, 10, 3}).rows,
            (std::vector<CellRow>{{"0 - < 10", "4"}, {"10 - < 20", "1"}, {"20 - < 30", "0"}}));
}

// Many pairs, some outside the classes, and cells that agree with their class,
// empty it, raise or lower it: every class ends with its cell's whole count (or
// no pair), a class that agreed and the pairs outside keep their pairs, and
// reading the same cells again changes nothing.
TEST(AdjustClasses, EveryClassEndsWithItsCellsCount) {
  const Grouping g{0, 2, 10};
  std::mt19937 random(5);
  for (int round = 0; round < 100; ++round) {
    DataSet s;
    for (int k = 0; k < 60; ++k)
      s.pairs.push_back({static_cast<int>(random() % 300) / 10.0 - 5,
                         static_cast<int>(random() % 40) / 4.0});
    CellTable cells;
    std::vector<double> wanted;
    for (int k = 0; k < g.classes(); ++k) {
      const double now = classFrequency(s, g, k);
      const double typed[] = {0, now, now + 3, std::max(now - 2, 0.0), now + 0.5, -1};
      const double t = typed[random() % 6];
      cells.push_back({g.classLabel(k), random() % 9 == 0 ? "" : exactText(t)});
      wanted.push_back(cells.back()[1].empty() || t < 1 ? 0 : std::trunc(t));
    }
    const DataSet before = s;
    adjustClasses(cells, g, s);
    auto inClass = [&g](const Pairs& pairs, int k) {
      Pairs out;
      for (const auto& p : pairs)
        if (g.locate(p.value) == k) out.push_back(p);
      return out;
    };
    for (int k = -1; k < g.classes(); ++k) {
      const Pairs now = inClass(s.pairs, k), was = inClass(before.pairs, k);
      if (k < 0) {
        EXPECT_EQ(now, was) << "outside, round " << round;
        continue;
      }
      const double w = wanted[static_cast<size_t>(k)];
      EXPECT_EQ(classFrequency(s, g, k), w) << "class " << k << ", round " << round;
      if (w == 0) {
        EXPECT_TRUE(now.empty()) << "class " << k << ", round " << round;
      } else if (w == classFrequency(before, g, k)) {
        EXPECT_EQ(now, was) << "class " << k << ", round " << round;
      }
    }
    const Pairs once = s.pairs;
    adjustClasses(cells, g, s);
    EXPECT_EQ(s.pairs, once) << "round " << round;
  }
}

TEST(AdjustClasses, TypedFrequenciesCountWholeAndStayPutOnLaterEdits) {
  // Classes 0-10 and 10-20; class 1 holds 15 once throughout. After the first
  // adjustment class 0 counts the whole part of what was typed, and re-reading the
  // same cells (any later edit elsewhere) changes nothing.
  const Grouping g{0, 10, 2};
  struct Case {
    const char* what;
    Pairs before;
    std::string typed;
    Pairs after;
  } cases[] = {
      {"into an empty class", {{15, 1}}, "2.7", {{15, 1}, {0, 2.7}}},
      {"fraction kept, whole part counted", {{2, 2.7}, {15, 1}}, "3.5", {{2, 3.5}, {15, 1}}},
      {"fractions never carry into the count", {{2, 1.5}, {3, 1.5}, {15, 1}}, "5.7",
       {{2, 4.7}, {3, 1.5}, {15, 1}}},
      {"equal whole parts", {{2, 2}, {15, 1}}, "2.9", {{2, 2}, {15, 1}}},
      {"reduced by whole observations", {{2, 2.7}, {15, 1}}, "1", {{2, 2.7 - 1}, {15, 1}}},
      {"less than one observation empties", {{2, 2.7}, {15, 1}}, "0.5", {{15, 1}}},
      // Beyond 2^53 a frequency counts as no number: the class is emptied.
      {"not a count", {{2, 3}, {15, 1}}, "1e17", {{15, 1}}},
  };
  for (const auto& c : cases) {
    DataSet s;
    s.pairs = c.before;
    const CellTable cells = table({{"0 - < 10", c.typed}, {"10 - < 20", "1"}});
    for (int edit = 0; edit < 4; ++edit) {
      adjustClasses(cells, g, s);
      EXPECT_EQ(s.pairs, c.after) << c.what << ", edit " << edit;
    }
    double typed = 0;
    parseNumber(c.typed, typed);
    const double whole = typed > 9007199254740992.0 ? 0 : std::trunc(typed);
    EXPECT_EQ(classFrequency(s, g, 0), whole) << c.what;
  }
}

TEST(SetToGridRows, AFrequencyKeepsItsWholeNumberAcrossDataTypes) {
  // Pairs as already grouped data leave them (2.5 typed into class 0-10 counts 2):
  // shown in each layout and read back by that layout's types, n stays 4.
  Pairs classes = {{0, 2.5}, {12, 1}, {25, 1.9}};
  for (DataType type : {UngroupedDiscrete, GroupedDiscrete, AlreadyGroupedContinuous}) {
    DataSet s;
    s.pairs = classes;
    const Grouping g{0, 10, 3};
    const GridRows shown = setToGridRows(s, layoutForType(type), g);
    extractGridData(type, CellTable(shown.rows.begin(), shown.rows.end()), g, s);
    EXPECT_EQ(observationCount(s), 4u) << "type " << type;
  }
}

TEST(ExtractValuesAndFrequencies, FrequenciesAbove2To53AreNoNumbers) {
  // 1e17 (and 2^53 + 2) can no longer be counted one by one: the row adds nothing,
  // as an unreadable frequency would. 2^53 itself is still a count.
  DataSet s;
  ExtractResult r = extractValuesAndFrequencies(
      table({{"1", "1e17"}, {"2", "1"}, {"3", "9007199254740994"}, {"4", "9007199254740992"},
             {"5", "1e308"}}),
      s);
  EXPECT_EQ(s.pairs, (Pairs{{2, 1}, {4, 9007199254740992.0}}));
  EXPECT_EQ(observationCount(s), 9007199254740993u);
  EXPECT_EQ(r.rewrites.size(), 2u);
}

TEST(SetToGridRows, ClassCountsOnDecimalBoundaries) {
  // Values typed on every bound of decimal classes: each class counts one, and
  // reading the shown counts back leaves the set as it was.
  for (double start : {0.0, 0.1, 0.25, 0.3, 2.5}) {
    for (double size : {0.1, 0.2, 0.25, 0.3, 0.5, 2.5}) {
      const Grouping g{start, size, 30};
      DataSet s;
      for (int k = 0; k < g.groupCount; ++k) {
        double v = 0;
        parseNumber(formatNumber("%.12g", g.lower(k)), v);
        s.pairs.push_back({v, 1});
      }
      const Pairs before = s.pairs;
      const GridRows shown = setToGridRows(s, Classes, g);
      for (const CellRow& row : shown.rows)
        EXPECT_EQ(row[1], "1") << row[0] << " start " << start << " size " << size;
      adjustClasses(CellTable(shown.rows.begin(), shown.rows.end()), g, s);
      EXPECT_EQ(s.pairs, before) << "start " << start << " size " << size;
    }
  }
}

// Reading through kept numbers parses only the cells whose text changed and reads
// every table as reading it afresh does: a changed, added, cleared or restored
// cell, a cell that is no number, and -0 before 0 (the first seen is the value).
TEST(ExtractValues, KeptNumbersReadOnlyChangedCellsAndReadAsAfresh) {
  struct Step {
    const char* what;
    std::vector<CellWrite> writes;
    long parses;  // texts parsed by the step
  } steps[] = {{"first reading", {}, 6},
               {"nothing changed", {}, 0},
               {"one value changed", {{1, 0, "8"}}, 1},
               {"a row added", {{7, 0, "2"}}, 1},
               {"a cell cleared", {{2, 0, ""}}, 0},
               {"the value typed back", {{1, 0, "-0"}}, 1},
               {"no number", {{0, 0, "3,5"}}, 1},
               {"a frequency beside a value", {{3, 1, "2"}}, 1}};
  CellTable t = table({{"0", ""}, {"-0", ""}, {"5", ""}, {"5", ""}, {"x", ""}, {"1e-3", ""}});
  CellNumbers numbers;
  for (const Step& step : steps) {
    for (const CellWrite& w : step.writes) {
      if (static_cast<size_t>(w.row) >= t.size()) t.resize(static_cast<size_t>(w.row) + 1);
      t[static_cast<size_t>(w.row)][static_cast<size_t>(w.col)] = w.text;
    }
    for (DataType type : {UngroupedDiscrete, GroupedDiscrete, AlreadyGroupedContinuous}) {
      const Grouping classes{0, 2, 4};
      DataSet kept, fresh;
      kept.pairs = fresh.pairs = {{1, 2}, {3, 1}};
      const long before = numbers.parses();
      const ExtractResult a = extractGridData(type, t, classes, kept, numbers);
      const ExtractResult b = extractGridData(type, t, classes, fresh);
      // The first type reads what changed; the others find every text kept.
      if (type == UngroupedDiscrete && std::string(step.what) != "a frequency beside a value") {
        EXPECT_EQ(numbers.parses() - before, step.parses) << step.what;
      }
      if (type != UngroupedDiscrete) {
        EXPECT_LE(numbers.parses() - before, 1) << step.what;
      }
      ASSERT_EQ(kept.pairs.size(), fresh.pairs.size()) << step.what << " type " << type;
      for (size_t k = 0; k < kept.pairs.size(); ++k) {
        EXPECT_EQ(std::signbit(kept.pairs[k].value), std::signbit(fresh.pairs[k].value))
            << step.what;
        EXPECT_EQ(kept.pairs[k], fresh.pairs[k]) << step.what << " type " << type;
      }
      EXPECT_EQ(a.rewrites, b.rewrites) << step.what;
      EXPECT_EQ(a.duplicates, b.duplicates) << step.what;
    }
  }
}
